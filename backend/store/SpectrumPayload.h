#pragma once
// Decoding of a spectrum payload into sample values, before any unit factor.
// Plain models: int16 scale code, then one uint16 sample per axis point.
// "Y" models: uint16 scale code, uint32 and uint64 header fields, then scrambled counts.
// All numbers little-endian.

#include <QList>
#include <cstdint>
#include <optional>

namespace SpectrumPayload {

constexpr int kPlainHeaderBytes = 2;
constexpr int kYHeaderBytes = 14;
// Scale codes beyond this magnitude can only be corruption: they would turn every
// sample into infinity or zero.
constexpr int kMaxScaleExponent = 30;

constexpr int headerBytes(bool isY) { return isY ? kYHeaderBytes : kPlainHeaderBytes; }

// Bytes of a payload of `points` samples.
int requiredSize(int points, bool isY);

// The divisor of scale code c: 100 for 2, otherwise 10^c. Nothing for a corrupt code.
std::optional<double> scaleDivisor(int16_t code);

// Sample values (device values divided by the scale divisor), one per axis point.
// Nothing when the payload does not carry exactly `points` samples (it was measured over
// another range) or its code is corrupt.
// For "Y" models the exposure (in ms) is part of the unmasking.
std::optional<QList<double>> decode(const uint8_t *data, int size, int points, bool isY,
                                    float exposureMs);

} // namespace SpectrumPayload
