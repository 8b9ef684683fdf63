// Fluorescence baseline by asymmetric least squares: minimise
//   sum w_i (y_i - z_i)^2 + lambda * sum (third difference of z)^2
// with small weights where the data lie above the curve, so the curve settles
// under the narrow peaks. A third-difference penalty leaves the curve free to bend
// like the data, so neither a hump's top nor its flanks at the ends of the data are
// cut off. Each pass solves a symmetric banded system in O(n).

#include "raman/RamanTools.h"
#include "raman/WeightedParabola.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// Order of the differences the smoothness penalty acts on, and so the half bandwidth
// of the system matrix.
constexpr int kOrder = 3;

// Relative size below which a difference between curve and data is the fit's rounding.
constexpr double kFitResidue = 1e-9;

// Passes of the robust fit of the noise model, and the squared deviation (in model
// variances) beyond which a second difference is a line's, not noise.
constexpr int kNoiseModelPasses = 4;
constexpr double kNoiseModelClip = 9.0;
// A detector reads whole counts: rounding alone spreads every count by a uniform step of one,
// whatever the light, so no count is known more closely than that step's variance.
constexpr double kRoundingVariance = 1.0 / 12.0;

// Samples on either side whose median rise above the baseline tells where the data lie
// without their lines.
constexpr int kLineFreeLevelReach = 15;

// Band of a symmetric matrix: band[k][i] holds entry (i, i + k), k = 0 .. kOrder.
using Band = std::array<std::vector<double>, kOrder + 1>;

// lambda * D'D, D the (n - kOrder) x n operator of third differences.
void differencePenalty(int n, double lambda, Band &penalty)
{
    static const double c[kOrder + 1] = {-1.0, 3.0, -3.0, 1.0};
    for (auto &diagonal : penalty)
        diagonal.assign(size_t(n), 0.0);
    for (int r = 0; r + kOrder < n; ++r)
        for (int a = 0; a <= kOrder; ++a)
            for (int b = a; b <= kOrder; ++b)
                penalty[b - a][size_t(r + a)] += lambda * c[a] * c[b];
}

// Adds lambda * D2'D2 over the rows of second differences within a run of line-weighted
// samples that reaches an end of the data: where lines hide the fluorescence at a free end,
// the curve runs straight under them instead of bending up towards them, which nothing
// else would stop there.
void straightUnderEndLines(const std::vector<double> &w, double lambda, Band &penalty)
{
    static const double c[3] = {1.0, -2.0, 1.0};
    const size_t n = w.size();
    size_t head = 0, tail = n;
    while (head < n && w[head] == raman::kBaselineLineWeight)
        ++head;
    while (tail > head && w[tail - 1] == raman::kBaselineLineWeight)
        --tail;
    for (size_t r = 0; r + 2 < n; ++r) {
        if (r + 2 >= head && r < tail)
            continue;
        for (size_t a = 0; a <= 2; ++a)
            for (size_t b = a; b <= 2; ++b)
                penalty[b - a][r + a] += lambda * c[a] * c[b];
    }
}

// Solves (diag(w) + P) z = w .* y by an LDL' factorisation within the band. The matrix
// is positive definite once kOrder weights are positive (P vanishes on quadratics only).
void solveWeighted(const Band &P, const std::vector<double> &w, const std::vector<double> &y,
                   std::vector<double> &z, Band &L, std::vector<double> &d)
{
    const int n = int(w.size());
    for (int i = 0; i < n; ++i) {
        // L[k][j] is the factor's entry (j + k, j).
        for (int k = kOrder; k >= 1; --k) {
            const int j = i - k;
            if (j < 0)
                continue;
            double a = P[k][size_t(j)];
            for (int m = std::max(0, i - kOrder); m < j; ++m)
                a -= L[i - m][size_t(m)] * L[j - m][size_t(m)] * d[size_t(m)];
            L[k][size_t(j)] = a / d[size_t(j)];
        }
        double a = P[0][size_t(i)] + w[size_t(i)];
        for (int m = std::max(0, i - kOrder); m < i; ++m)
            a -= L[i - m][size_t(m)] * L[i - m][size_t(m)] * d[size_t(m)];
        d[size_t(i)] = a;
    }
    for (int i = 0; i < n; ++i) {
        double u = w[size_t(i)] * y[size_t(i)];
        for (int k = 1; k <= kOrder && i - k >= 0; ++k)
            u -= L[k][size_t(i - k)] * z[size_t(i - k)];
        z[size_t(i)] = u;
    }
    for (int i = n - 1; i >= 0; --i) {
        double v = z[size_t(i)] / d[size_t(i)];
        for (int k = 1; k <= kOrder && i + k < n; ++k)
            v -= L[k][size_t(i)] * z[size_t(i + k)];
        z[size_t(i)] = v;
    }
}

