// Assembly of the colorimetry result (indices 0-46) and of the photobiological and
// plant-lighting block (47-63) from one 1-nm spectrum.
#include "LightMetrics.h"

#include "ColorQuantities.h"
#include "ColorRendering.h"
#include "Colorimetry.h"
#include "LibraryCore.h"
#include "SpectrumPeak.h"
#include "tables/ChlorophyllWeights.h"
#include "tables/CieTables.h"
#include "tables/MelanopicWeights.h"

#include <algorithm>
#include <cmath>

namespace {

using spectral::SpectrumView;

// Result indices.
enum : int {
    kX = 0, kY, kZ, kx, ky, kU, kV, kUPrime, kVPrime, kCct, kNit, kRRatio, kGRatio, kBRatio, kDuv,
    kRa, kR1, kLp = 31, kHw, kLd, kPurity, kSpRatio, kSdcm, kNominalCct, kLux, kEe, kFc, kCqs,
    kGaiEes, kGaiBb8, kGaiBb15, kEml, kMelanopicEdi,
    kHazardEb = 47, kPar, kEca, kEcb, kBandB, kBandY, kBandR, kErbRatio,
    kPpfd, kPpfdB, kPpfdG, kPpfdR, kPpfdFr, kPpfdRRatio, kPpfdGRatio, kPpfdBRatio, kYpfd,
};
static_assert(kMelanopicEdi + 1 == kColorimetryCount, "colorimetry block layout");
static_assert(kYpfd + 1 == kLightMetricsCount, "light-metrics block layout");

constexpr int kVisibleFirst = 380;
constexpr int kVisibleLast = 780;
constexpr float kLuminousEfficacy = 683.0f;
// 683 times the 1-nm sum of V from 380 to 780 nm: equal-energy light has EML = illuminance.
constexpr float kMelanopicScale = 72983.25f;
constexpr float kMelanopicEdiPerEml = 0.9063f;
constexpr float kLuxPerFootCandle = 10.76391f;
// Photon flux in umol per joule and nanometre of wavelength. Kept at the value the devices
// use (h c N_A gives 0.0083593), so host and device results agree.
constexpr float kPhotonConstant = 0.008348808f;
constexpr int kHazardFirst = cie::kBlueLightHazardFirst;
constexpr int kHazardLast = kHazardFirst + cie::kBlueLightHazardStep * (cie::kBlueLightHazardCount - 1);
// The hazard function is a flat 0.01 below 380 nm; a spectrum may start anywhere from the
// table's start to there (the device axis starts at 300 to 360 nm).
constexpr int kHazardLatestStart = 380;

// V at 1 nm is the CIE tabulation; at a few grid points it differs from the 5-nm table by
// at most 2e-4.
float illuminance(const SpectrumView &s)
{
    if (!s.covers(kVisibleFirst, kVisibleLast))
        return spectral::nanValue();
    const float *v1 = cie::kPhotopicV + (kVisibleFirst - cie::kPhotopicVFirst);
    const float *values = s.values + (kVisibleFirst - s.w0);
    float sum = 0.0f;
    for (int k = 0; k <= kVisibleLast - kVisibleFirst; ++k)
        sum += v1[k] * values[k];
    return kLuminousEfficacy * sum;
}

// The weights are per 1-nm sample; sampling every fifth nanometre needs the 5-nm step back.
float equivalentMelanopicLux(const SpectrumView &s)
{
    if (!s.covers(kVisibleFirst, kVisibleLast))
        return spectral::nanValue();
    float sum = 0.0f;
    for (int j = 0; j < spectral::kMelanopicWeightCount; ++j)
        sum += s.at(kVisibleFirst + 5 * j) * spectral::kMelanopicWeights[j];
    return kMelanopicScale * (5.0f * sum);
}

// Samples keep their own wavelengths and take the hazard entry of the 5-nm step at or below.
float hazardWeightedIrradiance(const SpectrumView &s)
{
    if (!s.valid() || s.w0 < kHazardFirst || s.w0 > kHazardLatestStart || s.lastWavelength() < kHazardLast)
        return spectral::nanValue();
    const int firstEntry = (s.w0 - kHazardFirst) / 5;
    float sum = 0.0f;
    for (int entry = firstEntry, w = s.w0; entry < cie::kBlueLightHazardCount && w <= kHazardLast; ++entry, w += 5)
        sum += s.at(w) * cie::kBlueLightHazard[entry];
    return sum * 5.0f;
}

float chlorophyllWeighted(const SpectrumView &s, const float *weights)
{
    const int last = spectral::kChlorophyllFirstWavelength + 5 * (spectral::kChlorophyllWeightCount - 1);
    if (!s.covers(spectral::kChlorophyllFirstWavelength, last))
        return spectral::nanValue();
    float sum = 0.0f;
    for (int j = 0; j < spectral::kChlorophyllWeightCount; ++j)
        sum += s.at(spectral::kChlorophyllFirstWavelength + 5 * j) * weights[j];
    return sum * 5.0f;
}

// Sum of S over [from, to], both ends included.
float bandSum(const SpectrumView &s, int from, int to)
{
    if (!s.covers(from, to))
        return spectral::nanValue();
    return spectral::blockSum(s.values + (from - s.w0), to - from + 1);
}

// Photon flux over [from, to]: c times the sum of S(w) w, w read from the wavelength column.
float photonFlux(const SpectrumView &s, int from, int to)
{
    constexpr int kMaxBand = kVisibleLast - kVisibleFirst + 1;
    if (!s.covers(from, to) || to - from + 1 > kMaxBand)
        return spectral::nanValue();
    float products[kMaxBand];
    const int offset = from - s.w0;
    const int count = to - from + 1;
    for (int i = 0; i < count; ++i)
        products[i] = s.values[offset + i] * s.wavelengths[offset + i];
    return spectral::blockSum(products, count) * kPhotonConstant;
}

float rootMeanSquare15(const float *r)
{
    float squares[15];
    for (int i = 0; i < 15; ++i)
        squares[i] = r[i] * r[i];
    return std::sqrt(spectral::mean15(squares));
}

} // namespace

