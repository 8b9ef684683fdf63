#pragma once
// Colour-tolerance ellipse centres (CIE 1931 x, y) with their metric coefficients in
// units of 1e4, and the nominal CCT each centre stands for.

namespace spectral {

struct SdcmEllipse {
    float nominalCct;
    float x;
    float y;
    float g11;
    float g12;
    float g22;
};

constexpr int kSdcmEllipseCount = 9;

inline constexpr SdcmEllipse kSdcmEllipses[kSdcmEllipseCount] = {
    {2700.0f, 0.459f, 0.412f, 40.0f, -19.5f, 28.0f},
    {3000.0f, 0.440f, 0.403f, 39.0f, -19.5f, 27.5f},
    {3500.0f, 0.411f, 0.393f, 38.0f, -20.0f, 25.0f},
    {4100.0f, 0.380f, 0.380f, 39.5f, -21.5f, 26.0f},
    {5000.0f, 0.346f, 0.359f, 56.0f, -25.0f, 28.0f},
    {5300.0f, 0.337f, 0.345f, 75.0f, -35.0f, 35.0f},
    {6500.0f, 0.313f, 0.337f, 86.0f, -40.0f, 45.0f},
    {6700.0f, 0.308f, 0.316f, 110.0f, -60.0f, 55.0f},
    {8000.0f, 0.294f, 0.309f, 111.0f, -56.5f, 54.5f},
};

} // namespace spectral
