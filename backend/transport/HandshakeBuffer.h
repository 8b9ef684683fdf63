#pragma once
// The bytes a serial device sends before it has identified itself. The first whole, checked
// model reply identifies it, wherever it starts: noise, stray frames and fragments before
// it are skipped.

#include <QByteArray>
#include <optional>

class HandshakeBuffer
{
public:
    struct Identification {
        QByteArray modelPayload; // the model reply's payload: the name and its trailer
        QByteArray following;    // bytes that came behind it, for the frame reassembly
    };

    // Adds `bytes`; the identification once a model reply is complete, and the buffer is
    // then empty.
    std::optional<Identification> take(const QByteArray &bytes);
    void clear() { m_bytes.clear(); }

private:
    QByteArray m_bytes;
};
