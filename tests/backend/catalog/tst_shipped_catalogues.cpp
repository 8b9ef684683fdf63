// The catalogues compiled into the program, read through the start-up loader.
#include "catalog/ParameterCatalog.h"

#include <QSet>
#include <QtTest>

namespace {

const QStringList kFeatureKeys = {"spectrum", "photometry", "absorbance", "transmittance",
                                  "raman", "reflectance", "image"};

bool feature(const DeviceModelInfo &info, const char *key)
{
    return info.function.value(QLatin1String(key)).toBool();
}

const ParameterInfo *findId(const QList<ParameterInfo> &list, int id)
{
    for (const ParameterInfo &p : list) {
        if (p.id == id)
            return &p;
    }
    return nullptr;
}

QList<ParameterInfo> plainOf(std::initializer_list<const char *> modules)
{
    QList<ParameterInfo> plain;
    for (const char *module : modules) {
        for (const ParameterInfo &p : parameterList(module)) {
            if (!p.isCalculated)
                plain << p;
        }
    }
    return plain;
}

} // namespace

class TestShippedCatalogues : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { loadParameterTables(); }

    void parameterModulesHaveTheirSizesAndGroups()
    {
        const QList<QPair<QString, QPair<int, int>>> expected = {
            {"spectroscopic", {52, 0}}, {"SPEC_V2", {52, 0}}, {"SPEC_V2_Y", {52, 0}},
            {"BL_Y", {1, 3}}, {"PPFD_Y", {16, 2}}, {"BL", {1, 3}}, {"IR", {3, 1}},
            {"PPFD", {16, 2}}, {"PEAK", {18, 5}}};
        QCOMPARE(parameterModuleNames().size(), expected.size());
        QSet<int> irradiance;
        for (const auto &entry : expected) {
            const QList<ParameterInfo> &list = parameterList(entry.first);
            QVERIFY2(list.size() == entry.second.first, qPrintable(entry.first));
            for (const ParameterInfo &p : list) {
                QVERIFY2(p.group == entry.second.second && !p.label.isEmpty(), qPrintable(entry.first + " " + p.key));
                QVERIFY(p.unit.isEmpty() || p.unit == QLatin1String("irradiance"));
                if (!p.unit.isEmpty())
                    irradiance.insert(p.id);
            }
        }
        QCOMPARE(irradiance, QSet<int>({40, 1003, 101, 201, 202, 203, 301, 302, 303, 304, 305, 306}));
    }

    void wordArraysLineUpWithThePayload()
    {
        for (const char *module : {"spectroscopic", "SPEC_V2", "SPEC_V2_Y"}) {
            const QList<ParameterInfo> &list = parameterList(module);
            const QList<ParameterInfo> plain = plainOf({module});
            QCOMPARE(list.size() - plain.size(), 5);
            QCOMPARE(plain.size(), 47);
            QCOMPARE(plain[0].key, QStringLiteral("X"));
            QCOMPARE(plain[36].key, QStringLiteral("SDCM"));
            QCOMPARE(plain[37].key, QStringLiteral("k"));
            QCOMPARE(plain[46].key, QStringLiteral("M_EDI"));
            QCOMPARE(plain[10].id, QByteArray(module) == "spectroscopic" ? 11 : 48);
            QVERIFY(!plain[36].visible && !plain[37].visible);
            QCOMPARE(list.last().key, QStringLiteral("S_HW"));
            QCOMPARE(findId(list, 1002)->format, 0.0);
            QCOMPARE(findId(list, 10)->format, 1.0);
            QCOMPARE(findId(list, 4)->format, 0.0001);
        }
        QVERIFY(!findId(parameterList("SPEC_V2"), 48)->visible);
        QVERIFY(findId(parameterList("spectroscopic"), 11)->visible);

        // "Y" models: the 64 host-computed values in the light-metrics order.
        const QList<ParameterInfo> y = plainOf({"SPEC_V2_Y", "BL_Y", "PPFD_Y"});
        QCOMPARE(y.size(), 64);
        QCOMPARE(y[10].key, QStringLiteral("Nit"));
        QCOMPARE(y[47].id, 101);
        QCOMPARE(y[51].key, QStringLiteral("Eb"));
        QCOMPARE(y[63].key, QStringLiteral("YPFD"));
    }

    void modelCatalogueShape()
    {
        const QList<DeviceModelInfo> &models = deviceModelList();
        QCOMPARE(models.size(), 44);
        const DeviceModelInfo &fallback = models.last();
        QCOMPARE(fallback.model, QStringLiteral("DEFAULT"));
        QVERIFY(fallback.modules.isEmpty());
        QCOMPARE(fallback.function.keys().size(), kFeatureKeys.size());
        for (const QString &key : kFeatureKeys)
            QCOMPARE(fallback.function.value(key), QVariant(false));

        const QStringList known = parameterModuleNames() + QStringList{"FLICKER", "CIE2015", "TM30"};
        for (const DeviceModelInfo &m : models) {
            QVERIFY(!m.model.isEmpty());
            QVERIFY2(!feature(m, "image"), qPrintable(m.model));
            QVERIFY2(!m.modules.contains("PEAK"), qPrintable(m.model));
            for (const QString &module : m.modules)
                QVERIFY2(known.contains(module), qPrintable(m.model + " " + module));
            for (const DeviceModelInfo &other : models) {
                QVERIFY2(&m == &other || !other.model.startsWith(m.model),
                         qPrintable(m.model + " is a prefix of " + other.model));
            }
            QCOMPARE(findModelInfo(m.model + "#SN0042").model, m.model);
        }
    }

    void modelFamilies()
    {
        QMap<QString, int> families;
        int v2WithRatios = 0, v2WithoutPhotometry = 0;
        for (const DeviceModelInfo &m : deviceModelList()) {
            const QChar first = m.model.at(0);
            const bool ratios = feature(m, "absorbance");
            QCOMPARE(feature(m, "transmittance"), ratios);
            QCOMPARE(feature(m, "reflectance"), ratios);
            if (first == 'Y') {
                QCOMPARE(m.modules, QStringList({"SPEC_V2_Y", "BL_Y", "PPFD_Y"}));
                QCOMPARE(m.plain.size(), 64);
                QVERIFY(feature(m, "spectrum") && feature(m, "photometry") && !ratios);
            } else if (first == 'T') {
                QVERIFY(m.modules.isEmpty() && feature(m, "spectrum") && ratios && !feature(m, "photometry"));
            } else if (first == 'W') {
                QCOMPARE(m.modules, QStringList({"SPEC_V2"}));
                QVERIFY(feature(m, "raman") && !feature(m, "spectrum"));
            } else if (m.modules.value(0) == QLatin1String("spectroscopic")) {
                QCOMPARE(first, QChar('P'));
                QCOMPARE(m.modules, QStringList({"spectroscopic", "TM30"}));
                QVERIFY(m.hasTm30 && feature(m, "photometry"));
            } else if (m.modules.value(0) == QLatin1String("SPEC_V2")) {
                QVERIFY(first == 'P' || first == 'B' || first == 'H');
                QVERIFY(feature(m, "spectrum") && !feature(m, "raman") && m.modules.size() > 1);
                v2WithRatios += ratios ? 1 : 0;
                v2WithoutPhotometry += feature(m, "photometry") ? 0 : 1;
            } else {
                continue;
            }
            ++families[first == 'Y' || first == 'T' || first == 'W' ? QString(first) : m.modules.value(0)];
        }
        const QMap<QString, int> expected{{"Y", 4}, {"T", 6}, {"W", 1}, {"spectroscopic", 2}, {"SPEC_V2", 30}};
        QCOMPARE(families, expected);
        QCOMPARE(v2WithRatios, 18);
        QCOMPARE(v2WithoutPhotometry, 1);
    }
};

QTEST_GUILESS_MAIN(TestShippedCatalogues)
#include "tst_shipped_catalogues.moc"
