// The stretch of a spectrum that was measured, and what its start does to a peak there.

#include "raman/PeakJudging.h"

#include <algorithm>
#include <cmath>

namespace raman::detail {

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

int endOfStartRamp(const Judging &j)
{
    const auto slope = [&](int i) { return (j.values[i + 1] - j.values[i]) / (j.shift[i + 1] - j.shift[i]); };
    int i = j.measured.first;
    while (i + 2 <= j.measured.last && std::fabs(slope(i + 1) - slope(i)) <= 1e-9 * std::fabs(slope(i)))
        ++i;
    return i > j.measured.first ? i + 1 : j.measured.first;
}

bool cutByStart(const Candidate &c, const Judging &j)
{
    return j.shift[c.bodyFirst] - j.shift[j.measured.first] <= raman::kPeakCutReach;
}

bool takeCutLineSamples(const Candidate &c, Judging &j, size_t least)
{
    raman::deviceLineSigmas(j.shift[(c.first + c.last) / 2], j.sigmas);
    const int ramp = endOfStartRamp(j);
    const double reach = j.shift[c.bodyLast] + 2.0 * j.sigmas.back();
    int to = c.bodyLast;
    while (to < j.measured.last && j.shift[to + 1] - j.shift[c.bodyLast] <= raman::kPeakSurroundings)
        ++to;
    if (!raman::measuredSamplesOf(j.shift, j.values, std::max(j.measured.first, ramp - 1), to, j.samples))
        return false;
    size_t kept = 0;
    while (kept < j.samples.size() && (j.samples[kept].x <= reach || kept < least))
        ++kept;
    j.samples.resize(kept);
    j.samples.erase(std::remove_if(j.samples.begin(), j.samples.end(),
                                   [&](const raman::MeasuredSample &m) { return m.x < j.shift[ramp]; }),
                    j.samples.end());
    return !j.samples.empty();
}

bool takeSamplesFromBeforeStart(Judging &j)
{
    if (!j.valuesBeforeStart || j.samples.empty())
        return false;
    const double start = j.samples.front().x;
    const double end = j.samples.back().x;
    int first = 0;
    while (first < j.measured.first && j.valuesBeforeStart[first] == 0.0)
        ++first;
    int to = j.measured.first;
    while (to < j.measured.last && j.shift[to] <= end)
        ++to;
    // The zeros before the first value given there are no measurement, nor is the ramp
    // drawn up from them; its bend at that value is the first sample.
    if (first < 2 || !raman::measuredSamplesOf(j.shift, j.valuesBeforeStart, first - 2, to, j.samples))
        return false;
    j.samples.erase(std::remove_if(j.samples.begin(), j.samples.end(),
                                   [&](const raman::MeasuredSample &m) { return m.x < j.shift[first] || m.x > end; }),
                    j.samples.end());
    return !j.samples.empty() && j.samples.front().x < start;
}

bool takeSamplesAround(Judging &j, int middle, double reach)
{
    const double centre = j.shift[middle];
    int from = middle, to = middle;
    while (from > j.measured.first && centre - j.shift[from - 1] <= reach)
        --from;
    while (to < j.measured.last && j.shift[to + 1] - centre <= reach)
        ++to;
    return raman::measuredSamplesOf(j.shift, j.values, from, to, j.samples);
}

void dropTallerFlank(const Candidate &c, Judging &j, double centre, double limit)
{
    if (c.tallerTop < 0)
        return;
    std::vector<raman::MeasuredSample> &s = j.samples;
    if (j.shift[c.tallerTop] < centre) {
        const auto first = std::find_if(s.rbegin(), s.rend(), [&](const raman::MeasuredSample &m) { return m.x < centre && m.y > limit; });
        s.erase(s.begin(), first.base());
    } else {
        const auto first = std::find_if(s.begin(), s.end(), [&](const raman::MeasuredSample &m) { return m.x > centre && m.y > limit; });
        s.erase(first, s.end());
    }
}

} // namespace raman::detail
