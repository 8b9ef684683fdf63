#include "StoreFeeder.h"

#include "StoreFixtures.h"
#include "SyntheticRamanSpectrum.h"

#include "control/StudioService.h"
#include "store/DataBuffer.h"

#include <algorithm>

bool StoreFeeder::feedSpectrum(const QVariantList &samples, int scaleCode)
{
    return feed(samples, scaleCode, false);
}

bool StoreFeeder::feedReference(const QVariantList &samples, int scaleCode)
{
    return feed(samples, scaleCode, true);
}

bool StoreFeeder::feedRamanMeasurement(const QVariantList &lines)
{
    DataBuffer *buffer = DataBuffer::instance();
    SyntheticRamanSpectrum spectrum;
    spectrum.firstWavelength = buffer->getWlRange()[0];
    spectrum.lastWavelength = buffer->getWlRange()[1];
    for (const QVariant &line : lines) {
        const QVariantMap map = line.toMap();
        spectrum.lines.push_back({map.value(QStringLiteral("shift")).toDouble(),
                                  map.value(QStringLiteral("amplitude")).toDouble()});
    }
    QVariantList samples;
    for (double v : spectrum.values())
        samples << std::clamp(qRound(v), 0, 65535);
    return feed(samples, 0, false);
}

void StoreFeeder::feedPhotoWords(const QVariantList &words)
{
    QVector<float> values;
    for (const QVariant &word : words)
        values << word.toFloat();
    const QByteArray bytes = testsupport::f32s(values);
    DataBuffer::instance()->setPhotoResult(testsupport::bytesOf(bytes), int(bytes.size()));
}

void StoreFeeder::feedFlicker(const QVariantList &samples, double frequency, double depth, double percent,
                              double index, int gain)
{
    DataBuffer *buffer = DataBuffer::instance();
    buffer->setFrequency(float(frequency));
    buffer->setDepth(float(depth));
    buffer->setPercent(float(percent));
    buffer->setIndex(float(index));
    buffer->setGainValue(quint8(gain));
    QByteArray bytes;
    for (const QVariant &s : samples)
        bytes += testsupport::le16(uint16_t(std::clamp(s.toInt(), 0, 65535)));
    buffer->setFlickerData(testsupport::bytesOf(bytes), int(bytes.size()));
}

bool StoreFeeder::feed(const QVariantList &samples, int scaleCode, bool reference)
{
    DataBuffer *buffer = DataBuffer::instance();
    if (samples.size() != buffer->getWlLength())
        return false;
    QVector<uint16_t> values;
    for (const QVariant &s : samples)
        values << uint16_t(std::clamp(s.toInt(), 0, 65535));

    // The store takes spectra only while a measurement runs; stand in for it meanwhile.
    testsupport::MeasurementFlags flags;
    flags.measuring = true;
    flags.reference = reference;
    buffer->setMeasurementState(&flags);
    testsupport::feedSpectrum(*buffer, testsupport::plainSpectrum(int16_t(scaleCode), values));
    buffer->setMeasurementState(StudioService::instance());
    if (reference)
        buffer->setHasReference(true); // as an accepted reference capture ends
    return true;
}
