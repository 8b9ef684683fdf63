// Where a line stands: its position in cm^-1.

#include "raman/PeakJudging.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace raman::detail {

namespace {

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

// Samples that tell a narrow line at the start from a wide one before it: two more than fix
// a Gaussian of either width over a level, which would match either exactly.
constexpr size_t kCutLineLeastSamples = raman::kLeastMatchSamples + 2;

// The last grid value of the measured stretch at or before `x`.
int gridIndexAt(const Judging &j, double x)
{
    const double *after = std::upper_bound(j.shift + j.measured.first, j.shift + j.measured.last + 1, x);
    return std::max(j.measured.first, int(after - j.shift) - 1);
}

// Where a line that the start has cut stands: the top of the Gaussian of the device's widths
// that best matches its measured side, no earlier than kPeakMaxTopBeforeStart before the
// first measured sample. NaN where a top before that, sought up to kPeakCutTopBefore of the
// widest such line's standard deviations before it, matches better by kPeakTopBeforeStartDoubt
// squared noise widths (by anything where the noise is not known), or matches better those
// samples and the ones measured before the start where they are given: the line stands before
// the data, and its flank is no line of theirs. Where those samples are given, the top is that
// of the match to them too, and `seenBefore` tells so. False where no Gaussian matches.
bool placeCutLine(const Candidate &c, Judging &j, double &position, bool &seenBefore)
{
    seenBefore = false;
    if (!takeCutLineSamples(c, j, kCutLineLeastSamples))
        return false;
    const double start = j.samples.front().x;
    const double earliest = start - raman::kPeakMaxTopBeforeStart;
    const double width = j.shift[c.bodyLast] - j.shift[c.bodyFirst];
    const double last = std::max(start, j.shift[(c.first + c.last) / 2] + 0.5 * width);
    const double first = start - raman::kPeakCutTopBefore * j.sigmas.back();
    const raman::GaussianMatch near =
        raman::finestGaussian(j.samples, j.sigmas, 0.5 * (earliest + last), 0.5 * (last - earliest));
    const raman::GaussianMatch before =
        raman::finestGaussian(j.samples, j.sigmas, 0.5 * (first + earliest), 0.5 * (earliest - first));
    if (!near.found && !before.found)
        return false;
    // The noise at the first measured sample, to weigh the two matches' difference against.
    const int at = std::min(gridIndexAt(j, start) + 1, j.measured.last);
    const double noise = j.noiseWidths ? j.noiseWidths[at] : 0.0;
    const double doubt = raman::kPeakTopBeforeStartDoubt * noise * noise;
    bool standsBefore = before.found && (!near.found || before.unexplained + doubt < near.unexplained);
    raman::GaussianMatch nearSeen;
    // Samples before the start show on which side of it the top lies: no doubt is needed.
    if (takeSamplesFromBeforeStart(j)) {
        nearSeen = raman::finestGaussian(j.samples, j.sigmas, 0.5 * (earliest + last), 0.5 * (last - earliest));
        const raman::GaussianMatch beforeSeen =
            raman::finestGaussian(j.samples, j.sigmas, 0.5 * (first + earliest), 0.5 * (earliest - first));
        standsBefore = !near.found || (beforeSeen.found && (!nearSeen.found || beforeSeen.unexplained < nearSeen.unexplained));
        seenBefore = nearSeen.found;
    }
    const double top = seenBefore ? nearSeen.centre : near.centre;
    position = standsBefore ? std::numeric_limits<double>::quiet_NaN() : top;
    return true;
}

// Where the Gaussian, of the device's widths or as wide as the body, that best matches the
// measured samples around `centre`, over a level, has its top, sought within kPeakMatchShift
// body widths of it: the samples place the line between them, where no grid value holds its
// top, and the flanks count as well as the top. The samples reach kPeakMatchReach of the
// body's width (no less than kPeakMatchLeastReach of the narrowest device line's width at
// half maximum, which a narrow line needs to show its flanks) plus two of the narrower
// Gaussian's standard deviations: reaching further, a neighbour's flank would pull the match.
// A body wider than kPeakLoneBodyOfWidest times the widest line the device gives holds a
// neighbour's flank: its line is sought around its highest value instead, from the samples
// within that widest line's width at half maximum. `centre` itself where the samples fix no
// Gaussian.
double matchedTop(const Candidate &c, Judging &j, double centre)
{
    const double width = j.shift[c.bodyLast] - j.shift[c.bodyFirst];
    raman::deviceLineSigmas(centre, j.sigmas);
    const double narrowest = raman::kFwhmPerSigma * j.sigmas.front();
    const double widest = raman::kFwhmPerSigma * j.sigmas.back();
    double reach = widest;
    double shiftReach = raman::kBlendTopReach * j.sigmas.back();
    if (width > raman::kPeakLoneBodyOfWidest * widest) {
        centre = j.shift[(c.first + c.last) / 2];
    } else {
        j.sigmas.push_back(width / raman::kFwhmPerSigma);
        reach = std::max(raman::kPeakMatchReach * width, raman::kPeakMatchLeastReach * narrowest)
            + 2.0 * std::min(j.sigmas.front(), j.sigmas.back());
        shiftReach = raman::kPeakMatchShift * width;
    }
    takeSamplesAround(j, gridIndexAt(j, centre), reach);
    const raman::GaussianMatch match = raman::finestGaussian(j.samples, j.sigmas, centre, shiftReach);
    return match.found ? match.centre : centre;
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
    const double widest = raman::kFwhmPerSigma * j.sigmas.back();
    if (!(j.shift[c.bodyLast] - j.shift[c.bodyFirst] > raman::kBlendBodyOfWidest * widest) || !(noise > 0.0)
        || !std::isfinite(noise))
        return false;
    takeSamplesAround(j, middle, widest);
    const double reach = raman::kBlendTopReach * j.sigmas.back();
    const raman::GaussianMatch level = raman::bestGaussian(j.samples, j.sigmas, top, reach);
    const raman::GaussianMatch sloped = raman::bestGaussianOverSlope(j.samples, j.sigmas, top, reach);
    if (!level.found || !sloped.found
        || !(level.unexplained - sloped.unexplained > raman::kBlendMinSlopeExplained * noise * noise))
        return false;
    position = sloped.centre;
    return true;
}

} // namespace

