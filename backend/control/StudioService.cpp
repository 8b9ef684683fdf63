#include "StudioService.h"

#include "protocol/CommandPayload.h"
#include "link/ActiveTransport.h"
#include "control/EfficiencyCsvReader.h"
#include "control/EfficiencyCurveService.h"
#include "format/TypedNumber.h"
#include "scene/QmlScene.h"
#include "link/ReplyWatchdog.h"
#include "output/SaveFolder.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"
#include "transport/UARTInterface.h"

#include <QDesktopServices>
#include <QJSValue>
#include <QQmlApplicationEngine>
#include <QTimer>
#include <QUrl>

namespace {

QStringList toStringList(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<QJSValue>())
        return value.value<QJSValue>().toVariant().toStringList();
    return value.toStringList();
}

} // namespace

StudioService *StudioService::instance(QQmlApplicationEngine *engine)
{
    static StudioService *service = new StudioService(engine);
    return service;
}

StudioService::StudioService(QQmlApplicationEngine *engine)
    : QObject(nullptr),
      m_engine(engine),
      m_uart(UARTInterface::instance()),
      m_ble(BLEInterface::instance()),
      m_snapshotWatchdog(new ReplyWatchdog(this)),
      m_referenceWatchdog(new ReplyWatchdog(this)),
      m_seriesWatchdog(new ReplyWatchdog(this)),
      m_efficiency(new EfficiencyCurveService(engine, this))
{
    DataBuffer *buffer = DataBuffer::instance();
    buffer->setMeasurementState(this);
    connect(buffer, &DataBuffer::specDataChanged, this, &StudioService::handleSpecDataChanged);
    connect(buffer, &DataBuffer::specDataChanged, this, &StudioService::onSeriesSpectrum);
    connect(buffer, &DataBuffer::referenceDataUpdated, this, &StudioService::handleRefDataChanged);
    connect(buffer, &DataBuffer::deviceModelChanged, this, &StudioService::reloadFeatures);
    connect(buffer, &DataBuffer::expoTimeChanged, this, &StudioService::onExposureTimeReported);
    connect(m_snapshotWatchdog, &ReplyWatchdog::expired, this, &StudioService::onSnapshotTimeout);
    connect(m_referenceWatchdog, &ReplyWatchdog::expired, this,
            &StudioService::onReferenceSilence);
    connect(m_seriesWatchdog, &ReplyWatchdog::expired, this, &StudioService::onSeriesSilence);
    connect(m_efficiency, &EfficiencyCurveService::stopContinuousRequested, this, [this] {
        if (m_isAuto)
            setContinuous(false, Tell::Device);
    });
    connect(m_efficiency, &EfficiencyCurveService::messageReady, this,
            &StudioService::showMessage);
}

// --- measuring flags -------------------------------------------------------------

void StudioService::updateIsMeasuring()
{
    const bool measuring = m_isAuto || m_isSingle;
    if (measuring != m_isMeasuring) {
        m_isMeasuring = measuring;
        emit isMeasuringChanged();
    }
}

void StudioService::setIsAuto(bool value) { setContinuous(value, Tell::NotDevice); }

void StudioService::setContinuous(bool on, Tell tell)
{
    if (tell == Tell::Device) {
        if (on)
            ActiveTransport::startContinuous(m_connectType);
        else
            ActiveTransport::stopContinuous(m_connectType);
    }
    const bool changed = on != m_isAuto;
    if (changed) {
        m_isAuto = on;
        updateIsMeasuring();
    }
    if (!on) {
        if (m_customizedTestTimer && m_customizedTestTimer->isActive())
            setTestTimer(0);
        // The series and the capture sample the stream: neither outlives it.
        finishCustomizedTest();
        if (m_isMeasuringReference)
            endReferenceCapture(false);
    }
    if (changed)
        emit isAutoChanged();
}

void StudioService::setIsSingle(bool value)
{
    if (value == m_isSingle)
        return;
    m_isSingle = value;
    updateIsMeasuring();
    emit isSingleChanged();
}

void StudioService::setIsMeasuring(bool value)
{
    if (value == m_isMeasuring)
        return;
    m_isMeasuring = value;
    emit isMeasuringChanged();
}

