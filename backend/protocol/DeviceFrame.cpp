#include "DeviceFrame.h"

namespace DeviceFrame {

uint8_t checksum(const char *data, int count)
{
    uint32_t sum = 0;
    for (int i = 0; i < count; ++i)
        sum += uint8_t(data[i]);
    return uint8_t(sum & 0xFF);
}

QByteArray build(uint8_t code, const QByteArray &payload, uint8_t direction)
{
    const uint32_t length = uint32_t(payload.size()) + kOverhead;
    QByteArray frame;
    frame.reserve(int(length));
    frame.append(char(kSync));
    frame.append(char(direction));
    frame.append(char(length & 0xFF));
    frame.append(char((length >> 8) & 0xFF));
    // The host never sends 64 KiB; a device frame may use the third byte.
    frame.append(char(direction == kHostToDevice ? 0 : (length >> 16) & 0xFF));
    frame.append(char(code));
    frame.append(payload);
    frame.append(char(checksum(frame.constData(), frame.size())));
    frame.append('\r');
    frame.append('\n');
    return frame;
}

Inspection inspect(const char *data, int available, uint8_t direction)
{
    Inspection result;
    if (available < kOverhead)
        return result;
    if (uint8_t(data[0]) != kSync || uint8_t(data[1]) != direction) {
        result.status = Status::Bad;
        return result;
    }
    const uint32_t length = uint32_t(uint8_t(data[2])) | uint32_t(uint8_t(data[3])) << 8
        | uint32_t(uint8_t(data[4])) << 16;
    if (length < uint32_t(kOverhead) || length > uint32_t(kMaxFrameLength)) {
        result.status = Status::Bad;
        return result;
    }
    const int n = int(length);
    if (available < n)
        return result;
    result.length = n;
    if (data[n - 2] != '\r' || data[n - 1] != '\n') {
        result.status = Status::Bad;
        return result;
    }
    result.status = checksum(data, n - 3) == uint8_t(data[n - 3]) ? Status::Complete
                                                                   : Status::BadChecksum;
    return result;
}

int findHeader(const QByteArray &buffer, int from, uint8_t direction)
{
    for (int i = from; i + 1 < buffer.size(); ++i) {
        if (uint8_t(buffer.at(i)) == kSync && uint8_t(buffer.at(i + 1)) == direction)
            return i;
    }
    return -1;
}

} // namespace DeviceFrame
