#pragma once
// Reference illuminant of colour rendering on the 5-nm grid: the Planckian radiator up to
// 5000 K, CIE daylight above.

namespace spectral {

// Fills grid (162 floats: wavelengths, then relative values) with the reference illuminant
// of the given CCT. Returns false, leaving the values NaN, for a CCT that is not positive
// or not finite.
bool referenceIlluminantGrid(float cct, float *grid);

} // namespace spectral
