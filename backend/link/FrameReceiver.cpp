#include "FrameReceiver.h"

FrameReceiver::FrameReceiver(DataBuffer *store) : m_dispatcher(store) {}

void FrameReceiver::receive(const QByteArray &bytes)
{
    m_received += quint64(bytes.size());
    m_assembler.append(bytes);
    if (m_dispatching)
        return;
    m_dispatching = true;
    QByteArray frame;
    while (m_assembler.takeFrame(&frame))
        m_dispatcher.dispatch(frame);
    m_dispatching = false;
}
