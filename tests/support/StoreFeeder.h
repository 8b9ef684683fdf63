#pragma once
// Lets a Quick Test put spectra into the application's store through the real ingest, as
// the device road would: a source spectrum, a reference, or a synthetic Raman measurement.

#include <QObject>
#include <QVariantList>

class StoreFeeder : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Samples as the device sends them (divided by 10^scaleCode); false when their number
    // does not match the store's wavelength range.
    Q_INVOKABLE bool feedSpectrum(const QVariantList &samples, int scaleCode = 0);
    Q_INVOKABLE bool feedReference(const QVariantList &samples, int scaleCode = 0);
    // A fluorescence hump plus lines at the given {shift (cm^-1), amplitude} maps.
    Q_INVOKABLE bool feedRamanMeasurement(const QVariantList &lines);

private:
    bool feed(const QVariantList &samples, int scaleCode, bool reference);
};
