#include "SpectrumPeak.h"
#include "DynamicArray.h"
#include "LibraryCore.h"

#include <QtTest>
#include <cmath>
#include <vector>

namespace {

// An N x 2 spectrum from `first` nm in 1-nm steps.
struct Spectrum {
    FloatArray *array;
    Spectrum(float first, const QList<float> &values)
        : array(createFloatArray(int32_t(values.size()), 2))
    {
        const size_t n = values.size();
        for (size_t i = 0; i < n; ++i) {
            array->data[i] = first + float(i);
            array->data[n + i] = values[i];
        }
    }
    ~Spectrum() { destroyArray(array); }
};

const float kNaN = spectral::nanValue();
using Values = QList<float>;

} // namespace

class TestSpectrumPeak : public QObject
{
    Q_OBJECT
private slots:
    void triangleHasInterpolatedEdgesAndPlainSum()
    {
        Spectrum s(500, {0, 1, 3, 1, 0});
        float sum = -1, peak = -1, width = -1;
        findSpectrumPeak(s.array, &sum, &peak, &width);
        QCOMPARE(peak, 502.0f);
        QCOMPARE(width, 1.5f);
        QCOMPARE(sum, 5.0f);
    }

    void peakRowChoice_data()
    {
        QTest::addColumn<Values>("values");
        QTest::addColumn<float>("peak");
        QTest::newRow("first of two equal maxima") << Values{1, 4, 2, 4, 1} << 401.0f;
        QTest::newRow("leading NaN skipped") << Values{kNaN, 2, 5, kNaN, 1} << 402.0f;
        QTest::newRow("all NaN takes the first row") << Values{kNaN, kNaN, kNaN} << 400.0f;
        QTest::newRow("one row") << Values{7} << 400.0f;
        QTest::newRow("two rows, second larger") << Values{1, 2} << 401.0f;
        QTest::newRow("two rows, equal") << Values{2, 2} << 400.0f;
        QTest::newRow("two rows, first NaN") << Values{kNaN, 1} << 401.0f;
        QTest::newRow("two rows, second NaN") << Values{1, kNaN} << 400.0f;
    }

    void peakRowChoice()
    {
        QFETCH(Values, values);
        QFETCH(float, peak);
        Spectrum s(400, values);
        float p = 0, w = 0;
        findPeakAndHalfWidth(s.array, &p, &w);
        QCOMPARE(p, peak);
    }

    void edgesDefaultToTheSpectrumEnds()
    {
        float p = 0, w = 0;
        // Peak at the first row: left edge is the first wavelength.
        Spectrum atStart(600, {4, 3, 1, 0});
        findPeakAndHalfWidth(atStart.array, &p, &w);
        // right crossing between 601 (3) and 602 (1): 601 + (3 - 2) / (3 - 1)
        QCOMPARE(p, 600.0f);
        QCOMPARE(w, 1.5f);

        // Peak at the last row: right edge is the last wavelength.
        Spectrum atEnd(600, {0, 1, 3, 4});
        findPeakAndHalfWidth(atEnd.array, &p, &w);
        // left crossing between 601 (1) and 602 (3): 601 + (2 - 1) / (3 - 1)
        QCOMPARE(p, 603.0f);
        QCOMPARE(w, 603.0f - 601.5f);

        // Never falls below half on either side: the whole span.
        Spectrum flat(600, {3, 4, 3});
        findPeakAndHalfWidth(flat.array, &p, &w);
        QCOMPARE(w, 2.0f);
    }

    void allNaNGivesFullSpanAndNaNSum()
    {
        Spectrum s(380, {kNaN, kNaN, kNaN, kNaN});
        float sum = 0, p = 0, w = 0;
        findSpectrumPeak(s.array, &sum, &p, &w);
        QCOMPARE(p, 380.0f);
        QCOMPARE(w, 3.0f);
        QVERIFY(std::isnan(sum));
    }

    void emptyOrBrokenSpectrumReadsNothing()
    {
        float sum = -1, p = 0, w = 0;
        FloatArray *empty = createFloatArray(0, 2);
        findSpectrumPeak(empty, &sum, &p, &w);
        QCOMPARE(sum, 0.0f);
        QVERIFY(std::isnan(p));
        QVERIFY(std::isnan(w));
        destroyArray(empty);

        // A record claiming more rows than it holds is not read (ASan would report).
        FloatArray *lying = createFloatArray(2, 2);
        lying->size[0] = 500;
        sum = -1;
        findSpectrumPeak(lying, &sum, &p, &w);
        QCOMPARE(sum, 0.0f);
        QVERIFY(std::isnan(p));
        destroyArray(lying);

        sum = -1;
        findSpectrumPeak(nullptr, &sum, &p, &w);
        QCOMPARE(sum, 0.0f);
    }

    void rangeSumRoundsItsBounds()
    {
        Spectrum s(498, {1, 2, 4, 8, 16});
        const float single[2] = {500.4f, 499.6f}; // both round to 500
        QCOMPARE(sumSpectrumRange(s.array, single), 4.0f);
        const float span[2] = {498.0f, 502.0f};
        QCOMPARE(sumSpectrumRange(s.array, span), 31.0f);
        const float reversed[2] = {501.0f, 499.0f};
        QCOMPARE(sumSpectrumRange(s.array, reversed), 0.0f);
    }

    void rangeSumIgnoresWavelengthsOutsideTheSpectrum()
    {
        Spectrum s(498, {1, 2, 4, 8, 16});
        const float wide[2] = {300.0f, 900.0f};
        QCOMPARE(sumSpectrumRange(s.array, wide), 31.0f);
        const float beyond[2] = {700.0f, 70000.0f};
        QCOMPARE(sumSpectrumRange(s.array, beyond), 0.0f);
    }
};

QTEST_APPLESS_MAIN(TestSpectrumPeak)
#include "tst_spectrum_peak.moc"
