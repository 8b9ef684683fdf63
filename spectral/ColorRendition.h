#pragma once
// Colour rendition of a light source against a reference of the same CCT (TM-30 style).

#include "DynamicArray.h"

constexpr int kReferenceSpdPoints = 401; // 380-780 nm, 1 nm
constexpr int kEvaluationSamples = 99;
constexpr int kHueBins = 16;

struct ColorRenditionResult {
    float referenceSpd[kReferenceSpdPoints];
    float sampleDeltaE[kEvaluationSamples];
    float Rf;
    float Rg;
    float testHueBinAB[2 * kHueBins];      // mean a' of bins 1-16, then mean b'
    float referenceHueBinAB[2 * kHueBins];
    float chromaShift[kHueBins];           // percent
    float hueShift[kHueBins];
    float localFidelity[kHueBins];
};

void computeColorRendition(const FloatArray *spectrum, float *referenceSpd, float *sampleDeltaE,
                           float *Rf, float *Rg, float *chromaShift, float *hueShift,
                           float *localFidelity, float *testHueBinAB, float *referenceHueBinAB);

// Convenience for callers holding a ColorRenditionResult.
inline void computeColorRendition(const FloatArray *spectrum, ColorRenditionResult *r)
{
    computeColorRendition(spectrum, r->referenceSpd, r->sampleDeltaE, &r->Rf, &r->Rg,
                          r->chromaShift, r->hueShift, r->localFidelity, r->testHueBinAB,
                          r->referenceHueBinAB);
}
