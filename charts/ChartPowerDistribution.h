#pragma once
// The measured spectrum and the TM-30 reference illuminant over 380-780 nm, each scaled
// to 0..1.

#include "CustomPlotBaseItem.h"

#include <QList>

class DeferredRefresh;
class QCPGraph;

class ChartPowerDistribution : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartPowerDistribution(QQuickItem *parent = nullptr);

    void setupPlot() override;
    void plot() override;

    // Scales the values in place to 0..1; equal values stay as they are.
    static void normalize(QList<double> &values);

protected:
    void redrawAfterThemeChange() override;

private:
    QCPGraph *m_test = nullptr;
    QCPGraph *m_reference = nullptr;
    QList<double> m_keys;
    DeferredRefresh *m_refresh = nullptr;
};
