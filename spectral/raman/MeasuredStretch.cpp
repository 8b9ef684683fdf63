// The stretch of a spectrum that was measured, and what its start does to a peak there.

#include "raman/PeakJudging.h"

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

} // namespace raman::detail
