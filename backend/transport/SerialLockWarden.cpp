#include "SerialLockWarden.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

// A line on its input: the owner closed the port. End of input without one: the owner is
// gone, and its lock goes if it still names the owner ($1 the lock file, $2 the owner's id;
// the id may stand after blanks).
const char kWatcherScript[] = "IFS= read -r line || { read -r pid rest < \"$1\" && [ \"$pid\" = \"$2\" ] && rm -f -- \"$1\"; }";

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
    // A socket, not a pipe: telling a watcher that is gone must not raise SIGPIPE here.
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return false;

    posix_spawn_file_actions_t files;
    ::posix_spawn_file_actions_init(&files);
    ::posix_spawn_file_actions_adddup2(&files, ends[0], STDIN_FILENO);
    ::posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_adddup2(&files, STDOUT_FILENO, STDERR_FILENO);
    // Nothing of ours stays open in it, the port above all.
    ::posix_spawn_file_actions_addclosefrom_np(&files, STDERR_FILENO + 1);
    // In a session of its own, away from the terminal and whatever ends this process, with
    // the signals' standard actions, so that it ends when it is told to.
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    sigset_t all;
    ::sigfillset(&all);
    ::posix_spawnattr_setsigdefault(&attributes, &all);
    sigset_t none;
    ::sigemptyset(&none);
    ::posix_spawnattr_setsigmask(&attributes, &none);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    QByteArray path = QFile::encodeName(lockPath);
    QByteArray owner = QByteArray::number(::getpid());
    char shell[] = "sh", option[] = "-c", name[] = "serial-lock-watcher";
    QByteArray script(kWatcherScript);
    char *arguments[] = {shell, option, script.data(), name, path.data(), owner.data(), nullptr};
    pid_t watcher = -1;
    const int failed = ::posix_spawn(&watcher, "/bin/sh", &files, &attributes, arguments, environ);
    ::posix_spawnattr_destroy(&attributes);
    ::posix_spawn_file_actions_destroy(&files);
    ::close(ends[0]);
    if (failed != 0) {
        ::close(ends[1]);
        return false;
    }
    m_release = ends[1];
    m_watcher = watcher;
    m_path = lockPath;
    return true;
}

void SerialLockWarden::release()
{
    if (m_release < 0)
        return;
    const char line = '\n';
    while (::send(m_release, &line, 1, MSG_NOSIGNAL) < 0 && errno == EINTR) {
    }
    ::close(m_release);
    m_release = -1;
    while (::waitpid(m_watcher, nullptr, 0) < 0 && errno == EINTR) {
    }
    m_watcher = -1;
    m_path.clear();
}
