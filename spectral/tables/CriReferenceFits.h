#pragma once
// CIE 1960 chromaticity (u_r, v_r) of the colour-rendering reference illuminant as
// polynomials in t = 10000 / CCT, one pair per CCT range (lower < CCT <= upper).
// Coefficients highest power first; unused leading entries are zero.

namespace spectral {

struct CriReferenceFit {
    float upper;
    float u[4];
    float v[4];
};

constexpr int kCriReferenceFitCount = 8;

inline constexpr CriReferenceFit kCriReferenceFits[kCriReferenceFitCount] = {
    {400.0f,
     {8.9035993e-06f, -0.00091430615f, 0.031840198f, 0.24761377f},
     {-8.866535e-07f, 9.106499e-05f, -0.0031719003f, 0.37510344f}},
    {800.0f,
     {2.0405787e-05f, -0.001747187f, 0.052134141f, 0.081195652f},
     {-1.7975924e-06f, 0.00015956242f, -0.00489817f, 0.38968265f}},
    {2500.0f,
     {-3.4880348e-05f, -0.00013303962f, 0.036693875f, 0.12931401f},
     {9.047817e-05f, -0.0025450282f, 0.021445597f, 0.30386057f}},
    {5000.0f,
     {0.0f, 0.0017956604f, 0.019818753f, 0.16434574f},
     {0.0f, -0.0045738183f, 0.042717427f, 0.25613746f}},
    {10000.0f,
     {0.0f, 0.0055187736f, 0.0050727236f, 0.1769083f},
     {0.0f, -0.004041238f, 0.043172196f, 0.2553902f}},
    {25000.0f,
     {0.0f, 0.0051473402f, 0.0057003219f, 0.1766538f},
     {0.0f, 0.0035304986f, 0.027789554f, 0.26335505f}},
    {50000.0f,
     {0.0f, 0.0f, 0.0087815169f, 0.17620081f},
     {0.0f, 0.0f, 0.027961548f, 0.26380685f}},
    {800000.0f,
     {0.0f, 0.0f, 0.0066843154f, 0.17658319f},
     {0.0f, 0.0f, 0.023281408f, 0.26463646f}},
};

} // namespace spectral
