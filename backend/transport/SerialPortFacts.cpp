#include "SerialPortFacts.h"

#include <QFile>
#include <QFileInfo>
#include <QSerialPort>
#include <QStandardPaths>
#include <cerrno>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SerialPortFacts {

namespace {

QString devicePath(const QString &portName)
{
    return portName.startsWith(QLatin1Char('/')) ? portName : QStringLiteral("/dev/") + portName;
}

QString lockName(const QString &portName)
{
    QString name = devicePath(portName);
    if (name.startsWith(QStringLiteral("/dev/")))
        name = name.mid(5);
    return QStringLiteral("LCK..") + name.replace(QLatin1Char('/'), QLatin1Char('_'));
}

QString userName(uid_t uid)
{
    const passwd *entry = ::getpwuid(uid);
    return entry ? QString::fromLocal8Bit(entry->pw_name) : QString::number(uid);
}

QString groupName(gid_t gid)
{
    const group *entry = ::getgrgid(gid);
    return entry ? QString::fromLocal8Bit(entry->gr_name) : QString::number(gid);
}

// As the serial library judges it: the process exists (another user's answers EPERM) and,
// where its program can be read, is the one the lock names (not a process that got its id
// later).
bool processRunning(qint64 pid, const QString &program)
{
    if (pid <= 0 || (::kill(pid_t(pid), 0) != 0 && errno == ESRCH))
        return false;
    const QString running = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return running.isEmpty() || program.isEmpty()
        || QFileInfo(running).fileName() == QFileInfo(program).fileName();
}

// The library reports the system's refusal in the system's words (which follow the locale):
// the same words name the same error number.
int systemErrorOf(const QString &errorText)
{
    for (int error : {EACCES, EPERM, EBUSY}) {
        if (errorText == qt_error_string(error))
            return error;
    }
    return 0;
}

} // namespace

QStringList lockFolders()
{
    return {QStringLiteral("/var/lock"),       QStringLiteral("/etc/locks"),
            QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),
            QStringLiteral("/tmp"),             QStringLiteral("/var/tmp"),
            QStringLiteral("/var/lock/lockdev"), QStringLiteral("/run/lock"),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation)};
}

std::optional<SerialOpenFailure::LockFile> lockFileOf(const QString &portName, const QStringList &folders)
{
    const QString name = lockName(portName);
    for (const QString &folder : folders) {
        const QFileInfo folderInfo(folder);
        if (!folderInfo.isReadable())
            continue;
        const QString path = folder + QLatin1Char('/') + name;
        struct stat file {};
        if (::stat(QFile::encodeName(path).constData(), &file) != 0) {
            if (folderInfo.isWritable())
                return std::nullopt; // the library would take its lock here
            continue;
        }
        SerialOpenFailure::LockFile lock;
        lock.path = path;
        lock.owner = file.st_uid;
        lock.ownerName = userName(file.st_uid);
        QFile content(path);
        if (content.open(QIODevice::ReadOnly)) {
            // The process id on the first line, the program's name on the second.
            const QList<QByteArray> lines = content.read(4096).split('\n');
            lock.pid = lines.value(0).trimmed().toLongLong();
            lock.program = QString::fromUtf8(lines.value(1).trimmed());
        }
        lock.programRunning = processRunning(lock.pid, lock.program);
        return lock;
    }
    return std::nullopt;
}

SerialOpenFailure::Facts afterFailedOpen(const QString &portName, QSerialPort::SerialPortError error,
                                         const QString &errorText)
{
    SerialOpenFailure::Facts facts;
    facts.systemError = systemErrorOf(errorText);
    facts.user = ::geteuid();
    struct stat file {};
    if (::stat(QFile::encodeName(devicePath(portName)).constData(), &file) == 0) {
        facts.group = groupName(file.st_gid);
        facts.groupMayOpen = (file.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP);
    }
    if (error == QSerialPort::PermissionError)
        facts.lock = lockFileOf(portName);
    return facts;
}

SerialOpenFailure::Facts afterFailedOpen(const QSerialPort &port)
{
    return afterFailedOpen(port.portName(), port.error(), port.errorString());
}

} // namespace SerialPortFacts
