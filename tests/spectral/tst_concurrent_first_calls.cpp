// The library's first calls made from several threads at once: one-time initialisation runs
// once, and every thread gets the results a lone call gives. Nothing in this program may
// call the library before the first test.
#include "ColorRendition.h"
#include "DeviceAxisSpectra.h"
#include "LibraryCore.h"
#include "LightMetrics.h"
#include "SpectrumPeak.h"

#include <QtTest>
#include <atomic>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

using namespace test_spectra;

namespace {

constexpr int kThreads = 8;
constexpr int kRounds = 3;

struct Results {
    float metrics[kLightMetricsCount];
    ColorRenditionResult rendition;
    float peak[3];
};

void computeAll(const FloatArray *spectrum, Results *out)
{
    computeLightMetrics(spectrum, out->metrics);
    computeColorRendition(spectrum, &out->rendition);
    findSpectrumPeak(spectrum, &out->peak[0], &out->peak[1], &out->peak[2]);
}

bool sameBits(const Results &a, const Results &b) { return std::memcmp(&a, &b, sizeof a) == 0; }

} // namespace

class ConcurrentFirstCallsTest : public QObject {
    Q_OBJECT
private slots:
    void firstCallsFromManyThreadsAgreeWithALoneCall()
    {
        QCOMPARE(spectral::initialisationCount(), 0);
        const SpectrumPtr spectrum = makeSpectrum(kDeviceFirst, kDeviceLast, [](int w) {
            return std::exp(-0.5 * std::pow((w - 450) / 10.0, 2)) + 0.8 * std::exp(-0.5 * std::pow((w - 600) / 60.0, 2));
        });
        std::vector<Results> results(kThreads * kRounds);
        std::atomic<int> waiting{kThreads};
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&, t] {
                // Start together, so the first calls really overlap.
                waiting.fetch_sub(1);
                while (waiting.load() > 0)
                    std::this_thread::yield();
                for (int round = 0; round < kRounds; ++round)
                    computeAll(spectrum.get(), &results[t * kRounds + round]);
            });
        }
        for (std::thread &thread : threads)
            thread.join();

        QCOMPARE(spectral::initialisationCount(), 1);
        Results alone;
        computeAll(spectrum.get(), &alone);
        QVERIFY(std::isfinite(alone.rendition.Rf) && std::isfinite(alone.metrics[9]));
        for (size_t i = 0; i < results.size(); ++i)
            QVERIFY2(sameBits(results[i], alone), qPrintable(QStringLiteral("thread %1 round %2").arg(i / kRounds).arg(i % kRounds)));
        QCOMPARE(spectral::initialisationCount(), 1);
    }
};

QTEST_APPLESS_MAIN(ConcurrentFirstCallsTest)
#include "tst_concurrent_first_calls.moc"
