// Peak search on a Raman spectrum: local maxima (a plateau counts once) that are narrow
// enough to be a line, stand out of the noise where they stand, however tall a line beside
// them, and keep a minimum distance from any better supported peak. The best supported ones
// (most noise widths) up to the caller's capacity are returned in ascending shift.
// Here the maxima are found and the lines chosen among them; how each is judged and placed
// is in PeakSurroundings, PeakHeights and LinePlacement (shared through PeakJudging.h).

#include "raman/PeakJudging.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace raman::detail {

namespace {

// Lowest value between the plateau and the nearest higher sample on one side (or the end of
// the data), within `reach` (cm^-1) of it; a non-finite sample ends the search like a higher
// one. `higher` is where the search ended: the higher sample, or -1.
double valleyTowards(const double *shift, const double *values, int count, int from, int direction, double height,
                     double reach, int &higher)
{
    double lowest = height;
    higher = -1;
    for (int i = from + direction; i >= 0 && i < count && !(std::fabs(shift[i] - shift[from]) > reach); i += direction) {
        const double v = values[i];
        if (!std::isfinite(v) || v > height) {
            higher = std::isfinite(v) ? i : -1;
            break;
        }
        lowest = std::min(lowest, v);
    }
    return lowest;
}

// The samples around the plateau that lie above half of `prominence`: the body of the peak.
void findBody(Candidate &c, const double *values, int count, double prominence)
{
    const double level = c.height - 0.5 * prominence;
    c.bodyFirst = c.first;
    while (c.bodyFirst > 0 && std::isfinite(values[c.bodyFirst - 1]) && values[c.bodyFirst - 1] > level)
        --c.bodyFirst;
    c.bodyLast = c.last;
    while (c.bodyLast + 1 < count && std::isfinite(values[c.bodyLast + 1]) && values[c.bodyLast + 1] > level)
        ++c.bodyLast;
}

// The tallest line of a cluster, whose valleys lie beyond all the others, has the whole
// cluster above half its prominence: its body is read from its valleys within kPeakMaxWidth
// instead, where that makes it no wider than a line the noise has widened (a broad bump the
// baseline left stays as wide as it is).
void narrowToNearValleys(Candidate &c, const double *shift, const double *values, int count)
{
    int higher = -1;
    const double reach = raman::kPeakMaxWidth;
    const double left = valleyTowards(shift, values, count, c.first, -1, c.height, reach, higher);
    const double right = valleyTowards(shift, values, count, c.last, +1, c.height, reach, higher);
    Candidate near = c;
    findBody(near, values, count, c.height - std::max(left, right));
    if (shift[near.bodyLast] - shift[near.bodyFirst] <= raman::kPeakLoneBodyOfWidest * raman::widestLineAt(shift[(c.first + c.last) / 2]))
        c = near;
}

// The top that the values climb to from `from` on in `direction`.
int topBeyond(const double *values, int count, int from, int direction)
{
    int top = from;
    while (top + direction >= 0 && top + direction < count && std::isfinite(values[top + direction])
           && values[top + direction] >= values[top])
        top += direction;
    return top;
}

std::vector<Candidate> localMaxima(const double *shift, const double *values, int count)
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
            const double unbounded = std::numeric_limits<double>::infinity();
            int higherLeft = -1, higherRight = -1;
            const double left = valleyTowards(shift, values, count, i, -1, c.height, unbounded, higherLeft);
            const double right = valleyTowards(shift, values, count, j, +1, c.height, unbounded, higherRight);
            c.prominence = c.height - std::max(left, right);
            c.rise = c.height - std::min(left, right);
            const int higher = left > right ? higherLeft : higherRight;
            c.tallerTop = higher < 0 ? -1 : topBeyond(values, count, higher, left > right ? -1 : +1);
            found.push_back(c);
        }
        i = j + 1;
    }
    return found;
}

