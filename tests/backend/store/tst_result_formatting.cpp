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

const Context kPlain{QStringLiteral("PQV-21"), QStringLiteral("W/m^2"), 1.0};

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

QString format(int id, const QString &key, double resolution, float value, const Context &context = kPlain)
{
    return PhotometricFormat::formatParameter(parameter(id, key, resolution), value, context)
        .value(QStringLiteral("value")).toString();
}

QString tableValue(const DataBuffer &store, const QString &key, const char *field = "value")
{
    return resultItem(store, key).value(QLatin1String(field)).toString();
}

} // namespace

class TestResultFormatting : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareStoreTests(); }
    void cleanup() { MeasurementSettings::setUnit(0); }

    void decimalsFollowTheResolution()
    {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        const QList<QPair<double, int>> cases{{0.0001, 4}, {0.001, 3}, {0.01, 2}, {0.1, 1}, {1.0, 0},
                                              {0.0, 0},    {10.0, 0},  {-0.01, 0}, {nan, 0}};
        for (const auto &c : cases)
            QVERIFY2(PhotometricFormat::decimalsForResolution(c.first) == c.second, qPrintable(QString::number(c.first)));
    }

    void valuesRoundAndShowNoValueAsNan()
    {
        QCOMPARE(format(39, "lux", 0.1, 123.45f), QStringLiteral("123.5"));
        QCOMPARE(format(4, "x", 0.0001, 0.31271f), QStringLiteral("0.3127"));
        QCOMPARE(format(10, "CCT", 1, 6503.6f), QStringLiteral("6504"));
        QCOMPARE(format(1002, "S_BD", 0, 12345.678f), QStringLiteral("12346"));
        // No group separators, a point as decimal separator, whatever the locale.
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(format(2, "Y", 0.01, 1234567.5f), QStringLiteral("1234567.50"));
        QLocale::setDefault(QLocale::c());

        const float nan = std::numeric_limits<float>::quiet_NaN();
        QCOMPARE(format(16, "Ra", 0.1, nan), QStringLiteral("nan"));
        QCOMPARE(PhotometricFormat::sdcmAndCct(nan, nan), QStringLiteral("nan/nan"));
        QCOMPARE(PhotometricFormat::blueLightSuffix(nan), QString());
    }

    void irradianceFollowsTheUnitTable()
    {
        const QList<QPair<QByteArray, QString>> units{{"W/m^2", "0.0123"}, {"mW/m^2", "12.3000"},
                                                      {"mW/cm^2", "0.0012"}, {"\xCE\xBCW/cm^2", "1.2300"}};
        for (int unit = 0; unit < units.size(); ++unit) {
            MeasurementSettings::setUnit(unit);
            DataBuffer store;
            store.setDeviceModel(QStringLiteral("PQV-21"));
            const QJsonObject ee = store.formatParameter(parameter(40, "Ee", 0.0001, true, "irradiance"), 0.0123f);
            QCOMPARE(ee.value(QStringLiteral("unitLabel")).toString().toUtf8(), units[unit].first);
            QCOMPARE(ee.value(QStringLiteral("value")).toString(), units[unit].second);
            // Other parameters carry no unit and ignore the factor.
            const QJsonObject lux = store.formatParameter(parameter(39, "lux", 0.01), 0.0123f);
            QCOMPARE(lux.value(QStringLiteral("unitLabel")).toString(), QString());
            QCOMPARE(lux.value(QStringLiteral("value")).toString(), QStringLiteral("0.01"));
        }
    }

    void suffixesOfLuxAndBlueLight()
    {
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("PQV-21")), QStringLiteral("(lx)"));
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("BQV-41-0007F")), QStringLiteral("(lm)"));
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("BQV-41-0007L")), QStringLiteral("(lx)"));
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("PQV-21-0007F")), QStringLiteral("(lx)"));
        QCOMPARE(PhotometricFormat::luxSuffix(QStringLiteral("BQV")), QStringLiteral("(lx)")); // short name
        QCOMPARE(PhotometricFormat::blueLightSuffix(1.0f), QStringLiteral("/RG0"));
        QCOMPARE(PhotometricFormat::blueLightSuffix(400.0f), QStringLiteral("/RG2"));
        QCOMPARE(PhotometricFormat::blueLightSuffix(500.0f), QStringLiteral("/RG3"));
        QCOMPARE(PhotometricFormat::sdcmAndCct(3.456f, 4000.0f), QStringLiteral("3.46/4000.0"));

        // In the table: the risk group compares the raw word, whatever the unit.
        MeasurementSettings::setUnit(3);
        DataBuffer store;
        store.setDeviceModel(QStringLiteral("PQV-21"));
        QVector<float> words(int(store.modelInfo().plain.size()), 0.0f);
        words[36] = 3.456f;  // SDCM
        words[37] = 4000.0f; // k
        words[38] = 123.45f; // lux
        words[47] = 0.5f;    // Eb
        const QByteArray w = f32s(words);
        store.setPhotoResult(bytesOf(w), int(w.size()));
        MeasurementSettings::setUnit(0); // a result keeps the unit it arrived with
        QCOMPARE(tableValue(store, "lux"), QStringLiteral("123.5(lx)"));
        QCOMPARE(tableValue(store, "Eb"), QStringLiteral("50.0000/RG0"));
        QCOMPARE(tableValue(store, "SDCM/k"), QStringLiteral("3.46/4000.0"));
        QVERIFY(resultItem(store, "SDCM").isEmpty()); // not visible
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
        QTest::newRow("no second part") << "PQV21" << "2.00";
    }

    void melanopicCorrection()
    {
        QFETCH(QString, model);
        QFETCH(QString, value);
        Context context{model, QStringLiteral("W/m^2"), 1.0};
        QCOMPARE(format(46, "EML", 0.01, 2.0f, context), value);
        QCOMPARE(format(47, "M_EDI", 0.01, 2.0f, context), value);
        QCOMPARE(format(45, "GAI_BB_15", 0.01, 2.0f, context), QStringLiteral("2.00"));
        // Host-computed values ("Y" models) are never corrected.
        context.hostComputed = true;
        QCOMPARE(format(46, "EML", 0.01, 2.0f, context), QStringLiteral("2.00"));
        QCOMPARE(format(47, "M_EDI", 0.01, 2.0f, context), QStringLiteral("2.00"));
    }

    void groupsFollowTheirFirstVisibleItem()
    {
        const auto item = [](int id, const char *key, bool visible, int group) {
            return PhotometricFormat::formatParameter(parameter(id, key, 0.1, visible, QString(), group), 1, kPlain);
        };
        const QJsonObject first = item(201, "irEe1", true, 1);
        QCOMPARE(first.keys(), QStringList({"group", "id", "key", "unitLabel", "value", "visible"}));
        const QJsonArray groups = DataBuffer::groupParameters(
            {first, item(1, "X", false, 0), item(2, "Y", true, 0), item(202, "irEe2", true, 1),
             item(401, "peakVal1", false, 5)});
        QCOMPARE(groups.size(), 2); // group 5 has nothing visible
        QCOMPARE(groups.at(0).toObject().value("titleId").toInt(), 1);
        const QJsonArray one = groups.at(0).toObject().value("items").toArray();
        QCOMPARE(one.size(), 2);
        QCOMPARE(one.at(1).toObject().value("key").toString(), QStringLiteral("irEe2"));
        const QJsonArray two = groups.at(1).toObject().value("items").toArray();
        QCOMPARE(two.size(), 1);
        QCOMPARE(two.at(0).toObject().value("key").toString(), QStringLiteral("Y"));
    }

    void zeroTableOfAModel()
    {
        MeasurementSettings::setRangeEnable(true);
        DataBuffer store;
        store.setDeviceModel(QStringLiteral("PQV-24")); // SPEC_V2, BL, IR, PPFD
        QStringList titles;
        for (const QVariant &g : store.formattedPhotoResult())
            titles << g.toMap().value("titleId").toString();
        QCOMPARE(titles, QStringList({"0", "3", "1", "2"}));
        QCOMPARE(tableValue(store, "X"), QStringLiteral("0.00"));
        QCOMPARE(tableValue(store, "SDCM/k"), QStringLiteral("0.00"));
        QCOMPARE(tableValue(store, "S_BD"), QStringLiteral("0"));
        QCOMPARE(tableValue(store, "Eb", "unitLabel"), QStringLiteral("W/m^2"));
        QCOMPARE(store.lastResultItems().size(), 67 + 5);

        MeasurementSettings::setRangeEnable(false);
        store.rebuildFormattedPhotoResult();
        QVERIFY(resultItem(store, "S_BD").isEmpty());
        QCOMPARE(store.lastResultItems().size(), 67 + 1);
    }
};

QTEST_GUILESS_MAIN(TestResultFormatting)
#include "tst_result_formatting.moc"
