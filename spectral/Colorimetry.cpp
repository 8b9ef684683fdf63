// 5-nm resampling, tristimulus values and CCT/Duv.
#include "Colorimetry.h"

#include "LibraryCore.h"
#include "tables/CctLineTables.h"
#include "tables/CieTables.h"

#include <cmath>
#include <cstdint>

namespace spectral {

namespace {

// The CIE tables are 1-nm from 360 nm; grid point k sits at row 20 + 5k.
constexpr int kCmfGridOffset = kGridFirstWavelength - cie::kCmf1931XFirst;
static_assert(cie::kCmf1931XFirst == cie::kCmf1931YFirst && cie::kCmf1931XFirst == cie::kCmf1931ZFirst,
              "colour-matching functions share one axis");

// Value of the spectrum extended by mirroring at both ends; NaN when even the mirrored
// wavelength lies outside the spectrum (a too-short spectrum).
float mirroredValue(const SpectrumView &s, int w)
{
    const int64_t first = s.w0;
    const int64_t last = first + s.n - 1;
    int64_t source = w;
    if (w < first)
        source = 2 * first - 1 - w;
    else if (w > last)
        source = 2 * last + 1 - w;
    if (source < first || source > last)
        return nanValue();
    return s.values[source - first];
}

// -1, 0 or +1; NaN stays NaN.
float signOf(float v)
{
    if (v > 0.0f)
        return 1.0f;
    if (v < 0.0f)
        return -1.0f;
    return v;
}

} // namespace

void resampleSpectrum5nm(const FloatArray *spectrum, float *grid)
{
    float *values = grid + kGridPoints;
    for (int k = 0; k < kGridPoints; ++k) {
        grid[k] = float(k) * 5.0f + 380.0f;
        values[k] = nanValue();
    }
    const SpectrumView s = viewSpectrum(spectrum);
    if (!s.valid())
        return;
    const int first = kGridFirstWavelength - 2;
    const int last = kGridLastWavelength + 2;
    // Mirroring extends a spectrum's ends into the grid; it does not make up a visible
    // spectrum from one lying wholly outside it.
    if (s.lastWavelength() < first || s.w0 > last)
        return;
    if (s.covers(first, last)) {
        for (int k = 0; k < kGridPoints; ++k) {
            const float *box = s.values + (first + kGridStep * k - s.w0);
            float sum = 0.0f;
            for (int t = 0; t < 5; ++t)
                sum += box[t];
            values[k] = sum;
        }
        return;
    }
    for (int k = 0; k < kGridPoints; ++k) {
        float sum = 0.0f;
        for (int t = 0; t < 5; ++t)
            sum += mirroredValue(s, first + kGridStep * k + t);
        values[k] = sum;
    }
}

void computeTristimulus(const float *grid, float *X, float *Y, float *Z, float *x, float *y,
                        float *u, float *v, float *uPrime, float *vPrime)
{
    const float *values = grid + kGridPoints;
    float sx = 0.0f, sy = 0.0f, sz = 0.0f;
    for (int k = 0; k < kGridPoints; ++k) {
        const int row = kCmfGridOffset + kGridStep * k;
        sx += values[k] * cie::kCmf1931X[row];
        sy += values[k] * cie::kCmf1931Y[row];
        sz += values[k] * cie::kCmf1931Z[row];
    }
    const float total = sx + sy + sz;
    float cx = nanValue(), cy = nanValue();
    if (total != 0.0f) {
        cx = sx / total;
        cy = sy / total;
    }
    const float d = 12.0f * cy - 2.0f * cx + 3.0f;
    const float cu = 4.0f * cx / d;
    const float cv = 6.0f * cy / d;
    if (X) *X = sx;
    if (Y) *Y = sy;
    if (Z) *Z = sz;
    if (x) *x = cx;
    if (y) *y = cy;
    if (u) *u = cu;
    if (v) *v = cv;
    if (uPrime) *uPrime = cu;
    if (vPrime) *vPrime = 1.5f * cv;
}

void computeCctDuv(float x, float y, float *cct, float *duv)
{
    *cct = nanValue();
    *duv = nanValue();
    const float d = 12.0f * y - 2.0f * x + 3.0f;
    const float u = 4.0f * x / d;
    const float v = 6.0f * y / d;

    // First decision line with the point on it or on the origin's side.
    int line = -1;
    for (int i = 0; i < kCctDecisionLines; ++i) {
        const CctDecisionLine &l = kCctDecisionLineTable[i];
        if (signOf(v - l.m * u - l.c) * signOf(l.c) <= 0.0f) {
            line = i;
            break;
        }
    }
    if (line < 0)
        return;

    const int segment = line - 1;
    float t;
    float distance;
    if (segment < 0) {
        const CctSegment &s0 = kCctSegmentTable[0];
        t = 800000.0f;
        const float du = u - 0.18013418f;
        const float dv = v - 0.2638073f;
        distance = signOf(v - s0.a * u - s0.b) * std::sqrt(du * du + dv * dv);
    } else {
        const CctSegment &s = kCctSegmentTable[segment];
        // Signed perpendicular distance, positive on the side of larger v (above the locus).
        // The segment lines of the lowest temperatures slope downwards; their distance is
        // not flipped with the slope's sign, so Duv keeps its meaning below 1600 K too.
        const float norm = std::sqrt(1.0f + s.a * s.a);
        distance = (v - s.a * u - s.b) / norm;
        if (segment == 0) {
            const float n = (x - 0.3356f) / (y - 0.1691f);
            t = 36284.49f + 0.00228f * std::exp(-n / 0.07861f) + 5.4535e-36f * std::exp(-n / 0.01543f);
        } else if (segment <= 2) {
            const float n = (x - 0.3366f) / (y - 0.1735f);
            t = 6253.803f * std::exp(-n / 0.92159f) - 949.86316f + 28.70599f * std::exp(-n / 0.20039f)
                + 4e-5f * std::exp(-n / 0.07125f);
        } else if (segment < kCctFirstLinearSegment) {
            const float n = (x - 0.332f) / (y - 0.1858f);
            t = 3525.0f * n * n - 449.0f * n * n * n - 6823.3f * n + 5520.33f;
        } else {
            const float p = (s.a * v + u - s.a * s.b) / (1.0f + s.a * s.a);
            t = p * s.scale + s.offset;
        }
    }
    // A fit that breaks down (0/0 at its own centre) gives no CCT rather than the 300 K floor.
    if (t != t)
        return;
    t = t > 300.0f ? t : 300.0f;
    t = t < 800000.0f ? t : 800000.0f;
    *cct = t;
    *duv = distance;
}

} // namespace spectral
