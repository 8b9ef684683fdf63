#pragma once
// The measuring back end offered to QML as "studioService": turns the user's actions
// into device commands over the active transport and keeps the measuring state.

#include "DynamicArray.h"
#include "protocol/DriverTypes.h"
#include "control/ReferenceCapture.h"
#include "control/SeriesSchedule.h"
#include "store/MeasurementState.h"

#include <QObject>
#include <QPointer>
#include <QVariantMap>
#include <optional>

class BLEInterface;
class EfficiencyCurveService;
class QQmlApplicationEngine;
class QTimer;
class ReplyWatchdog;
class UARTInterface;

class StudioService : public QObject, public MeasurementState
{
    Q_OBJECT
    Q_PROPERTY(bool isAuto READ isAuto WRITE setIsAuto NOTIFY isAutoChanged)
    Q_PROPERTY(bool isSingle READ isSingle WRITE setIsSingle NOTIFY isSingleChanged)
    Q_PROPERTY(bool isMeasuring READ isMeasuring WRITE setIsMeasuring NOTIFY isMeasuringChanged)
    Q_PROPERTY(bool isMeasuringReference READ isMeasuringReference
                   NOTIFY isMeasuringReferenceChanged)
    Q_PROPERTY(DriverTypes::CONNECT_TYPE connectType READ connectType WRITE setConnectType
                   NOTIFY connectTypeChanged)
    Q_PROPERTY(int unit READ unit WRITE setUnit NOTIFY unitChanged)
    Q_PROPERTY(bool rangeEnable READ rangeEnable WRITE setRangeEnable NOTIFY rangeEnableChanged)
    Q_PROPERTY(int rangeBegin READ rangeBegin WRITE setRangeBegin NOTIFY rangeBeginChanged)
    Q_PROPERTY(int rangeEnd READ rangeEnd WRITE setRangeEnd NOTIFY rangeEndChanged)
    Q_PROPERTY(int testDuration READ testDuration WRITE setTestDuration NOTIFY testDurationChanged)
    Q_PROPERTY(int testTimer READ testTimer WRITE setTestTimer NOTIFY testTimerChanged)
    Q_PROPERTY(int testIntervals READ testIntervals WRITE setTestIntervals
                   NOTIFY testIntervalsChanged)
    Q_PROPERTY(QVariantMap features READ features NOTIFY featuresChanged)
    Q_PROPERTY(bool spectrumOverdue READ spectrumOverdue NOTIFY spectrumOverdueChanged)

public:
    // Longest exposure the device chooses by itself in automatic mode, in milliseconds.
    static constexpr float kLongestAutoExposureMs = 5000.0f;
    static constexpr int kMinTestIntervalSeconds = 5;
    // Times the exposure is asked for before a snapshot or reference whose deadline needs it.
    static constexpr int kExposureRequests = 3;

    // Created on the first call with that call's engine; later arguments are ignored.
    static StudioService *instance(QQmlApplicationEngine *engine = nullptr);

    Q_INVOKABLE bool isAuto() const { return m_isAuto; }
    Q_INVOKABLE bool isSingle() const { return m_isSingle; }
    // Asked by the store for every arriving spectrum.
    Q_INVOKABLE bool isMeasuring() const override { return m_isMeasuring; }
    Q_INVOKABLE bool isMeasuringReference() const override { return m_isMeasuringReference; }
    Q_INVOKABLE void setIsAuto(bool value);
    Q_INVOKABLE void setIsSingle(bool value);
    Q_INVOKABLE void setIsMeasuring(bool value);

    CONNECT_TYPE connectType() const { return m_connectType; }
    void setConnectType(CONNECT_TYPE type);

    Q_INVOKABLE int unit() const;
    Q_INVOKABLE void setUnit(int unit);
    Q_INVOKABLE bool rangeEnable() const;
    Q_INVOKABLE void setRangeEnable(bool enable);
    Q_INVOKABLE int rangeBegin() const;
    Q_INVOKABLE void setRangeBegin(int begin);
    Q_INVOKABLE int rangeEnd() const;
    Q_INVOKABLE void setRangeEnd(int end);
    // Both bounds at once, so that a band may move past the stored one either way. A band
    // whose begin is not below its end is refused and changes nothing.
    Q_INVOKABLE void setRange(int begin, int end);

    Q_INVOKABLE int testDuration() const { return m_testDuration; }
    Q_INVOKABLE void setTestDuration(int seconds);
    Q_INVOKABLE int testTimer() const { return m_testTimer; }
    Q_INVOKABLE void setTestTimer(int seconds);
    Q_INVOKABLE int testIntervals() const { return m_testIntervals; }
    Q_INVOKABLE void setTestIntervals(int seconds);
    // A timed series has waited for a spectrum longer than the device's exposure allows.
    bool spectrumOverdue() const { return m_spectrumOverdue; }
    // The clock a timed series runs on; the monotonic clock unless a test sets its own.
    void setSeriesClock(MonotonicClock::Clock clock);

    QVariantMap features() const { return m_features; }

    void showPage(int page);
    void showMessage(const QString &text);

    // The link is gone (disconnect or link loss): every measuring flag is cleared, a
    // running reference capture ends without a reference and a running timed series
    // ends (so its samples are written). Sends nothing.
    void abortMeasuring();
    // Disconnect without the page switch: measuring ends as abortMeasuring has it, the
    // store is emptied, the device gets the stop command and the active transport lets
    // the link go.
    void closeLink();
    // A new link starts: the device's exposure time is not known until it reports it (an
    // exposure reply or a spectrum); the store's value is the default until then.
    void forgetDeviceExposure();

