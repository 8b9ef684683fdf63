#pragma once
// Why a serial port did not open, in words a person can act on: not allowed (and which
// group would allow it), in use by another program, or locked by the lock file of a
// program that is no longer running.

#include <QList>
#include <QString>
#include <optional>
#include <sys/types.h>

namespace SerialOpenFailure {

// A lock file that names the program holding a port (LCK..<name> in a lock folder).
struct LockFile {
    QString path;
    uid_t owner = 0;
    QString ownerName;
    qint64 pid = 0;
    QString program; // as the file names it; may be empty
    bool programRunning = false;
};

// What is known of a port that did not open, and of who tried.
struct Facts {
    // errno of the system's refusal, when the library reported one; else 0.
    int systemError = 0;
    QString group;
    // The port's mode lets its group read and write it.
    bool groupMayOpen = false;
    std::optional<LockFile> lock;
    uid_t user = 0;
};

// What a person can do about the failure, translated; outside text in it (paths, program
// names) is isolated. Empty when nothing is known beyond the library's words.
QString reason(const Facts &facts);

// A port that exists but did not open, and its reason.
struct Refusal {
    QString port;
    QString reason;
};

// The message for ports a scan left out: each reason once, after the ports it holds for.
QString unlistedPorts(const QList<Refusal> &refusals);

} // namespace SerialOpenFailure
