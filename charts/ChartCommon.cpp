#include "ChartCommon.h"

#include "format/NumberText.h"
#include "store/DataBuffer.h"

#include <qcustomplot.h>

#include <cmath>

namespace ChartHoverTip {

namespace {
const QString kOverlayLayer = QStringLiteral("overlay");
}

QCPItemTracer *createTracer(QCustomPlot *plot, QCPGraph *graph)
{
    auto *tracer = new QCPItemTracer(plot);
    tracer->setPen(QPen(Qt::SolidLine));
    tracer->setBrush(QBrush(Qt::cyan, Qt::SolidPattern));
    tracer->setStyle(QCPItemTracer::tsSquare);
    tracer->setLayer(kOverlayLayer);
    // A tracer placed on an empty graph complains; showTextTip attaches it once there are data.
    if (graph && !graph->data()->isEmpty())
        tracer->setGraph(graph);
    tracer->setInterpolating(true);
    tracer->setVisible(false); // until there are data to point at
    return tracer;
}

void hideTracersWithoutData(QCustomPlot *plot)
{
    for (int i = 0; i < plot->itemCount(); ++i) {
        auto *tracer = qobject_cast<QCPItemTracer *>(plot->item(i));
        if (tracer && tracer->visible() && tracer->graph() && tracer->graph()->data()->isEmpty())
            tracer->setVisible(false);
    }
}

QCPItemText *createText(QCustomPlot *plot)
{
    auto *text = new QCPItemText(plot);
    text->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->position->setType(QCPItemPosition::ptAbsolute);
    text->setFont(QFont(QStringLiteral("Arial"), 10));
    text->setPadding(QMargins(3, 3, 3, 3));
    text->setPen(QPen(Qt::black));
    text->setBrush(QBrush(Qt::cyan, Qt::SolidPattern));
    text->setLayer(kOverlayLayer);
    text->setVisible(false);
    return text;
}

void moveTracer(QCPItemTracer *tracer, double key)
{
    tracer->setGraphKey(key);
    tracer->updatePosition();
}

void place(QCPItemText *text, const QCPItemTracer *anchor, double key, double value)
{
    const QCustomPlot *plot = text->parentPlot();
    const QCPRange x = plot->xAxis->range();
    const QCPRange y = plot->yAxis->range();
    const double rightEdge = x.upper - 0.1 * (x.upper - x.lower);
    const double bottomEdge = y.lower + 0.1 * (y.upper - y.lower);

    // Hung on the marker, the box follows its point through every resize and range change.
    text->position->setParentAnchor(anchor->position);
    text->position->setCoords(0, 0);
    const Qt::Alignment vertical = bottomEdge > value ? Qt::AlignBottom : Qt::AlignTop;
    const Qt::Alignment horizontal = key > rightEdge ? Qt::AlignRight : Qt::AlignLeft;
    text->setPositionAlignment(vertical | horizontal);
}

QString keyValueText(double key, double value)
{
    return NumberText::fixed(key, 0) + QLatin1Char('\n') + NumberText::general(value, 3);
}

void showOnCurve(QCPItemTracer *tracer, QCPItemText *text, QCPGraph *curve, double key, NaNTip nan)
{
    if (!curve || curve->data()->isEmpty()) {
        tracer->setVisible(false);
        text->setVisible(false);
        return;
    }
    tracer->setGraph(curve);
    moveTracer(tracer, key);
    const double k = tracer->position->key();
    const double v = tracer->position->value();
    const bool shown = !(nan == NaNTip::Hide && std::isnan(v));
    tracer->setVisible(shown);
    text->setVisible(shown);
    if (!shown)
        return;
    place(text, tracer, k, v);
    text->setText(keyValueText(k, v));
}

} // namespace ChartHoverTip

namespace {

// Tick labels inside the axis rectangle are clipped to it: a label on a tick at the upper
// or lower edge would show cut in half, so it is left out instead.
class InsideLabelTicker : public QCPAxisTicker
{
public:
    explicit InsideLabelTicker(QCPAxis *axis) : m_axis(axis) {}

protected:
    QVector<QString> createLabelVector(const QVector<double> &ticks, const QLocale &locale, QChar formatChar,
                                       int precision) override
    {
        QVector<QString> labels = QCPAxisTicker::createLabelVector(ticks, locale, formatChar, precision);
        // Labels are made before the layout: the rectangle is the plot's current viewport
        // less the margins of the last layout, which only a new axis label font changes.
        const QCPAxisRect *axisRect = m_axis->axisRect();
        const QRect viewport = axisRect->parentPlot()->viewport();
        const double top = viewport.top() + axisRect->margins().top();
        const double bottom = viewport.top() + viewport.height() - axisRect->margins().bottom();
        if (bottom <= top)
            return labels;
        const double halfHeight = QFontMetricsF(m_axis->tickLabelFont()).height() / 2.0;
        const QCPRange range = m_axis->range();
        for (int i = 0; i < ticks.size() && i < labels.size(); ++i) {
            const double y = bottom - (ticks.at(i) - range.lower) / range.size() * (bottom - top);
            if (y - halfHeight < top || y + halfHeight > bottom)
                labels[i].clear();
        }
        return labels;
    }

private:
    QCPAxis *m_axis; // owns this ticker
};

} // namespace

void setupChartAxes(QCustomPlot *plot, const QString &xLabel)
{
    plot->xAxis->setLabel(xLabel);
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectPlottables);
    plot->yAxis->setTickLabelSide(QCPAxis::lsInside);
    plot->yAxis->setTicker(QSharedPointer<QCPAxisTicker>(new InsideLabelTicker(plot->yAxis)));
}

bool isTModel(const DataBuffer *buffer)
{
    return buffer && buffer->deviceModel().startsWith(QLatin1Char('T'));
}

void setCurveData(QCPGraph *graph, const QList<double> &keys, const QList<double> &values)
{
    if (values.isEmpty() || keys.isEmpty())
        graph->data()->clear();
    else
        graph->setData(keys, values);
}
