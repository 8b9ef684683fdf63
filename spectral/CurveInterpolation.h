#pragma once
// One-dimensional interpolations of the efficiency-curve regeneration. Queries are
// independent and evaluated in an OpenMP parallel loop; each writes only its own output,
// so results do not depend on the thread count.

#include <vector>

namespace spectral {

// 1-based k with x(k) <= value < x(k+1), clamped to 1 .. n-1 (1 when n < 3); x ascending.
int findGridIndex(const std::vector<float> &x, float value);

// Outside [x(1), x(n)] or at a NaN query: NaN.
std::vector<float> interpolateLinear(std::vector<float> x, std::vector<float> y,
                                     const std::vector<float> &queries);
// Nearest node, the upper one on a tie; beyond the ends the end value; NaN query: NaN.
std::vector<float> interpolateNearest(std::vector<float> x, std::vector<float> y,
                                      const std::vector<float> &queries);
// Modified Akima piecewise cubic; a NaN query gives NaN.
std::vector<float> interpolateMakima(std::vector<float> x, std::vector<float> y,
                                     const std::vector<float> &queries);

} // namespace spectral
