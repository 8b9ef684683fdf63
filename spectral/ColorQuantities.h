#pragma once
// Colour quantities derived once chromaticity, CCT and colour rendering are known.

namespace spectral {

// Shares of the V-weighted grid spectrum in the blue (380-495 nm), green (500-595 nm) and
// red (600-760 nm) bands, percent; all 0 when the bands hold no light.
void computeRgbRatios(const float *grid, float *r, float *g, float *b);

// Dominant wavelength (negative: complementary) and excitation purity against the
// equal-energy white; both NaN when the line through the white meets no usable locus point.
void computeDominantWavelength(float x, float y, float *ld, float *purity);

// Distance in MacAdam steps to the nearest colour-tolerance centre and that centre's nominal
// CCT; both NaN for a NaN chromaticity.
void computeSdcm(float x, float y, float *sdcm, float *nominalCct);

// Gamut areas of the test samples (CIE 1976 u', v') against the equal-energy source and
// against the blackbody of the CCT (samples 1-8 and 1-15). testUV as from computeCri.
void computeGai(const float *testUV, float cct, float *gaiEes, float *gaiBb8, float *gaiBb15);

// Scotopic-to-photopic ratio of a grid spectrum.
float computeSpRatio(const float *grid);

} // namespace spectral
