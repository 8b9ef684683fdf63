#pragma once
// A Raman line's shape read from the data: the measured samples behind a spectrum that
// linear interpolation drew on a finer grid, and the Gaussian of the widths the device
// gives that best matches them. Plain C++.

#include <cstddef>
#include <vector>

namespace raman {

// A Gaussian's full width at half maximum in its standard deviations.
constexpr double kFwhmPerSigma = 2.3548200450309493;

// Fewer measured samples than this fix no Gaussian over a level.
constexpr size_t kLeastMatchSamples = 4;

struct MeasuredSample {
    double x = 0.0;
    double y = 0.0;
};

// The measured samples behind `values[from..to]` over `x`: linear interpolation between
// samples is straight from one to the next, so each sample is where the slope changes, at a
// grid point or where the straight stretches on either side meet. The grid values themselves
// where that finds too few (a grid no finer than the measurement); true where it found enough.
bool measuredSamplesOf(const double *x, const double *values, int from, int to, std::vector<MeasuredSample> &out);

// How many cm^-1 one nm spans at `shift`: the device's lines are as wide in nm everywhere.
double shiftPerNmAt(double shift);

// Width at half maximum (cm^-1) of the widest line the device gives at `shift`.
double widestLineAt(double shift);

// Standard deviations (cm^-1) of the lines the device gives at `shift`: kLineWidthTrials
// widths at half maximum, narrowest first, over the range of its optics and slits.
void deviceLineSigmas(double shift, std::vector<double> &out);

// The best least-squares match a * Gaussian + b to `samples`, with the Gaussian's standard
// deviation one of `sigmas` and its top within `reach` of `centre`.
struct GaussianMatch {
    bool found = false;
    double top = 0.0;    // a + b
    double level = 0.0;  // b
    double centre = 0.0;
    double sigma = 0.0;
    double unexplained = 0.0; // sum of the squared residuals
};
GaussianMatch bestGaussian(const std::vector<MeasuredSample> &samples, const std::vector<double> &sigmas,
                           double centre, double reach);

// bestGaussian, its top then sought again at its width within one step of the first search,
// so the place is fixed to a small fraction of `reach` rather than to its steps.
GaussianMatch finestGaussian(const std::vector<MeasuredSample> &samples, const std::vector<double> &sigmas,
                             double centre, double reach);

// The same over a sloped level, a * Gaussian + b + s * (x - top): the flank of a neighbour
// that blends with the line is taken up by the slope rather than by the Gaussian's place.
// Only `found`, `centre`, `sigma` and `unexplained` are set.
GaussianMatch bestGaussianOverSlope(const std::vector<MeasuredSample> &samples, const std::vector<double> &sigmas,
                                    double centre, double reach);

// The height a of a * Gaussian + b + s * (x - centre) / sigma matched to `samples`, with the
// Gaussian's top at `centre` and its standard deviation `sigma`, and the variance of that
// height per unit variance of the samples' noise; false where the samples fix none.
bool heightOverSlope(const std::vector<MeasuredSample> &samples, double centre, double sigma, double &height,
                     double &variancePerNoise);

} // namespace raman
