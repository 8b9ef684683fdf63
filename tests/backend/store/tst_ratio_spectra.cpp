// Absorbance, transmittance and reflectance against a reference with weak points,
// computed alone and through the store's getters.
#include "StoreFixtures.h"
#include "store/DataBuffer.h"
#include "store/RatioSpectra.h"

#include <QtTest>
#include <cmath>
#include <limits>

using namespace testsupport;

namespace {

const double NaN = std::numeric_limits<double>::quiet_NaN();

// Reference maximum 100, so 5 is exactly the weak limit.
const QList<double> kReference{100, 100, 100, 5, 6, 0, 100, 40, 100, -3};
const QList<double> kSource{50, 150, 0, 1, 3, 0, 0.05, 10, NaN, 1};
const QList<double> kTransmittance{0.5, 1, 0, NaN, 0.5, NaN, 0.0005, 0.25, NaN, NaN};
const QList<double> kAbsorbance{0.30102999566398120, 0, 3, NaN, 0.30102999566398120, NaN, 3,
                                0.60205999132796240, NaN, NaN};

QList<double> ratioOf(RatioKind kind, const QList<double> &source, const QList<double> &reference,
                    bool hasReference = true)
{
    QList<double> out{7, 7, 7}; // stale content must go
    computeRatioSpectrum(kind, source, reference, hasReference, out);
    return out;
}

void compareWithNaN(const QList<double> &actual, const QList<double> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        if (std::isnan(expected[i]))
            QVERIFY2(std::isnan(actual[i]), qPrintable(QString("index %1 should be NaN").arg(i)));
        else
            QVERIFY2(std::fabs(actual[i] - expected[i]) < 1e-12,
                     qPrintable(QString("index %1: %2 != %3").arg(i).arg(actual[i]).arg(expected[i])));
    }
}

bool allNaN(const QList<double> &values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isnan(v); });
}

void feed(DataBuffer &store, const QVector<uint16_t> &samples)
{
    feedSpectrum(store, plainSpectrum(0, samples));
}

} // namespace

class TestRatioSpectra : public QObject
{
    Q_OBJECT
    MeasurementFlags flags;

private slots:
    void initTestCase()
    {
        prepareStoreTests();
    }

    void eachKindHasExactValuesAndNaNWhereTheReferenceIsWeak_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<double>>("expected");
        QTest::newRow("absorbance") << int(RatioKind::Absorbance) << kAbsorbance;
        QTest::newRow("transmittance") << int(RatioKind::Transmittance) << kTransmittance;
        QTest::newRow("reflectance") << int(RatioKind::Reflectance) << kTransmittance;
    }

    void eachKindHasExactValuesAndNaNWhereTheReferenceIsWeak()
    {
        QFETCH(int, kind);
        QFETCH(QList<double>, expected);
        compareWithNaN(ratioOf(RatioKind(kind), kSource, kReference), expected);
    }

    void sourceBelowZeroIsFullAbsorption()
    {
        const QList<double> a = ratioOf(RatioKind::Absorbance, {-2, 20}, {100, 100});
        QCOMPARE(a[0], 3.0);
        QCOMPARE(a[1], std::log10(5.0));
        // Full transmission reads as zero absorbance, not as a negative zero.
        QVERIFY(!std::signbit(ratioOf(RatioKind::Absorbance, {100}, {100})[0]));
    }

    void withoutAUsableReferenceEverythingIsNaN()
    {
        // No reference taken, one of another range, a dark one, a negative one.
        const QList<QPair<QList<double>, bool>> references{
            {kReference, false}, {kReference.mid(1), true}, {QList<double>(kSource.size(), 0.0), true},
            {QList<double>(kSource.size(), -4.0), true}};
        for (const auto &reference : references) {
            for (RatioKind kind : {RatioKind::Absorbance, RatioKind::Transmittance, RatioKind::Reflectance}) {
                const QList<double> out = ratioOf(kind, kSource, reference.first, reference.second);
                QCOMPARE(out.size(), kSource.size());
                QVERIFY(allNaN(out));
            }
        }
    }

    void storeGettersRatioTheSourceAgainstTheCapturedReference()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        const int n = store.getWlLength();
        QVector<uint16_t> reference(n, 200);
        reference[10] = 10; // exactly 5 % of the maximum
        reference[11] = 11;
        reference[12] = 0;
        QVector<uint16_t> source(n, 100);
        source[11] = 2;
        source[20] = 400;
        source[21] = 0;

        // Before any reference: a ratio over every point, all without value.
        feed(store, source);
        QCOMPARE(store.getTransmittance().size(), n);
        QVERIFY(allNaN(store.getTransmittance()));

        flags.reference = true;
        feed(store, reference);
        store.setHasReference(true);
        flags.reference = false;
        feed(store, source);

        const QList<double> &t = store.getTransmittance();
        const QList<double> &r = store.getReflectance();
        const QList<double> &a = store.getAbsorbance();
        for (const QList<double> *list : {&t, &r, &a}) {
            QCOMPARE(list->size(), n);
            QVERIFY(std::isnan((*list)[10]) && std::isnan((*list)[12]));
        }
        QCOMPARE(t[0], 0.5);
        QCOMPARE(r[0], 0.5);
        QCOMPARE(a[0], std::log10(2.0));
        QCOMPARE(t[11], 2.0 / 11.0);
        QCOMPARE(t[20], 1.0);
        QCOMPARE(a[20], 0.0);
        QCOMPARE(a[21], 3.0);
        // The getters hand out the store's own lists, refilled in place.
        QCOMPARE(&store.getAbsorbance(), &a);

        store.clearReference();
        QVERIFY(allNaN(store.getReflectance()));
        // Clearing the buffer leaves the list a chart still holds without a stale ratio.
        QCOMPARE(t[0], 0.5);
        store.clearBuffer();
        QCOMPARE(t.size(), n);
        QVERIFY(allNaN(t));
    }
};

QTEST_MAIN(TestRatioSpectra)
#include "tst_ratio_spectra.moc"
