// Time of one efficiency-curve regeneration onto a 901-point device axis.
#include "EffCurveRegen.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstring>

namespace {

constexpr int kDeviceFirst = 300;
constexpr int kDevicePoints = 901;

void fillTable(FloatArray *t, int first, int rows, bool sample)
{
    for (int i = 0; i < rows; ++i) {
        const int w = first + i;
        t->data[i] = float(w);
        // The sample has short dark stretches that the cubic has to bridge.
        t->data[rows + i] = sample ? ((w % 41 < 3) ? 0.0f : 1.0f + 0.3f * std::sin(w * 0.05f))
                                   : 2.0f + std::cos(w / 60.0f);
    }
}

} // namespace

static void BM_RegenEffCurve(benchmark::State &state)
{
    FloatArray *sample = createFloatArray(500, 2);
    FloatArray *reference = createFloatArray(600, 2);
    FloatArray *device = createFloatArray(kDevicePoints, 1);
    FloatArray *curve = createFloatArray(kDevicePoints, 1);
    RegenStatus status;
    for (auto _ : state) {
        // Fresh inputs each time: the routine sorts its arguments in place.
        fillTable(sample, 360, 500, true);
        fillTable(reference, 340, 600, false);
        for (int i = 0; i < kDevicePoints; ++i)
            device->data[i] = float(kDeviceFirst + i);
        regeneffcurve(sample, reference, device, curve, &status);
        benchmark::DoNotOptimize(curve->data[0]);
    }
    if (status.code != 0)
        state.SkipWithError(status.message);
    destroyArray(sample);
    destroyArray(reference);
    destroyArray(device);
    destroyArray(curve);
}
BENCHMARK(BM_RegenEffCurve)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
