#include "ChartDualSpectrum.h"

#include "ChartCommon.h"
#include "OffscreenPlot.h"
#include "SpectrumGradient.h"
#include "format/NumberText.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <algorithm>

namespace {
constexpr double kHeadroom = 1.15;
}

ChartDualSpectrum::ChartDualSpectrum(QQuickItem *parent)
    : CustomPlotBaseItem(parent), m_tipTemplate(QStringLiteral("WL: %1 nm\nRef: %2\nSrc: %3"))
{
    setAcceptHoverEvents(true);
    if (m_dataBuffer) {
        connect(m_dataBuffer, &DataBuffer::specDataChanged, this, &ChartDualSpectrum::plot);
        connect(m_dataBuffer, &DataBuffer::referenceDataUpdated, this, &ChartDualSpectrum::plot);
        connect(m_dataBuffer, &DataBuffer::deviceModelChanged, this, &ChartDualSpectrum::onDeviceModelChanged);
    }
    connect(this, &QQuickItem::visibleChanged, this, &ChartDualSpectrum::onShown);
}

void ChartDualSpectrum::setTipTemplate(const QString &tipTemplate)
{
    if (tipTemplate == m_tipTemplate)
        return;
    m_tipTemplate = tipTemplate;
    emit tipTemplateChanged();
    showTextTip();
    queueReplot();
}

void ChartDualSpectrum::setupPlot()
{
    setupChartAxes(m_plot, QStringLiteral("nm"));
    // After the layout, so the gradient meets the axis rectangle of this very replot.
    connect(m_plot, &QCustomPlot::afterLayout, this, &ChartDualSpectrum::updateGradientBrush);
    if (!m_sourceGraph)
        m_sourceGraph = m_plot->addGraph();
    if (!m_referenceGraph)
        m_referenceGraph = m_plot->addGraph();
    applyModelPens();
    if (!m_sourceTracer)
        m_sourceTracer = ChartHoverTip::createTracer(m_plot, m_sourceGraph);
    if (!m_referenceTracer)
        m_referenceTracer = ChartHoverTip::createTracer(m_plot, m_referenceGraph);
    if (!m_tipText)
        m_tipText = ChartHoverTip::createText(m_plot);
    if (!m_secondTipText)
        m_secondTipText = ChartHoverTip::createText(m_plot);
    onThemeChanged();
}

void ChartDualSpectrum::applyModelPens()
{
    const bool tModel = isTModel(m_dataBuffer);
    if (m_sourceGraph)
        m_sourceGraph->setPen(tModel ? QPen(QBrush(Theme::chartAccentColor()), 2.0) : QPen(Qt::NoPen));
    if (m_referenceGraph)
        m_referenceGraph->setPen(QPen(QBrush(tModel ? Theme::chartGreenColor() : Theme::chartAccentColor()), 2.0));
}

void ChartDualSpectrum::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    applyModelPens();
}

void ChartDualSpectrum::onDeviceModelChanged()
{
    if (!m_plot)
        return;
    applyModelPens();
    queueReplot();
}

void ChartDualSpectrum::onShown()
{
    if (isVisible())
        plot();
}

void ChartDualSpectrum::plot()
{
    if (!isVisible() || !m_plot || !m_sourceGraph || !m_referenceGraph || !m_dataBuffer)
        return;
    const QList<double> wavelengths = m_dataBuffer->getWl();
    setCurveData(m_sourceGraph, wavelengths, m_dataBuffer->getSpec(DataBuffer::SourceSpectrum));
    setCurveData(m_referenceGraph, wavelengths, m_dataBuffer->getSpec(DataBuffer::ReferenceSpectrum));
    const quint16 *range = m_dataBuffer->getWlRange();
    m_plot->xAxis->setRange(range[0], range[1]);
    // 0 to 0 when both are empty: the plot refuses it and keeps its range.
    const double maximum = std::max(m_dataBuffer->getMaxSpec(DataBuffer::SourceSpectrum),
                                    m_dataBuffer->getMaxSpec(DataBuffer::ReferenceSpectrum));
    m_plot->yAxis->setRange(0.0, kHeadroom * maximum);
    showTextTip();
    queueReplot();
}

void ChartDualSpectrum::updateGradientBrush()
{
    if (!m_plot || !m_sourceGraph || !m_dataBuffer)
        return;
    m_sourceGraph->setBrush(isTModel(m_dataBuffer) ? QBrush(Qt::NoBrush)
                                                    : spectrumGradientBrush(m_plot->xAxis, 255));
}

void ChartDualSpectrum::hoverMoveEvent(QHoverEvent *event)
{
    if (!m_plot)
        return;
    m_hoverKey = m_plot->xAxis->pixelToCoord(event->position().x());
    showTextTip();
    queueReplot(); // a burst of moves costs one replot
}

void ChartDualSpectrum::showTextTip()
{
    if (!m_plot || !m_sourceTracer || !m_referenceTracer || !m_tipText || !m_secondTipText)
        return;
    m_sourceTracer->setVisible(true);
    m_referenceTracer->setVisible(true);
    m_tipText->setVisible(true);
    m_secondTipText->setVisible(true);

    const bool hasSource = m_sourceGraph && !m_sourceGraph->data()->isEmpty();
    const bool hasReference = m_referenceGraph && !m_referenceGraph->data()->isEmpty();
    // A tracer on an empty graph has no position to take (attaching it already asks for one).
    if (hasSource) {
        m_sourceTracer->setGraph(m_sourceGraph);
        ChartHoverTip::moveTracer(m_sourceTracer, m_hoverKey);
    } else {
        m_sourceTracer->setVisible(false);
        m_tipText->setVisible(false);
    }
    if (hasReference) {
        m_referenceTracer->setGraph(m_referenceGraph);
        ChartHoverTip::moveTracer(m_referenceTracer, m_hoverKey);
    } else {
        m_referenceTracer->setVisible(false);
    }

    const double key = m_sourceTracer->position->key();
    const double source = m_sourceTracer->position->value();
    // Without a reference there is no value to show, nor a curve to hang the tip on.
    const double reference = hasReference ? m_referenceTracer->position->value() : qQNaN();
    m_secondTipText->setVisible(false);

    const bool sourceHigher = !hasReference || source >= reference;
    ChartHoverTip::place(m_tipText, sourceHigher ? m_sourceTracer : m_referenceTracer, key,
                         sourceHigher ? source : reference);
    // A curve without data has no value to read: its place stays empty.
    m_tipText->setText(m_tipTemplate.arg(NumberText::fixed(key, 0),
                                         hasReference ? NumberText::general(reference, 3) : QString(),
                                         NumberText::general(source, 3)));
}

void ChartDualSpectrum::cleanState()
{
    if (!m_plot || !m_sourceGraph || !m_referenceGraph)
        return;
    m_sourceGraph->data()->clear();
    m_referenceGraph->data()->clear();
    m_sourceTracer->setVisible(false);
    m_referenceTracer->setVisible(false);
    m_tipText->setVisible(false);
    m_secondTipText->setVisible(false);
    queueReplot();
    update();
}
