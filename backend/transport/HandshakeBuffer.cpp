#include "HandshakeBuffer.h"

#include "protocol/DeviceCommand.h"
#include "protocol/DeviceFrame.h"

namespace {
// Noise before identification is kept only this far back.
constexpr int kKeepBytes = DeviceFrame::kMaxFrameLength;
} // namespace

std::optional<HandshakeBuffer::Identification> HandshakeBuffer::take(const QByteArray &bytes)
{
    m_bytes.append(bytes);
    int at = DeviceFrame::findHeader(m_bytes);
    while (at >= 0) {
        const DeviceFrame::Inspection seen =
            DeviceFrame::inspect(m_bytes.constData() + at, int(m_bytes.size()) - at);
        if (seen.status == DeviceFrame::Status::Complete) {
            const QByteArray frame = m_bytes.mid(at, seen.length);
            if (DeviceFrame::code(frame) == DeviceCommand::CMD_GET_DEVICE_MODEL) {
                Identification found{DeviceFrame::payload(frame), m_bytes.mid(at + seen.length)};
                m_bytes.clear();
                return found;
            }
            at = DeviceFrame::findHeader(m_bytes, at + seen.length);
            continue;
        }
        at = DeviceFrame::findHeader(m_bytes, at + 1);
    }
    if (m_bytes.size() > 2 * kKeepBytes)
        m_bytes.remove(0, m_bytes.size() - kKeepBytes);
    return std::nullopt;
}
