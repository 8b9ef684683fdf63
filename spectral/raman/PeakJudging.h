#pragma once
// What the files of the Raman peak search share: a candidate peak, the measured stretch of
// the data, what every peak's judgement reads, and what each file asks of the others.
// Plain C++.

#include "raman/LineShape.h"
#include "raman/RamanTools.h"

#include <vector>

namespace raman::detail {

struct Candidate {
    int first = 0; // plateau start
    int last = 0;  // plateau end
    double height = 0.0;
    double prominence = 0.0;
    double rise = 0.0; // above the lower of its valleys
    int tallerTop = -1; // the top beyond its higher valley, or -1 where none is
    bool shoulder = false; // short of the least prominence, it shows a line's shape
    int bodyFirst = 0; // first sample above half the prominence
    int bodyLast = 0;  // last sample above half the prominence
    double position = 0.0;
    double support = 0.0; // noise widths it rises, as judged
};

// The stretch of the spectrum that was measured: zeros running to either end are where
// nothing was (below the laser edge), not a quiet signal.
struct Measured {
    int first = 0;
    int last = -1;
};

// What every peak's judgement reads, and room that one judgement after another reuses.
struct Judging {
    const double *shift = nullptr;
    const double *values = nullptr;
    const double *noiseWidths = nullptr; // the caller's, or null
    const double *presenceNoiseWidths = nullptr; // those that judge whether a line is there
    const double *valuesBeforeStart = nullptr; // the caller's, or null
    double minSignalToNoise = raman::kPeakMinSignalToMeasuredNoise;
    double minProminenceToNoise = raman::kPeakMinProminenceToMeasuredNoise;
    Measured measured;
    std::vector<double> residuals;
    std::vector<double> levels, sideLevels, x, r, magnitudes;
    std::vector<double> topX, topY, topWeight, sigmas;
    std::vector<raman::MeasuredSample> samples;
};

// Level and noise width where a peak stands, from the measured values on either side of
// it beginning one peak width beyond its body, leaving out the bodies of other likely
// lines. The level is the median of the values within kPeakLevelReach, of both sides and of
// each. The noise is the caller's where it is known. Otherwise it is measured: shot noise
// follows the fluorescence under the lines, which changes severalfold over kPeakSurroundings
// on a flank, so the noise is a straight line fitted through the squared residuals of that
// stretch and taken where the peak stands; near the ends of the data it follows the trend
// of the one side there is. The residuals are those of the values, not of their
// differences: the grid may be finer than the measurement, so neighbouring values move
// together and their differences would understate the noise.
struct Surroundings {
    bool levelKnown = false;
    double level = 0.0;
    int sidesRead = 0;         // sides with values for the level
    double lowerSideLevel = 0.0;
    double noise = 0.0;
};

// Defined in MeasuredStretch.cpp.

Measured measuredStretch(const double *values, int count);

// The last value of the straight stretch that resampling draws from the zeros before the
// first measured value up to it (no measurement of its own), or the first measured value
// where the data begin otherwise.
int endOfStartRamp(const Judging &j);

// Whether the start of the measured data has cut a peak's body.
bool cutByStart(const Candidate &c, const Judging &j);

// Puts into `j.samples` the device samples that show a line the start has cut: from the
// first measured one (the ramp drawn up to it is no measurement) to two of the widest device
// lines' standard deviations past its body, and on until there are `least` (values the
// baseline clamped to nothing show no samples among them); into `j.sigmas` the device's
// widths there. False where there are none.
bool takeCutLineSamples(const Candidate &c, Judging &j, size_t least);

// Puts into `j.samples` the device samples of `j.valuesBeforeStart` from the first measured
// one before the start up to the last of those takeCutLineSamples took. False where there
// are none before the start or none given.
bool takeSamplesFromBeforeStart(Judging &j);

// Puts into `j.samples` the device samples measured within `reach` (cm^-1) of the value at
// `middle`; false where there are none.
bool takeSamplesAround(Judging &j, int middle, double reach);

// Drops from `j.samples`, on the side of a peak's taller top, the first sample counted out
// from `centre` that rises above `limit` and all beyond it: the taller line's flank.
void dropTallerFlank(const Candidate &c, Judging &j, double centre, double limit);

// Defined in PeakSurroundings.cpp, where kResidualReach and the strides are.

// Deviation of every measured value from the median of the values within kResidualReach
// around it: the noise, without the slow change of the level beneath it. NaN where there
// is none, between the strides, and within kResidualReach of the ends of the measured stretch.
std::vector<double> residualsOf(const double *shift, const double *values, int count, const Measured &measured);

// The surroundings of a peak, leaving out the values marked in `leftOut`.
Surroundings surroundingsOf(const Candidate &c, Judging &j, const std::vector<char> &leftOut);

// Defined in PeakHeights.cpp.

// How many noise widths a peak rises above its surroundings (or, where the noise is known,
// as many as the significance of its matched Gaussian counts, kPeakMinMatchedSignificance);
// 0 for a bump broader than a line (kPeakMaxWidth, kPeakMaxWidthOfWidest) and for one whose
// prominence stays under kPeakMinProminenceToNoise noise widths. A line the start has cut is
// judged by whichever tells more: its flank beyond the end reach, which a wide line keeps, or
// the Gaussian that matches its measured side over the level that match finds beside it,
// which a narrow one needs.
double signalToNoise(const Candidate &c, Judging &j, const std::vector<char> &leftOut);

// Whether a peak short of the least prominence shows a line's shape all the same: the
// Gaussian of the device's widths over a sloped level that best matches the measured samples
// within the widest device line's width at half maximum of it (its body's width and two of the
// narrowest lines' standard deviations, where more; for a clear shoulder, not up the taller
// line's flank, kPeakShoulderFlankRise) rises kPeakMinShapeSignificance of its standard errors
// at `noise` and leaves no more unexplained than a parabola.
bool showsLineShape(const Candidate &c, Judging &j, double noise);

// Defined in LinePlacement.cpp.

// Where a line stands: where a Gaussian matches it best near the centre of its body, or
// where the device's Gaussian matches its measured side where the start of the measured data
// has cut its body (at the centre of its rise above the chord beneath it where it rises fewer
// than kPeakCutMatchedFrom noise widths, `support`), or where it matches over a slope where
// its body takes in a neighbour's. NaN where the start has cut a line whose top lies before
// the data.
double positionOf(const Candidate &c, Judging &j, double support);

// How far the noise moves the place of a line at `position` (cm^-1, one standard deviation),
// as kPeakMaxPlaceSpread reads it; 0 where the noise is not known, the start has cut the
// line or too few measured samples fix a Gaussian over a level.
double placeSpread(const Candidate &c, Judging &j, double position);

} // namespace raman::detail
