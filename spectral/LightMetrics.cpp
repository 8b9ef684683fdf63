// Scaffold until the colorimetry routines land: every value is "no value".
#include "LightMetrics.h"
#include "LibraryCore.h"

void computeColorimetry(const FloatArray *, float *result)
{
    spectral::initSpectralLibrary();
    for (int i = 0; i < kColorimetryCount; ++i)
        result[i] = spectral::nanValue();
}

void computeLightMetrics(const FloatArray *spectrum, float *result)
{
    spectral::initSpectralLibrary();
    for (int i = 0; i < kLightMetricsCount; ++i)
        result[i] = spectral::nanValue();
    computeColorimetry(spectrum, result);
}
