// Export file names and the CSV file writer: sanitised model names, no overwriting,
// and write failures that are noticed.
#include "services/CsvFile.h"
#include "services/SaveFolder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestSaveFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void saveFolderIsUnderDocuments()
    {
        QCOMPARE(SaveFolder::path(),
                 QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                     + QStringLiteral("/Vantorel"));
    }

    void modelNameIsMadeSafeForFileNames_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("safe");
        QTest::newRow("plain") << "PQV-21" << "PQV-21";
        QTest::newRow("dots and underscores") << "A.b_C-9" << "A.b_C-9";
        QTest::newRow("path separators") << "../../etc/x" << ".._.._etc_x";
        QTest::newRow("windows separators") << "C:\\x" << "C__x";
        QTest::newRow("blank and NUL") << QString::fromUtf8("P Q\0R", 5) << "P_Q_R";
        QTest::newRow("non-ASCII") << QString::fromUtf8("PQ\xC2\xB5V") << "PQ_V";
        QTest::newRow("empty") << "" << "";
    }

    void modelNameIsMadeSafeForFileNames()
    {
        QFETCH(QString, model);
        QFETCH(QString, safe);
        QCOMPARE(SaveFolder::fileSafeModelName(model), safe);
    }

    void ensureDirectoryCreatesParentsAndRefusesAFile()
    {
        QTemporaryDir dir;
        const QString nested = dir.filePath(QStringLiteral("a/b/c"));
        QVERIFY(SaveFolder::ensureDirectory(nested));
        QVERIFY(QFileInfo(nested).isDir());
        QVERIFY(SaveFolder::ensureDirectory(nested)); // already there

        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!SaveFolder::ensureDirectory(blocker.fileName()));
        QVERIFY(!SaveFolder::ensureDirectory(blocker.fileName() + QStringLiteral("/sub")));
    }

    void sameStemNeverOverwrites()
    {
        QTemporaryDir dir;
        QFile first;
        QVERIFY(CsvFile::openNew(first, dir.path(), QStringLiteral("M_1")));
        first.write("first");
        first.close();
        QFile second;
        QVERIFY(CsvFile::openNew(second, dir.path(), QStringLiteral("M_1")));
        second.write("second");
        second.close();
        QFile third;
        QVERIFY(CsvFile::openNew(third, dir.path(), QStringLiteral("M_1")));
        third.close();

        QCOMPARE(first.fileName(), dir.filePath(QStringLiteral("M_1.csv")));
        QCOMPARE(second.fileName(), dir.filePath(QStringLiteral("M_1_2.csv")));
        QCOMPARE(third.fileName(), dir.filePath(QStringLiteral("M_1_3.csv")));
        QFile check(first.fileName());
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray("first"));
    }

    void openFailsInAMissingFolder()
    {
        QTemporaryDir dir;
        QFile file;
        QVERIFY(!CsvFile::openNew(file, dir.filePath(QStringLiteral("missing")),
                                  QStringLiteral("M")));
        QVERIFY(!file.isOpen());
        QCOMPARE(file.fileName(), dir.filePath(QStringLiteral("missing/M.csv")));
    }

    void writeToAFullDiskFails()
    {
        QFile full(QStringLiteral("/dev/full"));
        if (!full.open(QIODevice::WriteOnly))
            QSKIP("/dev/full is not available");
        const bool ok = CsvFile::write(full, false, [](QTextStream &out) {
            for (int i = 0; i < 1000; ++i)
                out << "wavelength,value\n";
        });
        QVERIFY(!ok);
    }
};

QTEST_GUILESS_MAIN(TestSaveFiles)
#include "tst_save_files.moc"