// A detector's noise: a variance of read + gain * signal (read noise and shot noise).
struct NoiseModel {
    double read = 0.0;
    double gain = 0.0;
    double widthAt(double signal) const { return std::sqrt(read + gain * std::max(signal, 0.0)); }
};

// The noise model fitted over the whole spectrum to the squared second differences, which
// a smooth hump hardly moves. Squares far above the model are lines and are left out of
// the next pass, so a cluster of lines does not raise the noise beside it, as any width
// measured near them would.
NoiseModel noiseModelOf(const double *spectrum, int n)
{
    std::vector<double> level, square;
    for (int i = 1; i + 1 < n; ++i) {
        const double second = spectrum[i - 1] - 2.0 * spectrum[i] + spectrum[i + 1];
        const double mean = (spectrum[i - 1] + spectrum[i] + spectrum[i + 1]) / 3.0;
        if (std::isfinite(second) && std::isfinite(mean)) {
            level.push_back(std::max(mean, 0.0));
            // A second difference of white noise has six times its variance.
            square.push_back(second * second / 6.0);
        }
    }
    double a = 0.0, g = 0.0;
    for (int pass = 0; pass < kNoiseModelPasses && !level.empty(); ++pass) {
        // Least squares weighted by the inverse squared model variance, the spread of a square.
        double sw = 0.0, sx = 0.0, sxx = 0.0, sy = 0.0, sxy = 0.0;
        for (size_t k = 0; k < level.size(); ++k) {
            const double model = a + g * level[k];
            if (pass > 0 && !(square[k] <= kNoiseModelClip * model))
                continue;
            const double weight = pass > 0 && model > 0.0 ? 1.0 / (model * model) : 1.0;
            sw += weight;
            sx += weight * level[k];
            sxx += weight * level[k] * level[k];
            sy += weight * square[k];
            sxy += weight * level[k] * square[k];
        }
        const double spread = sw * sxx - sx * sx;
        g = spread > 0.0 ? std::max(0.0, (sw * sxy - sx * sy) / spread) : 0.0;
        a = sw > 0.0 ? std::max(0.0, (sy - g * sx) / sw) : 0.0;
    }
    return {std::max(a, kRoundingVariance), g};
}

// The level the data keep without their lines: the baseline, which the fit lays low in the
// noise band (more than a noise width under a dim stretch's mean), raised by the median rise
// of the samples around it. Lines among them can only raise it.
std::vector<double> lineFreeLevels(const double *spectrum, const double *baseline, int n)
{
    std::vector<double> levels(size_t(n), 0.0), rises;
    for (int i = 0; i < n; ++i) {
        rises.clear();
        for (int k = std::max(0, i - kLineFreeLevelReach); k <= std::min(n - 1, i + kLineFreeLevelReach); ++k)
            if (std::isfinite(spectrum[k]) && std::isfinite(baseline[k]))
                rises.push_back(spectrum[k] - baseline[k]);
        double median = 0.0;
        if (!rises.empty()) {
            const auto middle = rises.begin() + std::ptrdiff_t(rises.size() / 2);
            std::nth_element(rises.begin(), middle, rises.end());
            median = *middle;
        }
        levels[size_t(i)] = baseline[i] + std::max(median, 0.0);
    }
    return levels;
}

