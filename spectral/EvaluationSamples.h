#pragma once
// The 99 colour evaluation samples of the colour rendition rendered under the test and the
// reference illuminant: their unscaled tristimulus sums, and those of each illuminant's white.

#include "Cam02Ucs.h"

namespace spectral {

constexpr int kRenditionSamples = 99;

// Sums over 380-780 nm of illuminant x reflectance x (xbar10, ybar10, zbar10), each summed in
// wavelength order like a plain loop over one sample; white: the illuminant's own sums.
struct RenderedSamples {
    float x[kRenditionSamples];
    float y[kRenditionSamples];
    float z[kRenditionSamples];
    float whiteX;
    float whiteY;
    float whiteZ;
};

// test and reference: 401-point illuminants.
void renderEvaluationSamples(const float *test, const float *reference, RenderedSamples *underTest,
                             RenderedSamples *underReference);

} // namespace spectral
