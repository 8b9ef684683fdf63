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

// Baseline by asymmetric least squares with a penalty on third differences, so the curve
// may keep the curvature of a broad hump right up to the ends of the data: smoothness, the
// weight of samples above the curve, and passes. Under a run of line samples at an end of
// the data a penalty on second differences (straightness) keeps the free end of the curve
// from bending up towards the lines.
constexpr double kBaselineSmoothness = 100.0;
// A stiffer curve, fitted first, tells the lines from the hump: it cannot follow a cluster
// of lines into its valleys. Samples within kBaselineLineReach samples of a line sample
// (one of at least two neighbours above the line level) belong to the line too.
constexpr double kBaselineLineFindingSmoothness = 1000.0;
constexpr int kBaselineLineReach = 4;
constexpr double kBaselineStraightness = 100.0;
// Known samples (a clipped one is none) beyond the lines at the start of the data that the
// curve under those lines is carried back from. Lines at the start with at most kBaselineHeadClusterGap line-free
// samples between them are one cluster, which hides the fluorescence in its valleys too;
// the curve carried back from beyond it is taken where no sample lies
// kBaselineHeadClusterRefutation noise widths below it.
constexpr int kBaselineHeadFitReach = 120;
constexpr int kBaselineHeadClusterGap = 14;
constexpr double kBaselineHeadClusterRefutation = 3.0;
constexpr double kBaselineAsymmetry = 0.01;
constexpr int kBaselineIterations = 12;
// Samples this many noise widths above the curve, and at least this fraction of
// the data's range (less is the fit's own error), are lines: they hardly pull the curve
// up, so a tall line does not lift the baseline under and beside it. Shot noise on a bright
// hump passes three widths often enough that, taken for lines, it would leave bumps behind.
// A line's pull grows with its height: at a weight of 1e-4, a wide line 25 times the dim hump
// under it lifted the curve there by two thirds of the hump, and beyond the line it fell short
// of the hump by a few counts, a bump that noise-free data list as a line.
constexpr double kBaselineLineThreshold = 4.0;
constexpr double kBaselineLineMinRise = 1e-3;
constexpr double kBaselineLineWeight = 3e-5;

