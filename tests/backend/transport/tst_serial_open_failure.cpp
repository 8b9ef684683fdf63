// Why a serial port did not open, told from files the test makes: lock files of running and
// ended programs, in the folders where the serial library looks, and a port's group and mode.
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "transport/SerialOpenFailure.h"
#include "transport/SerialPortFacts.h"

#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using SerialOpenFailure::Facts;

namespace {

// The id of a process that has ended.
qint64 endedProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

QByteArray program() { return QCoreApplication::applicationName().toUtf8(); }

void writeLock(const QString &path, qint64 pid, const QByteArray &program)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::number(pid) + '\n' + program + "\nhost\n");
}

} // namespace

class TestSerialOpenFailure : public QObject
{
    Q_OBJECT

private slots:
    void lockFilesAreFoundWhereTheLibraryLooks()
    {
        QTemporaryDir before, holding;
        const QString lock = holding.filePath(QStringLiteral("LCK..ttyUSB0"));
        writeLock(lock, ::getpid(), program());
        const QString missing = before.filePath(QStringLiteral("no-such-folder"));

        const auto found = SerialPortFacts::lockFileOf(QStringLiteral("ttyUSB0"), {missing, holding.path()});
        QVERIFY(found);
        QCOMPARE(found->path, lock);
        QCOMPARE(found->pid, qint64(::getpid()));
        QCOMPARE(found->program, QCoreApplication::applicationName());
        QVERIFY(found->programRunning);
        // An id that another program took since names no running owner.
        writeLock(lock, ::getpid(), "meter");
        QVERIFY(!SerialPortFacts::lockFileOf(QStringLiteral("ttyUSB0"), {holding.path()})->programRunning);
        QCOMPARE(found->owner, ::geteuid());
        QVERIFY(SerialPortFacts::lockFileOf(QStringLiteral("/dev/ttyUSB0"), {holding.path()}));
        // A folder before it where the library may write takes the lock there instead.
        QVERIFY(!SerialPortFacts::lockFileOf(QStringLiteral("ttyUSB0"), {before.path(), holding.path()}));

        // The lock a port held by this process leaves where the system's library puts it.
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QSerialPort holder(device->portName());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        const auto held = SerialPortFacts::lockFileOf(device->portName());
        QVERIFY(held);
        QCOMPARE(held->path, testsupport::serialLockFile(device->portName()));
        QCOMPARE(held->pid, qint64(QCoreApplication::applicationPid()));
    }

    void reasonsSayWhatToDo()
    {
        QTemporaryDir folder;
        const QString lock = folder.filePath(QStringLiteral("LCK..ttyUSB0"));
        Facts facts;
        facts.user = ::geteuid();

        writeLock(lock, endedProcess(), "meter");
        facts.lock = SerialPortFacts::lockFileOf(QStringLiteral("ttyUSB0"), {folder.path()});
        QVERIFY(facts.lock && !facts.lock->programRunning);
        // The library removes an ended program's lock of one's own; not another user's.
        QCOMPARE(SerialOpenFailure::reason(facts), QString());
        facts.user = facts.lock->owner + 1;
        QString reason = SerialOpenFailure::reason(facts);
        QVERIFY2(reason.startsWith(QStringLiteral("Locked by a program that is no longer running")), qPrintable(reason));
        QVERIFY(reason.contains(QChar(0x2068) + lock + QChar(0x2069)));
        QVERIFY(reason.contains(facts.lock->ownerName + QStringLiteral(" or an administrator can delete")));

        writeLock(lock, ::getpid(), program());
        facts.lock = SerialPortFacts::lockFileOf(QStringLiteral("ttyUSB0"), {folder.path()});
        QCOMPARE(SerialOpenFailure::reason(facts),
                 QStringLiteral("In use by another program (process %2):\n\u2068%1\u2069\nClose it, then try again.")
                     .arg(QCoreApplication::applicationName())
                     .arg(::getpid()));

        // Without a lock in the way, the system's refusal decides.
        facts.lock.reset();
        facts.systemError = EBUSY;
        QCOMPARE(SerialOpenFailure::reason(facts), QStringLiteral("In use by another program. Close it, then try again."));
        facts.systemError = ENOENT;
        QCOMPARE(SerialOpenFailure::reason(facts), QString());
    }

    void aPortNotAllowedNamesItsGroup()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        const QByteArray terminal = QFile::encodeName(QFileInfo(device->portName()).canonicalFilePath());
        QVERIFY(::chown(terminal.constData(), uid_t(-1), ::getegid()) == 0);
        const QString group = QString::fromLocal8Bit(::getgrgid(::getegid())->gr_name);

        QVERIFY(::chmod(terminal.constData(), 0660) == 0);
        const QString refused = qt_error_string(EACCES);
        QString reason = SerialOpenFailure::reason(
            SerialPortFacts::afterFailedOpen(device->portName(), QSerialPort::PermissionError, refused));
        QCOMPARE(reason, QStringLiteral("Not allowed: the port belongs to the group “%1”. Once an administrator has "
                                        "added you to it, log out and in again to join it.").arg(group));
        // A group that may not read and write the port is no way in.
        QVERIFY(::chmod(terminal.constData(), 0640) == 0);
        reason = SerialOpenFailure::reason(
            SerialPortFacts::afterFailedOpen(device->portName(), QSerialPort::PermissionError, refused));
        QVERIFY2(reason.startsWith(QStringLiteral("Not allowed, and joining the port's group “%1”").arg(group)),
                 qPrintable(reason));
    }

    void unlistedPortsShareTheirReason()
    {
        const QString busy = QStringLiteral("In use by another program. Close it, then try again.");
        const QString message = SerialOpenFailure::unlistedPorts(
            {{QStringLiteral("ttyS0"), QStringLiteral("not allowed")}, {QStringLiteral("ttyUSB0"), busy},
             {QStringLiteral("ttyS1"), QStringLiteral("not allowed")}});
        QCOMPARE(message, QStringLiteral("These ports cannot be opened now:\n\u2068ttyS0\u2069\n\u2068ttyS1\u2069\n"
                                         "not allowed\n\u2068ttyUSB0\u2069\n") + busy);
    }
};

QTEST_GUILESS_MAIN(TestSerialOpenFailure)
#include "tst_serial_open_failure.moc"
