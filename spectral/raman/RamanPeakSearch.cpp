// Peak search on a Raman spectrum: local maxima (a plateau counts once) that rise
// far enough above their surroundings (topographic prominence), are narrow enough to be
// a line, stand out of the noise where they stand and keep a minimum distance from any
// higher peak. The strongest ones up to the caller's capacity are returned in ascending shift.

#include "raman/LineShape.h"
#include "raman/RamanTools.h"
#include "raman/WeightedParabola.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Candidate {
    int first = 0; // plateau start
    int last = 0;  // plateau end
    double height = 0.0;
    double prominence = 0.0;
    int bodyFirst = 0; // first sample above half the prominence
    int bodyLast = 0;  // last sample above half the prominence
    double position = 0.0;
};

// Lowest value between the plateau and the nearest higher sample on one side
// (or the end of the data); a non-finite sample ends the search like a higher one.
double valleyTowards(const double *values, int count, int from, int direction, double height)
{
    double lowest = height;
    for (int i = from + direction; i >= 0 && i < count; i += direction) {
        const double v = values[i];
        if (!std::isfinite(v) || v > height)
            break;
        lowest = std::min(lowest, v);
    }
    return lowest;
}

// The samples around the plateau that lie above half the prominence: the body of the peak.
void findBody(Candidate &c, const double *values, int count)
{
    const double level = c.height - 0.5 * c.prominence;
    c.bodyFirst = c.first;
    while (c.bodyFirst > 0 && std::isfinite(values[c.bodyFirst - 1]) && values[c.bodyFirst - 1] > level)
        --c.bodyFirst;
    c.bodyLast = c.last;
    while (c.bodyLast + 1 < count && std::isfinite(values[c.bodyLast + 1]) && values[c.bodyLast + 1] > level)
        ++c.bodyLast;
}

// Centre of the body, weighted by the excess over half the prominence, so the position
// is not tied to the sample that happens to be highest.
double centreOf(const Candidate &c, const double *shift, const double *values)
{
    const double level = c.height - 0.5 * c.prominence;
    double weighted = 0.0, total = 0.0;
    for (int i = c.bodyFirst; i <= c.bodyLast; ++i) {
        const double excess = values[i] - level;
        weighted += excess * shift[i];
        total += excess;
    }
    return total > 0.0 ? weighted / total : shift[(c.first + c.last) / 2];
}

double medianOf(std::vector<double> &v)
{
    auto middle = v.begin() + std::ptrdiff_t(v.size() / 2);
    std::nth_element(v.begin(), middle, v.end());
    return *middle;
}

// The stretch of the spectrum that was measured: zeros running to either end are where
// nothing was (below the laser edge), not a quiet signal.
struct Measured {
    int first = 0;
    int last = -1;
};

Measured measuredStretch(const double *values, int count)
{
    Measured m;
    while (m.first < count && values[m.first] == 0.0)
        ++m.first;
    m.last = count - 1;
    while (m.last >= m.first && values[m.last] == 0.0)
        --m.last;
    return m;
}

// Shift (cm^-1) around a value whose median the noise is measured from, and the
// measured shift at either end where the baseline is free to stray and no noise is taken.
constexpr double kResidualReach = 100.0;
// A normal variable's median absolute deviation in widths, and the deviations (in such
// widths) beyond which a value counts no more than this.
constexpr double kNormalMadToWidth = 1.0 / 0.6745;
constexpr double kNoiseClip = 3.5;
// Values the noise is measured from at least; with fewer, only the prominence counts.
constexpr size_t kLeastNoiseValues = 6;
// The noise where a peak stands is never taken below this fraction of the mean around it:
// a trend carried to the end of its data is no measure.
constexpr double kLeastNoiseOfMean = 0.25;

// Residuals are taken at every this many grid points: the grid is finer than the
// measurement, so the others would add time and hardly any knowledge.
constexpr int kResidualStride = 2;

