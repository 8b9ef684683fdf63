// Fluorescence baseline by asymmetric least squares: minimise
//   sum w_i (y_i - z_i)^2 + lambda * sum (second difference of z)^2
// with small weights where the data lie above the curve, so the curve settles
// under the narrow peaks. Each pass solves a symmetric pentadiagonal system in O(n).

#include "raman/RamanTools.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Relative size below which a difference between curve and data is the fit's rounding.
constexpr double kFitResidue = 1e-9;

// Bands of lambda * D'D, D the (n-2) x n second-difference operator: diagonal,
// first and second sub-diagonal (entry i couples i with i+1, i+2).
struct Pentadiagonal {
    std::vector<double> d0, d1, d2;
};

Pentadiagonal secondDifferencePenalty(int n, double lambda)
{
    Pentadiagonal p{std::vector<double>(n, 0.0), std::vector<double>(n, 0.0),
                    std::vector<double>(n, 0.0)};
    static const double c[3] = {1.0, -2.0, 1.0};
    for (int r = 0; r + 2 < n; ++r) {
        for (int a = 0; a < 3; ++a) {
            p.d0[r + a] += lambda * c[a] * c[a];
            if (a + 1 < 3)
                p.d1[r + a] += lambda * c[a] * c[a + 1];
        }
        p.d2[r] += lambda * c[0] * c[2];
    }
    return p;
}

// Solves (diag(w) + P) z = w .* y by LDL' factorisation. The matrix is positive
// definite whenever at least two weights are positive.
void solveWeighted(const Pentadiagonal &P, const std::vector<double> &w,
                   const std::vector<double> &y, std::vector<double> &z,
                   std::vector<double> &l1, std::vector<double> &l2, std::vector<double> &dd)
{
    const int n = int(w.size());
    for (int i = 0; i < n; ++i) {
        const double a0 = P.d0[i] + w[i];
        l2[i] = i >= 2 ? P.d2[i - 2] / dd[i - 2] : 0.0;
        l1[i] = 0.0;
        if (i >= 1) {
            double a1 = P.d1[i - 1];
            if (i >= 2)
                a1 -= l2[i] * dd[i - 2] * l1[i - 1];
            l1[i] = a1 / dd[i - 1];
        }
        double d = a0;
        if (i >= 1)
            d -= l1[i] * l1[i] * dd[i - 1];
        if (i >= 2)
            d -= l2[i] * l2[i] * dd[i - 2];
        dd[i] = d;
    }
    for (int i = 0; i < n; ++i) {
        double u = w[i] * y[i];
        if (i >= 1)
            u -= l1[i] * z[i - 1];
        if (i >= 2)
            u -= l2[i] * z[i - 2];
        z[i] = u;
    }
    for (int i = n - 1; i >= 0; --i) {
        double v = z[i] / dd[i];
        if (i + 1 < n)
            v -= l1[i + 1] * z[i + 1];
        if (i + 2 < n)
            v -= l2[i + 2] * z[i + 2];
        z[i] = v;
    }
}

} // namespace

void extract_spec_baseline(const double *spectrum, int length, double *baseline)
{
    if (length <= 0 || !spectrum || !baseline)
        return;
    const int n = length;

    std::vector<double> y(n, 0.0);
    std::vector<double> w(n, 1.0);
    int finiteCount = 0;
    double lowest = 0.0;
    for (int i = 0; i < n; ++i) {
        if (std::isfinite(spectrum[i])) {
            y[i] = spectrum[i];
            lowest = finiteCount == 0 ? y[i] : std::min(lowest, y[i]);
            ++finiteCount;
        } else {
            w[i] = 0.0; // unknown samples carry no weight
        }
    }

    // Too little to fit a curve: a flat line under every known sample.
    if (n < 3 || finiteCount < 2) {
        std::fill(baseline, baseline + n, lowest);
        return;
    }

    // Fit above the lowest sample: a constant offset then passes through exactly.
    for (int i = 0; i < n; ++i)
        if (w[i] != 0.0)
            y[i] -= lowest;

    const Pentadiagonal P = secondDifferencePenalty(n, raman::kBaselineSmoothness);
    std::vector<double> z(n, 0.0), l1(n), l2(n), dd(n);
    const double p = raman::kBaselineAsymmetry;
    for (int pass = 0; pass < raman::kBaselineIterations; ++pass) {
        solveWeighted(P, w, y, z, l1, l2, dd);
        bool changed = false;
        for (int i = 0; i < n; ++i) {
            if (w[i] == 0.0 && !std::isfinite(spectrum[i]))
                continue;
            const double next = y[i] > z[i] ? p : 1.0 - p;
            changed = changed || next != w[i];
            w[i] = next;
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
        const double b = z[i] + lowest;
        const bool onTheData = std::isfinite(spectrum[i]) && std::fabs(spectrum[i] - b) <= residue;
        baseline[i] = onTheData ? spectrum[i] : b;
    }
}
