#pragma once
// Milliseconds on a clock that moves only forward, at the pace of real time, whatever the
// wall clock does (midnight, a change of the system time); near zero at the process start.

#include <QtGlobal>
#include <functional>

namespace MonotonicClock {

using Clock = std::function<qint64()>;

qint64 nowMs();

} // namespace MonotonicClock
