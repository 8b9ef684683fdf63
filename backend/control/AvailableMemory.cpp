#include "AvailableMemory.h"

#include <algorithm>
#include <fstream>
#include <limits>
#include <string>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

namespace AvailableMemory {

namespace {

constexpr qint64 kUnknown = std::numeric_limits<qint64>::max();

AvailableMemory::Gauge &gauge()
{
    static Gauge instance;
    return instance;
}

#ifdef Q_OS_LINUX
// The value of `key` in a "Key:   123 kB" file, in bytes; kUnknown when absent.
qint64 kilobytesField(const char *file, const std::string &key)
{
    std::ifstream in(file);
    std::string name;
    long long kilobytes = 0;
    while (in >> name >> kilobytes) {
        if (name == key)
            return qint64(kilobytes) * 1024;
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return kUnknown;
}

// A number in a control group file, or kUnknown for "max" or no file.
qint64 groupValue(const std::string &path)
{
    std::ifstream in(path);
    long long value = 0;
    return in >> value ? qint64(value) : kUnknown;
}

qint64 limitLeft(int resource, const char *usedKey)
{
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return kUnknown;
    const qint64 used = kilobytesField("/proc/self/status", usedKey);
    return used == kUnknown ? kUnknown : std::max<qint64>(0, qint64(limit.rlim_cur) - used);
}

// The tightest memory.max of this process's control group and of the groups above it (v2).
qint64 groupLeft()
{
    std::ifstream in("/proc/self/cgroup");
    std::string line;
    qint64 left = kUnknown;
    while (std::getline(in, line)) {
        if (line.rfind("0::", 0) != 0)
            continue;
        std::string group = line.substr(3);
        for (;;) {
            const std::string dir = "/sys/fs/cgroup" + (group == "/" ? std::string() : group);
            const qint64 max = groupValue(dir + "/memory.max");
            const qint64 current = groupValue(dir + "/memory.current");
            if (max != kUnknown && current != kUnknown)
                left = std::min(left, std::max<qint64>(0, max - current));
            if (group.empty() || group == "/")
                break;
            group.erase(std::max<size_t>(group.rfind('/'), 1));
        }
    }
    return left;
}
#endif

qint64 measured()
{
#ifdef Q_OS_LINUX
    return std::min({kilobytesField("/proc/meminfo", "MemAvailable:"), limitLeft(RLIMIT_AS, "VmSize:"),
                     limitLeft(RLIMIT_DATA, "VmData:"), groupLeft()});
#else
    return kUnknown;
#endif
}

} // namespace

qint64 bytes() { return gauge() ? gauge()() : measured(); }

void setGauge(Gauge value) { gauge() = std::move(value); }

} // namespace AvailableMemory
