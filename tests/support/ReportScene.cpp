#include "ReportScene.h"

#include <QColor>
#include <QImage>

namespace testsupport {

StandInChart::StandInChart(const QString &objectName, QSize size, QObject *parent)
    : QObject(parent), m_size(size)
{
    setObjectName(objectName);
}

bool StandInChart::saveChartImage(const QString &fileName)
{
    QImage image(m_size, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    return image.save(fileName, "JPG");
}

ReportScene::ReportScene(const QByteArray &qml)
{
    m_engine.loadData(qml);
}

QObject *ReportScene::root() const
{
    const QList<QObject *> roots = m_engine.rootObjects();
    return roots.isEmpty() ? nullptr : roots.first();
}

void ReportScene::addChart(const QString &objectName, QSize size)
{
    new StandInChart(objectName, size, root());
}

void ReportScene::addPlainObject(const QString &objectName)
{
    auto *object = new QObject(root());
    object->setObjectName(objectName);
}

} // namespace testsupport
