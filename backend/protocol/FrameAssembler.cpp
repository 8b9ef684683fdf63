#include "FrameAssembler.h"

#include "DeviceFrame.h"

void FrameAssembler::append(const QByteArray &bytes) { m_buffer.append(bytes); }

void FrameAssembler::clear() { m_buffer.clear(); }

bool FrameAssembler::takeFrame(QByteArray *frame)
{
    using namespace DeviceFrame;
    while (m_buffer.size() >= kOverhead) {
        const int start = findHeader(m_buffer);
        if (start < 0) {
            // A trailing sync byte may be the first half of the next header.
            const bool keepLast = uint8_t(m_buffer.back()) == kSync;
            m_buffer = keepLast ? QByteArray(1, char(kSync)) : QByteArray();
            return false;
        }
        if (start > 0)
            m_buffer.remove(0, start);

        const Inspection found = inspect(m_buffer.constData(), int(m_buffer.size()));
        switch (found.status) {
        case Status::Incomplete:
            return false;
        case Status::Bad:
            // Resynchronise inside the rejected bytes.
            ++m_rejected;
            m_buffer.remove(0, 2);
            break;
        case Status::BadChecksum:
            ++m_rejected;
            m_buffer.remove(0, found.length);
            break;
        case Status::Complete:
            *frame = m_buffer.left(found.length);
            m_buffer.remove(0, found.length);
            return true;
        }
    }
    return false;
}
