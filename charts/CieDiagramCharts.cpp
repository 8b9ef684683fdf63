// The three CIE diagram charts: picture, ranges, words and reference curve of each.
#include "ChartCie1931.h"
#include "ChartCie1960.h"
#include "ChartCie1976.h"

#include "PlanckianLocus.h"

namespace {

constexpr int kLocusPoints = 100;

QList<QPointF> planckianLocus(spectral::Chromaticity (*convert)(spectral::Chromaticity))
{
    // Solving for 100 temperatures takes a while; every chart shares one solution.
    static const std::vector<spectral::Chromaticity> locus = spectral::planckianLocusByX(kLocusPoints);
    QList<QPointF> points;
    for (const spectral::Chromaticity &xy : locus) {
        const spectral::Chromaticity c = convert ? convert(xy) : xy;
        points.append(QPointF(c.x, c.y));
    }
    return points;
}

// The Planckian locus in u, v from 1000 K towards infinite temperature.
const QList<QPointF> kLocus1960 = {
    {0.44757, 0.35462}, {0.40798, 0.35974}, {0.36932, 0.36142}, {0.33458, 0.36109}, {0.30501, 0.35921},
    {0.28669, 0.35649}, {0.2715, 0.35243},  {0.25997, 0.34988}, {0.25055, 0.34685}, {0.23602, 0.34111},
    {0.22511, 0.33446}, {0.21703, 0.32882}, {0.21142, 0.32381}, {0.20577, 0.31885}, {0.20176, 0.31558},
    {0.19827, 0.31215}, {0.19462, 0.30906}, {0.19176, 0.30635}, {0.1892, 0.30386},  {0.18507, 0.29969},
    {0.18133, 0.29614}, {0.17646, 0.29124}, {0.17066, 0.28481}, {0.16568, 0.27926}, {0.16279, 0.27598},
};

QCPScatterStyle smallDisc()
{
    return QCPScatterStyle(QCPScatterStyle::ssDisc, 4);
}

} // namespace

ChartCie1931::ChartCie1931(QQuickItem *parent)
    : CieDiagramChart({QStringLiteral(":/App/chart/images/cie1931.png"), 0.8, 0.9, 3, 4, QStringLiteral("x: "),
                       QStringLiteral("y: "), planckianLocus(nullptr), QPen(Qt::NoPen), 4, smallDisc()},
                      parent)
{
}

ChartCie1960::ChartCie1960(QQuickItem *parent)
    : CieDiagramChart({QStringLiteral(":/App/chart/images/cie1960.png"), 0.7, 0.6, 5, 6, QStringLiteral("u: "),
                       QStringLiteral("v: "), kLocus1960, QPen(QBrush(QColor(50, 50, 50, 200)), 2), 6,
                       QCPScatterStyle(QCPScatterStyle::ssDisc, QColor(Qt::black), QColor(Qt::white), 6)},
                      parent)
{
}

ChartCie1976::ChartCie1976(QQuickItem *parent)
    : CieDiagramChart({QStringLiteral(":/App/chart/images/cie1976.png"), 0.65, 0.6, 7, 8,
                       QStringLiteral("u': "), QStringLiteral("v': "), planckianLocus(spectral::toCie1976),
                       QPen(Qt::NoPen), 4, smallDisc()},
                      parent)
{
}
