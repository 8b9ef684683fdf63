// The timed-series CSV read back from disk: its name, byte-order mark, one line per
// quantity and one column per sample.
#include "ExportBench.h"
#include "SavedFiles.h"

#include "output/SaveFolder.h"
#include "output/SaveService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <numeric>

using testsupport::kBom;

class TestTimedSeriesCsv : public QObject
{
    Q_OBJECT
    testsupport::ExportBench m_bench;
    static constexpr int kItems = 49; // 48 words and "SDCM/k"

    void feed(const QVector<uint16_t> &samples) { m_bench.feedSpectrum(2, samples); }
    SaveService &save() { return *m_bench.save; }
    QStringList endSeries() { return m_bench.linesWrittenBy([this] { save().endCustomizedTestSave(); }); }

private slots:
    void initTestCase() { testsupport::ExportBench::prepareProcess(); }
    void init()
    {
        m_bench.reset();
        m_bench.setDevice(QStringLiteral("PQV-21"), 380, 383);
    }
    void cleanup() { m_bench.release(); }

    void seriesOfTwoSamples()
    {
        feed({100, 200, 300, 400});
        m_bench.feedWords(0.5f);
        QCOMPARE(m_bench.buffer->lastResultItems().size(), kItems);

        QSignalSpy finished(&save(), &SaveService::saveFinished);
        const QDateTime before = QDateTime::currentDateTime();
        save().beginCustomizedTestSave();
        save().appendCustomizedTestSave();
        MeasurementSettings::setUnit(1); // from the second sample on, in mW/m^2
        m_bench.buffer->reloadSpecData();
        feed({500, 600, 700, 800});
        m_bench.feedWords(10.5f);
        m_bench.buffer->setExpoTime(20000);
        save().appendCustomizedTestSave();
        QCOMPARE(finished.count(), 0);
        save().endCustomizedTestSave();

        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toBool(), true);
        const QFileInfo info(finished.first().at(1).toString());
        QCOMPARE(info.absolutePath(), QDir(SaveFolder::path()).absolutePath());
        QVERIFY2(QRegularExpression(QStringLiteral("^PQV-21_CustomizedTest_\\d{17}\\.csv$")).match(info.fileName()).hasMatch(),
                 qPrintable(info.fileName()));
        const QDateTime stamped = QDateTime::fromString(info.fileName().mid(22, 17), QStringLiteral("yyyyMMddhhmmsszzz"));
        QVERIFY(stamped >= before.addMSecs(-1) && stamped <= QDateTime::currentDateTime());

        const QStringList lines = testsupport::csvLines(info.filePath());
        QCOMPARE(lines.size(), 1 + kItems + 1 + 4);
        for (const QString &line : lines)
            QCOMPARE(line.count(QLatin1Char(',')), 2);
        const QRegularExpression time(
            QRegularExpression::anchoredPattern(kBom + "Time(,\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d){2}"));
        QVERIFY2(time.match(lines.at(0)).hasMatch(), qPrintable(lines.at(0)));
        QCOMPARE(lines.at(1), QStringLiteral("X,0.50,10.50"));
        QCOMPARE(lines.at(kItems + 1), QStringLiteral("exposure time(ms),12.5,20"));
        QCOMPARE(lines.mid(kItems + 2), (QStringList{"380,1,5000", "381,2,6000", "382,3,7000", "383,4,8000"}));
    }

    void photonCountsStayUnscaled()
    {
        m_bench.buffer->setDeviceModel(QStringLiteral("TQV-12"));
        MeasurementSettings::setUnit(3);
        feed({100, 200, 300, 400});
        save().beginCustomizedTestSave();
        save().appendCustomizedTestSave();
        QCOMPARE(endSeries().mid(1), (QStringList{"exposure time(ms),12.5", "380,1", "381,2", "382,3", "383,4"}));
    }

    void eachSeriesIsWrittenOnceFromItsBegin()
    {
        feed({100, 200, 300, 400});
        // Neither samples nor an end without a begin.
        save().appendCustomizedTestSave();
        QCOMPARE(endSeries(), QStringList{"<no signal>"});
        QVERIFY(testsupport::savedFiles().isEmpty());

        save().beginCustomizedTestSave(); // no sample: the names alone
        const QStringList names = endSeries();
        QCOMPARE(names.first(), kBom + "Time");
        QCOMPARE(names.last(), QStringLiteral("383"));
        QCOMPARE(endSeries(), QStringList{"<no signal>"});

        save().beginCustomizedTestSave();
        save().appendCustomizedTestSave();
        save().appendCustomizedTestSave();
        save().beginCustomizedTestSave(); // the unfinished series is dropped
        save().appendCustomizedTestSave();
        QCOMPARE(endSeries().last(), QStringLiteral("383,4"));
    }

    void aRangeChangeDuringTheSeriesKeepsTheLines()
    {
        feed({100, 200, 300, 400});
        save().beginCustomizedTestSave();
        save().appendCustomizedTestSave();
        m_bench.buffer->setWl(382, 386); // shifted and longer
        feed({10, 20, 30, 40, 50});
        save().appendCustomizedTestSave();
        m_bench.buffer->setDeviceModel(QStringLiteral("TQV-12")); // no result items any more
        m_bench.buffer->setWl(300, 301);
        save().appendCustomizedTestSave();
        const QStringList lines = endSeries();
        QCOMPARE(lines.size(), 1 + kItems + 1 + 4);
        QCOMPARE(lines.at(1), QStringLiteral("X,0.00,0.00,"));
        QCOMPARE(lines.mid(kItems + 2), (QStringList{"380,1,,", "381,2,,", "382,3,0.1,", "383,4,0.2,"}));
    }

    void seriesBegunBeforeTheFirstSpectrumHasTheAxis()
    {
        // A fresh store whose device reports the range the store starts with.
        m_bench.reset();
        m_bench.setDevice(QStringLiteral("TQV-12"), 340, 1020);
        save().beginCustomizedTestSave();
        QVector<uint16_t> ramp(681);
        std::iota(ramp.begin(), ramp.end(), uint16_t(100));
        feed(ramp);
        save().appendCustomizedTestSave();
        const QStringList lines = endSeries();
        QCOMPARE(lines.size(), 1 + 1 + 681);
        QCOMPARE(lines.at(2), QStringLiteral("340,1"));
        QCOMPARE(lines.at(2 + 340), QStringLiteral("680,4.4"));
        QCOMPARE(lines.last(), QStringLiteral("1020,7.8"));
    }

    void blockedFolderIsReportedAtTheEnd()
    {
        feed({100, 200, 300, 400});
        save().beginCustomizedTestSave();
        save().appendCustomizedTestSave();
        m_bench.blockSaveFolder();
        QCOMPARE(endSeries(), QStringList{"<failed> Failed to open file for writing."});
    }
};

QTEST_GUILESS_MAIN(TestTimedSeriesCsv)
#include "tst_timed_series_csv.moc"
