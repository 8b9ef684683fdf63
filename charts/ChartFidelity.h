#pragma once
// Local colour fidelity of the 16 TM-30 hue bins.

#include "ColorRendition.h"
#include "HueBinBarChart.h"

class ChartFidelity : public HueBinBarChart
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartFidelity(QQuickItem *parent = nullptr)
        : HueBinBarChart({0, 110, 0.6, 3, false,
                          [](const ColorRenditionResult &r) -> const float * { return r.localFidelity; }},
                         parent)
    {
    }
};
