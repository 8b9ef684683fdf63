#pragma once
// Local chroma shift (percent) of the 16 TM-30 hue bins.

#include "ColorRendition.h"
#include "HueBinBarChart.h"

class ChartChromaticity : public HueBinBarChart
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartChromaticity(QQuickItem *parent = nullptr)
        : HueBinBarChart({-20, 20, 0, 1, true,
                          [](const ColorRenditionResult &r) -> const float * { return r.chromaShift; }},
                         parent)
    {
    }
};
