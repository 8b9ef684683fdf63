// The measurement settings in a real INI file under the configuration folder (an empty file
// name never persists on Linux), their defaults, and units outside the table.
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

    // A hand-edited or foreign file: anything but two whole numbers, begin below end, is the
    // default band. The values are stored as the INI reader yields them: a text, or a list of texts.
    void aRangeThatIsNotTwoWholeNumbersIsTheDefaultBand()
    {
        const QVariantList defaultBand{370, 780};
        const QList<QVariant> stored{QStringLiteral("500"), QStringLiteral("50"), QStringList{"a", "b"},
                                     QStringList{"400", "500", "600"}, QStringList{"400.5", "700"},
                                     QStringList{"-5", "700"}, QStringList{"780", "370"},
                                     QStringList{"500", "500"}, QVariant()};
        for (const QVariant &value : stored) {
            appSettings().setValue(kRangeKey, value);
            QCOMPARE(range(), defaultBand);
        }
        appSettings().setValue(kRangeKey, QStringList{"400", " 700"});
        QCOMPARE(range(), (QVariantList{400, 700}));
        setRange(370, 780);
    }

    // The unit table itself is read through the store's result texts; here only what falls outside it.
    void unknownUnitsCountAsWattsPerSquareMetre()
    {
        setUnit(7);
        QVERIFY(unitFactor() == 1.0 && unitLabel(-1) == QStringLiteral("W/m^2"));
        appSettings().setValue(kUnitKey, QStringLiteral("abc"));
        reloadUnitFactor();
        QCOMPARE(unitFactor(), 1.0);
    }
};

QTEST_GUILESS_MAIN(TestMeasurementSettings)
#include "tst_measurement_settings.moc"
