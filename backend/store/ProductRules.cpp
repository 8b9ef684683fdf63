#include "ProductRules.h"

#include <QStringList>

namespace ProductRules {

namespace {

// Product data: the series whose lux word may be a flux, and where its flag sits.
const QString kLuminousFluxSeries = QStringLiteral("BQ");
constexpr int kLuminousFluxFlagIndex = 11;

struct MelanopicRow {
    QStringList prefixes;
    int limit;
};

// Product data: name prefixes and the model-number limit below which the correction holds.
const MelanopicRow kMelanopicRows[] = {
    {{QStringLiteral("PQV"), QStringLiteral("BQV")}, 211},
    {{QStringLiteral("WQV"), QStringLiteral("YQV")}, 432},
    {{QStringLiteral("HQV-62")}, 211},
};

} // namespace

bool reportsLuminousFlux(const QString &modelName)
{
    return modelName.startsWith(kLuminousFluxSeries) && modelName.size() > kLuminousFluxFlagIndex
        && modelName.at(kLuminousFluxFlagIndex) == QLatin1Char('F');
}

bool needsMelanopicCorrection(const QString &modelName)
{
    const QStringList parts = modelName.split(QLatin1Char('-'), Qt::KeepEmptyParts);
    if (parts.size() < 2)
        return false;
    bool ok = false;
    int number = parts.at(1).toInt(&ok, 10);
    if (!ok)
        number = 0;
    for (const MelanopicRow &row : kMelanopicRows) {
        for (const QString &prefix : row.prefixes) {
            if (modelName.startsWith(prefix))
                return number < row.limit;
        }
    }
    return false;
}

} // namespace ProductRules
