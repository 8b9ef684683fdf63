// Time of one light-metrics evaluation on the device's 340-1020 nm axis.
#include "DeviceSpectrum.h"
#include "LightMetrics.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ComputeLightMetrics(benchmark::State &state)
{
    FloatArray *spectrum = phosphorLedSpectrum();
    float result[kLightMetricsCount];
    for (auto _ : state) {
        computeLightMetrics(spectrum, result);
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
    destroyArray(spectrum);
}
BENCHMARK(BM_ComputeLightMetrics)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
