#pragma once
// What the system says about a serial port that did not open: the lock file the serial
// library found in its way, the port's group and mode, and the refusal behind the library's
// words. Read from the file system only; the port itself is not touched again.

#include "SerialOpenFailure.h"

#include <QSerialPort>
#include <QStringList>

namespace SerialPortFacts {

// The folders the serial library keeps its lock files in, in the order it tries them.
QStringList lockFolders();

// The lock file the library meets when it opens `portName` (a device path or a name under
// /dev): in the first of `folders` that is readable and either holds it or is writable.
std::optional<SerialOpenFailure::LockFile> lockFileOf(const QString &portName,
                                                      const QStringList &folders = lockFolders());

// The facts behind a failed open of `portName`, as the current user, from the library's
// error and its words for it.
SerialOpenFailure::Facts afterFailedOpen(const QString &portName, QSerialPort::SerialPortError error,
                                         const QString &errorText);
SerialOpenFailure::Facts afterFailedOpen(const QSerialPort &port);

} // namespace SerialPortFacts
