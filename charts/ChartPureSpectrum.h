#pragma once
// The latest source spectrum over wavelength, filled in the colours of the visible
// spectrum (a plain line for "T" models), with a hover read-out.

#include "CustomPlotBaseItem.h"

class QCPGraph;
class QCPItemText;
class QCPItemTracer;

class ChartPureSpectrum : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartPureSpectrum(QQuickItem *parent = nullptr);

    Q_INVOKABLE void initCustomPlot() override;
    Q_INVOKABLE void cleanState();
    void setupPlot() override;
    void plot() override;

protected:
    void applyThemeColours() override;
    void hoverMoveEvent(QHoverEvent *event) override;

private slots:
    void showTextTip();
    void updateGradientBrush();
    void onUnitChanged();
    void onDeviceModelChanged();

private:
    // Pen and y label follow the device model; pages are reused across models.
    void applyModelStyle();

    QCPItemTracer *m_tracer = nullptr;
    QCPItemText *m_tipText = nullptr;
    QCPGraph *m_graph = nullptr;
    double m_hoverKey = 0.0;
};
