// What the save service writes, read back from disk: the PDF report (pictures per save
// type, page breaks, texts in the interface language, entries of any length, the visible
// result items, failures that leave no file), every CSV kind in both units, and the timed
// series.
#include "FileSizeLimit.h"
#include "PdfTools.h"
#include "SavedFiles.h"
#include "StoreFixtures.h"
#include "SyntheticRamanSpectrum.h"
#include "TemporaryHome.h"
#include "format/OutsideText.h"
#include "output/ChartImageSource.h"
#include "output/ReportWriter.h"
#include "output/SaveFolder.h"
#include "output/SaveService.h"
#include "output/WholeFile.h"
#include "format/NumberText.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"
#include "welcome/LanguageSwitcher.h"

#include <QDir>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <malloc.h>
#include <memory>
#include <numeric>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

using testsupport::PdfImage;
using testsupport::savedFiles;
using testsupport::kBom;

const QString kCsv = QStringLiteral(".csv");

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

// A measurement store of its own and a save service writing from it into an emptied save
// folder under a temporary home.
struct ExportBench {
    testsupport::MeasurementFlags flags;
    std::unique_ptr<DataBuffer> buffer;
    std::unique_ptr<SaveService> save;

    static void removeSaveFolder()
    {
        // A folder a test made read-only gives up its entries again.
        QFile::setPermissions(SaveFolder::path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir(SaveFolder::path()).removeRecursively();
        QFile::remove(SaveFolder::path());
    }
    void reset()
    {
        release();
        MeasurementSettings::setRangeEnable(false);
        flags = testsupport::MeasurementFlags();
        buffer = std::make_unique<DataBuffer>();
        buffer->setMeasurementState(&flags);
        save = std::make_unique<SaveService>(nullptr, nullptr, buffer.get());
    }
    void release()
    {
        save.reset();
        buffer.reset();
        removeSaveFolder();
        MeasurementSettings::setUnit(0);
    }
    void setDevice(const QString &model, uint16_t wlStart, uint16_t wlEnd, uint32_t expoUs = 12500)
    {
        buffer->setDeviceModel(model);
        buffer->setWl(wlStart, wlEnd);
        buffer->setExpoTime(expoUs);
    }
    // A plain spectrum frame's payload, as sample or reference as the flags say.
    void feedSpectrum(int16_t scaleCode, const QVector<uint16_t> &samples)
    {
        testsupport::feedSpectrum(*buffer, testsupport::plainSpectrum(scaleCode, samples));
    }
    // Photometric words first, first + 1, ... for every word of a 48-word model.
    void feedWords(float first)
    {
        QVector<float> words;
        for (int i = 0; i < 48; ++i)
            words << first + float(i);
        const QByteArray bytes = testsupport::f32s(words);
        testsupport::passThrottle(*buffer); // so that the words are applied at once
        buffer->setPhotoResult(testsupport::bytesOf(bytes), int(bytes.size()));
    }
    // Puts a file where the save folder belongs.
    void blockSaveFolder()
    {
        removeSaveFolder();
        QDir().mkpath(QFileInfo(SaveFolder::path()).path());
        QFile(SaveFolder::path()).open(QIODevice::WriteOnly);
    }
    // The lines of the file that `action`'s one saveFinished reports; "<failed> message" or "<no signal>" otherwise.
    QStringList linesWrittenBy(const std::function<void()> &action)
    {
        QSignalSpy finished(save.get(), &SaveService::saveFinished);
        action();
        if (finished.count() != 1)
            return {QStringLiteral("<no signal>")};
        const QList<QVariant> args = finished.first();
        if (!args.at(0).toBool())
            return {QStringLiteral("<failed> ") + args.at(2).toString()};
        return testsupport::csvLines(args.at(1).toString());
    }
    QStringList saveAndRead(int type)
    {
        return linesWrittenBy([this, type] { save->handleSaveSignal(SaveService::SaveType(type)); });
    }
};

const ReportFields kTypedFields{QStringLiteral("No-0042"), QStringLiteral("Lamp Model 7"),
                                QStringLiteral("Ada Tester"), QStringLiteral("2026-12-06 10:20:30"),
                                QStringLiteral("Desk Lamp")};

// An entry of `length` characters made of `mark`: words of 3 to 8 marks, or one unbroken run.
QString entryOf(QChar mark, int length, bool words)
{
    QString entry;
    for (int word = 3; entry.size() < length; word = word % 8 + 1) {
        entry += QString(std::min<int>(word, int(length - entry.size())), mark);
        if (words && entry.size() < length - 1)
            entry += QLatin1Char(' ');
    }
    return entry;
}

// The sanitizer's allocator is not the one that the heap and data-size figures count.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kOwnAllocator = false;
#else
constexpr bool kOwnAllocator = true;
#endif

qint64 heapInUse()
{
    malloc_trim(0);
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

// The data size the kernel counts against RLIMIT_DATA, in bytes.
rlim_t dataSegmentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    rlim_t kilobytes = 0;
    while (status >> key) {
        if (key == "VmData:" && status >> kilobytes)
            return kilobytes * 1024;
    }
    return 0;
}

// Runs `action` in a forked copy of this process that may map at most `extraBytes` more
// data than it has now: "done", "failed", "out of memory" or how the copy ended.
QString outcomeUnderDataLimit(rlim_t extraBytes, const std::function<bool()> &action)
{
    enum Exit { Done, Failed, OutOfMemory, NoLimit };
    malloc_trim(0);
    const pid_t child = fork();
    if (child == 0) {
        // The test's crash report would run a debugger under the limit.
        std::signal(SIGABRT, SIG_DFL);
        std::signal(SIGSEGV, SIG_DFL);
        rlimit limit{};
        getrlimit(RLIMIT_DATA, &limit);
        limit.rlim_cur = dataSegmentBytes() + extraBytes;
        if (setrlimit(RLIMIT_DATA, &limit) != 0)
            _exit(NoLimit);
        try {
            _exit(action() ? Done : Failed);
        } catch (const std::bad_alloc &) {
            _exit(OutOfMemory);
        }
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child)
        return QStringLiteral("not started");
    if (WIFSIGNALED(status))
        return QStringLiteral("ended by signal %1").arg(WTERMSIG(status));
    return QStringList{"done", "failed", "out of memory", "no limit"}.value(WEXITSTATUS(status), "exit ?");
}

// An ACL as the kernel keeps it in a file's attribute (what setfacl writes): entries of tag,
// permissions and id, in the order of their tags.
struct AclEntry {
    uint16_t tag;
    uint16_t permissions;
    uint32_t id;
};
enum : uint16_t { kUserObj = 0x01, kGroupObj = 0x04, kGroup = 0x08, kMask = 0x10, kOther = 0x20 };
constexpr uint32_t kNoId = ~0u;

QByteArray aclAttribute(std::initializer_list<AclEntry> entries)
{
    QByteArray bytes;
    const auto put = [&bytes](auto value) { bytes.append(reinterpret_cast<const char *>(&value), sizeof value); };
    put(uint32_t(2)); // the format's version
    for (const AclEntry &entry : entries) {
        put(entry.tag);
        put(entry.permissions);
        put(entry.id);
    }
    return bytes;
}

// Who may do what with a file: its mode bits and its ACL.
QString accessOf(const QString &path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("<missing>");
    QByteArray acl(1024, '\0');
    const ssize_t size = ::getxattr(QFile::encodeName(path).constData(), "system.posix_acl_access", acl.data(), acl.size());
    return QString::number(status.st_mode & 07777, 8) + QLatin1Char(' ')
        + (size > 0 ? QString::fromLatin1(acl.left(size).toHex()) : QStringLiteral("no ACL"));
}

struct Outcome {
    bool success = false;
    QString path;
    QString message;
};

} // namespace

