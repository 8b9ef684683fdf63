#pragma once
// Names ports (comma separated) in the serial transport's list of extra ports for as long as
// it lives. The name goes on every way out of a test, so no later scan opens a closed line.

#include "transport/UARTInterface.h"

#include <QString>
#include <QtGlobal>

namespace testsupport {

class ExtraSerialPorts
{
public:
    explicit ExtraSerialPorts(const QString &ports)
    {
        qputenv(UARTInterface::kExtraPortsVariable, ports.toLocal8Bit());
    }
    ~ExtraSerialPorts() { qunsetenv(UARTInterface::kExtraPortsVariable); }
    ExtraSerialPorts(const ExtraSerialPorts &) = delete;
    ExtraSerialPorts &operator=(const ExtraSerialPorts &) = delete;
};

} // namespace testsupport
