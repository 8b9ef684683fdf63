#pragma once
// CIE daylight of a correlated colour temperature as a mix of the basis S0, S1, S2.

namespace spectral {

// D(lambda) = S0 + m1 S1 + m2 S2. The chromaticity x_D follows the 4000-7000 K formula up to
// 7000 K and the 7000-25000 K formula above (carried on past 25000 K).
struct DaylightWeights {
    float m1;
    float m2;
};

DaylightWeights daylightWeights(float cct);

} // namespace spectral
