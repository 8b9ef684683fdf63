#pragma once
// Colorimetric building blocks shared by the light-metrics and colour-rendition routines:
// the 5-nm grid, tristimulus values and chromaticities, CCT and Duv.

#include "DynamicArray.h"

namespace spectral {

// The 5-nm grid: 81 points 380, 385, ..., 780 nm. A grid spectrum is 162 floats:
// the 81 wavelengths, then the 81 values (each value a 5-nm box sum of 1-nm samples).
constexpr int kGridFirstWavelength = 380;
constexpr int kGridLastWavelength = 780;
constexpr int kGridStep = 5;
constexpr int kGridPoints = 81;
constexpr int kGridFloats = 2 * kGridPoints;

// Resamples a 1-nm N x 2 spectrum onto the grid (box sums of five samples, ends extended by
// mirroring). The spectrum is only read. A grid value whose samples lie outside the spectrum
// even after mirroring is NaN, and so is every grid value of a spectrum that does not reach
// into 378-782 nm at all.
void resampleSpectrum5nm(const FloatArray *spectrum, float *grid);

// CIE 1931 2-degree X, Y, Z of a grid spectrum, x, y, CIE 1960 u, v and CIE 1976 u', v'.
// Any output pointer may be null.
void computeTristimulus(const float *grid, float *X, float *Y, float *Z, float *x, float *y,
                        float *u, float *v, float *uPrime, float *vPrime);

// Correlated colour temperature (300 to 800000 K) and Duv from CIE 1931 x, y.
// Both NaN when the point has no CCT (NaN input, or outside the decision lines).
// Duv is positive above the Planckian locus.
void computeCctDuv(float x, float y, float *cct, float *duv);

} // namespace spectral
