// The result table's texts: decimals from the resolution, irradiance units, suffixes,
// melanopic correction, no-value display and grouping.
#include "StoreFixtures.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"
#include "store/PhotometricFormat.h"

#include <QJsonArray>
#include <QtTest>
#include <limits>

using namespace testsupport;
using PhotometricFormat::Context;

namespace {

ParameterInfo parameter(int id, const QString &key, double format, bool visible = true,
                        const QString &unit = QString(), int group = 0)
{
    ParameterInfo p;
    p.id = id;
    p.key = key;
    p.format = format;
    p.visible = visible;
    p.unit = unit;
    p.group = group;
    return p;
}

QString valueOf(const QJsonObject &item) { return item.value(QStringLiteral("value")).toString(); }

} // namespace

class TestResultFormatting : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        prepareStoreTests();
    }

    void decimalsFollowTheResolution_data()
    {
        QTest::addColumn<double>("resolution");
        QTest::addColumn<int>("decimals");
        QTest::newRow("0.0001") << 0.0001 << 4;
        QTest::newRow("0.001") << 0.001 << 3;
        QTest::newRow("0.01") << 0.01 << 2;
        QTest::newRow("0.1") << 0.1 << 1;
        QTest::newRow("1") << 1.0 << 0;
        QTest::newRow("missing") << 0.0 << 0;
        QTest::newRow("coarser than 1") << 10.0 << 0;
        QTest::newRow("negative") << -0.01 << 0;
        QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 0;
    }

    void decimalsFollowTheResolution()
    {
        QFETCH(double, resolution);
        QFETCH(int, decimals);
        QCOMPARE(PhotometricFormat::decimalsForResolution(resolution), decimals);
    }

    void valuesRoundFromTheDecimalTheDeviceMeant()
    {
        const Context plain{QStringLiteral("PQV-21"), QStringLiteral("W/m^2"), 1.0};
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(39, "lux", 0.1), 123.45f, plain)),
                 QStringLiteral("123.5"));
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(4, "x", 0.0001), 0.31271f, plain)),
                 QStringLiteral("0.3127"));
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(10, "CCT", 1), 6503.6f, plain)),
                 QStringLiteral("6504"));
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(1002, "S_BD", 0), 12345.678f, plain)),
                 QStringLiteral("12346"));
        // No group separators, a point as decimal separator, whatever the locale.
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(2, "Y", 0.01), 1234567.5f, plain)),
                 QStringLiteral("1234567.50"));
        QLocale::setDefault(QLocale::c());
    }

    void noValueShowsAsNan()
    {
        const Context plain{QStringLiteral("PQV-21"), QStringLiteral("W/m^2"), 1.0};
        const float nan = std::numeric_limits<float>::quiet_NaN();
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(16, "Ra", 0.1), nan, plain)),
                 QStringLiteral("nan"));
        QCOMPARE(PhotometricFormat::sdcmAndCct(nan, nan), QStringLiteral("nan/nan"));
        QCOMPARE(PhotometricFormat::blueLightSuffix(nan), QString());
    }

    void irradianceFollowsTheUnitTable_data()
    {
        QTest::addColumn<int>("unit");
        QTest::addColumn<QByteArray>("labelUtf8");
        QTest::addColumn<QString>("value");
        QTest::newRow("W/m^2") << 0 << QByteArray("W/m^2") << "0.0123";
        QTest::newRow("mW/m^2") << 1 << QByteArray("mW/m^2") << "12.3000";
        QTest::newRow("mW/cm^2") << 2 << QByteArray("mW/cm^2") << "0.0012";
        QTest::newRow("uW/cm^2") << 3 << QByteArray("\xCE\xBCW/cm^2") << "1.2300";
    }

    void irradianceFollowsTheUnitTable()
    {
        QFETCH(int, unit);
        QFETCH(QByteArray, labelUtf8);
        QFETCH(QString, value);
        MeasurementSettings::setUnit(unit);
        DataBuffer store;
        store.setDeviceModel(QStringLiteral("PQV-21"));
        const QJsonObject ee =
            store.formatParameter(parameter(40, "Ee", 0.0001, true, "irradiance"), 0.0123f);
        QCOMPARE(ee.value(QStringLiteral("unitLabel")).toString().toUtf8(), labelUtf8);
        QCOMPARE(valueOf(ee), value);
        // Other parameters carry no unit and ignore the factor.
        const QJsonObject lux = store.formatParameter(parameter(39, "lux", 0.01), 0.0123f);
        QCOMPARE(lux.value(QStringLiteral("unitLabel")).toString(), QString());
        QCOMPARE(valueOf(lux), QStringLiteral("0.01"));
        MeasurementSettings::setUnit(0);
    }

    void itemCarriesItsParameter()
    {
        const Context plain{QStringLiteral("PQV-21"), QStringLiteral("W/m^2"), 1.0};
        const QJsonObject item =
            PhotometricFormat::formatParameter(parameter(304, "Eb", 0.0001, false, QString(), 2), 1.0f, plain);
        QCOMPARE(item.value("id").toInt(), 304);
        QCOMPARE(item.value("group").toInt(), 2);
        QCOMPARE(item.value("visible").toBool(), false);
        QCOMPARE(item.value("key").toString(), QStringLiteral("Eb"));
        QCOMPARE(item.keys(), QStringList({"group", "id", "key", "unitLabel", "value", "visible"}));
    }

    void suffixesOfLuxAndBlueLight()
    {
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("PQV-21")), QStringLiteral("(lx)"));
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("BQV-41-0007F")), QStringLiteral("(lm)"));
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("BQV-41-0007L")), QStringLiteral("(lx)"));
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("PQV-21-0007F")), QStringLiteral("(lx)"));
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("BQV")), QStringLiteral("(lx)")); // short name
        QCOMPARE(PhotometricFormat::blueLightSuffix(0.5f), QStringLiteral("/RG0"));
        QCOMPARE(PhotometricFormat::blueLightSuffix(1.0f), QStringLiteral("/RG0"));
        QCOMPARE(PhotometricFormat::blueLightSuffix(250.0f), QStringLiteral("/RG2"));
        QCOMPARE(PhotometricFormat::blueLightSuffix(400.0f), QStringLiteral("/RG2"));
        QCOMPARE(PhotometricFormat::blueLightSuffix(500.0f), QStringLiteral("/RG3"));
        QCOMPARE(PhotometricFormat::sdcmAndCct(3.456f, 4000.0f), QStringLiteral("3.46/4000.0"));
    }

    void tableAppliesSuffixesToTheDeviceWords()
    {
        MeasurementSettings::setUnit(3); // the risk group compares the raw word
        DataBuffer store;
        store.setDeviceModel(QStringLiteral("PQV-21"));
        QVector<float> words(int(store.modelInfo().plain.size()), 0.0f);
        words[36] = 3.456f;   // SDCM
        words[37] = 4000.0f;  // k
        words[38] = 123.45f;  // lux
        words[47] = 0.5f;     // Eb
        const QByteArray w = f32s(words);
        store.setPhotoResult(bytesOf(w), int(w.size()));
        QCOMPARE(resultItem(store, "lux").value("value").toString(), QStringLiteral("123.5(lx)"));
        QCOMPARE(resultItem(store, "Eb").value("value").toString(), QStringLiteral("50.0000/RG0"));
        QCOMPARE(resultItem(store, "SDCM/k").value("value").toString(), QStringLiteral("3.46/4000.0"));
        QVERIFY(resultItem(store, "SDCM").isEmpty()); // not visible
        MeasurementSettings::setUnit(0);
    }

    void melanopicCorrection_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QString>("value");
        QTest::newRow("row 1, number below its limit") << "PQV-21" << "10.00";
        QTest::newRow("row 1, number at its limit") << "BQV-211" << "2.00";
        QTest::newRow("row 2 has a higher limit") << "WQV-300" << "10.00";
        QTest::newRow("row 3 matches six characters") << "HQV-62-0031" << "10.00";
        QTest::newRow("same series, other model") << "HQV-61" << "2.00";
        QTest::newRow("not a number counts as 0") << "PQV-x1" << "10.00";
        QTest::newRow("empty second part") << "PQV--5" << "10.00";
        QTest::newRow("no second part") << "PQV21" << "2.00";
    }

    void melanopicCorrection()
    {
        QFETCH(QString, model);
        QFETCH(QString, value);
        const Context context{model, QStringLiteral("W/m^2"), 1.0};
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(46, "EML", 0.01), 2.0f, context)), value);
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(47, "M_EDI", 0.01), 2.0f, context)), value);
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(45, "GAI_BB_15", 0.01), 2.0f, context)),
                 QStringLiteral("2.00"));

        // Host-computed values ("Y" models) are never corrected.
        Context host = context;
        host.hostComputed = true;
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(46, "EML", 0.01), 2.0f, host)),
                 QStringLiteral("2.00"));
        QCOMPARE(valueOf(PhotometricFormat::formatParameter(parameter(47, "M_EDI", 0.01), 2.0f, host)),
                 QStringLiteral("2.00"));
    }

    void groupsFollowTheirFirstVisibleItem()
    {
        const Context c{QStringLiteral("PQV-21"), QStringLiteral("W/m^2"), 1.0};
        const QList<QJsonObject> items{
            PhotometricFormat::formatParameter(parameter(201, "irEe1", 0.1, true, QString(), 1), 1, c),
            PhotometricFormat::formatParameter(parameter(1, "X", 0.1, false, QString(), 0), 1, c),
            PhotometricFormat::formatParameter(parameter(2, "Y", 0.1, true, QString(), 0), 1, c),
            PhotometricFormat::formatParameter(parameter(202, "irEe2", 0.1, true, QString(), 1), 1, c),
            PhotometricFormat::formatParameter(parameter(401, "peakVal1", 0.1, false, QString(), 5), 1, c),
        };
        const QJsonArray groups = DataBuffer::groupParameters(items);
        QCOMPARE(groups.size(), 2); // group 5 has nothing visible
        QCOMPARE(groups.at(0).toObject().value("titleId").toInt(), 1);
        const QJsonArray first = groups.at(0).toObject().value("items").toArray();
        QCOMPARE(first.size(), 2);
        QCOMPARE(first.at(0).toObject().value("key").toString(), QStringLiteral("irEe1"));
        QCOMPARE(first.at(1).toObject().value("key").toString(), QStringLiteral("irEe2"));
        const QJsonArray second = groups.at(1).toObject().value("items").toArray();
        QCOMPARE(second.size(), 1);
        QCOMPARE(second.at(0).toObject().value("key").toString(), QStringLiteral("Y"));
    }

    void zeroTableOfAModel()
    {
        MeasurementSettings::setRangeEnable(true);
        DataBuffer store;
        store.setDeviceModel(QStringLiteral("PQV-24")); // SPEC_V2, BL, IR, PPFD
        const QVariantList groups = store.formattedPhotoResult();
        QStringList titles;
        for (const QVariant &g : groups)
            titles << g.toMap().value("titleId").toString();
        QCOMPARE(titles, QStringList({"0", "3", "1", "2"}));
        QCOMPARE(resultItem(store, "X").value("value").toString(), QStringLiteral("0.00"));
        QCOMPARE(resultItem(store, "SDCM/k").value("value").toString(), QStringLiteral("0.00"));
        QCOMPARE(resultItem(store, "S_BD").value("value").toString(), QStringLiteral("0"));
        QCOMPARE(resultItem(store, "Eb").value("unitLabel").toString(), QStringLiteral("W/m^2"));
        QCOMPARE(store.lastResultItems().size(), 67 + 5);

        MeasurementSettings::setRangeEnable(false);
        store.rebuildFormattedPhotoResult();
        QVERIFY(resultItem(store, "S_BD").isEmpty());
        QCOMPARE(store.lastResultItems().size(), 67 + 1);
    }
};

QTEST_GUILESS_MAIN(TestResultFormatting)
#include "tst_result_formatting.moc"
