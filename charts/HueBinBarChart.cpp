#include "HueBinBarChart.h"

#include "ChartStyle.h"
#include "DeferredRefresh.h"
#include "OffscreenPlot.h"
#include "format/NumberText.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

namespace {

const QRgb kBinColours[HueBinBarChart::kBins] = {
    qRgb(144, 78, 86),   qRgb(194, 107, 93),  qRgb(180, 121, 75), qRgb(220, 176, 92),
    qRgb(174, 161, 109), qRgb(132, 148, 87),  qRgb(88, 131, 91),  qRgb(98, 172, 146),
    qRgb(86, 161, 154),  qRgb(78, 139, 147),  qRgb(43, 107, 145), qRgb(132, 141, 167),
    qRgb(127, 122, 154), qRgb(126, 94, 139),  qRgb(162, 131, 150), qRgb(190, 112, 143),
};

} // namespace

HueBinBarChart::HueBinBarChart(const Layout &layout, QQuickItem *parent)
    : CustomPlotBaseItem(parent), m_layout(layout)
{
    m_refresh = new DeferredRefresh(this, [this] { plot(); });
}

QColor HueBinBarChart::binColour(int bin)
{
    return QColor(kBinColours[bin - 1]);
}

void HueBinBarChart::setupPlot()
{
    if (!m_plot || !m_bars.isEmpty())
        return;
    m_plot->xAxis->setRange(0, 17);
    m_plot->yAxis->setRange(m_layout.yMin, m_layout.yMax);
    m_plot->xAxis->setVisible(true);
    m_plot->yAxis->setVisible(true);

    auto ticker = QSharedPointer<QCPAxisTickerText>::create();
    for (int bin = 1; bin <= kBins; ++bin) {
        auto *label = new QCPItemText(m_plot);
        label->setFont(QFont(QStringLiteral("Times"), 10));
        label->setRotation(0);
        label->setTextAlignment(Qt::AlignTop | Qt::AlignHCenter);
        m_labels.append(label);

        auto *bar = new QCPBars(m_plot->xAxis, m_plot->yAxis);
        bar->setAntialiased(false);
        bar->setPen(QPen(QColor(0, 168, 140).lighter(130)));
        bar->setBrush(QBrush(binColour(bin), Qt::SolidPattern));
        if (m_layout.barWidth > 0)
            bar->setWidth(m_layout.barWidth);
        m_bars.append(bar);

        ticker->addTick(bin, QString::number(bin));
    }
    m_plot->xAxis->setTicker(ticker);
    m_plot->xAxis->setSubTicks(false);
    m_plot->xAxis->setTickLength(0, 4);
    m_plot->xAxis->setRange(0, 17);
    m_plot->xAxis->setUpperEnding(ChartStyle::axisArrow());
    m_plot->yAxis->setRange(m_layout.yMin, m_layout.yMax);
    m_plot->yAxis->setPadding(35);
    m_plot->yAxis->setUpperEnding(ChartStyle::axisArrow());
    if (m_layout.clearInteractions)
        m_plot->setInteractions(QCP::Interactions());

    if (m_dataBuffer)
        connect(m_dataBuffer, &DataBuffer::tm30Changed, m_refresh, &DeferredRefresh::request);
    onThemeChanged();
}

void HueBinBarChart::plot()
{
    if (!m_plot || !m_dataBuffer || m_bars.isEmpty())
        return;
    const float *values = m_layout.values(m_dataBuffer->colorRenditionResult());
    for (int bin = 1; bin <= kBins; ++bin) {
        // Bin i is element i - 1 of the result's arrays.
        const float v = values[bin - 1];
        m_bars[bin - 1]->setData(QVector<double>{double(bin)}, QVector<double>{v}, true);
        QCPItemText *label = m_labels[bin - 1];
        label->setText(NumberText::fixed(v, 1));
        label->position->setCoords(bin, v > 0 ? v + m_layout.labelOffset : m_layout.labelOffset);
    }
    queueReplot();
}

void HueBinBarChart::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    for (QCPItemText *label : std::as_const(m_labels))
        label->setColor(Theme::chartTextColor());
}

void HueBinBarChart::redrawAfterThemeChange() { m_refresh->request(); }
