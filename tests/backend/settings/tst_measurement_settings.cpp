#include "TemporaryHome.h"
#include "settings/MeasurementSettings.h"

#include <QStandardPaths>
#include <QtTest>

using namespace MeasurementSettings;

class TestMeasurementSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome(); // runs side by side never share the file
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(appSettings().fileName());
        appSettings().clear();
        appSettings().sync();
    }

    void firstStartWritesDefaultsToARealFile()
    {
        initMeasurementSettings();
        QCOMPARE(unit(), 0);
        QCOMPARE(rangeEnable(), false);
        QCOMPARE(range().size(), 2);
        QCOMPARE(range().at(0).toInt(), 370);
        QCOMPARE(range().at(1).toInt(), 780);
        QCOMPARE(unitFactor(), 1.0);

        // What the next process would read: the file itself.
        QSettings reread(appSettings().fileName(), QSettings::IniFormat);
        QVERIFY(QFile::exists(appSettings().fileName()));
        QCOMPARE(reread.value(kUnitKey).toInt(), 0);
        QCOMPARE(reread.value(kRangeEnableKey).toBool(), false);
        QCOMPARE(reread.value(kRangeKey).toList().value(1).toInt(), 780);
    }

    void existingValuesSurviveInitialisation()
    {
        setUnit(3);
        setRange(400, 700);
        initMeasurementSettings();
        QCOMPARE(unit(), 3);
        QCOMPARE(unitFactor(), 100.0);
        QCOMPARE(range().at(0).toInt(), 400);
    }

    void unitFactorsAndLabels()
    {
        setUnit(1);
        QCOMPARE(unitFactor(), 1000.0);
        setUnit(2);
        QCOMPARE(unitFactor(), 0.1);
        setUnit(7);
        QCOMPARE(unitFactor(), 1.0);
        QCOMPARE(unitLabel(3), QString::fromUtf8("\u03bcW/cm^2"));
        QCOMPARE(unitLabel(3).toUtf8(), QByteArray("\xCE\xBCW/cm^2"));
        QCOMPARE(unitLabel(-1), QStringLiteral("W/m^2"));
        QCOMPARE(unitLabel(7), QStringLiteral("W/m^2"));
        appSettings().setValue(kUnitKey, QStringLiteral("abc"));
        reloadUnitFactor();
        QCOMPARE(unitFactor(), 1.0);
        setUnit(0);
    }
};

QTEST_GUILESS_MAIN(TestMeasurementSettings)
#include "tst_measurement_settings.moc"
