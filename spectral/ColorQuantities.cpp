// Colour ratios, dominant wavelength, SDCM, gamut area indices and S/P ratio.
#include "ColorQuantities.h"

#include "ColorRendering.h"
#include "Colorimetry.h"
#include "LibraryCore.h"
#include "tables/CieTables.h"
#include "tables/GaiBlackbodyFits.h"
#include "tables/PhotopicV5.h"
#include "tables/SdcmEllipseTable.h"

#include <cmath>

namespace spectral {

namespace {

// Band and luminous sums stop at 760 nm (grid point 76).
constexpr int kBlueEnd = 24;   // 380-495 nm
constexpr int kGreenEnd = 44;  // 500-595 nm
constexpr int kRedEnd = 77;    // 600-760 nm
constexpr int kLuminousSumPoints = 77;

constexpr float kWhite = 0.33333f;
constexpr double kWhiteExact = 0.33333;

constexpr int kLocusFirst = 380;
constexpr int kLocusPoints = 401;
constexpr int kCmfLocusOffset = kLocusFirst - cie::kCmf1931XFirst;
constexpr int kScotopicGridOffset = kGridFirstWavelength - cie::kScotopicVFirst;

// Blackbody gamut normalisation is fitted from 1500 K up; the cubics below it diverge.
constexpr float kGaiBlackbodyMinimumCct = 1500.0f;
constexpr float kGaiEesScale = 13553.625f;

struct SpectrumLocus {
    float x[kLocusPoints];
    float y[kLocusPoints];
};

// Chromaticities of the spectral colours, 1 nm from 380 to 780 nm.
const SpectrumLocus &spectrumLocus()
{
    static const SpectrumLocus locus = [] {
        SpectrumLocus l{};
        for (int j = 0; j < kLocusPoints; ++j) {
            const float X = cie::kCmf1931X[kCmfLocusOffset + j];
            const float Y = cie::kCmf1931Y[kCmfLocusOffset + j];
            const float Z = cie::kCmf1931Z[kCmfLocusOffset + j];
            l.x[j] = X / (X + Y + Z);
            l.y[j] = Y / (X + Y + Z);
        }
        return l;
    }();
    return locus;
}

float weightedGridSum(const float *values, const float *weights, int from, int to)
{
    float sum = 0.0f;
    for (int k = from; k < to; ++k)
        sum += values[k] * weights[k];
    return sum;
}

// |signed area| of a closed polygon of (u, v') vertices given by sample indices.
float polygonArea(const float *u, const float *vPrime, const int *vertices, int count)
{
    float area = 0.0f;
    for (int e = 0; e < count; ++e) {
        const int i = vertices[e];
        const int j = vertices[(e + 1) % count];
        area += 0.5f * (u[j] - u[i]) * (vPrime[i] + vPrime[j]);
    }
    return std::fabs(area);
}

float cubic(const GaiCubic &f, float s) { return ((f.a * s + f.b) * s + f.c) * s + f.d; }

} // namespace

void computeRgbRatios(const float *grid, float *r, float *g, float *b)
{
    const float *p = grid + kGridPoints;
    const float blue = weightedGridSum(p, kPhotopicV5, 0, kBlueEnd);
    const float green = weightedGridSum(p, kPhotopicV5, kBlueEnd, kGreenEnd);
    const float red = weightedGridSum(p, kPhotopicV5, kGreenEnd, kRedEnd);
    const float total = red + green + blue;
    if (!(total > 0.0f)) {
        *r = *g = *b = 0.0f;
        return;
    }
    *b = 100.0f * blue / total;
    *g = 100.0f * green / total;
    *r = 100.0f - *b - *g;
}

void computeDominantWavelength(float x, float y, float *ld, float *purity)
{
    *ld = nanValue();
    *purity = nanValue();
    const SpectrumLocus &locus = spectrumLocus();
    const float m = (y - kWhite) / (x - kWhite);
    const float q = std::sqrt(m * m + 1.0f);

    float previous = (m * locus.x[0] - locus.y[0] - m * kWhite + kWhite) / q;
    int crossings = 0;
    int segment[2] = {0, 0};
    float wavelength[2] = {0.0f, 0.0f};
    for (int j = 0; j + 1 < kLocusPoints; ++j) {
        const float next = (m * locus.x[j + 1] - locus.y[j + 1] - m * kWhite + kWhite) / q;
        if (previous * next < 0.0f) {
            if (crossings < 2) {
                segment[crossings] = j;
                wavelength[crossings] =
                    float(kLocusFirst + j) + std::fabs(previous) / (std::fabs(previous) + std::fabs(next));
            }
            ++crossings;
        }
        previous = next;
    }

    int chosen;
    float sign = 1.0f;
    if (crossings == 1) {
        chosen = 0;
        if (double(y) < kWhiteExact)
            sign = -1.0f; // the line meets the purple line: complementary wavelength
    } else {
        chosen = double(x) < kWhiteExact ? 0 : 1;
        if (chosen >= crossings)
            return;
    }
    *ld = sign * wavelength[chosen];
    *purity = sign * 100.0f * (x - kWhite) / (locus.x[segment[chosen]] - kWhite);
}

void computeSdcm(float x, float y, float *sdcm, float *nominalCct)
{
    *sdcm = nanValue();
    *nominalCct = nanValue();
    for (const SdcmEllipse &e : kSdcmEllipses) {
        const float dx = x - e.x;
        const float dy = y - e.y;
        const float d = std::sqrt(e.g11 * 1e4f * dx * dx + 2.0f * e.g12 * 1e4f * dx * dy
                                  + e.g22 * 1e4f * dy * dy);
        // Strictly smaller only: of two equidistant centres the earlier row wins.
        if (!isNaN(d) && (isNaN(*sdcm) || d < *sdcm)) {
            *sdcm = d;
            *nominalCct = e.nominalCct;
        }
    }
}

void computeGai(const float *testUV, float cct, float *gaiEes, float *gaiBb8, float *gaiBb15)
{
    const float *u = testUV;
    float vPrime[kCriSamples];
    for (int i = 0; i < kCriSamples; ++i)
        vPrime[i] = 1.5f * testUV[kCriSamples + i];

    static constexpr int kOctagon[8] = {0, 1, 2, 3, 4, 5, 6, 7};
    static constexpr int kOuter[9] = {0, 7, 8, 9, 10, 11, 12, 13, 14};
    const float area8 = polygonArea(u, vPrime, kOctagon, 8);
    const float area15 = area8 + polygonArea(u, vPrime, kOuter, 9);
    *gaiEes = area8 * kGaiEesScale;

    float f8 = nanValue(), f15 = nanValue();
    if (cct >= kGaiBlackbodyMinimumCct) {
        for (const GaiBlackbodyRange &range : kGaiBlackbodyFits) {
            if (cct >= range.lower && cct < range.upper) {
                const float s = cct / 100.0f;
                f8 = cubic(range.f8, s);
                f15 = cubic(range.f15, s);
                break;
            }
        }
    }
    *gaiBb8 = area8 * f8;
    *gaiBb15 = area15 * f15;
}

float computeSpRatio(const float *grid)
{
    const float *p = grid + kGridPoints;
    float scotopic = 0.0f, photopic = 0.0f;
    for (int k = 0; k < kLuminousSumPoints; ++k) {
        scotopic += p[k] * cie::kScotopicV[kScotopicGridOffset + kGridStep * k];
        photopic += p[k] * kPhotopicV5[k];
    }
    return (1700.0f * scotopic) / (683.0f * photopic);
}

} // namespace spectral
