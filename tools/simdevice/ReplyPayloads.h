#pragma once
// Payloads of the device's replies, built from its state. Pure functions, so tests can
// also use them to feed the Bluetooth LE path or frame reassembly directly.

#include "DeviceState.h"

#include <QByteArray>
#include <cstdint>

namespace simdevice {

// Per-frame masks of a "Y" model's raw counts: the first half of the samples is XORed
// with a, the rest with b. Written independently of the host's unmasking so that a
// round trip through both checks one against the other.
struct SampleMasks {
    uint16_t a = 0;
    uint16_t b = 0;
};
SampleMasks sampleMasks(float exposureMs, uint32_t h32, uint64_t h64);
// The scale code as a "Y" model sends it.
uint16_t maskScaleCode(uint16_t code);
// The exposure in milliseconds that both sides derive the masks from.
float exposureMilliseconds(uint32_t expoTimeUs);

int wavelengthCount(const DeviceState &state);
// The samples that will be sent: the configured ones fitted to the range, or the default.
QVector<uint16_t> fittedSamples(const DeviceState &state);

QByteArray modelPayload(const DeviceState &state);
QByteArray wavelengthRangePayload(const DeviceState &state);
QByteArray exposureTimePayload(const DeviceState &state);
// Exposure status and time, the family's photometric words, then the spectrum.
QByteArray spectrumPayload(const DeviceState &state);
QByteArray flickerPayload(const DeviceState &state);
QByteArray efficiencyPayload(const DeviceState &state);
// One byte 0: the device's "done" for set and maintenance commands.
QByteArray acknowledgementPayload();

// A complete device-to-host frame.
QByteArray deviceFrame(uint8_t code, const QByteArray &payload);

} // namespace simdevice
