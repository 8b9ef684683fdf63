#include "UARTInterface.h"

#include "protocol/CommandPayload.h"
#include "protocol/DeviceCommand.h"
#include "protocol/DeviceFrame.h"
#include "SerialLineState.h"
#include "SerialPortFacts.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QSerialPortInfo>
#include <QThread>
#include <QTimer>

using namespace DeviceCommand;

namespace {
// The device acknowledges a rate change at the old rate before it switches.
constexpr int kBaudSwitchSettleMs = 100;
// A line that keeps failing without being hung up is given up after this many errors.
constexpr int kMaxForgivenErrors = 50;
} // namespace

UARTInterface *UARTInterface::instance()
{
    static UARTInterface *const object = new UARTInterface;
    return object;
}

UARTInterface::UARTInterface()
    : m_port(this)
    , m_baudScanTimer(new QTimer)
    , m_linkCheckTimer(new QTimer)
{
    qRegisterMetaType<DriverErrorCode>("DriverErrorCode");
    connect(m_baudScanTimer, &QTimer::timeout, this, &UARTInterface::baudRateScanTimeoutUpdate);
    connect(m_linkCheckTimer, &QTimer::timeout, this, &UARTInterface::checkConnectionStatus);
    connect(&m_port, &QSerialPort::readyRead, this, &UARTInterface::serialRead);
    connect(&m_port, &QSerialPort::errorOccurred, this, &UARTInterface::onPortError);
}

UARTInterface::~UARTInterface()
{
    delete m_baudScanTimer;
    delete m_linkCheckTimer;
}

QStringList UARTInterface::scanSerialPorts()
{
    // A probe port of its own, so listing never disturbs a live connection.
    QStringList names;
    m_refusedPorts.clear();
    const auto offer = [this, &names](const QString &name) {
        QSerialPort probe(name);
        if (!probe.open(QIODevice::ReadWrite)) {
            // Not in the port's group, held or locked by another program: the list alone
            // would not say why the port is missing.
            const QString reason = SerialOpenFailure::reason(SerialPortFacts::afterFailedOpen(probe));
            if (!reason.isEmpty()) {
                qWarning().noquote() << "Cannot open serial port" << name << "-" << probe.errorString();
                m_refusedPorts.append({name, reason});
            }
            return;
        }
        names.append(name);
        emit uartScanDeviceName(name);
        probe.close();
    };
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo &info : ports)
        offer(info.portName());
    // The system never lists pseudo-terminals, where a simulated spectrometer answers.
    const QStringList extra = qEnvironmentVariable(kExtraPortsVariable).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &path : extra)
        offer(path.trimmed());
    return names;
}

void UARTInterface::setUpPort(uint8_t baudIndex)
{
    m_port.setPortName(m_portName);
    m_port.setBaudRate(kBaudTable[baudIndex], QSerialPort::AllDirections);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
}

bool UARTInterface::openPort()
{
    m_lineFailed = false;
    m_forgivenErrors = 0;
    if (m_port.open(QIODevice::ReadWrite)) {
        if (const auto lock = SerialPortFacts::lockFileOf(m_port.portName()))
            m_lockWarden.watch(lock->path);
        return true;
    }
    // The status code alone does not tell a missing port from one the user may not open.
    qWarning().noquote() << "Cannot open serial port" << m_portName << "-" << m_port.errorString();
    m_openFailure = SerialOpenFailure::reason(SerialPortFacts::afterFailedOpen(m_port));
    return false;
}

void UARTInterface::closePort()
{
    if (m_port.isOpen())
        m_port.close();
}

void UARTInterface::runIdentificationProbe()
{
    sendCommand(CMD_STOP_SPECTRUM, QByteArray(), 0);
    QThread::msleep(kProbePauseMs);
    // Whatever arrived so far belongs to no request of this probe.
    m_port.clear(QSerialPort::Input);
    m_handshake.clear();
    sendCommand(CMD_GET_DEVICE_MODEL, CommandPayload::byteValue(kDeviceModelRequestByte), 0);
}

