#pragma once
// The 16 hue-angle bins of the colour-rendition routine.

namespace spectral {

// Bin 1-16 of a reference hue atan2(b', a'): bin k holds ((k - 1) pi/8, k pi/8], so a hue
// on an edge goes to the lower bin; hue 0 is the edge 2 pi and goes to bin 16.
// 0 when a' or b' is NaN.
int hueBinOf(float aPrime, float bPrime);

// Area of the closed polygon through the 16 points (a[i], b[i]) in bin order.
float hueBinPolygonArea(const float *a, const float *b);

} // namespace spectral
