#include "RatioChartItem.h"

#include "ChartCommon.h"
#include "DeferredRefresh.h"
#include "OffscreenPlot.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <cmath>

namespace {
constexpr double kHeadroom = 1.15;
constexpr double kSmallestAbsorbanceScale = 0.5;
}

RatioChartItem::RatioChartItem(QQuickItem *parent) : CustomPlotBaseItem(parent)
{
    setAcceptHoverEvents(true);
    if (m_dataBuffer) {
        connect(m_dataBuffer, &DataBuffer::specDataChanged, this, &RatioChartItem::plot);
        connect(m_dataBuffer, &DataBuffer::referenceDataUpdated, this, &RatioChartItem::plot);
    }
    connect(this, &QQuickItem::visibleChanged, this, &RatioChartItem::onShown);
    // A hidden chart takes the new language's names when it is next shown.
    new DeferredRefresh(this, [this] {
        applyNames();
        queueReplot();
    }, DeferredRefresh::AlsoOnLanguageChange);
}

void RatioChartItem::applyNames()
{
    if (!m_plot || !m_graph)
        return;
    m_graph->setName(graphName());
    m_plot->yAxis->setLabel(graphName());
}

void RatioChartItem::setupPlot()
{
    setupChartAxes(m_plot, QStringLiteral("nm"));
    if (!m_graph)
        m_graph = m_plot->addGraph();
    applyNames();
    m_graph->setPen(QPen(Theme::chartAccentColor(), 2));
    if (!m_tracer)
        m_tracer = ChartHoverTip::createTracer(m_plot, m_graph);
    if (!m_tipText)
        m_tipText = ChartHoverTip::createText(m_plot);
    if (m_plot) {
        Theme::applyChartStyle(m_plot);
        plot();
    }
}

void RatioChartItem::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    if (m_graph)
        m_graph->setPen(QPen(Theme::chartAccentColor(), 2));
}

void RatioChartItem::onShown()
{
    if (isVisible())
        plot();
}

double RatioChartItem::upperRange(const QList<double> &) const { return kHeadroom; }

void RatioChartItem::plot()
{
    if (!isVisible() || !m_plot || !m_graph || !m_dataBuffer)
        return;
    const QList<double> wavelengths = m_dataBuffer->getWl();
    const QList<double> &values = ratioValues();
    if (wavelengths.isEmpty() || values.isEmpty())
        return; // the previous curve stays
    m_graph->setData(wavelengths, values);
    const quint16 *range = m_dataBuffer->getWlRange();
    m_plot->xAxis->setRange(range[0], range[1]);
    // A NaN upper end is refused by the plot, which keeps its range.
    m_plot->yAxis->setRange(0.0, upperRange(values));
    showTextTip();
    queueReplot();
}

void RatioChartItem::hoverMoveEvent(QHoverEvent *event)
{
    if (!m_plot)
        return;
    m_hoverKey = m_plot->xAxis->pixelToCoord(event->position().x());
    showTextTip();
    queueReplot(); // a burst of moves costs one replot
}

void RatioChartItem::showTextTip()
{
    if (!m_plot || !m_tracer || !m_tipText)
        return;
    ChartHoverTip::showOnCurve(m_tracer, m_tipText, m_graph, m_hoverKey, ChartHoverTip::NaNTip::Hide);
}

void RatioChartItem::cleanState()
{
    if (!m_plot || !m_graph)
        return;
    m_graph->data()->clear();
    m_tracer->setVisible(false);
    m_tipText->setVisible(false);
    queueReplot();
    update();
}

const QList<double> &ChartReflectance::ratioValues() { return m_dataBuffer->getReflectance(); }
QString ChartReflectance::graphName() const { return tr("Reflectance"); }

const QList<double> &ChartTransmittance::ratioValues() { return m_dataBuffer->getTransmittance(); }
QString ChartTransmittance::graphName() const { return tr("Transmittance"); }

const QList<double> &ChartAbsorbance::ratioValues() { return m_dataBuffer->getAbsorbance(); }
QString ChartAbsorbance::graphName() const { return tr("Absorbance"); }

double ChartAbsorbance::upperRange(const QList<double> &values) const
{
    // The largest value that is a number; NaN when there is none.
    double largest = values.first();
    for (double v : values) {
        if (!std::isnan(v) && (std::isnan(largest) || v > largest))
            largest = v;
    }
    return kHeadroom * (kSmallestAbsorbanceScale > largest ? kSmallestAbsorbanceScale : largest);
}