void UARTInterface::connectDevice(const QString &portName, uint8_t baudIndex, bool scan)
{
    // One attempt at a time: while one runs or a link is up, a further request is ignored,
    // so that the running attempt alone reports its outcome.
    if (isBusy())
        return;
    const quint64 attempt = ++m_attempt;
    m_baudScanTimer->stop();
    m_linkCheckTimer->stop();
    m_portName = portName;
    m_baudIndex = baudIndex;
    m_identified = false;
    m_handshake.clear();
    m_openFailure.clear();
    if (baudIndex >= kBaudTable.size()) {
        emit uartDeviceConnectStatus(false, DriverTypes::UART_CONNECT_FAILED);
        return;
    }
    setUpPort(baudIndex);
    if (!openPort()) {
        emit uartDeviceConnectStatus(false, DriverTypes::UART_CONNECT_FAILED);
        return;
    }
    runIdentificationProbe();

    if (scan) {
        m_baudScanTimer->start(kScanTickMs);
        return;
    }
    QThread::msleep(kFixedRateWaitMs);
    if (m_identified) {
        reportConnected();
        return;
    }
    auto *check = new QTimer(this);
    check->setSingleShot(true);
    connect(check, &QTimer::timeout, this, [this, check, attempt] {
        check->deleteLater();
        if (attempt != m_attempt)
            return;
        if (m_identified)
            reportConnected();
        else
            failAttempt(DriverTypes::UART_CONNECT_FAILED);
    });
    check->start(kFixedRateCheckMs);
}

void UARTInterface::baudRateScanTimeoutUpdate()
{
    if (m_identified) {
        m_baudScanTimer->stop();
        reportConnected();
        return;
    }
    ++m_baudIndex;
    if (m_baudIndex >= kBaudTable.size()) {
        failAttempt(DriverTypes::UART_NO_VALID_BAUD);
        return;
    }
    closePort();
    setUpPort(m_baudIndex);
    if (m_baudIndex == kFirstSlowScanIndex)
        m_baudScanTimer->start(kSlowScanTickMs);
    m_commandDelay = commandDelayFor(m_baudIndex);
    if (openPort())
        runIdentificationProbe();
}

bool UARTInterface::isBusy() const
{
    // A scan step whose port did not open leaves the port closed but the scan running.
    return m_port.isOpen() || m_baudScanTimer->isActive();
}

bool UARTInterface::lineAlive() const
{
    return m_port.isOpen() && !SerialLineState::hungUp(int(m_port.handle()));
}

void UARTInterface::reportConnected()
{
    // The device may have gone between naming itself and this report (a scan reports at
    // its next tick): a closed or hung-up line is no connection.
    if (!lineAlive()) {
        failAttempt(DriverTypes::UART_CONNECT_FAILED);
        return;
    }
    m_linkCheckTimer->start(kLinkCheckMs);
    emit uartDeviceConnectStatus(true, DriverTypes::DRIVER_OK);
}

void UARTInterface::failAttempt(DriverErrorCode err)
{
    ++m_attempt; // a pending fixed-rate check of this attempt stays silent
    m_baudScanTimer->stop();
    m_identified = false;
    m_handshake.clear();
    closePort();
    m_lockWarden.release();
    m_port.clearError();
    emit uartDeviceConnectStatus(false, err);
}

void UARTInterface::serialRead()
{
    const QByteArray bytes = m_port.readAll();
    if (bytes.isEmpty())
        return;
    m_forgivenErrors = 0;
    if (m_identified) {
        emit uartSendRawData(bytes);
        return;
    }
    takeHandshakeBytes(bytes);
}

void UARTInterface::takeHandshakeBytes(const QByteArray &bytes)
{
    const std::optional<HandshakeBuffer::Identification> found = m_handshake.take(bytes);
    if (!found)
        return;
    m_identified = true;
    emit uartSendDeviceIdSn(QString::fromUtf8(found->modelPayload));
    // Replies that came with the model reply belong to the frame reassembly.
    if (!found->following.isEmpty())
        emit uartSendRawData(found->following);
}

void UARTInterface::checkConnectionStatus()
{
    const QSerialPort::SerialPortError error = m_port.error();
    // A write that timed out is not a lost link; sendCommand already let it go.
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError)
        return;
    dropLink(DriverTypes::UART_DISCONNECTED);
}

