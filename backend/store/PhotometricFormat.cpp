#include "PhotometricFormat.h"

#include "ProductRules.h"
#include "format/NumberText.h"

#include <cmath>

namespace PhotometricFormat {

namespace {

const QString kIrradianceUnit = QStringLiteral("irradiance");
constexpr int kMaxDecimals = 10;

bool isMelanopic(const QString &key)
{
    return key == QLatin1String("EML") || key == QLatin1String("M_EDI");
}

} // namespace

int decimalsForResolution(double resolution)
{
    if (!(resolution > 0.0) || !std::isfinite(resolution))
        return 0;
    // The small slack keeps 0.001 (stored a hair above 1e-3) at three decimals.
    const double decimals = std::ceil(-std::log10(resolution) - 1e-9);
    if (decimals < 0.0)
        return 0;
    return decimals > kMaxDecimals ? kMaxDecimals : int(decimals);
}

QJsonObject formatParameter(const ParameterInfo &parameter, float value, const Context &context)
{
    QJsonObject item;
    item.insert(QStringLiteral("id"), parameter.id);
    item.insert(QStringLiteral("group"), parameter.group);
    item.insert(QStringLiteral("visible"), parameter.visible);
    item.insert(QStringLiteral("key"), parameter.key);

    double factor = 1.0;
    if (parameter.unit == kIrradianceUnit) {
        item.insert(QStringLiteral("unitLabel"), context.unitLabel);
        factor = context.unitFactor;
    } else {
        item.insert(QStringLiteral("unitLabel"), QString());
    }

    if (!context.hostComputed && isMelanopic(parameter.key)
        && ProductRules::needsMelanopicCorrection(context.modelName))
        value *= ProductRules::kMelanopicCorrection;

    const float shown = value * float(factor);
    item.insert(QStringLiteral("value"), NumberText::fixed(shown, decimalsForResolution(parameter.format)));
    return item;
}

QString luxSuffix(const QString &modelName)
{
    return ProductRules::reportsLuminousFlux(modelName) ? QStringLiteral("(lm)")
                                                        : QStringLiteral("(lx)");
}

QString blueLightSuffix(float word)
{
    if (std::isnan(word))
        return QString();
    if (word <= 1.0f)
        return QStringLiteral("/RG0");
    if (word <= 400.0f)
        return QStringLiteral("/RG2");
    return QStringLiteral("/RG3");
}

QString sdcmAndCct(float sdcm, float cct)
{
    return NumberText::fixed(sdcm, 2) + QLatin1Char('/') + NumberText::fixed(cct, 1);
}

QString rangeText(float lo, float hi)
{
    return NumberText::general(lo) + QLatin1Char('-') + NumberText::general(hi);
}

QJsonArray groupParameters(const QList<QJsonObject> &items)
{
    QJsonArray groups;
    for (const QJsonObject &item : items) {
        if (!item.value(QStringLiteral("visible")).toBool())
            continue;
        const QJsonValue groupId = item.value(QStringLiteral("group"));
        bool placed = false;
        for (qsizetype g = 0; g < groups.size(); ++g) {
            QJsonObject group = groups.at(g).toObject();
            if (group.value(QStringLiteral("titleId")) == groupId) {
                QJsonArray members = group.value(QStringLiteral("items")).toArray();
                members.append(item);
                group.insert(QStringLiteral("items"), members);
                groups.replace(g, group);
                placed = true;
                break;
            }
        }
        if (!placed) {
            QJsonObject group;
            group.insert(QStringLiteral("titleId"), groupId);
            group.insert(QStringLiteral("items"), QJsonArray{item});
            groups.append(group);
        }
    }
    return groups;
}

} // namespace PhotometricFormat