// Noise width at each sample, by the model at the sample's own value.
std::vector<double> localNoiseWidths(const double *spectrum, int n)
{
    const NoiseModel model = noiseModelOf(spectrum, n);
    std::vector<double> widths(size_t(n), 0.0);
    for (int i = 0; i < n; ++i)
        if (std::isfinite(spectrum[i]))
            widths[size_t(i)] = model.widthAt(spectrum[i]);
    return widths;
}

// The samples that belong to lines, in nearLine: those more than their line level above the
// curve z, unless alone (a line spans samples; a lone one is noise), and those within
// kBaselineLineReach of them, a line's flanks and the valleys between close lines.
void markLineSamples(const double *spectrum, const std::vector<double> &y, const std::vector<double> &z,
                     const std::vector<double> &lineLevel, std::vector<char> &line, std::vector<char> &nearLine)
{
    const int n = int(y.size());
    for (int i = 0; i < n; ++i)
        line[size_t(i)] = std::isfinite(spectrum[i]) && y[size_t(i)] - z[size_t(i)] > lineLevel[size_t(i)];
    const auto lineAt = [&](int i) { return i >= 0 && i < n && line[size_t(i)]; };
    std::fill(nearLine.begin(), nearLine.end(), 0);
    for (int i = 0; i < n; ++i) {
        if (!lineAt(i) || (!lineAt(i - 1) && !lineAt(i + 1)))
            continue;
        for (int k = std::max(0, i - raman::kBaselineLineReach); k <= std::min(n - 1, i + raman::kBaselineLineReach); ++k)
            nearLine[size_t(k)] = 1;
    }
}

// The hump's own shape carried back under the samples before `from`, from the
// kBaselineHeadFitReach samples beginning there (and over those): a parabola through the logarithm of their
// line-free values (a fluorescence flank is close to one, where a straight line or the free
// fit strays by more than a weak line's height), weighted by their size, as shot noise
// spreads their logarithm. False where those samples are too few or not all positive.
bool carriedBackShape(const double *spectrum, const std::vector<double> &w, int from, std::vector<double> &shape)
{
    int end = from + raman::kBaselineHeadFitReach;
    if (from <= 0 || end > int(w.size()))
        return false;
    // A clipped top tells nothing of the shape, and may fill most of the reach: it counts
    // only known samples, or a flank before a plateau would be left to the free fit.
    for (int i = from; i < end && end < int(w.size()); ++i)
        if (!std::isfinite(spectrum[i]))
            ++end;
    std::vector<double> x, logValue, weight;
    for (int i = from; i < end; ++i) {
        if (w[size_t(i)] == raman::kBaselineLineWeight || !std::isfinite(spectrum[i]))
            continue;
        if (!(spectrum[i] > 0.0))
            return false;
        x.push_back(double(i - from));
        logValue.push_back(std::log(spectrum[i]));
        weight.push_back(spectrum[i]);
    }
    double c[3];
    if (int(x.size()) < raman::kBaselineHeadFitReach / 2 || !raman::weightedParabola(x, logValue, weight, c))
        return false;
    shape.assign(size_t(end), 0.0);
    for (int i = 0; i < end; ++i) {
        const double at = double(i - from);
        shape[size_t(i)] = std::exp(c[0] + c[1] * at + c[2] * at * at);
        if (!std::isfinite(shape[size_t(i)]))
            return false;
    }
    return true;
}

// Beyond `from`, where the curve took the hump's shape carried back, the free fit may still
// lie above the shape, lifted by a line it did not tell from the hump, or below it, still
// bent under the lines it left behind: the curve keeps to the shape until the two meet at a
// known sample that is no line's, so it neither steps up under that line's flank nor leaves
// a bump of the hump above it. Where the fit is free, under samples it took for a line, it
// may cross the shape and swing back: that is no meeting.
void keepToShapeUntilItMeetsTheFit(const std::vector<double> &shape, const std::vector<double> &w, int from,
                                   double lowest, std::vector<double> &z)
{
    if (from >= int(shape.size()))
        return;
    const bool above = z[size_t(from)] > shape[size_t(from)] - lowest;
    for (int i = from; i < int(shape.size()); ++i) {
        const bool holdsTheFit = w[size_t(i)] != raman::kBaselineLineWeight && w[size_t(i)] != 0.0;
        if (holdsTheFit && (z[size_t(i)] > shape[size_t(i)] - lowest) != above)
            break;
        z[size_t(i)] = shape[size_t(i)] - lowest;
    }
}

