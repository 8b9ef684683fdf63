#pragma once
// The Planckian (blackbody) locus and the spectral locus of the CIE 1931 2-degree observer,
// from Planck's law and the 1-nm colour-matching table (360-830 nm).

#include <vector>

namespace spectral {

struct Chromaticity {
    double x = 0.0;
    double y = 0.0;
};

// x, y of a blackbody at `kelvin` (> 0).
Chromaticity planckianChromaticity(double kelvin);
// Where the locus ends: the limit at infinite temperature (radiance ~ lambda^-4) and at
// zero temperature (the longest wavelength of the table).
Chromaticity planckianLimitHot();
Chromaticity planckianLimitCold();

// `count` (>= 2) points of the locus at x evenly spaced from the hot limit to the cold
// limit, each y the locus's y at that x; the ends are the limits themselves.
std::vector<Chromaticity> planckianLocusByX(int count);

// x, y of the monochromatic stimulus of each wavelength of the table, 360 to 830 nm.
std::vector<Chromaticity> spectralLocus();

// CIE 1960 (u, v) and CIE 1976 (u', v') of an x, y chromaticity.
Chromaticity toCie1960(Chromaticity xy);
Chromaticity toCie1976(Chromaticity xy);

} // namespace spectral
