// Time of the chart work a new spectrum causes: one spectrum chart replotted and painted at
// 1000 x 600 px with 681 points, and a frame of the photometry page's eleven chart items
// (the spectrum shown, the colour charts hidden behind the chart selector).
#include "StoreFeeder.h"
#include "StoreFixtures.h"

#include "ChartChromaticity.h"
#include "ChartCie1931.h"
#include "ChartCie1960.h"
#include "ChartCie1976.h"
#include "ChartColorVector.h"
#include "ChartCri1.h"
#include "ChartCri2.h"
#include "ChartFidelity.h"
#include "ChartPowerDistribution.h"
#include "ChartPureSpectrum.h"
#include "ChartRfRg.h"
#include "control/StudioService.h"
#include "store/DataBuffer.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 600;
constexpr int kStudioChartItems = 11;

// A white LED: a blue line and a broad phosphor hump over 340 to 1020 nm.
QVariantList ledSamples(int count)
{
    QVariantList samples;
    for (int i = 0; i < count; ++i) {
        const double nm = 340 + i;
        const double blue = std::exp(-0.5 * std::pow((nm - 450) / 10, 2));
        const double phosphor = 0.6 * std::exp(-0.5 * std::pow((nm - 570) / 50, 2));
        samples << int(20000 * (blue + phosphor)) + 30;
    }
    return samples;
}

void prepareStore()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    testsupport::prepareStoreTests();
    StudioService::instance();
    DataBuffer::instance()->setDeviceModel(QStringLiteral("PQV-21"));
    DataBuffer::instance()->setWl(340, 1020);
    StoreFeeder feeder;
    if (!feeder.feedSpectrum(ledSamples(DataBuffer::instance()->getWlLength())))
        qFatal("the store refused the benchmark's spectrum");
}

std::unique_ptr<ChartPureSpectrum> makeChart(bool visible)
{
    auto chart = std::make_unique<ChartPureSpectrum>();
    chart->setSize(QSizeF(kWidth, kHeight));
    chart->setVisible(visible);
    chart->initCustomPlot();
    return chart;
}

// What the software scene graph does with a shown item's new picture.
void paintInto(QImage &target, ChartPureSpectrum &chart)
{
    QPainter painter(&target);
    painter.drawImage(QPointF(0, 0), chart.renderedImage());
}

void BM_SpectrumChartReplotAndPaint(benchmark::State &state)
{
    prepareStore();
    auto chart = makeChart(true);
    QCoreApplication::sendPostedEvents();
    QImage target(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        chart->plot();
        QCoreApplication::sendPostedEvents(); // the queued replot and its rendering
        paintInto(target, *chart);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_SpectrumChartReplotAndPaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

template <typename Chart>
std::unique_ptr<CustomPlotBaseItem> makeHidden()
{
    auto chart = std::make_unique<Chart>();
    chart->setSize(QSizeF(kWidth, kHeight));
    chart->setVisible(false);
    chart->initCustomPlot();
    return chart;
}

// The spectrum chart shown, the page's ten other charts hidden behind the selector; a new
// spectrum of a model with TM-30 brings new data to all of them.
void BM_StudioFrameOfElevenCharts(benchmark::State &state)
{
    prepareStore();
    auto shown = makeChart(true);
    std::vector<std::unique_ptr<CustomPlotBaseItem>> hidden;
    hidden.push_back(makeHidden<ChartCie1931>());
    hidden.push_back(makeHidden<ChartCie1976>());
    hidden.push_back(makeHidden<ChartCie1960>());
    hidden.push_back(makeHidden<ChartCri1>());
    hidden.push_back(makeHidden<ChartCri2>());
    hidden.push_back(makeHidden<ChartChromaticity>());
    hidden.push_back(makeHidden<ChartColorVector>());
    hidden.push_back(makeHidden<ChartFidelity>());
    hidden.push_back(makeHidden<ChartPowerDistribution>());
    hidden.push_back(makeHidden<ChartRfRg>());
    static_assert(kStudioChartItems == 11, "the page's chart selector holds eleven charts");
    QCoreApplication::sendPostedEvents();
    QImage target(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    DataBuffer *buffer = DataBuffer::instance();
    for (auto _ : state) {
        emit buffer->specDataChanged();
        emit buffer->tm30Changed();
        emit buffer->formattedPhotoResultChanged();
        QCoreApplication::sendPostedEvents();
        paintInto(target, *shown);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_StudioFrameOfElevenCharts)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char **argv)
{
    // The plot is a widget: it needs a QApplication, which needs no display off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
