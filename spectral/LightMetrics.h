#pragma once
// Photometric, colorimetric, photobiological and plant-lighting block of one spectrum.

#include "DynamicArray.h"

constexpr int kLightMetricsCount = 64;
constexpr int kColorimetryCount = 47;

// result: caller-owned block of kLightMetricsCount floats, written in full.
void computeLightMetrics(const FloatArray *spectrum, float *result);
// result: caller-owned block of kColorimetryCount floats, written in full.
void computeColorimetry(const FloatArray *spectrum, float *result);
