#pragma once
// The device road without a transport: received bytes in, frames applied to the store.
// Each frame leaves the buffer before it is applied, and bytes that arrive while a frame
// is being applied (a handler's blocking serial write lets the port deliver more) are only
// queued: the outer pass applies them in order, so nothing is applied twice or skipped.

#include "protocol/FrameAssembler.h"
#include "link/FrameDispatcher.h"

#include <QByteArray>

class DataBuffer;

class FrameReceiver
{
public:
    explicit FrameReceiver(DataBuffer *store);

    void receive(const QByteArray &bytes);
    // Forgets a partial frame (a new connection starts clean).
    void clear() { m_assembler.clear(); }

    FrameDispatcher &dispatcher() { return m_dispatcher; }
    const FrameAssembler &assembler() const { return m_assembler; }
    // Every byte received since construction.
    quint64 receivedBytes() const { return m_received; }

private:
    quint64 m_received = 0;
    FrameAssembler m_assembler;
    FrameDispatcher m_dispatcher;
    bool m_dispatching = false;
};
