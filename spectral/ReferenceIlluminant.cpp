// Planckian and CIE daylight spectra for the colour-rendering reference.
#include "ReferenceIlluminant.h"

#include "Colorimetry.h"
#include "LibraryCore.h"
#include "tables/CieTables.h"

#include <cmath>

namespace spectral {

namespace {

constexpr double kSecondRadiationConstant = 1.4388e-2; // m K
constexpr float kPlanckianUpTo = 5000.0f;
constexpr int kDaylightGridOffset = (kGridFirstWavelength - cie::kDaylightS0First) / cie::kDaylightS0Step;

// Relative to 560 nm, in double: exp(c2 / (lambda T)) overflows float below about 1000 K.
void planckian(float cct, float *values)
{
    const double t = cct;
    const double reference = 560e-9;
    const double referenceTerm = std::expm1(kSecondRadiationConstant / (reference * t));
    for (int k = 0; k < kGridPoints; ++k) {
        const double lambda = (kGridFirstWavelength + kGridStep * k) * 1e-9;
        const double ratio = std::pow(reference / lambda, 5.0);
        values[k] = float(ratio * referenceTerm / std::expm1(kSecondRadiationConstant / (lambda * t)));
    }
}

// CIE daylight of correlated colour temperature T (the 7000-25000 K chromaticity formula is
// carried on above 25000 K).
void daylight(float cct, float *values)
{
    const double t = cct;
    const double xd = t <= 7000.0
        ? -4.6070e9 / (t * t * t) + 2.9678e6 / (t * t) + 0.09911e3 / t + 0.244063
        : -2.0064e9 / (t * t * t) + 1.9018e6 / (t * t) + 0.24748e3 / t + 0.237040;
    const double yd = -3.0 * xd * xd + 2.870 * xd - 0.275;
    const double m = 0.0241 + 0.2562 * xd - 0.7341 * yd;
    const double m1 = (-1.3515 - 1.7703 * xd + 5.9114 * yd) / m;
    const double m2 = (0.0300 - 31.4424 * xd + 30.0717 * yd) / m;
    for (int k = 0; k < kGridPoints; ++k) {
        const int row = kDaylightGridOffset + k;
        values[k] = float(cie::kDaylightS0[row] + m1 * cie::kDaylightS1[row] + m2 * cie::kDaylightS2[row]);
    }
}

} // namespace

bool referenceIlluminantGrid(float cct, float *grid)
{
    float *values = grid + kGridPoints;
    for (int k = 0; k < kGridPoints; ++k) {
        grid[k] = float(k) * 5.0f + 380.0f;
        values[k] = nanValue();
    }
    if (!(cct > 0.0f) || !std::isfinite(cct))
        return false;
    if (cct <= kPlanckianUpTo)
        planckian(cct, values);
    else
        daylight(cct, values);
    return true;
}

} // namespace spectral
