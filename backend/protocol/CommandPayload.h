#pragma once
// Payloads of the host's commands, shared by the serial and Bluetooth LE senders.

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <optional>

namespace CommandPayload {

// First payload of an efficiency upload, and the size of the chunks that follow.
constexpr uint8_t kEfficiencyUploadStart = 0x04;
constexpr int kEfficiencyChunkBytes = 990;

// Largest value the 24-bit baud-rate field can carry.
constexpr uint32_t kMaxBaudField = 0xFFFFFF;

QByteArray byteValue(uint8_t value);

// Milliseconds to the frame's unsigned 32-bit microsecond field: the time typed times 1000,
// truncated toward zero. A typed decimal arrives as the nearest binary number, which may lie
// a hair below it (2.3 ms as the float 2.2999999523): a whole count of microseconds that the
// value rounds from is taken as typed, so 2.3 gives 2300 and 2.3456 gives 2345. NaN,
// infinities and negative times have no meaning and give nothing; times beyond the field are
// clamped to its largest value rather than wrapped.
std::optional<uint32_t> exposureMicroseconds(float ms);
std::optional<uint32_t> exposureMicroseconds(double ms);
// Longest time the microsecond field carries, in milliseconds.
constexpr double kMaxExposureMs = double(UINT32_MAX) / 1000.0;
std::optional<QByteArray> exposureTime(float ms);

// The rate's three low bytes, little-endian. Zero and rates that do not fit the field
// give nothing: truncating them would switch the device to a rate nobody asked for.
std::optional<QByteArray> baudRate(uint32_t baud);

// `count` float32 values as their little-endian bytes, cut into chunks of 990 bytes
// (the last one shorter). No values give no chunks.
QList<QByteArray> efficiencyChunks(const float *values, int count);

} // namespace CommandPayload
