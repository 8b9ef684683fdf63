#include "SpectrumPeak.h"
#include "DeviceAxisSpectra.h"
#include "LibraryCore.h"

#include <QtTest>
#include <cmath>
#include <vector>

using namespace test_spectra;

namespace {

const float kNaN = spectral::nanValue();

struct Peak {
    float sum = -1, peak = -1, width = -1;
};

Peak peakOf(const FloatArray *s)
{
    Peak p;
    findSpectrumPeak(s, &p.sum, &p.peak, &p.width);
    return p;
}

} // namespace

class TestSpectrumPeak : public QObject
{
    Q_OBJECT
private slots:
    void triangleHasInterpolatedEdgesAndPlainSum()
    {
        const Peak p = peakOf(makeSpectrum(500, {0, 1, 3, 1, 0}).get());
        QCOMPARE(p.peak, 502.0f);
        QCOMPARE(p.width, 1.5f);
        QCOMPARE(p.sum, 5.0f);
    }

    void peakRowChoice()
    {
        const QList<QPair<std::vector<float>, float>> cases{
            {{1, 4, 2, 4, 1}, 401.0f},         // first of two equal maxima
            {{kNaN, 2, 5, kNaN, 1}, 402.0f},   // leading NaN skipped
            {{kNaN, kNaN, kNaN}, 400.0f},      // all NaN takes the first row
            {{7}, 400.0f}, {{1, 2}, 401.0f}, {{2, 2}, 400.0f}, {{kNaN, 1}, 401.0f}, {{1, kNaN}, 400.0f}};
        for (const auto &c : cases) {
            float p = 0, w = 0;
            findPeakAndHalfWidth(makeSpectrum(400, c.first).get(), &p, &w);
            QCOMPARE(p, c.second);
        }
    }

    void edgesDefaultToTheSpectrumEnds()
    {
        float p = 0, w = 0;
        // Peak at the first row: left edge is the first wavelength; right crossing between
        // 601 (3) and 602 (1) at 601 + (3 - 2) / (3 - 1).
        findPeakAndHalfWidth(makeSpectrum(600, {4, 3, 1, 0}).get(), &p, &w);
        QCOMPARE(p, 600.0f);
        QCOMPARE(w, 1.5f);
        // Peak at the last row: right edge is the last wavelength.
        findPeakAndHalfWidth(makeSpectrum(600, {0, 1, 3, 4}).get(), &p, &w);
        QCOMPARE(p, 603.0f);
        QCOMPARE(w, 603.0f - 601.5f);
        // Never falls below half on either side: the whole span.
        findPeakAndHalfWidth(makeSpectrum(600, {3, 4, 3}).get(), &p, &w);
        QCOMPARE(w, 2.0f);

        const Peak nan = peakOf(makeSpectrum(380, {kNaN, kNaN, kNaN, kNaN}).get());
        QCOMPARE(nan.peak, 380.0f);
        QCOMPARE(nan.width, 3.0f);
        QVERIFY(std::isnan(nan.sum));
    }

    void emptyOrBrokenSpectrumReadsNothing()
    {
        auto lying = makeSpectrum(500, {1, 2});
        lying->size[0] = 500; // more rows than it holds (ASan would report a read)
        auto empty = makeSpectrum(500, std::vector<float>{});
        for (const FloatArray *s : std::initializer_list<const FloatArray *>{nullptr, empty.get(), lying.get()}) {
            const Peak p = peakOf(s);
            QCOMPARE(p.sum, 0.0f);
            QVERIFY(std::isnan(p.peak) && std::isnan(p.width));
        }
    }

    void rangeSumRoundsItsBoundsAndStaysInside()
    {
        auto s = makeSpectrum(498, {1, 2, 4, 8, 16});
        const float cases[][3] = {{500.4f, 499.6f, 4},   // both round to 500
                                  {498, 502, 31}, {501, 499, 0}, {300, 900, 31}, {700, 70000, 0}};
        for (const auto &c : cases)
            QCOMPARE(sumSpectrumRange(s.get(), c), c[2]);
    }
};

QTEST_APPLESS_MAIN(TestSpectrumPeak)
#include "tst_spectrum_peak.moc"