// Stands in for a chart of the measuring screens: found by objectName as the real ones are,
// it draws a plain picture of its own size, or fails as it is told.
class StandInChart : public QObject, public ChartImageSource
{
    Q_OBJECT
    Q_INTERFACES(ChartImageSource)
public:
    StandInChart(const QString &name, QSize size, QObject *parent, Problem problem = Problem::None)
        : QObject(parent), m_size(size), m_problem(problem)
    {
        setObjectName(name);
    }
    Picture chartPicture() override
    {
        if (m_problem != Problem::None)
            return {QImage(), m_problem};
        QImage image(m_size, QImage::Format_RGB32);
        image.fill(QColor(40, 120, 200));
        return {image, Problem::None};
    }

private:
    QSize m_size;
    Problem m_problem;
};

class TestSavedFiles : public QObject
{
    Q_OBJECT
    ExportBench m_bench;
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    std::unique_ptr<SaveService> m_report;
    QObject *m_root = nullptr;

    // A root item holding the stand-in charts, and a report service that looks there.
    void useScene(bool withEveryChart)
    {
        m_report.reset();
        m_engine = std::make_unique<QQmlApplicationEngine>();
        m_engine->loadData(QByteArrayLiteral("import QtQuick\nItem { }"));
        m_root = m_engine->rootObjects().value(0);
        for (const auto &entry : withEveryChart ? kCharts : decltype(kCharts)())
            new StandInChart(entry.first, entry.second, m_root);
        m_report = std::make_unique<SaveService>(m_engine.get(), nullptr, m_bench.buffer.get());
    }

    // A measurement as a device of that model would leave it: 12.5 ms, words 0.5, 1.5, ...
    void measure(const QString &model, bool flicker = false)
    {
        m_bench.setDevice(model, 380, 384);
        m_bench.feedSpectrum(2, {100, 250, 0, 1000, 12345});
        m_bench.feedWords(0.5f);
        m_bench.buffer->setHasFlicker(flicker);
    }

    Outcome exportReport(SaveService &service, int type, const ReportFields &fields = kTypedFields)
    {
        QSignalSpy finished(&service, &SaveService::saveFinished);
        service.handleExportSignal(SaveService::SaveType(type), fields.sampleNumber, fields.sampleModel,
                                   fields.tester, fields.testTime, fields.sampleName);
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


    // Five points at 380-384 nm, scale code 2 (divide by 100), 12.5 ms, over exposure.
    void loadSample(const QString &model)
    {
        m_bench.setDevice(model, 380, 384);
        m_bench.buffer->setExpoStatus(1);
        m_bench.feedSpectrum(2, {100, 250, 0, 1000, 12345});
    }

    QStringList save(SaveService::SaveType type) { return m_bench.saveAndRead(type); }

    void setUnit(int unit)
    {
        MeasurementSettings::setUnit(unit);
        m_bench.buffer->reloadSpecData();
    }

    static constexpr int kItems = 49; // 48 words and "SDCM/k"

    void feed(const QVector<uint16_t> &samples) { m_bench.feedSpectrum(2, samples); }
    SaveService &save() { return *m_bench.save; }
    void beginSeries() // with the current sample
    {
        save().beginCustomizedTestSave();
        save().appendCustomizedTestSave();
    }
    QStringList endSeries() { return m_bench.linesWrittenBy([this] { save().endCustomizedTestSave(); }); }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        testsupport::loadCatalogues();
        MeasurementSettings::initMeasurementSettings();
        qRegisterMetaType<QList<PdfImage>>();
    }

    void init()
    {
        m_bench.reset();
        m_bench.setDevice(QStringLiteral("PQV-21"), 380, 383); // the others set their own
    }

    void cleanup()
    {
        m_report.reset();
        m_engine.reset();
        m_bench.release();
    }

    void picturesOfEachSaveType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("model");
        QTest::addColumn<bool>("flicker");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QList<PdfImage>>("images");

        QTest::newRow("absorbance") << int(SaveService::SAVE_ABSORBANCE) << "PQV-21" << false << 1
                                    << QList<PdfImage>{on(1, "chartDualSpectrum"), on(1, "chartAbsorbance")};
        const QList<PdfImage> colourCharts{on(1, "chartSpectrogram"), on(3, "chartCie1931"), on(3, "chartCie1960"),
                                           on(3, "chartCie1976"),     on(3, "chartCri1"),    on(3, "chartCri2")};
        QTest::newRow("photometric with flicker") << int(SaveService::SAVE_PHOTOMETRIC) << "PQV-21" << true << 3
                                                  << (colourCharts + QList<PdfImage>{on(3, "chartFlicker")});
        QTest::newRow("photometric, photon counts") << int(SaveService::SAVE_PHOTOMETRIC) << "TQV-12" << true << 1
                                                    << QList<PdfImage>{on(1, "chartSpectrogram")};
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
        new StandInChart(QStringLiteral("chartTransmittance"), {604, 304}, m_root);
        (new QObject(m_root))->setObjectName(QStringLiteral("chartRaman")); // no chart
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

