#pragma once
// The one store of the latest measurement and of the connected device's state.
// The frame dispatcher feeds it, QML binds to its properties, charts and services read it.

#include "ColorRendition.h"
#include "DynamicArray.h"
#include "catalog/ParameterCatalog.h"
#include "store/PhotometricFormat.h"
#include "store/RamanPipeline.h"
#include "store/RangeAnalysis.h"
#include "store/RatioSpectra.h"
#include "store/SpectrumPayload.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <array>
#include <cstdint>

class QTimer;
class MeasurementState;

class DataBuffer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(quint32 expoTime READ expoTime WRITE setExpoTime NOTIFY expoTimeChanged)
    Q_PROPERTY(quint32 expoStatus READ expoStatus WRITE setExpoStatus NOTIFY expoStatusChanged)
    Q_PROPERTY(bool isY READ isY WRITE setIsY NOTIFY isYChanged)
    Q_PROPERTY(quint32 expoMode READ expoMode WRITE setExpoMode NOTIFY expoModeChanged)
    Q_PROPERTY(QString deviceModel READ deviceModel WRITE setDeviceModel NOTIFY deviceModelChanged)
    Q_PROPERTY(QVariantList formattedPhotoResult READ formattedPhotoResult WRITE setFormattedPhotoResult
                   NOTIFY formattedPhotoResultChanged)
    Q_PROPERTY(quint8 gainValue READ gainValue WRITE setGainValue NOTIFY gainValueChanged)
    Q_PROPERTY(bool gainMode READ gainMode WRITE setGainMode NOTIFY gainModeChanged)
    Q_PROPERTY(float frequency READ frequency WRITE setFrequency NOTIFY frequencyChanged)
    Q_PROPERTY(float depth READ depth WRITE setDepth NOTIFY depthChanged)
    Q_PROPERTY(float percent READ percent WRITE setPercent NOTIFY percentChanged)
    Q_PROPERTY(float index READ index WRITE setIndex NOTIFY indexChanged)
    Q_PROPERTY(quint32 hasFlicker READ hasFlicker WRITE setHasFlicker NOTIFY hasFlickerChanged)
    Q_PROPERTY(quint32 hasCie2015 READ hasCie2015 WRITE setHasCie2015 NOTIFY hasCie2015Changed)
    Q_PROPERTY(quint32 hasTm30 READ hasTm30 WRITE setHasTm30 NOTIFY hasTm30Changed)
    Q_PROPERTY(quint32 cie2015 READ cie2015 WRITE setCie2015 NOTIFY cie2015Changed)
    Q_PROPERTY(bool hasEfficiency READ hasEfficiency WRITE setHasEfficiency NOTIFY hasEfficiencyChanged)
    Q_PROPERTY(bool hasIlluminanceCalibrate READ hasIlluminanceCalibrate WRITE setHasIlluminanceCalibrate
                   NOTIFY hasIlluminanceCalibrateChanged)
    Q_PROPERTY(QList<float> colorFidelity READ colorFidelity NOTIFY colorFidelityChanged)
    Q_PROPERTY(QList<float> chromaShift READ chromaShift NOTIFY chromaShiftChanged)
    Q_PROPERTY(QList<float> hueShift READ hueShift NOTIFY hueShiftChanged)
    Q_PROPERTY(bool hasReference READ hasReference NOTIFY hasReferenceChanged)
    Q_PROPERTY(bool hasData READ hasData NOTIFY hasDataChanged)

