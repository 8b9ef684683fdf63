#pragma once
// One ratio spectrum (reflectance, transmittance or absorbance) against the reference, with
// a hover read-out that hides where the ratio has no value. Draws only while visible.

#include "CustomPlotBaseItem.h"

#include <QList>

class QCPGraph;
class QCPItemText;
class QCPItemTracer;

class RatioChartItem : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    explicit RatioChartItem(QQuickItem *parent = nullptr);

    Q_INVOKABLE void cleanState();
    void setupPlot() override;
    void plot() override;

protected:
    void applyThemeColours() override;
    void hoverMoveEvent(QHoverEvent *event) override;

    // The list this chart shows, one value per wavelength, NaN where there is none.
    virtual const QList<double> &ratioValues() = 0;
    // The translated name of the curve and of the value axis.
    virtual QString graphName() const = 0;
    // Upper end of the value axis for these values.
    virtual double upperRange(const QList<double> &values) const;

private slots:
    void showTextTip();
    void onShown();

private:
    // The curve's name and the value axis' label, in the current language.
    void applyNames();

    QCPItemTracer *m_tracer = nullptr;
    QCPItemText *m_tipText = nullptr;
    QCPGraph *m_graph = nullptr;
    double m_hoverKey = 0.0;
};

class ChartReflectance : public RatioChartItem
{
    Q_OBJECT
    QML_ELEMENT
public:
    using RatioChartItem::RatioChartItem;

protected:
    const QList<double> &ratioValues() override;
    QString graphName() const override;
};

class ChartTransmittance : public RatioChartItem
{
    Q_OBJECT
    QML_ELEMENT
public:
    using RatioChartItem::RatioChartItem;

protected:
    const QList<double> &ratioValues() override;
    QString graphName() const override;
};

class ChartAbsorbance : public RatioChartItem
{
    Q_OBJECT
    QML_ELEMENT
public:
    using RatioChartItem::RatioChartItem;

protected:
    const QList<double> &ratioValues() override;
    QString graphName() const override;
    // 1.15 times the largest value, or 0.575 when that is below 0.5.
    double upperRange(const QList<double> &values) const override;
};
