// Time of one colour-rendition evaluation of a fluorescent lamp on the device axis.
#include "ColorRendition.h"
#include "ReferenceIlluminants.h"

#include <benchmark/benchmark.h>

static FloatArray *fluorescentSpectrum()
{
    const int first = 340, last = 1020, n = last - first + 1;
    FloatArray *a = createFloatArray(n, 2);
    for (int i = 0; i < n; ++i) {
        const int w = first + i;
        a->data[i] = float(w);
        float v = 0.0f;
        if (w >= 380 && w <= 780) {
            const float *f2 = cie_reference::kIlluminantF[1];
            const int k = (w - 380) / 5, r = (w - 380) % 5;
            v = r == 0 ? f2[k] : ((5 - r) * f2[k] + r * f2[k + 1]) / 5.0f;
        }
        a->data[n + i] = v;
    }
    return a;
}

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
