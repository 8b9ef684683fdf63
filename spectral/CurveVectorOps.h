#pragma once
// Vector helpers of the efficiency-curve regeneration.

#include <vector>

namespace spectral {

// Stable ascending merge sort; `permutation` receives the 1-based source index of each
// sorted element. NaN values keep no particular place.
void sortWithIndex(std::vector<float> &column, std::vector<int> &permutation);
void sortAscending(std::vector<float> &values);

// Largest / smallest of three values ignoring NaN; NaN only when all three are NaN.
float nanMax3(float a, float b, float c);
float nanMin3(float a, float b, float c);

// The step-1 range from `first` towards `last` (see the rules in the definition).
std::vector<float> makeRange(float first, float last);

// First differences; empty for fewer than two elements.
std::vector<float> diffArray(const std::vector<float> &values);

// Element-wise quotient; a single-element side is broadcast over the other.
std::vector<float> divideSpectra(const std::vector<float> &numerator,
                                 const std::vector<float> &denominator);

} // namespace spectral
