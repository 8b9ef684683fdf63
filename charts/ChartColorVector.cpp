#include "ChartColorVector.h"

#include "ChartStyle.h"
#include "DeferredRefresh.h"
#include "OffscreenPlot.h"
#include "store/DataBuffer.h"

namespace {
constexpr int kBins = 16;
}

ChartColorVector::ChartColorVector(QQuickItem *parent) : CustomPlotBaseItem(parent)
{
    m_refresh = new DeferredRefresh(this, [this] { plot(); }, DeferredRefresh::AlsoOnLanguageChange);
}

void ChartColorVector::setupPlot()
{
    if (!m_plot || m_relation)
        return;
    for (QCPAxis *axis : {m_plot->xAxis, m_plot->yAxis}) {
        axis->setRange(-30, 30);
        axis->setVisible(true);
        axis->setLabel(QString());
    }
    m_plot->legend->setVisible(true);
    m_plot->setInteractions(QCP::Interactions());

    m_relation = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_relation->setPen(QPen(m_relationColour));
    m_reference = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_reference->setPen(QPen(Qt::blue));
    m_test = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_test->setPen(QPen(QColor(250, 0, 0)));

    if (m_dataBuffer)
        connect(m_dataBuffer, &DataBuffer::tm30Changed, m_refresh, &DeferredRefresh::request);
    onThemeChanged();
}

void ChartColorVector::plot()
{
    if (!m_plot || !m_dataBuffer || !m_relation || !m_reference || !m_test)
        return;
    // Named here so that a language change renames them.
    m_relation->setName(tr("Relation"));
    m_reference->setName(tr("Ref Source"));
    m_test->setName(tr("Test Source"));

    const ColorRenditionResult &result = m_dataBuffer->colorRenditionResult();
    QVector<QCPCurveData> test;
    QVector<QCPCurveData> reference;
    QVector<QCPCurveData> relation;
    for (int i = 0; i < kBins; ++i) {
        test.append(QCPCurveData(i, result.testHueBinAB[i], result.testHueBinAB[kBins + i]));
        reference.append(QCPCurveData(i, result.referenceHueBinAB[i], result.referenceHueBinAB[kBins + i]));
    }
    // The closing point repeats the first one at the next parameter, so the data stay ordered.
    test.append(QCPCurveData(kBins, test.first().key, test.first().value));
    reference.append(QCPCurveData(kBins, reference.first().key, reference.first().value));
    // One polyline: each bin's vector, joined alternately through test and reference points.
    for (int i = 0; i < kBins; ++i) {
        const QCPCurveData &from = i % 2 == 0 ? reference[i] : test[i];
        const QCPCurveData &to = i % 2 == 0 ? test[i] : reference[i];
        relation.append(QCPCurveData(2 * i, from.key, from.value));
        relation.append(QCPCurveData(2 * i + 1, to.key, to.value));
    }
    m_relation->data()->set(relation, true);
    m_reference->data()->set(reference, true);
    m_test->data()->set(test, true);
    queueReplot();
}

void ChartColorVector::applyThemeColours()
{
    CustomPlotBaseItem::applyThemeColours();
    m_relationColour = ChartStyle::themeGrey();
    if (m_relation)
        m_relation->setPen(QPen(m_relationColour));
}

void ChartColorVector::redrawAfterThemeChange() { m_refresh->request(); }
