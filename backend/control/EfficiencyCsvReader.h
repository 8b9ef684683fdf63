#pragma once
// Reader of the two-column CSV files ("wavelength,value" per line, no header) from which
// the efficiency curve is regenerated.

#include "DynamicArray.h"

#include <QString>

namespace EfficiencyCsvReader {

// Longest file accepted: line counts are 16-bit in the device tools' format.
constexpr int kMaxLines = 65535;
// Larger files are refused before reading (no line of a valid file comes near 256 bytes).
constexpr qint64 kMaxBytes = qint64(kMaxLines) * 256;

// Reads the file once. Returns an N x 2 table (wavelengths, then values) that the caller
// destroys; never null. ok is false, and the table empty, when a line does not hold
// exactly two finite numbers, the file has more than kMaxLines lines or kMaxBytes bytes, or consecutive
// wavelengths do not differ by exactly 1. A file that cannot be opened gives an empty
// table with ok true (the caller treats an empty table as invalid).
FloatArray *read(const QString &path, bool *ok);

} // namespace EfficiencyCsvReader
