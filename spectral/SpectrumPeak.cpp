#include "SpectrumPeak.h"
#include "LibraryCore.h"

#include <cmath>

namespace {

using spectral::SpectrumView;

// Row of the first maximum; NaN rows never win unless every row is NaN.
int peakRow(const SpectrumView &s)
{
    const float *v = s.values;
    if (s.n == 1)
        return 0;
    if (s.n == 2)
        return (v[1] > v[0] || (spectral::isNaN(v[0]) && !spectral::isNaN(v[1]))) ? 1 : 0;
    int p = 0;
    while (p < s.n && spectral::isNaN(v[p]))
        ++p;
    if (p == s.n)
        return 0;
    for (int k = p + 1; k < s.n; ++k) {
        if (v[k] > v[p])
            p = k;
    }
    return p;
}

long roundedWavelength(float w)
{
    if (!(w > 0.0f))
        return 0; // NaN and negatives
    if (w >= 65535.0f)
        return 65535;
    return std::lround(w);
}

} // namespace

void findPeakAndHalfWidth(const FloatArray *spectrum, float *peakWavelength, float *fwhm)
{
    const SpectrumView s = spectral::viewSpectrum(spectrum);
    if (!s.valid()) {
        *peakWavelength = spectral::nanValue();
        *fwhm = spectral::nanValue();
        return;
    }
    const float *w = s.wavelengths;
    const float *v = s.values;
    const int p = peakRow(s);
    const float half = 0.5f * v[p];

    float left = w[0];
    for (int k = p - 1; k >= 0; --k) {
        if (half >= v[k] && v[k + 1] > half) {
            left = (half - v[k]) / (v[k + 1] - v[k]) + w[k];
            break;
        }
    }
    float right = w[s.n - 1];
    for (int k = p + 1; k < s.n; ++k) {
        if (v[k - 1] >= half && half > v[k]) {
            right = (v[k - 1] - half) / (v[k - 1] - v[k]) + w[k - 1];
            break;
        }
    }
    *peakWavelength = w[p];
    *fwhm = right - left;
}

void findSpectrumPeak(const FloatArray *spectrum, float *sum, float *peakWavelength, float *fwhm)
{
    spectral::initSpectralLibrary();
    const SpectrumView s = spectral::viewSpectrum(spectrum);
    if (!s.valid()) {
        *sum = 0.0f;
        *peakWavelength = spectral::nanValue();
        *fwhm = spectral::nanValue();
        return;
    }
    findPeakAndHalfWidth(spectrum, peakWavelength, fwhm);
    *sum = spectral::blockSum(s.values, s.n);
}

float sumSpectrumRange(const FloatArray *spectrum, const float range[2])
{
    const SpectrumView s = spectral::viewSpectrum(spectrum);
    if (!s.valid())
        return 0.0f;
    const long from = roundedWavelength(range[0]);
    const long to = roundedWavelength(range[1]);
    const long first = roundedWavelength(s.wavelengths[0]);
    if (from > to)
        return 0.0f;
    float total = 0.0f;
    for (long wl = from; wl <= to; ++wl) {
        const long row = wl - first;
        if (row >= 0 && row < s.n)
            total += s.values[row];
    }
    return total;
}
