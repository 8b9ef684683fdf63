#include "ChartCri1.h"

#include "ChartStyle.h"
#include "OffscreenPlot.h"
#include "format/NumberText.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <cmath>

namespace {

constexpr int kRaWord = 15;
constexpr int kFirstIndexWord = 16;
constexpr double kRingRadius = 100.0;
constexpr double kLabelRadius = 110.0;

// Spoke i (R(i + 1)) points at i x 2 pi / 15, counter-clockwise from the right.
QPointF onSpoke(int spoke, double radius)
{
    const double angle = spoke * 2.0 * M_PI / ChartCri1::kIndices;
    return {radius * std::cos(angle), radius * std::sin(angle)};
}

} // namespace

ChartCri1::ChartCri1(QQuickItem *parent) : CustomPlotBaseItem(parent)
{
}

void ChartCri1::setupPlot()
{
    if (!m_plot || m_values)
        return;
    for (QCPAxis *axis : {m_plot->xAxis, m_plot->yAxis}) {
        axis->setVisible(true);
        axis->setLabel(QString());
        axis->setRange(-150, 150);
    }
    m_plot->setInteractions(QCP::Interactions());

    for (int i = 0; i <= kIndices; ++i) {
        auto *label = new QCPItemText(m_plot);
        label->setFont(QFont(QStringLiteral("Times"), 10));
        label->setColor(Qt::blue);
        label->setRotation(0);
        label->setTextAlignment(Qt::AlignTop | Qt::AlignHCenter);
        const QPointF at = i < kIndices ? onSpoke(i, kLabelRadius) : QPointF(0, -135);
        label->position->setCoords(at);
        m_labels[size_t(i)] = label;
    }

    QVector<QCPCurveData> ring;
    for (int i = 0; i < kIndices; ++i) {
        const QPointF p = onSpoke(i, kRingRadius);
        ring.append(QCPCurveData(i, p.x(), p.y()));
    }
    ring.append(QCPCurveData(kIndices, kRingRadius, 0));
    // Out and back along every spoke; the last repeats the first.
    QVector<QCPCurveData> spokes;
    for (int i = 0; i <= kIndices; ++i) {
        spokes.append(QCPCurveData(2 * i, 0, 0));
        spokes.append(QCPCurveData(2 * i + 1, ring[i].key, ring[i].value));
    }
    m_ring = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_ring->setPen(QPen(m_gridColour));
    m_ring->data()->set(ring, true);
    m_spokes = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_spokes->setPen(QPen(m_gridColour));
    m_spokes->data()->set(spokes, true);
    m_values = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_values->setPen(QPen(QColor(250, 0, 0)));

    if (m_dataBuffer)
        connect(m_dataBuffer, &DataBuffer::formattedPhotoResultChanged, this, &ChartCri1::plot);
    onThemeChanged();
}

void ChartCri1::plot()
{
    if (!m_plot || !m_dataBuffer || !m_values)
        return;
    const float *words = m_dataBuffer->getPhotoResult();
    for (int i = 0; i < kIndices; ++i)
        m_indices[size_t(i)] = words[kFirstIndexWord + i];

    QVector<QCPCurveData> polygon;
    for (int i = 0; i <= kIndices; ++i) {
        const QPointF p = onSpoke(i, m_indices[size_t(i % kIndices)]);
        polygon.append(QCPCurveData(i, p.x(), p.y()));
    }
    const QColor text = Theme::chartTextColor();
    for (int i = 0; i < kIndices; ++i) {
        m_labels[size_t(i)]->setText(QStringLiteral("R") + QString::number(i + 1) + QStringLiteral("\n")
                                     + NumberText::fixed(m_indices[size_t(i)], 3));
        m_labels[size_t(i)]->setColor(text);
    }
    m_labels[kIndices]->setText(QStringLiteral("Ra:") + NumberText::fixed(words[kRaWord], 3));
    m_labels[kIndices]->setColor(text);
    m_values->data()->set(polygon, true);
    queueReplot();
}

void ChartCri1::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    m_gridColour = ChartStyle::themeGrey();
    if (m_ring)
        m_ring->setPen(QPen(m_gridColour));
    if (m_spokes)
        m_spokes->setPen(QPen(m_gridColour));
    for (QCPItemText *label : m_labels) {
        if (label)
            label->setColor(Theme::chartTextColor());
    }
}
