// The timed series through StudioService on a connected simulated spectrometer: its timer,
// the frames it sends, the file the main window has written for it, and every way it ends
// (its duration, the user, a disconnect).
#include "RunningApplication.h"
#include "SavedFiles.h"
#include "TemporaryHome.h"
#include "ReplyPayloads.h"
#include "SimulatedDevice.h"

#include "protocol/DeviceFrame.h"
#include "link/ReplyWatchdog.h"
#include "output/SaveFolder.h"
#include "control/StudioService.h"
#include "welcome/WelcomeService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <limits>

using simdevice::DeviceState;
using simdevice::SimulatedDevice;
using testsupport::csvLines;

namespace {

QByteArray frame(uint8_t code, const QByteArray &payload = {}) { return DeviceFrame::build(code, payload); }
// Upper bounds for waits on the device and on the 1 s series timer: generous, because a
// loaded machine delays both; a passing wait returns as soon as its condition holds.
constexpr int kReplyTimeoutMs = 15000;
constexpr int kSeriesTimeoutMs = 30000;

const QString kSeriesFiles = QStringLiteral("PQV-32_CustomizedTest_*.csv");

} // namespace

class TestTimedSeriesRoad : public QObject
{
    Q_OBJECT
    std::unique_ptr<testsupport::RunningApplication> m_app;
    std::unique_ptr<SimulatedDevice> m_device;

