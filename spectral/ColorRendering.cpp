// CIE 13.3 colour rendering: test samples under the source, chromatically adapted, against
// the same samples under the reference illuminant of the source's CCT.
#include "ColorRendering.h"

#include "Colorimetry.h"
#include "LibraryCore.h"
#include "ReferenceIlluminant.h"
#include "SampleLanes.h"
#include "tables/CieTables.h"
#include "tables/CriReferenceFits.h"
#include "tables/Tcs15Reflectance.h"

#include <cmath>

namespace spectral {

namespace {

// The sample sums stop at 760 nm: the points 765 to 780 nm do not enter.
constexpr int kCriSumPoints = 77;
constexpr int kCmfGridOffset = kGridFirstWavelength - cie::kCmf1931XFirst;
constexpr int kTcsGridOffset = (kGridFirstWavelength - cie::kTcsFirst) / cie::kTcsStep;

struct Uvw {
    float u;
    float v;
    float w;
};

// Reflectances of TCS01-TCS15 on the grid.
struct SampleTable {
    float rows[kCriSamples][kGridPoints];
};

const SampleTable &samples()
{
    static const SampleTable table = [] {
        SampleTable t{};
        for (int i = 0; i < cie::kTcsRows; ++i)
            for (int k = 0; k < kGridPoints; ++k)
                t.rows[i][k] = cie::kTcs[i][kTcsGridOffset + k];
        for (int k = 0; k < kGridPoints; ++k)
            t.rows[kCriSamples - 1][k] = kTcs15Reflectance[k];
        return t;
    }();
    return table;
}

// The samples side by side at each grid point, for summing all of them in one pass; the
// lane after the last sample has reflectance 1, so its Y sum is the source's own.
constexpr int kSampleLanes = 16;
constexpr int kWhiteLane = kCriSamples;
static_assert(kWhiteLane < kSampleLanes, "room for the white lane");

struct SampleLaneTable {
    alignas(32) float reflectance[kCriSumPoints][kSampleLanes];

    SampleLaneTable() : reflectance{}
    {
        for (int k = 0; k < kCriSumPoints; ++k) {
            for (int i = 0; i < kCriSamples; ++i)
                reflectance[k][i] = samples().rows[i][k];
            reflectance[k][kWhiteLane] = 1.0f;
        }
    }
};

const SampleLaneTable &sampleLanes()
{
    static const SampleLaneTable table;
    return table;
}

struct CriAdaptation {
    float u, v, c, d, yt;
};

float horner(const float *coefficients, float t)
{
    return ((coefficients[0] * t + coefficients[1]) * t + coefficients[2]) * t + coefficients[3];
}

float cTerm(float u, float v) { return (4.0f - u - 10.0f * v) / v; }
float dTerm(float u, float v) { return (1.708f * v + 0.404f - 1.481f * u) / v; }

float lightnessW(float yt) { return 25.0f * std::pow(yt, 0.33333334f) - 17.0f; }

// u, v, c, d and Yt of a sample from its sums and the source's Y sum.
CriAdaptation adaptationFromSums(float sx, float sy, float sz, float ys)
{
    CriAdaptation a;
    a.yt = 100.0f * sy / ys;
    const float x = sx / (sx + sy + sz);
    const float y = sy / (sx + sy + sz);
    const float denominator = -2.0f * x + 12.0f * y + 3.0f;
    a.u = 4.0f * x / denominator;
    a.v = 6.0f * y / denominator;
    a.c = cTerm(a.u, a.v);
    a.d = dTerm(a.u, a.v);
    return a;
}

// Sums of all samples under a grid spectrum: x, y, z, kSampleLanes values each.
template <int N>
struct SumSamples {
    using Lanes = typename LaneVector<N>::type;