// Deviation of every measured value from the median of the values within kResidualReach
// around it: the noise, without the slow change of the level beneath it. NaN where there
// is none, between the strides, and within kResidualReach of the ends of the measured stretch.
std::vector<double> residualsOf(const double *shift, const double *values, int count, const Measured &measured)
{
    std::vector<double> residuals(size_t(count), std::numeric_limits<double>::quiet_NaN());
    std::vector<double> window;
    int from = measured.first, to = measured.first;
    for (int i = measured.first; i <= measured.last; ++i) {
        while (shift[i] - shift[from] > kResidualReach)
            ++from;
        while (to + 1 <= measured.last && shift[to + 1] - shift[i] <= kResidualReach)
            ++to;
        if (i % kResidualStride != 0 || shift[i] - shift[measured.first] < kResidualReach
            || shift[measured.last] - shift[i] < kResidualReach || !std::isfinite(values[i]))
            continue;
        window.clear();
        for (int j = from; j <= to; ++j)
            if (std::isfinite(values[j]))
                window.push_back(values[j]);
        residuals[size_t(i)] = values[i] - medianOf(window);
    }
    return residuals;
}

// Variance at 0 of the straight line fitted by least squares through squared residuals
// at offsets x, each clipped at kNoiseClip robust widths so a line nearby hardly counts;
// not below kLeastNoiseOfMean of their mean.
double varianceAt(const std::vector<double> &x, const std::vector<double> &r, std::vector<double> &magnitudes)
{
    magnitudes.resize(r.size());
    for (size_t i = 0; i < r.size(); ++i)
        magnitudes[i] = std::fabs(r[i]);
    const double clip = kNoiseClip * kNormalMadToWidth * medianOf(magnitudes);
    double n = 0.0, sx = 0.0, sxx = 0.0, sy = 0.0, sxy = 0.0;
    for (size_t i = 0; i < r.size(); ++i) {
        const double d = std::min(std::fabs(r[i]), clip);
        n += 1.0;
        sx += x[i];
        sxx += x[i] * x[i];
        sy += d * d;
        sxy += x[i] * d * d;
    }
    const double mean = sy / n;
    const double spread = n * sxx - sx * sx;
    const double atZero = spread > 0.0 ? (sxx * sy - sx * sxy) / spread : mean;
    return std::max(atZero, kLeastNoiseOfMean * mean);
}

