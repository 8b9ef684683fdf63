#include "CurveInterpolation.h"

#include "LibraryCore.h"

#include <algorithm>
#include <cmath>
#ifdef _OPENMP
#include <omp.h>
#endif

namespace spectral {

namespace {

bool holdsNaN(const std::vector<float> &v)
{
    return std::any_of(v.begin(), v.end(), [](float f) { return f != f; });
}

// Shared preamble: `fillValue` everywhere; false when nothing more is to be done.
// Reverses a descending table so the loops see ascending nodes.
bool prepare(std::vector<float> &x, std::vector<float> &y, const std::vector<float> &queries,
             std::vector<float> &out, float fillValue)
{
    out.assign(queries.size(), fillValue);
    if (queries.empty() || x.empty() || holdsNaN(x) || y.size() < x.size())
        return false;
    y.resize(x.size());
    if (x.size() >= 2 && x[0] > x[1]) {
        std::reverse(x.begin(), x.end());
        std::reverse(y.begin(), y.end());
    }
    return true;
}

// Threads for a loop of `count` queries: all available, but at least 256 queries each,
// since forking a team costs more than a few hundred evaluations. The split never changes
// a result: each query writes only its own element.
int teamSize(int count)
{
#ifdef _OPENMP
    const int byWork = count / 256;
    const int available = omp_get_max_threads();
    return byWork < 1 ? 1 : (byWork < available ? byWork : available);
#else
    (void)count;
    return 1;
#endif
}

// out[i] = evaluate(queries[i]) for every query, in a parallel loop. Each iteration writes
// only its own element, so the result is the same whatever the team size.
template <typename Evaluate>
void evaluateQueries(const std::vector<float> &queries, std::vector<float> &out, Evaluate evaluate)
{
    const int count = int(queries.size());
#pragma omp parallel for schedule(static) num_threads(teamSize(count))
    for (int i = 0; i < count; ++i)
        out[size_t(i)] = evaluate(queries[size_t(i)]);
}

} // namespace

int findGridIndex(const std::vector<float> &x, float value)
{
    const int n = int(x.size());
    if (n < 3)
        return 1;
    int lo = 1, hi = n - 1; // answer in [lo, hi], 1-based
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (x[size_t(mid - 1)] <= value)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

std::vector<float> interpolateLinear(std::vector<float> x, std::vector<float> y,
                                     const std::vector<float> &queries)
{
    std::vector<float> out;
    if (!prepare(x, y, queries, out, nanValue()))
        return out;
    const int n = int(x.size());
    evaluateQueries(queries, out, [&](float q) {
        if (!(q >= x[0] && q <= x[size_t(n - 1)]))
            return nanValue();
        if (n == 1)
            return y[0];
        const int k = findGridIndex(x, q) - 1;
        const float x0 = x[size_t(k)], x1 = x[size_t(k + 1)];
        const float y0 = y[size_t(k)], y1 = y[size_t(k + 1)];
        const float r = (q - x0) / (x1 - x0);
        if (r == 0.0f || y0 == y1)
            return y0;
        if (r == 1.0f)
            return y1;
        return (1.0f - r) * y0 + r * y1;
    });
    return out;
}

std::vector<float> interpolateNearest(std::vector<float> x, std::vector<float> y,
                                      const std::vector<float> &queries)
{
    std::vector<float> out;
    if (!prepare(x, y, queries, out, 0.0f))
        return out;
    const int n = int(x.size());
    evaluateQueries(queries, out, [&](float q) {
        if (q != q)
            return nanValue();
        if (q > x[size_t(n - 1)])
            return y[size_t(n - 1)];
        if (q < x[0] || n == 1)
            return y[0];
        const int k = findGridIndex(x, q) - 1;
        return (q - x[size_t(k)] >= x[size_t(k + 1)] - q) ? y[size_t(k + 1)] : y[size_t(k)];
    });
    return out;
}

std::vector<float> interpolateMakima(std::vector<float> x, std::vector<float> y,
                                     const std::vector<float> &queries)
{
    std::vector<float> out;
    if (!prepare(x, y, queries, out, 0.0f))
        return out;
    const int n = int(x.size());
    if (n == 1) {
        evaluateQueries(queries, out, [&](float q) { return q != q ? nanValue() : y[0]; });
        return out;
    }

    // Segment slopes with two virtual slopes at each end: delta[j + 2] is the slope of
    // segment j (0-based), delta[0], delta[1] and delta[n + 1], delta[n + 2] are virtual.
    const int segments = n - 1;
    std::vector<float> delta(static_cast<size_t>(segments + 4));
    for (int j = 0; j < segments; ++j)
        delta[size_t(j + 2)] = (y[size_t(j + 1)] - y[size_t(j)]) / (x[size_t(j + 1)] - x[size_t(j)]);
    std::vector<float> slope(static_cast<size_t>(n));
    if (n == 2) {
        slope[0] = slope[1] = delta[2];
    } else {
        delta[1] = 2.0f * delta[2] - delta[3];
        delta[0] = 2.0f * delta[1] - delta[2];
        delta[size_t(segments + 2)] = 2.0f * delta[size_t(segments + 1)] - delta[size_t(segments)];
        delta[size_t(segments + 3)] = 2.0f * delta[size_t(segments + 2)] - delta[size_t(segments + 1)];
        for (int i = 0; i < n; ++i) {
            // Node i sits between segment i - 1 (left) and segment i (right).
            const float dLeft2 = delta[size_t(i)], dLeft = delta[size_t(i + 1)];
            const float dRight = delta[size_t(i + 2)], dRight2 = delta[size_t(i + 3)];
            const float w1 = std::fabs(dRight2 - dRight) + std::fabs(dRight2 + dRight) / 2.0f;
            const float w2 = std::fabs(dLeft - dLeft2) + std::fabs(dLeft + dLeft2) / 2.0f;
            const float wsum = w1 + w2;
            slope[size_t(i)] = wsum == 0.0f ? 0.0f : (w1 * dLeft + w2 * dRight) / wsum;
        }
    }

    // Hermite cubic per interval: ((c1 d + c2) d + c3) d + c4.
    const size_t pieces = static_cast<size_t>(segments);
    std::vector<float> c1(pieces), c2(pieces), c3(pieces), c4(pieces);
    for (int j = 0; j < segments; ++j) {
        const float h = x[size_t(j + 1)] - x[size_t(j)];
        const float d = delta[size_t(j + 2)];
        const float s0 = slope[size_t(j)], s1 = slope[size_t(j + 1)];
        c1[size_t(j)] = (s0 + s1 - 2.0f * d) / (h * h);
        c2[size_t(j)] = (3.0f * d - 2.0f * s0 - s1) / h;
        c3[size_t(j)] = s0;
        c4[size_t(j)] = y[size_t(j)];
    }

    evaluateQueries(queries, out, [&](float q) {
        if (q != q)
            return nanValue();
        const int j = findGridIndex(x, q) - 1;
        const float d = q - x[size_t(j)];
        return ((c1[size_t(j)] * d + c2[size_t(j)]) * d + c3[size_t(j)]) * d + c4[size_t(j)];
    });
    return out;
}

} // namespace spectral
