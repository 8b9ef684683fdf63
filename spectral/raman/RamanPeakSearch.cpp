// Peak search on a Raman spectrum: local maxima (a plateau counts once) that rise
// far enough above their surroundings (topographic prominence), are narrow enough to be
// a line, stand out of the noise beside them and keep a minimum distance from any higher
// peak. The strongest ones up to the caller's capacity are returned in ascending shift.

#include "raman/RamanTools.h"

#include <algorithm>
#include <cmath>
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

// Level and noise width of the spectrum on both sides of a peak, over kPeakSurroundings of
// shift that begin one peak width beyond its body. The higher level and the larger noise
// of the two sides count, so a dead stretch beside the peak (zeros where nothing was
// measured) cannot make noise look like a line. The noise width is the median absolute
// deviation of the values: the grid may be finer than the measurement, so neighbouring
// values move together and their differences would understate it.
struct Surroundings {
    bool known = false;
    double level = 0.0;
    double noise = 0.0;
};

Surroundings surroundingsOf(const Candidate &c, const double *shift, const double *values, int count)
{
    const double width = shift[c.bodyLast] - shift[c.bodyFirst];
    Surroundings found;
    for (int direction : {-1, +1}) {
        const int edge = direction < 0 ? c.bodyFirst : c.bodyLast;
        std::vector<double> side;
        for (int i = edge + direction; i >= 0 && i < count; i += direction) {
            const double distance = std::fabs(shift[i] - shift[edge]);
            if (!(distance <= width + raman::kPeakSurroundings))
                break;
            if (distance > width && std::isfinite(values[i]))
                side.push_back(values[i]);
        }
        if (side.size() < 3)
            continue;
        const double level = medianOf(side);
        for (double &v : side)
            v = std::fabs(v - level);
        const double noise = medianOf(side) / 0.6745; // a normal variable's MAD in widths
        found.level = found.known ? std::max(found.level, level) : level;
        found.noise = std::max(found.noise, noise);
        found.known = true;
    }
    return found;
}

// A line rises kPeakMinSignalToNoise noise widths above the higher of its valleys and
// above the level of its surroundings, and is no broader than kPeakMaxWidth.
bool isLine(const Candidate &c, const double *shift, const double *values, int count)
{
    if (shift[c.bodyLast] - shift[c.bodyFirst] > raman::kPeakMaxWidth)
        return false;
    const Surroundings around = surroundingsOf(c, shift, values, count);
    const double rise = around.known ? std::min(c.prominence, c.height - around.level) : c.prominence;
    return rise > 0.0 && rise >= raman::kPeakMinSignalToNoise * around.noise;
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

} // namespace

int find_raman_peaks(const double *shift, const double *values, int count,
                     double *positions, double *heights, int capacity)
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

    std::vector<Candidate> candidates;
    for (Candidate &c : localMaxima(values, count)) {
        if (!(c.prominence >= minProminence && c.prominence > 0.0))
            continue;
        findBody(c, values, count);
        if (isLine(c, shift, values, count)) {
            c.position = centreOf(c, shift, values);
            candidates.push_back(c);
        }
    }
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
