#include "CieDiagramChart.h"

#include "OffscreenPlot.h"
#include "format/NumberText.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

CieDiagramChart::CieDiagramChart(Layout layout, QQuickItem *parent)
    : CustomPlotBaseItem(parent), m_layout(std::move(layout))
{
}

void CieDiagramChart::setupPlot()
{
    if (!m_plot || m_point)
        return;
    m_plot->xAxis->setRange(0, m_layout.xMax);
    m_plot->yAxis->setRange(0, m_layout.yMax);

    m_background = new QCPItemPixmap(m_plot);
    m_background->setPixmap(QPixmap(m_layout.image));
    m_background->setScaled(true, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_background->topLeft->setCoords(0, m_layout.yMax);
    m_background->bottomRight->setCoords(m_layout.xMax, 0);

    m_label = new QCPItemText(m_plot);
    m_label->setPositionAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_label->position->setType(QCPItemPosition::ptAxisRectRatio);
    m_label->position->setCoords(0.9, 0.0);
    m_label->setFont(QFont(QStringLiteral("Times"), 11));

    m_plot->setInteractions(QCP::Interactions());

    m_reference = m_plot->addGraph();
    m_reference->setLineStyle(QCPGraph::lsLine);
    m_reference->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssNone, m_layout.referenceScatterSize));
    if (m_layout.referencePen.style() != Qt::NoPen)
        m_reference->setPen(m_layout.referencePen);
    QVector<double> keys;
    QVector<double> values;
    for (const QPointF &point : m_layout.referenceCurve) {
        keys.append(point.x());
        values.append(point.y());
    }
    m_reference->setData(keys, values);

    m_point = m_plot->addGraph();
    m_point->setLineStyle(QCPGraph::lsNone);
    m_point->setScatterStyle(m_layout.pointStyle);

    if (m_dataBuffer)
        connect(m_dataBuffer, &DataBuffer::formattedPhotoResultChanged, this, &CieDiagramChart::plot);
    onThemeChanged();
}

void CieDiagramChart::plot()
{
    if (!m_dataBuffer)
        return;
    const float *words = m_dataBuffer->getPhotoResult();
    updatePoint(words[m_layout.firstWord], words[m_layout.secondWord]);
}

void CieDiagramChart::updatePoint(float first, float second)
{
    if (!m_plot || !m_point)
        return;
    m_first = first;
    m_second = second;
    m_point->setData(QVector<double>{first}, QVector<double>{second}, true);
    m_label->setColor(Theme::chartTextColor());
    m_label->setText(m_layout.firstPrefix + NumberText::fixed(first, 4) + QStringLiteral("\n")
                     + m_layout.secondPrefix + NumberText::fixed(second, 4));
    queueReplot();
}

void CieDiagramChart::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    if (m_label)
        m_label->setColor(Theme::chartTextColor());
}