    // A "wavelength,value" CSV file as an N x 2 table (never null; the caller destroys it).
    static FloatArray *readEfficiencyCsv(QString path, bool *ok);

public slots:
    void handleMenuFileQuitSignal();
    void handleHardwareSetBaudSignal();
    void handleAutoSpectrumSignal();
    void handleManualSpectrumSignal();
    void handleSpecDataChanged();
    void handleReferenceSpectrumSignal();
    void handleRefDataChanged();
    void handleSetExposeModeSignal(uint8_t mode);
    void handleGetExposeModeSignal();
    void handleSetExposeTimeSignal(float time);
    // The exposure field's text as the pages pass it; QML picks this one for a string.
    void handleSetExposeTimeSignal(const QString &text);
    void handleGetExposeTimeSignal();
    void handleSetCie2015(uint8_t cie);
    void handleSetFlickerGainSignal(uint8_t mode);
    void handleFlickerSignal();
    void handleSetBaudRateChange(int rate);
    void handleOpenFolderSignal();
    void handleHardwareDisconnectSignal();
    void reloadFeatures();
    // The dialog's typed numbers as they are (NaN when empty): a double carries any whole
    // number typed, so a duration the timer cannot count is refused rather than wrapped.
    void handleCustomizedTest(double duration, const QString &unit, double intervals);
    void handleCloseCustomizedTest();
    // Efficiency curve maintenance (serial only).
    void handleGetEfficiencyDataSingal();
    void handleResetEfficiencySignal();
    void handleSetEfficiencyDataSingal(float ratio);
    void handleSetEfficiencyDataByCsvSingal(QString dirctory);

signals:
    void isAutoChanged();
    void isSingleChanged();
    void isMeasuringChanged();
    void isMeasuringReferenceChanged();
    void connectTypeChanged();
    void unitChanged();
    void rangeEnableChanged();
    void rangeBeginChanged();
    void rangeEndChanged();
    void testDurationChanged();
    void testTimerChanged();
    void testIntervalsChanged();
    void featuresChanged();
    void spectrumOverdueChanged();
    void requestCustomizedTestBegin();
    void requestCustomizedTestAppend();
    void requestCustomizedTestEnd();

private:
    explicit StudioService(QQmlApplicationEngine *engine);

    // Whether a start or stop of continuous measurement goes to the device: not when the
    // link is gone, nor when QML only writes the flag.
    enum class Tell { Device, NotDevice };
    // Every start and stop of continuous measurement: the device's command (a stop is sent
    // even when nothing ran), the flag with isMeasuring, and on a stop the end of what
    // sampled the stream: a running timed series ends and its samples are written, a
    // running reference capture is given up without a reference.
    void setContinuous(bool on, Tell tell);
    // Sends a time the device's field can carry; refuses anything else with a message.
    void setExposureTime(std::optional<uint32_t> microseconds, double milliseconds);
    // A band whose begin is not below its end is refused with a message.
    void refuseRange();
    void updateIsMeasuring();
    void setIsMeasuringReference(bool value);
    void endReferenceCapture(bool accepted);
    // The exposure a reply may take: the current one, or the longest in automatic mode.
    quint32 longestExpectedExposureUs() const;
    // In manual exposure a deadline needs the device's exposure time: asks for it when the
    // device has not reported it. Sent before the measuring request, so its reply comes first.
    void requestExposureIfUnknown();
    void onExposureTimeReported();
    // Arms a reply guard for a spectrum: its exposure and its frame's time on the line; or,
    // while the exposure is being asked for, the time of that reply.
    void armSpectrumWatchdog(ReplyWatchdog *watchdog);
    void armForNextSpectrum(ReplyWatchdog *watchdog);
    // An expired guard that waited for the exposure asks again, a bounded number of times;
    // true when it did, and the guard runs again.
    bool retryExposureRequest(ReplyWatchdog *watchdog);
    void onSnapshotTimeout();
    void onReferenceSilence();
    void onCustomizedTestTick();
    // Records a sample when a spectrum has come since the last one.
    void takeSeriesSample();
    void onSeriesSpectrum();
    void onSeriesSilence();
    void setSpectrumOverdue(bool value);
    // Stops and releases the test timer; true when a series was running.
    bool releaseCustomizedTest();
    // Releases the series and emits the end request when one was running.
    void finishCustomizedTest();

    QPointer<QQmlApplicationEngine> m_engine;
    UARTInterface *m_uart = nullptr;
    BLEInterface *m_ble = nullptr;
    bool m_isAuto = false;
    bool m_isSingle = false;
    bool m_isMeasuring = false;
    QVariantMap m_features;
    CONNECT_TYPE m_connectType = DriverTypes::CONNECT_UART;
    int m_testDuration = 0;
    int m_testTimer = 0;
    int m_testIntervals = kMinTestIntervalSeconds;
    QTimer *m_customizedTestTimer = nullptr;
    SeriesSchedule m_seriesSchedule;
    ReplyWatchdog *m_seriesWatchdog = nullptr;
    // The store's count of received spectra when the series last took note of it.
    quint64 m_spectraAtLastSample = 0;
    quint64 m_spectraSeenBySeries = 0;
    int m_seriesSamples = 0;
    bool m_spectrumOverdue = false;
    ReferenceCapture m_reference;
    bool m_isMeasuringReference = false;
    quint64 m_spectraBeforeSnapshot = 0;
    ReplyWatchdog *m_snapshotWatchdog = nullptr;
    ReplyWatchdog *m_referenceWatchdog = nullptr;
    // The device has reported its exposure time since the link started (before any link
    // is started, the store's value stands).
    bool m_exposureTimeKnown = true;
    // An exposure request is out; how many have been sent for the measurement waiting on it.
    bool m_awaitingExposure = false;
    int m_exposureRequests = 0;
    EfficiencyCurveService *m_efficiency = nullptr;
};
