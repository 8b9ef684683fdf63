// When a reference capture may end, and when a silent device gives a request up.
#include "services/ReferenceCapture.h"
#include "services/ReplyWatchdog.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>

class TestMeasurementGuards : public QObject
{
    Q_OBJECT
private slots:
    void referenceEndsOnSettledExposureOrAfterSixteenSeconds()
    {
        qint64 now = 0;
        ReferenceCapture capture([&now] { return now; });
        QVERIFY(!capture.isRunning());
        capture.start();
        QVERIFY(capture.isRunning());
        QVERIFY(capture.accepts(0));  // settled exposure ends it at once
        QVERIFY(!capture.accepts(1)); // over exposure: keep waiting
        QVERIFY(!capture.accepts(2));
        now = 15999;
        QVERIFY(!capture.accepts(2));
        now = 16000;
        QVERIFY(capture.accepts(2));
        QCOMPARE(capture.elapsedSeconds(), qint64(16));
        capture.stop();
        QVERIFY(!capture.isRunning());
    }

    void referenceLimitDoesNotDependOnTheTimeOfDay()
    {
        // A start a second before midnight: a time-of-day difference would be negative
        // from midnight on and the capture would wait for ever.
        qint64 now = (24LL * 3600 - 1) * 1000;
        ReferenceCapture capture([&now] { return now; });
        capture.start();
        now += 20000; // wall clock reads 00:00:19 by now
        QVERIFY(capture.accepts(1));

        // The default clock is monotonic and starts near zero for this process.
        ReferenceCapture real;
        real.start();
        QCOMPARE(real.elapsedSeconds(), qint64(0));
        QVERIFY(!real.accepts(1));
    }

    void watchdogTimeoutGrowsWithExposureAndStaysBounded()
    {
        QCOMPARE(ReplyWatchdog::timeoutMs(0), ReplyWatchdog::kMarginMs);
        QCOMPARE(ReplyWatchdog::timeoutMs(1000000), 2000 + ReplyWatchdog::kMarginMs);
        QCOMPARE(ReplyWatchdog::timeoutMs(5000000), 10000 + ReplyWatchdog::kMarginMs);
        // A corrupt exposure cannot overflow the timer.
        QVERIFY(ReplyWatchdog::timeoutMs(0xFFFFFFFFu) > 0);
        QVERIFY(ReplyWatchdog::timeoutMs(0xFFFFFFFFu) <= 24 * 3600 * 1000);
    }

    void watchdogExpiresOnceUnlessDisarmed()
    {
        ReplyWatchdog watchdog;
        QSignalSpy expired(&watchdog, &ReplyWatchdog::expired);
        QElapsedTimer clock;
        clock.start();
        watchdog.arm(0);
        QVERIFY(watchdog.isArmed());
        QVERIFY(expired.wait(ReplyWatchdog::kMarginMs + 15000)); // generous for a loaded machine
        // Coarse timers may fire up to 5 % early.
        QVERIFY(clock.elapsed() >= ReplyWatchdog::kMarginMs * 95 / 100);
        QVERIFY(!watchdog.isArmed());
        QTest::qWait(200);
        QCOMPARE(expired.count(), 1);

        watchdog.arm(0);
        watchdog.disarm();
        QVERIFY(!expired.wait(ReplyWatchdog::kMarginMs + 500));
        QCOMPARE(expired.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestMeasurementGuards)
#include "tst_measurement_guards.moc"