// What every peak's judgement reads, and room that one judgement after another reuses.
struct Judging {
    const double *shift = nullptr;
    const double *values = nullptr;
    const double *noiseWidths = nullptr; // the caller's, or null
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

Surroundings surroundingsOf(const Candidate &c, Judging &j, const std::vector<char> &leftOut)
{
    const double *shift = j.shift;
    const double *values = j.values;
    const Measured &measured = j.measured;
    const std::vector<double> &residuals = j.residuals;
    std::vector<double> &levels = j.levels, &x = j.x, &r = j.r;
    levels.clear();
    x.clear();
    r.clear();
    const double width = shift[c.bodyLast] - shift[c.bodyFirst];
    Surroundings found;
    std::vector<double> &side = j.sideLevels;
    for (int direction : {-1, +1}) {
        const size_t sideFrom = levels.size();
        const int edge = direction < 0 ? c.bodyFirst : c.bodyLast;
        for (int i = edge + direction; i >= measured.first && i <= measured.last; i += direction) {
            const double distance = std::fabs(shift[i] - shift[edge]);
            if (!(distance <= width + raman::kPeakSurroundings))
                break;
            if (distance <= width || leftOut[size_t(i)])
                continue;
            if (distance <= width + raman::kPeakLevelReach && std::isfinite(values[i]))
                levels.push_back(values[i]);
            if (!residuals.empty() && std::isfinite(residuals[size_t(i)])) {
                x.push_back(shift[i] - shift[c.first]);
                r.push_back(residuals[size_t(i)]);
            }
        }
        if (levels.size() > sideFrom) {
            side.assign(levels.begin() + std::ptrdiff_t(sideFrom), levels.end());
            const double sideLevel = medianOf(side);
            found.lowerSideLevel = found.sidesRead == 0 ? sideLevel : std::min(found.lowerSideLevel, sideLevel);
            ++found.sidesRead;
        }
    }
    found.levelKnown = !levels.empty();
    found.level = found.levelKnown ? medianOf(levels) : 0.0;
    if (j.noiseWidths) {
        const double known = j.noiseWidths[(c.first + c.last) / 2];
        found.noise = std::isfinite(known) && known > 0.0 ? known : 0.0;
    } else {
        found.noise = r.size() >= kLeastNoiseValues ? std::sqrt(varianceAt(x, r, j.magnitudes)) : 0.0;
    }
    return found;
}

// A short record keeps its peaks: the end reach is at most this fraction of the measured stretch.
constexpr double kEndReachOfStretch = 0.125;

// The highest value of a peak's body at least kPeakEndReach from both ends of the measured
// data, and its prominence counted from there; no height when the whole body is that near.
// `whole` tells whether the plateau itself lies that far.
bool heightAwayFromEnds(const Candidate &c, const Judging &j, double &height, double &prominence, bool &whole)
{
    const double *shift = j.shift;
    const double stretch = shift[j.measured.last] - shift[j.measured.first];
    const double reach = std::min(raman::kPeakEndReach, kEndReachOfStretch * stretch);
    const double from = shift[j.measured.first] + reach;
    const double to = shift[j.measured.last] - reach;
    whole = shift[c.first] >= from && shift[c.last] <= to;
    if (whole) {
        height = c.height;
        prominence = c.prominence;
        return true;
    }
    bool found = false;
    for (int i = c.bodyFirst; i <= c.bodyLast; ++i) {
        if (shift[i] >= from && shift[i] <= to && std::isfinite(j.values[i]) && (!found || j.values[i] > height)) {
            height = j.values[i];
            found = true;
        }
    }
    prominence = c.prominence - (c.height - height);
    return found;
}

// Top of the least-squares parabola through the values within kPeakTopReach of the body's
// width from the middle of the plateau, taken within that reach; the highest value where
// they make no top.
double topOfParabola(const Candidate &c, Judging &j, double width)
{
    const int middle = (c.first + c.last) / 2;
    const double centre = j.shift[middle];
    const double reach = raman::kPeakTopReach * width;
    j.topX.clear();
    j.topY.clear();
    const auto take = [&](int i) {
        if (std::isfinite(j.values[i])) {
            j.topX.push_back(j.shift[i] - centre);
            j.topY.push_back(j.values[i]);
        }
    };
    for (int i = middle; i >= j.measured.first && centre - j.shift[i] <= reach; --i)
        take(i);
    for (int i = middle + 1; i <= j.measured.last && j.shift[i] - centre <= reach; ++i)
        take(i);
    j.topWeight.assign(j.topX.size(), 1.0);
    double p[3];
    if (j.topX.size() < 3 || !raman::weightedParabola(j.topX, j.topY, j.topWeight, p) || !(p[2] < 0.0))
        return c.height;
    const double top = std::clamp(-p[1] / (2.0 * p[2]), -reach, reach);
    const double height = p[0] + p[1] * top + p[2] * top * top;
    return std::isfinite(height) ? height : c.height;
}

// Full width at half maximum of a Gaussian in its standard deviations.
constexpr double kFwhmPerSigma = 2.3548200450309493;

// The last value of the straight stretch that resampling draws from the zeros before the
// first measured value up to it (no measurement of its own), or the first measured value
// where the data begin otherwise.
int endOfStartRamp(const Judging &j)
{
    const auto slope = [&](int i) { return (j.values[i + 1] - j.values[i]) / (j.shift[i + 1] - j.shift[i]); };
    int i = j.measured.first;
    while (i + 2 <= j.measured.last && std::fabs(slope(i + 1) - slope(i)) <= 1e-9 * std::fabs(slope(i)))
        ++i;
    return i > j.measured.first ? i + 1 : j.measured.first;
}

// Measured samples of `j.samples` that lie within a peak's body.
long samplesInBody(const Candidate &c, const Judging &j)
{
    return std::count_if(j.samples.begin(), j.samples.end(), [&](const raman::MeasuredSample &m) {
        return m.x >= j.shift[c.bodyFirst] && m.x <= j.shift[c.bodyLast];
    });
}

// Top of the Gaussian, as wide as a line the device gives, that best matches the measured
// samples within the body's width plus two of the narrowest such lines' standard deviations
// of the plateau's middle, its top within half the body's width of there: a line narrower
// than a few samples shows its top between them, which no grid value holds. The top of the
// parabola over the top where no such Gaussian matches, or where the body spans more than
// kLineFewSamples samples; `matched` tells which.
double topOfLine(const Candidate &c, Judging &j, double width, bool &matched)
{
    matched = false;
    const int middle = (c.first + c.last) / 2;
    const double centre = j.shift[middle];
    raman::deviceLineSigmas(centre, j.sigmas);
    const double reach = width + 2.0 * j.sigmas.front();
    int from = middle, to = middle;
    while (from > j.measured.first && centre - j.shift[from - 1] <= reach)
        --from;
    while (to < j.measured.last && j.shift[to + 1] - centre <= reach)
        ++to;
    raman::measuredSamplesOf(j.shift, j.values, from, to, j.samples);
    if (samplesInBody(c, j) > raman::kLineFewSamples)
        return topOfParabola(c, j, width);
    const raman::GaussianMatch match = raman::bestGaussian(j.samples, j.sigmas, centre, 0.5 * width);
    matched = match.found && std::isfinite(match.top);
    return matched ? match.top : topOfParabola(c, j, width);
}

// Whether the start of the measured data has cut a peak's body.
bool cutByStart(const Candidate &c, const Judging &j)
{
    return j.shift[c.bodyFirst] - j.shift[j.measured.first] <= raman::kPeakCutReach;
}

// Top and level of a line that the start has cut: the Gaussian of the device's widths that
// best matches its measured side, its top anywhere from the first measured sample to half
// the body's width past the plateau's middle (the ramp drawn up to that sample is no
// measurement, and a top beyond the data would be a guess). The samples reach two of the
// widest such lines' standard deviations past the body, and on until there are enough to fix
// the level: values the baseline clamped to nothing show no samples among them. False for a
// body of more than kLineFewSamples samples or where no such Gaussian matches.
bool topOfCutLine(const Candidate &c, Judging &j, double width, double &top, double &level)
{
    const int middle = (c.first + c.last) / 2;
    raman::deviceLineSigmas(j.shift[middle], j.sigmas);
    const int ramp = endOfStartRamp(j);
    const double reach = j.shift[c.bodyLast] + 2.0 * j.sigmas.back();
    int to = c.bodyLast;
    while (to < j.measured.last && j.shift[to + 1] - j.shift[c.bodyLast] <= raman::kPeakSurroundings)
        ++to;
    if (!raman::measuredSamplesOf(j.shift, j.values, std::max(j.measured.first, ramp - 1), to, j.samples))
        return false;
    size_t kept = 0;
    while (kept < j.samples.size() && (j.samples[kept].x <= reach || kept < raman::kLeastMatchSamples))
        ++kept;
    j.samples.resize(kept);
    j.samples.erase(std::remove_if(j.samples.begin(), j.samples.end(),
                                   [&](const raman::MeasuredSample &m) { return m.x < j.shift[ramp]; }),
                    j.samples.end());
    if (j.samples.empty() || samplesInBody(c, j) > raman::kLineFewSamples)
        return false;
    const double first = j.samples.front().x;
    const double last = std::max(first, j.shift[middle] + 0.5 * width);
    const raman::GaussianMatch match = raman::bestGaussian(j.samples, j.sigmas, 0.5 * (first + last), 0.5 * (last - first));
    if (!match.found || !std::isfinite(match.top))
        return false;
    top = match.top;
    level = match.level;
    return true;
}

// Whether the body of a peak, or one body width on either side, holds a value whose noise
// has no bound: a clipped sample is neither the top nor a flank of a line.
bool touchesUnmeasured(const Candidate &c, const Judging &j)
{
    if (!j.noiseWidths)
        return false;
    const double width = j.shift[c.bodyLast] - j.shift[c.bodyFirst];
    for (int i = c.bodyFirst; i >= j.measured.first && j.shift[c.bodyFirst] - j.shift[i] <= width; --i)
        if (std::isinf(j.noiseWidths[i]))
            return true;
    for (int i = c.bodyFirst; i <= j.measured.last && j.shift[i] - j.shift[c.bodyLast] <= width; ++i)
        if (std::isinf(j.noiseWidths[i]))
            return true;
    return false;
}

// How many noise widths a top at `height` rises above the level of its surroundings (above
// the higher of its valleys, `prominence`, where no level is known), the level taken no
// lower than `floor`.
double riseToNoise(const Surroundings &around, const Judging &j, double height, double prominence, double floor,
                   bool matched)
{
    double level = around.level;
    if (j.noiseWidths && around.levelKnown)
        level = around.sidesRead == 2 ? around.lowerSideLevel : std::min(around.level, 0.0);
    level = std::max(level, floor);
    const double rise = around.levelKnown ? height - level : prominence;
    if (!(rise > 0.0))
        return 0.0;
    if (!(around.noise > 0.0))
        return std::numeric_limits<double>::infinity();
    // A matched top is judged against its own threshold, in the units of the one the caller holds.
    const double scale = matched ? raman::kPeakMinSignalToNoise / raman::kPeakMinMatchedSignalToNoise : 1.0;
    return scale * rise / around.noise;
}

// How many noise widths a peak rises above its surroundings; 0 for a bump broader than
// kPeakMaxWidth and for one whose prominence stays under kPeakMinProminenceToNoise noise
// widths. A line the start has cut is judged by whichever tells more: its flank beyond the
// end reach, which a wide line keeps, or the Gaussian that matches its measured side over
// the level that match finds beside it, which a narrow one needs.
double signalToNoise(const Candidate &c, Judging &j, const std::vector<char> &leftOut)
{
    const double width = j.shift[c.bodyLast] - j.shift[c.bodyFirst];
    if (width > raman::kPeakMaxWidth || touchesUnmeasured(c, j))
        return 0.0;
    double height = 0.0, prominence = 0.0;
    bool whole = false;
    const bool away = heightAwayFromEnds(c, j, height, prominence, whole);
    const bool cut = !whole && j.noiseWidths && cutByStart(c, j);
    if (!away && !cut)
        return 0.0;
    const Surroundings around = surroundingsOf(c, j, leftOut);
    const auto prominentEnough = [&](double p) {
        return !(around.noise > 0.0) || p >= j.minProminenceToNoise * around.noise;
    };
    double ratio = 0.0;
    if (away && prominentEnough(prominence)) {
        bool matched = false;
        if (j.noiseWidths && whole)
            height = topOfLine(c, j, width, matched);
        ratio = riseToNoise(around, j, height, prominence, -std::numeric_limits<double>::infinity(), matched);
    }
    double cutTop = 0.0, cutLevel = 0.0;
    if (cut && prominentEnough(c.prominence) && topOfCutLine(c, j, width, cutTop, cutLevel))
        ratio = std::max(ratio, riseToNoise(around, j, cutTop, c.prominence, cutLevel, true));
    return ratio;
}

std::vector<Candidate> localMaxima(const double *values, int count)
{
    std::vector<Candidate> found;
    int i = 1;
    while (i < count - 1) {
        if (!(values[i] > values[i - 1])) {
            ++i;
            continue;
        }
        int j = i;
        while (j + 1 < count && values[j + 1] == values[i])
            ++j;
        if (j + 1 < count && values[j + 1] < values[i]) {
            Candidate c;
            c.first = i;
            c.last = j;
            c.height = values[i];
            const double left = valleyTowards(values, count, i, -1, c.height);
            const double right = valleyTowards(values, count, j, +1, c.height);
            c.prominence = c.height - std::max(left, right);
            found.push_back(c);
        }
        i = j + 1;
    }
    return found;
}

// Marks the body of a peak and one body width on either side of it.
void leaveOut(const Candidate &c, const double *shift, int count, std::vector<char> &leftOut)
{
    const double width = shift[c.bodyLast] - shift[c.bodyFirst];
    for (int i = c.bodyFirst; i >= 0 && shift[c.bodyFirst] - shift[i] <= width; --i)
        leftOut[size_t(i)] = 1;
    for (int i = c.bodyFirst; i < count && shift[i] - shift[c.bodyLast] <= width; ++i)
        leftOut[size_t(i)] = 1;
}

// Where a Gaussian kPeakMatchWidth as wide as the body best matches the values (on a level
// of their own) within kPeakMatchReach body widths of `centre`: searched in whole cm^-1
// within kPeakMatchShift body widths of it and refined between the best three; `centre`
// itself where the values are too few or match no such top.
double matchedCentre(const Candidate &c, const Judging &j, double centre)
{
    const double *shift = j.shift;
    const double *values = j.values;
    const double width = shift[c.bodyLast] - shift[c.bodyFirst];
    const double sigma = raman::kPeakMatchWidth * width / kFwhmPerSigma;
    const double reach = raman::kPeakMatchReach * width;
    if (!(sigma > 0.0) || !std::isfinite(sigma))
        return centre;
    int from = c.first, to = c.last;
    while (from > j.measured.first && shift[from - 1] >= centre - reach)
        --from;
    while (to < j.measured.last && shift[to + 1] <= centre + reach)
        ++to;
    if (to - from < 4)
        return centre;
    // Explained variance of the least-squares fit a * gaussian + b with its top at `top`.
    const auto match = [&](double top) {
        double n = 0.0, sg = 0.0, sy = 0.0, sgg = 0.0, sgy = 0.0;
        for (int i = from; i <= to; ++i) {
            if (!std::isfinite(values[i]))
                continue;
            const double d = (shift[i] - top) / sigma;
            const double g = std::exp(-0.5 * d * d);
            n += 1.0;
            sg += g;
            sy += values[i];
            sgg += g * g;
            sgy += g * values[i];
        }
        if (n < 3.0)
            return 0.0;
        const double cgg = sgg - sg * sg / n, cgy = sgy - sg * sy / n;
        return cgy > 0.0 && cgg > 0.0 ? cgy * cgy / cgg : 0.0;
    };
    const int steps = int(raman::kPeakMatchShift * width);
    std::vector<double> scores;
    int best = -1;
    for (int k = -steps; k <= steps; ++k) {
        scores.push_back(match(centre + k));
        if (scores.back() > 0.0 && (best < 0 || scores.back() > scores[size_t(best)]))
            best = int(scores.size()) - 1;
    }
    if (best < 0)
        return centre;
    double offset = 0.0;
    if (best > 0 && best + 1 < int(scores.size())) {
        const double before = scores[size_t(best) - 1], after = scores[size_t(best) + 1];
        const double curvature = before - 2.0 * scores[size_t(best)] + after;
        if (curvature < 0.0)
            offset = 0.5 * (before - after) / curvature;
    }
    return centre + (best - steps) + offset;
}

// Centre of what a line rises above the chord between the lowest values within one body
// width on either side of its plateau, weighted by the rise beyond half the highest rise
// and leaving out the ramp before the first measured value; false where one side has no
// lower value.
bool centreAboveChord(const Candidate &c, const Judging &j, double &centre)
{
    const double *shift = j.shift;
    const double *values = j.values;
    const double width = shift[c.bodyLast] - shift[c.bodyFirst];
    int left = c.first, right = c.last;
    for (int i = c.first; i >= j.measured.first && shift[c.first] - shift[i] <= width; --i)
        if (std::isfinite(values[i]) && values[i] <= values[left])
            left = i;
    for (int i = c.last; i <= j.measured.last && shift[i] - shift[c.last] <= width; ++i)
        if (std::isfinite(values[i]) && values[i] <= values[right])
            right = i;
    if (left >= c.first || right <= c.last)
        return false;
    const double slope = (values[right] - values[left]) / (shift[right] - shift[left]);
    const auto rise = [&](int i) { return values[i] - (values[left] + slope * (shift[i] - shift[left])); };
    int top = left;
    for (int i = left; i <= right; ++i)
        if (rise(i) > rise(top))
            top = i;
    const double half = 0.5 * rise(top);
    const int firstCounted = endOfStartRamp(j);
    int from = top, to = top;
    while (from - 1 > left && from - 1 >= firstCounted && rise(from - 1) > half)
        --from;
    while (to + 1 < right && rise(to + 1) > half)
        ++to;
    double weighted = 0.0, total = 0.0;
    for (int i = from; i <= to; ++i) {
        weighted += (rise(i) - half) * shift[i];
        total += rise(i) - half;
    }
    if (!(total > 0.0))
        return false;
    centre = weighted / total;
    return true;
}

// Where a line whose body takes in a blended neighbour's flank stands (kBlendBodyOfWidest);
// false where the body is no wider than one line, the noise is not known or a sloped level
// explains too little more than a level one.
bool placeInBlend(const Candidate &c, Judging &j, double &position)
{
    if (!j.noiseWidths)
        return false;
    const int middle = (c.first + c.last) / 2;
    const double top = j.shift[middle];
    const double noise = j.noiseWidths[middle];
    raman::deviceLineSigmas(top, j.sigmas);
    const double widest = kFwhmPerSigma * j.sigmas.back();
    if (!(j.shift[c.bodyLast] - j.shift[c.bodyFirst] > raman::kBlendBodyOfWidest * widest) || !(noise > 0.0)
        || !std::isfinite(noise))
        return false;
    int from = middle, to = middle;
    while (from > j.measured.first && top - j.shift[from - 1] <= widest)
        --from;
    while (to < j.measured.last && j.shift[to + 1] - top <= widest)
        ++to;
    raman::measuredSamplesOf(j.shift, j.values, from, to, j.samples);
    const double reach = raman::kBlendTopReach * j.sigmas.back();
    const raman::GaussianMatch level = raman::bestGaussian(j.samples, j.sigmas, top, reach);
    const raman::GaussianMatch sloped = raman::bestGaussianOverSlope(j.samples, j.sigmas, top, reach);
    if (!level.found || !sloped.found
        || !(level.unexplained - sloped.unexplained > raman::kBlendMinSlopeExplained * noise * noise))
        return false;
    position = sloped.centre;
    return true;
}

// Where a line stands: where a Gaussian matches it best near the centre of its body, or
// the centre of its rise above the chord beneath it where the start of the measured data
// has cut its body, or where it matches over a slope where its body takes in a neighbour's.
double positionOf(const Candidate &c, Judging &j)
{
    double centre = 0.0;
    if (cutByStart(c, j) && centreAboveChord(c, j, centre))
        return centre;
    if (placeInBlend(c, j, centre))
        return centre;
    return matchedCentre(c, j, centreOf(c, j.shift, j.values));
}

// The lines among the prominent maxima. Peaks that may be lines (kPeakLikelySignalToNoise)
// are first left out of each other's surroundings, so a line does not hide a weaker
// neighbour by raising the noise beside it; then each whose surroundings that changed is
// judged again.
std::vector<Candidate> linesAmong(const std::vector<Candidate> &prominent, const double *shift,
                                  const double *values, const double *noiseWidths, int count)
{
    Judging j;
    j.shift = shift;
    j.values = values;
    j.measured = measuredStretch(values, count);
    j.noiseWidths = noiseWidths;
    if (noiseWidths) {
        j.minSignalToNoise = raman::kPeakMinSignalToNoise;
        j.minProminenceToNoise = raman::kPeakMinProminenceToNoise;
    } else {
        j.residuals = residualsOf(shift, values, count, j.measured);
    }
    const std::vector<char> nothingLeftOut(size_t(count), 0);
    std::vector<char> leftOut(size_t(count), 0);
    std::vector<double> ratios;
    for (const Candidate &c : prominent) {
        ratios.push_back(signalToNoise(c, j, nothingLeftOut));
        if (ratios.back() >= raman::kPeakLikelySignalToNoise)
            leaveOut(c, shift, count, leftOut);
    }
    // Marks before each index, so whether a stretch holds one is a subtraction.
    std::vector<int> marksBefore(size_t(count) + 1, 0);
    for (int i = 0; i < count; ++i)
        marksBefore[size_t(i) + 1] = marksBefore[size_t(i)] + leftOut[size_t(i)];
    const auto marksIn = [&](int from, int to) {
        return from > to ? 0 : marksBefore[size_t(to) + 1] - marksBefore[size_t(from)];
    };
    std::vector<Candidate> lines;
    for (size_t k = 0; k < prominent.size(); ++k) {
        const Candidate &c = prominent[k];
        const double width = shift[c.bodyLast] - shift[c.bodyFirst];
        int from = c.bodyFirst, to = c.bodyLast;
        while (from > 0 && shift[c.bodyFirst] - shift[from - 1] <= width)
            --from;
        while (to + 1 < count && shift[to + 1] - shift[c.bodyLast] <= width)
            ++to;
        int reachFirst = from, reachLast = to;
        while (reachFirst > 0 && shift[from] - shift[reachFirst - 1] <= raman::kPeakSurroundings)
            --reachFirst;
        while (reachLast + 1 < count && shift[reachLast + 1] - shift[to] <= raman::kPeakSurroundings)
            ++reachLast;
        const bool changed = marksIn(reachFirst, from - 1) + marksIn(to + 1, reachLast) > 0;
        const double ratio = changed ? signalToNoise(c, j, leftOut) : ratios[k];
        if (ratio >= j.minSignalToNoise) {
            lines.push_back(c);
            lines.back().position = positionOf(c, j);
        }
    }
    return lines;
}

} // namespace

