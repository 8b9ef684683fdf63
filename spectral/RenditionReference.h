#pragma once
// Reference illuminant of a colour temperature, 380-780 nm at 1 nm: Planckian up to
// 4000 K, CIE daylight from 5000 K, a blend in between.

namespace spectral {

// Writes 401 values. T must be a number; a non-positive T gives NaN values.
void renditionReferenceSpd(float cct, float *referenceSpd);

} // namespace spectral
