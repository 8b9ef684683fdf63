#pragma once
// Lets a Quick Test put measurements into the application's store through the real ingest,
// as the device road would: a source spectrum, a reference, a synthetic Raman measurement,
// photometric words or a flicker record.

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
    // Photometric words (32-bit floats, word 0 first); the store applies them at once or on
    // its next photometric tick, then announces formattedPhotoResultChanged.
    Q_INVOKABLE void feedPhotoWords(const QVariantList &words);
    // Flicker samples (16-bit counts) and the quantities the device reports with them.
    Q_INVOKABLE void feedFlicker(const QVariantList &samples, double frequency, double depth, double percent,
                                 double index, int gain);

private:
    bool feed(const QVariantList &samples, int scaleCode, bool reference);
};
