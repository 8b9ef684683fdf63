#pragma once
// Enumerations shared by the transports and the connection logic.

#include <QObject>

namespace DriverTypes {
Q_NAMESPACE

// The active transport; every test compares with CONNECT_BLE.
enum CONNECT_TYPE {
    CONNECT_UART = 0,
    CONNECT_BLE = 1,
};
Q_ENUM_NS(CONNECT_TYPE)

// Result of a connection, shown by the QML message box as its decimal number.
enum DriverErrorCode {
    DRIVER_OK = 0,
    UART_CONNECT_FAILED = 0x1001,
    UART_NO_VALID_BAUD = 0x1002,
    UART_DISCONNECTED = 0x1003,
    BLE_CONNECT_FAILED = 0x2001,
    BLE_SERVICE_FAILED = 0x2002,
    BLE_DISCONNECTED = 0x2003,
};
Q_ENUM_NS(DriverErrorCode)

} // namespace DriverTypes

using DriverTypes::CONNECT_TYPE;
using DriverTypes::DriverErrorCode;