void StudioService::setIsMeasuringReference(bool value)
{
    if (value == m_isMeasuringReference)
        return;
    m_isMeasuringReference = value;
    emit isMeasuringReferenceChanged();
}

void StudioService::setConnectType(CONNECT_TYPE type)
{
    if (type == m_connectType)
        return;
    m_connectType = type;
    emit connectTypeChanged();
}

// --- measurements ----------------------------------------------------------------

void StudioService::handleMenuFileQuitSignal() {}

void StudioService::handleHardwareSetBaudSignal() {}

void StudioService::handleAutoSpectrumSignal()
{
    // Stopping it during a reference capture is the user's way to give up the capture.
    setContinuous(!m_isAuto, Tell::Device);
}

void StudioService::handleManualSpectrumSignal()
{
    m_spectraBeforeSnapshot = DataBuffer::instance()->receivedSpectra();
    setIsSingle(true);
    requestExposureIfUnknown();
    ActiveTransport::requestSnapshot(m_connectType);
    armSpectrumWatchdog(m_snapshotWatchdog);
}

void StudioService::handleSpecDataChanged()
{
    if (m_isMeasuringReference || !m_engine || !m_isSingle)
        return;
    // Only the device's spectrum answers: a unit change or a clearing redraws as well.
    if (DataBuffer::instance()->receivedSpectra() == m_spectraBeforeSnapshot)
        return;
    m_snapshotWatchdog->disarm();
    setIsSingle(false);
    ActiveTransport::endSnapshot(m_connectType);
}

void StudioService::onSnapshotTimeout()
{
    // The device never answered the snapshot; give the controls back.
    if (!m_isSingle)
        return;
    if (retryExposureRequest(m_snapshotWatchdog))
        return;
    setIsSingle(false);
    ActiveTransport::endSnapshot(m_connectType);
}

void StudioService::handleReferenceSpectrumSignal()
{
    DataBuffer *buffer = DataBuffer::instance();
    if (!buffer)
        return;
    buffer->clearReference();
    // Also clears hasData: no ratio may be saved for a sample not measured against this reference.
    buffer->clearSource();
    m_reference.start();
    setIsMeasuringReference(true);
    buffer->setHasReference(false);
    requestExposureIfUnknown();
    // Continuous measurement delivers the reference spectra; keep it running if it is.
    if (!m_isAuto)
        setContinuous(true, Tell::Device);
    armSpectrumWatchdog(m_referenceWatchdog);
}

void StudioService::handleRefDataChanged()
{
    if (!m_isMeasuringReference)
        return;
    DataBuffer *buffer = DataBuffer::instance();
    if (!m_reference.accepts(buffer->expoStatus())) {
        armSpectrumWatchdog(m_referenceWatchdog);
        return;
    }
    endReferenceCapture(true);
}

void StudioService::endReferenceCapture(bool accepted)
{
    m_referenceWatchdog->disarm();
    m_reference.stop();
    // Ended first, so the stop below does not give it up again.
    setIsMeasuringReference(false);
    if (m_isAuto)
        setContinuous(false, Tell::Device);
    if (accepted)
        DataBuffer::instance()->setHasReference(true);
}

void StudioService::onReferenceSilence()
{
    // The device stopped sending spectra: end the capture without a reference.
    if (!m_isMeasuringReference)
        return;
    if (retryExposureRequest(m_referenceWatchdog))
        return;
    endReferenceCapture(false);
}

void StudioService::handleSetExposeModeSignal(uint8_t mode)
{
    ActiveTransport::setExpoMode(m_connectType, mode);
}

void StudioService::handleGetExposeModeSignal() { ActiveTransport::getExpoMode(m_connectType); }

void StudioService::handleSetExposeTimeSignal(float time)
{
    setExposureTime(CommandPayload::exposureMicroseconds(time), double(time));
}

void StudioService::handleSetExposeTimeSignal(const QString &text)
{
    // An empty field would otherwise convert to 0 ms and go out. The text is taken in double
    // precision, so a fourth decimal is cut off even where a float could not tell it apart.
    const std::optional<double> milliseconds = TypedNumber::read(text, TypedNumber::Kind::Decimal);
    setExposureTime(milliseconds ? CommandPayload::exposureMicroseconds(*milliseconds) : std::nullopt,
                    milliseconds.value_or(0.0));
}