void UARTInterface::onPortError(QSerialPort::SerialPortError error)
{
    if (error != QSerialPort::ReadError && error != QSerialPort::ResourceError
        && error != QSerialPort::WriteError)
        return;
    if (!m_port.isOpen() || m_lineFailed)
        return;
    const bool hungUp = SerialLineState::hungUp(int(m_port.handle()));
    if (!hungUp && ++m_forgivenErrors <= kMaxForgivenErrors) {
        // A read that found nothing (the line was emptied between the event loop's poll and
        // the read) or a write that could not go out yet: the line itself is fine. The port
        // may have stopped reading on it; a read from the event loop starts it again.
        m_port.clearError();
        QMetaObject::invokeMethod(this, [this] {
            if (m_port.isOpen())
                serialRead();
        }, Qt::QueuedConnection);
        return;
    }
    m_lineFailed = true;
    // The library reports a hang-up as a read error with whatever errno was left over.
    qWarning().noquote() << "Serial link lost:" << m_portName << "-"
                         << (hungUp ? QStringLiteral("the line hung up") : m_port.errorString());
    // A hung-up line stays readable, so the port would repeat the error at every turn of
    // the event loop: end the line at the next turn, once.
    const quint64 attempt = m_attempt;
    QMetaObject::invokeMethod(this, [this, attempt] {
        if (attempt == m_attempt)
            endFailedLine();
    }, Qt::QueuedConnection);
}

void UARTInterface::endFailedLine()
{
    if (m_linkCheckTimer->isActive()) {
        dropLink(DriverTypes::UART_DISCONNECTED);
        return;
    }
    // Still identifying, at a fixed rate or in a scan: the attempt ends here and says so; a
    // later tick or check must not report the closed port as connected.
    failAttempt(DriverTypes::UART_CONNECT_FAILED);
}

void UARTInterface::dropLink(std::optional<DriverErrorCode> lost)
{
    ++m_attempt;
    m_linkCheckTimer->stop();
    m_baudScanTimer->stop();
    m_identified = false;
    if (lost)
        emit uartDeviceConnectStatus(false, *lost);
    // The listener may have closed the port already.
    if (m_port.isOpen()) {
        sendCommand(CMD_STOP_SPECTRUM, QByteArray(), 0);
        QThread::msleep(kStopPauseMs);
        m_port.close();
    }
    m_lockWarden.release();
    m_port.clearError();
}

void UARTInterface::disconnectDevice()
{
    dropLink(std::nullopt);
}

uint16_t UARTInterface::commandDelayFor(uint8_t baudIndex)
{
    return baudIndex < kFirstSlowCommandIndex ? kFastCommandDelayMs : kSlowCommandDelayMs;
}

void UARTInterface::setCommandDelay(uint16_t ms)
{
    m_commandDelay = ms;
}

void UARTInterface::writeFrame(const QByteArray &frame)
{
    if (!m_port.isOpen())
        return;
    m_port.write(frame);
    // Pushes the bytes out while the line takes them, without waitForBytesWritten: that
    // also reads the port behind the event loop's back, and the read the loop has already
    // planned then finds the line empty. What is left after the wait goes out from the
    // event loop.
    const QDeadlineTimer deadline(kWriteWaitMs);
    while (m_port.bytesToWrite() > 0) {
        if (!SerialLineState::waitWritable(int(m_port.handle()), int(deadline.remainingTime()))
            || !m_port.flush())
            break;
    }
}

void UARTInterface::sendCommand(uint8_t code, const QByteArray &payload, uint16_t pauseMs)
{
    if (pauseMs > 0)
        QThread::msleep(pauseMs);
    writeFrame(DeviceFrame::build(code, payload));
}

void UARTInterface::uploadEfficiency(const FloatArray *table)
{
    if (!table)
        return;
    int count = 0;
    if (table->data && table->size && table->numDimensions >= 1)
        count = qBound(0, table->size[0], table->allocatedSize);
    sendCommand(CMD_SET_EFFICIENCY, CommandPayload::byteValue(CommandPayload::kEfficiencyUploadStart),
                m_commandDelay);
    const QList<QByteArray> chunks = CommandPayload::efficiencyChunks(table->data, count);
    for (const QByteArray &chunk : chunks)
        sendCommand(CMD_SET_EFFICIENCY, chunk, m_commandDelay);
    QThread::msleep(kStopPauseMs);
    sendCommand(CMD_SAVE_EFFICIENCY, QByteArray(), m_commandDelay);
}

