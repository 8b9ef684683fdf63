#include "ReplyPayloads.h"

#include "Descramble.h"
#include "protocol/DeviceFrame.h"

#include <QtEndian>
#include <cstring>

namespace simdevice {

namespace {

template <typename T>
void appendLittleEndian(QByteArray &bytes, T value)
{
    char raw[sizeof(T)];
    qToLittleEndian<T>(value, raw);
    bytes.append(raw, int(sizeof(T)));
}

constexpr uint64_t kUnmaskedHeader = ~uint64_t(0);

} // namespace

SampleMasks sampleMasks(float exposureMs, uint32_t h32, uint64_t h64)
{
    uint32_t e = 0;
    std::memcpy(&e, &exposureMs, sizeof e);
    const uint32_t eReversed = qbswap(e);
    const uint64_t shifted = h64 >> 16;
    const uint32_t s = shifted > 0xFFFFFFFFull ? 0xFFFFFFFFu : uint32_t(shifted);
    const uint32_t t = uint32_t(h64 & 0xFFFF) ^ (h32 & 0xFFFF) ^ s ^ eReversed;
    SampleMasks masks;
    masks.a = uint16_t((((e ^ h32) >> 16) ^ t) & 0xFFFF);
    masks.b = uint16_t(((t >> 16) ^ (e ^ h32)) & 0xFFFF);
    return masks;
}

uint16_t maskScaleCode(uint16_t code)
{
    return qbswap(uint16_t(code ^ kScaleCodeMask));
}

float exposureMilliseconds(uint32_t expoTimeUs)
{
    return float(double(expoTimeUs) / 1000.0);
}

int wavelengthCount(const DeviceState &state)
{
    return state.wlEnd >= state.wlStart ? int(state.wlEnd) - int(state.wlStart) + 1 : 0;
}

QVector<uint16_t> fittedSamples(const DeviceState &state)
{
    const int n = wavelengthCount(state);
    QVector<uint16_t> samples = state.spectrum.samples.isEmpty()
        ? defaultSamples(state.wlStart, n)
        : state.spectrum.samples;
    samples.resize(n);
    return samples;
}

QByteArray modelPayload(const DeviceState &state)
{
    QByteArray suffix = state.serialSuffix.left(8);
    suffix.append(QByteArray(8 - suffix.size(), '0'));
    return state.model.toUtf8() + suffix;
}

QByteArray wavelengthRangePayload(const DeviceState &state)
{
    QByteArray bytes;
    appendLittleEndian<uint16_t>(bytes, state.wlStart);
    appendLittleEndian<uint16_t>(bytes, state.wlEnd);
    return bytes;
}

QByteArray exposureTimePayload(const DeviceState &state)
{
    QByteArray bytes;
    appendLittleEndian<uint32_t>(bytes, state.expoTimeUs);
    return bytes;
}

QByteArray spectrumPayload(const DeviceState &state)
{
    const SpectrumContent &content = state.spectrum;
    const QVector<uint16_t> samples = fittedSamples(state);
    QByteArray bytes;
    bytes.append(char(content.exposureStatus));
    appendLittleEndian<uint32_t>(bytes, state.expoTimeUs);

    switch (familyOf(state.model)) {
    case ModelFamily::Plain: {
        const QVector<float> words = content.photometricWords.isEmpty()
            ? defaultPhotometricWords(state.model)
            : content.photometricWords;
        for (float word : words)
            appendLittleEndian<float>(bytes, word);
        appendLittleEndian<int16_t>(bytes, content.scaleCode);
        for (uint16_t sample : samples)
            appendLittleEndian<uint16_t>(bytes, sample);
        break;
    }
    case ModelFamily::T:
        appendLittleEndian<int16_t>(bytes, content.scaleCode);
        for (uint16_t sample : samples)
            appendLittleEndian<uint16_t>(bytes, sample);
        break;
    case ModelFamily::Y: {
        const bool masked = content.h64 != kUnmaskedHeader;
        const SampleMasks masks =
            sampleMasks(exposureMilliseconds(state.expoTimeUs), content.h32, content.h64);
        const uint16_t code = uint16_t(content.scaleCode);
        appendLittleEndian<uint16_t>(bytes, masked ? maskScaleCode(code) : code);
        appendLittleEndian<uint32_t>(bytes, content.h32);
        appendLittleEndian<uint64_t>(bytes, content.h64);
        const int half = int(samples.size()) / 2;
        for (int i = 0; i < samples.size(); ++i) {
            const uint16_t mask = masked ? (i < half ? masks.a : masks.b) : 0;
            appendLittleEndian<uint16_t>(bytes, uint16_t(samples[i] ^ mask));
        }
        break;
    }
    }
    return bytes;
}

QByteArray flickerPayload(const DeviceState &state)
{
    const FlickerRecord &record = state.flicker;
    QVector<uint16_t> samples =
        record.samples.isEmpty() ? defaultFlickerSamples() : record.samples;
    samples.resize(1024);
    QByteArray bytes;
    bytes.append(char(record.gain));
    appendLittleEndian<float>(bytes, record.frequency);
    appendLittleEndian<float>(bytes, record.index);
    appendLittleEndian<float>(bytes, record.depth);
    for (uint16_t sample : samples)
        appendLittleEndian<uint16_t>(bytes, sample);
    return bytes;
}

QByteArray efficiencyPayload(const DeviceState &state)
{
    const QVector<float> values =
        state.efficiency.isEmpty() ? defaultEfficiency() : state.efficiency;
    QByteArray bytes;
    appendLittleEndian<uint16_t>(bytes, uint16_t(values.size()));
    appendLittleEndian<uint16_t>(bytes, state.efficiencyStart);
    for (float value : values)
        appendLittleEndian<float>(bytes, value);
    return bytes;
}

QByteArray acknowledgementPayload()
{
    return QByteArray(1, '\0');
}

QByteArray deviceFrame(uint8_t code, const QByteArray &payload)
{
    return DeviceFrame::build(code, payload, DeviceFrame::kDeviceToHost);
}

} // namespace simdevice
