#include "SeriesSchedule.h"

#include <algorithm>

SeriesSchedule::SeriesSchedule(MonotonicClock::Clock clock) { setClock(std::move(clock)); }

void SeriesSchedule::setClock(MonotonicClock::Clock clock)
{
    m_clock = clock ? std::move(clock) : MonotonicClock::Clock(MonotonicClock::nowMs);
}

void SeriesSchedule::start(int durationSeconds, int intervalSeconds)
{
    m_startMs = m_clock();
    m_durationMs = qint64(durationSeconds) * 1000;
    m_nextSampleMs = qint64(intervalSeconds) * 1000;
}

qint64 SeriesSchedule::elapsedMs() const { return std::max<qint64>(0, m_clock() - m_startMs); }

SeriesSchedule::Step SeriesSchedule::advance(int intervalSeconds)
{
    const qint64 elapsed = elapsedMs();
    Step step;
    step.elapsedSeconds = int(std::min(elapsed, m_durationMs) / 1000);
    step.sampleDue = elapsed >= m_nextSampleMs;
    if (step.sampleDue) {
        const qint64 intervalMs = qint64(std::max(1, intervalSeconds)) * 1000;
        m_nextSampleMs = (elapsed / intervalMs + 1) * intervalMs;
    }
    step.ended = elapsed >= m_durationMs;
    return step;
}

int SeriesSchedule::msToNextSecond() const { return int(1000 - elapsedMs() % 1000); }
