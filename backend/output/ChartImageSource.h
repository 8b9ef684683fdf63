#pragma once

#include <QImage>
#include <QtPlugin>

// What the report needs of a chart on screen: its current picture, drawn in memory.
// Chart items implement it; the back end finds them by objectName and never includes them.
class ChartImageSource
{
public:
    // Why a chart gave no picture.
    enum class Problem { None, NotDrawnYet, OutOfMemory };
    struct Picture {
        QImage image;
        Problem problem = Problem::None; // None exactly when the image is there
    };

    virtual ~ChartImageSource() = default;
    // The chart as it is now shown, drawn for print.
    virtual Picture chartPicture() = 0;
};

#define ChartImageSource_iid "Vantorel.ChartImageSource/2.0"
Q_DECLARE_INTERFACE(ChartImageSource, ChartImageSource_iid)
