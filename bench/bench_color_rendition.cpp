// Time of one colour-rendition evaluation of a fluorescent lamp on the device axis.
#include "ColorRendition.h"
#include "DeviceAxisSpectra.h"

#include <benchmark/benchmark.h>

// CIE F2 on the device axis, zero outside its table.
static FloatArray *fluorescentSpectrum() { return test_spectra::illuminant("F", 2).release(); }

static void BM_ComputeColorRendition(benchmark::State &state)
{
    FloatArray *spectrum = fluorescentSpectrum();
    ColorRenditionResult result;
    for (auto _ : state) {
        computeColorRendition(spectrum, &result);
        benchmark::DoNotOptimize(result.Rf);
    }
    destroyArray(spectrum);
}
BENCHMARK(BM_ComputeColorRendition)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
