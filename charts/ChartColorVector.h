#pragma once
// TM-30 colour vector graphic: the reference and test means of the 16 hue bins in the
// a'-b' plane, and the vector of every bin from its reference to its test point.

#include "CustomPlotBaseItem.h"

class DeferredRefresh;
class QCPCurve;

class ChartColorVector : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartColorVector(QQuickItem *parent = nullptr);

    void setupPlot() override;
    void plot() override;

protected:
    void applyThemeColours() override;
    void redrawAfterThemeChange() override;

private:
    QCPCurve *m_relation = nullptr;
    QCPCurve *m_reference = nullptr;
    QCPCurve *m_test = nullptr;
    QColor m_relationColour{52, 52, 52};
    DeferredRefresh *m_refresh = nullptr;
};
