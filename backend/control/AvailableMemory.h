#pragma once
// How many more bytes this process may come to hold: the least of what the system still has
// for programs (MemAvailable, swap left aside), what the address-space and data-size limits
// leave and what the memory control group's limit leaves. Unknown parts do not count.

#include <QtGlobal>
#include <functional>

namespace AvailableMemory {

qint64 bytes();

// Replaces the measurement while set, for tests; an empty gauge brings it back.
using Gauge = std::function<qint64()>;
void setGauge(Gauge gauge);

} // namespace AvailableMemory