public:
    enum SpecType { SourceSpectrum = 0, ScaledSpectrum = 1, ReferenceSpectrum = 2 };
    Q_ENUM(SpecType)
    enum RamanSpectrumType { RamanRaw = 1, RamanClean = 2, RamanFluorescence = 3 };
    Q_ENUM(RamanSpectrumType)

    // Sizes of the stores; payloads that do not fit are dropped, never truncated.
    static constexpr int kRawPayloadCapacity = 5120;
    static constexpr int kPhotometricWordCapacity = 100;
    static constexpr int kFlickerSamples = 1024;
    static constexpr int kEfficiencyRows = 901;
    static constexpr int kDefaultWlStart = 340;
    static constexpr int kDefaultWlEnd = 1020;
    static constexpr quint32 kDefaultExpoTime = 1000000;
    static constexpr int kThrottleIntervalMs = 30;
    // The widest wavelength range whose spectrum payload, in the plain or the "Y" layout,
    // fits the raw store.
    static constexpr int maxSpectrumPoints(bool isY)
    {
        return (kRawPayloadCapacity - SpectrumPayload::headerBytes(isY)) / 2;
    }

    static DataBuffer *instance(QObject *parent = nullptr);

    // The application uses instance(); tests build their own stores.
    explicit DataBuffer(QObject *parent = nullptr);
    ~DataBuffer() override;

    // Who answers "is a measurement / a reference capture running" (measurement control).
    // Without one, spectra are not being measured and are dropped.
    void setMeasurementState(const MeasurementState *state) { m_measurementState = state; }

    // Properties.
    quint32 expoTime() const { return m_expoTime; }
    quint32 expoStatus() const { return m_expoStatus; }
    bool isY() const { return m_isY; }
    quint32 expoMode() const { return m_expoMode ? 1u : 0u; }
    QString deviceModel() const { return m_deviceModel; }
    QVariantList formattedPhotoResult() const;
    quint8 gainValue() const { return m_gainValue; }
    bool gainMode() const { return m_gainMode; }
    float frequency() const { return m_frequency; }
    float depth() const { return m_depth; }
    float percent() const { return m_percent; }
    float index() const { return m_index; }
    quint32 hasFlicker() const { return m_hasFlicker ? 1u : 0u; }
    quint32 hasCie2015() const { return m_hasCie2015 ? 1u : 0u; }
    quint32 hasTm30() const { return m_hasTm30 ? 1u : 0u; }
    quint32 cie2015() const { return m_cie2015; }
    bool hasEfficiency() const { return m_hasEfficiency; }
    bool hasIlluminanceCalibrate() const { return m_hasIlluminanceCalibrate; }
    QList<float> colorFidelity() const { return m_colorFidelity; }
    QList<float> chromaShift() const { return m_chromaShift; }
    QList<float> hueShift() const { return m_hueShift; }
    Q_INVOKABLE bool hasReference() const { return m_hasReference; }
    bool hasData() const { return m_hasData; }

    Q_INVOKABLE void setExpoTime(quint32 microseconds);
    Q_INVOKABLE void setExpoStatus(quint32 status);
    Q_INVOKABLE void setIsY(bool isY);
    Q_INVOKABLE void setExpoMode(bool automatic);
    Q_INVOKABLE void setDeviceModel(const QString &name);
    Q_INVOKABLE void setFormattedPhotoResult(const QVariantList &groups);
    Q_INVOKABLE void setGainValue(quint8 gain);
    Q_INVOKABLE void setGainMode(bool automatic);
    Q_INVOKABLE void setFrequency(float hz);
    Q_INVOKABLE void setDepth(float depth);
    Q_INVOKABLE void setPercent(float percent);
    Q_INVOKABLE void setIndex(float index);
    Q_INVOKABLE void setHasFlicker(bool has);
    Q_INVOKABLE void setHasCie2015(bool has);
    Q_INVOKABLE void setHasTm30(bool has);
    Q_INVOKABLE void setCie2015(quint32 option);
    Q_INVOKABLE void setHasEfficiency(bool has);
    Q_INVOKABLE void setHasIlluminanceCalibrate(bool has);
    void setHasReference(bool has);

    // Wavelength axis and spectra.
    Q_INVOKABLE const quint16 *getWlRange() const { return m_wlRange.data(); }
    Q_INVOKABLE quint16 getWlLength() const { return quint16(m_wlRange[1] - m_wlRange[0] + 1); }
    Q_INVOKABLE QList<double> getWl() const { return m_wavelengths; }
    Q_INVOKABLE QList<double> getSpec(SpecType type) const;
    Q_INVOKABLE double getMaxSpec(SpecType type) const;
    // Views without a copy, for the derived spectra and the writers.
    const QList<double> &wavelengths() const { return m_wavelengths; }
    const QList<double> &sourceSpectrum() const { return m_source; }
    const QList<double> &scaledSpectrum() const { return m_scaled; }
    const QList<double> &referenceSpectrum() const { return m_reference; }
    double referenceMaximum() const { return m_referenceMax; }
    // Set for every new source spectrum; the Raman pipeline clears it once it has caught up.
    bool isRamanDirty() const { return m_ramanDirty; }
    void setRamanDirty(bool dirty) { m_ramanDirty = dirty; }

    // Raw payloads as stored (only source spectra are kept) and their lengths in bytes.
    Q_INVOKABLE const quint8 *getSpecData() const { return m_specData.data(); }
    Q_INVOKABLE const quint8 *getFlickerData() const { return m_flickerData.data(); }
    Q_INVOKABLE const float *getPhotoResult() const { return m_photoWords.data(); }
    int specDataSize() const { return m_specDataSize; }
    // Exposure, in microseconds, of the source spectrum held; the current one when none is.
    quint32 sourceExpoTime() const { return m_specDataSize > 0 ? m_sourceExpoTime : m_expoTime; }
    // Device spectra taken as the source so far: a replay or a clearing is none.
    quint64 receivedSpectra() const { return m_receivedSpectra; }
    int flickerDataSize() const { return m_flickerDataSize; }
    int photoResultSize() const { return m_photoResultSize; }

    // Flicker waveform: time axis in ms and samples.
    Q_INVOKABLE QList<double> getFKey() const { return m_flickerKeys; }
    Q_INVOKABLE QList<double> getFValue() const { return m_flickerValues; }

    // Derived spectra, refilled on call; the references stay valid until the next call.
    // Ratio spectra against the reference, one value per source point (NaN: no value).
    Q_INVOKABLE const QList<double> &getAbsorbance();
    Q_INVOKABLE const QList<double> &getTransmittance();
    Q_INVOKABLE const QList<double> &getReflectance();
    // Raman results, computed once per source spectrum; the type of getRamanKey is unused.
    Q_INVOKABLE const QList<double> &getRamanKey(RamanSpectrumType type = RamanRaw);
    Q_INVOKABLE const QList<double> &getRamanValue(RamanSpectrumType type);
    // Peaks of the clean spectrum as they stand, at most ten, in ascending shift.
    Q_INVOKABLE const QList<double> &getRamanLocs() const { return m_raman.peakPositions; }
    Q_INVOKABLE const QList<double> &getRamanPks() const { return m_raman.peakHeights; }

    // Records for the charts, services and writers.
    const ColorRenditionResult &colorRenditionResult() const { return m_colorRendition; }
    FloatArray *efficiencyTable() const { return m_efficiencyTable; }
    // Stores a device efficiency curve: `count` values from `startNm` in 1-nm steps.
    // Refused (false) when count exceeds the table.
    bool setEfficiencyTable(quint16 startNm, const float *values, int count);
    // Whether the connected device's table has arrived since the last reset.
    bool efficiencyTableRead() const { return m_efficiencyTableRead; }
    const DeviceModelInfo &modelInfo() const { return m_modelInfo; }
    // Items of the last result table before grouping (timed-series CSV).
    const QList<QJsonObject> &lastResultItems() const;

    // Ingest. A payload larger than its store, or not of the current range's point count,
    // is dropped whole. The reloads follow a unit change: they rescale what is held and
    // bring back nothing that was cleared.
    Q_INVOKABLE void setSpecData(const quint8 *data, int size, bool isReload = false);
    Q_INVOKABLE void setPhotoResult(const quint8 *data, int size);
    // One spectrum frame of a device that sends its own photometric words: the words
    // count only when the spectrum is accepted as a source.
    void setSpectrumFrame(const quint8 *photometric, int photometricSize, const quint8 *spectrum,
                          int spectrumSize);
    Q_INVOKABLE void reloadSpecData();
    Q_INVOKABLE void reloadPhotoResult();
    // Bytes a spectrum payload needs for the current model and wavelength range.
    int spectrumPayloadSize() const;

    Q_INVOKABLE void setFlickerData(const quint8 *data, int size);
    Q_INVOKABLE void reloadFlickerData();
    // The device's wavelength range. It becomes the axis when its spectra fit the store in
    // the named model's layout; otherwise it is refused (wlRangeRefused, once) together with
    // every spectrum until a range is taken, and the held spectra are cleared.
    Q_INVOKABLE void setWl(quint16 start, quint16 end);

    // Formatting of the result table.
    QJsonObject formatParameter(const ParameterInfo &parameter, float value) const;
    static QJsonArray groupParameters(const QList<QJsonObject> &items);
    void rebuildFormattedPhotoResult();
    // [lo, hi, sum, peak wavelength, width] over the user's wavelength range.
    QList<float> spectrumInRange() const;

    Q_INVOKABLE void clearBuffer();
    Q_INVOKABLE void clearSource();
    Q_INVOKABLE void clearReference();
    void resetAll();

