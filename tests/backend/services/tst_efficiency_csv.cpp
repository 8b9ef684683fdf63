// The efficiency CSV reader, the folder URL conversion and the message language.
#include "services/EfficiencyCsvReader.h"
#include "services/EfficiencyCurveService.h"
#include "services/StudioService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <cmath>

class TestEfficiencyCsv : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &content)
    {
        QFile file(m_dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return QString();
        file.write(content);
        return file.fileName();
    }

    // Rows of a read, or -1 when the reader refused the file.
    int rowsOf(const QByteArray &content)
    {
        bool ok = false;
        FloatArray *t = StudioService::readEfficiencyCsv(write(QStringLiteral("t.csv"), content), &ok);
        // A refused file must not leave rows behind.
        const int rows = ok ? t->size[0] : (t->size[0] == 0 ? -1 : -2);
        destroyArray(t);
        return rows;
    }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void wellFormedFilesAreRead()
    {
        bool ok = false;
        FloatArray *t = EfficiencyCsvReader::read(
            write(QStringLiteral("good.csv"), "380.0,1.5\r\n381.0, 2.25\r\n382.0,0\r\n"), &ok);
        QVERIFY(ok);
        QCOMPARE(t->size[0], 3);
        QCOMPARE(t->size[1], 2);
        QCOMPARE(t->data[0], 380.0f);
        QCOMPARE(t->data[2], 382.0f);
        QCOMPARE(t->data[3], 1.5f);
        QCOMPARE(t->data[4], 2.25f);
        QCOMPARE(t->data[5], 0.0f);
        destroyArray(t);

        // A byte-order mark and a missing final newline are fine.
        QCOMPARE(rowsOf("\xEF\xBB\xBF" "500,1\n501,2"), 2);
        // Fractional wavelengths one nanometre apart pass here; the regeneration refuses them.
        QCOMPARE(rowsOf("380.5,1\n381.5,1\n"), 2);
        QCOMPARE(rowsOf(""), 0);
    }

    void malformedFilesAreRefused()
    {
        QCOMPARE(rowsOf("wavelength,value\n380,1\n381,1\n"), -1); // header
        QCOMPARE(rowsOf("380,1\n381,1\n383,1\n"), -1);            // gap
        QCOMPARE(rowsOf("381,1\n380,1\n"), -1);                   // descending
        QCOMPARE(rowsOf("380,1,7\n381,1,7\n"), -1);               // a third field
        QCOMPARE(rowsOf("380\n381\n"), -1);                       // one field
        QCOMPARE(rowsOf("380,1\n\n381,1\n"), -1);                 // blank line
        QCOMPARE(rowsOf("380,1\n381,nan\n"), -1);
        QCOMPARE(rowsOf("380,1\n381,inf\n"), -1);
        QCOMPARE(rowsOf("380;1\n381;1\n"), -1);
    }

    void lineCountIsBounded()
    {
        QByteArray longest;
        for (int i = 0; i < EfficiencyCsvReader::kMaxLines; ++i)
            longest += QByteArray::number(i) + ",1\n";
        QCOMPARE(rowsOf(longest), EfficiencyCsvReader::kMaxLines);
        QCOMPARE(rowsOf(longest + QByteArray::number(EfficiencyCsvReader::kMaxLines) + ",1\n"), -1);
        // One huge line is refused without being read.
        QCOMPARE(rowsOf("1," + QByteArray(int(EfficiencyCsvReader::kMaxBytes), '1')), -1);
    }

    void missingFileGivesAnEmptyTable()
    {
        bool ok = false;
        FloatArray *t = EfficiencyCsvReader::read(m_dir.filePath(QStringLiteral("none.csv")), &ok);
        QVERIFY(t != nullptr);
        QCOMPARE(t->size[0], 0);
        destroyArray(t);
    }

    void folderUrlsBecomeLocalPaths()
    {
        const QString folder = m_dir.filePath(QStringLiteral("a b%c"));
        const QString url = QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded);
        QVERIFY(url.contains(QLatin1String("%20")));
        QCOMPARE(EfficiencyCurveService::localFolder(url), folder);
        QCOMPARE(EfficiencyCurveService::localFolder(QStringLiteral("file:///tmp/x")), QStringLiteral("/tmp/x"));
        QCOMPARE(EfficiencyCurveService::localFolder(folder), folder);
    }

    void messagesFollowTheUiLanguage()
    {
        using M = EfficiencyCurveService::Message;
        for (const char *language : {"en", "de", "fr", ""})
            QCOMPARE(EfficiencyCurveService::messageText(M::SourceMissing, QLatin1String(language), true),
                     QStringLiteral("Cannot Find sourceData.csv"));
        QCOMPARE(EfficiencyCurveService::messageText(M::TargetInvalid, QStringLiteral("en"), true),
                 QStringLiteral("targetData.csv Invalid"));
        QCOMPARE(EfficiencyCurveService::messageText(M::SourceMissing, QStringLiteral("zh"), true),
                 QStringLiteral("sourceData.csv不存在"));
        QCOMPARE(EfficiencyCurveService::messageText(M::TargetInvalid, QStringLiteral("en"), false),
                 QStringLiteral("targetData.csv 数据异常或波长不连续"));
    }
};

QTEST_GUILESS_MAIN(TestEfficiencyCsv)
#include "tst_efficiency_csv.moc"
