#pragma once
// TM-30 fidelity and gamut: the pair (Rf, Rg) as one point in the Rf-Rg plane between the
// lines that bound it, with both values written out.

#include "CustomPlotBaseItem.h"

class DeferredRefresh;
class QCPGraph;
class QCPItemText;

class ChartRfRg : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartRfRg(QQuickItem *parent = nullptr);

    void setupPlot() override;
    void plot() override;

protected:
    void applyThemeColours() override;
    void redrawAfterThemeChange() override;

private:
    QCPItemText *m_valueText = nullptr;
    QCPGraph *m_upperBoundary = nullptr;
    QCPGraph *m_lowerBoundary = nullptr;
    QCPGraph *m_point = nullptr;
    DeferredRefresh *m_refresh = nullptr;
};
