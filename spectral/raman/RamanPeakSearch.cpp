// Peak search on a Raman spectrum: local maxima (a plateau counts once) that rise
// far enough above their surroundings (topographic prominence) and keep a minimum
// distance from any higher peak. The strongest ones up to the caller's capacity are
// returned in ascending shift.

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

// Centre of the part of the peak above half its prominence, weighted by the excess,
// so the position is not tied to the sample that happens to be highest.
double centreOf(const Candidate &c, const double *shift, const double *values, int count)
{
    const double level = c.height - 0.5 * c.prominence;
    int a = c.first;
    while (a > 0 && std::isfinite(values[a - 1]) && values[a - 1] > level)
        --a;
    int b = c.last;
    while (b + 1 < count && std::isfinite(values[b + 1]) && values[b + 1] > level)
        ++b;
    double weighted = 0.0, total = 0.0;
    for (int i = a; i <= b; ++i) {
        const double excess = values[i] - level;
        weighted += excess * shift[i];
        total += excess;
    }
    return total > 0.0 ? weighted / total : shift[(c.first + c.last) / 2];
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
        if (c.prominence >= minProminence && c.prominence > 0.0) {
            c.position = centreOf(c, shift, values, count);
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
