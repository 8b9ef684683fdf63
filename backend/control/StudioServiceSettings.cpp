// The measurement settings and the model's features as StudioService offers them.
#include "StudioService.h"

#include "catalog/ParameterCatalog.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

int StudioService::unit() const { return MeasurementSettings::unit(); }

void StudioService::setUnit(int unit)
{
    if (unit == MeasurementSettings::unit())
        return;
    MeasurementSettings::setUnit(unit);
    emit unitChanged();
    DataBuffer *buffer = DataBuffer::instance();
    buffer->reloadSpecData();
    buffer->reloadPhotoResult();
}

bool StudioService::rangeEnable() const { return MeasurementSettings::rangeEnable(); }

// The setters compare with the stored settings, which may come from an earlier run.
void StudioService::setRangeEnable(bool enable)
{
    if (enable == rangeEnable())
        return;
    MeasurementSettings::setRangeEnable(enable);
    emit rangeEnableChanged();
}

int StudioService::rangeBegin() const { return MeasurementSettings::range().at(0).toInt(); }

int StudioService::rangeEnd() const { return MeasurementSettings::range().at(1).toInt(); }

void StudioService::setRangeBegin(int begin) { setRange(begin, rangeEnd()); }

void StudioService::setRangeEnd(int end) { setRange(rangeBegin(), end); }

void StudioService::setRange(int begin, int end)
{
    const bool beginChanges = begin != rangeBegin();
    const bool endChanges = end != rangeEnd();
    if (!beginChanges && !endChanges)
        return;
    if (begin < end)
        MeasurementSettings::setRange(begin, end);
    else
        refuseRange();
    // After a refusal the views bound to a bound read the stored one again.
    if (beginChanges)
        emit rangeBeginChanged();
    if (endChanges)
        emit rangeEndChanged();
}

void StudioService::refuseRange()
{
    showMessage(tr("The start wavelength must be less than the end wavelength."));
}

void StudioService::reloadFeatures()
{
    const QVariantMap features = findModelInfo(DataBuffer::instance()->deviceModel()).function;
    if (features == m_features)
        return;
    m_features = features;
    emit featuresChanged();
}