// A peak must stand this far (cm^-1) from any better supported peak.
constexpr double kPeakMinSeparation = 15.0;
// It must rise kPeakMinSignalToNoise noise widths above the level of its surroundings
// (where the noise is known, its height is the top of a parabola through its values within
// kPeakTopReach of its body's width from its highest one, so one value lifted by the noise
// does not make a line of a bump), and kPeakMinProminenceToNoise above the higher of its
// valleys, so a line on the flank of another counts by its own height while a wiggle on a
// flank does not. The noise width is the caller's where it knows it (that of the data without
// the line where given, so a line's own shot noise does not hide it; judged so, a weak line
// shows its whole rise, and the threshold stands higher than against the measured count,
// where weak wide lines, which the noise moves furthest, are seldom listed); the level is then the lower of the two sides' (a line in a cluster stands beside its
// neighbours, not on them), the baseline itself where one side has no values to read
// (an end of the data, or other lines), and where neither has (in a cluster whose neighbours
// fill both its valleys). Where the caller does not know the noise, it is
// measured where the peak stands, from the spread of the values about their local median
// over kPeakSurroundings (cm^-1) on either side, one peak width away from it (a local
// median leaves the slow wander of the baseline out, hence so many widths), and the
// stricter kPeakMinSignalToMeasuredNoise and kPeakMinProminenceToMeasuredNoise hold, as
// such a width is itself uncertain by a third. The level comes from the nearer part of the
// surroundings up to kPeakLevelReach, close enough that the slope of a flank hardly moves
// it. Peaks rising kPeakLikelySignalToNoise are kept out of each other's surroundings.
// Within kPeakEndReach (cm^-1) of an end of the measured data the values lean on a free
// end of the baseline, so a peak's height is read beyond it. A bump broader than
// kPeakMaxWidth (cm^-1) at half its rise, or than kPeakMaxWidthOfWidest times the widest line
// the device gives there (as wide in nm everywhere, so far fewer cm^-1 in the red), is
// fluorescence the baseline left, not a line; a peak that would take more than kPeakMaxWidth
// in at half its prominence (the tallest line of a cluster, whose valleys lie beyond all the
// others) takes its rise from its valleys within kPeakMaxWidth instead, where that leaves its
// body no wider than kPeakLoneBodyOfWidest times the widest line the device gives.
constexpr double kPeakMinSignalToNoise = 7.75;
constexpr double kPeakMinProminenceToNoise = 3.5;
constexpr double kPeakMinSignalToMeasuredNoise = 10.0;
constexpr double kPeakMinProminenceToMeasuredNoise = 5.0;
constexpr double kPeakLikelySignalToNoise = 4.5;
constexpr double kPeakSurroundings = 1500.0;
constexpr double kPeakLevelReach = 100.0;
constexpr double kPeakEndReach = 50.0;
constexpr double kPeakMaxWidth = 300.0;
constexpr double kPeakMaxWidthOfWidest = 3.0;
constexpr double kPeakTopReach = 0.5;
// A body that spans at most kLineFewSamples measured samples (any line the device gives)
// has its top between them, where no value holds it: where the noise is known, such a line's height is the top of the
// Gaussian that best matches its measured samples, tried at kLineWidthTrials widths at half
// maximum (nm) over the range the device's lines take, from its optics' narrowest to its
// widest slit's. A wider body keeps the parabola's top. The matched top is the line's own,
// not the highest sample's, which lies up to a quarter below it: such a line must rise
// kPeakMinMatchedSignalToNoise noise widths.
constexpr double kLineNarrowestFwhm = 1.5;
constexpr double kLineWidestFwhm = 4.0;
constexpr int kLineWidthTrials = 6;
constexpr int kLineFewSamples = 4;
constexpr double kPeakMinMatchedSignalToNoise = 7.25;
// Where the noise is known, a line may also show itself by the Gaussian of the device's widths
// that best matches the samples around its top: its height over a level must then be
// kPeakMinMatchedSignificance of its own standard errors. A wide line shows itself in all
// its samples, so one too weak for its top alone to stand out is listed all the same. Its
// top must still rise kPeakMatchedLeastRise noise widths (in the units of
// kPeakMinSignalToNoise): a broad wave of the noise, low everywhere, matches a wide Gaussian
// as well.
constexpr double kPeakMinMatchedSignificance = 5.0;
constexpr double kPeakMatchedLeastRise = 5.0;
// A line on the flank of a taller one, whose valley towards it the flank and its neighbours
// fill, rises less than kPeakMinProminenceToNoise above it: it passes that gate where the
// Gaussian of the device's widths over a sloped level that best matches the samples around
// it rises kPeakMinShapeSignificance of its standard errors and leaves no more unexplained
// than a parabola, which a curved flank alone matches as well. Such a line must still rise
// kPeakMinFlankLineRise noise widths above its lower valley (a noise bump with no taller line
// beside it falls about as far on either side), and the taller top must lie further than the
// widest line the device gives (a nearer one may be the same line, split by the noise).
constexpr double kPeakMinShapeSignificance = 5.0;
constexpr double kPeakMinFlankLineRise = 8.0;
// Beyond where the values climb kPeakShoulderFlankRise noise widths above the top of such a
// line, towards its taller neighbour, the neighbour's flank bends more than a sloped level
// follows: a line rising kPeakTrimmedShoulderRise noise widths above its lower valley shows
// its shape in the samples before that only. A weaker one keeps them all: passing on the
// fewer, it is placed so far into the neighbour's pull (6 cm^-1 noise-free for polystyrene
// 1155 at 2.5 nm) that the noise puts it beyond its line.
constexpr double kPeakShoulderFlankRise = 2.0;
constexpr double kPeakTrimmedShoulderRise = 18.0;
// A line stands where the Gaussian of the device's widths, over a level, best matches the
// measured samples within about kPeakMatchReach body widths of it (kPeakMatchLeastReach of
// the narrowest device line's width at half maximum at least), its top sought within
// kPeakMatchShift body widths of the centre of its body: the flanks then count, not only the
// top, so the noise of a weak line moves it less, and the samples place it between them.
// A body up to kPeakLoneBodyOfWidest times the widest line the device gives is one line that
// the noise has widened: sought around its highest value, a weak wide line would follow the
// noise there and be listed more than kPeakMinSeparation off its place.
constexpr double kPeakLoneBodyOfWidest = 1.25;
constexpr double kPeakMatchReach = 0.6;
constexpr double kPeakMatchLeastReach = 0.75;
constexpr double kPeakMatchShift = 0.25;
// A body wider than kBlendBodyOfWidest times the widest line the device gives (the margin is
// what the noise moves a lone line's edges by) holds a neighbour's flank too: its centre,
// and a Gaussian matched as wide, lean towards that neighbour. Such a line stands where a
// Gaussian of the device's widths over a sloped level, which takes up the flank, best matches
// the measured samples within the widest line's width at half maximum of its top, placed
// within kBlendTopReach of that line's standard deviations of the top; only where the slope
// explains kBlendMinSlopeExplained squared noise widths more than a level does, so a lone
// line on a curved level keeps its matched place.
constexpr double kBlendBodyOfWidest = 1.15;
constexpr double kBlendTopReach = 0.5;
constexpr double kBlendMinSlopeExplained = 16.0;
// Where the noise is known, a line is listed only where its data fix its place to within
// kPeakMaxPlaceSpread (cm^-1, one standard deviation): the least spread, given those noise
// widths, of the top of the Gaussian of the device's width nearest its body's, over a level,
// matched to the measured samples within that width at half maximum of it. A weak line as
// wide as the device makes it is otherwise listed more than kPeakMinSeparation off its
// place often enough to pass for another line; held tighter, weak wide lines a chemist's
// eye finds are lost (a 4 nm line of 5-8 noise widths is fixed to about 5-9 cm^-1), and so
// are two blended lines between taller ones, whose body, narrowed by their neighbours'
// flanks, reads as a narrower line's. Held looser, a line before the start is listed off its
// place. A line cut by the start is placed by its measured side alone, which such a match
// does not describe.
constexpr double kPeakMaxPlaceSpread = 9.5;
// A line whose body begins within kPeakCutReach (cm^-1) of the start of the measured data
// has lost part of one side: it stands at the top of the Gaussian of the device's widths that
// best matches its measured side, no earlier than kPeakMaxTopBeforeStart (cm^-1) before the
// start. One that a top further before, sought up to kPeakCutTopBefore of the widest such
// line's standard deviations before the start, matches better by kPeakTopBeforeStartDoubt
// squared noise widths is not listed: only its flank reaches into the data, and listed at
// their start it would be a line the sample does not have there. Under noise a narrow line
// at the start and the flank of a wide one before it match nearly alike; the doubt keeps a
// narrow line at the start, such as polystyrene's 1001 cm^-1, listed. A line that narrow
// has no value beyond kPeakEndReach near its top: it may instead rise by the Gaussian of
// the device's widths that matches its measured side. Where the caller gives what was measured
// before the start too, the two tops are matched to those samples as well, which show on which
// side of the start the top lies, and the better match decides without doubt.
// Under noise the Gaussian matched to a cut line's measured side trades its width for its
// place; a line rising fewer than kPeakCutMatchedFrom noise widths stands instead at the
// centre of what it rises above the chord between the lowest values within one body width on
// either side of its top, which leans a few cm^-1 into the data but moves less (at the top
// matched with the samples before the start where that lies earlier: listed further in, a
// line before the start would be one the sample does not have there).
constexpr double kPeakCutReach = 40.0;
constexpr double kPeakCutMatchedFrom = 25.0;
constexpr double kPeakCutTopBefore = 3.0;
constexpr double kPeakMaxTopBeforeStart = 10.0;
constexpr double kPeakTopBeforeStartDoubt = 4.0;

} // namespace raman

