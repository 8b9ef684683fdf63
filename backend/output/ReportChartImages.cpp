#include "ReportChartImages.h"

#include "scene/QmlScene.h"

#include <QCoreApplication>
#include <QQmlApplicationEngine>

namespace {

struct ChartName {
    const char *objectName;
    const char *name; // words through the catalogues, the diagrams' names as they stand
    bool translated;
};

const ChartName kChartNames[] = {
    {"chartPureSpectrum", QT_TRANSLATE_NOOP("SaveService", "Spectrum"), true},
    {"chartSpectrogram", QT_TRANSLATE_NOOP("SaveService", "Spectrum"), true},
    {"chartDualSpectrum", QT_TRANSLATE_NOOP("SaveService", "Sample and reference spectra"), true},
    {"chartAbsorbance", QT_TRANSLATE_NOOP("SaveService", "Absorbance"), true},
    {"chartTransmittance", QT_TRANSLATE_NOOP("SaveService", "Transmittance"), true},
    {"chartReflectance", QT_TRANSLATE_NOOP("SaveService", "Reflectance"), true},
    {"chartRaman", QT_TRANSLATE_NOOP("SaveService", "Raman spectrum"), true},
    {"chartFlicker", QT_TRANSLATE_NOOP("SaveService", "Flicker"), true},
    {"chartCie1931", "CIE 1931", false},
    {"chartCie1960", "CIE 1960", false},
    {"chartCie1976", "CIE 1976", false},
    {"chartCri1", "CRI 1", false},
    {"chartCri2", "CRI 2", false},
};

// The chart as the person knows it.
QString shownName(const QString &objectName)
{
    for (const ChartName &chart : kChartNames) {
        if (objectName == QLatin1String(chart.objectName))
            return chart.translated ? QCoreApplication::translate("SaveService", chart.name)
                                    : QString::fromLatin1(chart.name);
    }
    return objectName;
}

} // namespace

ReportChartImages::ReportChartImages(QQmlApplicationEngine *engine) : m_engine(engine) {}

QImage ReportChartImages::load(const QString &objectName)
{
    auto *chart = qobject_cast<ChartImageSource *>(QmlScene::find(m_engine, objectName));
    if (!chart)
        return {};
    const ChartImageSource::Picture picture = chart->chartPicture();
    switch (picture.problem) {
    case ChartImageSource::Problem::None:
        break;
    case ChartImageSource::Problem::NotDrawnYet:
        m_notDrawnYet << shownName(objectName);
        break;
    case ChartImageSource::Problem::OutOfMemory:
        m_outOfMemory << shownName(objectName);
        break;
    }
    return picture.image;
}

QString ReportChartImages::missingCharts() const
{
    QStringList lines;
    if (!m_notDrawnYet.isEmpty())
        lines << QCoreApplication::translate("SaveService", "Missing from the report (not yet drawn on screen): %1")
                     .arg(m_notDrawnYet.join(QStringLiteral(", ")));
    if (!m_outOfMemory.isEmpty())
        lines << QCoreApplication::translate("SaveService", "Missing from the report (not enough memory to draw them): %1")
                     .arg(m_outOfMemory.join(QStringLiteral(", ")));
    return lines.join(QLatin1Char('\n'));
}
