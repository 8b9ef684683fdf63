#pragma once
// What every routine of the spectral library shares: NaN, one-time initialisation,
// the blocked summation rule and spectrum access.

#include "DynamicArray.h"

#include <cstdint>
#include <cstring>

namespace spectral {

// The library's "no value": quiet NaN with bits 0xFFC00000.
inline float nanValue()
{
    const uint32_t bits = 0xFFC00000u;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

inline bool isNaN(float v) { return v != v; }

// Run first by every entry point; sets the process-wide initialised flag on the first call.
void initSpectralLibrary();
// Number of times initialisation actually ran (for tests: it must stay 1).
int initialisationCount();

// Sum in blocks of 1024 elements, each block summed in order, block sums added in order.
float blockSum(const float *values, int64_t count);

// Read-only view of an N x 2 spectrum: wavelengths then values, 1-nm steps from w0.
struct SpectrumView {
    const float *wavelengths = nullptr;
    const float *values = nullptr;
    int n = 0;
    int w0 = 0;

    bool valid() const { return n > 0 && wavelengths && values; }
    int lastWavelength() const { return w0 + n - 1; }
    bool covers(int from, int to) const { return valid() && from >= w0 && to <= lastWavelength(); }
    // S(w); callers check coverage first.
    float at(int w) const { return values[w - w0]; }
};

// Builds a view of an N x 2 FloatArray; an invalid record gives an empty view.
SpectrumView viewSpectrum(const FloatArray *spectrum);

} // namespace spectral
