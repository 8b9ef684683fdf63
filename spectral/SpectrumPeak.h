#pragma once
// Peak wavelength, full width at half maximum and plain sums over a 1-nm spectrum.

#include "DynamicArray.h"

// Sum of the values, peak wavelength and FWHM of an N x 2 spectrum. An empty or
// malformed spectrum gives a sum of 0 and NaN peak and width.
void findSpectrumPeak(const FloatArray *spectrum, float *sum, float *peakWavelength, float *fwhm);

// Peak wavelength (first maximum, NaN-aware) and FWHM with linear interpolation of the
// half-maximum crossings; an edge that never crosses stays at the spectrum's end.
void findPeakAndHalfWidth(const FloatArray *spectrum, float *peakWavelength, float *fwhm);

// Sum of S(w) for every whole wavelength w from range[0] to range[1] (both rounded).
// Wavelengths outside the spectrum contribute nothing; a reversed range gives 0.
float sumSpectrumRange(const FloatArray *spectrum, const float range[2]);
