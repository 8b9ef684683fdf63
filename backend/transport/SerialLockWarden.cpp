#include "SerialLockWarden.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Only async-signal-safe calls from here on: the watcher is forked from a process with
// threads.
void readAll(int fd, char *buffer, size_t size)
{
    size_t taken = 0;
    while (taken + 1 < size) {
        const ssize_t got = ::read(fd, buffer + taken, size - 1 - taken);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        taken += size_t(got);
    }
    buffer[taken] = '\0';
}

// The lock file's first line holds its process id, possibly after blanks.
bool namesProcess(const char *path, pid_t pid)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return false;
    char content[32];
    readAll(fd, content, sizeof content);
    ::close(fd);
    const char *digit = content;
    while (*digit == ' ')
        ++digit;
    long long named = 0;
    if (*digit < '0' || *digit > '9')
        return false;
    for (; *digit >= '0' && *digit <= '9'; ++digit)
        named = named * 10 + (*digit - '0');
    return named == pid;
}

[[noreturn]] void runWatcher(int released, const char *path, pid_t owner)
{
    // Away from the owner's session and terminal, so what ends the owner leaves the watcher.
    ::setsid();
    ::dup2(released, STDIN_FILENO);
    if (::close_range(STDOUT_FILENO, ~0U, 0) != 0) {
        for (int fd = STDOUT_FILENO; fd < 1024; ++fd)
            ::close(fd);
    }
    char byte = 0;
    ssize_t got;
    do {
        got = ::read(STDIN_FILENO, &byte, 1);
    } while (got < 0 && errno == EINTR);
    // A byte: the owner closed the port. End of file without one: the owner is gone.
    if (got == 0 && namesProcess(path, owner))
        ::unlink(path);
    ::_exit(0);
}

} // namespace

SerialLockWarden::~SerialLockWarden()
{
    release();
}

bool SerialLockWarden::watch(const QString &lockPath)
{
    if (m_release >= 0 && lockPath == m_path)
        return true;
    release();
    const QByteArray path = QFile::encodeName(lockPath);
    const pid_t owner = ::getpid();
    // A socket, not a pipe: telling a watcher that is gone must not raise SIGPIPE here.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return false;
    const pid_t child = ::fork();
    if (child == 0) {
        // Forked again so that init, not this process, collects the watcher when it ends.
        if (::fork() == 0)
            runWatcher(ends[0], path.constData(), owner);
        ::_exit(0);
    }
    ::close(ends[0]);
    if (child < 0) {
        ::close(ends[1]);
        return false;
    }
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    m_release = ends[1];
    m_path = lockPath;
    return true;
}

void SerialLockWarden::release()
{
    if (m_release < 0)
        return;
    const char byte = 1;
    while (::send(m_release, &byte, 1, MSG_NOSIGNAL) < 0 && errno == EINTR) {
    }
    ::close(m_release);
    m_release = -1;
}
