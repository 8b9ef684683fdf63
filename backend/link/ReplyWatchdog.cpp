#include "ReplyWatchdog.h"

#include <algorithm>

ReplyWatchdog::ReplyWatchdog(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire up to 5 % early, giving up on a reply still in its time.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReplyWatchdog::expired);
}

int ReplyWatchdog::timeoutMs(quint32 exposureMicroseconds)
{
    // A corrupt exposure must not push the deadline beyond what a timer can hold.
    const qint64 exposureMs = qint64(exposureMicroseconds) / 1000;
    const qint64 timeout = 2 * exposureMs + kMarginMs;
    return int(std::min<qint64>(timeout, 24LL * 3600 * 1000));
}

void ReplyWatchdog::arm(quint32 exposureMicroseconds)
{
    m_timer.start(timeoutMs(exposureMicroseconds));
}

void ReplyWatchdog::disarm() { m_timer.stop(); }

bool ReplyWatchdog::isArmed() const { return m_timer.isActive(); }
