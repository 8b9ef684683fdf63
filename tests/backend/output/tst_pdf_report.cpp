// The PDF test report read back with poppler's tools: page size, the pictures each save
// type holds and where, the texts in English and Chinese, the result table, and reports
// that cannot be written.
#include "ExportBench.h"
#include "PdfTools.h"
#include "ReportScene.h"
#include "SavedFiles.h"

#include "welcome/LanguageSwitcher.h"
#include "output/SaveFolder.h"
#include "output/SaveService.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using testsupport::PdfImage;

namespace {

// Every chart the report may ask for, each with a picture size of its own so that
// pdfimages tells them apart.
const QList<QPair<QString, QSize>> kCharts = {
    {"chartPureSpectrum", {601, 301}}, {"chartDualSpectrum", {602, 302}},
    {"chartAbsorbance", {603, 303}},   {"chartTransmittance", {604, 304}},
    {"chartReflectance", {605, 305}},  {"chartRaman", {606, 306}},
    {"chartSpectrogram", {607, 307}},  {"chartCie1931", {401, 401}},
    {"chartCie1960", {402, 402}},      {"chartCie1976", {403, 403}},
    {"chartCri1", {404, 404}},         {"chartCri2", {405, 405}},
    {"chartFlicker", {406, 406}},
};

PdfImage on(int page, const QString &chart)
{
    for (const auto &entry : kCharts) {
        if (entry.first == chart)
            return {page, entry.second.width(), entry.second.height()};
    }
    return {};
}

struct Outcome {
    bool success = false;
    QString path;
    QString message;
};

} // namespace

Q_DECLARE_METATYPE(QList<PdfImage>)

namespace QTest {
template <> char *toString(const PdfImage &image)
{
    return qstrdup(qPrintable(QStringLiteral("p%1 %2x%3").arg(image.page).arg(image.width).arg(image.height)));
}
} // namespace QTest

class TestPdfReport : public QObject
{
    Q_OBJECT
    testsupport::ExportBench m_bench;
    std::unique_ptr<testsupport::ReportScene> m_scene;
    std::unique_ptr<SaveService> m_report;

    void useScene(bool withEveryChart)
    {
        m_report.reset();
        m_scene = std::make_unique<testsupport::ReportScene>();
        if (withEveryChart) {
            for (const auto &entry : kCharts)
                m_scene->addChart(entry.first, entry.second);
        }
        m_report = std::make_unique<SaveService>(&m_scene->engine(), nullptr, m_bench.buffer.get());
    }

    // A measurement as a device of that model would leave it: 12.5 ms, words 0.5, 1.5, ...
    void measure(const QString &model, bool flicker = false)
    {
        m_bench.setDevice(model, 380, 384);
        m_bench.feedSpectrum(2, {100, 250, 0, 1000, 12345});
        m_bench.feedWords(0.5f);
        m_bench.buffer->setHasFlicker(flicker);
    }

    Outcome exportReport(SaveService &service, int type)
    {
        QSignalSpy finished(&service, &SaveService::saveFinished);
        service.handleExportSignal(SaveService::SaveType(type), QStringLiteral("No-0042"),
                                   QStringLiteral("Lamp Model 7"), QStringLiteral("Ada Tester"),
                                   QStringLiteral("2026-12-06 10:20:30"), QStringLiteral("Desk Lamp"));
        if (finished.count() != 1)
            return {false, QString(), QStringLiteral("<%1 signals>").arg(finished.count())};
        const QList<QVariant> args = finished.first();
        return {args.at(0).toBool(), args.at(1).toString(), args.at(2).toString()};
    }

    QString exportAndCheck(int type)
    {
        const Outcome outcome = exportReport(*m_report, type);
        if (!outcome.success) {
            QTest::qFail(qPrintable(QStringLiteral("report failed: ") + outcome.message), __FILE__, __LINE__);
            return QString();
        }
        return outcome.path;
    }

private slots:
    void initTestCase()
    {
        testsupport::ExportBench::prepareProcess();
        qRegisterMetaType<QList<PdfImage>>();
    }
    void init() { m_bench.reset(); }
    void cleanup()
    {
        m_report.reset();
        m_scene.reset();
        m_bench.release();
    }

