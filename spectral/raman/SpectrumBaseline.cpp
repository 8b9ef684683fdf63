// Fluorescence baseline by asymmetric least squares: minimise
//   sum w_i (y_i - z_i)^2 + lambda * sum (third difference of z)^2
// with small weights where the data lie above the curve, so the curve settles
// under the narrow peaks. A third-difference penalty leaves the curve free to bend
// like the data, so neither a hump's top nor its flanks at the ends of the data are
// cut off. Each pass solves a symmetric banded system in O(n).

#include "raman/RamanTools.h"

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

// Samples on either side over which the noise width at a sample is measured.
constexpr int kNoiseReach = 25;

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

// Robust noise width around each sample, from the second differences, which a smooth
// hump hardly moves. Measured locally, since shot noise grows with the signal and one
// width for the whole spectrum would be too small on a tall hump.
std::vector<double> localNoiseWidths(const double *spectrum, int n)
{
    std::vector<double> second(size_t(n), std::numeric_limits<double>::quiet_NaN());
    for (int i = 1; i + 1 < n; ++i)
        second[size_t(i)] = std::fabs(spectrum[i - 1] - 2.0 * spectrum[i] + spectrum[i + 1]);
    std::vector<double> widths(size_t(n), 0.0), window;
    for (int i = 0; i < n; ++i) {
        window.clear();
        for (int j = std::max(0, i - kNoiseReach); j <= std::min(n - 1, i + kNoiseReach); ++j)
            if (std::isfinite(second[size_t(j)]))
                window.push_back(second[size_t(j)]);
        if (window.empty())
            continue;
        auto middle = window.begin() + std::ptrdiff_t(window.size() / 2);
        std::nth_element(window.begin(), middle, window.end());
        // Median absolute value of a normal variable is 0.6745 of its width; a second
        // difference of white noise is sqrt(6) times wider than the noise.
        widths[size_t(i)] = *middle / 0.6745 / std::sqrt(6.0);
    }
    return widths;
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
    std::vector<double> lineLevel = localNoiseWidths(spectrum, n);
    const double leastLineRise = raman::kBaselineLineMinRise * (highest - lowest);
    for (double &level : lineLevel)
        level = std::max(raman::kBaselineLineThreshold * level, leastLineRise);
    Band P, L;
    differencePenalty(n, raman::kBaselineSmoothness, P);
    for (auto &column : L)
        column.assign(size_t(n), 0.0);
    std::vector<double> z(size_t(n), 0.0), d(size_t(n), 0.0);
    const double p = raman::kBaselineAsymmetry;
    for (int pass = 0; pass < raman::kBaselineIterations; ++pass) {
        solveWeighted(P, w, y, z, L, d);
        bool changed = false;
        for (int i = 0; i < n; ++i) {
            if (!std::isfinite(spectrum[i]))
                continue;
            const double above = y[size_t(i)] - z[size_t(i)];
            const double next = above <= 0.0 ? 1.0 - p
                : above > lineLevel[size_t(i)] ? raman::kBaselineLineWeight : p;
            changed = changed || next != w[size_t(i)];
            w[size_t(i)] = next;
        }
        if (!changed)
            break;
    }
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
