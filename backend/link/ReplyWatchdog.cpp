#include "ReplyWatchdog.h"

#include "link/DataHandlerService.h"

#include <algorithm>

ReplyWatchdog::ReplyWatchdog(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, giving up on a reply still in its time.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReplyWatchdog::onTimeout);
}

int ReplyWatchdog::timeoutMs(quint32 exposureMicroseconds, int lineMs)
{
    // A corrupt exposure must not push the deadline beyond what a timer can hold.
    const qint64 exposureMs = qint64(exposureMicroseconds) / 1000;
    const qint64 timeout = 2 * exposureMs + std::max(0, lineMs) + kMarginMs;
    return int(std::min<qint64>(timeout, 24LL * 3600 * 1000));
}

void ReplyWatchdog::arm(quint32 exposureMicroseconds, int lineMs)
{
    m_receivedMark = DataHandlerService::lineProgress().received;
    m_timer.start(timeoutMs(exposureMicroseconds, lineMs));
}

void ReplyWatchdog::onTimeout()
{
    // A frame under way may be the reply: it is given a margin more as long as its bytes
    // keep coming, so a reply that has begun to arrive is never given up.
    const DataHandlerService::LineProgress line = DataHandlerService::lineProgress();
    if (line.pending > 0 && line.received > m_receivedMark) {
        m_receivedMark = line.received;
        m_timer.start(kMarginMs);
        return;
    }
    emit expired();
}

void ReplyWatchdog::disarm() { m_timer.stop(); }

bool ReplyWatchdog::isArmed() const { return m_timer.isActive(); }
