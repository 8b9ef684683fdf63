#pragma once
// Public entry points of the spectral library (plain C++, no Qt).

#include "DynamicArray.h"
#include "LightMetrics.h"
#include "Descramble.h"
#include "ColorRendition.h"
#include "SpectrumPeak.h"
#include "EffCurveRegen.h"
#include "raman/RamanTools.h"