int find_raman_peaks(const double *shift, const double *values, int count,
                     double *positions, double *heights, int capacity, const double *noiseWidths)
{
    if (!shift || !values || !positions || !heights || count < 3 || capacity <= 0)
        return 0;

    bool any = false;
    double lowest = 0.0, highest = 0.0;
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(values[i]) || !std::isfinite(shift[i]))
            continue;
        lowest = any ? std::min(lowest, values[i]) : values[i];
        highest = any ? std::max(highest, values[i]) : values[i];
        any = true;
    }
    const double range = highest - lowest;
    if (!any || !(range > 0.0) || !std::isfinite(range))
        return 0;
    const double minProminence = raman::kPeakMinRelativeProminence * range;

    std::vector<Candidate> prominent;
    for (Candidate &c : localMaxima(values, count)) {
        if (c.prominence >= minProminence && c.prominence > 0.0) {
            findBody(c, values, count);
            prominent.push_back(c);
        }
    }
    std::vector<Candidate> candidates = linesAmong(prominent, shift, values, noiseWidths, count);
    // Highest first; a peak too close to a higher accepted one is dropped.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.height > b.height; });
    std::vector<Candidate> accepted;
    for (const Candidate &c : candidates) {
        if (int(accepted.size()) >= capacity)
            break;
        const bool tooClose = std::any_of(accepted.begin(), accepted.end(), [&](const Candidate &a) {
            return std::fabs(a.position - c.position) < raman::kPeakMinSeparation;
        });
        if (!tooClose)
            accepted.push_back(c);
    }
    std::sort(accepted.begin(), accepted.end(),
              [](const Candidate &a, const Candidate &b) { return a.position < b.position; });
    for (size_t k = 0; k < accepted.size(); ++k) {
        positions[k] = accepted[k].position;
        heights[k] = accepted[k].height;
    }
    return int(accepted.size());
}
