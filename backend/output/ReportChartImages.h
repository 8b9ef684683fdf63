#pragma once
// The chart pictures of the test report. Each chart on screen is found by its objectName
// and writes its JPEG into a temporary folder that lives as long as this object.

#include <QImage>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>

class QQmlApplicationEngine;

class ReportChartImages
{
public:
    explicit ReportChartImages(QQmlApplicationEngine *engine);

    // The chart's picture as it is shown now, drawn for print; null when the scene holds no
    // chart of that name, or the chart wrote nothing readable.
    QImage load(const QString &objectName);

private:
    QPointer<QQmlApplicationEngine> m_engine;
    QTemporaryDir m_folder;
};
