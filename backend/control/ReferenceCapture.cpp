#include "ReferenceCapture.h"

#include "control/MonotonicClock.h"

ReferenceCapture::ReferenceCapture(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(MonotonicClock::nowMs))
{
}

void ReferenceCapture::start()
{
    m_startMs = m_clock();
    m_running = true;
}

void ReferenceCapture::stop() { m_running = false; }

qint64 ReferenceCapture::elapsedSeconds() const
{
    return m_running ? (m_clock() - m_startMs) / 1000 : 0;
}

bool ReferenceCapture::accepts(quint32 exposureStatus) const
{
    return exposureStatus == 0 || elapsedSeconds() >= kTimeLimitSeconds;
}
