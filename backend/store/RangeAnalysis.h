#pragma once
// Sum, peak and width of the source spectrum inside the user's wavelength range.

#include <QList>
#include <QVariantList>
#include <cstdint>

namespace RangeAnalysis {

struct Result {
    float lo = 0.0f;
    float hi = 0.0f;
    float sum = 0.0f;
    float peakWavelength = 0.0f;
    float width = 0.0f;
};

// The user's range (two wavelengths; anything shorter means the device's whole range)
// clipped to the device's range [start, end]; the source holds one value per axis point
// from start. A range that misses the device's range gives lo > hi, sum 0 and NaN peak
// and width.
Result analyse(const QVariantList &userRange, uint16_t start, uint16_t end,
               const QList<double> &source);

} // namespace RangeAnalysis
