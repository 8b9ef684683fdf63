#include "CieDaylight.h"

namespace spectral {

DaylightWeights daylightWeights(float T)
{
    const float T2 = T * T, T3 = T2 * T;
    const float xD = T <= 7000.0f ? -4.607e9f / T3 + 2.9678e6f / T2 + 99.11f / T + 0.244063f
                                  : -2.0064e9f / T3 + 1.9018e6f / T2 + 247.48f / T + 0.23704f;
    const float yD = -3.0f * xD * xD + 2.87f * xD - 0.275f;
    const float M = 0.0241f + 0.2562f * xD - 0.7341f * yD;
    return {(-1.3515f - 1.7703f * xD + 5.9114f * yD) / M, (0.03f - 31.4424f * xD + 30.0717f * yD) / M};
}

} // namespace spectral