    SPECTRAL_LANES_INLINE static void run(const SampleLaneTable *table, const float *p, float (*sums)[kSampleLanes])
    {
        for (int first = 0; first < kSampleLanes; first += N) {
            Lanes sx = zeroLanes<N>(), sy = zeroLanes<N>(), sz = zeroLanes<N>();
            for (int k = 0; k < kCriSumPoints; ++k) {
                const int row = kCmfGridOffset + kGridStep * k;
                const Lanes reflected = loadLanes<N>(table->reflectance[k] + first) * p[k];
                sx += reflected * cie::kCmf1931X[row];
                sy += reflected * cie::kCmf1931Y[row];
                sz += reflected * cie::kCmf1931Z[row];
            }
            storeLanes<N>(sums[0] + first, sx);
            storeLanes<N>(sums[1] + first, sy);
            storeLanes<N>(sums[2] + first, sz);
        }
    }
};

// All 15 samples under a grid spectrum; each sum runs in grid order as for a single sample.
void adaptAllSamples(const float *grid, CriAdaptation *out)
{
    float sums[3][kSampleLanes];
    runLanes<SumSamples>(&sampleLanes(), grid + kGridPoints, sums);
    for (int i = 0; i < kCriSamples; ++i)
        out[i] = adaptationFromSums(sums[0][i], sums[1][i], sums[2][i], sums[1][kWhiteLane]);
}

// U*, V*, W* of every sample under the reference illuminant, computed from its spectrum with
// the same sums as the test side. The white is the reference's own chromaticity, so that a
// source equal to its reference renders every sample exactly.
bool referenceSamples(float cct, Uvw *out)
{
    float grid[kGridFloats];
    if (!referenceIlluminantGrid(cct, grid))
        return false;
    float ur, vr;
    computeTristimulus(grid, nullptr, nullptr, nullptr, nullptr, nullptr, &ur, &vr, nullptr, nullptr);
    CriAdaptation adapted[kCriSamples];
    adaptAllSamples(grid, adapted);
    for (int i = 0; i < kCriSamples; ++i) {
        const float w = lightnessW(adapted[i].yt);
        out[i] = {13.0f * w * (adapted[i].u - ur), 13.0f * w * (adapted[i].v - vr), w};
    }
    return true;
}

} // namespace

void adaptSampleForCri(const float *grid, const float *reflectance, float *u, float *v,
                       float *c, float *d, float *yt)
{
    const float *p = grid + kGridPoints;
    float ys = 0.0f, sx = 0.0f, sy = 0.0f, sz = 0.0f;
    for (int k = 0; k < kCriSumPoints; ++k) {
        const int row = kCmfGridOffset + kGridStep * k;
        const float reflected = p[k] * reflectance[k];
        ys += p[k] * cie::kCmf1931Y[row];
        sx += reflected * cie::kCmf1931X[row];
        sy += reflected * cie::kCmf1931Y[row];
        sz += reflected * cie::kCmf1931Z[row];
    }
    const CriAdaptation a = adaptationFromSums(sx, sy, sz, ys);
    *u = a.u;
    *v = a.v;
    *c = a.c;
    *d = a.d;
    *yt = a.yt;
}

float mean8(const float *values)
{
    float sum = 0.0f;
    for (int i = 0; i < 8; ++i)
        sum += values[i];
    return sum * 0.125f;
}

float mean15(const float *values)
{
    float sum = 0.0f;
    for (int i = 0; i < 15; ++i)
        sum += values[i];
    return sum / 15.0f;
}

void computeCri(const float *grid, float cct, float *ra, float *r, float *testUV)
{
    *ra = nanValue();
    for (int i = 0; i < kCriSamples; ++i) {
        r[i] = nanValue();
        testUV[i] = nanValue();
        testUV[kCriSamples + i] = nanValue();
    }
    if (isNaN(cct))
        return;

    float uk, vk;
    computeTristimulus(grid, nullptr, nullptr, nullptr, nullptr, nullptr, &uk, &vk, nullptr, nullptr);

    const CriReferenceFit *fit = nullptr;
    for (const CriReferenceFit &candidate : kCriReferenceFits) {
        if (candidate.upper >= cct) {
            fit = &candidate;
            break;
        }
    }
    if (!fit)
        return;
    const float t = 10000.0f / cct;
    const float ur = horner(fit->u, t);
    const float vr = horner(fit->v, t);

    Uvw reference[kCriSamples];
    if (!referenceSamples(cct, reference))
        return;

    const float ck = cTerm(uk, vk), dk = dTerm(uk, vk);
    const float cr = cTerm(ur, vr), dr = dTerm(ur, vr);
    const float cRatio = cr / ck;
    const float dRatio = dr / dk;
    CriAdaptation adapted[kCriSamples];
    adaptAllSamples(grid, adapted);
    for (int i = 0; i < kCriSamples; ++i) {
        const float u = adapted[i].u, v = adapted[i].v, c = adapted[i].c, d = adapted[i].d, yt = adapted[i].yt;
        testUV[i] = u;
        testUV[kCriSamples + i] = v;
        const float denominator = 16.518f + 1.481f * cRatio * c - dRatio * d;
        const float adaptedU = (10.872f + 0.404f * cRatio * c - 4.0f * dRatio * d) / denominator;
        const float adaptedV = 5.520f / denominator;
        const float w = lightnessW(yt);
        const float du = reference[i].u - 13.0f * w * (adaptedU - ur);
        const float dv = reference[i].v - 13.0f * w * (adaptedV - vr);
        const float dw = reference[i].w - w;
        r[i] = 100.0f - 4.6f * std::sqrt(du * du + dv * dv + dw * dw);
    }
    *ra = mean8(r);
}

} // namespace spectral