// Under the run of line samples that opens the data, the curve is the hump's shape
// carried back from beyond it.
void shapeUnderHeadLines(const double *spectrum, const std::vector<double> &w, double lowest,
                         std::vector<double> &z)
{
    int head = 0;
    while (head < int(w.size()) && w[size_t(head)] == raman::kBaselineLineWeight)
        ++head;
    std::vector<double> shape;
    if (!carriedBackShape(spectrum, w, head, shape))
        return;
    for (int i = 0; i < head; ++i)
        z[size_t(i)] = shape[size_t(i)] - lowest;
    keepToShapeUntilItMeetsTheFit(shape, w, head, lowest, z);
}

// Under a cluster of lines at the start, whose valleys hide the fluorescence as well as its
// lines do, the free fit settles on the valleys, or, where noise splits the cluster so that
// few line-free samples hold it, sags far under them. The curve follows the hump's shape
// carried back from beyond the cluster instead, unless a sample falls clearly below it,
// which a true shape would not leave.
void shapeUnderHeadCluster(const double *spectrum, const std::vector<double> &w,
                           const std::vector<double> &widths, double lowest, std::vector<double> &z)
{
    const int n = int(w.size());
    int last = -1;
    for (int i = 0; i < n && i - last <= raman::kBaselineHeadClusterGap + 1; ++i)
        if (w[size_t(i)] == raman::kBaselineLineWeight)
            last = i;
    std::vector<double> shape;
    if (last < 0 || !carriedBackShape(spectrum, w, last + 1, shape))
        return;
    for (int i = 0; i <= last; ++i)
        if (std::isfinite(spectrum[i])
            && spectrum[i] < shape[size_t(i)] - raman::kBaselineHeadClusterRefutation * widths[size_t(i)])
            return;
    for (int i = 0; i <= last; ++i)
        z[size_t(i)] = shape[size_t(i)] - lowest;
    keepToShapeUntilItMeetsTheFit(shape, w, last + 1, lowest, z);
}

} // namespace

void extract_spec_baseline(const double *spectrum, int length, double *baseline)
{
    if (length <= 0 || !spectrum || !baseline)
        return;
    const int n = length;

    std::vector<double> y(size_t(n), 0.0);
    std::vector<double> w(size_t(n), 1.0);
    int finiteCount = 0;
    double lowest = 0.0, highest = 0.0;
    for (int i = 0; i < n; ++i) {
        if (std::isfinite(spectrum[i])) {
            y[size_t(i)] = spectrum[i];
            lowest = finiteCount == 0 ? y[size_t(i)] : std::min(lowest, y[size_t(i)]);
            highest = finiteCount == 0 ? y[size_t(i)] : std::max(highest, y[size_t(i)]);
            ++finiteCount;
        } else {
            w[size_t(i)] = 0.0; // unknown samples carry no weight
        }
    }

    // Too little to fit a curve: a flat line under every known sample.
    if (finiteCount < kOrder) {
        std::fill(baseline, baseline + n, lowest);
        return;
    }

    // Fit above the lowest sample: a constant offset then passes through exactly.
    for (int i = 0; i < n; ++i)
        if (w[size_t(i)] != 0.0)
            y[size_t(i)] -= lowest;

    // Above this a sample is a line: some local noise widths, and more than the fit's own error.
    const std::vector<double> widths = localNoiseWidths(spectrum, n);
    std::vector<double> lineLevel = widths;
    const double leastLineRise = raman::kBaselineLineMinRise * (highest - lowest);
    for (double &level : lineLevel)
        level = std::max(raman::kBaselineLineThreshold * level, leastLineRise);
    // A stiff curve first finds the lines, clusters included, without settling into the
    // valleys between them; the flexible one then follows the hump beside them.
    Band stiff, flexible, P, L;
    differencePenalty(n, raman::kBaselineLineFindingSmoothness, stiff);
    differencePenalty(n, raman::kBaselineSmoothness, flexible);
    for (auto &column : L)
        column.assign(size_t(n), 0.0);
    std::vector<double> z(size_t(n), 0.0), d(size_t(n), 0.0);
    std::vector<char> line(size_t(n), 0), nearLine(size_t(n), 0);
    const double p = raman::kBaselineAsymmetry;
    for (const Band *smoothness : {&stiff, &flexible}) {
        for (int pass = 0; pass < raman::kBaselineIterations; ++pass) {
            P = *smoothness;
            straightUnderEndLines(w, raman::kBaselineStraightness, P);
            solveWeighted(P, w, y, z, L, d);
            markLineSamples(spectrum, y, z, lineLevel, line, nearLine);
            bool changed = false;
            for (int i = 0; i < n; ++i) {
                if (!std::isfinite(spectrum[i]))
                    continue;
                const double above = y[size_t(i)] - z[size_t(i)];
                const double next = nearLine[size_t(i)] ? raman::kBaselineLineWeight : above <= 0.0 ? 1.0 - p : p;
                changed = changed || next != w[size_t(i)];
                w[size_t(i)] = next;
            }
            if (!changed)
                break;
        }
    }
    shapeUnderHeadLines(spectrum, w, lowest, z);
    shapeUnderHeadCluster(spectrum, w, widths, lowest, z);
    // Where the curve comes within rounding of a sample, it is the sample: a smooth
    // signal then leaves exactly nothing above its baseline.
    double magnitude = 0.0;
    for (int i = 0; i < n; ++i)
        if (std::isfinite(spectrum[i]))
            magnitude = std::max(magnitude, std::fabs(spectrum[i]));
    const double residue = kFitResidue * magnitude;
    for (int i = 0; i < n; ++i) {
        const double b = z[size_t(i)] + lowest;
        const bool onTheData = std::isfinite(spectrum[i]) && std::fabs(spectrum[i] - b) <= residue;
        baseline[i] = onTheData ? spectrum[i] : b;
    }
}

