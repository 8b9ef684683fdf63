// Loading catalogues from files and resolving device-model names, on small fixtures and on
// the catalogues compiled into the program.
#include "catalog/ParameterCatalog.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

const char kFixtureParameters[] = R"({
    "SPEC_V2": [
        {"id": 1, "key": "X", "format": 0.01, "label": "X值", "visible": true, "isCalculated": false},
        "not an object",
        {"id": 1001, "key": "SDCM/k", "format": 0.01, "visible": true, "isCalculated": true},
        {"id": 1002, "key": "S_BD", "visible": true, "isCalculated": true},
        {"id": 40, "key": "Ee", "format": 0.0001, "visible": false, "unit": "irradiance"}
    ],
    "BL": [{"id": 101, "key": "Eb", "format": 0.0001, "visible": true, "unit": "irradiance"}],
    "IR": [{"id": 201, "key": "irEe1"}, 17, {"id": 202, "key": "irEe2"}],
    "PEAK": [{"id": 401, "key": "peakVal1"}]
})";

const char kFixtureModels[] = R"([
    {"model": "", "modules": ["SPEC_V2"], "function": {"spectrum": true}},
    {"model": "AB1", "modules": ["SPEC_V2", 7, "BL", "NOPE", "TM30"],
     "function": {"spectrum": true, "photometry": true}},
    "not an object",
    {"model": "AB", "modules": ["IR", "FLICKER", "CIE2015", "tm30"], "function": {"raman": true}},
    {"model": "DEFAULT", "modules": [], "function": {"spectrum": false}},
    {"model": "CD", "modules": ["PEAK"], "function": {}}
])";

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &content)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

QStringList keys(const QList<ParameterInfo> &list)
{
    QStringList out;
    for (const ParameterInfo &p : list)
        out << p.key;
    return out;
}

bool feature(const DeviceModelInfo &info, const char *key)
{
    return info.function.value(QLatin1String(key)).toBool();
}

} // namespace

