#pragma once
// Raman tools: fluorescence baseline, conversion to Raman shift and peak search.
// Plain C++, no Qt; all arrays are of double. Every output is bounded by the
// length or capacity the caller passes, so nothing is written past its buffers.

namespace raman {

// Excitation laser of the Raman models, in nm.
constexpr double kExcitationWavelengthNm = 532.0;

// Raman shift in cm^-1 of light at `wavelengthNm` under the excitation laser.
inline double ramanShift(double wavelengthNm)
{
    return 1e7 / kExcitationWavelengthNm - 1e7 / wavelengthNm;
}

// Baseline smoothness and asymmetry (asymmetric least squares).
constexpr double kBaselineSmoothness = 1e3;
constexpr double kBaselineAsymmetry = 0.01;
constexpr int kBaselineIterations = 12;

// A peak must rise this fraction of the spectrum's value range above the higher of
// its two surrounding valleys, and stand this far (cm^-1) from any higher peak.
constexpr double kPeakMinRelativeProminence = 0.05;
constexpr double kPeakMinSeparation = 15.0;

} // namespace raman

// Writes exactly `length` values into `baseline`: a smooth curve lying under the
// peaks of `spectrum`. Nothing is written for a length of 0 or less.
void extract_spec_baseline(const double *spectrum, int length, double *baseline);

// Resamples a spectrum over an ascending wavelength axis (nm) onto Stokes Raman shifts
// (cm^-1) that are whole multiples of `step`, interpolating linearly. The grid depends
// only on the axis and the step. Writes at most `capacity` points to `shiftOut` and
// `valuesOut` and their number to `*countOut` (0 when the axis cannot be converted).
void spec2ramanwithstep(const double *wavelengths, const double *values, double *shiftOut,
                        double *valuesOut, int *countOut, int length, double step, int capacity);

// Finds the local maxima of `values` over `shift` with enough prominence and separation.
// Writes at most `capacity` peaks (the strongest), in ascending shift, and returns
// their number.
int find_raman_peaks(const double *shift, const double *values, int count,
                     double *positions, double *heights, int capacity);
