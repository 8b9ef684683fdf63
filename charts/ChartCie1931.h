#pragma once
// The measured x, y on the CIE 1931 diagram, with the Planckian locus.

#include "CieDiagramChart.h"

class ChartCie1931 : public CieDiagramChart
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartCie1931(QQuickItem *parent = nullptr);
};
