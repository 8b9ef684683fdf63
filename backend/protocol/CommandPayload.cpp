#include "CommandPayload.h"

#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

namespace CommandPayload {

QByteArray byteValue(uint8_t value)
{
    return QByteArray(1, char(value));
}

namespace {

// `us` came from a decimal number of milliseconds and may lie up to `slack` from what was
// typed: a whole count that close is the one typed; anything else is truncated.
std::optional<uint32_t> wholeMicroseconds(double us, double slack)
{
    if (!std::isfinite(us) || us < 0.0)
        return std::nullopt;
    if (us >= double(UINT32_MAX))
        return UINT32_MAX;
    const double nearest = std::round(us);
    return uint32_t(std::abs(us - nearest) <= slack ? nearest : std::floor(us));
}

template <typename Real>
Real unitInLastPlace(Real value)
{
    return std::nextafter(value, std::numeric_limits<Real>::infinity()) - value;
}

} // namespace

std::optional<uint32_t> exposureMicroseconds(float ms)
{
    if (!std::isfinite(ms))
        return std::nullopt;
    // The float lies within half a unit in its last place of the typed decimal; the product
    // is exact in a double (24 + 10 bits).
    return wholeMicroseconds(double(ms) * 1000.0, 500.0 * double(unitInLastPlace(ms)));
}

std::optional<uint32_t> exposureMicroseconds(double ms)
{
    if (!std::isfinite(ms))
        return std::nullopt;
    // Here the product rounds as well: allow a unit for each of the two roundings.
    return wholeMicroseconds(ms * 1000.0, 2000.0 * unitInLastPlace(ms));
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
