#include "SerialOpenFailure.h"

#include "format/OutsideText.h"

#include <QCoreApplication>
#include <cerrno>

namespace SerialOpenFailure {

namespace {

QString inUse(const std::optional<LockFile> &lock)
{
    if (lock && !lock->program.isEmpty())
        return QCoreApplication::translate("SerialOpenFailure",
                                           "In use by another program (process %2):\n%1\nClose it, then try again.")
            .arg(OutsideText::isolated(lock->program), QString::number(lock->pid));
    return QCoreApplication::translate("SerialOpenFailure",
                                       "In use by another program. Close it, then try again.");
}

} // namespace

QString reason(const Facts &facts)
{
    // The lock is taken before the port is opened, so a lock that stands was the refusal.
    if (facts.lock && facts.lock->pid > 0) {
        if (facts.lock->programRunning)
            return inUse(facts.lock);
        // A lock of one's own is removed by the library itself; another user's is not.
        if (facts.lock->owner != facts.user)
            return QCoreApplication::translate("SerialOpenFailure",
                                               "Locked by a program that is no longer running, through its "
                                               "lock file:\n%1\n%2 or an administrator can delete that file.")
                .arg(OutsideText::isolated(facts.lock->path), OutsideText::oneLine(facts.lock->ownerName));
    }
    switch (facts.systemError) {
    case EACCES:
    case EPERM:
        if (facts.groupMayOpen)
            return QCoreApplication::translate("SerialOpenFailure",
                                               "Not allowed: the port belongs to the group “%1”. Once an "
                                               "administrator has added you to it, log out and in again to join it.")
                .arg(OutsideText::oneLine(facts.group));
        return QCoreApplication::translate("SerialOpenFailure",
                                           "Not allowed, and joining the port's group “%1” would not change "
                                           "that: ask an administrator.")
            .arg(OutsideText::oneLine(facts.group));
    case EBUSY:
        // Another program has taken the port for itself alone.
        return inUse(std::nullopt);
    default:
        return QString();
    }
}

QString unlistedPorts(const QList<Refusal> &refusals)
{
    QStringList reasons;
    QList<QStringList> ports;
    for (const Refusal &refusal : refusals) {
        const qsizetype at = reasons.indexOf(refusal.reason);
        if (at < 0) {
            reasons.append(refusal.reason);
            ports.append({OutsideText::isolated(refusal.port)});
        } else {
            ports[at].append(OutsideText::isolated(refusal.port));
        }
    }
    QStringList lines{QCoreApplication::translate("SerialOpenFailure", "These ports cannot be opened now:")};
    for (qsizetype i = 0; i < reasons.size(); ++i)
        lines << ports.at(i) << reasons.at(i);
    return lines.join(QLatin1Char('\n'));
}

} // namespace SerialOpenFailure
