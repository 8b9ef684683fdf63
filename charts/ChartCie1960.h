#pragma once
// The measured u, v on the CIE 1960 UCS diagram, with the Planckian locus from 1000 K.

#include "CieDiagramChart.h"

class ChartCie1960 : public CieDiagramChart
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartCie1960(QQuickItem *parent = nullptr);
};
