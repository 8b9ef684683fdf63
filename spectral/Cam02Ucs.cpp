#include "Cam02Ucs.h"

#include "LibraryCore.h"
#include "tables/CieTables.h"

#include <cmath>

namespace spectral {

namespace {

constexpr int kCmfOffset = kRenditionFirstNm - cie::kCmf1964XFirst;

const float *xbar10() { return cie::kCmf1964X + kCmfOffset; }
const float *ybar10() { return cie::kCmf1964Y + kCmfOffset; }
const float *zbar10() { return cie::kCmf1964Z + kCmfOffset; }

constexpr float kFL = 0.7937f;
constexpr float kNbb = 1.0003f;

// Post-adaptation response of one cone signal.
float compress(float coneSignal)
{
    const float q = std::pow(kFL * coneSignal / 100.0f, 0.42f);
    return 400.0f * q / (q + 27.13f) + 0.1f;
}

struct Cones {
    float r, g, b;
};

Cones cat02(float X, float Y, float Z)
{
    return {0.7328f * X + 0.4296f * Y - 0.1624f * Z,
            -0.7036f * X + 1.6975f * Y + 0.0061f * Z,
            0.0030f * X + 0.0136f * Y + 0.9834f * Z};
}

// Adapted CAT02 signals to Hunt-Pointer-Estevez cone space.
Cones toHpe(const Cones &c)
{
    return {0.7409792f * c.r + 0.21802504f * c.g + 0.041005783f * c.b,
            0.28535318f * c.r + 0.6242014f * c.g + 0.09044542f * c.b,
            -0.009628f * c.r - 0.005698f * c.g + 1.015326f * c.b};
}

// cos and sin of 2 rad, for the eccentricity factor cos(h + 2).
constexpr float kCos2 = -0.41614684f;
constexpr float kSin2 = 0.9092974f;

} // namespace

IlluminantWhite illuminantWhite(const float *illuminant)
{
    float sx = 0.0f, sy = 0.0f, sz = 0.0f;
    for (int i = 0; i < kRenditionPoints; ++i) {
        sx += illuminant[i] * xbar10()[i];
        sy += illuminant[i] * ybar10()[i];
        sz += illuminant[i] * zbar10()[i];
    }
    return illuminantWhiteFromSums(sx, sy, sz);
}

IlluminantWhite illuminantWhiteFromSums(float sumX, float sumY, float sumZ)
{
    const float k = 100.0f / sumY;
    return {k, k * sumX, k * sumY, k * sumZ};
}

AdaptedWhite adaptWhite(const IlluminantWhite &white)
{
    const Cones rgbW = cat02(white.X, white.Y, white.Z);
    // Complete adaptation (D = 1).
    const float fr = white.Y / rgbW.r, fg = white.Y / rgbW.g, fb = white.Y / rgbW.b;
    const Cones pw = toHpe({fr * rgbW.r, fg * rgbW.g, fb * rgbW.b});
    const float raw = compress(pw.r), gaw = compress(pw.g), baw = compress(pw.b);
    return {fr, fg, fb, (2.0f * raw + gaw + baw / 20.0f - 0.305f) * kNbb};
}

int cam02UcsFromXyz(float X, float Y, float Z, const IlluminantWhite &white, float *jab)
{
    return cam02UcsFromXyz(X, Y, Z, adaptWhite(white), jab);
}

int cam02UcsFromXyz(float X, float Y, float Z, const AdaptedWhite &white, float *jab)
{
    const float nan = nanValue();
    jab[0] = jab[1] = jab[2] = nan;

    const Cones rgb = cat02(X, Y, Z);
    const Cones p = toHpe({white.fr * rgb.r, white.fg * rgb.g, white.fb * rgb.b});
    if (p.r < 0.0f || p.g < 0.0f || p.b < 0.0f)
        return -1;

    const float ra = compress(p.r), ga = compress(p.g), ba = compress(p.b);

    const float a = ra - 12.0f * ga / 11.0f + ba / 11.0f;
    const float b = (ra + ga - 2.0f * ba) / 9.0f;
    // The hue enters only through its cosine and sine, which a and b give directly; a = b = 0
    // has no hue and gives NaN as the angle would.
    const float chroma = std::sqrt(a * a + b * b);
    const float cosH = a / chroma, sinH = b / chroma;
    const float et = 0.25f * ((cosH * kCos2 - sinH * kSin2) + 3.8f);

    const float A = (2.0f * ra + ga + ba / 20.0f - 0.305f) * kNbb;
    const float J = 100.0f * std::pow(A / white.Aw, 1.329768f);

    const float t = 3847.3076f * et * chroma / (ra + ga + 1.05f * ba);
    const float M = std::pow(t, 0.9f) * std::sqrt(J / 100.0f) * 0.8952179f * 0.9438742f;

    const float Jp = 1.7f * J / (1.0f + 0.007f * J);
    const float Mp = std::log(1.0f + 0.0228f * M) * 43.85965f;
    jab[0] = Jp;
    jab[1] = Mp * cosH;
    jab[2] = Mp * sinH;
    return 0;
}

int cam02UcsOfSample(const float *illuminant, const IlluminantWhite &white,
                     const float *reflectance, float *jab)
{
    float sx = 0.0f, sy = 0.0f, sz = 0.0f;
    for (int i = 0; i < kRenditionPoints; ++i) {
        const float lit = illuminant[i] * reflectance[i];
        sx += lit * xbar10()[i];
        sy += lit * ybar10()[i];
        sz += lit * zbar10()[i];
    }
    return cam02UcsFromXyz(white.k * sx, white.k * sy, white.k * sz, white, jab);
}

int computeCam02Ucs(const float *illuminant, const float *sampleReflectance, float *jab)
{
    return cam02UcsOfSample(illuminant, illuminantWhite(illuminant), sampleReflectance, jab);
}

} // namespace spectral
