#include "LibraryCore.h"

#include <cmath>

namespace spectral {

namespace {
bool g_initialised = false;
int g_initCount = 0;
} // namespace

void initSpectralLibrary()
{
    // Entry points are called from the GUI thread only; the first call comes from one thread.
    if (g_initialised)
        return;
    g_initialised = true;
    ++g_initCount;
}

int initialisationCount() { return g_initCount; }

float blockSum(const float *values, int64_t count)
{
    float total = 0.0f;
    for (int64_t start = 0; start < count; start += 1024) {
        const int64_t end = start + 1024 < count ? start + 1024 : count;
        float block = 0.0f;
        for (int64_t i = start; i < end; ++i)
            block += values[i];
        total += block;
    }
    return total;
}

SpectrumView viewSpectrum(const FloatArray *spectrum)
{
    SpectrumView view;
    if (!spectrum || !spectrum->data || !spectrum->size || spectrum->numDimensions < 1)
        return view;
    const int n = spectrum->size[0];
    if (n <= 0 || int64_t(n) * 2 > spectrum->allocatedSize)
        return view;
    const float w0 = spectrum->data[0];
    // Wavelengths far outside any optics would overflow the row arithmetic.
    if (!std::isfinite(w0) || w0 < -100000.0f || w0 > 100000.0f || n > 1000000)
        return view;
    view.wavelengths = spectrum->data;
    view.values = spectrum->data + n;
    view.n = n;
    view.w0 = int(std::lround(w0));
    return view;
}

} // namespace spectral
