#include "PlanckianLocus.h"

#include "tables/CieTables.h"

#include <cmath>

namespace spectral {

namespace {

constexpr double kSecondRadiationConstant = 1.4388e-2; // m K
constexpr int kTablePoints = cie::kCmf1931XCount;

double wavelengthMetres(int i)
{
    return (cie::kCmf1931XFirst + cie::kCmf1931XStep * i) * 1e-9;
}

// Chromaticity of a spectrum given as a weight per table row.
template <typename Weight>
Chromaticity weightedChromaticity(Weight weight)
{
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
    for (int i = 0; i < kTablePoints; ++i) {
        const double w = weight(i);
        X += w * cie::kCmf1931X[i];
        Y += w * cie::kCmf1931Y[i];
        Z += w * cie::kCmf1931Z[i];
    }
    const double sum = X + Y + Z;
    return {X / sum, Y / sum};
}

} // namespace

Chromaticity planckianChromaticity(double kelvin)
{
    // Relative to the longest wavelength, so that cold bodies do not underflow to zero.
    const double last = wavelengthMetres(kTablePoints - 1);
    const double lastTerm = kSecondRadiationConstant / (last * kelvin);
    return weightedChromaticity([&](int i) {
        const double lambda = wavelengthMetres(i);
        const double term = kSecondRadiationConstant / (lambda * kelvin);
        // lambda^-5 / (e^term - 1), over the same at the last wavelength.
        const double ratio = std::pow(last / lambda, 5.0);
        if (term > 700.0)
            return ratio * std::exp(lastTerm - term);
        return ratio * std::expm1(lastTerm) / std::expm1(term);
    });
}

Chromaticity planckianLimitHot()
{
    return weightedChromaticity([](int i) { return std::pow(wavelengthMetres(i) * 1e9, -4.0); });
}

Chromaticity planckianLimitCold()
{
    return weightedChromaticity([](int i) { return i == kTablePoints - 1 ? 1.0 : 0.0; });
}

std::vector<Chromaticity> planckianLocusByX(int count)
{
    const Chromaticity hot = planckianLimitHot();
    const Chromaticity cold = planckianLimitCold();
    std::vector<Chromaticity> points;
    if (count < 2)
        return points;
    points.reserve(count);
    const double step = (cold.x - hot.x) / (count - 1);
    points.push_back(hot);
    for (int k = 1; k < count - 1; ++k) {
        const double x = hot.x + step * k;
        // x falls as the temperature rises: bisect log T.
        double lo = std::log(1.0);
        double hi = std::log(1e12);
        for (int iteration = 0; iteration < 100; ++iteration) {
            const double mid = 0.5 * (lo + hi);
            if (planckianChromaticity(std::exp(mid)).x > x)
                lo = mid;
            else
                hi = mid;
        }
        points.push_back({x, planckianChromaticity(std::exp(0.5 * (lo + hi))).y});
    }
    points.push_back(cold);
    return points;
}

std::vector<Chromaticity> spectralLocus()
{
    std::vector<Chromaticity> points;
    points.reserve(kTablePoints);
    for (int i = 0; i < kTablePoints; ++i) {
        const double X = cie::kCmf1931X[i];
        const double Y = cie::kCmf1931Y[i];
        const double sum = X + Y + cie::kCmf1931Z[i];
        points.push_back({X / sum, Y / sum});
    }
    return points;
}

Chromaticity toCie1960(Chromaticity xy)
{
    const double d = -2.0 * xy.x + 12.0 * xy.y + 3.0;
    return {4.0 * xy.x / d, 6.0 * xy.y / d};
}

Chromaticity toCie1976(Chromaticity xy)
{
    const double d = -2.0 * xy.x + 12.0 * xy.y + 3.0;
    return {4.0 * xy.x / d, 9.0 * xy.y / d};
}

} // namespace spectral
