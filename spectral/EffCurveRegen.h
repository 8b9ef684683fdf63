#pragma once
// Regenerates the device's spectral efficiency curve from a sample and a reference
// spectrum of the same light, on the device's own wavelength axis.

#include "DynamicArray.h"

#include <cstdint>

constexpr int kRegenMessageCapacity = 56;

struct RegenStatus {
    uint16_t code;                       // 0 success, 1 failure
    char message[kRegenMessageCapacity]; // NUL-terminated English text
    int32_t messageSize[2];              // {1, length including the NUL}
};

// sample: M x 2, reference: R x 2 (wavelength column, value column); deviceWavelengths:
// K x 1, whole consecutive nanometres. All three are sorted in place by wavelength.
// newCurve is resized to K x 1; on failure it holds K NaN values.
void regeneffcurve(FloatArray *sample, FloatArray *reference, FloatArray *deviceWavelengths,
                   FloatArray *newCurve, RegenStatus *status);
