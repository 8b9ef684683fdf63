#include "CurveVectorOps.h"

#include "LibraryCore.h"

#include <cmath>
#include <cstdint>

namespace spectral {

namespace {

// Merges the sorted runs [lo, mid) and [mid, hi) of keys/index into scratch, then back.
void mergeRuns(std::vector<float> &keys, std::vector<int> &index, std::vector<float> &keyScratch,
               std::vector<int> &indexScratch, size_t lo, size_t mid, size_t hi)
{
    size_t i = lo, j = mid, out = lo;
    while (i < mid && j < hi) {
        // Take from the right run only when strictly smaller: equal keys keep their order.
        if (keys[j] < keys[i]) {
            keyScratch[out] = keys[j];
            indexScratch[out++] = index[j++];
        } else {
            keyScratch[out] = keys[i];
            indexScratch[out++] = index[i++];
        }
    }
    while (i < mid) {
        keyScratch[out] = keys[i];
        indexScratch[out++] = index[i++];
    }
    while (j < hi) {
        keyScratch[out] = keys[j];
        indexScratch[out++] = index[j++];
    }
    for (size_t k = lo; k < hi; ++k) {
        keys[k] = keyScratch[k];
        index[k] = indexScratch[k];
    }
}

} // namespace

void sortWithIndex(std::vector<float> &column, std::vector<int> &permutation)
{
    const size_t n = column.size();
    permutation.resize(n);
    for (size_t i = 0; i < n; ++i)
        permutation[i] = int(i + 1);
    std::vector<float> keyScratch(n);
    std::vector<int> indexScratch(n);
    // Bottom-up: runs of width 1, 2, 4, ...
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t lo = 0; lo + width < n; lo += 2 * width) {
            const size_t mid = lo + width;
            const size_t hi = mid + width < n ? mid + width : n;
            mergeRuns(column, permutation, keyScratch, indexScratch, lo, mid, hi);
        }
    }
}

void sortAscending(std::vector<float> &values)
{
    std::vector<int> unused;
    sortWithIndex(values, unused);
}

float nanMax3(float a, float b, float c)
{
    float best = nanValue();
    for (float v : {a, b, c}) {
        if (isNaN(v))
            continue;
        if (isNaN(best) || v > best)
            best = v;
    }
    return best;
}

float nanMin3(float a, float b, float c)
{
    float best = nanValue();
    for (float v : {a, b, c}) {
        if (isNaN(v))
            continue;
        if (isNaN(best) || v < best)
            best = v;
    }
    return best;
}

std::vector<float> makeRange(float first, float last)
{
    if (isNaN(first) || isNaN(last))
        return {nanValue()};
    if (first > last)
        return {};
    if (std::isinf(first) && std::isinf(last) && first == last)
        return {nanValue()};

    const float limit = 1073741824.0f;
    if (std::floor(first) == first && std::fabs(first) < limit && std::fabs(last) < limit) {
        const int64_t start = int64_t(first);
        const int64_t count = int64_t(std::trunc(last)) - start + 1;
        std::vector<float> range(static_cast<size_t>(count));
        for (int64_t k = 0; k < count; ++k)
            range[size_t(k)] = float(start + k);
        return range;
    }

    const double a = first, b = last;
    const double steps = std::floor(b - a + 0.5);
    if (!std::isfinite(steps))
        return {nanValue()};
    const double end = a + steps;
    const double tolerance = std::ldexp(1.0, -22) * std::fmax(std::fabs(a), std::fabs(b));
    int64_t count;
    double lastValue;
    if (std::fabs(end - b) < tolerance) {
        count = int64_t(steps) + 1;
        lastValue = b;
    } else if (end > b) {
        count = int64_t(steps);
        lastValue = a + steps - 1.0;
    } else {
        count = int64_t(steps) + 1;
        lastValue = end;
    }
    std::vector<float> range(static_cast<size_t>(count > 0 ? count : 0));
    // Filled from both ends towards the middle so both ends are exact.
    const int64_t half = count / 2;
    for (int64_t k = 0; k < half; ++k) {
        range[size_t(k)] = float(a + double(k));
        range[size_t(count - 1 - k)] = float(lastValue - double(k));
    }
    if (count % 2 == 1)
        range[size_t(half)] = float((a + lastValue) / 2.0);
    return range;
}

std::vector<float> diffArray(const std::vector<float> &values)
{
    if (values.size() < 2)
        return {};
    std::vector<float> d(values.size() - 1);
    for (size_t i = 0; i + 1 < values.size(); ++i)
        d[i] = values[i + 1] - values[i];
    return d;
}

std::vector<float> divideSpectra(const std::vector<float> &numerator,
                                 const std::vector<float> &denominator)
{
    if (numerator.size() == 1) {
        std::vector<float> q(denominator.size());
        for (size_t i = 0; i < q.size(); ++i)
            q[i] = numerator[0] / denominator[i];
        return q;
    }
    if (denominator.size() == 1) {
        std::vector<float> q(numerator.size());
        for (size_t i = 0; i < q.size(); ++i)
            q[i] = numerator[i] / denominator[0];
        return q;
    }
    const size_t n = numerator.size() < denominator.size() ? numerator.size() : denominator.size();
    std::vector<float> q(n);
    for (size_t i = 0; i < n; ++i)
        q[i] = numerator[i] / denominator[i];
    return q;
}

} // namespace spectral
