// The measurement settings in a real INI file under the configuration folder (an empty file
// name never persists on Linux), their defaults, and the irradiance unit table.
#include "TemporaryHome.h"
#include "settings/MeasurementSettings.h"

#include <QStandardPaths>
#include <QtTest>

using namespace MeasurementSettings;

class TestMeasurementSettings : public QObject
{
    Q_OBJECT
private slots:
    void defaultsAreWrittenToAFileAndKept()
    {
        testsupport::useTemporaryHome(); // runs side by side never share the file
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(appSettings().fileName());
        appSettings().clear();
        initMeasurementSettings();
        QVERIFY(unit() == 0 && !rangeEnable() && range().at(0).toInt() == 370 && range().at(1).toInt() == 780);
        // What the next process reads: the file itself.
        QCOMPARE(QSettings(appSettings().fileName(), QSettings::IniFormat).value(kRangeKey).toList().value(1).toInt(), 780);
        setUnit(3);
        setRange(400, 700);
        initMeasurementSettings();
        QVERIFY(unit() == 3 && range().at(0).toInt() == 400);
        QCOMPARE(QSettings(appSettings().fileName(), QSettings::IniFormat).value(kUnitKey).toInt(), 3);
    }

    void unitFactorsAndLabels()
    {
        for (const auto &[unit, factor] : QList<QPair<int, double>>{{0, 1.0}, {1, 1000.0}, {2, 0.1}, {3, 100.0}, {7, 1.0}}) {
            setUnit(unit);
            QCOMPARE(unitFactor(), factor);
        }
        QCOMPARE(unitLabel(3).toUtf8(), QByteArray("\xCE\xBCW/cm^2"));
        QCOMPARE(unitLabel(-1), QStringLiteral("W/m^2"));
        appSettings().setValue(kUnitKey, QStringLiteral("abc"));
        reloadUnitFactor();
        QCOMPARE(unitFactor(), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestMeasurementSettings)
#include "tst_measurement_settings.moc"
