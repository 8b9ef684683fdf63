// Spectrum and photometric ingest of the store: from device payloads to spectra and to
// the result table.
#include "DataBuffer.h"

#include "LightMetrics.h"
#include "MeasurementState.h"
#include "PhotometricFormat.h"
#include "RangeAnalysis.h"
#include "SpectrumPayload.h"
#include "settings/MeasurementSettings.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

FloatArray *spectrumArray(const QList<double> &wavelengths, const QList<double> &values)
{
    const int n = int(std::min(wavelengths.size(), values.size()));
    FloatArray *array = createFloatArray(n, 2);
    for (int i = 0; i < n; ++i) {
        array->data[i] = float(wavelengths.at(i));
        array->data[n + i] = float(values.at(i));
    }
    return array;
}

PhotometricFormat::Context formatContext(const QString &modelName, bool hostComputed)
{
    PhotometricFormat::Context context;
    context.modelName = modelName;
    context.hostComputed = hostComputed;
    context.unitLabel = MeasurementSettings::unitLabel(MeasurementSettings::unit());
    context.unitFactor = MeasurementSettings::unitFactor();
    return context;
}

bool inRangeAnalysis(int id)
{
    return id >= PhotometricFormat::kRangeBandId && id <= PhotometricFormat::kRangeWidthId;
}

} // namespace

int DataBuffer::spectrumPayloadSize() const
{
    return SpectrumPayload::requiredSize(getWlLength(), m_isY);
}

float DataBuffer::expoTimeMs() const { return float(m_expoTime) / 1000.0f; }

void DataBuffer::setSpecData(const quint8 *data, int size, bool isReload)
{
    acceptSpectrum(data, size, isReload, nullptr, 0);
}

void DataBuffer::setSpectrumFrame(const quint8 *photometric, int photometricSize,
                                  const quint8 *spectrum, int spectrumSize)
{
    acceptSpectrum(spectrum, spectrumSize, false, photometric, photometricSize);
}

void DataBuffer::acceptSpectrum(const quint8 *data, int size, bool isReload, const quint8 *photometric,
                                int photometricSize)
{
    if (!isReload && !measuring())
        return;
    // A spectrum of a refused range has no axis here to be read on.
    if (m_deviceRangeRefused || size > kRawPayloadCapacity)
        return;
    const std::optional<QList<double>> values =
        SpectrumPayload::decode(data, size, getWlLength(), m_isY, expoTimeMs());
    if (!values)
        return;

    // A replay is always the stored source, never a new reference.
    if (!isReload && measuringReference()) {
        storeReference(*values);
        return;
    }

    storeSource(*values, data, size);
    if (!isReload)
        ++m_receivedSpectra;
    if (m_isY)
        computeHostPhotometry();
    else if (photometric && photometricSize > 0)
        setPhotoResult(photometric, photometricSize);

    m_ramanDirty = true;
    if (m_hasTm30)
        computeColorRenditionOfSource();
    setHasDataFlag(true);
    emit specDataChanged();
    emit ramanChanged();
}

void DataBuffer::storeReference(const QList<double> &values)
{
    m_reference = values;
    m_sampleAfterReference = false;
    m_referenceMax = 0.0;
    for (double v : values)
        m_referenceMax = std::max(m_referenceMax, v);
    fillAxis();
    emit referenceDataUpdated();
}

void DataBuffer::storeSource(const QList<double> &values, const quint8 *payload, int size)
{
    std::memcpy(m_specData.data(), payload, size_t(size));
    m_specDataSize = size;
    // The frame's own exposure, set just before its spectrum: a later setting is not this spectrum's.
    m_sourceExpoTime = m_expoTime;
    m_source = values;
    m_sampleAfterReference = true;
    scaleSource();
    fillAxis();
}

void DataBuffer::scaleSource()
{
    const double factor = countsPhotons() ? 1.0 : MeasurementSettings::unitFactor();
    const int n = int(m_source.size());
    m_scaled.resize(n);
    m_sourceMax = 0.0;
    m_scaledMax = 0.0;
    for (int i = 0; i < n; ++i) {
        m_scaled[i] = factor * m_source[i];
        m_sourceMax = std::max(m_sourceMax, m_source[i]);
        m_scaledMax = std::max(m_scaledMax, m_scaled[i]);
    }
}

