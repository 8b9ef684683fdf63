#pragma once
// Cuts checked device-to-host frames out of a byte stream that arrives in arbitrary pieces.
// Knows nothing of ports: feed it bytes, take frames.

#include <QByteArray>

class FrameAssembler
{
public:
    // Appends received bytes; nothing is cut until takeFrame is called.
    void append(const QByteArray &bytes);

    // Removes the next whole frame (header to terminator, checksum verified) from the
    // buffer and returns it in `frame`. Garbage, frames with a bad terminator, length or
    // checksum are discarded on the way. Returns false when more bytes are needed.
    bool takeFrame(QByteArray *frame);

    // Forgets everything buffered (a new connection starts clean).
    void clear();

    int bufferedBytes() const { return m_buffer.size(); }
    // Frames discarded since construction: bad terminator/length, or bad checksum.
    quint64 rejectedFrames() const { return m_rejected; }

private:
    QByteArray m_buffer;
    quint64 m_rejected = 0;
};
