#include "DataBuffer.h"

#include "MeasurementState.h"

#include <QTimer>
#include <algorithm>
#include <cstring>
#include <mutex>

namespace {

constexpr double kFlickerStepMs = 100.0 / 1024.0;

template <typename T>
bool assignIfChanged(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

DataBuffer *DataBuffer::instance(QObject *parent)
{
    static DataBuffer *store = nullptr;
    static std::once_flag once;
    std::call_once(once, [parent] { store = new DataBuffer(parent); });
    return store;
}

DataBuffer::DataBuffer(QObject *parent)
    : QObject(parent),
      m_efficiencyTable(createFloatArray(kEfficiencyRows, 2)),
      m_source(kDefaultWlEnd - kDefaultWlStart + 1, 0.0),
      m_flickerValues(kFlickerSamples, 0.0),
      m_flickerKeys(kFlickerSamples, 0.0)
{
    // The axis is the range's from the start: a device reporting the default range is no
    // change, and whatever reads the axis before the first spectrum needs real wavelengths.
    fillAxis();
    m_throttleTimer = new QTimer(this);
    m_throttleTimer->setInterval(kThrottleIntervalMs);
    connect(m_throttleTimer, &QTimer::timeout, this, &DataBuffer::onThrottleTick);
    m_throttleTimer->start();
}

DataBuffer::~DataBuffer() { destroyArray(m_efficiencyTable); }

bool DataBuffer::measuring() const
{
    return m_measurementState && m_measurementState->isMeasuring();
}

bool DataBuffer::measuringReference() const
{
    return m_measurementState && m_measurementState->isMeasuringReference();
}

// ---- Simple setters: emit only on change, except where noted ----

void DataBuffer::setExpoTime(quint32 microseconds)
{
    m_expoTime = microseconds;
    emit expoTimeChanged(); // always: the screens refresh the exposure line on every frame
}

void DataBuffer::setExpoStatus(quint32 status)
{
    if (assignIfChanged(m_expoStatus, quint8(status)))
        emit expoStatusChanged();
}

void DataBuffer::setIsY(bool isY)
{
    if (assignIfChanged(m_isY, isY))
        emit isYChanged();
}

void DataBuffer::setExpoMode(bool automatic)
{
    if (assignIfChanged(m_expoMode, automatic))
        emit expoModeChanged();
}

void DataBuffer::setFormattedPhotoResult(const QVariantList &groups)
{
    formatPendingResult(); // the items of a result not formatted yet stay that result's
    m_formattedPhotoResult = groups;
    emit formattedPhotoResultChanged();
}

void DataBuffer::setGainValue(quint8 gain)
{
    if (assignIfChanged(m_gainValue, gain))
        emit gainValueChanged();
}

void DataBuffer::setGainMode(bool automatic)
{
    if (assignIfChanged(m_gainMode, automatic))
        emit gainModeChanged();
}

void DataBuffer::setFrequency(float hz)
{
    if (assignIfChanged(m_frequency, hz))
        emit frequencyChanged();
}

void DataBuffer::setDepth(float depth)
{
    if (assignIfChanged(m_depth, depth))
        emit depthChanged();
}

void DataBuffer::setPercent(float percent)
{
    if (assignIfChanged(m_percent, percent))
        emit percentChanged();
}

void DataBuffer::setIndex(float index)
{
    if (assignIfChanged(m_index, index))
        emit indexChanged();
}

void DataBuffer::setHasFlicker(bool has)
{
    if (assignIfChanged(m_hasFlicker, has))
        emit hasFlickerChanged();
}

void DataBuffer::setHasCie2015(bool has)
{
    if (assignIfChanged(m_hasCie2015, has))
        emit hasCie2015Changed();
}

void DataBuffer::setHasTm30(bool has)
{
    if (assignIfChanged(m_hasTm30, has))
        emit hasTm30Changed();
}

void DataBuffer::setCie2015(quint32 option)
{
    if (assignIfChanged(m_cie2015, option))
        emit cie2015Changed();
}

void DataBuffer::setHasEfficiency(bool has)
{
    if (assignIfChanged(m_hasEfficiency, has))
        emit hasEfficiencyChanged();
}

void DataBuffer::setHasIlluminanceCalibrate(bool has)
{
    if (assignIfChanged(m_hasIlluminanceCalibrate, has))
        emit hasIlluminanceCalibrateChanged();
}

void DataBuffer::setHasReference(bool has)
{
    if (assignIfChanged(m_hasReference, has))
        emit hasReferenceChanged();
}

void DataBuffer::setHasDataFlag(bool has)
{
    if (assignIfChanged(m_hasData, has))
        emit hasDataChanged();
}

void DataBuffer::setDeviceModel(const QString &name)
{
    if (name == m_deviceModel)
        return;
    m_deviceModel = name;
    m_modelInfo = findModelInfo(name);
    // A result of the previous model would be read against the new parameter list.
    dropPendingPhotoResult();
    setHasCie2015(m_modelInfo.hasCie2015);
    setHasFlicker(m_modelInfo.hasFlicker);
    setHasTm30(m_modelInfo.hasTm30);
    setIsY(name.startsWith(QLatin1Char('Y')));
    const bool fullFeatured = !name.startsWith(QLatin1Char('Y')) && !name.startsWith(QLatin1Char('T'));
    setHasEfficiency(fullFeatured);
    setHasIlluminanceCalibrate(fullFeatured);
    rebuildFormattedPhotoResult();
    // The range arrives before the name, and the limit is that of the model's own layout.
    applyDeviceRange();
    emit deviceModelChanged();
}

// ---- Spectra and axis ----

QList<double> DataBuffer::getSpec(SpecType type) const
{
    switch (type) {
    case ScaledSpectrum: return m_scaled;
    case ReferenceSpectrum: return m_reference;
    default: return m_source;
    }
}

double DataBuffer::getMaxSpec(SpecType type) const
{
    switch (type) {
    case ScaledSpectrum: return m_scaledMax;
    case ReferenceSpectrum: return m_referenceMax;
    default: return m_sourceMax;
    }
}

// ---- Flicker ----

void DataBuffer::setFlickerData(const quint8 *data, int size)
{
    if (!data || size < 0 || size > kRawPayloadCapacity)
        return;
    std::memcpy(m_flickerData.data(), data, size_t(size));
    // Samples the record does not carry read as zero, never as an older record's.
    std::fill(m_flickerData.begin() + size, m_flickerData.end(), quint8(0));
    m_flickerDataSize = size;
    for (int i = 0; i < kFlickerSamples; ++i) {
        m_flickerKeys[i] = i * kFlickerStepMs;
        m_flickerValues[i] = double(m_flickerData[2 * i] | (m_flickerData[2 * i + 1] << 8));
    }
    emit flickerDataChanged();
}

void DataBuffer::reloadFlickerData()
{
    if (m_flickerDataSize == 0)
        return;
    const std::array<quint8, kRawPayloadCapacity> copy = m_flickerData;
    setFlickerData(copy.data(), m_flickerDataSize);
}

// ---- Efficiency table ----

bool DataBuffer::setEfficiencyTable(quint16 startNm, const float *values, int count)
{
    if (!values || count < 0 || count > kEfficiencyRows)
        return false;
    m_efficiencyTable->size[0] = count;
    m_efficiencyTable->size[1] = 2;
    for (int i = 0; i < count; ++i) {
        m_efficiencyTable->data[i] = float(startNm + i);
        m_efficiencyTable->data[count + i] = values[i];
    }
    m_efficiencyTableRead = true;
    return true;
}

void DataBuffer::forgetEfficiencyTable()
{
    m_efficiencyTable->size[0] = kEfficiencyRows;
    m_efficiencyTable->size[1] = 2;
    std::fill(m_efficiencyTable->data, m_efficiencyTable->data + m_efficiencyTable->allocatedSize, 0.0f);
    m_efficiencyTableRead = false;
}

// ---- Photometric throttle ----

void DataBuffer::onThrottleTick()
{
    if (!m_hasPendingPhotoResult) {
        m_mayProcess = true;
        return;
    }
    // The newest payload of a burst is never lost: it takes this tick's turn.
    const QByteArray pending = m_pendingPhotoResult;
    dropPendingPhotoResult();
    m_mayProcess = false;
    processPhotoResult(reinterpret_cast<const quint8 *>(pending.constData()), int(pending.size()));
}

void DataBuffer::dropPendingPhotoResult()
{
    m_pendingPhotoResult.clear();
    m_hasPendingPhotoResult = false;
}

// ---- Clearing ----

void DataBuffer::clearSource()
{
    m_specDataSize = 0; // nothing held: a unit change must not bring the sample back
    m_sampleAfterReference = false;
    std::fill(m_source.begin(), m_source.end(), 0.0);
    std::fill(m_scaled.begin(), m_scaled.end(), 0.0);
    m_sourceMax = 0.0;
    m_scaledMax = 0.0;
    // A result held back by the throttle is the cleared sample's: on its tick it would
    // bring hasData back with no source.
    dropPendingPhotoResult();
    // Without a source there is no sample: nothing may be saved or ratioed against it.
    setHasDataFlag(false);
    emit specDataChanged();
}

void DataBuffer::clearReference()
{
    std::fill(m_reference.begin(), m_reference.end(), 0.0);
    m_referenceMax = 0.0;
    setHasReference(false);
    emit referenceDataUpdated();
}

void DataBuffer::clearBuffer()
{
    m_specDataSize = 0;
    std::fill(m_source.begin(), m_source.end(), 0.0);
    std::fill(m_scaled.begin(), m_scaled.end(), 0.0);
    std::fill(m_reference.begin(), m_reference.end(), 0.0);
    m_sourceMax = 0.0;
    m_scaledMax = 0.0;
    m_referenceMax = 0.0;
    setHasReference(false);
    // A result held back by the throttle belongs to the data being cleared.
    dropPendingPhotoResult();
    rebuildFormattedPhotoResult();
    clearDerivedSpectra();
    m_ramanDirty = false;
    emit specDataChanged();
    emit ramanChanged();
    setHasDataFlag(false);
}

void DataBuffer::resetAll()
{
    m_specData.fill(0);
    m_flickerData.fill(0);
    m_photoWords.fill(0.0f);
    // Nothing received since the reset: a replay must not invent a measurement.
    m_specDataSize = 0;
    m_flickerDataSize = 0;
    m_photoResultSize = 0;
    std::fill(m_source.begin(), m_source.end(), 0.0);
    std::fill(m_scaled.begin(), m_scaled.end(), 0.0);
    std::fill(m_flickerValues.begin(), m_flickerValues.end(), 0.0);

    setFrequency(0.0f);
    setDepth(0.0f);
    setPercent(0.0f);
    setIndex(0.0f);
    setGainValue(0);
    setExpoStatus(0);
    setExpoTime(kDefaultExpoTime);

    clearBuffer();
    // The same model name from the next device must count as a change.
    if (!m_deviceModel.isEmpty()) {
        m_deviceModel.clear();
        emit deviceModelChanged();
    }
    forgetEfficiencyTable();
    m_deviceRangeKnown = false;
    m_deviceRangeRefused = false;
    emit specDataChanged();
    emit flickerDataChanged();
}