void spectrum_noise_widths(const double *spectrum, int length, double *widths)
{
    if (length <= 0 || !spectrum || !widths)
        return;
    const NoiseModel model = noiseModelOf(spectrum, length);
    // A detector reads whole counts, so below one count its spread is that of one.
    for (int i = 0; i < length; ++i)
        widths[i] = std::isfinite(spectrum[i]) ? model.widthAt(std::max(spectrum[i], model.gain)) : 0.0;
}

void line_free_noise_widths(const double *spectrum, const double *baseline, int length, double *widths)
{
    if (length <= 0 || !spectrum || !baseline || !widths)
        return;
    const NoiseModel model = noiseModelOf(spectrum, length);
    const std::vector<double> levels = lineFreeLevels(spectrum, baseline, length);
    for (int i = 0; i < length; ++i) {
        const double level = levels[size_t(i)];
        if (!std::isfinite(spectrum[i]) || !std::isfinite(level)) {
            widths[i] = 0.0;
            continue;
        }
        // The baseline misses a smooth hump by up to its own error, kBaselineLineMinRise of its
        // height, which the fit takes for no line (at kBaselineLineThreshold widths): where the
        // counts are known far more closely than that, as noise-free ones are, what it leaves
        // is no line either.
        const double fitError = raman::kBaselineLineMinRise / raman::kBaselineLineThreshold * std::fabs(level);
        widths[i] = std::hypot(model.widthAt(std::max(level, model.gain)), fitError);
        // Counts of a dim level reach far up more often than a normal spread says: a rise
        // counts as many widths as the likelihood ratio of the counts, read as shot noise
        // on the level, gives it. It is the rise over the spread for a rise small beside
        // the level; a line as tall as the level counts 0.88 of that.
        const double rise = spectrum[i] - level;
        if (!(rise > 0.0) || !(model.gain > 0.0))
            continue;
        const double counted = widths[i] * widths[i] / (model.gain * model.gain);
        const double risen = rise / model.gain;
        const double squaredWidths = 2.0 * ((counted + risen) * std::log1p(risen / counted) - risen);
        if (squaredWidths > 0.0)
            widths[i] = rise / std::sqrt(squaredWidths);
    }
}
