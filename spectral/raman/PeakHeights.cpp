// How high a peak rises above where it stands, and how many noise widths that is.

#include "raman/PeakJudging.h"
#include "raman/WeightedParabola.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace raman::detail {

namespace {

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

// Measured samples of `j.samples` that lie within a peak's body.
long samplesInBody(const Candidate &c, const Judging &j)
{
    return std::count_if(j.samples.begin(), j.samples.end(), [&](const raman::MeasuredSample &m) {
        return m.x >= j.shift[c.bodyFirst] && m.x <= j.shift[c.bodyLast];
    });
}

// The Gaussian, as wide as a line the device gives, that best matches the measured samples
// within the body's width plus two of the narrowest such lines' standard deviations of the
// plateau's middle, its top within half the body's width of there. Those samples stay in
// `j.samples`.
raman::GaussianMatch matchAroundTop(const Candidate &c, Judging &j, double width)
{
    const int middle = (c.first + c.last) / 2;
    const double centre = j.shift[middle];
    raman::deviceLineSigmas(centre, j.sigmas);
    takeSamplesAround(j, middle, width + 2.0 * j.sigmas.front());
    return raman::bestGaussian(j.samples, j.sigmas, centre, 0.5 * width);
}

// The top of `match`: a line narrower than a few samples shows its top between them, which no
// grid value holds. The top of the parabola over the top where no Gaussian matched, or where
// the body spans more than kLineFewSamples of the samples matched; `matched` tells which.
double topOfLine(const Candidate &c, Judging &j, double width, const raman::GaussianMatch &match, bool &matched)
{
    matched = samplesInBody(c, j) <= raman::kLineFewSamples && match.found && std::isfinite(match.top);
    return matched ? match.top : topOfParabola(c, j, width);
}

// How many of its standard errors the height of `match` rises over its level, at `noise`,
// over the samples it was matched to (`j.samples`): a wide line shows itself in all its
// samples, not only in its top. 0 where no Gaussian matched.
double matchedSignificance(const raman::GaussianMatch &match, const Judging &j, double noise)
{
    if (!match.found || !(noise > 0.0))
        return 0.0;
    // The height's variance over a level is the noise's over the spread of the Gaussian's values.
    double n = 0.0, sg = 0.0, sgg = 0.0;
    for (const raman::MeasuredSample &m : j.samples) {
        const double d = (m.x - match.centre) / match.sigma;
        const double g = std::exp(-0.5 * d * d);
        n += 1.0;
        sg += g;
        sgg += g * g;
    }
    const double spread = sgg - sg * sg / n;
    return spread > 0.0 ? (match.top - match.level) * std::sqrt(spread) / noise : 0.0;
}

// Unexplained squares of the least-squares parabola through `j.samples`, x taken from
// `centre`; infinite where they fix none.
double parabolaUnexplained(Judging &j, double centre)
{
    j.topX.clear();
    j.topY.clear();
    for (const raman::MeasuredSample &m : j.samples) {
        j.topX.push_back(m.x - centre);
        j.topY.push_back(m.y);
    }
    j.topWeight.assign(j.topX.size(), 1.0);
    double p[3];
    if (j.topX.size() < raman::kLeastMatchSamples || !raman::weightedParabola(j.topX, j.topY, j.topWeight, p))
        return std::numeric_limits<double>::infinity();
    double left = 0.0;
    for (size_t i = 0; i < j.topX.size(); ++i) {
        const double r = j.topY[i] - (p[0] + p[1] * j.topX[i] + p[2] * j.topX[i] * j.topX[i]);
        left += r * r;
    }
    return left;
}

// Top and level of a line that the start has cut: the Gaussian of the device's widths that
// best matches its measured side, its top anywhere from the first measured sample to half
// the body's width past the plateau's middle (a top beyond the data would be a guess). False
// for a body of more than kLineFewSamples samples or where no such Gaussian matches.
bool topOfCutLine(const Candidate &c, Judging &j, double width, double &top, double &level)
{
    if (!takeCutLineSamples(c, j, raman::kLeastMatchSamples) || samplesInBody(c, j) > raman::kLineFewSamples)
        return false;
    const double first = j.samples.front().x;
    const double last = std::max(first, j.shift[(c.first + c.last) / 2] + 0.5 * width);
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

// How many noise widths a top at `height` rises above the level of its surroundings (by
// `unlevelledRise` where no level is known), the level taken no lower than `floor`.
double riseToNoise(const Surroundings &around, const Judging &j, double height, double unlevelledRise, double floor,
                   bool matched)
{
    double level = around.level;
    if (j.noiseWidths && around.levelKnown)
        level = around.sidesRead == 2 ? around.lowerSideLevel : std::min(around.level, 0.0);
    level = std::max(level, floor);
    const double rise = around.levelKnown ? height - level : unlevelledRise;
    if (!(rise > 0.0))
        return 0.0;
    if (!(around.noise > 0.0))
        return std::numeric_limits<double>::infinity();
    // A matched top is judged against its own threshold, in the units of the one the caller holds.
    const double scale = matched ? raman::kPeakMinSignalToNoise / raman::kPeakMinMatchedSignalToNoise : 1.0;
    return scale * rise / around.noise;
}

} // namespace

bool showsLineShape(const Candidate &c, Judging &j, double noise)
{
    if (!(noise > 0.0))
        return false;
    const double width = j.shift[c.bodyLast] - j.shift[c.bodyFirst];
    const int middle = (c.first + c.last) / 2;
    const double centre = j.shift[middle];
    raman::deviceLineSigmas(centre, j.sigmas);
    takeSamplesAround(j, middle, std::max(width + 2.0 * j.sigmas.front(), raman::kFwhmPerSigma * j.sigmas.back()));
    if (c.rise >= raman::kPeakTrimmedShoulderRise * noise)
        dropTallerFlank(c, j, centre, c.height + raman::kPeakShoulderFlankRise * noise);
    const raman::GaussianMatch match = raman::bestGaussianOverSlope(j.samples, j.sigmas, centre, 0.5 * width);
    double height = 0.0, variance = 0.0;
    if (!match.found || !raman::heightOverSlope(j.samples, match.centre, match.sigma, height, variance))
        return false;
    return height >= raman::kPeakMinShapeSignificance * noise * std::sqrt(variance)
        && match.unexplained <= parabolaUnexplained(j, centre);
}

double signalToNoise(const Candidate &c, Judging &j, const std::vector<char> &leftOut)
{
    const double width = j.shift[c.bodyLast] - j.shift[c.bodyFirst];
    const double widestLine = raman::widestLineAt(0.5 * (j.shift[c.bodyFirst] + j.shift[c.bodyLast]));
    if (width > std::min(raman::kPeakMaxWidth, raman::kPeakMaxWidthOfWidest * widestLine) || touchesUnmeasured(c, j))
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
    if (away && (prominentEnough(prominence) || c.shoulder)) {
        bool matched = false;
        const bool shapeKnown = j.noiseWidths && whole;
        raman::GaussianMatch match;
        if (shapeKnown) {
            match = matchAroundTop(c, j, width);
            height = topOfLine(c, j, width, match, matched);
        }
        // Where no level can be read beside it, a line counts from the higher of its valleys;
        // where the noise is known, from the baseline: in a cluster whose neighbours fill both
        // its valleys, it stands beside them, not on them.
        ratio = riseToNoise(around, j, height, j.noiseWidths ? height : prominence,
                            -std::numeric_limits<double>::infinity(), matched);
        // In the units of the threshold the caller holds, as a matched top is.
        if (shapeKnown && ratio >= raman::kPeakMatchedLeastRise)
            ratio = std::max(ratio, raman::kPeakMinSignalToNoise / raman::kPeakMinMatchedSignificance
                                        * matchedSignificance(match, j, around.noise));
    }
    double cutTop = 0.0, cutLevel = 0.0;
    if (cut && prominentEnough(c.prominence) && topOfCutLine(c, j, width, cutTop, cutLevel))
        ratio = std::max(ratio, riseToNoise(around, j, cutTop, c.prominence, cutLevel, true));
    return ratio;
}

} // namespace raman::detail
