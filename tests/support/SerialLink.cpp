#include "SerialLink.h"

#include "protocol/DeviceFrame.h"
#include "protocol/DriverTypes.h"
#include "transport/UARTInterface.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QSerialPort>
#include <QTest>
#include <algorithm>

namespace testsupport {

namespace {
// A request code the device does not know: it records the frame and answers nothing.
constexpr uint8_t kMarkerCode = 0xEE;
} // namespace

std::unique_ptr<simdevice::SimulatedDevice> startDevice(int baud)
{
    simdevice::DeviceState state;
    state.baud = baud;
    auto device = std::make_unique<simdevice::SimulatedDevice>(state);
    if (!device->start())
        return nullptr;
    return device;
}

int baudIndexOf(int baud)
{
    for (size_t i = 0; i < UARTInterface::kBaudTable.size(); ++i) {
        if (UARTInterface::kBaudTable[i] == baud)
            return int(i);
    }
    return -1;
}

bool connectSerial(const simdevice::SimulatedDevice &device, int timeoutMs)
{
    const int index = baudIndexOf(device.state().baud);
    if (index < 0)
        return false;
    UARTInterface *uart = UARTInterface::instance();
    uart->setCommandDelay(index < 5 ? UARTInterface::kFastCommandDelayMs
                                    : UARTInterface::kSlowCommandDelayMs);
    QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
    uart->connectDevice(device.portName(), uint8_t(index), false);
    if (status.isEmpty() && !status.wait(timeoutMs))
        return false;
    return status.first().at(0).toBool();
}

void disconnectSerial()
{
    UARTInterface::instance()->disconnectDevice();
}

QString serialLockFile(const QString &portName)
{
    const QString name = QStringLiteral("LCK..") + QString(portName).remove(QStringLiteral("/dev/")).replace('/', '_');
    for (const QString &folder : {QStringLiteral("/var/lock"), QStringLiteral("/run/lock"), QDir::tempPath()}) {
        if (QFile::exists(folder + '/' + name))
            return folder + '/' + name;
    }
    return QString();
}

std::pair<bool, int> statusOf(const QList<QVariant> &arguments)
{
    return {arguments.at(0).toBool(), int(arguments.at(1).value<DriverErrorCode>())};
}

QList<QByteArray> takeSentFrames(simdevice::SimulatedDevice &device, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    const auto remaining = [&deadline] { return int(deadline.remainingTime()); };
    bool settled = true;
    QSerialPort *port = UARTInterface::instance()->findChild<QSerialPort *>();
    // A closed port sends nothing more; a stream's spectra never stop coming.
    if (port && port->isOpen()) {
        if (!device.isStreaming()) {
            settled = QTest::qWaitFor([&device] { return device.repliesTaken(); }, remaining());
            QCoreApplication::sendPostedEvents(); // the host acts on what it read
        }
        port->write(DeviceFrame::build(kMarkerCode, {}));
        const bool marked = QTest::qWaitFor([port] { return port->flush(), port->bytesToWrite() == 0; }, remaining())
            && QTest::qWaitFor([&device] { return !device.framesWithCode(kMarkerCode).isEmpty(); }, remaining());
        settled = settled && marked;
    }
    if (!settled)
        qWarning("The line did not settle: the frames below may be incomplete");
    QList<QByteArray> frames = device.receivedFrames();
    device.clearReceived();
    const qsizetype marker = std::find_if(frames.cbegin(), frames.cend(), [](const QByteArray &frame) {
        return DeviceFrame::code(frame) == kMarkerCode;
    }) - frames.cbegin();
    return frames.mid(0, marker);
}

QByteArray joinedBytes(const QSignalSpy &spy)
{
    QByteArray bytes;
    for (const QList<QVariant> &arguments : spy)
        bytes.append(arguments.at(0).toByteArray());
    return bytes;
}

} // namespace testsupport
