#pragma once
// Raman lines of common reference substances at their published shifts (cm^-1), with
// heights relative to the substance's strongest line as a 532 nm spectrum shows them.
// Plain C++ so the tests and the benchmarks can share it.

#include "SyntheticRamanSpectrum.h"

#include <string>
#include <vector>

struct PublishedRamanSample {
    std::string name;
    std::vector<RamanLine> lines; // amplitude: relative height, strongest 1
};

inline const std::vector<PublishedRamanSample> &publishedRamanSamples()
{
    static const std::vector<PublishedRamanSample> samples{
        {"polystyrene",
         {{620.9, 0.20}, {795.8, 0.08}, {1001.4, 1.00}, {1031.8, 0.28}, {1155.3, 0.12}, {1450.5, 0.10},
          {1583.1, 0.12}, {1602.3, 0.45}, {2852.4, 0.15}, {2904.5, 0.30}, {3054.3, 0.75}}},
        {"cyclohexane",
         {{384.1, 0.05}, {426.3, 0.15}, {801.3, 1.00}, {1028.3, 0.20}, {1157.6, 0.10}, {1266.4, 0.15},
          {1444.4, 0.22}, {2664.4, 0.05}, {2852.9, 0.60}, {2923.8, 0.50}, {2938.3, 0.60}}},
        {"toluene",
         {{521.7, 0.10}, {786.5, 0.35}, {1003.6, 1.00}, {1030.6, 0.25}, {1155.3, 0.05}, {1210.0, 0.20},
          {1378.2, 0.08}, {1604.5, 0.10}, {2920.0, 0.15}, {3057.1, 0.40}}},
        {"ethanol",
         {{433.0, 0.10}, {882.0, 0.55}, {1052.0, 0.20}, {1096.0, 0.18}, {1275.0, 0.08}, {1454.0, 0.25},
          {2877.0, 0.60}, {2928.0, 1.00}, {2974.0, 0.70}}},
        {"calcite", {{156.0, 0.15}, {282.0, 0.25}, {712.0, 0.10}, {1086.0, 1.00}, {1436.0, 0.03}, {1749.0, 0.03}}},
    };
    return samples;
}

// The lines of `sample` scaled so the strongest is `strongest` counts high.
inline std::vector<RamanLine> scaledLines(const PublishedRamanSample &sample, double strongest)
{
    std::vector<RamanLine> lines = sample.lines;
    for (RamanLine &line : lines)
        line.amplitude *= strongest;
    return lines;
}
