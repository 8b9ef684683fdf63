#include "SpectrumPayload.h"

#include "Descramble.h"
#include "DynamicArray.h"

#include <QtEndian>
#include <cmath>

namespace SpectrumPayload {

namespace {

std::optional<QList<double>> scaled(const uint16_t *samples, int points, int16_t code)
{
    const std::optional<double> divisor = scaleDivisor(code);
    if (!divisor)
        return std::nullopt;
    QList<double> values(points);
    for (int i = 0; i < points; ++i)
        values[i] = samples[i] / *divisor;
    return values;
}

} // namespace

int requiredSize(int points, bool isY)
{
    return headerBytes(isY) + 2 * (points > 0 ? points : 0);
}

std::optional<double> scaleDivisor(int16_t code)
{
    if (code == 2)
        return 100.0;
    if (code > kMaxScaleExponent || code < -kMaxScaleExponent)
        return std::nullopt;
    return std::pow(10.0, double(code));
}

std::optional<QList<double>> decode(const uint8_t *data, int size, int points, bool isY,
                                    float exposureMs)
{
    if (!data || points < 0 || size != requiredSize(points, isY))
        return std::nullopt;

    if (!isY) {
        QList<uint16_t> samples(points);
        for (int i = 0; i < points; ++i)
            samples[i] = qFromLittleEndian<uint16_t>(data + kPlainHeaderBytes + 2 * i);
        return scaled(samples.constData(), points, int16_t(qFromLittleEndian<uint16_t>(data)));
    }

    UInt16Array *raw = createUInt16Array(points, 1);
    UInt16Array *out = createUInt16Array(points, 1);
    for (int i = 0; i < points; ++i)
        raw->data[i] = qFromLittleEndian<uint16_t>(data + kYHeaderBytes + 2 * i);
    uint16_t codeOut = 0;
    descrambleSamples(raw, qFromLittleEndian<uint16_t>(data), exposureMs,
                      qFromLittleEndian<uint32_t>(data + 2), qFromLittleEndian<uint64_t>(data + 6),
                      out, &codeOut);
    std::optional<QList<double>> values;
    if (out->size[0] == points)
        values = scaled(out->data, points, int16_t(codeOut));
    destroyArray(raw);
    destroyArray(out);
    return values;
}

} // namespace SpectrumPayload
