#pragma once
// Fixtures for tests of the measurement store and of frame dispatch: a settable
// measurement state, little-endian byte builders and device reply frames.

#include "store/MeasurementState.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>
#include <QVector>
#include <cstdint>

class DataBuffer;

namespace testsupport {

// Stands in for the measurement control's two flags.
class MeasurementFlags : public MeasurementState
{
public:
    bool measuring = true;
    bool reference = false;
    bool isMeasuring() const override { return measuring; }
    bool isMeasuringReference() const override { return reference; }
};

QByteArray le16(uint16_t value);
QByteArray le32(uint32_t value);
QByteArray f32(float value);
QByteArray f32s(const QVector<float> &values);

// A device-to-host frame.
QByteArray reply(uint8_t code, const QByteArray &payload);

// Spectrum payload of a plain model: signed scale code, then the samples.
QByteArray plainSpectrum(int16_t scaleCode, const QVector<uint16_t> &samples);
// Body of a spectrum frame: exposure status and time, words, spectrum payload.
QByteArray spectrumFrameBody(uint8_t status, uint32_t expoUs, const QVector<float> &words,
                             const QByteArray &spectrum);
// Samples 0, step, 2 step, ... for `count` points.
QVector<uint16_t> rampSamples(int count, uint16_t step = 1);

// Model reply: name, optional NUL padding, then the 8-byte trailer.
QByteArray modelReply(const QByteArray &name);
QByteArray rangeReply(uint16_t start, uint16_t end);
// Flicker record: gain, frequency, index, depth, then the waveform samples.
QByteArray flickerReply(uint8_t gain, float frequency, float index, float depth,
                        const QVector<uint16_t> &samples);

// Loads the embedded catalogues once.
void loadCatalogues();

// Settings in test mode at their defaults (W/m^2, range analysis off over 370 to 780 nm)
// and the catalogues loaded: the starting point of every store test.
void prepareStoreTests();

const quint8 *bytesOf(const QByteArray &bytes);
// Waits until the store's photometric throttle has ticked with no result held back, so
// the next result is processed at once. False when the throttle never ticked.
bool passThrottle(DataBuffer &store);
// Hands a spectrum payload to the store as received, or as a replay.
void feedSpectrum(DataBuffer &store, const QByteArray &payload, bool reload = false);

// The item with `key` in the store's formatted result table; empty when it is not shown.
QVariantMap resultItem(const DataBuffer &store, const QString &key);

} // namespace testsupport