// Writes exactly `length` values into `baseline`: a smooth curve lying under the
// peaks of `spectrum`. Nothing is written for a length of 0 or less.
void extract_spec_baseline(const double *spectrum, int length, double *baseline);

// Writes exactly `length` noise widths into `widths`: the spread a measurement has at each
// sample's own value, by a detector's read-plus-shot-noise model fitted over `spectrum`,
// and never less than one count's.
void spectrum_noise_widths(const double *spectrum, int length, double *widths);

// Writes exactly `length` noise widths into `widths` that tell whether a line is there: the
// spread the data would have without their lines (at `baseline`, raised to where the samples
// around it lie), not at the count a line adds to, whose own shot noise would judge a line as
// tall as the fluorescence under it at 0.7 of its signal-to-noise. Where a sample rises above
// that level, the width is such that the rise counts what shot noise makes of it. By the
// model `spectrum_noise_widths` fits, and never under the baseline's own error, which
// noise-free counts would otherwise show as lines; 0 where `spectrum` or `baseline` is not finite.
void line_free_noise_widths(const double *spectrum, const double *baseline, int length, double *widths);

// Resamples a spectrum over an ascending wavelength axis (nm) onto Stokes Raman shifts
// (cm^-1) that are whole multiples of `step`, interpolating linearly. The grid depends
// only on the axis and the step. Writes at most `capacity` points to `shiftOut` and
// `valuesOut` and their number to `*countOut` (0 when the axis cannot be converted).
void spec2ramanwithstep(const double *wavelengths, const double *values, double *shiftOut,
                        double *valuesOut, int *countOut, int length, double step, int capacity);

// Finds the local maxima of `values` over `shift` (ascending) that are narrow, stand out of
// the noise and keep their distance from better supported ones. `noiseWidths`, where given, holds the
// measurement's noise width at each point (infinite where the value was not measured, as
// at a clipped sample: no line stands on or beside it); without it the noise is measured
// from the values. `lineFreeNoiseWidths`, where given with them, judges whether a line is
// there instead (see line_free_noise_widths); the measurement's widths still place it.
// `valuesBeforeStart`, where given, holds the same grid's values from the start of the
// measured data on and, a few samples before it, what was measured there less the
// fluorescence carried back: they tell only whether a peak at the start is the flank of a
// line before it (then not listed); no peak is listed further before the start than
// kPeakMaxTopBeforeStart.
// Writes at most `capacity` peaks (those that rise the most noise widths), in ascending
// shift, and returns their number.
int find_raman_peaks(const double *shift, const double *values, int count,
                     double *positions, double *heights, int capacity,
                     const double *noiseWidths = nullptr, const double *lineFreeNoiseWidths = nullptr,
                     const double *valuesBeforeStart = nullptr);
