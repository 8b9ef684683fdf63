#include "ReportChartImages.h"

#include "output/ChartImageSource.h"
#include "scene/QmlScene.h"

#include <QDir>
#include <QFile>
#include <QQmlApplicationEngine>

ReportChartImages::ReportChartImages(QQmlApplicationEngine *engine) : m_engine(engine) {}

QImage ReportChartImages::load(const QString &objectName)
{
    if (!m_folder.isValid())
        return {};
    auto *chart = qobject_cast<ChartImageSource *>(QmlScene::find(m_engine, objectName));
    if (!chart)
        return {};
    const QString path = QDir(m_folder.path()).filePath(objectName + QStringLiteral(".jpg"));
    // A file left by an earlier request must not stand in for a failed save.
    QFile::remove(path);
    if (!chart->saveChartImage(path))
        return {};
    return QImage(path);
}
