#include "ChartFlicker.h"

#include "OffscreenPlot.h"
#include "format/NumberText.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <QCoreApplication>

#include <algorithm>

namespace {
constexpr int kReservedSamples = 2048;
constexpr double kFlatPeak = 1e-6;
} // namespace

ChartFlicker::ChartFlicker(QQuickItem *parent) : CustomPlotBaseItem(parent)
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

QString ChartFlicker::gainText(int gainValue)
{
    switch (gainValue) {
    case 0: return QStringLiteral("x1");
    case 1: return QStringLiteral("x10");
    case 2: return QStringLiteral("x100");
    default: return QStringLiteral("x1000");
    }
}

void ChartFlicker::setupPlot()
{
    if (!m_plot || m_waveform)
        return;
    m_plot->setObjectName(QStringLiteral("flicker"));
    m_plot->xAxis->setRange(0, 100);
    m_plot->yAxis->setRange(0, 1.2);
    m_plot->xAxis->setVisible(true);
    m_plot->yAxis->setVisible(true);
    m_plot->xAxis->setLabel(QStringLiteral("ms"));
    m_scaled.reserve(kReservedSamples);
    m_plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectPlottables);

    m_text = new QCPItemText(m_plot);
    m_text->setPositionAlignment(Qt::AlignTop | Qt::AlignHCenter);
    m_text->position->setType(QCPItemPosition::ptAxisRectRatio);
    m_text->position->setCoords(0.8, 0.0);
    m_text->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setFont(QFont(QStringLiteral("Times"), 11));

    m_waveform = m_plot->addGraph();
    m_waveform->setPen(QPen(QColor(Qt::blue), 1));

    if (m_dataBuffer)
        connect(m_dataBuffer, &DataBuffer::flickerDataChanged, this, &ChartFlicker::plot);
    onThemeChanged();
}

void ChartFlicker::plot()
{
    if (!m_plot || !m_waveform || !m_dataBuffer)
        return;
    const QList<double> samples = m_dataBuffer->getFValue();
    const int n = int(samples.size());
    while (m_scaled.size() < n)
        m_scaled.append(0.0);
    const double peak = std::max(0.0, samples.isEmpty() ? 0.0 : *std::max_element(samples.cbegin(), samples.cend()));
    for (int i = 0; i < n; ++i)
        m_scaled[i] = peak > 0 ? samples[i] / peak : 0.0;
    if (!(peak > 0))
        std::fill(m_scaled.begin(), m_scaled.end(), 0.0);

    // A flat line shows thick, so that it is not taken for a missing trace.
    QPen pen = m_waveform->pen();
    pen.setWidth(peak <= kFlatPeak ? 5 : 1);
    m_waveform->setPen(pen);

    applyTexts();
    m_waveform->setData(m_dataBuffer->getFKey(), m_scaled);
    m_waveform->rescaleKeyAxis(false);
    m_plot->yAxis->setRange(0, 1.2);
    queueReplot();
}

void ChartFlicker::applyTexts()
{
    if (!m_text || !m_dataBuffer)
        return;
    m_text->setText(tr("Flicker frequency(Hz): %1\nModulation depth(%): %2\nPercent flicker(%): %3\n"
                       "Flicker index: %4\nGain: %5")
                        .arg(NumberText::fixed(m_dataBuffer->frequency(), 2),
                             NumberText::fixed(m_dataBuffer->depth(), 1),
                             NumberText::fixed(m_dataBuffer->percent(), 2),
                             NumberText::fixed(m_dataBuffer->index(), 3), gainText(m_dataBuffer->gainValue())));
}

bool ChartFlicker::eventFilter(QObject *watched, QEvent *event)
{
    // Installing a translator sends the application a LanguageChange. Only the read-out
    // changes: a redraw would throw away the range the person dragged or zoomed to.
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange) {
        applyTexts();
        queueReplot();
    }
    return CustomPlotBaseItem::eventFilter(watched, event);
}

void ChartFlicker::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    if (m_text)
        m_text->setColor(Theme::chartTextColor());
}
