#pragma once
// The serial transport wired to a simulated spectrometer, for tests of whole roads.

#include "SimulatedDevice.h"

#include <QByteArray>
#include <QSignalSpy>
#include <memory>
#include <utility>

namespace testsupport {

// A simulated device answering only at `baud`, already started; null when no
// pseudo-terminal could be opened.
std::unique_ptr<simdevice::SimulatedDevice> startDevice(int baud = 115200);

// Index of `baud` in the transport's rate table, or -1.
int baudIndexOf(int baud);

// Connects UARTInterface at the device's own rate and waits for its status. True once it
// reports success. The command delay is set as the welcome page would for that rate.
bool connectSerial(const simdevice::SimulatedDevice &device, int timeoutMs = 15000);

// Closes the serial link (stop command, pause, close).
void disconnectSerial();

// The lock file that holds the serial port `portName` open, in whichever of the system's
// lock folders it is; empty when there is none.
QString serialLockFile(const QString &portName);

// (success, code) of a connect-status signal of either transport.
std::pair<bool, int> statusOf(const QList<QVariant> &arguments);

// The frames the host sent since the device's log was last emptied, once the device has
// read them all; the log is emptied again. Replies under way reach the host first (unless
// the device streams), then a frame the device leaves unanswered follows the host's own
// frames through its port: what the device received before it is all the host sent,
// however slow the machine.
QList<QByteArray> takeSentFrames(simdevice::SimulatedDevice &device, int timeoutMs = 15000);

// Everything a spy on a QByteArray signal (uartSendRawData, bleSendRawData) has seen, joined.
QByteArray joinedBytes(const QSignalSpy &spy);

} // namespace testsupport
