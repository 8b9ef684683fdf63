#pragma once
// Normalising cubics of the blackbody gamut areas of samples 1-8 and 1-15, per CCT range,
// in s = CCT / 100: f(s) = ((a s + b) s + c) s + d. A range holds lower <= CCT < upper.
// The rows below 1500 K are kept as tabulated but not used: the cubics diverge there.

#include <limits>

namespace spectral {

struct GaiCubic {
    float a;
    float b;
    float c;
    float d;
};

struct GaiBlackbodyRange {
    float lower;
    float upper;
    GaiCubic f8;
    GaiCubic f15;
};

constexpr int kGaiBlackbodyRangeCount = 9;

inline constexpr GaiBlackbodyRange kGaiBlackbodyFits[kGaiBlackbodyRangeCount] = {
    {300.0f, 400.0f,
     {4.534617e-10f, -4.292925e-9f, 1.366756e-8f, -1.459679e-8f},
     {5.089694e-9f, -4.863596e-8f, 1.552898e-7f, -1.655603e-7f}},
    {400.0f, 500.0f,
     {2.42952e-8f, -3.059873e-7f, 1.287066e-6f, -1.80707e-6f},
     {9.36912e-8f, -1.157518e-6f, 4.788343e-6f, -6.626873e-6f}},
    {500.0f, 1000.0f,
     {-1.93e8f, 4.65e9f, -3.69e10f, 9.64e10f},
     {-3.5e7f, 8.48e8f, -6.77e9f, 1.78e10f}},
    {1000.0f, 1500.0f,
     {-20374.4f, 840303.1f, -1.16e7f, 5.41e7f},
     {-4677.519f, 191809.6f, -2633347.0f, 1.22e7f}},
    {1500.0f, 2500.0f,
     {-177.0308f, 12061.09f, -277600.5f, 2197978.0f},
     {-32.24878f, 2197.339f, -50643.15f, 404031.3f}},
    {2500.0f, 5000.0f,
     {-1.586274f, 210.794f, -9553.152f, 163535.4f},
     {-0.3095738f, 41.54865f, -1914.641f, 34436.82f}},
    {5000.0f, 10000.0f,
     {-0.02224961f, 6.04214f, -562.4767f, 30639.03f},
     {-0.005458147f, 1.504213f, -143.7457f, 8035.746f}},
    {10000.0f, 25000.0f,
     {-0.00020423f, 0.12729f, -26.5099f, 14156.92f},
     {-7.06e-5f, 0.04536943f, -10.03724f, 3867.125f}},
    {25000.0f, std::numeric_limits<float>::infinity(),
     {-1.09e-8f, -3.23e-5f, 0.1126281f, 12275.06f},
     {-1.48e-7f, 0.000341454f, -0.2681963f, 3139.099f}},
};

} // namespace spectral
