#pragma once
// Code bytes of the device protocol. A reply carries the code of its request.

#include <QObject>
#include <cstdint>

namespace DeviceCommand {
Q_NAMESPACE

enum Code : uint8_t {
    CMD_SPECTRUM_PUSH = 1, // sent by the device on its own
    CMD_STOP_SPECTRUM = 4,
    CMD_GET_DEVICE_MODEL = 8,
    CMD_SET_EXPO_MODE = 10,
    CMD_GET_EXPO_MODE = 11,
    CMD_SET_EXPO_TIME = 12,
    CMD_GET_EXPO_TIME = 13,
    CMD_GET_WL_RANGE = 15,
    CMD_DEVICE_ACK_16 = 16, // device's own acknowledgements
    CMD_DEVICE_ACK_19 = 19,
    CMD_SET_BAUD_RATE = 32,
    CMD_SET_EFFICIENCY = 35,
    CMD_RESET_EFFICIENCY = 37,
    CMD_GET_EFFICIENCY = 38,
    CMD_SAVE_EFFICIENCY = 39,
    CMD_SINGLE_SPECTRUM = 50,
    CMD_AUTO_SPECTRUM = 51,
    CMD_SET_CIE2015 = 54,
    CMD_GET_CIE2015 = 55,
    CMD_SET_GAIN_VALUE = 56,
    CMD_GET_GAIN_VALUE = 57,
    CMD_SET_GAIN_MODE = 58,
    CMD_GET_GAIN_MODE = 59,
    CMD_FLICKER = 60,
};
Q_ENUM_NS(Code)

// Payload byte of the device-model request.
constexpr uint8_t kDeviceModelRequestByte = 0x20;

} // namespace DeviceCommand
