#include "ChartPowerDistribution.h"

#include "ColorRendition.h"
#include "DeferredRefresh.h"
#include "OffscreenPlot.h"
#include "store/DataBuffer.h"

#include <algorithm>

namespace {
constexpr double kFirstNm = 380.0;
constexpr double kLastNm = 780.0;
} // namespace

ChartPowerDistribution::ChartPowerDistribution(QQuickItem *parent) : CustomPlotBaseItem(parent)
{
    m_refresh = new DeferredRefresh(this, [this] { plot(); }, DeferredRefresh::AlsoOnLanguageChange);
}

void ChartPowerDistribution::setupPlot()
{
    if (!m_plot || m_test)
        return;
    m_plot->xAxis->setRange(kFirstNm, kLastNm);
    m_plot->yAxis->setRange(0, 1.2);
    m_plot->xAxis->setVisible(true);
    m_plot->yAxis->setVisible(true);
    m_plot->legend->setVisible(true);

    m_keys.reserve(kReferenceSpdPoints);
    for (int i = 0; i < kReferenceSpdPoints; ++i)
        m_keys.append(kFirstNm + i);

    m_test = m_plot->addGraph();
    m_test->setPen(QPen(Qt::red));
    m_reference = m_plot->addGraph();
    m_reference->setPen(QPen(Qt::blue));

    if (m_dataBuffer)
        connect(m_dataBuffer, &DataBuffer::tm30Changed, m_refresh, &DeferredRefresh::request);
    onThemeChanged();
}

void ChartPowerDistribution::plot()
{
    if (!m_plot || !m_dataBuffer || !m_test || !m_reference)
        return;
    m_test->setName(tr("Test Source"));
    m_reference->setName(tr("Ref Source"));

    const QList<double> wavelengths = m_dataBuffer->getWl();
    const QList<double> spectrum = m_dataBuffer->getSpec(DataBuffer::SourceSpectrum);
    if (wavelengths.isEmpty() || spectrum.isEmpty())
        return;

    const float *spd = m_dataBuffer->colorRenditionResult().referenceSpd;
    QList<double> reference(spd, spd + kReferenceSpdPoints);
    // Each value keyed by its own wavelength, whatever range the device covers.
    QList<double> testKeys;
    QList<double> test;
    const int count = int(std::min(wavelengths.size(), spectrum.size()));
    for (int i = 0; i < count; ++i) {
        if (wavelengths[i] >= kFirstNm && wavelengths[i] <= kLastNm) {
            testKeys.append(wavelengths[i]);
            test.append(spectrum[i]);
        }
    }
    normalize(test);
    normalize(reference);
    m_test->setData(testKeys, test, true);
    m_reference->setData(m_keys, reference, true);
    queueReplot();
}

void ChartPowerDistribution::normalize(QList<double> &values)
{
    if (values.isEmpty())
        return;
    const auto [low, high] = std::minmax_element(values.cbegin(), values.cend());
    const double min = *low;
    const double span = *high - min;
    if (!(span > 0))
        return;
    for (double &value : values)
        value = (value - min) / span;
}

void ChartPowerDistribution::redrawAfterThemeChange() { m_refresh->request(); }