void DataBuffer::computeHostPhotometry()
{
    FloatArray *spectrum = spectrumArray(m_wavelengths, m_source);
    float words[kLightMetricsCount];
    computeLightMetrics(spectrum, words);
    destroyArray(spectrum);
    setPhotoResult(reinterpret_cast<const quint8 *>(words), int(sizeof words));
}

void DataBuffer::computeColorRenditionOfSource()
{
    FloatArray *spectrum = spectrumArray(m_wavelengths, m_source);
    computeColorRendition(spectrum, &m_colorRendition);
    destroyArray(spectrum);
    m_chromaShift = QList<float>(std::begin(m_colorRendition.chromaShift),
                                 std::end(m_colorRendition.chromaShift));
    m_hueShift = QList<float>(std::begin(m_colorRendition.hueShift),
                              std::end(m_colorRendition.hueShift));
    m_colorFidelity = QList<float>(std::begin(m_colorRendition.localFidelity),
                                   std::end(m_colorRendition.localFidelity));
    emit chromaShiftChanged();
    emit hueShiftChanged();
    emit colorFidelityChanged();
    emit tm30Changed();
}

void DataBuffer::zeroColorRendition()
{
    m_colorRendition = ColorRenditionResult{};
    std::fill(m_chromaShift.begin(), m_chromaShift.end(), 0.0f);
    std::fill(m_hueShift.begin(), m_hueShift.end(), 0.0f);
    std::fill(m_colorFidelity.begin(), m_colorFidelity.end(), 0.0f);
    emit chromaShiftChanged();
    emit hueShiftChanged();
    emit colorFidelityChanged();
    emit tm30Changed();
}

void DataBuffer::reloadSpecData()
{
    if (m_specDataSize == 0)
        return;
    // Only the unit changed: the source, and all derived from it, stays as measured.
    scaleSource();
    emit specDataChanged();
}

void DataBuffer::reloadPhotoResult()
{
    if (countsPhotons() || m_photoResultSize == 0)
        return;
    // The kept result, formatted anew in the current unit when next read. It is no new
    // result: the throttle and hasData are left alone.
    m_pendingResult.context = formatContext(m_deviceModel, m_isY);
    m_resultPending = true;
    emit formattedPhotoResultChanged();
}

// ---- The result table ----

void DataBuffer::setPhotoResult(const quint8 *data, int size)
{
    if (!data || size < 0 || size > int(sizeof m_photoWords))
        return;
    if (!m_mayProcess) {
        // Keep only the newest; it is processed on the next tick.
        m_pendingPhotoResult = QByteArray(reinterpret_cast<const char *>(data), size);
        m_hasPendingPhotoResult = true;
        return;
    }
    m_mayProcess = false;
    dropPendingPhotoResult();
    processPhotoResult(data, size);
}

float DataBuffer::photoWord(int i) const
{
    // A word the payload did not carry has no value.
    if (i < 0 || i >= m_photoResultSize / 4)
        return std::numeric_limits<float>::quiet_NaN();
    return m_photoWords[size_t(i)];
}

void DataBuffer::processPhotoResult(const quint8 *data, int size)
{
    m_photoWords.fill(0.0f);
    std::memcpy(m_photoWords.data(), data, size_t(size));
    m_photoResultSize = size;

    PendingResult &result = m_pendingResult;
    result.words = m_photoWords;
    result.size = size;
    result.modelInfo = m_modelInfo;
    result.context = formatContext(m_deviceModel, m_isY);
    result.rangeEnabled = MeasurementSettings::rangeEnable();
    result.range = result.rangeEnabled ? RangeAnalysis::analyse(MeasurementSettings::range(), m_wlRange[0],
                                                                  m_wlRange[1], m_source)
                                       : RangeAnalysis::Result{};
    m_resultPending = true;
    emit formattedPhotoResultChanged();
    setHasDataFlag(true);
}

