#include "ChartPureSpectrum.h"

#include "ChartCommon.h"
#include "OffscreenPlot.h"
#include "SpectrumGradient.h"
#include "control/StudioService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

namespace {
const QString kPhotonCounts = QStringLiteral("Photon Counts");
constexpr double kHeadroom = 1.15;
}

ChartPureSpectrum::ChartPureSpectrum(QQuickItem *parent) : CustomPlotBaseItem(parent)
{
    setAcceptHoverEvents(true);
}

void ChartPureSpectrum::initCustomPlot()
{
    if (!createPlot())
        return;
    setupPlot();
    updateCustomPlotSize();
    connect(m_plot, &QCustomPlot::afterReplot, this, &ChartPureSpectrum::onCustomReplot);
    // After the layout, so the gradient meets the axis rectangle of this very replot.
    connect(m_plot, &QCustomPlot::afterLayout, this, &ChartPureSpectrum::updateGradientBrush);
    if (m_dataBuffer) {
        connect(m_dataBuffer, &DataBuffer::specDataChanged, this, &ChartPureSpectrum::plot);
        connect(m_dataBuffer, &DataBuffer::deviceModelChanged, this, &ChartPureSpectrum::onDeviceModelChanged);
    }
    if (StudioService *studio = StudioService::instance())
        connect(studio, &StudioService::unitChanged, this, &ChartPureSpectrum::onUnitChanged);
    onThemeChanged();
}

void ChartPureSpectrum::setupPlot()
{
    setupChartAxes(m_plot, QStringLiteral("nm"));
    if (!m_graph)
        m_graph = m_plot->addGraph();
    applyModelStyle();
    if (!m_tracer)
        m_tracer = ChartHoverTip::createTracer(m_plot, m_graph);
    if (!m_tipText)
        m_tipText = ChartHoverTip::createText(m_plot);
}

void ChartPureSpectrum::applyModelStyle()
{
    if (isTModel(m_dataBuffer)) {
        m_plot->yAxis->setLabel(kPhotonCounts);
        m_graph->setPen(QPen(Theme::chartAccentColor(), 2));
    } else {
        m_plot->yAxis->setLabel(MeasurementSettings::unitLabel(MeasurementSettings::unit()));
        m_graph->setPen(QPen(Qt::NoPen)); // the gradient fill alone draws the curve
    }
}

void ChartPureSpectrum::onDeviceModelChanged()
{
    if (!m_plot || !m_graph)
        return;
    applyModelStyle();
    queueReplot();
}

void ChartPureSpectrum::plot()
{
    if (!m_plot || !m_graph || !m_dataBuffer)
        return;
    setCurveData(m_graph, m_dataBuffer->getWl(), m_dataBuffer->getSpec(DataBuffer::ScaledSpectrum));
    const quint16 *range = m_dataBuffer->getWlRange();
    m_plot->xAxis->setRange(range[0], range[1]);
    const double maximum = m_dataBuffer->getMaxSpec(DataBuffer::ScaledSpectrum);
    m_plot->yAxis->setRange(0.0, maximum > 0.0 ? kHeadroom * maximum : 1.0);
    showTextTip();
    queueReplot();
}

void ChartPureSpectrum::hoverMoveEvent(QHoverEvent *event)
{
    if (!m_plot)
        return;
    m_hoverKey = m_plot->xAxis->pixelToCoord(event->position().x());
    showTextTip();
    // Only the tip moved, but the library redraws everything at any priority: queue it
    // so a burst of moves costs one replot.
    queueReplot();
}

void ChartPureSpectrum::showTextTip()
{
    if (!m_plot || !m_tracer || !m_tipText || !m_graph)
        return;
    ChartHoverTip::showOnCurve(m_tracer, m_tipText, m_graph, m_hoverKey, ChartHoverTip::NaNTip::Show);
}

void ChartPureSpectrum::updateGradientBrush()
{
    if (!m_plot || !m_graph || !m_dataBuffer)
        return;
    m_graph->setBrush(isTModel(m_dataBuffer) ? QBrush(Qt::NoBrush) : spectrumGradientBrush(m_plot->xAxis, 255));
}

void ChartPureSpectrum::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    if (m_graph)
        applyModelStyle(); // the line colour of "T" models is a theme colour
}

void ChartPureSpectrum::onUnitChanged()
{
    if (!m_plot || !m_dataBuffer || isTModel(m_dataBuffer))
        return;
    m_plot->yAxis->setLabel(MeasurementSettings::unitLabel(MeasurementSettings::unit()));
    // Hide and show so the axis is laid out anew.
    m_plot->yAxis->setVisible(false);
    m_plot->yAxis->setVisible(true);
    queueReplot();
}

void ChartPureSpectrum::cleanState()
{
    if (!m_plot || !m_graph)
        return;
    m_graph->data()->clear();
    m_tracer->setVisible(false);
    m_tipText->setVisible(false);
    queueReplot();
    update();
}
