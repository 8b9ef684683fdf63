#pragma once
// A Raman spectrum over the Raman shift, with a hover read-out. Draws only while visible.

#include "CustomPlotBaseItem.h"

#include <QList>
#include <QVariantList>

class QCPGraph;
class QCPItemText;
class QCPItemTracer;

class RamanChartItem : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    explicit RamanChartItem(QQuickItem *parent = nullptr);

    Q_INVOKABLE void initCustomPlot() override;
    Q_INVOKABLE virtual void cleanState();
    void setupPlot() override;
    void plot() override;

protected:
    void applyThemeColours() override;
    void redrawAfterThemeChange() override;
    void hoverMoveEvent(QHoverEvent *event) override;
    // Which of the store's Raman spectra this chart shows.
    virtual int spectrumType() const = 0;
    // Draws the chart's spectrum over the Raman-shift axis when both are non-empty.
    void drawSpectrum();
    void clearCurveAndTip();

    QCPGraph *m_curve = nullptr;
    QCPItemTracer *m_tracer = nullptr;
    QCPItemText *m_tipText = nullptr;

private slots:
    void showTextTip();
    void onShown();

private:
    double m_hoverKey = 0.0;
};

class ChartRamanRaw : public RamanChartItem
{
    Q_OBJECT
    QML_ELEMENT
public:
    using RamanChartItem::RamanChartItem;

protected:
    int spectrumType() const override;
};

class ChartRamanFl : public RamanChartItem
{
    Q_OBJECT
    QML_ELEMENT
public:
    using RamanChartItem::RamanChartItem;

protected:
    int spectrumType() const override;
};

// The baseline-free spectrum, and on request the peaks found in it, marked on the plot and
// handed to the page as {"waveNumber", "intensity"} maps.
class ChartRamanClean : public RamanChartItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QVariantList ramanPeakList READ ramanPeakList NOTIFY ramanPeakListChanged)

public:
    using RamanChartItem::RamanChartItem;

    QVariantList ramanPeakList() const { return m_ramanPeakList; }

    Q_INVOKABLE void displayRamanPeak();
    Q_INVOKABLE void cleanState() override;
    void setupPlot() override;
    void plot() override;

signals:
    void ramanPeakListChanged();

protected:
    int spectrumType() const override;

private:
    QCPGraph *m_peakGraph = nullptr;
    QVariantList m_ramanPeakList;
};