double placeSpread(const Candidate &c, Judging &j, double position)
{
    if (!j.noiseWidths || cutByStart(c, j))
        return 0.0;
    const int middle = gridIndexAt(j, position);
    // The line's shape: of the device's widths, the one nearest its body's.
    raman::deviceLineSigmas(position, j.sigmas);
    const double bodySigma = (j.shift[c.bodyLast] - j.shift[c.bodyFirst]) / raman::kFwhmPerSigma;
    double sigma = j.sigmas.front();
    for (double s : j.sigmas)
        if (std::fabs(s - bodySigma) < std::fabs(sigma - bodySigma))
            sigma = s;
    j.sigmas.assign(1, sigma);
    if (!takeSamplesAround(j, middle, raman::kFwhmPerSigma * sigma))
        return 0.0;
    const raman::GaussianMatch m = raman::bestGaussian(j.samples, j.sigmas, position, raman::kBlendTopReach * sigma);
    if (!m.found)
        return 0.0;
    // Fisher information on the top, the height and the level, each sample weighted by its
    // noise; the top's spread is what is left of it once the other two are matched too.
    const double height = m.top - m.level;
    double f[3][3] = {};
    for (const raman::MeasuredSample &s : j.samples) {
        const int at = gridIndexAt(j, s.x);
        const double noise = std::max(j.noiseWidths[at], at < j.measured.last ? j.noiseWidths[at + 1] : 0.0);
        if (!(noise > 0.0) || !std::isfinite(noise))
            continue;
        const double d = (s.x - m.centre) / sigma;
        const double g = std::exp(-0.5 * d * d);
        const double v[3] = {height * g * d / sigma, g, 1.0};
        for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 3; ++k)
                f[r][k] += v[r] * v[k] / (noise * noise);
    }
    const double det = f[1][1] * f[2][2] - f[1][2] * f[1][2];
    if (!(det > 0.0))
        return std::numeric_limits<double>::infinity();
    const double shared =
        (f[0][1] * f[0][1] * f[2][2] - 2.0 * f[0][1] * f[0][2] * f[1][2] + f[0][2] * f[0][2] * f[1][1]) / det;
    const double information = f[0][0] - shared;
    return information > 0.0 ? 1.0 / std::sqrt(information) : std::numeric_limits<double>::infinity();
}

double positionOf(const Candidate &c, Judging &j, double support)
{
    double centre = 0.0;
    bool seenBefore = false;
    if (cutByStart(c, j) && placeCutLine(c, j, centre, seenBefore)) {
        double chord = 0.0;
        // Both lean into the data: the chord's centre towards the measured side, the match over
        // a level away from a flank falling from before the start. Matched to the samples
        // before the start too, the earlier of the two is the nearer.
        if (std::isfinite(centre) && support < raman::kPeakCutMatchedFrom && centreAboveChord(c, j, chord))
            return seenBefore ? std::min(chord, centre) : chord;
        return centre;
    }
    if (placeInBlend(c, j, centre))
        return centre;
    return matchedTop(c, j, centreOf(c, j.shift, j.values));
}

} // namespace raman::detail