void StudioService::setExposureTime(std::optional<uint32_t> microseconds, double milliseconds)
{
    if (!microseconds || milliseconds > CommandPayload::kMaxExposureMs) {
        const QString language = m_engine ? m_engine->uiLanguage() : QString();
        showMessage(tr("Enter an exposure time in milliseconds from 0 to %1, such as %2.")
                        .arg(qint64(CommandPayload::kMaxExposureMs))
                        .arg(TypedNumber::text(12.5, language)));
        return;
    }
    // The transports take a float, which carries whole microseconds exactly below 8 s.
    ActiveTransport::setExpoTime(m_connectType, float(double(*microseconds) / 1000.0));
}

void StudioService::handleGetExposeTimeSignal() { ActiveTransport::getExpoTime(m_connectType); }

void StudioService::handleSetCie2015(uint8_t cie)
{
    const uint8_t deviceValue = cie == 1 ? 2 : cie == 2 ? 3 : 0;
    ActiveTransport::setCie2015(m_connectType, deviceValue);
}

void StudioService::handleSetFlickerGainSignal(uint8_t mode)
{
    if (mode == 0) {
        ActiveTransport::setFlickerGain(m_connectType, true, 0);
        return;
    }
    const uint8_t value = mode >= 4 ? 3 : uint8_t(mode - 1);
    ActiveTransport::setFlickerGain(m_connectType, false, value);
}

void StudioService::handleFlickerSignal()
{
    QObject *selector = QmlScene::find(m_engine, QStringLiteral("selectShowChart"));
    if (!selector)
        return;
    const int index = toStringList(selector->property("model")).indexOf(QStringLiteral("Flicker"));
    if (index >= 0)
        selector->setProperty("currentIndex", index);
    ActiveTransport::startFlicker(m_connectType);
}

void StudioService::handleSetBaudRateChange(int rate)
{
    if (rate <= 0)
        return;
    m_uart->setBaudRate(uint32_t(rate));
}

void StudioService::handleOpenFolderSignal()
{
    const QString folder = SaveFolder::path();
    SaveFolder::ensureDirectory(folder);
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

// --- pages and the link ------------------------------------------------------------

void StudioService::showPage(int page)
{
    if (!QmlScene::rootObject(m_engine))
        return;
    QmlScene::showPage(m_engine, page);
    QmlScene::setVisible(m_engine, QStringLiteral("studio"), page == QmlScene::MeasuringPage);
    QmlScene::setVisible(m_engine, QStringLiteral("absorbance"), false);
    QmlScene::setVisible(m_engine, QStringLiteral("raman"), false);
}

void StudioService::showMessage(const QString &text) { QmlScene::showMessage(m_engine, text); }

void StudioService::abortMeasuring()
{
    m_snapshotWatchdog->disarm();
    m_referenceWatchdog->disarm();
    m_awaitingExposure = false;
    m_reference.stop();
    setIsMeasuringReference(false);
    setIsSingle(false);
    setContinuous(false, Tell::NotDevice); // ends a running series
    setTestTimer(0);
}

void StudioService::closeLink()
{
    abortMeasuring();
    DataBuffer::instance()->resetAll();
    if (ActiveTransport::isBle(m_connectType))
        m_ble->disconnectDevice();
    else
        m_uart->disconnectDevice();
}

void StudioService::handleHardwareDisconnectSignal()
{
    closeLink();
    showPage(QmlScene::WelcomePage);
    QmlScene::restoreWelcomeWindow(m_engine);
}

// --- efficiency curve ------------------------------------------------------------

void StudioService::handleGetEfficiencyDataSingal()
{
    m_efficiency->requestDeviceTable(m_connectType);
}
void StudioService::handleResetEfficiencySignal() { m_efficiency->resetDeviceTable(m_connectType); }
void StudioService::handleSetEfficiencyDataSingal(float ratio)
{
    m_efficiency->uploadFlatCorrection(m_connectType, ratio);
}
void StudioService::handleSetEfficiencyDataByCsvSingal(QString dirctory)
{
    m_efficiency->regenerateFromCsv(m_connectType, dirctory);
}

FloatArray *StudioService::readEfficiencyCsv(QString path, bool *ok)
{
    return EfficiencyCsvReader::read(path, ok);
}
