#pragma once
// The one rule by which a number becomes text for a person, on screen, in the CSV files and
// in the report: the shortest decimal that names the value is rounded in decimal, half away
// from zero, and a value that rounds to zero is written without a sign. Rounding the
// decimal rather than the binary value keeps a device word of 0.15 at "0.2", as it reads.
// A point as decimal separator, no group separators, whatever the locale.

#include <QString>

namespace NumberText {

// `decimals` digits after the point: fixed(123.45f, 1) is "123.5". NaN is "nan".
QString fixed(float value, int decimals);
QString fixed(double value, int decimals);

// At most `digits` significant digits, trailing zeros dropped, in exponent form when the
// exponent is below -4 or at least `digits` (as printf's %g): general(0.000012345) is
// "1.2345e-05", general(1e6) is "1e+06".
QString general(float value, int digits = 6);
QString general(double value, int digits = 6);

// general(value) kept in four bytes, for tables that hold many numbers until they write them:
// writePacked(out, packGeneral(value)) writes the Latin-1 text of general(value) at `out`,
// at most kMaxPackedTextBytes bytes, and returns where it ends.
quint32 packGeneral(double value);
char *writePacked(char *out, quint32 packed);
constexpr int kMaxPackedTextBytes = 16;
// A field that stays empty: packGeneral never gives it, and writePacked writes nothing.
constexpr quint32 kPackedBlank = 0xFFFFFFFFu;

} // namespace NumberText
