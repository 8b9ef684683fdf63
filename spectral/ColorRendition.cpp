#include "ColorRendition.h"

#include "Cam02Ucs.h"
#include "Colorimetry.h"
#include "DegreeTrig.h"
#include "EvaluationSamples.h"
#include "HueBins.h"
#include "LibraryCore.h"
#include "RenditionReference.h"

#include <cmath>
#include <cstdint>

namespace {

using namespace spectral;

float fidelityFromMeanDeltaE(float meanDeltaE)
{
    return 10.0f * std::log(std::exp((100.0f - 6.73f * meanDeltaE) / 10.0f) + 1.0f);
}

void fill(float *values, int count, float v)
{
    for (int i = 0; i < count; ++i)
        values[i] = v;
}

// CCT from CIE 1931 x, y of the 5-nm resampled spectrum; NaN when there is none.
float sourceCct(const FloatArray *spectrum)
{
    float grid[kGridFloats];
    resampleSpectrum5nm(spectrum, grid);
    float x = nanValue(), y = nanValue();
    computeTristimulus(grid, nullptr, nullptr, nullptr, &x, &y, nullptr, nullptr, nullptr, nullptr);
    float cct = nanValue(), duv = nanValue();
    computeCctDuv(x, y, &cct, &duv);
    return cct;
}

// Offset of the 380-nm row, or -1 when the spectrum does not hold 380-780 nm.
int testWindowStart(const FloatArray *spectrum)
{
    const SpectrumView s = viewSpectrum(spectrum);
    if (!s.covers(kRenditionFirstNm, kRenditionFirstNm + kRenditionPoints - 1))
        return -1;
    return kRenditionFirstNm - s.w0;
}

struct SampleCoordinates {
    float test[kEvaluationSamples][3];      // J', a', b'
    float reference[kEvaluationSamples][3];
};

// Sample numbers (0-based) per hue bin, in ascending order.
struct HueBinLists {
    uint8_t members[kHueBins][kEvaluationSamples];
    int count[kHueBins];
};

} // namespace

static_assert(kEvaluationSamples == kRenditionSamples, "one set of evaluation samples");

void computeColorRendition(const FloatArray *spectrum, float *referenceSpd, float *sampleDeltaE,
                           float *Rf, float *Rg, float *chromaShift, float *hueShift,
                           float *localFidelity, float *testHueBinAB, float *referenceHueBinAB)
{
    initSpectralLibrary();
    const float nan = nanValue();
    fill(referenceSpd, kReferenceSpdPoints, nan);
    fill(sampleDeltaE, kEvaluationSamples, nan);
    *Rf = nan;
    *Rg = nan;
    fill(chromaShift, kHueBins, nan);
    fill(hueShift, kHueBins, nan);
    fill(localFidelity, kHueBins, nan);
    fill(testHueBinAB, 2 * kHueBins, nan);
    fill(referenceHueBinAB, 2 * kHueBins, nan);

    // The rendition needs every wavelength from 380 to 780 nm.
    const int i380 = testWindowStart(spectrum);
    if (i380 < 0)
        return;
    const float cct = sourceCct(spectrum);
    if (isNaN(cct))
        return;

    renditionReferenceSpd(cct, referenceSpd);

    const float *testSpd = spectrum->data + spectrum->size[0] + i380;
    RenderedSamples underTest, underReference;
    renderEvaluationSamples(testSpd, referenceSpd, &underTest, &underReference);
    const IlluminantWhite testWhite =
        illuminantWhiteFromSums(underTest.whiteX, underTest.whiteY, underTest.whiteZ);
    const IlluminantWhite referenceWhite =
        illuminantWhiteFromSums(underReference.whiteX, underReference.whiteY, underReference.whiteZ);
    const AdaptedWhite testAdapted = adaptWhite(testWhite);
    const AdaptedWhite referenceAdapted = adaptWhite(referenceWhite);

    const float tk = testWhite.k, rk = referenceWhite.k;
    SampleCoordinates jab;
    for (int s = 0; s < kEvaluationSamples; ++s) {
        const int testStatus = cam02UcsFromXyz(tk * underTest.x[s], tk * underTest.y[s], tk * underTest.z[s],
                                               testAdapted, jab.test[s]);
        const int refStatus = cam02UcsFromXyz(rk * underReference.x[s], rk * underReference.y[s],
                                              rk * underReference.z[s], referenceAdapted, jab.reference[s]);
        if (testStatus != 0 || refStatus != 0)
            return;
        const float dJ = jab.test[s][0] - jab.reference[s][0];
        const float da = jab.test[s][1] - jab.reference[s][1];
        const float db = jab.test[s][2] - jab.reference[s][2];
        sampleDeltaE[s] = std::sqrt(dJ * dJ + da * da + db * db);
    }

    float deltaESum = 0.0f;
    for (int s = 0; s < kEvaluationSamples; ++s)
        deltaESum += sampleDeltaE[s];
    *Rf = fidelityFromMeanDeltaE(deltaESum / float(kEvaluationSamples));

    HueBinLists bins{};
    for (int s = 0; s < kEvaluationSamples; ++s) {
        const int bin = hueBinOf(jab.reference[s][1], jab.reference[s][2]);
        if (bin == 0)
            continue;
        bins.members[bin - 1][bins.count[bin - 1]++] = uint8_t(s);
    }

    for (int k = 0; k < kHueBins; ++k) {
        const int n = bins.count[k];
        if (n == 0)
            return;
        float ta = 0.0f, tb = 0.0f, ra = 0.0f, rb = 0.0f;
        for (int m = 0; m < n; ++m) {
            const int s = bins.members[k][m];
            ta += jab.test[s][1];
            tb += jab.test[s][2];
            ra += jab.reference[s][1];
            rb += jab.reference[s][2];
        }
        testHueBinAB[k] = ta / float(n);
        testHueBinAB[kHueBins + k] = tb / float(n);
        referenceHueBinAB[k] = ra / float(n);
        referenceHueBinAB[kHueBins + k] = rb / float(n);
    }

    *Rg = 100.0f * hueBinPolygonArea(testHueBinAB, testHueBinAB + kHueBins) /
          hueBinPolygonArea(referenceHueBinAB, referenceHueBinAB + kHueBins);

    for (int k = 0; k < kHueBins; ++k) {
        double s, c;
        sinCosDegrees(22.5 * (k + 1) - 11.25, &s, &c);
        const float sine = float(s), cosine = float(c);
        const float refA = referenceHueBinAB[k], refB = referenceHueBinAB[kHueBins + k];
        const float da = testHueBinAB[k] - refA;
        const float db = testHueBinAB[kHueBins + k] - refB;
        const float chroma = std::sqrt(refA * refA + refB * refB);
        chromaShift[k] = (da * cosine + db * sine) / chroma;
        hueShift[k] = (db * cosine - da * sine) / chroma;
        float binDeltaE = 0.0f;
        for (int m = 0; m < bins.count[k]; ++m)
            binDeltaE += sampleDeltaE[bins.members[k][m]];
        localFidelity[k] = fidelityFromMeanDeltaE(binDeltaE / float(bins.count[k]));
    }
    for (int k = 0; k < kHueBins; ++k)
        chromaShift[k] *= 100.0f;
}