void DataBuffer::formatPendingResult() const
{
    if (!m_resultPending)
        return;
    m_resultPending = false;
    const PendingResult &result = m_pendingResult;
    const PhotometricFormat::Context &context = result.context;
    const auto word = [&result](int i) {
        // A word the payload did not carry has no value.
        return i >= 0 && i < result.size / 4 ? result.words[size_t(i)] : std::numeric_limits<float>::quiet_NaN();
    };
    QList<QJsonObject> items;
    for (int i = 0; i < result.modelInfo.plain.size(); ++i) {
        const ParameterInfo &parameter = result.modelInfo.plain.at(i);
        QJsonObject item = PhotometricFormat::formatParameter(parameter, word(i), context);
        QString suffix;
        if (parameter.id == PhotometricFormat::kLuxId)
            suffix = PhotometricFormat::luxSuffix(context.modelName);
        else if (parameter.id == PhotometricFormat::kBlueLightId)
            suffix = PhotometricFormat::blueLightSuffix(word(i));
        if (!suffix.isEmpty())
            item.insert(QStringLiteral("value"), item.value(QStringLiteral("value")).toString() + suffix);
        items.append(item);
    }

    const RangeAnalysis::Result &range = result.range;
    for (const ParameterInfo &parameter : result.modelInfo.calculated) {
        const int id = parameter.id;
        if (id == PhotometricFormat::kSdcmCctId) {
            QJsonObject item = PhotometricFormat::formatParameter(parameter, 0.0f, context);
            item.insert(QStringLiteral("value"), PhotometricFormat::sdcmAndCct(word(PhotometricFormat::kSdcmWord),
                                                                               word(PhotometricFormat::kCctWord)));
            items.append(item);
        } else if (result.rangeEnabled && id == PhotometricFormat::kRangeBandId) {
            QJsonObject item = PhotometricFormat::formatParameter(parameter, 0.0f, context);
            item.insert(QStringLiteral("value"), PhotometricFormat::rangeText(range.lo, range.hi));
            items.append(item);
        } else if (result.rangeEnabled && id == PhotometricFormat::kRangeSumId) {
            items.append(PhotometricFormat::formatParameter(parameter, range.sum, context));
        } else if (result.rangeEnabled && id == PhotometricFormat::kRangePeakId) {
            items.append(PhotometricFormat::formatParameter(parameter, range.peakWavelength, context));
        } else if (result.rangeEnabled && id == PhotometricFormat::kRangeWidthId) {
            items.append(PhotometricFormat::formatParameter(parameter, range.width, context));
        }
    }
    m_lastResultItems = items;
    m_formattedPhotoResult = groupParameters(items).toVariantList();
}

QVariantList DataBuffer::formattedPhotoResult() const
{
    formatPendingResult();
    return m_formattedPhotoResult;
}

const QList<QJsonObject> &DataBuffer::lastResultItems() const
{
    formatPendingResult();
    return m_lastResultItems;
}

void DataBuffer::setResultItems(const QList<QJsonObject> &items)
{
    m_resultPending = false;
    m_lastResultItems = items;
    setFormattedPhotoResult(groupParameters(items).toVariantList());
}

void DataBuffer::rebuildFormattedPhotoResult()
{
    const PhotometricFormat::Context context = formatContext(m_deviceModel, m_isY);
    const bool rangeEnabled = MeasurementSettings::rangeEnable();
    QList<QJsonObject> items;
    for (const ParameterInfo &parameter : m_modelInfo.plain)
        items.append(PhotometricFormat::formatParameter(parameter, 0.0f, context));
    for (const ParameterInfo &parameter : m_modelInfo.calculated) {
        if (parameter.id == PhotometricFormat::kSdcmCctId || (rangeEnabled && inRangeAnalysis(parameter.id)))
            items.append(PhotometricFormat::formatParameter(parameter, 0.0f, context));
    }
    if (m_modelInfo.hasTm30)
        zeroColorRendition();
    // Zeros show no measurement: a unit change has no result left to rescale, and the charts
    // that draw the words (diagrams, rendering indices) show none beside the table either.
    m_photoWords.fill(0.0f);
    m_photoResultSize = 0;
    setResultItems(items);
}

QJsonObject DataBuffer::formatParameter(const ParameterInfo &parameter, float value) const
{
    return PhotometricFormat::formatParameter(parameter, value, formatContext(m_deviceModel, m_isY));
}

QJsonArray DataBuffer::groupParameters(const QList<QJsonObject> &items)
{
    return PhotometricFormat::groupParameters(items);
}

QList<float> DataBuffer::spectrumInRange() const
{
    const RangeAnalysis::Result r =
        RangeAnalysis::analyse(MeasurementSettings::range(), m_wlRange[0], m_wlRange[1], m_source);
    return {r.lo, r.hi, r.sum, r.peakWavelength, r.width};
}
