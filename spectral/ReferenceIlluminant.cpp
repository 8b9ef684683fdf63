// Planckian and CIE daylight spectra for the colour-rendering reference.
#include "ReferenceIlluminant.h"

#include "CieDaylight.h"
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

void daylight(float cct, float *values)
{
    const DaylightWeights m = daylightWeights(cct);
    for (int k = 0; k < kGridPoints; ++k) {
        const int row = kDaylightGridOffset + k;
        values[k] = cie::kDaylightS0[row] + m.m1 * cie::kDaylightS1[row] + m.m2 * cie::kDaylightS2[row];
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
