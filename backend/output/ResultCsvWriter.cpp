#include "ResultCsvWriter.h"

#include "format/NumberText.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <limits>

namespace ResultCsvWriter {

namespace {

using NumberText::fixed;
using NumberText::general;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Lists read alongside the axis may be shorter (no reference yet): missing is "nan".
QString valueAt(const QList<double> &values, int i)
{
    return general(i >= 0 && i < values.size() ? values.at(i) : kNaN);
}

// Points of the wavelength axis that exist in the store.
int axisLength(const DataBuffer &buffer)
{
    return std::min<int>(buffer.getWlLength(), buffer.wavelengths().size());
}

// The exposure of the spectrum written, not the device's setting since.
double exposureMs(const DataBuffer &buffer) { return buffer.sourceExpoTime() / 1000.0; }

QString statusText(quint32 status)
{
    switch (status) {
    case 0: return QStringLiteral("normal");
    case 1: return QStringLiteral("over exposure");
    case 2: return QStringLiteral("under exposure");
    default: return QString();
    }
}

QString gainText(quint8 gain)
{
    switch (gain) {
    case 0: return QStringLiteral("x1");
    case 1: return QStringLiteral("x10");
    case 2: return QStringLiteral("x100");
    default: return QStringLiteral("x1000");
    }
}

void writeFlicker(QTextStream &out, const DataBuffer &buffer)
{
    out << "Flicker frequency(Hz): " << fixed(buffer.frequency(), 2) << '\n';
    out << "Modulation depth(%): " << fixed(buffer.depth(), 1) << '\n';
    out << "Percent flicker(%): " << fixed(buffer.percent(), 2) << '\n';
    out << "Flicker index: " << fixed(buffer.index(), 3) << '\n';
    out << QStringLiteral("Gain: %1").arg(gainText(buffer.gainValue())) << '\n';
    out << "Flicker waveform\n";
    const QList<double> samples = buffer.getFValue();
    double maximum = 0.0;
    for (double s : samples)
        maximum = std::max(maximum, s);
    for (double s : samples) {
        if (maximum > 0.0)
            out << general(s / maximum) << '\n';
        else
            out << "0\n";
    }
}

} // namespace

bool reportsPhotonCounts(const DataBuffer &buffer)
{
    return buffer.deviceModel().startsWith(QLatin1Char('T'));
}

const QList<double> &exportedSpectrum(const DataBuffer &buffer)
{
    return reportsPhotonCounts(buffer) ? buffer.sourceSpectrum() : buffer.scaledSpectrum();
}

void writeCommonHead(QTextStream &out, const DataBuffer &buffer)
{
    out << "exposure time," << general(exposureMs(buffer)) << " ms\n";
    const QString status = statusText(buffer.expoStatus());
    if (!status.isEmpty())
        out << "exposure status: " << status << '\n';
}

void writeSpectrumTable(QTextStream &out, const DataBuffer &buffer)
{
    if (reportsPhotonCounts(buffer))
        out << "wavelength(nm), photon counts\n";
    else
        out << "wavelength(nm), irradiance("
            << MeasurementSettings::unitLabel(MeasurementSettings::unit()) << ")\n";
    const QList<double> &wl = buffer.wavelengths();
    const QList<double> &values = exportedSpectrum(buffer);
    const int n = axisLength(buffer);
    for (int i = 0; i < n; ++i)
        out << general(wl.at(i)) << ',' << valueAt(values, i) << '\n';
}

void writeSpectrum(QTextStream &out, const DataBuffer &buffer)
{
    writeCommonHead(out, buffer);
    writeSpectrumTable(out, buffer);
}

void writeRatio(QTextStream &out, DataBuffer &buffer, Ratio ratio)
{
    writeCommonHead(out, buffer);
    const char *name = ratio == Ratio::Absorbance      ? "absorbance"
                       : ratio == Ratio::Transmittance ? "transmittance"
                                                       : "reflectance";
    out << "wl, source, reference, " << name << '\n';
    const QList<double> &values = ratio == Ratio::Absorbance      ? buffer.getAbsorbance()
                                  : ratio == Ratio::Transmittance ? buffer.getTransmittance()
                                                                  : buffer.getReflectance();
    const QList<double> &wl = buffer.wavelengths();
    const QList<double> &source = buffer.sourceSpectrum();
    const QList<double> &reference = buffer.referenceSpectrum();
    const int n = axisLength(buffer);
    for (int i = 0; i < n; ++i)
        out << general(wl.at(i)) << ',' << valueAt(source, i) << ',' << valueAt(reference, i) << ','
            << valueAt(values, i) << '\n';
}

void writePhotometric(QTextStream &out, const DataBuffer &buffer)
{
    for (const QJsonObject &item : buffer.lastResultItems())
        out << item.value(QStringLiteral("key")).toString() << ','
            << item.value(QStringLiteral("value")).toString() << '\n';
    writeCommonHead(out, buffer);
    writeSpectrumTable(out, buffer);
    if (buffer.hasFlicker())
        writeFlicker(out, buffer);
}

void writeRaman(QTextStream &out, DataBuffer &buffer)
{
    out << "exposure time," << general(exposureMs(buffer)) << " ms\n";
    const QString status = statusText(buffer.expoStatus());
    if (!status.isEmpty())
        out << "exposure status," << status << '\n';

    const QList<double> &shift = buffer.getRamanKey(DataBuffer::RamanRaw);
    const QList<double> &raw = buffer.getRamanValue(DataBuffer::RamanRaw);
    const QList<double> &clean = buffer.getRamanValue(DataBuffer::RamanClean);
    const QList<double> &fluorescence = buffer.getRamanValue(DataBuffer::RamanFluorescence);
    out << "wavenumber, raman_raw, raman_clean, raman_fl\n";
    for (int i = 0; i < shift.size(); ++i)
        out << general(shift.at(i)) << ',' << valueAt(raw, i) << ',' << valueAt(clean, i) << ','
            << valueAt(fluorescence, i) << '\n';

    const QList<double> &locations = buffer.getRamanLocs();
    const QList<double> &peaks = buffer.getRamanPks();
    out << "raman_peak_loc(cm^-1), raman_peak_val\n";
    const int peakCount = std::min(locations.size(), peaks.size());
    for (int i = 0; i < peakCount; ++i)
        out << general(locations.at(i)) << ',' << general(peaks.at(i)) << '\n';
}

} // namespace ResultCsvWriter
