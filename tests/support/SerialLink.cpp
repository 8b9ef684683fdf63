#include "SerialLink.h"

#include "protocol/DriverTypes.h"
#include "transport/UARTInterface.h"

namespace testsupport {

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

std::pair<bool, int> statusOf(const QList<QVariant> &arguments)
{
    return {arguments.at(0).toBool(), int(arguments.at(1).value<DriverErrorCode>())};
}

QByteArray joinedBytes(const QSignalSpy &spy)
{
    QByteArray bytes;
    for (const QList<QVariant> &arguments : spy)
        bytes.append(arguments.at(0).toByteArray());
    return bytes;
}

} // namespace testsupport