    void picturesOfEachSaveType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("flicker");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<PdfImage>>("images");

        QTest::newRow("spectrum") << int(SaveService::SAVE_SPECTRUM) << "PQV-21" << false << 1
                                  << QList<PdfImage>{on(1, "chartPureSpectrum")};
        QTest::newRow("absorbance") << int(SaveService::SAVE_ABSORBANCE) << "PQV-21" << false << 1
                                    << QList<PdfImage>{on(1, "chartDualSpectrum"), on(1, "chartAbsorbance")};
        QTest::newRow("transmittance") << int(SaveService::SAVE_TRANSMITTANCE) << "PQV-21" << false << 1
                                       << QList<PdfImage>{on(1, "chartDualSpectrum"), on(1, "chartTransmittance")};
        QTest::newRow("reflectance") << int(SaveService::SAVE_REFLECTANCE) << "PQV-21" << false << 1
                                     << QList<PdfImage>{on(1, "chartDualSpectrum"), on(1, "chartReflectance")};
        QTest::newRow("raman") << int(SaveService::SAVE_RAMAN) << "PQV-21" << false << 1
                               << QList<PdfImage>{on(1, "chartRaman")};
        const QList<PdfImage> colourCharts{on(1, "chartSpectrogram"), on(3, "chartCie1931"), on(3, "chartCie1960"),
                                           on(3, "chartCie1976"),     on(3, "chartCri1"),    on(3, "chartCri2")};
        QTest::newRow("photometric") << int(SaveService::SAVE_PHOTOMETRIC) << "PQV-21" << false << 3 << colourCharts;
        QTest::newRow("photometric with flicker") << int(SaveService::SAVE_PHOTOMETRIC) << "PQV-21" << true << 3
                                                  << (colourCharts + QList<PdfImage>{on(3, "chartFlicker")});
        QTest::newRow("photometric, photon counts") << int(SaveService::SAVE_PHOTOMETRIC) << "TQV-12" << true << 1
                                                    << QList<PdfImage>{on(1, "chartSpectrogram")};
        QTest::newRow("photometric, host-computed") << int(SaveService::SAVE_PHOTOMETRIC) << "YQV-01" << true << 3
                                                    << QList<PdfImage>{on(1, "chartSpectrogram"), on(3, "chartCie1931")};
        QTest::newRow("unknown type") << 9 << "PQV-21" << false << 1 << QList<PdfImage>{};
    }
    void picturesOfEachSaveType()
    {
        QFETCH(int, type);
        QFETCH(QString, model);
        QFETCH(bool, flicker);
        QFETCH(int, pages);
        QFETCH(QList<PdfImage>, images);
        useScene(true);
        measure(model, flicker);

        const QString path = exportAndCheck(type);
        QVERIFY(!path.isEmpty());
        QCOMPARE(QFileInfo(path).fileName().left(model.size() + 1), model + QLatin1Char('_'));
        QVERIFY(path.endsWith(QLatin1String(".pdf")));
        QCOMPARE(testsupport::pdfPageSize(path).toSize(), QSize(595, 842));
        QCOMPARE(testsupport::pdfPageCount(path), pages);
        QCOMPARE(testsupport::pdfImages(path), images);
    }

    void missingChartsAreSkipped()
    {
        useScene(false);
        m_scene->addChart(QStringLiteral("chartTransmittance"), {604, 304});
        m_scene->addPlainObject(QStringLiteral("chartRaman"));
        measure(QStringLiteral("PQV-21"));
        QCOMPARE(testsupport::pdfImages(exportAndCheck(SaveService::SAVE_TRANSMITTANCE)),
                 (QList<PdfImage>{on(1, "chartTransmittance")}));
        QCOMPARE(testsupport::pdfImages(exportAndCheck(SaveService::SAVE_RAMAN)), QList<PdfImage>{});
        // No scene at all: the report is still written, without pictures.
        const Outcome bare = exportReport(*m_bench.save, SaveService::SAVE_PHOTOMETRIC);
        QVERIFY2(bare.success, qPrintable(bare.message));
        QCOMPARE(testsupport::pdfImages(bare.path), QList<PdfImage>{});
        QCOMPARE(testsupport::pdfPageCount(bare.path), 3);
    }

    void realChartsWriteTheirPictures()
    {
        // The chart items of the measuring screens, as the report finds them by name.
        m_scene = std::make_unique<testsupport::ReportScene>(R"(
            import QtQuick
            import AppBackend
            Item {
                ChartPureSpectrum { objectName: "chartSpectrogram"; width: 500; height: 250
                                    Component.onCompleted: initCustomPlot() }
                ChartCie1931 { objectName: "chartCie1931"; width: 600; height: 300; Component.onCompleted: initCustomPlot() }
                ChartCie1960 { objectName: "chartCie1960"; width: 303; height: 304; Component.onCompleted: initCustomPlot() }
                ChartCie1976 { objectName: "chartCie1976"; width: 305; height: 306; Component.onCompleted: initCustomPlot() }
                ChartCri1 { objectName: "chartCri1"; width: 307; height: 308; Component.onCompleted: initCustomPlot() }
                ChartCri2 { objectName: "chartCri2"; width: 309; height: 310; Component.onCompleted: initCustomPlot() }
                ChartFlicker { objectName: "chartFlicker"; width: 311; height: 312; Component.onCompleted: initCustomPlot() }
            })");
        QVERIFY(!m_scene->engine().rootObjects().isEmpty());
        m_report = std::make_unique<SaveService>(&m_scene->engine(), nullptr, m_bench.buffer.get());
        measure(QStringLiteral("PQV-21"), true);
        const QString path = exportAndCheck(SaveService::SAVE_PHOTOMETRIC);
        // Each drawn for print at three times its size on screen.
        const QList<PdfImage> images = testsupport::pdfImages(path);
        QCOMPARE(images, (QList<PdfImage>{{1, 1500, 750}, {3, 1800, 900}, {3, 909, 912}, {3, 915, 918},
                                          {3, 921, 924}, {3, 927, 930}, {3, 933, 936}}));
        // Kept in proportion in their squares, the wide one too.
        for (const PdfImage &image : images)
            QVERIFY2(qAbs(image.xPpi - image.yPpi) <= 1, qPrintable(QStringLiteral("%1 %2").arg(image.xPpi).arg(image.yPpi)));
    }

    void chartThatDoesNotFitStartsANewPage()
    {
        useScene(false);
        m_scene->addChart(QStringLiteral("chartDualSpectrum"), {600, 600});
        m_scene->addChart(QStringLiteral("chartReflectance"), {500, 500});
        measure(QStringLiteral("PQV-21"));
        const QString path = exportAndCheck(SaveService::SAVE_REFLECTANCE);
        QCOMPARE(testsupport::pdfPageCount(path), 2);
        QCOMPARE(testsupport::pdfImages(path), (QList<PdfImage>{{1, 600, 600}, {2, 500, 500}}));
    }

    void textsInTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("language"); // empty: no engine
        QTest::addColumn<bool>("catalogue");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("absent");
        const QStringList english{"Spectral Illuminance Test Report", "Experiment Information:",
                                  "Sample Name:Desk Lamp", "Sample Model:Lamp Model 7", "Sample No:No-0042",
                                  "Manufacturer:VANTOREL", "Time:2026-12-06 10:20:30", "Tester:Ada Tester",
                                  "Device Id:PQV-21", "Integration Time: 12.5 ms", "Measurement Parameters",
                                  "Vantorel-Report", "CIE 1931", "CIE 1960", "CIE 1976", "CRI 1", "CRI 2", "Flicker"};
        const QStringList chinese{"光谱照度测试报告", "实验信息", "样品名称：Desk Lamp", "样品型号：Lamp Model 7",
                                  "样品编号：No-0042", "制造厂商：VANTOREL", "测试时间：2026-12-06 10:20:30",
                                  "测试人员：Ada Tester", "测试仪器：PQV-21", "积分时间：12.5 ms", "测量参数",
                                  "Vantorel-测试报告", "CIE 1931", "CIE 1976", "CRI 2", "Flicker"};
        QTest::newRow("English") << "en" << false << english << "样品";
        // The report is English in every interface language but Chinese.
        QTest::newRow("German interface") << "de" << true << english << "样品";
        QTest::newRow("French interface") << "fr" << true << english << "样品";
        QTest::newRow("Chinese interface") << "zh" << true << chinese << "Sample";
        QTest::newRow("no engine") << "" << false << chinese << "Sample";
    }
    void textsInTheInterfaceLanguage()
    {
        QFETCH(QString, language);
        QFETCH(bool, catalogue);
        QFETCH(QStringList, expected);
        QFETCH(QString, absent);
        useScene(true);
        measure(QStringLiteral("PQV-21"), true);
        LanguageSwitcher switcher;
        if (!language.isEmpty()) {
            m_scene->engine().setUiLanguage(language);
            if (catalogue)
                QVERIFY(switcher.apply(language, &m_scene->engine()));
        }
        SaveService &service = language.isEmpty() ? *m_bench.save : *m_report;
        const Outcome outcome = exportReport(service, SaveService::SAVE_PHOTOMETRIC);
        QVERIFY2(outcome.success, qPrintable(outcome.message));
        // The CJK fonts map some glyphs to radicals (厂 comes back as ⼚): compare compatibility forms.
        const auto folded = [](const QString &text) { return text.normalized(QString::NormalizationForm_KC); };
        const QString text = folded(testsupport::pdfText(outcome.path));
        for (const QString &line : expected)
            QVERIFY2(text.contains(folded(line)), qPrintable(line + QStringLiteral(" missing from:\n") + text));
        QVERIFY(!text.contains(absent));
    }

    void resultTableHoldsTheVisibleItems()
    {
        useScene(true);
        measure(QStringLiteral("PQV-21"));
        QStringList visible;
        QStringList visibleValues;
        QStringList hidden;
        for (const QJsonObject &item : m_bench.buffer->lastResultItems()) {
            const QString key = item.value(QStringLiteral("key")).toString();
            const bool shown = item.value(QStringLiteral("visible")).toBool();
            (shown ? visible : hidden) << key;
            if (shown)
                visibleValues << item.value(QStringLiteral("value")).toString();
        }
        QVERIFY(visible.size() > 3);
        QVERIFY(!hidden.isEmpty());
        const QString path = exportAndCheck(SaveService::SAVE_PHOTOMETRIC);
        const QString table = testsupport::pdfText(path, 2, 2);
        for (const QString &key : visible)
            QVERIFY2(table.contains(key), qPrintable(key));
        for (const QString &value : visibleValues)
            QVERIFY2(table.contains(value), qPrintable(value));
        const QString joinedVisible = visible.join(QLatin1Char('\n'));
        for (const QString &key : hidden) {
            if (!joinedVisible.contains(key))
                QVERIFY2(!table.contains(key), qPrintable(key));
        }
    }

    void blockedFolderReportsFailureAndWritesNothing()
    {
        useScene(true);
        measure(QStringLiteral("PQV-21"));
        m_bench.blockSaveFolder();
        const Outcome outcome = exportReport(*m_report, SaveService::SAVE_SPECTRUM);
        QVERIFY(!outcome.success);
        QCOMPARE(outcome.message, QStringLiteral("Failed to open file for writing."));
        QVERIFY(outcome.path.startsWith(SaveFolder::path() + QLatin1Char('/')));
        QVERIFY(outcome.path.endsWith(QLatin1String(".pdf")));
        QVERIFY(QFileInfo(SaveFolder::path()).isFile());
    }

    void reportCutShortLeavesNoFile()
    {
        useScene(true);
        measure(QStringLiteral("PQV-21"));
        // Writes past a few kilobytes fail, as on a full disk (root ignores permissions).
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &previous), 0);
        rlimit small = previous;
        small.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const Outcome outcome = exportReport(*m_report, SaveService::SAVE_PHOTOMETRIC);
        setrlimit(RLIMIT_FSIZE, &previous);

        QVERIFY(!outcome.success);
        QCOMPARE(outcome.message, QStringLiteral("Failed to write file."));
        QVERIFY(!QFileInfo::exists(outcome.path));
        QCOMPARE(QDir(SaveFolder::path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        // The same report without the limit is written.
        QVERIFY(!exportAndCheck(SaveService::SAVE_PHOTOMETRIC).isEmpty());
    }
};

QTEST_MAIN(TestPdfReport)
#include "tst_pdf_report.moc"
