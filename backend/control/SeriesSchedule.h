#pragma once
// When the samples of a timed series fall due and when it ends, read from a monotonic
// clock rather than counted in timer ticks: a program that stalls for a while takes the
// one sample then due (not a burst of the missed ones) and ends the series on time.

#include "control/MonotonicClock.h"

class SeriesSchedule
{
public:
    struct Step {
        int elapsedSeconds = 0; // whole seconds since the start, at most the duration
        bool sampleDue = false;
        bool ended = false;
    };

    explicit SeriesSchedule(MonotonicClock::Clock clock = {});
    void setClock(MonotonicClock::Clock clock);

    void start(int durationSeconds, int intervalSeconds);
    // Where the series stands now. A due sample is counted once: the next one falls at the
    // first multiple of the interval after now.
    Step advance(int intervalSeconds);
    // Until the clock reaches the series' next whole second (at least 1 ms).
    int msToNextSecond() const;

private:
    qint64 elapsedMs() const;

    MonotonicClock::Clock m_clock;
    qint64 m_startMs = 0;
    qint64 m_durationMs = 0;
    qint64 m_nextSampleMs = 0;
};
