#pragma once
// Chlorophyll a and b action weights, 5-nm steps from 400 to 700 nm.

namespace spectral {

constexpr int kChlorophyllFirstWavelength = 400;
constexpr int kChlorophyllWeightCount = 61;

inline constexpr float kChlorophyllA[kChlorophyllWeightCount] = {
    0.286f, 0.317f, 0.350f, 0.367f, 0.367f, 0.378f, 0.397f, 0.386f, 0.308f, 0.210f,  // 400-445
    0.141f, 0.108f, 0.089f, 0.097f, 0.089f, 0.073f, 0.055f, 0.042f, 0.032f, 0.026f,  // 450-495
    0.023f, 0.021f, 0.020f, 0.020f, 0.021f, 0.023f, 0.024f, 0.024f, 0.024f, 0.024f,  // 500-545
    0.025f, 0.026f, 0.030f, 0.035f, 0.041f, 0.044f, 0.047f, 0.049f, 0.050f, 0.051f,  // 550-595
    0.057f, 0.067f, 0.077f, 0.082f, 0.083f, 0.080f, 0.075f, 0.073f, 0.080f, 0.100f,  // 600-645
    0.140f, 0.210f, 0.302f, 0.345f, 0.295f, 0.191f, 0.095f, 0.044f, 0.022f, 0.014f,  // 650-695
    0.009f,                                                                           // 700
};

inline constexpr float kChlorophyllB[kChlorophyllWeightCount] = {
    0.057f, 0.059f, 0.064f, 0.070f, 0.077f, 0.089f, 0.105f, 0.116f, 0.118f, 0.120f,  // 400-445
    0.133f, 0.157f, 0.181f, 0.189f, 0.175f, 0.144f, 0.108f, 0.076f, 0.049f, 0.031f,  // 450-495
    0.020f, 0.014f, 0.011f, 0.010f, 0.010f, 0.010f, 0.010f, 0.011f, 0.012f, 0.013f,  // 500-545
    0.013f, 0.014f, 0.014f, 0.015f, 0.016f, 0.017f, 0.018f, 0.020f, 0.022f, 0.024f,  // 550-595
    0.026f, 0.026f, 0.026f, 0.024f, 0.024f, 0.025f, 0.028f, 0.038f, 0.054f, 0.070f,  // 600-645
    0.079f, 0.076f, 0.069f, 0.058f, 0.043f, 0.026f, 0.013f, 0.006f, 0.003f, 0.002f,  // 650-695
    0.001f,                                                                           // 700
};

} // namespace spectral
