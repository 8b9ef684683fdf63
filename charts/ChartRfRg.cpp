#include "ChartRfRg.h"

#include "DeferredRefresh.h"
#include "OffscreenPlot.h"
#include "format/NumberText.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

ChartRfRg::ChartRfRg(QQuickItem *parent) : CustomPlotBaseItem(parent)
{
    m_refresh = new DeferredRefresh(this, [this] { plot(); });
}

void ChartRfRg::setupPlot()
{
    if (!m_plot || m_point)
        return;
    m_plot->xAxis->setRange(50, 100);
    m_plot->yAxis->setRange(60, 140);

    m_valueText = new QCPItemText(m_plot);
    m_valueText->setPositionAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_valueText->position->setType(QCPItemPosition::ptAxisRectRatio);
    m_valueText->position->setCoords(0.9, 0.0);
    m_valueText->setFont(QFont(QStringLiteral("Times"), 11));

    // The gamut can reach from (100, 100) up to (60, 140) and down to (60, 60).
    m_upperBoundary = m_plot->addGraph();
    m_upperBoundary->setData({60, 100}, {140, 100}, true);
    m_lowerBoundary = m_plot->addGraph();
    m_lowerBoundary->setData({60, 100}, {60, 100}, true);

    m_point = m_plot->addGraph();
    m_point->setPen(QPen(QColor(Qt::red), 4));
    m_point->setLineStyle(QCPGraph::lsNone);
    m_point->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, 2));

    if (m_dataBuffer)
        connect(m_dataBuffer, &DataBuffer::tm30Changed, m_refresh, &DeferredRefresh::request);
    onThemeChanged();
}

void ChartRfRg::plot()
{
    if (!m_plot || !m_dataBuffer || !m_point)
        return;
    const ColorRenditionResult &result = m_dataBuffer->colorRenditionResult();
    m_point->setData(QVector<double>{result.Rf}, QVector<double>{result.Rg}, true);
    m_valueText->setText(QStringLiteral("Rf: ") + NumberText::fixed(result.Rf, 4) + QStringLiteral("\nRg: ")
                         + NumberText::fixed(result.Rg, 4));
    queueReplot();
}

void ChartRfRg::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    if (m_valueText)
        m_valueText->setColor(Theme::chartTextColor());
}

void ChartRfRg::redrawAfterThemeChange() { m_refresh->request(); }
