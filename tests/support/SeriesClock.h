#pragma once
// A timed series run on a clock the test moves, instead of on real seconds; the monotonic
// clock is back when this goes out of scope.

#include <QtGlobal>

class StudioService;

namespace testsupport {

class SeriesClock
{
public:
    explicit SeriesClock(StudioService *studio);
    ~SeriesClock();
    SeriesClock(const SeriesClock &) = delete;
    SeriesClock &operator=(const SeriesClock &) = delete;

    // Sets the clock to `seconds` after the series' start (a series starting now starts at 0).
    void set(int seconds) { m_nowMs = seconds * 1000LL; }
    // Sets it and waits until the series' elapsed time shows it.
    bool moveTo(int seconds, int timeoutMs);

private:
    StudioService *m_studio;
    qint64 m_nowMs = 0;
};

} // namespace testsupport
