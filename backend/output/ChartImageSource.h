#pragma once

#include <QString>
#include <QtPlugin>

// What the report needs of a chart on screen: its current picture as a JPEG file.
// Chart items implement it; the back end finds them by objectName and never includes them.
class ChartImageSource
{
public:
    virtual ~ChartImageSource() = default;
    // Writes the chart as it is now shown to fileName; false when there is nothing to write
    // (no plot yet) or the file could not be written.
    virtual bool saveChartImage(const QString &fileName) = 0;
};

#define ChartImageSource_iid "Vantorel.ChartImageSource/1.0"
Q_DECLARE_INTERFACE(ChartImageSource, ChartImageSource_iid)
