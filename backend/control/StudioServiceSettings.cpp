// The measurement settings and the model's features as StudioService offers them.
#include "StudioService.h"

#include "catalog/ParameterCatalog.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

namespace {
constexpr int kDefaultRangeBegin = 370;
constexpr int kDefaultRangeEnd = 780;
} // namespace

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

int StudioService::rangeBegin() const
{
    return MeasurementSettings::range().value(0, kDefaultRangeBegin).toInt();
}

void StudioService::setRangeBegin(int begin)
{
    if (begin == rangeBegin())
        return;
    if (begin >= rangeEnd()) {
        refuseRange();
        // Fields bound to the begin show the stored one again.
        emit rangeBeginChanged();
        return;
    }
    MeasurementSettings::setRange(begin, rangeEnd());
    emit rangeBeginChanged();
}

int StudioService::rangeEnd() const
{
    return MeasurementSettings::range().value(1, kDefaultRangeEnd).toInt();
}

void StudioService::setRangeEnd(int end)
{
    if (end == rangeEnd())
        return;
    if (end <= rangeBegin()) {
        refuseRange();
        emit rangeEndChanged();
        return;
    }
    MeasurementSettings::setRange(rangeBegin(), end);
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
