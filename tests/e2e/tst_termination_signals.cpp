// The application ended by a signal (logout, shutdown, Ctrl+C, a closed terminal) goes
// through the teardown of a closed window: started as its own process on the simulated
// spectrometer, a running series is written with its samples, the device is told to stop
// and the port's lock file goes.
#include "ChildStart.h"
#include "RunningApplication.h"
#include "SavedFiles.h"
#include "SerialLink.h"
#include "SeriesClock.h"
#include "SimulatedDevice.h"

#include "app/ApplicationSession.h"
#include "app/TerminationSignals.h"
#include "control/StudioService.h"
#include "protocol/DeviceFrame.h"
#include "store/DataBuffer.h"
#include "welcome/WelcomeService.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <optional>

using simdevice::SimulatedDevice;

namespace {

const char kChildVariable[] = "TERMINATION_TEST_CHILD";
const QString kSeriesFiles = QStringLiteral("PQV-32_CustomizedTest_*.csv");
// Generous bounds for a loaded machine; a passing wait ends as soon as it can.
constexpr int kReplyTimeoutMs = 30000;
// From the signal to the process's end: the teardown writes one file and stops one device,
// which takes well under a second; the bound leaves room for the sanitizers' exit checks.
constexpr int kPromptEndMs = 60000;

// Child: the application as main() runs it, linked to the device at `port`, with a series
// of two samples under way when it says so on its output; then the event loop.
int runSeriesChild(const QString &port)
{
    TerminationSignals termination;
    std::optional<testsupport::SeriesClock> clock; // outlives the teardown: no sample after the second
    testsupport::RunningApplication app;
    if (!app.start())
        return 2;
    app.welcome()->handleSerialConnectionSignal(port, 1);
    if (!QTest::qWaitFor([&] { return !app.dataBuffer()->deviceModel().isEmpty(); }, kReplyTimeoutMs))
        return 3;
    clock.emplace(app.studio());
    QSignalSpy append(app.studio(), &StudioService::requestCustomizedTestAppend);
    app.studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
    for (int seconds : {5, 10}) {
        const quint64 received = app.dataBuffer()->receivedSpectra();
        if (!QTest::qWaitFor([&] { return app.dataBuffer()->receivedSpectra() > received; }, kReplyTimeoutMs)
            || !clock->moveTo(seconds, kReplyTimeoutMs))
            return 4;
    }
    QTextStream(stdout) << "samples=" << append.count() << Qt::endl;
    return termination.exec();
}

// Child: a signal that comes before the window exists, with no device linked.
int runEarlySignalChild()
{
    TerminationSignals termination;
    std::raise(SIGTERM);
    testsupport::RunningApplication app;
    if (!app.start())
        return 2;
    return termination.exec();
}

} // namespace

class TestTerminationSignals : public QObject
{
    Q_OBJECT
    std::unique_ptr<SimulatedDevice> m_device;

    void startChild(QProcess &child, const QString &mode)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kChildVariable), mode);
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {});
    }

    // The child linked to the device with its series under way; `lock` the port's lock file.
    void startSeriesChild(QProcess &child, QString &lock)
    {
        startChild(child, m_device->portName());
        QVERIFY(QTest::qWaitFor([&] { return child.canReadLine() || child.state() == QProcess::NotRunning; },
                                testsupport::kHungChildMs));
        QVERIFY2(child.canReadLine(), qPrintable(QStringLiteral("child ended with %1").arg(child.exitCode())));
        QCOMPARE(child.readLine().trimmed(), QByteArray("samples=2"));
        lock = testsupport::serialLockFile(m_device->portName());
        QVERIFY2(!lock.isEmpty(), qPrintable(m_device->portName()));
    }

private slots:
    void initTestCase()
    {
        simdevice::DeviceState state;
        state.model = QStringLiteral("PQV-32");
        state.baud = 921600;
        state.wlStart = 380;
        state.wlEnd = 780;
        state.streamIntervalMs = 50;
        m_device = std::make_unique<SimulatedDevice>(state);
        QVERIFY2(m_device->start(), qPrintable(m_device->errorString()));
    }

    void signalEndsTheSeriesAndReleasesTheDevice_data()
    {
        QTest::addColumn<QList<int>>("sent");
        QTest::newRow("SIGTERM") << QList<int>{SIGTERM};
        // One teardown for both, whichever the process takes first.
        QTest::newRow("SIGINT and SIGTERM at once") << QList<int>{SIGINT, SIGTERM};
        QTest::newRow("SIGHUP") << QList<int>{SIGHUP};
    }

    void signalEndsTheSeriesAndReleasesTheDevice()
    {
        QFETCH(QList<int>, sent);
        testsupport::removeSavedFiles(kSeriesFiles);
        QProcess child;
        QString lock;
        startSeriesChild(child, lock);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(m_device->isStreaming());
        m_device->clearReceived();

        QElapsedTimer sinceSignal;
        sinceSignal.start();
        for (int number : sent)
            ::kill(pid_t(child.processId()), number);
        QVERIFY(child.waitForFinished(testsupport::kHungChildMs));
        QVERIFY2(sinceSignal.elapsed() < kPromptEndMs, qPrintable(QString::number(sinceSignal.elapsed())));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit,
                 qPrintable(QStringLiteral("ended by signal %1").arg(child.exitCode())));
        QVERIFY2(std::any_of(sent.begin(), sent.end(),
                             [&](int number) { return child.exitCode() == TerminationSignals::exitCode(number); }),
                 qPrintable(QString::number(child.exitCode())));

        const QStringList files = testsupport::savedFiles(kSeriesFiles);
        QCOMPARE(files.size(), 1);
        const QStringList lines = testsupport::csvLines(files.first());
        QVERIFY(lines.size() > 400); // a line per wavelength too
        QCOMPARE(lines.first().count(QLatin1Char(',')), 2);
        QTRY_VERIFY_WITH_TIMEOUT(!m_device->isStreaming(), kReplyTimeoutMs);
        QVERIFY(m_device->receivedFrames().contains(DeviceFrame::build(4, {})));
        QVERIFY(!QFile::exists(lock));
    }

    // A process that cannot tidy up (killed, crashed) leaves no lock that only its user or an
    // administrator could delete.
    void killedProcessLeavesNoLock()
    {
        QProcess child;
        QString lock;
        startSeriesChild(child, lock);
        if (QTest::currentTestFailed())
            return;
        child.kill();
        QVERIFY(child.waitForFinished(testsupport::kHungChildMs));
        QTRY_VERIFY_WITH_TIMEOUT(!QFile::exists(lock), kReplyTimeoutMs);
    }

    void signalBeforeTheWindowEndsTheStart()
    {
        QProcess child;
        startChild(child, QStringLiteral("early"));
        QVERIFY(child.waitForFinished(testsupport::kHungChildMs));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit,
                 qPrintable(QStringLiteral("ended by signal %1").arg(child.exitCode())));
        QCOMPARE(child.exitCode(), TerminationSignals::exitCode(SIGTERM));
    }
};

int main(int argc, char **argv)
{
    setStartupEnvironment();
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true); // the child's save folder is the parent's
    const QString child = qEnvironmentVariable(kChildVariable);
    if (child == QLatin1String("early"))
        return runEarlySignalChild();
    if (!child.isEmpty())
        return runSeriesChild(child);
    TestTerminationSignals test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_termination_signals.moc"
