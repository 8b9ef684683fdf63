// Conversion of a wavelength spectrum to the Raman-shift axis.
// The grid holds the multiples of the step between the smallest non-negative shift
// and the largest shift of the axis, so two spectra on one axis share one grid, and
// linear interpolation keeps sums: interp(a + b) = interp(a) + interp(b).

#include "raman/RamanTools.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool axisIsUsable(const double *wavelengths, int length)
{
    for (int i = 0; i < length; ++i) {
        if (!std::isfinite(wavelengths[i]) || wavelengths[i] <= 0.0)
            return false;
        if (i > 0 && !(wavelengths[i] > wavelengths[i - 1]))
            return false;
    }
    return true;
}

} // namespace

void spec2ramanwithstep(const double *wavelengths, const double *values, double *shiftOut,
                        double *valuesOut, int *countOut, int length, double step, int capacity)
{
    if (!countOut)
        return;
    *countOut = 0;
    if (!wavelengths || !values || !shiftOut || !valuesOut || length < 2 || capacity <= 0
        || !std::isfinite(step) || step <= 0.0)
        return;
    if (!axisIsUsable(wavelengths, length))
        return;

    std::vector<double> shifts(length);
    for (int i = 0; i < length; ++i)
        shifts[i] = raman::ramanShift(wavelengths[i]);

    // Stokes side only: shifts at or above zero.
    const double lo = std::max(0.0, shifts.front());
    const double hi = shifts.back();
    if (hi < lo)
        return;
    const double firstIndex = std::ceil(lo / step);
    const double lastIndex = std::floor(hi / step);
    if (lastIndex < firstIndex)
        return;
    const double available = lastIndex - firstIndex + 1.0;
    const int count = available >= double(capacity) ? capacity : int(available);

    int segment = 0; // shifts[segment] <= s <= shifts[segment + 1]
    for (int k = 0; k < count; ++k) {
        const double s = (firstIndex + k) * step;
        while (segment + 2 < length && shifts[segment + 1] < s)
            ++segment;
        const double s0 = shifts[segment];
        const double s1 = shifts[segment + 1];
        const double t = std::clamp((s - s0) / (s1 - s0), 0.0, 1.0);
        shiftOut[k] = s;
        valuesOut[k] = (1.0 - t) * values[segment] + t * values[segment + 1];
    }
    *countOut = count;
}