void computeColorimetry(const FloatArray *spectrum, float *result)
{
    spectral::initSpectralLibrary();
    for (int i = 0; i < kColorimetryCount; ++i)
        result[i] = spectral::nanValue();
    const SpectrumView s = spectral::viewSpectrum(spectrum);
    if (!s.valid())
        return;

    const float lux = illuminance(s);
    const float eml = equivalentMelanopicLux(s);

    float lp = spectral::nanValue(), hw = spectral::nanValue();
    findPeakAndHalfWidth(spectrum, &lp, &hw);
    // A spectrum without any positive value has no peak to locate.
    const bool hasPeak = std::any_of(s.values, s.values + s.n, [](float v) { return v > 0.0f; });
    if (!hasPeak)
        lp = hw = spectral::nanValue();

    float grid[spectral::kGridFloats];
    spectral::resampleSpectrum5nm(spectrum, grid);
    float X, Y, Z, x, y, u, v, uPrime, vPrime;
    spectral::computeTristimulus(grid, &X, &Y, &Z, &x, &y, &u, &v, &uPrime, &vPrime);
    if (Y > 0.0f) {
        const float k0 = lux / Y;
        X *= k0;
        Z *= k0;
        Y = lux;
    }

    float r, g, b;
    spectral::computeRgbRatios(grid, &r, &g, &b);
    float cct, duv;
    spectral::computeCctDuv(x, y, &cct, &duv);
    float ra, rendering[spectral::kCriSamples], testUV[2 * spectral::kCriSamples];
    spectral::computeCri(grid, cct, &ra, rendering, testUV);
    float ld, purity, sdcm, nominalCct, gaiEes, gaiBb8, gaiBb15;
    spectral::computeDominantWavelength(x, y, &ld, &purity);
    spectral::computeSdcm(x, y, &sdcm, &nominalCct);
    spectral::computeGai(testUV, cct, &gaiEes, &gaiBb8, &gaiBb15);
    const float sp = spectral::computeSpRatio(grid);
    const float range[2] = {float(s.w0), float(s.lastWavelength())};
    const float ee = sumSpectrumRange(spectrum, range);

    result[kX] = X;
    result[kY] = Y;
    result[kZ] = Z;
    result[kx] = x;
    result[ky] = y;
    result[kU] = u;
    result[kV] = v;
    result[kUPrime] = uPrime;
    result[kVPrime] = vPrime;
    result[kCct] = cct;
    result[kNit] = lux;
    result[kRRatio] = r;
    result[kGRatio] = g;
    result[kBRatio] = b;
    result[kDuv] = duv;
    result[kRa] = ra;
    for (int i = 0; i < spectral::kCriSamples; ++i)
        result[kR1 + i] = rendering[i];
    result[kLp] = lp;
    result[kHw] = hw;
    result[kLd] = ld;
    result[kPurity] = purity;
    result[kSpRatio] = sp;
    result[kSdcm] = sdcm;
    result[kNominalCct] = nominalCct;
    result[kLux] = lux;
    result[kEe] = ee;
    result[kFc] = lux / kLuxPerFootCandle;
    // Reported as the RMS of R1-R15 (the devices' convention), not the CQS method.
    result[kCqs] = rootMeanSquare15(rendering);
    result[kGaiEes] = gaiEes;
    result[kGaiBb8] = gaiBb8;
    result[kGaiBb15] = gaiBb15;
    result[kEml] = eml;
    result[kMelanopicEdi] = eml * kMelanopicEdiPerEml;
}

void computeLightMetrics(const FloatArray *spectrum, float *result)
{
    spectral::initSpectralLibrary();
    for (int i = 0; i < kLightMetricsCount; ++i)
        result[i] = spectral::nanValue();
    computeColorimetry(spectrum, result);
    const SpectrumView s = spectral::viewSpectrum(spectrum);
    if (!s.valid())
        return;

    result[kHazardEb] = hazardWeightedIrradiance(s);
    result[kEca] = chlorophyllWeighted(s, spectral::kChlorophyllA);
    result[kEcb] = chlorophyllWeighted(s, spectral::kChlorophyllB);
    result[kPar] = bandSum(s, 400, 700);
    // 500 and 600 nm count in both neighbouring bands.
    result[kBandB] = bandSum(s, 400, 500);
    result[kBandY] = bandSum(s, 500, 600);
    result[kBandR] = bandSum(s, 600, 700);
    result[kErbRatio] = result[kBandR] / result[kBandB];
    result[kPpfd] = photonFlux(s, 400, 700);
    result[kPpfdB] = photonFlux(s, 400, 500);
    result[kPpfdG] = photonFlux(s, 500, 600);
    result[kPpfdR] = photonFlux(s, 600, 700);
    result[kPpfdFr] = photonFlux(s, 700, 780);
    result[kPpfdRRatio] = result[kPpfdR] / result[kPpfd] * 100.0f;
    result[kPpfdGRatio] = result[kPpfdG] / result[kPpfd] * 100.0f;
    result[kPpfdBRatio] = result[kPpfdB] / result[kPpfd] * 100.0f;
    // Photon flux of the whole 360-760 nm band without the plant action weighting, as the
    // devices report it.
    result[kYpfd] = photonFlux(s, 360, 760);
}
