// When a reference capture may end, and when a silent device gives a request up.
#include "control/ReferenceCapture.h"
#include "link/ReplyWatchdog.h"

#include <QElapsedTimer>
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

    void watchdogNeverExpiresEarlyAndOnlyOnce()
    {
        // Two watchdogs armed half a second apart, so that at least one deadline falls just
        // past a round half second, where a coarse timer would round it down.
        struct Armed {
            ReplyWatchdog watchdog;
            QElapsedTimer clock;
            qint64 firedAfterMs = -1;
            int expiries = 0;
        };
        Armed first, second;
        for (Armed *armed : {&first, &second}) {
            connect(&armed->watchdog, &ReplyWatchdog::expired, this, [armed] {
                ++armed->expiries;
                if (armed->firedAfterMs < 0)
                    armed->firedAfterMs = armed->clock.elapsed();
            });
        }
        // The monotonic clock's phase within its second, as the event loop's timers see it.
        const auto phaseMs = [] {
            QElapsedTimer now;
            now.start();
            return now.msecsSinceReference() % 1000;
        };
        // Missing a phase on a busy machine only weakens the check, so waits are not verified.
        (void)QTest::qWaitFor([&] { return phaseMs() >= 50 && phaseMs() < 200; }, 3000);
        first.clock.start();
        first.watchdog.arm(0);
        (void)QTest::qWaitFor([&] { return phaseMs() >= 550 && phaseMs() < 700; }, 3000);
        second.clock.start();
        second.watchdog.arm(0);
        QVERIFY(first.watchdog.isArmed() && second.watchdog.isArmed());

        const int generousMs = ReplyWatchdog::kMarginMs + 30000; // for a loaded machine
        QTRY_VERIFY_WITH_TIMEOUT(first.expiries > 0 && second.expiries > 0, generousMs);
        for (const Armed *armed : {&first, &second}) {
            QVERIFY2(armed->firedAfterMs >= ReplyWatchdog::kMarginMs,
                     qPrintable(QString::number(armed->firedAfterMs)));
            QVERIFY(!armed->watchdog.isArmed());
        }
        QTest::qWait(200);
        QCOMPARE(first.expiries, 1);
        QCOMPARE(second.expiries, 1);

        // Re-armed and disarmed: nothing follows, not even after the margin has passed.
        first.watchdog.arm(0);
        first.watchdog.disarm();
        QTest::qWait(ReplyWatchdog::kMarginMs + 500);
        QCOMPARE(first.expiries, 1);
    }
};

QTEST_GUILESS_MAIN(TestMeasurementGuards)
#include "tst_measurement_guards.moc"
