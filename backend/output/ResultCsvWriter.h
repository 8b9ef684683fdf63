#pragma once
// The content of the result CSV exports, read from the measurement store.
// Header lines separate names by ", ", data lines by "," alone.

#include <QList>
#include <QTextStream>

class DataBuffer;

namespace ResultCsvWriter {

enum class Ratio { Absorbance, Transmittance, Reflectance };

// "T" models report photon counts, which no irradiance unit applies to.
bool reportsPhotonCounts(const DataBuffer &buffer);
// The spectrum the exports write: photon counts as received for "T" models, otherwise
// the irradiance in the current unit.
const QList<double> &exportedSpectrum(const DataBuffer &buffer);

// "exposure time,<ms> ms" and the exposure-status line.
void writeCommonHead(QTextStream &out, const DataBuffer &buffer);
// Header and one line per wavelength of the axis.
void writeSpectrumTable(QTextStream &out, const DataBuffer &buffer);

void writeSpectrum(QTextStream &out, const DataBuffer &buffer);
void writeRatio(QTextStream &out, DataBuffer &buffer, Ratio ratio);
void writePhotometric(QTextStream &out, const DataBuffer &buffer);
void writeRaman(QTextStream &out, DataBuffer &buffer);

} // namespace ResultCsvWriter
