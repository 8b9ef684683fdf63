#include "HueBins.h"

#include "ColorRendition.h"

#include <cmath>

namespace spectral {

int hueBinOf(float aPrime, float bPrime)
{
    float theta = std::atan2(bPrime, aPrime);
    if (theta != theta)
        return 0;
    if (theta < 0.0f)
        theta += 6.2831855f;
    int bin = int(std::ceil(theta / 0.3926991f));
    // theta == 0 and rounding just past 2 pi both belong to the last bin.
    if (bin < 1 || bin > kHueBins)
        bin = kHueBins;
    return bin;
}

float hueBinPolygonArea(const float *a, const float *b)
{
    float sum = 0.0f;
    for (int i = 0; i < kHueBins; ++i) {
        const int prev = (i + kHueBins - 1) % kHueBins;
        sum += (a[i] - a[prev]) * (b[i] + b[prev]) / 2.0f;
    }
    return std::fabs(sum);
}

} // namespace spectral
