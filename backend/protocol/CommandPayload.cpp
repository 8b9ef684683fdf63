#include "CommandPayload.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

namespace CommandPayload {

QByteArray byteValue(uint8_t value)
{
    return QByteArray(1, char(value));
}

std::optional<uint32_t> exposureMicroseconds(float ms)
{
    if (!std::isfinite(ms) || ms < 0.0f)
        return std::nullopt;
    const double us = std::trunc(double(ms) * 1000.0);
    if (us >= double(UINT32_MAX))
        return UINT32_MAX;
    return uint32_t(us);
}

std::optional<QByteArray> exposureTime(float ms)
{
    const std::optional<uint32_t> us = exposureMicroseconds(ms);
    if (!us)
        return std::nullopt;
    QByteArray bytes(4, '\0');
    qToLittleEndian<uint32_t>(*us, bytes.data());
    return bytes;
}

std::optional<QByteArray> baudRate(uint32_t baud)
{
    if (baud == 0 || baud > kMaxBaudField)
        return std::nullopt;
    QByteArray bytes;
    bytes.append(char(baud & 0xFF));
    bytes.append(char((baud >> 8) & 0xFF));
    bytes.append(char((baud >> 16) & 0xFF));
    return bytes;
}

QList<QByteArray> efficiencyChunks(const float *values, int count)
{
    // The chunks cut the byte stream, not the values: a float may straddle two frames.
    QList<QByteArray> chunks;
    if (!values || count <= 0)
        return chunks;
    QByteArray bytes(count * 4, '\0');
    for (int i = 0; i < count; ++i)
        qToLittleEndian<float>(values[i], bytes.data() + 4 * i);
    for (int at = 0; at < bytes.size(); at += kEfficiencyChunkBytes)
        chunks.append(bytes.mid(at, kEfficiencyChunkBytes));
    return chunks;
}

} // namespace CommandPayload
