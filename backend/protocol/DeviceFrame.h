#pragma once
// The framed message of the device protocol, identical over serial and Bluetooth LE:
// CC dir | length (24-bit LE, whole frame) | code | payload | checksum | 0D 0A

#include <QByteArray>
#include <cstdint>

namespace DeviceFrame {

constexpr uint8_t kSync = 0xCC;
constexpr uint8_t kHostToDevice = 0x01;
constexpr uint8_t kDeviceToHost = 0x81;
constexpr int kOverhead = 9;      // header (6) + checksum (1) + terminator (2)
constexpr int kHeaderSize = 6;
// No real reply comes near this (the largest is a spectrum of about 5.5 KiB); a longer
// length field is corruption and must not stall reception waiting for bytes.
constexpr int kMaxFrameLength = 8192;

// Low 8 bits of the plain byte sum.
uint8_t checksum(const char *data, int count);

// A complete frame for `code` and `payload`; host-to-device unless told otherwise.
QByteArray build(uint8_t code, const QByteArray &payload, uint8_t direction = kHostToDevice);

enum class Status {
    Incomplete, // more bytes are needed to decide
    Bad,        // not a frame: drop the two header bytes and search again
    BadChecksum,// well-formed but corrupt: drop `length` bytes
    Complete,   // a checked frame of `length` bytes
};

struct Inspection {
    Status status = Status::Incomplete;
    int length = 0;
};

// Inspects the bytes at `data`, which start with the sync byte and `direction`.
Inspection inspect(const char *data, int available, uint8_t direction = kDeviceToHost);

// Index of the first sync+direction pair at or after `from`, or -1.
int findHeader(const QByteArray &buffer, int from = 0, uint8_t direction = kDeviceToHost);

// Parts of a checked frame.
inline uint8_t code(const QByteArray &frame) { return uint8_t(frame.at(5)); }
inline QByteArray payload(const QByteArray &frame)
{
    return frame.mid(kHeaderSize, frame.size() - kOverhead);
}

} // namespace DeviceFrame
