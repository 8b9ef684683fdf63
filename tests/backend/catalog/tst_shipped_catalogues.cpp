// The catalogues compiled into the program, read through the start-up loader.
#include "catalog/ParameterCatalog.h"

#include <QtTest>

namespace {

bool feature(const DeviceModelInfo &info, const char *key)
{
    return info.function.value(QLatin1String(key)).toBool();
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

    // The plain (device-sent) parameters line up with the payload's words.
    void wordArraysLineUpWithThePayload()
    {
        for (const char *module : {"spectroscopic", "SPEC_V2", "SPEC_V2_Y"}) {
            const QList<ParameterInfo> plain = plainOf({module});
            QCOMPARE(plain.size(), 47);
            QCOMPARE(plain[37].key, QStringLiteral("k"));
            QCOMPARE(plain[46].key, QStringLiteral("M_EDI"));
        }
        // "Y" models: the 64 host-computed values in the light-metrics order.
        const QList<ParameterInfo> y = plainOf({"SPEC_V2_Y", "BL_Y", "PPFD_Y"});
        QCOMPARE(y.size(), 64);
        QCOMPARE(y[10].key, QStringLiteral("Nit"));
        QCOMPARE(y[45].key, QStringLiteral("EML"));
        QCOMPARE(y[51].key, QStringLiteral("Eb"));
        QCOMPARE(y[63].key, QStringLiteral("YPFD"));
    }

    // No code hides a later one, and every module a model names exists.
    void modelCatalogueShape()
    {
        const QList<DeviceModelInfo> &models = deviceModelList();
        QCOMPARE(models.last().model, QStringLiteral("DEFAULT"));
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
};

QTEST_GUILESS_MAIN(TestShippedCatalogues)
#include "tst_shipped_catalogues.moc"
