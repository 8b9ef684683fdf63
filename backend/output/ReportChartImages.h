#pragma once
// The chart pictures of the test report. Each chart on screen is found by its objectName and
// draws its picture in memory; the charts that could not are noted, to be told to the person.

#include "output/ChartImageSource.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>

class QQmlApplicationEngine;

class ReportChartImages
{
public:
    explicit ReportChartImages(QQmlApplicationEngine *engine);

    // The chart's picture as it is shown now, drawn for print; null when the scene holds no
    // chart of that name, or the chart could not draw it (then it is noted).
    QImage load(const QString &objectName);

    // Which charts the report lacks and why, one line per reason, translated; empty when
    // every chart on the screen that the report asked for is in it.
    QString missingCharts() const;

private:
    QPointer<QQmlApplicationEngine> m_engine;
    QStringList m_notDrawnYet;
    QStringList m_outOfMemory;
};
