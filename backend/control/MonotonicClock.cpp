#include "MonotonicClock.h"

#include <QElapsedTimer>

qint64 MonotonicClock::nowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}
