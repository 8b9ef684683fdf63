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
// The same from the illuminant's unscaled sums against xbar10, ybar10, zbar10.
IlluminantWhite illuminantWhiteFromSums(float sumX, float sumY, float sumZ);

// What the conversion needs of a white, worked out once for all samples under it: the
// adaptation factors and the white's achromatic response.
struct AdaptedWhite {
    float fr;
    float fg;
    float fb;
    float Aw;
};

AdaptedWhite adaptWhite(const IlluminantWhite &white);

// J', a', b' (jab[0..2]) of one sample tristimulus under a white. Returns 0, or -1 when a
// cone response of the sample is negative; jab is then NaN.
int cam02UcsFromXyz(float X, float Y, float Z, const IlluminantWhite &white, float *jab);
int cam02UcsFromXyz(float X, float Y, float Z, const AdaptedWhite &white, float *jab);

// J', a', b' of a 401-point reflectance rendered under a 401-point illuminant whose white
// has already been computed. Same status as above.
int cam02UcsOfSample(const float *illuminant, const IlluminantWhite &white,
                     const float *reflectance, float *jab);

// The same, computing the illuminant's white first.
int computeCam02Ucs(const float *illuminant, const float *sampleReflectance, float *jab);

} // namespace spectral
