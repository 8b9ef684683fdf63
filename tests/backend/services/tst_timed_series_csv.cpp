// The timed-series CSV read back from disk: its name, byte-order mark, one line per
// quantity and one column per sample.
#include "ExportBench.h"

#include "services/SaveFolder.h"
#include "services/SaveService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

class TestTimedSeriesCsv : public QObject
{
    Q_OBJECT
    testsupport::ExportBench m_bench;

    void feed(const QVector<uint16_t> &samples) { m_bench.feedSpectrum(2, samples); }

    void feedWords(float first)
    {
        QVector<float> words;
        for (int i = 0; i < 48; ++i)
            words << first + float(i);
        const QByteArray bytes = testsupport::f32s(words);
        QTest::qWait(40); // past the photometric throttle
        m_bench.buffer->setPhotoResult(reinterpret_cast<const quint8 *>(bytes.constData()), bytes.size());
    }

    QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QStringList linesOf(const QByteArray &bytes)
    {
        QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

private slots:
    void initTestCase() { testsupport::ExportBench::prepareProcess(); }

    void init()
    {
        m_bench.reset();
        m_bench.buffer->setDeviceModel(QStringLiteral("PQV-21"));
        m_bench.buffer->setWl(380, 383);
        m_bench.buffer->setExpoTime(12500);
    }

    void cleanup() { m_bench.release(); }

    void seriesOfTwoSamples()
    {
        feed({100, 200, 300, 400});
        feedWords(0.5f);
        const int k = m_bench.buffer->lastResultItems().size();
        QCOMPARE(k, 49); // 48 words and "SDCM/k"

        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        const QDateTime before = QDateTime::currentDateTime();
        m_bench.save->beginCustomizedTestSave();
        m_bench.save->appendCustomizedTestSave();
        MeasurementSettings::setUnit(1); // from the second sample on, in mW/m^2
        m_bench.buffer->reloadSpecData();
        feed({500, 600, 700, 800});
        feedWords(10.5f);
        m_bench.buffer->setExpoTime(20000);
        m_bench.save->appendCustomizedTestSave();
        QCOMPARE(finished.count(), 0);
        m_bench.save->endCustomizedTestSave();

        QCOMPARE(finished.count(), 1);
        QVERIFY(finished.first().at(0).toBool());
        const QString path = finished.first().at(1).toString();
        QCOMPARE(finished.first().at(2).toString(), QString());
        const QFileInfo info(path);
        QCOMPARE(info.absolutePath(), QDir(SaveFolder::path()).absolutePath());
        QVERIFY2(QRegularExpression(QStringLiteral("^PQV-21_CustomizedTest_\\d{17}\\.csv$"))
                     .match(info.fileName()).hasMatch(),
                 qPrintable(info.fileName()));
        const QDateTime stamped =
            QDateTime::fromString(info.fileName().mid(22, 17), QStringLiteral("yyyyMMddhhmmsszzz"));
        QVERIFY(qAbs(stamped.msecsTo(before)) < 2000);

        const QByteArray bytes = readFile(path);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QStringList lines = linesOf(bytes);
        QCOMPARE(lines.size(), 1 + k + 1 + 4);
        for (const QString &line : lines)
            QCOMPARE(line.count(QLatin1Char(',')), 2);

        const QRegularExpression time(
            QStringLiteral("^Time,\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d,\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"));
        QVERIFY2(time.match(lines.at(0)).hasMatch(), qPrintable(lines.at(0)));
        QCOMPARE(lines.at(1), QStringLiteral("X,0.50,10.50"));
        QCOMPARE(lines.at(k + 1), QStringLiteral("exposure time(ms),12.5,20"));
        QCOMPARE(lines.mid(k + 2), (QStringList{"380,1,5000", "381,2,6000", "382,3,7000",
                                                "383,4,8000"}));
        QCOMPARE(QFileInfo(path).exists(), true);
    }

    void photonCountsStayUnscaled()
    {
        m_bench.buffer->setDeviceModel(QStringLiteral("TQV-12"));
        MeasurementSettings::setUnit(3);
        feed({100, 200, 300, 400});
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        m_bench.save->beginCustomizedTestSave();
        m_bench.save->appendCustomizedTestSave();
        m_bench.save->endCustomizedTestSave();
        const QStringList lines = linesOf(readFile(finished.first().at(1).toString()));
        QCOMPARE(lines.mid(1), (QStringList{"exposure time(ms),12.5", "380,1", "381,2", "382,3",
                                            "383,4"}));
    }

    void seriesWithoutSamplesStillWritesItsNames()
    {
        feed({1, 2, 3, 4});
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        m_bench.save->beginCustomizedTestSave();
        m_bench.save->endCustomizedTestSave();
        QCOMPARE(finished.count(), 1);
        const QStringList lines = linesOf(readFile(finished.first().at(1).toString()));
        QCOMPARE(lines.first(), QStringLiteral("Time"));
        QCOMPARE(lines.last(), QStringLiteral("383"));
    }

    void endWithoutBeginWritesAndSaysNothing()
    {
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        m_bench.save->appendCustomizedTestSave();
        m_bench.save->endCustomizedTestSave();
        QCOMPARE(finished.count(), 0);
        QVERIFY(QDir(SaveFolder::path()).entryList(QDir::Files).isEmpty());

        // The end of a series is written once.
        m_bench.save->beginCustomizedTestSave();
        m_bench.save->endCustomizedTestSave();
        m_bench.save->endCustomizedTestSave();
        QCOMPARE(finished.count(), 1);
    }

    void aRangeChangeDuringTheSeriesKeepsTheLines()
    {
        feed({100, 200, 300, 400});
        m_bench.save->beginCustomizedTestSave();
        m_bench.save->appendCustomizedTestSave();
        m_bench.buffer->setWl(382, 386); // shifted and longer
        feed({10, 20, 30, 40, 50});
        m_bench.save->appendCustomizedTestSave();
        m_bench.buffer->setDeviceModel(QStringLiteral("TQV-12")); // no result items any more
        m_bench.buffer->setWl(300, 301);
        m_bench.save->appendCustomizedTestSave();
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        m_bench.save->endCustomizedTestSave();
        const QStringList lines = linesOf(readFile(finished.first().at(1).toString()));
        const int k = 49;
        QCOMPARE(lines.size(), 1 + k + 1 + 4);
        QCOMPARE(lines.at(1), QStringLiteral("X,0.00,0.00,"));
        QCOMPARE(lines.mid(k + 2), (QStringList{"380,1,,", "381,2,,", "382,3,0.1,", "383,4,0.2,"}));
    }

    void beginStartsAFreshSeries()
    {
        feed({100, 200, 300, 400});
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        m_bench.save->beginCustomizedTestSave();
        m_bench.save->appendCustomizedTestSave();
        m_bench.save->appendCustomizedTestSave();
        m_bench.save->beginCustomizedTestSave(); // the unfinished series is dropped
        m_bench.save->appendCustomizedTestSave();
        m_bench.save->endCustomizedTestSave();
        const QStringList lines = linesOf(readFile(finished.first().at(1).toString()));
        QCOMPARE(lines.last(), QStringLiteral("383,4"));
    }

    void blockedFolderIsReportedAtTheEnd()
    {
        feed({100, 200, 300, 400});
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        m_bench.save->beginCustomizedTestSave();
        m_bench.save->appendCustomizedTestSave();
        QDir(SaveFolder::path()).removeRecursively();
        QFile blocker(SaveFolder::path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        m_bench.save->endCustomizedTestSave();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toBool(), false);
        QCOMPARE(finished.first().at(2).toString(), QStringLiteral("Failed to open file for writing."));
        QFile::remove(SaveFolder::path());
    }
};

QTEST_GUILESS_MAIN(TestTimedSeriesCsv)
#include "tst_timed_series_csv.moc"
