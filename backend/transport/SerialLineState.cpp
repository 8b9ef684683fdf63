#include "SerialLineState.h"

#include <cerrno>
#include <poll.h>

namespace {
constexpr short kLineGone = POLLHUP | POLLERR | POLLNVAL;

short lineEvents(int fd, short events, int timeoutMs)
{
    pollfd line{fd, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&line, 1, timeoutMs);
    } while (ready < 0 && errno == EINTR);
    return ready > 0 ? line.revents : 0;
}
} // namespace

namespace SerialLineState {

bool waitWritable(int fd, int timeoutMs)
{
    const short events = lineEvents(fd, POLLOUT, timeoutMs);
    return (events & POLLOUT) && !(events & kLineGone);
}

bool hungUp(int fd)
{
    return fd < 0 || (lineEvents(fd, POLLIN, 0) & kLineGone) != 0;
}

} // namespace SerialLineState
