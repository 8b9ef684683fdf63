#include "RamanChartItem.h"

#include "ChartCommon.h"
#include "OffscreenPlot.h"
#include "format/NumberText.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <algorithm>

namespace {
constexpr double kHeadroom = 1.15;
}

RamanChartItem::RamanChartItem(QQuickItem *parent) : CustomPlotBaseItem(parent)
{
    setAcceptHoverEvents(true);
    connect(this, &QQuickItem::visibleChanged, this, &RamanChartItem::onShown);
}

void RamanChartItem::initCustomPlot()
{
    if (!createPlot())
        return;
    setupPlot();
    updateCustomPlotSize();
    connect(m_plot, &QCustomPlot::afterReplot, this, &RamanChartItem::onCustomReplot);
    if (m_dataBuffer)
        connect(m_dataBuffer, &DataBuffer::specDataChanged, this, &RamanChartItem::plot);
    onThemeChanged();
}

void RamanChartItem::setupPlot()
{
    setupChartAxes(m_plot, QStringLiteral("cm^-1"));
    if (!m_curve)
        m_curve = m_plot->addGraph();
    if (!m_tracer)
        m_tracer = ChartHoverTip::createTracer(m_plot, m_curve);
    if (!m_tipText)
        m_tipText = ChartHoverTip::createText(m_plot);
}

void RamanChartItem::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    if (m_curve)
        m_curve->setPen(Theme::chartTextPen());
}

void RamanChartItem::redrawAfterThemeChange()
{
    // Restyles without reading the data again.
    queueReplot();
    update();
}

void RamanChartItem::onShown()
{
    if (isVisible())
        plot();
}

void RamanChartItem::plot()
{
    if (!isVisible() || !m_plot || !m_curve)
        return;
    drawSpectrum();
}

void RamanChartItem::drawSpectrum()
{
    if (!m_dataBuffer)
        return;
    // The shift axis first: asking for it brings the Raman results up to date.
    const QList<double> keys = m_dataBuffer->getRamanKey();
    const QList<double> values = m_dataBuffer->getRamanValue(DataBuffer::RamanSpectrumType(spectrumType()));
    if (keys.isEmpty())
        return;
    if (values.isEmpty()) {
        // The store holds no Raman spectrum (a cleared measurement): neither may the chart.
        clearCurveAndTip();
        queueReplot();
        return;
    }
    const double largest = *std::max_element(values.cbegin(), values.cend());
    m_curve->setData(keys, values);
    m_plot->xAxis->setRange(keys.first(), keys.last());
    m_plot->yAxis->setRange(0.0, kHeadroom * largest);
    showTextTip();
    queueReplot();
}

void RamanChartItem::hoverMoveEvent(QHoverEvent *event)
{
    if (!m_plot)
        return;
    // The whole pixel, where the spectrum charts use the fractional position.
    m_hoverKey = m_plot->xAxis->pixelToCoord(event->position().toPoint().x());
    showTextTip();
    queueReplot(); // a burst of moves costs one replot
}

void RamanChartItem::showTextTip()
{
    if (!m_plot || !m_tracer || !m_tipText)
        return;
    ChartHoverTip::showOnCurve(m_tracer, m_tipText, m_curve, m_hoverKey, ChartHoverTip::NaNTip::Show);
}

void RamanChartItem::clearCurveAndTip()
{
    m_curve->data()->clear();
    m_tracer->setVisible(false);
    m_tipText->setVisible(false);
}

void RamanChartItem::cleanState()
{
    if (!m_plot || !m_curve)
        return;
    clearCurveAndTip();
    queueReplot();
    update();
}

int ChartRamanRaw::spectrumType() const { return DataBuffer::RamanRaw; }

int ChartRamanFl::spectrumType() const { return DataBuffer::RamanFluorescence; }

int ChartRamanClean::spectrumType() const { return DataBuffer::RamanClean; }

void ChartRamanClean::setupPlot()
{
    RamanChartItem::setupPlot();
    if (!m_peakGraph) {
        m_peakGraph = m_plot->addGraph();
        m_peakGraph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(QBrush(Qt::red), 2.0),
                                                     QBrush(QColor(255, 0, 0, 100)), 10));
        m_peakGraph->setLineStyle(QCPGraph::lsNone);
    }
}

void ChartRamanClean::plot()
{
    if (!isVisible() || !m_plot || !m_curve || !m_peakGraph)
        return;
    // Every new spectrum removes the previous peaks, from the plot and the page's table.
    m_ramanPeakList.clear();
    emit ramanPeakListChanged();
    clearCurveAndTip();
    m_peakGraph->data()->clear();
    queueReplot();
    update();
    drawSpectrum();
}

void ChartRamanClean::displayRamanPeak()
{
    if (!m_dataBuffer)
        return;
    m_dataBuffer->getRamanKey(); // brings the peaks up to date
    const QList<double> &locs = m_dataBuffer->getRamanLocs();
    const QList<double> &pks = m_dataBuffer->getRamanPks();
    if (m_peakGraph) {
        m_peakGraph->setData(locs, pks);
        queueReplot();
    }
    m_ramanPeakList.clear();
    // Positions without a height (or the reverse) make no peak.
    const qsizetype count = std::min(locs.size(), pks.size());
    for (qsizetype i = 0; i < count; ++i) {
        m_ramanPeakList.append(QVariantMap{
            {QStringLiteral("waveNumber"), NumberText::general(locs[i])},
            {QStringLiteral("intensity"), NumberText::general(pks[i])},
        });
    }
    emit ramanPeakListChanged();
}

void ChartRamanClean::cleanState()
{
    m_ramanPeakList.clear();
    emit ramanPeakListChanged();
    if (!m_plot || !m_curve || !m_peakGraph)
        return;
    clearCurveAndTip();
    m_peakGraph->data()->clear();
    queueReplot();
    update();
}
