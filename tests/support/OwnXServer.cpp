#include "OwnXServer.h"

#include <cstdlib>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace {
constexpr int kStartTimeoutMs = 30000;
} // namespace

bool OwnXServer::start()
{
    int pipeFds[2];
    if (m_pid > 0 || pipe(pipeFds) != 0)
        return false;
    const std::string screen = std::to_string(m_screen.width()) + "x" + std::to_string(m_screen.height()) + "x24";
    const std::string readyFd = std::to_string(pipeFds[1]);
    m_pid = fork();
    if (m_pid == 0) {
        close(pipeFds[0]);
        // Xvfb picks a free display number itself, so servers started side by side never
        // race for one, and writes it to the pipe once it takes connections.
        execlp("Xvfb", "Xvfb", "-displayfd", readyFd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp",
               static_cast<char *>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    if (m_pid < 0) {
        close(pipeFds[0]);
        return false;
    }
    std::string display;
    pollfd ready{pipeFds[0], POLLIN, 0};
    char c = 0;
    while (poll(&ready, 1, kStartTimeoutMs) > 0 && read(pipeFds[0], &c, 1) == 1 && c != '\n')
        display += c;
    close(pipeFds[0]);
    if (display.empty() || c != '\n')
        return false;
    setenv("DISPLAY", (":" + display).c_str(), 1);
    return true;
}

OwnXServer::~OwnXServer()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
}

} // namespace testsupport
