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
        for (const auto &entry : expected) {
            const QList<ParameterInfo> &list = parameterList(entry.first);
            QVERIFY2(list.size() == entry.second.first, qPrintable(entry.first));
            for (const ParameterInfo &p : list)
                QVERIFY2(p.group == entry.second.second, qPrintable(entry.first + " " + p.key));
        }
    }

    void baseArraysLineUpWithThePayload()
    {
        for (const char *module : {"spectroscopic", "SPEC_V2", "SPEC_V2_Y"}) {
            const QList<ParameterInfo> &list = parameterList(module);
            QList<ParameterInfo> plain;
            int calculated = 0;
            for (const ParameterInfo &p : list) {
                if (p.isCalculated)
                    ++calculated;
                else
                    plain << p;
            }
            QCOMPARE(calculated, 5);
            QCOMPARE(plain.size(), 47);
            QCOMPARE(plain[36].key, QStringLiteral("SDCM"));
            QCOMPARE(plain[37].key, QStringLiteral("k"));
            QCOMPARE(plain[0].key, QStringLiteral("X"));
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
        QVERIFY(!findId(parameterList("SPEC_V2"), 11));
    }

    void yModulesGiveTheSixtyFourHostComputedValues()
    {
        QList<ParameterInfo> plain;
        for (const char *module : {"SPEC_V2_Y", "BL_Y", "PPFD_Y"}) {
            for (const ParameterInfo &p : parameterList(module)) {
                if (!p.isCalculated)
                    plain << p;
            }
        }
        QCOMPARE(plain.size(), 64);
        QCOMPARE(plain[10].key, QStringLiteral("Nit"));
        QCOMPARE(plain[47].id, 101);
        QCOMPARE(plain[51].key, QStringLiteral("Eb"));
        QCOMPARE(plain[63].key, QStringLiteral("YPFD"));

        QList<int> visiblePlant;
        for (const ParameterInfo &p : parameterList("PPFD_Y")) {
            if (p.visible)
                visiblePlant << p.id;
        }
        QCOMPARE(visiblePlant, QList<int>({301, 308}));
        int visibleBase = 0;
        for (const ParameterInfo &p : parameterList("SPEC_V2_Y"))
            visibleBase += p.visible ? 1 : 0;
        QCOMPARE(visibleBase, 52 - 3 - 4 - 3 - 15 - 7);
    }

    void irradianceUnitsAndLabels()
    {
        QSet<int> irradiance;
        for (const QString &module : parameterModuleNames()) {
            for (const ParameterInfo &p : parameterList(module)) {
                QVERIFY2(!p.label.isEmpty(), qPrintable(p.key));
                QVERIFY(p.unit.isEmpty() || p.unit == QLatin1String("irradiance"));
                if (!p.unit.isEmpty())
                    irradiance.insert(p.id);
            }
        }
        QCOMPARE(irradiance, QSet<int>({40, 1003, 101, 201, 202, 203, 301, 302, 303, 304, 305, 306}));
        for (const ParameterInfo &p : parameterList("PEAK"))
            QVERIFY(!p.visible);
        for (const ParameterInfo &p : parameterList("PPFD"))
            QVERIFY(p.visible);
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
        }
    }

    void everyCodeResolvesToItself()
    {
        for (const DeviceModelInfo &m : deviceModelList()) {
            QCOMPARE(findModelInfo(m.model).model, m.model);
            QCOMPARE(findModelInfo(m.model + "#SN0042").model, m.model);
        }
        QCOMPARE(findModelInfo("no such model").model, QStringLiteral("DEFAULT"));
    }

    void modelFamilies()
    {
        int y = 0, t = 0, w = 0, spectroscopic = 0, v2 = 0, v2WithRatios = 0, v2WithoutPhotometry = 0;
        for (const DeviceModelInfo &m : deviceModelList()) {
            const QChar first = m.model.at(0);
            if (first == 'Y') {
                ++y;
                QCOMPARE(m.modules, QStringList({"SPEC_V2_Y", "BL_Y", "PPFD_Y"}));
                QCOMPARE(m.plain.size(), 64);
                QVERIFY(feature(m, "spectrum") && feature(m, "photometry") && !feature(m, "reflectance"));
            } else if (first == 'T') {
                ++t;
                QVERIFY(m.modules.isEmpty());
                QVERIFY(feature(m, "spectrum") && feature(m, "absorbance")
                        && feature(m, "transmittance") && feature(m, "reflectance"));
                QVERIFY(!feature(m, "photometry"));
            } else if (first == 'W') {
                ++w;
                QCOMPARE(m.modules, QStringList({"SPEC_V2"}));
                QVERIFY(feature(m, "raman") && !feature(m, "spectrum"));
            } else if (m.modules.value(0) == QLatin1String("spectroscopic")) {
                ++spectroscopic;
                QCOMPARE(first, QChar('P'));
                QCOMPARE(m.modules, QStringList({"spectroscopic", "TM30"}));
                QVERIFY(m.hasTm30 && feature(m, "photometry"));
            } else if (m.modules.value(0) == QLatin1String("SPEC_V2")) {
                ++v2;
                QVERIFY(first == 'P' || first == 'B' || first == 'H');
                QVERIFY(feature(m, "spectrum") && !feature(m, "raman"));
                QVERIFY(m.modules.size() > 1);
                v2WithRatios += feature(m, "absorbance") ? 1 : 0;
                QCOMPARE(feature(m, "transmittance"), feature(m, "absorbance"));
                QCOMPARE(feature(m, "reflectance"), feature(m, "absorbance"));
                v2WithoutPhotometry += feature(m, "photometry") ? 0 : 1;
            }
        }
        QCOMPARE(y, 4);
        QCOMPARE(t, 6);
        QCOMPARE(w, 1);
        QCOMPARE(spectroscopic, 2);
        QCOMPARE(v2, 30);
        QCOMPARE(v2WithRatios, 18);
        QCOMPARE(v2WithoutPhotometry, 1);
    }
};

QTEST_GUILESS_MAIN(TestShippedCatalogues)
#include "tst_shipped_catalogues.moc"
