#include "LibraryCore.h"

#include <atomic>
#include <cmath>
#include <mutex>

namespace spectral {

namespace {
std::once_flag g_initialised;
std::atomic<int> g_initCount{0};
} // namespace

void initSpectralLibrary()
{
    // Entry points may first be called from several threads at once.
    std::call_once(g_initialised, [] { g_initCount.fetch_add(1); });
}

int initialisationCount() { return g_initCount.load(); }

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
