#pragma once
// Unmasking of the raw samples that "Y" models send.

#include "DynamicArray.h"

#include <cstdint>

// Fixed 16-bit mask of the frame's scale code; the device applies it, the host removes it.
constexpr uint16_t kScaleCodeMask = 0x5AC3;

// raw is read only; out is reshaped to n x 1 and grown as needed; *codeOut gets the scale code.
void descrambleSamples(const UInt16Array *raw, uint16_t code, float exposure, uint32_t h32,
                       uint64_t h64, UInt16Array *out, uint16_t *codeOut);
