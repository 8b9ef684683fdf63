#include "ChartCri2.h"

#include "ChartStyle.h"
#include "OffscreenPlot.h"
#include "format/NumberText.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <cmath>

namespace {

constexpr int kRaWord = 15;
constexpr int kFirstIndexWord = 16;
constexpr double kLabelGap = 2.0;

const QRgb kBarColours[ChartCri2::kIndices + 1] = {
    qRgb(188, 137, 128), qRgb(165, 145, 95),  qRgb(138, 158, 67),  qRgb(88, 162, 118),
    qRgb(100, 160, 166), qRgb(112, 151, 198), qRgb(163, 138, 190), qRgb(193, 135, 176),
    qRgb(190, 27, 52),   qRgb(234, 201, 55),  qRgb(1, 141, 101),   qRgb(0, 74, 146),
    qRgb(236, 191, 160), qRgb(86, 102, 55),   qRgb(193, 145, 128), qRgb(255, 255, 255),
};

float zeroIfNan(float value)
{
    return std::isnan(value) ? 0.0f : value;
}

} // namespace

ChartCri2::ChartCri2(QQuickItem *parent) : CustomPlotBaseItem(parent)
{
}

void ChartCri2::setupPlot()
{
    if (!m_plot || m_bars[0])
        return;
    m_plot->xAxis->setVisible(true);
    m_plot->yAxis->setVisible(true);

    auto ticker = QSharedPointer<QCPAxisTickerText>::create();
    for (int i = 0; i <= kIndices; ++i) {
        auto *label = new QCPItemText(m_plot);
        label->setFont(QFont(QStringLiteral("Times"), 10));
        label->setPositionAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_labels[size_t(i)] = label;

        // Keyed along the y axis, so the bars run horizontally.
        auto *bar = new QCPBars(m_plot->yAxis, m_plot->xAxis);
        bar->setAntialiased(false);
        bar->setPen(QPen(QColor(0, 168, 140).lighter(130)));
        bar->setBrush(QBrush(QColor(kBarColours[i]), Qt::SolidPattern));
        m_bars[size_t(i)] = bar;

        ticker->addTick(i + 1, i < kIndices ? QStringLiteral("R") + QString::number(i + 1) : QStringLiteral("Ra"));
    }
    m_plot->yAxis->setTicker(ticker);
    m_plot->yAxis->setTickLabelRotation(60);
    m_plot->yAxis->setSubTicks(false);
    m_plot->yAxis->setTickLength(0, 4);
    m_plot->yAxis->setRange(0, 17);
    m_plot->yAxis->setUpperEnding(ChartStyle::axisArrow());
    m_plot->xAxis->setRange(-100, 100);
    m_plot->xAxis->setPadding(35);
    m_plot->xAxis->setUpperEnding(ChartStyle::axisArrow());

    if (m_dataBuffer)
        connect(m_dataBuffer, &DataBuffer::formattedPhotoResultChanged, this, &ChartCri2::plot);
    onThemeChanged();
}

void ChartCri2::showBar(int bar, float value)
{
    const double key = bar + 1;
    m_bars[size_t(bar)]->setData(QVector<double>{key}, QVector<double>{value}, true);
    m_labels[size_t(bar)]->setText(NumberText::fixed(value, 3));
    // Right edge 2 units left of zero, or of the end of a bar that reaches left.
    m_labels[size_t(bar)]->position->setCoords(value >= 0 ? -kLabelGap : value - kLabelGap, key);
}

void ChartCri2::plot()
{
    if (!m_plot || !m_dataBuffer || !m_bars[0])
        return;
    const float *words = m_dataBuffer->getPhotoResult();
    for (int i = 0; i < kIndices; ++i) {
        m_indices[size_t(i)] = zeroIfNan(words[kFirstIndexWord + i]);
        showBar(i, m_indices[size_t(i)]);
    }
    showBar(kIndices, zeroIfNan(words[kRaWord]));
    queueReplot();
}

void ChartCri2::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    m_labelColour = ChartStyle::themeGrey();
    for (int i = 0; i < kIndices; ++i) {
        if (m_labels[size_t(i)])
            m_labels[size_t(i)]->setColor(m_labelColour);
    }
    if (m_labels[kIndices])
        m_labels[kIndices]->setColor(Theme::chartTextColor());
}
