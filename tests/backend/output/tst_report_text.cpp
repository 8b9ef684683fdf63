// The report's text as a reader copies or searches it (pdftotext): every character as it
// was drawn in each interface language, and a device's name that cannot turn its row.
#include "PdfTools.h"
#include "StoreFixtures.h"
#include "TemporaryHome.h"
#include "format/OutsideText.h"
#include "output/Brand.h"
#include "output/ReportChartImages.h"
#include "output/ReportTexts.h"
#include "output/ReportWriter.h"
#include "output/SaveService.h"
#include "store/DataBuffer.h"
#include "welcome/LanguageSwitcher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using ReportTexts::Text;

class TestReportText : public QObject
{
    Q_OBJECT
    QTemporaryDir m_folder;
    LanguageSwitcher m_languages;

    // A spectrum report of `model`, without pictures, read back by pdftotext.
    QString reportText(const QString &model, bool chinese, const ReportFields &fields)
    {
        DataBuffer buffer;
        buffer.setDeviceModel(model);
        ReportChartImages noCharts(nullptr);
        const QByteArray pdf = ReportWriter::document(noCharts, buffer, chinese, SaveService::SAVE_SPECTRUM, fields);
        QFile file(m_folder.filePath(QStringLiteral("report.pdf")));
        if (pdf.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
            return QString();
        file.close();
        return testsupport::pdfText(file.fileName());
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        testsupport::prepareStoreTests();
        QVERIFY(m_folder.isValid());
    }

    // Ideographs that look like Kangxi radicals, Latin accents and the labels themselves.
    void typedTextReadsBackAsDrawn_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"zh", "en", "de", "fr"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void typedTextReadsBackAsDrawn()
    {
        QFETCH(QString, language);
        m_languages.apply(language, nullptr);
        const bool chinese = language == QLatin1String("zh");
        const ReportFields fields{QStringLiteral("编号-42 Nº 7"), QStringLiteral("Lampe à économie"),
                                  QStringLiteral("测试人员 Jürgen Weiß"), QStringLiteral("2026-12-06 10:20:30"),
                                  QStringLiteral("一人口大日月水火山工女子厂")};
        // An entry wider than its column wraps there: compare it across the break.
        const QString text = reportText(QStringLiteral("PQV-21"), chinese, fields).remove(QLatin1Char('\n'));
        const auto label = [chinese](Text id, const QString &value) { return ReportTexts::text(id, chinese).arg(value); };
        const QStringList drawn{ReportTexts::text(Text::Title, chinese),
                                ReportTexts::text(Text::ExperimentInformation, chinese),
                                label(Text::SampleName, fields.sampleName),
                                label(Text::SampleModel, fields.sampleModel),
                                label(Text::SampleNumber, fields.sampleNumber),
                                label(Text::Manufacturer, QString::fromLatin1(Brand::kMakerName).toUpper()),
                                label(Text::TestTime, fields.testTime),
                                label(Text::Tester, fields.tester),
                                ReportTexts::text(Text::MeasurementParameters, chinese)};
        for (const QString &line : drawn)
            QVERIFY2(text.contains(line), qPrintable(line + QStringLiteral(" is not in:\n") + text));
    }

    // Overriding the direction, breaking the line (a line feed, a paragraph separator) and
    // running past the column: the name stays on its one line after its label, in the order
    // it came, cut with an ellipsis.
    void deviceNameStaysInItsRow()
    {
        QString model = QStringLiteral("PQV-21 ") + QChar(0x202E) + QStringLiteral("gnirut") + QChar(0x2029)
                        + QStringLiteral("next\nline ");
        while (model.size() < 200)
            model += QStringLiteral("long name ");
        model.truncate(200);
        const QString text = reportText(model, false, ReportFields());
        const qsizetype at = text.indexOf(QStringLiteral("Device Id:PQV-21 gnirut next"));
        QVERIFY2(at >= 0, qPrintable(text));
        const QString row = text.mid(at, text.indexOf(QLatin1Char('\n'), at) - at);
        QVERIFY2(row.endsWith(QChar(0x2026)), qPrintable(row));
    }
};

QTEST_MAIN(TestReportText)
#include "tst_report_text.moc"
