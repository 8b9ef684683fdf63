#include "WelcomeService.h"

#include "link/ActiveTransport.h"
#include "link/DataHandlerService.h"
#include "scene/QmlScene.h"
#include "control/StudioService.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"
#include "transport/UARTInterface.h"

#include <QLocale>
#include <QMetaObject>
#include <QQmlApplicationEngine>

const QString WelcomeService::kBleNamePrefix = QStringLiteral("RQM");

WelcomeService::WelcomeService(QQmlApplicationEngine *engine, QObject *parent)
    : QObject(parent), m_engine(engine), m_uart(UARTInterface::instance()),
      m_ble(BLEInterface::instance())
{
    connect(m_uart, &UARTInterface::uartDeviceConnectStatus, this,
            &WelcomeService::handleUartDeviceConnectStatus);
    connect(m_ble, &BLEInterface::bleDeviceConnectStatus, this,
            &WelcomeService::handleBletDeviceConnectStatus);
    connect(m_ble, &BLEInterface::bleDeviceScanFinished, this,
            &WelcomeService::handleBleDeviceFinished);
    connect(m_ble, &BLEInterface::bleScanDeviceName, this, &WelcomeService::bleScanDeviceName);
    connect(DataBuffer::instance(), &DataBuffer::deviceModelChanged, this,
            &WelcomeService::handleDeviceModelChanged);
    m_modelWait.setSingleShot(true);
    connect(&m_modelWait, &QTimer::timeout, this, &WelcomeService::onModelReplyMissing);

    // The catalogues load on the first pass of the event loop, after QML has loaded.
    const QString code = QLocale::system().name().split(QLatin1Char('_')).first();
    QMetaObject::invokeMethod(
        this, [this, code] { applyStartupLanguage(code); }, Qt::QueuedConnection);
}

void WelcomeService::applyStartupLanguage(const QString &code)
{
    handleLanguageSignal(code);
    if (m_engine)
        m_engine->setUiLanguage(code);
}

void WelcomeService::setStudioService(StudioService *studio) { m_studio = studio; }

// --- device lists ------------------------------------------------------------------

void WelcomeService::handleSerialScanSignal()
{
    if (!QmlScene::rootObject(m_engine))
        return;
    const QStringList ports = m_uart->scanSerialPorts();
    if (QObject *selector = QmlScene::find(m_engine, QStringLiteral("selectSerialPortComboBox")))
        selector->setProperty("model", ports);
    // Only ports that open are listed; the person learns why the others are not.
    if (!m_uart->refusedPorts().isEmpty())
        QmlScene::showLongMessage(m_engine, SerialOpenFailure::unlistedPorts(m_uart->refusedPorts()));
}

void WelcomeService::handleBleScanSignal()
{
    clearBleDevices();
    m_ble->startScan();
}

void WelcomeService::bleScanDeviceName(const QString &deviceName)
{
    if (!deviceName.startsWith(kBleNamePrefix) || m_bleDevices.contains(deviceName))
        return;
    m_bleDevices.append(deviceName);
    emit bleDevicesChanged();
}

void WelcomeService::handleBleDeviceFinished() {}

void WelcomeService::addBleDevice(const QString &deviceName)
{
    if (m_bleDevices.contains(deviceName))
        return;
    m_bleDevices.append(deviceName);
    emit bleDevicesChanged();
}

void WelcomeService::clearBleDevices()
{
    if (m_bleDevices.isEmpty())
        return;
    m_bleDevices.clear();
    emit bleDevicesChanged();
}

// --- connecting --------------------------------------------------------------------

void WelcomeService::handleSerialConnectionSignal(const QString &portName, int baudRate)
{
    // Indexes 0 to 6 pick a rate of the transport's table, 7 the scan; anything else
    // would index past the table.
    if (baudRate < 0 || baudRate > kBaudIndexScan)
        return;
    // The running attempt reports for both requests; resetting under it would lose its replies.
    if (m_uart->isBusy())
        return;
    m_modelWait.stop();
    DataBuffer::instance()->resetAll();
    if (m_studio) {
        m_studio->setConnectType(DriverTypes::CONNECT_UART);
        m_studio->forgetDeviceExposure();
    }
    DataHandlerService::instance(DriverTypes::CONNECT_UART);
    // Set before the call: a port that does not open reports its failure inside it.
    setConnecting(true);
    if (baudRate == kBaudIndexScan) {
        m_uart->connectDevice(portName, 0, true);
        return;
    }
    m_uart->setCommandDelay(UARTInterface::commandDelayFor(uint8_t(baudRate)));
    m_uart->connectDevice(portName, uint8_t(baudRate), false);
}

