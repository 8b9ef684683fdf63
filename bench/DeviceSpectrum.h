#pragma once
// The spectrum the benchmarks evaluate: a phosphor-LED-like source (blue pump plus a broad
// phosphor band) on the device's 340-1020 nm axis.

#include "DynamicArray.h"

#include <cmath>

inline FloatArray *phosphorLedSpectrum()
{
    const int first = 340, last = 1020, n = last - first + 1;
    FloatArray *s = createFloatArray(n, 2);
    for (int i = 0; i < n; ++i) {
        const double w = first + i;
        s->data[i] = float(w);
        s->data[n + i] = float(std::exp(-0.5 * std::pow((w - 450.0) / 10.0, 2))
                               + 0.8 * std::exp(-0.5 * std::pow((w - 600.0) / 60.0, 2)));
    }
    return s;
}
