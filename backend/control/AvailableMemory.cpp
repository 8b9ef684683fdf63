#include "AvailableMemory.h"

#include <algorithm>
#include <cstdlib>
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
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0)
            return qint64(std::atoll(line.c_str() + key.size())) * 1024;
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

// What the memory limit of this process's control group, and of each group above it, leaves
// (version 2: memory.max; version 1: the memory controller's limit_in_bytes).
qint64 groupLeft()
{
    std::ifstream in("/proc/self/cgroup");
    std::string line;
    qint64 left = kUnknown;
    while (std::getline(in, line)) {
        // "id:controllers:path"; version 2 names no controllers.
        const size_t first = line.find(':');
        const size_t second = line.find(':', first + 1);
        if (first == std::string::npos || second == std::string::npos)
            continue;
        const std::string controllers = "," + line.substr(first + 1, second - first - 1) + ",";
        const bool unified = controllers == ",,";
        if (!unified && controllers.find(",memory,") == std::string::npos)
            continue;
        const std::string root = unified ? "/sys/fs/cgroup" : "/sys/fs/cgroup/memory";
        const char *limitFile = unified ? "/memory.max" : "/memory.limit_in_bytes";
        const char *usageFile = unified ? "/memory.current" : "/memory.usage_in_bytes";
        for (std::string group = line.substr(second + 1);;) {
            const std::string dir = root + (group == "/" ? std::string() : group);
            const qint64 limit = groupValue(dir + limitFile);
            const qint64 used = groupValue(dir + usageFile);
            if (limit != kUnknown && used != kUnknown)
                left = std::min(left, std::max<qint64>(0, limit - used));
            if (group.size() <= 1)
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
