#pragma once
// CAM02-UCS coordinates of colour samples under a 380-780 nm, 1-nm illuminant,
// CIE 1964 10-degree observer, fixed viewing conditions (L_A 100 cd/m^2, Y_b 20,
// average surround, complete adaptation).

namespace spectral {

constexpr int kRenditionFirstNm = 380;
constexpr int kRenditionPoints = 401; // 380-780 nm

// The illuminant's normalising factor k (so that its own Y is 100) and its white point.
struct IlluminantWhite {
    float k;
    float X;
    float Y;
    float Z;
};

// k, Xw, Yw, Zw of a 401-point illuminant.
IlluminantWhite illuminantWhite(const float *illuminant);

// J', a', b' (jab[0..2]) of one sample tristimulus under a white. Returns 0, or -1 when a
// cone response of the sample is negative; jab is then NaN.
int cam02UcsFromXyz(float X, float Y, float Z, const IlluminantWhite &white, float *jab);

// J', a', b' of a 401-point reflectance rendered under a 401-point illuminant whose white
// has already been computed. Same status as above.
int cam02UcsOfSample(const float *illuminant, const IlluminantWhite &white,
                     const float *reflectance, float *jab);

// The same, computing the illuminant's white first.
int computeCam02Ucs(const float *illuminant, const float *sampleReflectance, float *jab);

} // namespace spectral
