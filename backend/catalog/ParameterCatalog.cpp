#include "ParameterCatalog.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace {

struct ModuleSpec {
    const char *name;
    int group;
};

// Catalogue order and the result-table group each module's records receive.
constexpr std::array<ModuleSpec, 9> kModules{{
    {"spectroscopic", 0}, {"SPEC_V2", 0}, {"SPEC_V2_Y", 0}, {"BL_Y", 3}, {"PPFD_Y", 2},
    {"BL", 3}, {"IR", 1}, {"PPFD", 2}, {"PEAK", 5},
}};

struct Tables {
    std::array<QList<ParameterInfo>, kModules.size()> parameters;
    QList<DeviceModelInfo> models;
};

Tables &tables()
{
    static Tables instance;
    return instance;
}

int moduleIndex(const QString &module)
{
    for (size_t i = 0; i < kModules.size(); ++i) {
        if (module == QLatin1String(kModules[i].name))
            return int(i);
    }
    return -1;
}

bool readJson(const QString &path, QJsonDocument &document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    document = QJsonDocument::fromJson(file.readAll());
    return true;
}

DeviceModelInfo parseModel(const QJsonObject &object)
{
    DeviceModelInfo info;
    info.model = object.value(QStringLiteral("model")).toString();
    const QJsonArray modules = object.value(QStringLiteral("modules")).toArray();
    for (const QJsonValue &module : modules) {
        if (!module.isString())
            continue;
        info.modules.append(module.toString());
        applyModule(info, module.toString());
    }
    for (const ParameterInfo &parameter : qAsConst(info.all))
        (parameter.isCalculated ? info.calculated : info.plain).append(parameter);
    info.function = object.value(QStringLiteral("function")).toObject().toVariantMap();
    return info;
}

} // namespace

void parseParameterArray(QList<ParameterInfo> &target, const QJsonArray &array, int group)
{
    for (const QJsonValue &element : array) {
        if (!element.isObject())
            continue;
        const QJsonObject object = element.toObject();
        ParameterInfo info;
        info.id = object.value(QStringLiteral("id")).toInt();
        info.group = group;
        info.key = object.value(QStringLiteral("key")).toString();
        info.format = object.value(QStringLiteral("format")).toDouble();
        info.label = object.value(QStringLiteral("label")).toString();
        info.visible = object.value(QStringLiteral("visible")).toBool();
        info.isCalculated = object.value(QStringLiteral("isCalculated")).toBool();
        info.unit = object.value(QStringLiteral("unit")).toString();
        target.append(info);
    }
}

void applyModule(DeviceModelInfo &info, const QString &module)
{
    const int index = moduleIndex(module);
    if (index >= 0)
        info.all.append(tables().parameters[size_t(index)]);
    else if (module == QLatin1String("FLICKER"))
        info.hasFlicker = true;
    else if (module == QLatin1String("CIE2015"))
        info.hasCie2015 = true;
    else if (module == QLatin1String("TM30"))
        info.hasTm30 = true;
}

void loadParameterTables()
{
    loadParameterTables(QStringLiteral(":/parameters.json"), QStringLiteral(":/model.json"));
}

void loadParameterTables(const QString &parametersPath, const QString &modelPath)
{
    // Start from empty lists so a second load never duplicates records.
    Tables &t = tables();
    for (QList<ParameterInfo> &list : t.parameters)
        list.clear();
    t.models.clear();

    QJsonDocument document;
    if (!readJson(parametersPath, document))
        return;
    const QJsonObject parameters = document.object();
    for (size_t i = 0; i < kModules.size(); ++i) {
        parseParameterArray(t.parameters[i],
                            parameters.value(QLatin1String(kModules[i].name)).toArray(),
                            kModules[i].group);
    }

    if (!readJson(modelPath, document))
        return;
    const QJsonArray models = document.array();
    for (const QJsonValue &element : models)
        t.models.append(parseModel(element.toObject()));
}

DeviceModelInfo findModelInfo(const QString &name)
{
    DeviceModelInfo fallback;
    for (const DeviceModelInfo &info : qAsConst(tables().models)) {
        // An empty code is a prefix of every name; it must not capture them all.
        if (!info.model.isEmpty() && name.startsWith(info.model))
            return info;
        if (info.model == QLatin1String("DEFAULT"))
            fallback = info;
    }
    return fallback;
}

const QStringList &parameterModuleNames()
{
    static const QStringList names = [] {
        QStringList list;
        for (const ModuleSpec &spec : kModules)
            list.append(QLatin1String(spec.name));
        return list;
    }();
    return names;
}

const QList<ParameterInfo> &parameterList(const QString &module)
{
    static const QList<ParameterInfo> empty;
    const int index = moduleIndex(module);
    return index >= 0 ? tables().parameters[size_t(index)] : empty;
}

const QList<DeviceModelInfo> &deviceModelList() { return tables().models; }
