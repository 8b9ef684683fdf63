#pragma once
// Colour rendering index (CIE 13.3 method) of a grid spectrum.

namespace spectral {

constexpr int kCriSamples = 15;

// Ra, R1-R15 and the CIE 1960 u (entries 0-14) and v (15-29) of the 15 test samples under
// the source, before chromatic adaptation. All NaN when the CCT is NaN or above 800000 K.
// grid: a 162-float grid spectrum of the source.
void computeCri(const float *grid, float cct, float *ra, float *r, float *testUV);

// One test sample under a grid spectrum, from the sums over 380 to 760 nm: its CIE 1960
// u, v, the adaptation terms c, d and its relative luminance Yt (100 for a white).
void adaptSampleForCri(const float *grid, const float *reflectance, float *u, float *v,
                       float *c, float *d, float *yt);

float mean8(const float *values);
float mean15(const float *values);

} // namespace spectral
