#pragma once
// Least-squares parabola, shared by the baseline (a hump's flank) and the peak search
// (a line's top). Plain C++.

#include <vector>

namespace raman {

// Coefficients c0 + c1 x + c2 x^2 of the least-squares parabola through (x, y) with weights;
// false when the points do not fix one.
bool weightedParabola(const std::vector<double> &x, const std::vector<double> &y, const std::vector<double> &weight,
                      double c[3]);

} // namespace raman
