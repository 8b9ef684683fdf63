// The measuring service's guards and inputs on their own: when a reference capture ends, the
// snapshot watchdog's timing, and the efficiency CSV files it reads.
#include "control/EfficiencyCsvReader.h"
#include "control/EfficiencyCurveService.h"
#include "control/ReferenceCapture.h"
#include "control/StudioService.h"
#include "link/ReplyWatchdog.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

class TestMeasurementControl : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // Rows of a read, or -1 when the reader refused the file (-2: refused but rows left behind).
    int rowsOf(const QByteArray &content)
    {
        QFile file(m_dir.filePath(QStringLiteral("t.csv")));
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            return -3;
        file.close();
        bool ok = false;
        FloatArray *t = StudioService::readEfficiencyCsv(file.fileName(), &ok);
        const int rows = ok ? t->size[0] : (t->size[0] == 0 ? -1 : -2);
        destroyArray(t);
        return rows;
    }

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
        QCOMPARE(ReplyWatchdog::timeoutMs(1000000), 2000 + ReplyWatchdog::kMarginMs);
        // A corrupt exposure cannot overflow the timer.
        QVERIFY(ReplyWatchdog::timeoutMs(0xFFFFFFFFu) > 0 && ReplyWatchdog::timeoutMs(0xFFFFFFFFu) <= 24 * 3600 * 1000);
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

    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void wellFormedFilesAreRead()
    {
        QCOMPARE(rowsOf("380.0,1.5\r\n381.0, 2.25\r\n382.0,0\r\n"), 3);
        bool ok = false;
        FloatArray *t = EfficiencyCsvReader::read(m_dir.filePath(QStringLiteral("t.csv")), &ok);
        QVERIFY(ok);
        QCOMPARE(t->size[1], 2);
        QCOMPARE(QList<float>(t->data, t->data + 6), (QList<float>{380, 381, 382, 1.5f, 2.25f, 0}));
        destroyArray(t);

        QCOMPARE(rowsOf("\xEF\xBB\xBF" "500,1\n501,2"), 2); // byte-order mark, no final newline
        // Fractional wavelengths one nanometre apart pass here; the regeneration refuses them.
        QCOMPARE(rowsOf("380.5,1\n381.5,1\n"), 2);
        QCOMPARE(rowsOf(""), 0);
        t = EfficiencyCsvReader::read(m_dir.filePath(QStringLiteral("none.csv")), &ok);
        QVERIFY(t != nullptr);
        QCOMPARE(t->size[0], 0);
        destroyArray(t);
    }

    void malformedFilesAreRefused()
    {
        for (const char *content : {"wavelength,value\n380,1\n381,1\n", "380,1\n381,1\n383,1\n", "381,1\n380,1\n",
                                    "380,1,7\n381,1,7\n", "380\n381\n", "380,1\n\n381,1\n", "380,1\n381,nan\n",
                                    "380,1\n381,inf\n", "380;1\n381;1\n"})
            QVERIFY2(rowsOf(content) == -1, content);

        QByteArray longest;
        for (int i = 0; i < EfficiencyCsvReader::kMaxLines; ++i)
            longest += QByteArray::number(i) + ",1\n";
        QCOMPARE(rowsOf(longest), EfficiencyCsvReader::kMaxLines);
        QCOMPARE(rowsOf(longest + QByteArray::number(EfficiencyCsvReader::kMaxLines) + ",1\n"), -1);
        QCOMPARE(rowsOf("1," + QByteArray(int(EfficiencyCsvReader::kMaxBytes), '1')), -1); // one huge line
    }

    void folderUrlsBecomeLocalPathsAndMessagesFollowTheLanguage()
    {
        const QString folder = m_dir.filePath(QStringLiteral("a b%c"));
        QCOMPARE(EfficiencyCurveService::localFolder(QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded)), folder);
        QCOMPARE(EfficiencyCurveService::localFolder(QStringLiteral("file:///tmp/x")), QStringLiteral("/tmp/x"));
        QCOMPARE(EfficiencyCurveService::localFolder(folder), folder);
        // Without an engine there is no UI language to go by.
        QCOMPARE(EfficiencyCurveService::messageText(EfficiencyCurveService::Message::TargetInvalid,
                                                     QStringLiteral("en"), false),
                 QStringLiteral("targetData.csv 数据异常或波长不连续"));
    }
};

QTEST_GUILESS_MAIN(TestMeasurementControl)
#include "tst_measurement_control.moc"