// Whether the taller top beyond a peak's higher valley lies further than the widest line the
// device gives: a nearer one may be the same line, split in two by the noise.
bool apartFromTallerTop(const Candidate &c, const Judging &j)
{
    if (c.tallerTop < 0)
        return false;
    const double centre = j.shift[(c.first + c.last) / 2];
    return std::fabs(j.shift[c.tallerTop] - centre) > raman::widestLineAt(centre);
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

// The lines among the maxima. Peaks that may be lines (kPeakLikelySignalToNoise)
// are first left out of each other's surroundings, so a line does not hide a weaker
// neighbour by raising the noise beside it; then each whose surroundings that changed is
// judged again.
std::vector<Candidate> linesAmong(const std::vector<Candidate> &maxima, const double *shift,
                                  const double *values, const double *noiseWidths,
                                  const double *lineFreeNoiseWidths, const double *valuesBeforeStart, int count)
{
    Judging j;
    j.shift = shift;
    j.values = values;
    j.measured = measuredStretch(values, count);
    j.noiseWidths = noiseWidths;
    j.valuesBeforeStart = valuesBeforeStart;
    j.presenceNoiseWidths = lineFreeNoiseWidths ? lineFreeNoiseWidths : noiseWidths;
    if (noiseWidths) {
        j.minSignalToNoise = raman::kPeakMinSignalToNoise;
        j.minProminenceToNoise = raman::kPeakMinProminenceToNoise;
    } else {
        j.residuals = residualsOf(shift, values, count, j.measured);
    }
    const std::vector<char> nothingLeftOut(size_t(count), 0);
    std::vector<char> leftOut(size_t(count), 0);
    // Where the noise is known, a maximum rising less than the least prominence is no line
    // (judging it would cost more than all the lines) unless, on the flank of a taller one, it
    // shows a line's shape (kPeakMinShapeSignificance).
    std::vector<Candidate> prominent;
    for (const Candidate &c : maxima) {
        const double noise = noiseWidths ? j.presenceNoiseWidths[(c.first + c.last) / 2] : 0.0;
        if (!(noise > 0.0) || c.prominence >= j.minProminenceToNoise * noise) {
            prominent.push_back(c);
        } else if (c.rise >= raman::kPeakMinFlankLineRise * noise && apartFromTallerTop(c, j) && showsLineShape(c, j, noise)) {
            prominent.push_back(c);
            prominent.back().shoulder = true;
        }
    }
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
        if (!(ratio >= j.minSignalToNoise))
            continue;
        const double position = positionOf(c, j, ratio);
        if (!std::isfinite(position) || placeSpread(c, j, position) > raman::kPeakMaxPlaceSpread)
            continue;
        lines.push_back(c);
        lines.back().position = position;
        lines.back().support = ratio;
    }
    return lines;
}

} // namespace

} // namespace raman::detail

using namespace raman::detail;

int find_raman_peaks(const double *shift, const double *values, int count,
                     double *positions, double *heights, int capacity, const double *noiseWidths,
                     const double *lineFreeNoiseWidths, const double *valuesBeforeStart)
{
    if (!shift || !values || !positions || !heights || count < 3 || capacity <= 0)
        return 0;

    std::vector<Candidate> maxima;
    for (Candidate &c : localMaxima(shift, values, count)) {
        if (c.prominence > 0.0 && std::isfinite(c.prominence) && std::isfinite(shift[c.first])) {
            findBody(c, values, count, c.prominence);
            if (shift[c.bodyLast] - shift[c.bodyFirst] > raman::kPeakMaxWidth)
                narrowToNearValleys(c, shift, values, count);
            maxima.push_back(c);
        }
    }
    std::vector<Candidate> candidates = linesAmong(maxima, shift, values, noiseWidths, lineFreeNoiseWidths, valuesBeforeStart, count);
    // Best supported first, the higher of two alike (noise-free data support every line
    // without bound); a peak too close to a better supported accepted one is dropped.
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate &a, const Candidate &b) {
        return a.support != b.support ? a.support > b.support : a.height > b.height;
    });
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