class TestModelResolution : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_parameters;
    QString m_models;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_parameters = writeFile(m_dir, "parameters.json", kFixtureParameters);
        m_models = writeFile(m_dir, "model.json", kFixtureModels);
        QVERIFY(!m_parameters.isEmpty() && !m_models.isEmpty());
    }

    void init() { loadParameterTables(m_parameters, m_models); }

    // Fields, defaults, groups from the array and lists built from modules, as read back.
    void catalogueParsing_data()
    {
        QTest::addColumn<QVariant>("actual");
        QTest::addColumn<QVariant>("expected");
        loadParameterTables(m_parameters, m_models);
        const QList<ParameterInfo> &v2 = parameterList("SPEC_V2");
        const DeviceModelInfo ab1 = findModelInfo("AB1"), ab = findModelInfo("AB"), fallback = findModelInfo("unknown");
        const auto row = [](const char *name, const QVariant &actual, const QVariant &expected) {
            QTest::newRow(name) << actual << expected;
        };
        row("records, the string skipped", keys(v2), QStringList({"X", "SDCM/k", "S_BD", "Ee"}));
        row("fields", QVariantList{v2[0].id, v2[0].format, v2[0].label, v2[0].visible, v2[0].isCalculated, v2[0].unit},
            QVariantList{1, 0.01, QString::fromUtf8("X值"), true, false, QString()});
        row("no format key, calculated", QVariantList{v2[2].format, v2[2].isCalculated}, QVariantList{0.0, true});
        row("no isCalculated key", QVariantList{v2[3].visible, v2[3].isCalculated, v2[3].unit}, QVariantList{false, false, "irradiance"});
        row("group from the array", QVariantList{v2[0].group, parameterList("BL").value(0).group, parameterList("IR").value(1).group,
                                                 parameterList("PEAK").value(0).group}, QVariantList{0, 3, 1, 5});
        row("non-objects skipped", keys(parameterList("IR")), QStringList({"irEe1", "irEe2"}));
        row("absent member and flag modules", parameterList("PPFD").size() + parameterList("TM30").size(), 0);
        // The number is not listed; the unknown name is listed but adds nothing.
        row("AB1 modules", ab1.modules, QStringList({"SPEC_V2", "BL", "NOPE", "TM30"}));
        row("AB1 all", keys(ab1.all), QStringList({"X", "SDCM/k", "S_BD", "Ee", "Eb"}));
        row("AB1 calculated", keys(ab1.calculated), QStringList({"SDCM/k", "S_BD"}));
        row("AB1 plain", keys(ab1.plain), QStringList({"X", "Ee", "Eb"}));
        row("flags of AB1", QVariantList{ab1.hasTm30, ab1.hasFlicker, ab1.hasCie2015}, QVariantList{true, false, false});
        row("function", QVariantList{ab1.function.value("photometry"), ab1.function.contains("raman")}, QVariantList{true, false});
        // Module names are case-sensitive.
        row("flags of AB", QVariantList{ab.hasTm30, ab.hasFlicker, ab.hasCie2015}, QVariantList{false, true, true});
        row("fallback", QVariantList{fallback.model, fallback.all.size(), fallback.hasTm30, fallback.function.value("spectrum")},
            QVariantList{"DEFAULT", 0, false, false});
    }

    void catalogueParsing()
    {
        QFETCH(QVariant, actual);
        QFETCH(QVariant, expected);
        QCOMPARE(actual, expected);
    }

    void namesResolveToTheFirstPrefixInFileOrder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("model");
        QTest::newRow("exact code") << "AB1" << "AB1";
        QTest::newRow("code with serial suffix") << "AB1-00042" << "AB1";
        QTest::newRow("shorter code after a longer one") << "AB9" << "AB";
        QTest::newRow("record after DEFAULT still matches") << "CD 7" << "CD";
        QTest::newRow("unknown name") << "ZZ" << "DEFAULT";
        QTest::newRow("empty name") << "" << "DEFAULT";
        QTest::newRow("prefix is case-sensitive") << "ab1" << "DEFAULT";
        QTest::newRow("name shorter than a code") << "A" << "DEFAULT";
    }

    void namesResolveToTheFirstPrefixInFileOrder()
    {
        QFETCH(QString, name);
        QFETCH(QString, model);
        QCOMPARE(findModelInfo(name).model, model);
    }

    void everyRecordIsKeptInFileOrderOnce()
    {
        loadParameterTables(m_parameters, m_models); // a reload replaces, never duplicates
        QVERIFY(deviceModelList().size() == 6 && parameterList("SPEC_V2").size() == 4 && findModelInfo("AB1").all.size() == 5);

        // Without "DEFAULT" an unknown name gets an empty record.
        loadParameterTables(m_parameters, writeFile(m_dir, "nodefault.json", R"([{"model": "AB", "modules": ["BL"]}])"));
        const DeviceModelInfo info = findModelInfo("XY");
        QVERIFY(info.model.isEmpty() && info.modules.isEmpty() && info.all.isEmpty() && info.function.isEmpty());
        QCOMPARE(findModelInfo("AB").plain.size(), 1);
    }

    void missingOrBrokenFilesLoadWhatTheyCan()
    {
        // No parameter file: neither catalogue is read.
        loadParameterTables(m_dir.filePath("absent.json"), m_models);
        for (const QString &module : parameterModuleNames())
            QVERIFY(parameterList(module).isEmpty());
        QVERIFY(deviceModelList().isEmpty());
        QVERIFY(findModelInfo("AB1").model.isEmpty());

        // A broken parameter file: models still read, without parameters.
        loadParameterTables(writeFile(m_dir, "broken.json", R"({"SPEC_V2": [ {"id": 1,)"), m_models);
        QVERIFY(parameterList("SPEC_V2").isEmpty());
        const DeviceModelInfo ab1 = findModelInfo("AB1-1");
        QCOMPARE(ab1.model, QStringLiteral("AB1"));
        QVERIFY(ab1.all.isEmpty() && ab1.hasTm30);

        // A missing model file, or one that is not an array: parameters only.
        loadParameterTables(m_parameters, m_dir.filePath("absent.json"));
        QCOMPARE(parameterList("SPEC_V2").size(), 4);
        QVERIFY(deviceModelList().isEmpty());
        QVERIFY(findModelInfo("DEFAULT").model.isEmpty());
        loadParameterTables(m_parameters, writeFile(m_dir, "object.json", R"({"model": "AB"})"));
        QVERIFY(deviceModelList().isEmpty());
    }
    // No code hides a later one, and every module a model names exists.
    void shippedModelCatalogueShape()
    {
        loadParameterTables();
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

QTEST_GUILESS_MAIN(TestModelResolution)
#include "tst_model_resolution.moc"
