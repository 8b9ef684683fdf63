#pragma once
// Removes the serial library's lock file of a port this process holds if the process ends
// without closing the port (killed, crashed). The lock is the user's own file in a folder
// where no other user may delete it: left behind, it would keep everyone else away from the
// device until an administrator or a reboot removed it. A small shell of its own waits for
// this process to end and then deletes the file, but only while it still names this
// process.

#include <QString>
#include <sys/types.h>

class SerialLockWarden
{
public:
    SerialLockWarden() = default;
    ~SerialLockWarden();
    SerialLockWarden(const SerialLockWarden &) = delete;
    SerialLockWarden &operator=(const SerialLockWarden &) = delete;

    // Watches `lockPath` from now on instead of an earlier file; the port may be closed and
    // opened again meanwhile (as a baud scan does). False when no watcher runs.
    bool watch(const QString &lockPath);
    // The port is closed for good: the library has removed its lock, nothing is left to watch.
    void release();

private:
    QString m_path;
    int m_release = -1; // our end of the socket the watcher waits on
    pid_t m_watcher = -1;
};
