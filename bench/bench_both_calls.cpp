// Time of both per-spectrum evaluations together, as the spectrum ingest of a device with
// colour rendition makes them: light metrics, then colour rendition, of one LED-like spectrum
// on the device's 340-1020 nm axis.
#include "ColorRendition.h"
#include "DeviceSpectrum.h"
#include "LightMetrics.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LightMetricsAndColorRendition(benchmark::State &state)
{
    FloatArray *spectrum = phosphorLedSpectrum();
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
