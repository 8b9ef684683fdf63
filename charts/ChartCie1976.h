#pragma once
// The measured u', v' on the CIE 1976 UCS diagram, with the Planckian locus.

#include "CieDiagramChart.h"

class ChartCie1976 : public CieDiagramChart
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartCie1976(QQuickItem *parent = nullptr);
};