    StudioService *studio() const { return m_app->studio(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }

    // Waits until the device has received exactly `expected` since the last clear.
    bool received(const QList<QByteArray> &expected, int timeoutMs = kReplyTimeoutMs)
    {
        (void)QTest::qWaitFor([&] { return m_device->receivedFrames().size() >= expected.size(); }, timeoutMs);
        QTest::qWait(100); // nothing more may follow
        const QList<QByteArray> got = m_device->receivedFrames();
        if (got != expected)
            qWarning() << "received" << got << "expected" << expected;
        m_device->clearReceived();
        return got == expected;
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        QDir(SaveFolder::path()).removeRecursively();
        MeasurementSettings::setUnit(0);
        m_app = std::make_unique<testsupport::RunningApplication>();
        QVERIFY(m_app->start());
        DeviceState state;
        state.model = QStringLiteral("PQV-32"); // photometry and flicker
        state.baud = 921600;
        state.wlStart = 380;
        state.wlEnd = 780;
        state.streamIntervalMs = 50;
        m_device = std::make_unique<SimulatedDevice>(state);
        QVERIFY(m_device->start());
        m_app->welcome()->handleSerialConnectionSignal(m_device->portName(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), state.model, kReplyTimeoutMs);
        QTest::qWait(100);
    }

    void cleanupTestCase()
    {
        studio()->handleHardwareDisconnectSignal();
        m_device.reset();
        m_app.reset();
    }

    void init() { m_device->clearReceived(); }

    void cleanup()
    {
        m_device->setSilent(false);
        buffer()->setExpoMode(true);
        if (studio()->isAuto())
            studio()->handleAutoSpectrumSignal();
        QTRY_VERIFY_WITH_TIMEOUT(!m_device->isStreaming(), kReplyTimeoutMs);
        QTest::qWait(150);
        m_device->clearReceived();
        testsupport::removeSavedFiles(kSeriesFiles);
    }

    void customizedTestRunsItsTimerAndWritesItsFile()
    {
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        studio()->handleCustomizedTest(6, QStringLiteral("s"), 2); // interval raised to 5
        QCOMPARE(begin.count(), 1);
        QCOMPARE(studio()->testDuration(), 6);
        QCOMPARE(studio()->testIntervals(), 5);
        QVERIFY(studio()->isAuto());
        QTRY_COMPARE_WITH_TIMEOUT(end.count(), 1, kSeriesTimeoutMs);
        QCOMPARE(append.count(), 1);
        QVERIFY(!studio()->isAuto());
        QCOMPARE(studio()->testTimer(), 0);
        // stop of the earlier test, start, and the stop at the end
        QVERIFY(received({frame(4), frame(51), frame(4)}));

        // The main window handed the three requests to the save service.
        const QStringList files = testsupport::savedFiles(kSeriesFiles);
        QCOMPARE(files.size(), 1);
        const QStringList lines = csvLines(files.first());
        const int items = int(buffer()->lastResultItems().size());
        QCOMPARE(lines.size(), 1 + items + 1 + 401);
        QVERIFY(lines.first().startsWith(testsupport::kBom + "Time,"));
        for (const QString &line : lines)
            QCOMPARE(line.count(QLatin1Char(',')), 1); // the name and one sample
        QCOMPARE(lines.at(items + 1), "exposure time(ms)," + QString::number(buffer()->expoTime() / 1000.0));
        QCOMPARE(lines.at(items + 2).section(QLatin1Char(','), 0, 0), QStringLiteral("380"));
        QCOMPARE(lines.last().section(QLatin1Char(','), 0, 0), QStringLiteral("780"));
    }

    void customizedTestStoppedEarlyStillEnds()
    {
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        studio()->handleCustomizedTest(2, QStringLiteral("min"), 5);
        QCOMPARE(studio()->testDuration(), 120);
        QTRY_COMPARE_WITH_TIMEOUT(append.count(), 1, kSeriesTimeoutMs);
        studio()->handleAutoSpectrumSignal(); // the user stops continuous measurement
        QCOMPARE(end.count(), 1);
        const QStringList files = testsupport::savedFiles(kSeriesFiles);
        QCOMPARE(files.size(), 1);
        const QStringList lines = csvLines(files.first());
        QVERIFY(lines.size() > 400);
        QCOMPARE(lines.first().count(QLatin1Char(',')), 1);
        QTest::qWait(1300);
        QCOMPARE(studio()->testTimer(), 0); // the timer is gone
        QCOMPARE(end.count(), 1);
    }

    void customizedTestIsNotOfferedForYModelsNorClosedWhenNotRunning()
    {
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        buffer()->setIsY(true);
        studio()->handleCustomizedTest(10, QStringLiteral("s"), 5);
        buffer()->setIsY(false);
        QCOMPARE(begin.count(), 0);
        QVERIFY(!studio()->isAuto());
        QVERIFY(received({}, 300));

        studio()->handleCloseCustomizedTest();
        QCOMPARE(end.count(), 0);
        QVERIFY(received({frame(4)}));
    }

    void zeroIntervalWrittenDuringATestIsHarmless()
    {
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        studio()->handleCustomizedTest(30, QStringLiteral("s"), 5);
        studio()->setTestIntervals(0);
        QTRY_VERIFY_WITH_TIMEOUT(studio()->testTimer() >= 2, kSeriesTimeoutMs);
        const int ticks = studio()->testTimer();
        studio()->handleCloseCustomizedTest();
        QVERIFY(!studio()->isAuto());
        // The ticks went on, with samples at the smallest interval only.
        QCOMPARE(append.count(), ticks / StudioService::kMinTestIntervalSeconds);
    }

    void longestDurationInMinutesDoesNotWrapAround()
    {
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        const int longest = std::numeric_limits<int>::max();
        studio()->handleCustomizedTest(longest, QStringLiteral("min"), 5);
        QCOMPARE(studio()->testDuration(), longest);
        QTRY_VERIFY_WITH_TIMEOUT(studio()->testTimer() >= 1, kSeriesTimeoutMs);
        QVERIFY(studio()->isAuto()); // still running after its first tick
        QCOMPARE(end.count(), 0);
        studio()->handleCloseCustomizedTest();
        QCOMPARE(end.count(), 1);
    }

    // Last: it takes the device away.
    void disconnectEndsTheSeriesAndWritesIt()
    {
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
        QTRY_COMPARE_WITH_TIMEOUT(append.count(), 1, kSeriesTimeoutMs);
        studio()->handleManualSpectrumSignal(); // a snapshot under way as well
        studio()->handleHardwareDisconnectSignal();
        QCOMPARE(end.count(), 1);
        QVERIFY(!studio()->isAuto() && !studio()->isSingle() && !studio()->isMeasuring());
        QCOMPARE(studio()->testTimer(), 0);
        QTest::qWait(1200);
        QCOMPARE(studio()->testTimer(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedFrames().mid(m_device->receivedFrames().size() - 2),
                                  (QList<QByteArray>{frame(50), frame(4)}), kReplyTimeoutMs);
        const QStringList files = testsupport::savedFiles(kSeriesFiles);
        QCOMPARE(files.size(), 1);
        QCOMPARE(csvLines(files.first()).first().count(QLatin1Char(',')), append.count());
    }
};

QTEST_MAIN(TestTimedSeriesRoad)
#include "tst_timed_series_road.moc"
