#pragma once
// Sine and cosine of an angle in degrees, exact at whole multiples of 90 degrees.

#include <cmath>

namespace spectral {

// Reduces into [-180, 180], then by quarter turns into [-45, 45] before the library calls,
// so 0, 90, 180 and 270 degrees give exact 0 and +-1.
inline void sinCosDegrees(double degrees, double *sine, double *cosine)
{
    if (!std::isfinite(degrees)) {
        *sine = *cosine = std::nan("");
        return;
    }
    double x = std::fmod(degrees, 360.0);
    if (x > 180.0)
        x -= 360.0;
    else if (x < -180.0)
        x += 360.0;
    const double quarters = std::nearbyint(x / 90.0);
    const double r = (x - 90.0 * quarters) * (3.14159265358979323846 / 180.0);
    const double s = std::sin(r);
    const double c = std::cos(r);
    switch ((int(quarters) % 4 + 4) % 4) {
    case 0: *sine = s; *cosine = c; break;
    case 1: *sine = c; *cosine = -s; break;
    case 2: *sine = -s; *cosine = -c; break;
    default: *sine = -c; *cosine = s; break;
    }
}

} // namespace spectral