signals:
    void hasReferenceChanged();
    void hasDataChanged();
    void referenceDataUpdated();
    void specDataChanged();
    void deviceModelChanged();
    void wlChanged();
    void expoStatusChanged();
    void expoModeChanged();
    void expoTimeChanged();
    void hasFlickerChanged();
    void hasCie2015Changed();
    void tm30Changed();
    void hasTm30Changed();
    void formattedPhotoResultChanged();
    void flickerDataChanged();
    void gainValueChanged();
    void frequencyChanged();
    void depthChanged();
    void percentChanged();
    void indexChanged();
    void isYChanged();
    void cie2015Changed();
    void gainModeChanged();
    void hasEfficiencyChanged();
    void hasIlluminanceCalibrateChanged();
    void colorFidelityChanged();
    void chromaShiftChanged();
    void hueShiftChanged();
    void ramanChanged();
    // The device's range cannot be read: at most `maxPoints` points fit its model's layout.
    void wlRangeRefused(quint16 start, quint16 end, int maxPoints);

private:
    void onThrottleTick();
    void dropPendingPhotoResult();
    void processPhotoResult(const quint8 *data, int size);
    // Formats the result kept by processPhotoResult, if not done yet.
    void formatPendingResult() const;
    void setResultItems(const QList<QJsonObject> &items);
    void acceptSpectrum(const quint8 *data, int size, bool isReload, const quint8 *photometric,
                        int photometricSize);
    float expoTimeMs() const;
    // "T" models count photons, to which no irradiance unit applies.
    bool countsPhotons() const { return m_deviceModel.startsWith(QLatin1Char('T')); }
    void storeReference(const QList<double> &values);
    void storeSource(const QList<double> &values, const quint8 *payload, int size);
    // The scaled spectrum and both maxima from the source, in the current unit.
    void scaleSource();
    void computeHostPhotometry();
    void computeColorRenditionOfSource();
    void zeroColorRendition();
    void fillAxis();
    // Takes or refuses the device's range for the model named now.
    void applyDeviceRange();
    void takeAxis(quint16 start, quint16 end);
    void setHasDataFlag(bool has);
    void computeRaman();
    void clearDerivedSpectra();
    // Absorbance, transmittance or reflectance of the sample into `out`.
    void computeRatio(RatioKind kind, QList<double> &out) const;
    // Back to the 901 zero rows of a device whose table was never read.
    void forgetEfficiencyTable();
    float photoWord(int i) const;
    bool measuring() const;
    bool measuringReference() const;

    ColorRenditionResult m_colorRendition{};
    FloatArray *m_efficiencyTable = nullptr;
    bool m_efficiencyTableRead = false;
    // Items and groups of the result table. Formatting costs more than the rest of a result
    // together, and most pages show no table: a result is kept as it arrived, with all it
    // is formatted with, and formatted when first read.
    struct PendingResult {
        std::array<float, kPhotometricWordCapacity> words{};
        int size = 0;
        DeviceModelInfo modelInfo;
        PhotometricFormat::Context context;
        bool rangeEnabled = false;
        RangeAnalysis::Result range;
    };
    mutable PendingResult m_pendingResult;
    mutable bool m_resultPending = false;
    mutable QList<QJsonObject> m_lastResultItems;
    DeviceModelInfo m_modelInfo;
    bool m_hasData = false;
    std::array<quint8, kRawPayloadCapacity> m_specData{};
    int m_specDataSize = 0; // 0: no source spectrum held
    quint32 m_sourceExpoTime = kDefaultExpoTime;
    quint64 m_receivedSpectra = 0;
    std::array<quint8, kRawPayloadCapacity> m_flickerData{};
    int m_flickerDataSize = 0;
    std::array<float, kPhotometricWordCapacity> m_photoWords{};
    int m_photoResultSize = 0;
    QString m_deviceModel;
    std::array<quint16, 2> m_wlRange{{kDefaultWlStart, kDefaultWlEnd}};
    // The range the connected device reported, and whether it was refused.
    std::array<quint16, 2> m_deviceRange{};
    bool m_deviceRangeKnown = false;
    bool m_deviceRangeRefused = false;
    quint8 m_expoStatus = 0;
    quint32 m_expoTime = kDefaultExpoTime;
    mutable QVariantList m_formattedPhotoResult;
    bool m_mayProcess = true;
    QTimer *m_throttleTimer = nullptr;
    // The newest photometric payload that met a closed throttle; processed on the next tick.
    QByteArray m_pendingPhotoResult;
    bool m_hasPendingPhotoResult = false;
    bool m_expoMode = true;
    bool m_hasFlicker = false;
    bool m_hasCie2015 = false;
    bool m_hasTm30 = false;
    QList<double> m_source;
    QList<double> m_scaled;
    double m_sourceMax = 0.0;
    double m_scaledMax = 0.0;
    QList<double> m_reference;
    bool m_hasReference = false;
    // A source spectrum has arrived since the reference: only such a sample has a ratio.
    bool m_sampleAfterReference = false;
    double m_referenceMax = 0.0;
    QList<double> m_wavelengths;
    QList<double> m_flickerValues;
    QList<double> m_flickerKeys;
    QList<double> m_absorbance;
    QList<double> m_transmittance;
    QList<double> m_reflectance;
    RamanResults m_raman;
    bool m_ramanDirty = false;
    quint8 m_gainValue = 0;
    float m_frequency = 0.0f;
    float m_depth = 0.0f;
    float m_percent = 0.0f;
    float m_index = 0.0f;
    bool m_isY = false;
    quint32 m_cie2015 = 0;
    bool m_gainMode = false;
    bool m_hasEfficiency = false;
    bool m_hasIlluminanceCalibrate = false;
    QList<float> m_colorFidelity;
    QList<float> m_chromaShift;
    QList<float> m_hueShift;
    const MeasurementState *m_measurementState = nullptr;
};