    // The pictures are drawn in memory: a temporary folder that takes nothing changes none.
    void chartsNeedNoTemporaryFolder()
    {
        useScene(true);
        measure(QStringLiteral("PQV-21"));
        const QString notAFolder = QDir(testsupport::useTemporaryHome()).filePath(QStringLiteral("not-a-folder"));
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray temporaryFolder = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(notAFolder));
        const Outcome outcome = exportReport(*m_report, SaveService::SAVE_ABSORBANCE);
        qputenv("TMPDIR", temporaryFolder);
        QCOMPARE(std::make_pair(outcome.success, outcome.message), std::make_pair(true, QString()));
        QCOMPARE(testsupport::pdfImages(outcome.path), (QList<PdfImage>{on(1, "chartDualSpectrum"), on(1, "chartAbsorbance")}));
    }

    // A report that lacks a chart on the screen is saved, and says which chart and why.
    void chartsThatCannotBeDrawnAreNamed()
    {
        using Problem = ChartImageSource::Problem;
        const QMap<QString, Problem> problems{
            {"chartCie1960", Problem::NotDrawnYet}, {"chartFlicker", Problem::NotDrawnYet}, {"chartCri1", Problem::OutOfMemory}};
        useScene(false);
        for (const auto &[name, size] : kCharts) {
            if (name != QLatin1String("chartCie1976")) // not on this screen: not missed
                new StandInChart(name, size, m_root, problems.value(name, Problem::None));
        }
        measure(QStringLiteral("PQV-21"), true);
        const Outcome outcome = exportReport(*m_report, SaveService::SAVE_PHOTOMETRIC);
        QVERIFY(outcome.success);
        QCOMPARE(outcome.message, QStringLiteral("Missing from the report (not yet drawn on screen): CIE 1960, Flicker\n"
                                                 "Missing from the report (not enough memory to draw them): CRI 1"));
        QCOMPARE(testsupport::pdfImages(outcome.path),
                 (QList<PdfImage>{on(1, "chartSpectrogram"), on(3, "chartCie1931"), on(3, "chartCri2")}));
    }

    void chartThatDoesNotFitStartsANewPage()
    {
        useScene(false);
        new StandInChart(QStringLiteral("chartDualSpectrum"), {600, 600}, m_root);
        new StandInChart(QStringLiteral("chartReflectance"), {500, 500}, m_root);
        measure(QStringLiteral("PQV-21"));
        const QString path = exportAndCheck(SaveService::SAVE_REFLECTANCE);
        QCOMPARE(testsupport::pdfPageCount(path), 2);
        QCOMPARE(testsupport::pdfImages(path), (QList<PdfImage>{{1, 600, 600}, {2, 500, 500}}));
    }

    void textsInTheInterfaceLanguage_data()
    {
        QTest::addColumn<QString>("language"); // empty: no engine
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
        QTest::newRow("German interface, English report") << "de" << english << "样品";
        QTest::newRow("Chinese interface") << "zh" << chinese << "Sample";
        QTest::newRow("no engine") << "" << chinese << "Sample";
    }

    void textsInTheInterfaceLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        QFETCH(QString, absent);
        useScene(true);
        measure(QStringLiteral("PQV-21"), true);
        LanguageSwitcher switcher;
        if (!language.isEmpty()) {
            m_engine->setUiLanguage(language);
            QVERIFY(switcher.apply(language, m_engine.get()));
        }
        SaveService &service = language.isEmpty() ? *m_bench.save : *m_report;
        const Outcome outcome = exportReport(service, SaveService::SAVE_PHOTOMETRIC);
        QVERIFY2(outcome.success, qPrintable(outcome.message));
        const QString text = testsupport::pdfText(outcome.path);
        for (const QString &line : expected)
            QVERIFY2(text.contains(line), qPrintable(line + QStringLiteral(" missing from:\n") + text));
        QVERIFY(!text.contains(absent));
    }

    void resultTableHoldsTheVisibleItems()
    {
        useScene(true);
        measure(QStringLiteral("PQV-21"));
        QStringList visible, visibleValues, hidden;
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

    // Entries of any length wrap within their own column, on the page, in either language:
    // no printed word lies on another one or off the printable area, every mark is printed,
    // and the left column ends before the right one begins.
    void longEntriesStayInTheirColumns_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("length");
        for (const char *language : {"en", "zh"}) {
            for (int length : {23, 60, 200})
                QTest::addRow("%s, %d characters", language, length) << QString::fromLatin1(language) << length;
        }
    }

    void longEntriesStayInTheirColumns()
    {
        QFETCH(QString, language);
        QFETCH(int, length);
        useScene(true);
        measure(QStringLiteral("PQV-21"));
        m_engine->setUiLanguage(language);
        // One mark per entry that no label holds; the sample number runs unbroken.
        const bool chinese = language == QLatin1String("zh");
        const QString marks = chinese ? QString::fromUtf8("甲乙丙丁戊") : QStringLiteral("bkwzh");
        const QString leftMarks = marks.left(3);
        QStringList entries;
        for (int i = 0; i < marks.size(); ++i)
            entries << entryOf(marks[i], length, !chinese && i != 1);
        ReportFields fields{entries[1], entries[3], entries[4], entries[2], entries[0]};
        const QString path = exportReport(*m_report, SaveService::SAVE_SPECTRUM, fields).path;
        QVERIFY(!path.isEmpty());

        const QList<testsupport::PdfWord> words = testsupport::pdfWords(path);
        const QSizeF page = testsupport::pdfPageSize(path);
        const double margin = ReportWriter::kPageMarginPt - 0.5;
        const QRectF printable(margin, margin, page.width() - 2 * margin, page.height() - 2 * margin);
        QMap<QChar, int> printedMarks;
        double leftEnd = 0, rightStart = page.width();
        for (qsizetype i = 0; i < words.size(); ++i) {
            const testsupport::PdfWord &word = words.at(i);
            const QString where = QStringLiteral("\"%1\" on page %2 at %3,%4-%5,%6")
                                      .arg(word.text).arg(word.page).arg(word.box.left()).arg(word.box.top())
                                      .arg(word.box.right()).arg(word.box.bottom());
            QVERIFY2(printable.contains(word.box), qPrintable(where + " is off the page"));
            for (qsizetype j = i + 1; j < words.size(); ++j) {
                const QRectF common = word.box.intersected(words.at(j).box);
                QVERIFY2(words.at(j).page != word.page || common.width() < 1 || common.height() < 1,
                         qPrintable(where + " lies on \"" + words.at(j).text + '"'));
            }
            const QString &text = word.text;
            for (const QChar mark : marks) {
                if (!text.contains(mark))
                    continue;
                printedMarks[mark] += int(text.count(mark));
                if (leftMarks.contains(mark))
                    leftEnd = std::max(leftEnd, word.box.right());
                else
                    rightStart = std::min(rightStart, word.box.left());
            }
        }
        for (int i = 0; i < marks.size(); ++i)
            QCOMPARE(printedMarks.value(marks[i]), length - int(entries[i].count(QLatin1Char(' '))));
        QVERIFY2(leftEnd < rightStart, qPrintable(QStringLiteral("left column ends at %1, right begins at %2")
                                                      .arg(leftEnd).arg(rightStart)));
    }

    // A file where the save folder belongs, or a folder that refuses new files: each road
    // reports its failure and leaves the place alone.
    void blockedFolderReportsFailureAndWritesNothing_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("message");
        const QString unopened = QStringLiteral("Failed to open file for writing in %1.").arg(OutsideText::isolated(SaveFolder::path()));
        QTest::newRow("report") << "report" << false << unopened;
        QTest::newRow("CSV") << "csv" << false << "Failed to create directory for saving.";
        QTest::newRow("series, at its end") << "series" << false << unopened;
        QTest::newRow("report, read-only folder") << "report" << true << unopened;
        QTest::newRow("CSV, read-only folder") << "csv" << true << unopened;
        QTest::newRow("series, read-only folder") << "series" << true << unopened;
    }

    void blockedFolderReportsFailureAndWritesNothing()
    {
        QFETCH(QString, road);
        QFETCH(bool, readOnly);
        QFETCH(QString, message);
        useScene(true);
        measure(QStringLiteral("PQV-21"));
        if (road == "series")
            beginSeries();
        if (readOnly) {
            QVERIFY(QDir().mkpath(SaveFolder::path()));
            QFile::setPermissions(SaveFolder::path(), QFile::ReadOwner | QFile::ExeOwner);
            QFile probe(QDir(SaveFolder::path()).filePath(QStringLiteral("probe")));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QSKIP("This user writes into a read-only folder.");
            }
        } else {
            m_bench.blockSaveFolder();
        }
        if (road == "report") {
            const Outcome outcome = exportReport(*m_report, SaveService::SAVE_SPECTRUM);
            QVERIFY(!outcome.success);
            QCOMPARE(outcome.message, message);
            QVERIFY(outcome.path.startsWith(SaveFolder::path() + QLatin1Char('/')));
            QVERIFY(outcome.path.endsWith(QLatin1String(".pdf")));
        } else {
            QCOMPARE(road == "csv" ? save(SaveService::SAVE_SPECTRUM) : endSeries(), QStringList{"<failed> " + message});
        }
        if (readOnly) {
            QCOMPARE(QDir(SaveFolder::path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                     QStringList());
            return;
        }
        QVERIFY(QFileInfo(SaveFolder::path()).isFile());
        QCOMPARE(QFileInfo(SaveFolder::path()).size(), 0);
    }

    // A report and a series need a device and a measurement: without them the service says
    // so and writes nothing.
    void nothingIsWrittenWithoutADeviceOrAMeasurement()
    {
        useScene(true);
        const QString noReport = QStringLiteral("There is no measurement to report. Connect a device and measure first.");
        QCOMPARE(exportReport(*m_report, SaveService::SAVE_PHOTOMETRIC).message, noReport); // named, not measured
        measure(QStringLiteral("PQV-21"));
        m_bench.buffer->resetAll(); // the link went, and with it model and measurement
        const Outcome gone = exportReport(*m_report, SaveService::SAVE_SPECTRUM);
        QCOMPARE(std::make_pair(gone.success, gone.message), std::make_pair(false, noReport));

        // A sample taken while the store holds no measurement is none.
        m_bench.setDevice(QStringLiteral("PQV-21"), 380, 383);
        save().beginCustomizedTestSave();
        save().appendCustomizedTestSave();
        QCOMPARE(endSeries(), QStringList{"<failed> The test ended before its first sample; nothing was saved."});
        QCOMPARE(savedFiles(), QStringList());
    }

    // Writes that a full disk refuses: past a few kilobytes, or only the file's last byte.
    // Each save says so and leaves nothing behind.
    void cutShortLeavesNoFile_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<int>("limit"); // bytes; 0: all but the last of the file
        QTest::newRow("report, a few kilobytes") << "report" << 4096;
        QTest::newRow("report, its last byte") << "report" << 0;
        QTest::newRow("CSV, its last byte") << "csv" << 0;
        QTest::newRow("series, a few kilobytes") << "series" << 4096;
        QTest::newRow("series, its last byte") << "series" << 0;
    }

    void cutShortLeavesNoFile()
    {
        QFETCH(QString, road);
        QFETCH(int, limit);
        useScene(true);
        measure(QStringLiteral("PQV-21"));
        const auto saveOnce = [this, road]() -> Outcome {
            if (road == "report")
                return exportReport(*m_report, SaveService::SAVE_PHOTOMETRIC);
            if (road == "series") {
                // Over a megabyte, written in more than one piece.
                beginSeries();
                for (int sample = 1; sample < 4000; ++sample)
                    save().appendCustomizedTestSave();
            }
            const QString failure =
                (road == "series" ? endSeries() : save(SaveService::SAVE_PHOTOMETRIC)).value(0);
            if (failure.startsWith(QLatin1String("<failed> ")))
                return {false, QString(), failure.mid(9)};
            return {true, savedFiles().value(0), QString()};
        };
        if (limit == 0) {
            const Outcome whole = saveOnce();
            QVERIFY2(whole.success, qPrintable(whole.message));
            limit = int(QFileInfo(whole.path).size()) - 1;
            ExportBench::removeSaveFolder();
        }
        Outcome outcome;
        {
            const testsupport::FileSizeLimit small{rlim_t(limit)};
            QVERIFY(small.active());
            outcome = saveOnce();
        }
        QCOMPARE(std::make_pair(outcome.success, outcome.message),
                 std::make_pair(false, QStringLiteral("Failed to write file.")));
        QCOMPARE(QDir(SaveFolder::path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        // The same save without the limit is written.
        QVERIFY(saveOnce().success);
    }

    // A device may name itself at any length: the model part of a file name is cut so that the
    // name fits the file system's 255 bytes, with its time stamp and extension whole.
    void longModelNamesAreCutToFit()
    {
        QString model = QStringLiteral("PQV-21 ") + QString::fromUtf8("\xF0\x9F\x94\xA6"); // outside the BMP
        while (model.size() < 300)
            model += QStringLiteral("Spektralmessgerät-光谱仪-");
        model.truncate(300);
        useScene(true);
        measure(model);
        beginSeries();
        const QString series = endSeries().value(0);
        QVERIFY2(!series.startsWith(QLatin1Char('<')), qPrintable(series));
        QVERIFY(!save(SaveService::SAVE_SPECTRUM).value(0).startsWith('<'));
        QVERIFY(!exportAndCheck(SaveService::SAVE_SPECTRUM).isEmpty());

        const QString safeModel = SaveFolder::fileSafeModelName(model);
        const QRegularExpression name(QStringLiteral("^(.+?)(_CustomizedTest)?_\\d{17}\\.(csv|pdf)$"));
        const QStringList files = savedFiles();
        QCOMPARE(files.size(), 3);
        for (const QString &path : files) {
            const QString fileName = QFileInfo(path).fileName();
            QVERIFY2(fileName.toUtf8().size() <= 255, qPrintable(fileName));
            const QRegularExpressionMatch parts = name.match(fileName);
            QVERIFY2(parts.hasMatch(), qPrintable(fileName));
            QVERIFY2(safeModel.startsWith(parts.captured(1)) && parts.captured(1).size() > 200, qPrintable(fileName));
        }
    }

    // Names a device gives itself that would hide the file or read as a shell option: every
    // writer replaces the leading character and keeps the rest of the name.
    void fileNamesBeginWithNeitherADotNorADash()
    {
        useScene(true);
        const QStringList models{".hidden", "..", "-rf"};
        for (const QString &model : models) {
            measure(model);
            beginSeries();
            QVERIFY(!endSeries().value(0).startsWith('<'));
            QVERIFY(!save(SaveService::SAVE_SPECTRUM).value(0).startsWith('<'));
            QVERIFY(!exportAndCheck(SaveService::SAVE_SPECTRUM).isEmpty());
        }
        QStringList stems;
        const QRegularExpression name(QStringLiteral("^(.+?)(_CustomizedTest)?_\\d{17}(_\\d+)?\\.(csv|pdf)$"));
        for (const QString &file : QDir(SaveFolder::path()).entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
            const QRegularExpressionMatch parts = name.match(file);
            QVERIFY2(parts.hasMatch(), qPrintable(file));
            stems << parts.captured(1);
        }
        QCOMPARE(stems, (QStringList{"_.", "_.", "_.", "_hidden", "_hidden", "_hidden", "_rf", "_rf", "_rf"}));
    }

    void spectrumInTwoUnits()
    {
        loadSample(QStringLiteral("PQV-21"));
        const QStringList head{"exposure time,12.5 ms", "exposure status: over exposure"};
        QCOMPARE(save(SaveService::SAVE_SPECTRUM),
                 (head + QStringList{"wavelength(nm), irradiance(W/m^2)", "380,1", "381,2.5", "382,0",
                                     "383,10", "384,123.45"}));
        setUnit(3); // read back as UTF-8, so a mis-encoded label fails here
        QCOMPARE(save(SaveService::SAVE_SPECTRUM),
                 (head + QStringList{QString::fromUtf8("wavelength(nm), irradiance(\u03bcW/cm^2)"), "380,100",
                                     "381,250", "382,0", "383,1000", "384,12345"}));
        m_bench.buffer->setExpoStatus(7); // unknown: no status line
        QCOMPARE(save(SaveService::SAVE_SPECTRUM).at(1), QString::fromUtf8("wavelength(nm), irradiance(\u03bcW/cm^2)"));
        // Photon counts of a "T" model are never scaled by the unit.
        loadSample(QStringLiteral("TQV-12"));
        QCOMPARE(save(SaveService::SAVE_SPECTRUM).mid(2, 2), (QStringList{"wavelength(nm), photon counts", "380,1"}));
    }

    void ratioExportsAgainstTheReference()
    {
        loadSample(QStringLiteral("PQV-21"));
        const QStringList unreferenced = save(SaveService::SAVE_ABSORBANCE);
        QCOMPARE(unreferenced.size(), 3 + 5);
        for (const QString &line : unreferenced.mid(3))
            QVERIFY2(line.endsWith(QLatin1String(",nan")), qPrintable(line));

        m_bench.flags.reference = true;
        m_bench.feedSpectrum(2, {10000, 10000, 400, 10000, 10000}); // 100, 100, 4 (weak), 100, 100
        m_bench.flags.reference = false;
        m_bench.buffer->setHasReference(true);
        m_bench.feedSpectrum(2, {5000, 20000, 100, 0, 1000});
        m_bench.buffer->setExpoStatus(0);
        const QStringList head{"exposure time,12.5 ms", "exposure status: normal"};
        const QStringList rows{"380,50,100,0.5", "381,200,100,1", "382,1,4,nan", "383,0,100,0", "384,10,100,0.1"};
        QCOMPARE(save(SaveService::SAVE_TRANSMITTANCE), (head + QStringList{"wl, source, reference, transmittance"} + rows));
        QCOMPARE(save(SaveService::SAVE_REFLECTANCE), (head + QStringList{"wl, source, reference, reflectance"} + rows));
        QCOMPARE(save(SaveService::SAVE_ABSORBANCE),
                 (head + QStringList{"wl, source, reference, absorbance", "380,50,100,0.30103", "381,200,100,0",
                                     "382,1,4,nan", "383,0,100,3", "384,10,100,1"}));
        setUnit(1); // the ratio files carry the source as received, whatever the unit
        QCOMPARE(save(SaveService::SAVE_TRANSMITTANCE).at(3), QStringLiteral("380,50,100,0.5"));
    }

    void photometricExportListsEveryItemThenTheSpectrum()
    {
        loadSample(QStringLiteral("PQV-21"));
        m_bench.feedWords(0.5f);
        QTRY_VERIFY(!m_bench.buffer->lastResultItems().isEmpty());
        const int items = int(m_bench.buffer->lastResultItems().size());
        for (int unit : {0, 2}) {
            setUnit(unit);
            const QStringList lines = save(SaveService::SAVE_PHOTOMETRIC);
            QCOMPARE(lines.size(), items + 3 + 5);
            QCOMPARE(lines.first(), QStringLiteral("X,0.50"));
            // Hidden parameters are exported too, in the table's order.
            QVERIFY(lines.indexOf(QStringLiteral("SDCM,36.50")) >= 0);
            QVERIFY(lines.indexOf(QStringLiteral("SDCM,36.50")) < lines.indexOf(QStringLiteral("k,37.50")));
            QCOMPARE(lines.at(items), QStringLiteral("exposure time,12.5 ms"));
            QCOMPARE(lines.at(items + 2),
                     "wavelength(nm), irradiance(" + MeasurementSettings::unitLabel(unit) + ')');
            QCOMPARE(lines.last(), unit == 0 ? QStringLiteral("384,123.45") : QStringLiteral("384,12.345"));
        }
    }

    void photometricExportAddsTheFlickerRecord()
    {
        loadSample(QStringLiteral("PQV-32"));
        DataBuffer &store = *m_bench.buffer;
        store.setHasFlicker(true);
        store.setFrequency(99.126f);
        store.setDepth(37.56f);
        store.setPercent(12.345f);
        store.setIndex(0.12345f);
        store.setGainValue(2);
        QByteArray wave;
        for (int i = 0; i < 1024; ++i)
            wave += testsupport::le16(uint16_t((i % 4) * 100));
        store.setFlickerData(testsupport::bytesOf(wave), int(wave.size()));

        const QStringList lines = save(SaveService::SAVE_PHOTOMETRIC);
        const int start = int(lines.indexOf(QStringLiteral("384,123.45"))) + 1;
        QVERIFY(start > 0);
        QCOMPARE(lines.mid(start, 10),
                 (QStringList{"Flicker frequency(Hz): 99.13", "Modulation depth(%): 37.6", "Percent flicker(%): 12.35",
                              "Flicker index: 0.123", "Gain: x100", "Flicker waveform", "0", "0.333333", "0.666667", "1"}));
        QCOMPARE(lines.size(), start + 6 + 1024);
        // Rounded as the result table rounds: the depth reads 0.35, so it shows 0.4.
        store.setDepth(0.35f);
        QCOMPARE(save(SaveService::SAVE_PHOTOMETRIC).at(start + 1), QStringLiteral("Modulation depth(%): 0.4"));

        store.setHasFlicker(false); // then the file ends with the spectrum table
        QCOMPARE(save(SaveService::SAVE_PHOTOMETRIC).last(), QStringLiteral("384,123.45"));
    }

    void ramanExportWritesSpectraAndPeaks()
    {
        m_bench.setDevice(QStringLiteral("WQV-71"), 340, 1020, 1500);
        m_bench.buffer->setExpoStatus(0);
        SyntheticRamanSpectrum synthetic;
        synthetic.lines = {{1000.0, 20000.0}, {1600.0, 15000.0}};
        QVector<uint16_t> samples;
        for (double value : synthetic.values())
            samples << uint16_t(1000.0 + value);
        m_bench.feedSpectrum(0, samples);

        const QStringList lines = save(SaveService::SAVE_RAMAN);
        QCOMPARE(lines.mid(0, 3), (QStringList{"exposure time,1.5 ms", "exposure status,normal",
                                               "wavenumber, raman_raw, raman_clean, raman_fl"}));
        const QList<double> shift = m_bench.buffer->getRamanKey(DataBuffer::RamanRaw);
        const QList<double> peaks = m_bench.buffer->getRamanPks();
        const QList<double> locations = m_bench.buffer->getRamanLocs();
        QVERIFY(!shift.isEmpty() && !peaks.isEmpty());
        QCOMPARE(lines.size(), 3 + shift.size() + 1 + peaks.size());
        QCOMPARE(lines.at(3 + shift.size()), QStringLiteral("raman_peak_loc(cm^-1), raman_peak_val"));
        for (int i = 0; i < shift.size(); ++i) { // shift, then raw = clean + fluorescence
            const QStringList f = lines.at(3 + i).split(QLatin1Char(','));
            QCOMPARE(f.size(), 4);
            QCOMPARE(f.at(0), QString::number(shift.at(i), 'g', 6));
            QVERIFY(qAbs(f.at(1).toDouble() - f.at(2).toDouble() - f.at(3).toDouble())
                    <= 1e-4 * qMax(1.0, qAbs(f.at(1).toDouble())));
        }
        for (int i = 0; i < peaks.size(); ++i)
            QCOMPARE(lines.at(4 + shift.size() + i),
                     QString::number(locations.at(i), 'g', 6) + ',' + QString::number(peaks.at(i), 'g', 6));
    }

    void fileNamesAreSafeAndSavesNeverOverwrite()
    {
        QCOMPARE(SaveFolder::path(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/Vantorel");
        QCOMPARE(SaveFolder::fileSafeModelName(QString::fromUtf8("A.b_C-9/..\\x y\0z\xC2\xB5", 18)),
                 QStringLiteral("A.b_C-9_.._x_y_z_"));

        loadSample(QStringLiteral("PQV-21/../a b"));
        QSignalSpy finished(m_bench.save.get(), &SaveService::saveFinished);
        for (int i = 0; i < 5; ++i) // within the same millisecond, most likely
            m_bench.save->handleSaveSignal(SaveService::SAVE_SPECTRUM);
        QCOMPARE(finished.count(), 5);
        QSet<QString> paths;
        const QRegularExpression name(QStringLiteral("^PQV-21_\\.\\._a_b_\\d{17}(_\\d)?\\.csv$"));
        for (const QList<QVariant> &args : finished) {
            QVERIFY(args.at(0).toBool());
            const QFileInfo info(args.at(1).toString());
            QCOMPARE(info.absolutePath(), QDir(SaveFolder::path()).absolutePath());
            QVERIFY2(name.match(info.fileName()).hasMatch(), qPrintable(info.fileName()));
            QCOMPARE(testsupport::csvLines(info.filePath()).size(), 3 + 5); // each one complete
            paths.insert(info.filePath());
        }
        QCOMPARE(paths.size(), 5);
        QCOMPARE(savedFiles().size(), 5);

        // The same stem for certain: the second file gets a number instead of replacing the first.
        QString first, second;
        QCOMPARE(WholeFile::writeNew(SaveFolder::path(), QStringLiteral("M"), kCsv, "first", {}, first),
                 WholeFile::Outcome::Written);
        QCOMPARE(WholeFile::writeNew(SaveFolder::path(), QStringLiteral("M"), kCsv, "second", {}, second),
                 WholeFile::Outcome::Written);
        QCOMPARE(second, SaveFolder::path() + "/M_2.csv");
        QCOMPARE(testsupport::csvLines(first), QStringList{"first"});
    }

    // A link at a name takes it, whether or not it leads anywhere: the save goes to the next
    // free name and leaves the link, and what it leads to or the lack of it, as they were.
    void linksTakeTheirNames()
    {
        const QDir folder(SaveFolder::path());
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        QTemporaryDir elsewhere;
        const QString missing = elsewhere.filePath(QStringLiteral("missing.csv"));
        const QString theirs = elsewhere.filePath(QStringLiteral("theirs.csv"));
        QFile theirFile(theirs);
        QVERIFY(theirFile.open(QIODevice::WriteOnly) && theirFile.write("theirs") == 6);
        theirFile.close();
        QVERIFY(QFile::link(missing, folder.filePath(QStringLiteral("M.csv"))));
        QVERIFY(QFile::link(theirs, folder.filePath(QStringLiteral("M_2.csv"))));
        QString path;
        QCOMPARE(WholeFile::writeNew(folder.path(), QStringLiteral("M"), kCsv, "ours", {}, path), WholeFile::Outcome::Written);
        QCOMPARE(path, folder.filePath(QStringLiteral("M_3.csv")));
        QCOMPARE(testsupport::csvLines(path), QStringList{"ours"});
        QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("M.csv"))).symLinkTarget(), missing);
        QCOMPARE(QFileInfo(folder.filePath(QStringLiteral("M_2.csv"))).symLinkTarget(), theirs);
        QVERIFY(!QFileInfo::exists(missing));
        QCOMPARE(testsupport::csvLines(theirs), QStringList{"theirs"});

        // A link that takes the place of a file being written is replaced, not written through.
        QVERIFY(QFile::remove(path) && QFile::link(theirs, path));
        QVERIFY(WholeFile::write(path, QByteArray("ours")));
        QVERIFY(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
        QCOMPARE(testsupport::csvLines(path), QStringList{"ours"});
        QCOMPARE(testsupport::csvLines(theirs), QStringList{"theirs"});

        // The name of a timed series is chosen at its begin; a link that points nowhere
        // appears there while it runs.
        feed({100, 200, 300, 400});
        const QDateTime before = QDateTime::currentDateTime();
        beginSeries();
        const QDateTime after = QDateTime::currentDateTime();
        const QString model = m_bench.buffer->deviceModel();
        for (QDateTime at = before; at <= after; at = at.addMSecs(1)) {
            const QString stem = SaveFolder::fileStem(model, QStringLiteral("_CustomizedTest_"), at, kCsv);
            QVERIFY(QFile::link(missing, folder.filePath(stem + kCsv)));
        }
        QSignalSpy finished(&save(), &SaveService::saveFinished);
        save().endCustomizedTestSave();
        QCOMPARE(finished.count(), 1);
        QVERIFY2(finished.first().at(0).toBool(), qPrintable(finished.first().at(2).toString()));
        const QString series = finished.first().at(1).toString();
        QVERIFY2(series.endsWith(QLatin1String("_2.csv")) && QFileInfo(series).isFile() && !QFileInfo(series).isSymLink(),
                 qPrintable(series));
        QCOMPARE(testsupport::csvLines(series).last(), QStringLiteral("383,4"));
        QVERIFY(!QFileInfo::exists(missing));
    }

    // A saved file lets in whom any new file of its folder lets in: by the umask, or by the
    // folder's default ACL (a private folder, or one a group shares). A file written over keeps
    // its own access.
    void savedFilesGetTheFoldersAccess_data()
    {
        QTest::addColumn<QByteArray>("defaultAcl"); // empty: none
        QTest::addColumn<int>("umask");
        const QByteArray privateAcl = aclAttribute({{kUserObj, 7, kNoId}, {kGroupObj, 0, kNoId}, {kOther, 0, kNoId}});
        const QByteArray sharedAcl = aclAttribute({{kUserObj, 7, kNoId}, {kGroupObj, 5, kNoId},
                                                   {kGroup, 6, uint32_t(getgid())}, {kMask, 7, kNoId}, {kOther, 0, kNoId}});
        for (int mask : {022, 077}) {
            QTest::addRow("umask %03o", mask) << QByteArray() << mask;
            QTest::addRow("private folder, umask %03o", mask) << privateAcl << mask;
            QTest::addRow("shared folder, umask %03o", mask) << sharedAcl << mask;
        }
    }

    void savedFilesGetTheFoldersAccess()
    {
        QFETCH(QByteArray, defaultAcl);
        QFETCH(int, umask);
        const QDir folder(SaveFolder::path());
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        if (!defaultAcl.isEmpty()
            && ::setxattr(QFile::encodeName(folder.path()).constData(), "system.posix_acl_default", defaultAcl.constData(),
                          size_t(defaultAcl.size()), 0) != 0)
            QSKIP("The file system here keeps no ACLs.");
        const mode_t previous = ::umask(mode_t(umask));
        const auto restore = qScopeGuard([previous] { ::umask(previous); });
        const QString probe = folder.filePath(QStringLiteral("probe"));
        const int fd = ::open(QFile::encodeName(probe).constData(), O_WRONLY | O_CREAT | O_EXCL, 0666);
        QVERIFY(fd >= 0 && ::close(fd) == 0);
        const QString newFile = accessOf(probe);
        QVERIFY(QFile::remove(probe));

        useScene(true);
        measure(QStringLiteral("PQV-21"));
        QVERIFY(!save(SaveService::SAVE_SPECTRUM).value(0).startsWith('<'));
        QVERIFY(!exportAndCheck(SaveService::SAVE_SPECTRUM).isEmpty());
        beginSeries();
        QVERIFY(!endSeries().value(0).startsWith('<'));
        const QStringList files = savedFiles(QStringLiteral("*"));
        QCOMPARE(files.size(), 3);
        for (const QString &file : files)
            QCOMPARE(accessOf(file), newFile);

        QVERIFY(QFile::setPermissions(files.first(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
        const QString own = accessOf(files.first());
        QVERIFY(WholeFile::write(files.first(), QByteArray("again")));
        QCOMPARE(accessOf(files.first()), own);
        QCOMPARE(testsupport::csvLines(files.first()), QStringList{"again"});
    }

    // A name appears only with its whole content, and never over an entry that took it while
    // the content was written. A write that dies halfway leaves a hidden file named unfinished.
    void aNameIsTakenOnlyWhenTheFileIsWhole()
    {
        const QDir folder(SaveFolder::path());
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        const auto entries = [&folder] {
            return folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        };
        int halfway[2];
        QVERIFY(::pipe(halfway) == 0);
        const pid_t writer = fork();
        if (writer == 0) {
            QString path;
            WholeFile::writeNew(folder.path(), QStringLiteral("M"), kCsv, [&halfway](QIODevice &file) {
                const char mark = file.write(QByteArray(1 << 20, 'x')) == 1 << 20 ? 'y' : 'n';
                if (::write(halfway[1], &mark, 1) == 1)
                    for (;;)
                        ::pause(); // until killed
                return false;
            }, QIODevice::Text, path);
            _exit(1);
        }
        QVERIFY(writer > 0);
        ::close(halfway[1]);
        char mark = 0;
        QCOMPARE(::read(halfway[0], &mark, 1), ssize_t(1));
        ::close(halfway[0]);
        const QStringList whileWriting = entries();
        QVERIFY(::kill(writer, SIGKILL) == 0);
        int status = 0;
        QCOMPARE(::waitpid(writer, &status, 0), writer);
        QCOMPARE(mark, 'y');
        QCOMPARE(entries(), whileWriting);
        QCOMPARE(whileWriting.size(), 1);
        const QString leftOver = whileWriting.first();
        QVERIFY2(leftOver.startsWith(QLatin1String(".M.csv.")) && leftOver.endsWith(WholeFile::kUnfinishedSuffix),
                 qPrintable(leftOver));
        QVERIFY(QFile::remove(folder.filePath(leftOver)));

        // Another program takes the name while ours is written, by a rename as a careful one does.
        QString path;
        const auto takeTheName = [&folder](QIODevice &file) {
            QFile theirs(folder.filePath(QStringLiteral("theirs")));
            return theirs.open(QIODevice::WriteOnly) && theirs.write("theirs") == 6 && theirs.flush()
                && ::rename(QFile::encodeName(theirs.fileName()).constData(),
                            QFile::encodeName(folder.filePath(QStringLiteral("M.csv"))).constData()) == 0
                && file.write("ours") == 4;
        };
        QCOMPARE(WholeFile::writeNew(folder.path(), QStringLiteral("M"), kCsv, takeTheName, {}, path),
                 WholeFile::Outcome::Written);
        QCOMPARE(path, folder.filePath(QStringLiteral("M_2.csv")));
        QCOMPARE(testsupport::csvLines(folder.filePath(QStringLiteral("M.csv"))), QStringList{"theirs"});
        QCOMPARE(testsupport::csvLines(path), QStringList{"ours"});
        QCOMPARE(entries(), (QStringList{"M.csv", "M_2.csv"}));
    }

    void failuresAreReportedAndWriteNothing()
    {
        loadSample(QStringLiteral("PQV-21"));
        for (int type : {6, -1})
            QCOMPARE(m_bench.saveAndRead(type), QStringList{"<failed> Unknown save type."});
        QVERIFY(savedFiles().isEmpty());
    }

    void seriesOfTwoSamples()
    {
        feed({100, 200, 300, 400});
        m_bench.feedWords(0.5f);
        QCOMPARE(m_bench.buffer->lastResultItems().size(), kItems);

        QSignalSpy finished(&save(), &SaveService::saveFinished);
        const QDateTime before = QDateTime::currentDateTime();
        beginSeries();
        setUnit(1); // from the second sample on, in mW/m^2
        m_bench.buffer->setExpoTime(20000);
        feed({500, 600, 700, 800});
        m_bench.feedWords(10.5f);
        m_bench.buffer->setExpoTime(30000); // a setting made after the spectrum is not its own
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
        beginSeries();
        QCOMPARE(endSeries().mid(1), (QStringList{"exposure time(ms),12.5", "380,1", "381,2", "382,3", "383,4"}));
    }

    void eachSeriesIsWrittenOnceFromItsBegin()
    {
        feed({100, 200, 300, 400});
        // Neither samples nor an end without a begin.
        save().appendCustomizedTestSave();
        QCOMPARE(endSeries(), QStringList{"<no signal>"});
        QVERIFY(testsupport::savedFiles().isEmpty());

        save().beginCustomizedTestSave(); // no sample: nothing to write, and said so once
        QCOMPARE(endSeries(), QStringList{"<failed> The test ended before its first sample; nothing was saved."});
        QCOMPARE(endSeries(), QStringList{"<no signal>"});
        QVERIFY(testsupport::savedFiles().isEmpty());

        beginSeries();
        save().appendCustomizedTestSave();
        save().beginCustomizedTestSave(); // the unfinished series is dropped
        save().appendCustomizedTestSave();
        QCOMPARE(endSeries().last(), QStringLiteral("383,4"));
    }

    void aRangeChangeDuringTheSeriesKeepsTheLines()
    {
        feed({100, 200, 300, 400});
        beginSeries();
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

    // Days of samples on a 681-point device with its result values: each is held in at most
    // 4 KB, and the end writes the file with at most 16 MB more than the series holds (the
    // copy that runs it would fail to allocate more), byte for byte in the layout above.
    void aLongSeriesIsHeldCompactlyAndWrittenWithoutACopy()
    {
        constexpr int kSamples = 5000; // a file of over 20 MB
        m_bench.setDevice(QStringLiteral("PQV-21"), 340, 1020);
        QVector<uint16_t> samples(681);
        for (int i = 0; i < samples.size(); ++i)
            samples[i] = uint16_t((i * 7919) % 65521);
        feed(samples);
        m_bench.feedWords(1234.5f);
        QCOMPARE(m_bench.buffer->lastResultItems().size(), kItems);

        const qint64 heapBefore = heapInUse();
        save().beginCustomizedTestSave();
        for (int i = 0; i < kSamples; ++i)
            save().appendCustomizedTestSave();
        const double heldPerSample = double(heapInUse() - heapBefore) / kSamples;
        if (kOwnAllocator)
            QVERIFY2(heldPerSample <= 4096, qPrintable(QString::number(heldPerSample) + " bytes per sample"));

        const auto end = [this] {
            QSignalSpy finished(&save(), &SaveService::saveFinished);
            save().endCustomizedTestSave();
            return finished.count() == 1 && finished.first().at(0).toBool();
        };
        if (kOwnAllocator)
            QCOMPARE(outcomeUnderDataLimit(16 << 20, end), QStringLiteral("done"));
        else
            QVERIFY(end());

        QByteArray expected;
        for (const QJsonObject &item : m_bench.buffer->lastResultItems())
            expected += item.value("key").toString().toUtf8()
                + QByteArray("," + item.value("value").toString().toUtf8()).repeated(kSamples) + '\n';
        expected += "exposure time(ms)" + QByteArray(",12.5").repeated(kSamples) + '\n';
        for (int i = 0; i < samples.size(); ++i)
            expected += QByteArray::number(340 + i)
                + QByteArray("," + NumberText::general(samples[i] / 100.0).toLatin1()).repeated(kSamples) + '\n';
        QFile file(testsupport::savedFiles().value(0));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray timeLine = file.readLine();
        QVERIFY(timeLine.startsWith("\xEF\xBB\xBFTime,"));
        const QStringList times = QString::fromUtf8(timeLine).chopped(1).split(QLatin1Char(','));
        QCOMPARE(times.size(), 1 + kSamples);
        const QRegularExpression time(QRegularExpression::anchoredPattern("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d"));
        QVERIFY(std::all_of(times.cbegin() + 1, times.cend(), [&time](const QString &t) { return time.match(t).hasMatch(); }));
        QVERIFY(file.readAll() == expected);
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
};

QTEST_MAIN(TestSavedFiles)
#include "tst_saved_files.moc"