void UARTInterface::getDeviceModel()
{
    sendCommand(CMD_GET_DEVICE_MODEL, CommandPayload::byteValue(kDeviceModelRequestByte),
                m_commandDelay);
}

void UARTInterface::getExpoMode() { sendCommand(CMD_GET_EXPO_MODE, QByteArray(), m_commandDelay); }
void UARTInterface::getExpoTime() { sendCommand(CMD_GET_EXPO_TIME, QByteArray(), m_commandDelay); }
void UARTInterface::getWlRange() { sendCommand(CMD_GET_WL_RANGE, QByteArray(), m_commandDelay); }
void UARTInterface::resetEfficiency() { sendCommand(CMD_RESET_EFFICIENCY, QByteArray(), m_commandDelay); }
void UARTInterface::getEfficiency() { sendCommand(CMD_GET_EFFICIENCY, QByteArray(), m_commandDelay); }
void UARTInterface::singleSpectrum() { sendCommand(CMD_SINGLE_SPECTRUM, QByteArray(), m_commandDelay); }
void UARTInterface::getCie2015() { sendCommand(CMD_GET_CIE2015, QByteArray(), m_commandDelay); }
void UARTInterface::getGainValue() { sendCommand(CMD_GET_GAIN_VALUE, QByteArray(), m_commandDelay); }
void UARTInterface::getGainMode() { sendCommand(CMD_GET_GAIN_MODE, QByteArray(), m_commandDelay); }
void UARTInterface::startFlicker() { sendCommand(CMD_FLICKER, QByteArray(), 0); }

void UARTInterface::autoSpectrum(bool start)
{
    sendCommand(start ? CMD_AUTO_SPECTRUM : CMD_STOP_SPECTRUM, QByteArray(), m_commandDelay);
}

bool UARTInterface::setBaudRate(uint32_t baud)
{
    const std::optional<QByteArray> payload = CommandPayload::baudRate(baud);
    if (!payload || !m_port.isOpen())
        return false;
    sendCommand(CMD_SET_BAUD_RATE, *payload, m_commandDelay);
    QThread::msleep(kBaudSwitchSettleMs);
    // Staying at the old rate would leave a link that only carries noise.
    if (!m_port.setBaudRate(qint32(baud), QSerialPort::AllDirections)) {
        dropLink(DriverTypes::UART_DISCONNECTED);
        return false;
    }
    for (size_t i = 0; i < kBaudTable.size(); ++i) {
        if (uint32_t(kBaudTable[i]) == baud)
            m_baudIndex = uint8_t(i);
    }
    m_commandDelay = baud <= uint32_t(kBaudTable[kFirstSlowCommandIndex]) ? kSlowCommandDelayMs
                                                                            : kFastCommandDelayMs;
    return true;
}

void UARTInterface::setExpoMode(uint8_t mode)
{
    sendCommand(CMD_SET_EXPO_MODE, CommandPayload::byteValue(mode), m_commandDelay);
}

bool UARTInterface::setExpoTime(float ms)
{
    const std::optional<QByteArray> payload = CommandPayload::exposureTime(ms);
    if (!payload)
        return false;
    sendCommand(CMD_SET_EXPO_TIME, *payload, m_commandDelay);
    return true;
}

void UARTInterface::setCie2015(uint8_t value)
{
    sendCommand(CMD_SET_CIE2015, CommandPayload::byteValue(value), m_commandDelay);
}

void UARTInterface::setGainValue(uint8_t value)
{
    sendCommand(CMD_SET_GAIN_VALUE, CommandPayload::byteValue(value), m_commandDelay);
}

void UARTInterface::setGainMode(uint8_t value)
{
    sendCommand(CMD_SET_GAIN_MODE, CommandPayload::byteValue(value), m_commandDelay);
}
