#include "RenditionReference.h"

#include "Cam02Ucs.h"
#include "CieDaylight.h"
#include "LibraryCore.h"
#include "tables/CieTables.h"

#include <cmath>

namespace spectral {

namespace {

struct ReferenceTables {
    float lambdaPow5[kRenditionPoints];  // lambda^-5, lambda in metres
    float c2OverLambda[kRenditionPoints]; // c2 / lambda, c2 = 0.014388 m K
    float s0[kRenditionPoints];
    float s1[kRenditionPoints];
    float s2[kRenditionPoints];
};

float daylightAt(const float *table, int first, int step, int nm)
{
    const int offset = nm - first;
    const int k = offset / step;
    const int rest = offset % step;
    if (rest == 0)
        return table[k];
    const double f = double(rest) / step;
    return float((1.0 - f) * table[k] + f * table[k + 1]);
}

ReferenceTables buildTables()
{
    ReferenceTables t{};
    for (int i = 0; i < kRenditionPoints; ++i) {
        const int nm = kRenditionFirstNm + i;
        const double metres = nm * 1e-9;
        t.lambdaPow5[i] = float(1.0 / std::pow(metres, 5.0));
        t.c2OverLambda[i] = float(0.014388 / metres);
        t.s0[i] = daylightAt(cie::kDaylightS0, cie::kDaylightS0First, cie::kDaylightS0Step, nm);
        t.s1[i] = daylightAt(cie::kDaylightS1, cie::kDaylightS1First, cie::kDaylightS1Step, nm);
        t.s2[i] = daylightAt(cie::kDaylightS2, cie::kDaylightS2First, cie::kDaylightS2Step, nm);
    }
    return t;
}

const ReferenceTables &tables()
{
    static const ReferenceTables t = buildTables();
    return t;
}

const float *ybar10() { return cie::kCmf1964Y + (kRenditionFirstNm - cie::kCmf1964YFirst); }

float ybarSum(const float *spd)
{
    float sum = 0.0f;
    for (int i = 0; i < kRenditionPoints; ++i)
        sum += spd[i] * ybar10()[i];
    return sum;
}

void scaleToYbarSum100(float *spd)
{
    const float factor = 100.0f / ybarSum(spd);
    for (int i = 0; i < kRenditionPoints; ++i)
        spd[i] = spd[i] * factor;
}

// Planck's law scaled to 1 at 560 nm.
void planckian(float T, float *out)
{
    const ReferenceTables &t = tables();
    for (int i = 0; i < kRenditionPoints; ++i)
        out[i] = t.lambdaPow5[i] / (std::exp(t.c2OverLambda[i] / T) - 1.0f);
    const float at560 = out[560 - kRenditionFirstNm];
    for (int i = 0; i < kRenditionPoints; ++i)
        out[i] = out[i] / at560;
}

// CIE daylight of the temperature, scaled to a ybar10 sum of 100.
void daylight(float T, float *out)
{
    const DaylightWeights m = daylightWeights(T);
    const ReferenceTables &t = tables();
    for (int i = 0; i < kRenditionPoints; ++i)
        out[i] = t.s0[i] + m.m1 * t.s1[i] + m.m2 * t.s2[i];
    scaleToYbarSum100(out);
}

} // namespace

void renditionReferenceSpd(float T, float *referenceSpd)
{
    if (!(T > 0.0f)) {
        for (int i = 0; i < kRenditionPoints; ++i)
            referenceSpd[i] = nanValue();
        return;
    }
    if (T <= 4000.0f) {
        planckian(T, referenceSpd);
        return;
    }
    if (T >= 5000.0f) {
        daylight(T, referenceSpd);
        return;
    }
    float planck[kRenditionPoints];
    float day[kRenditionPoints];
    planckian(T, planck);
    daylight(T, day); // below 5000 K: the 4000-7000 K chromaticity formula
    const float w = (5000.0f - T) / 1000.0f;
    for (int i = 0; i < kRenditionPoints; ++i)
        referenceSpd[i] = (1.0f - w) * day[i] + w * planck[i];
    scaleToYbarSum100(referenceSpd);
}

} // namespace spectral