void WelcomeService::handleBleConnectionSignal(const QString &bleName)
{
    m_modelWait.stop();
    DataBuffer::instance()->resetAll();
    if (m_studio) {
        m_studio->setConnectType(DriverTypes::CONNECT_BLE);
        m_studio->forgetDeviceExposure();
    }
    DataHandlerService::instance(DriverTypes::CONNECT_BLE);
    // The transport ignores an empty name without reporting, so no attempt starts.
    if (!bleName.isEmpty())
        setConnecting(true);
    m_ble->connectDevice(bleName);
}

void WelcomeService::handleUartDeviceConnectStatus(bool status, DriverErrorCode err)
{
    onConnectStatus(status, err, DriverTypes::UART_DISCONNECTED, DriverTypes::CONNECT_UART);
}

void WelcomeService::handleBletDeviceConnectStatus(bool status, DriverErrorCode err)
{
    onConnectStatus(status, err, DriverTypes::BLE_DISCONNECTED, DriverTypes::CONNECT_BLE);
}

void WelcomeService::onConnectStatus(bool status, DriverErrorCode err, DriverErrorCode linkLost,
                                     DriverTypes::CONNECT_TYPE transport)
{
    if (err == linkLost) {
        returnToWelcome(err);
        return;
    }
    if (!status) {
        m_modelWait.stop();
        setConnecting(false);
        if (!QmlScene::rootObject(m_engine))
            return;
        const QString reason = transport == DriverTypes::CONNECT_UART ? m_uart->openFailure() : QString();
        if (err == DriverTypes::UART_CONNECT_FAILED && !reason.isEmpty())
            QmlScene::showLongMessage(m_engine, QStringLiteral("%1\n%2").arg(int(err)).arg(reason));
        else
            showMessage(err);
        return;
    }
    ActiveTransport::requestInitialSettings(transport);
    awaitDeviceModel(transport);
}

void WelcomeService::awaitDeviceModel(DriverTypes::CONNECT_TYPE transport)
{
    if (!DataBuffer::instance()->deviceModel().isEmpty()) {
        setConnecting(false);
        return;
    }
    m_modelTransport = transport;
    m_modelRequests = 1;
    setConnecting(true);
    // The replies to the other settings requests come first on the line.
    constexpr int kSettingsReplyBytes = 128;
    waitForModelReply(kSettingsReplyBytes);
}

void WelcomeService::waitForModelReply(int lineBytes)
{
    m_modelWait.start(kModelReplyWaitMs + ActiveTransport::lineMs(m_modelTransport, lineBytes));
}

void WelcomeService::onModelReplyMissing()
{
    // The reply was lost (a corrupt frame), or named no model.
    if (!DataBuffer::instance()->deviceModel().isEmpty())
        return;
    if (m_modelRequests >= kModelRequests) {
        giveUpConnection(m_modelTransport);
        return;
    }
    ++m_modelRequests;
    ActiveTransport::requestDeviceModel(m_modelTransport);
    constexpr int kModelReplyBytes = 64;
    waitForModelReply(kModelReplyBytes);
}

void WelcomeService::giveUpConnection(DriverTypes::CONNECT_TYPE transport)
{
    m_modelWait.stop();
    // The port is let go, so it is listed again and can be opened again.
    if (transport == DriverTypes::CONNECT_BLE)
        m_ble->disconnectDevice();
    else
        m_uart->disconnectDevice();
    DataBuffer::instance()->resetAll();
    setConnecting(false);
    showMessage(transport == DriverTypes::CONNECT_BLE ? DriverTypes::BLE_CONNECT_FAILED
                                                      : DriverTypes::UART_CONNECT_FAILED);
}

void WelcomeService::handleDeviceModelChanged()
{
    // A reset clears the model too; the mode page needs the device to have named it.
    if (DataBuffer::instance()->deviceModel().isEmpty())
        return;
    m_modelWait.stop();
    setConnecting(false);
    showPage(QmlScene::ModePage);
    QmlScene::showMainWindow(m_engine);
}

void WelcomeService::setConnecting(bool connecting)
{
    if (m_connecting == connecting)
        return;
    m_connecting = connecting;
    emit isConnectingChanged();
}

// --- pages and messages --------------------------------------------------------------

void WelcomeService::showPage(int page) { QmlScene::showPage(m_engine, page); }

void WelcomeService::showMessage(DriverErrorCode code)
{
    QmlScene::showMessage(m_engine, int(code));
}

void WelcomeService::returnToWelcome(DriverErrorCode err)
{
    m_modelWait.stop();
    setConnecting(false);
    showPage(QmlScene::WelcomePage);
    QmlScene::restoreWelcomeWindow(m_engine);
    // A lost link ends every measurement, and a running series is written as it stands.
    if (m_studio)
        m_studio->abortMeasuring();
    DataBuffer::instance()->resetAll();
    if (err == DriverTypes::UART_DISCONNECTED)
        m_uart->disconnectDevice();
    else
        m_ble->disconnectDevice();
    showMessage(err);
}

// --- language ------------------------------------------------------------------------

void WelcomeService::handleLanguageSignal(const QString &message)
{
    m_languages.apply(message, m_engine);
}
