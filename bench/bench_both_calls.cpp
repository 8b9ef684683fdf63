// Time of both per-spectrum evaluations together, as the spectrum ingest of a device with
// colour rendition makes them: light metrics, then colour rendition, of one LED-like spectrum
// on the device's 340-1020 nm axis.
#include "ColorRendition.h"
#include "DynamicArray.h"
#include "LightMetrics.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

FloatArray *deviceSpectrum()
{
    const int first = 340, last = 1020, n = last - first + 1;
    FloatArray *s = createFloatArray(n, 2);
    for (int i = 0; i < n; ++i) {
        const double w = first + i;
        s->data[i] = float(w);
        s->data[n + i] = float(std::exp(-0.5 * std::pow((w - 450.0) / 10.0, 2))
                               + 0.8 * std::exp(-0.5 * std::pow((w - 600.0) / 60.0, 2)));
    }
    return s;
}

void BM_LightMetricsAndColorRendition(benchmark::State &state)
{
    FloatArray *spectrum = deviceSpectrum();
    float metrics[kLightMetricsCount];
    ColorRenditionResult rendition;
    for (auto _ : state) {
        computeLightMetrics(spectrum, metrics);
        computeColorRendition(spectrum, &rendition);
        benchmark::DoNotOptimize(metrics);
        benchmark::DoNotOptimize(rendition.Rf);
        benchmark::ClobberMemory();
    }
    destroyArray(spectrum);
}
BENCHMARK(BM_LightMetricsAndColorRendition)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
