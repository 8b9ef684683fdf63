#pragma once
// Public entry points of the spectral library (plain C++, no Qt).

#include "DynamicArray.h"
#include "LightMetrics.h"
