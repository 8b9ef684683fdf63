// The efficiency CSV reader, the folder URL conversion and the message language.
#include "control/EfficiencyCsvReader.h"
#include "control/EfficiencyCurveService.h"
#include "control/StudioService.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

class TestEfficiencyCsv : public QObject
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

QTEST_GUILESS_MAIN(TestEfficiencyCsv)
#include "tst_efficiency_csv.moc"
