// Noise and level where a peak stands, from the measured values around it.

#include "raman/PeakJudging.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace raman::detail {

namespace {

double medianOf(std::vector<double> &v)
{
    auto middle = v.begin() + std::ptrdiff_t(v.size() / 2);
    std::nth_element(v.begin(), middle, v.end());
    return *middle;
}

// Shift (cm^-1) around a value whose median the noise is measured from, and the
// measured shift at either end where the baseline is free to stray and no noise is taken.
constexpr double kResidualReach = 100.0;
// A normal variable's median absolute deviation in widths, and the deviations (in such
// widths) beyond which a value counts no more than this.
constexpr double kNormalMadToWidth = 1.0 / 0.6745;
constexpr double kNoiseClip = 3.5;
// Values the noise is measured from at least; with fewer, only the prominence counts.
constexpr size_t kLeastNoiseValues = 6;
// The noise where a peak stands is never taken below this fraction of the mean around it:
// a trend carried to the end of its data is no measure.
constexpr double kLeastNoiseOfMean = 0.25;

// Residuals are taken at every this many grid points: the grid is finer than the
// measurement, so the others would add time and hardly any knowledge.
constexpr int kResidualStride = 2;

// Variance at 0 of the straight line fitted by least squares through squared residuals
// at offsets x, each clipped at kNoiseClip robust widths so a line nearby hardly counts;
// not below kLeastNoiseOfMean of their mean.
double varianceAt(const std::vector<double> &x, const std::vector<double> &r, std::vector<double> &magnitudes)
{
    magnitudes.resize(r.size());
    for (size_t i = 0; i < r.size(); ++i)
        magnitudes[i] = std::fabs(r[i]);
    const double clip = kNoiseClip * kNormalMadToWidth * medianOf(magnitudes);
    double n = 0.0, sx = 0.0, sxx = 0.0, sy = 0.0, sxy = 0.0;
    for (size_t i = 0; i < r.size(); ++i) {
        const double d = std::min(std::fabs(r[i]), clip);
        n += 1.0;
        sx += x[i];
        sxx += x[i] * x[i];
        sy += d * d;
        sxy += x[i] * d * d;
    }
    const double mean = sy / n;
    const double spread = n * sxx - sx * sx;
    const double atZero = spread > 0.0 ? (sxx * sy - sx * sxy) / spread : mean;
    return std::max(atZero, kLeastNoiseOfMean * mean);
}

} // namespace

std::vector<double> residualsOf(const double *shift, const double *values, int count, const Measured &measured)
{
    std::vector<double> residuals(size_t(count), std::numeric_limits<double>::quiet_NaN());
    std::vector<double> window;
    int from = measured.first, to = measured.first;
    for (int i = measured.first; i <= measured.last; ++i) {
        while (shift[i] - shift[from] > kResidualReach)
            ++from;
        while (to + 1 <= measured.last && shift[to + 1] - shift[i] <= kResidualReach)
            ++to;
        if (i % kResidualStride != 0 || shift[i] - shift[measured.first] < kResidualReach
            || shift[measured.last] - shift[i] < kResidualReach || !std::isfinite(values[i]))
            continue;
        window.clear();
        for (int j = from; j <= to; ++j)
            if (std::isfinite(values[j]))
                window.push_back(values[j]);
        residuals[size_t(i)] = values[i] - medianOf(window);
    }
    return residuals;
}

Surroundings surroundingsOf(const Candidate &c, Judging &j, const std::vector<char> &leftOut)
{
    const double *shift = j.shift;
    const double *values = j.values;
    const Measured &measured = j.measured;
    const std::vector<double> &residuals = j.residuals;
    std::vector<double> &levels = j.levels, &x = j.x, &r = j.r;
    levels.clear();
    x.clear();
    r.clear();
    const double width = shift[c.bodyLast] - shift[c.bodyFirst];
    Surroundings found;
    std::vector<double> &side = j.sideLevels;
    for (int direction : {-1, +1}) {
        const size_t sideFrom = levels.size();
        const int edge = direction < 0 ? c.bodyFirst : c.bodyLast;
        for (int i = edge + direction; i >= measured.first && i <= measured.last; i += direction) {
            const double distance = std::fabs(shift[i] - shift[edge]);
            if (!(distance <= width + raman::kPeakSurroundings))
                break;
            if (distance <= width || leftOut[size_t(i)])
                continue;
            if (distance <= width + raman::kPeakLevelReach && std::isfinite(values[i]))
                levels.push_back(values[i]);
            if (!residuals.empty() && std::isfinite(residuals[size_t(i)])) {
                x.push_back(shift[i] - shift[c.first]);
                r.push_back(residuals[size_t(i)]);
            }
        }
        if (levels.size() > sideFrom) {
            side.assign(levels.begin() + std::ptrdiff_t(sideFrom), levels.end());
            const double sideLevel = medianOf(side);
            found.lowerSideLevel = found.sidesRead == 0 ? sideLevel : std::min(found.lowerSideLevel, sideLevel);
            ++found.sidesRead;
        }
    }
    found.levelKnown = !levels.empty();
    found.level = found.levelKnown ? medianOf(levels) : 0.0;
    if (j.noiseWidths) {
        const double known = j.presenceNoiseWidths[(c.first + c.last) / 2];
        found.noise = std::isfinite(known) && known > 0.0 ? known : 0.0;
    } else {
        found.noise = r.size() >= kLeastNoiseValues ? std::sqrt(varianceAt(x, r, j.magnitudes)) : 0.0;
    }
    return found;
}

} // namespace raman::detail
