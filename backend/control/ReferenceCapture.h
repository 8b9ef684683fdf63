#pragma once
// When a reference capture may end: at the first reference spectrum taken with a
// settled exposure, or failing that, the first one 16 s or more after the start.
// Time is taken from a monotonic clock, so a capture across midnight or a change of
// the wall clock cannot make it wait forever.

#include "control/MonotonicClock.h"

class ReferenceCapture
{
public:
    static constexpr qint64 kTimeLimitSeconds = 16;
    using Clock = MonotonicClock::Clock;

    explicit ReferenceCapture(Clock clock = Clock());

    void start();
    void stop();
    bool isRunning() const { return m_running; }

    // Whether a reference spectrum with this exposure status ends the capture.
    bool accepts(quint32 exposureStatus) const;
    qint64 elapsedSeconds() const;

private:
    Clock m_clock;
    qint64 m_startMs = 0;
    bool m_running = false;
};
