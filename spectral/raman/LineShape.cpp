#include "raman/LineShape.h"

#include "raman/RamanTools.h"

#include <algorithm>
#include <cmath>

namespace raman {

namespace {

// Relative size below which two slopes differ by rounding only.
constexpr double kSameSlope = 1e-9;
// Steps of the search for a top within its reach, refined by a parabola through the best three.
constexpr int kTopSteps = 8;

// The top within `reach` of `centre` where `leftAt(top, a)` leaves least unexplained with a
// positive height a: searched in kTopSteps steps either side, refined by a parabola through
// the best three. False where no top gives a positive height.
template <typename LeftAt>
bool bestTop(const LeftAt &leftAt, double centre, double reach, double &top)
{
    double left[2 * kTopSteps + 1];
    int at = -1;
    for (int k = -kTopSteps; k <= kTopSteps; ++k) {
        double a = 0.0;
        left[k + kTopSteps] = leftAt(centre + reach * k / kTopSteps, a);
        if (a > 0.0 && (at < 0 || left[k + kTopSteps] < left[at]))
            at = k + kTopSteps;
    }
    if (at < 0)
        return false;
    double offset = 0.0;
    if (at > 0 && at < 2 * kTopSteps) {
        const double curvature = left[at - 1] - 2.0 * left[at] + left[at + 1];
        if (curvature > 0.0)
            offset = std::clamp(0.5 * (left[at - 1] - left[at + 1]) / curvature, -0.5, 0.5);
    }
    top = centre + reach * (at - kTopSteps + offset) / kTopSteps;
    return true;
}

// The normal equations of a * g + b + s * d over `samples`, g the Gaussian of standard
// deviation `sigma` with its top at `top` and d = (x - top) / sigma: the matrix into `m`, the
// right-hand sides into `v`; returns the sum of the squared values.
double slopedNormalEquations(const std::vector<MeasuredSample> &samples, double top, double sigma, double m[3][3],
                             double v[3])
{
    double yy = 0.0;
    for (int r = 0; r < 3; ++r) {
        v[r] = 0.0;
        for (int k = 0; k < 3; ++k)
            m[r][k] = 0.0;
    }
    for (const MeasuredSample &s : samples) {
        const double d = (s.x - top) / sigma;
        const double f[3] = {std::exp(-0.5 * d * d), 1.0, d};
        for (int r = 0; r < 3; ++r) {
            for (int k = 0; k < 3; ++k)
                m[r][k] += f[r] * f[k];
            v[r] += f[r] * s.y;
        }
        yy += s.y * s.y;
    }
    return yy;
}

} // namespace

double shiftPerNmAt(double shift)
{
    const double wavelength = 1e7 / (1e7 / kExcitationWavelengthNm - shift);
    return 1e7 / (wavelength * wavelength);
}

double widestLineAt(double shift)
{
    return kLineWidestFwhm * shiftPerNmAt(shift);
}

void deviceLineSigmas(double shift, std::vector<double> &out)
{
    const double shiftPerNm = shiftPerNmAt(shift);
    out.clear();
    for (int k = 0; k < kLineWidthTrials; ++k) {
        const double fwhm = kLineNarrowestFwhm + (kLineWidestFwhm - kLineNarrowestFwhm) * k / (kLineWidthTrials - 1);
        out.push_back(fwhm / kFwhmPerSigma * shiftPerNm);
    }
}

bool measuredSamplesOf(const double *x, const double *values, int from, int to, std::vector<MeasuredSample> &out)
{
    out.clear();
    double magnitude = 0.0;
    for (int i = from; i <= to; ++i)
        if (std::isfinite(values[i]))
            magnitude = std::max(magnitude, std::fabs(values[i]));
    const auto slope = [&](int i) { return (values[i + 1] - values[i]) / (x[i + 1] - x[i]); };
    const auto bends = [&](int i) {
        const double left = slope(i - 1), right = slope(i);
        const double scale = magnitude / (x[i + 1] - x[i - 1]) + std::fabs(left) + std::fabs(right);
        return !(std::fabs(left - right) <= kSameSlope * scale);
    };
    for (int i = from + 1; i < to; ++i) {
        if (!std::isfinite(values[i - 1]) || !std::isfinite(values[i]) || !std::isfinite(values[i + 1]) || !bends(i))
            continue;
        // A bend at two neighbouring grid points is one sample between them, where the
        // stretches on either side meet; a bend at one alone is a sample on the grid point.
        if (i + 2 <= to && std::isfinite(values[i + 2]) && bends(i + 1)) {
            const double left = slope(i - 1), right = slope(i + 1);
            double at = x[i];
            if (left != right)
                at = (values[i + 1] - values[i] - right * x[i + 1] + left * x[i]) / (left - right);
            at = std::clamp(at, x[i], x[i + 1]);
            out.push_back({at, values[i] + left * (at - x[i])});
            ++i;
        } else {
            out.push_back({x[i], values[i]});
        }
    }
    if (out.size() >= kLeastMatchSamples)
        return true;
    out.clear();
    for (int i = from; i <= to; ++i)
        if (std::isfinite(values[i]))
            out.push_back({x[i], values[i]});
    return false;
}

GaussianMatch bestGaussian(const std::vector<MeasuredSample> &samples, const std::vector<double> &sigmas,
                           double centre, double reach)
{
    GaussianMatch best;
    if (samples.size() < kLeastMatchSamples)
        return best;
    double n = 0.0, sy = 0.0, syy = 0.0;
    for (const MeasuredSample &s : samples) {
        n += 1.0;
        sy += s.y;
        syy += s.y * s.y;
    }
    // What a * g + b leaves unexplained with the top at `top`, and its a and b.
    const auto match = [&](double top, double sigma, double &a, double &b) {
        double sg = 0.0, sgg = 0.0, sgy = 0.0;
        for (const MeasuredSample &s : samples) {
            const double d = (s.x - top) / sigma;
            const double g = std::exp(-0.5 * d * d);
            sg += g;
            sgg += g * g;
            sgy += g * s.y;
        }
        const double cgg = sgg - sg * sg / n, cgy = sgy - sg * sy / n;
        a = cgg > 0.0 ? cgy / cgg : 0.0;
        b = (sy - a * sg) / n;
        return (syy - sy * sy / n) - (cgg > 0.0 ? cgy * cgy / cgg : 0.0);
    };
    for (double sigma : sigmas) {
        double top = 0.0;
        const auto leftAt = [&](double t, double &a) {
            double b = 0.0;
            return match(t, sigma, a, b);
        };
        if (!(sigma > 0.0) || !bestTop(leftAt, centre, reach, top))
            continue;
        double a = 0.0, b = 0.0;
        const double unexplained = match(top, sigma, a, b);
        if (a > 0.0 && (!best.found || unexplained < best.unexplained))
            best = {true, a + b, b, top, sigma, unexplained};
    }
    return best;
}

GaussianMatch finestGaussian(const std::vector<MeasuredSample> &samples, const std::vector<double> &sigmas,
                             double centre, double reach)
{
    const GaussianMatch coarse = bestGaussian(samples, sigmas, centre, reach);
    if (!coarse.found)
        return coarse;
    const GaussianMatch fine = bestGaussian(samples, {coarse.sigma}, coarse.centre, reach / kTopSteps);
    return fine.found && fine.unexplained <= coarse.unexplained ? fine : coarse;
}

GaussianMatch bestGaussianOverSlope(const std::vector<MeasuredSample> &samples, const std::vector<double> &sigmas,
                                    double centre, double reach)
{
    GaussianMatch best;
    if (samples.size() < kLeastMatchSamples + 1)
        return best;
    // What a * g + b + s * (x - top) / sigma leaves unexplained, by the normal equations
    // solved by elimination; `a` is the Gaussian's height (0 where they have no solution).
    const auto match = [&](double top, double sigma, double &a) {
        double normal[3][3], rhs[3];
        const double yy = slopedNormalEquations(samples, top, sigma, normal, rhs);
        double m[3][4];
        for (int r = 0; r < 3; ++r) {
            for (int k = 0; k < 3; ++k)
                m[r][k] = normal[r][k];
            m[r][3] = rhs[r];
        }
        for (int col = 0; col < 3; ++col) {
            int pivot = col;
            for (int r = col + 1; r < 3; ++r)
                if (std::fabs(m[r][col]) > std::fabs(m[pivot][col]))
                    pivot = r;
            std::swap(m[col], m[pivot]);
            if (!(std::fabs(m[col][col]) > 1e-12)) {
                a = 0.0;
                return 0.0;
            }
            for (int r = 0; r < 3; ++r) {
                if (r == col)
                    continue;
                const double factor = m[r][col] / m[col][col];
                for (int k = col; k < 4; ++k)
                    m[r][k] -= factor * m[col][k];
            }
        }
        double explained = 0.0;
        for (int r = 0; r < 3; ++r)
            explained += m[r][3] / m[r][r] * rhs[r];
        a = m[0][3] / m[0][0];
        return yy - explained;
    };
    for (double sigma : sigmas) {
        double top = 0.0;
        const auto leftAt = [&](double t, double &a) { return match(t, sigma, a); };
        if (!(sigma > 0.0) || !bestTop(leftAt, centre, reach, top))
            continue;
        double a = 0.0;
        const double unexplained = match(top, sigma, a);
        if (a > 0.0 && (!best.found || unexplained < best.unexplained))
            best = {true, 0.0, 0.0, top, sigma, unexplained};
    }
    return best;
}

bool heightOverSlope(const std::vector<MeasuredSample> &samples, double centre, double sigma, double &height,
                     double &variancePerNoise)
{
    if (samples.size() < kLeastMatchSamples || !(sigma > 0.0))
        return false;
    double m[3][3], v[3];
    slopedNormalEquations(samples, centre, sigma, m, v);
    // The height, and the first diagonal element of the matrix's inverse, by its cofactors.
    const double c00 = m[1][1] * m[2][2] - m[1][2] * m[2][1];
    const double c01 = m[1][2] * m[2][0] - m[1][0] * m[2][2];
    const double c02 = m[1][0] * m[2][1] - m[1][1] * m[2][0];
    const double det = m[0][0] * c00 + m[0][1] * c01 + m[0][2] * c02;
    if (!(std::fabs(det) > 1e-12 * m[0][0] * m[1][1] * m[2][2]))
        return false;
    height = (c00 * v[0] + c01 * v[1] + c02 * v[2]) / det;
    variancePerNoise = c00 / det;
    return std::isfinite(height) && variancePerNoise > 0.0;
}

} // namespace raman
