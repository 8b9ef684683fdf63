// The 64-value light-metrics block: bands, weighted sums, melanopic quantities, invariants
// and spectra that do not cover what a quantity needs.
#include "DeviceAxisSpectra.h"
#include "LibraryCore.h"
#include "LightMetrics.h"
#include "ReferenceIlluminants.h"
#include "tables/ChlorophyllWeights.h"

#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace test_spectra;
using namespace cie_reference;

namespace {

enum : int {
    kX = 0, kY = 1, kZ = 2, kx = 3, ky = 4, kVPrime = 8, kCct = 9, kNit = 10, kRRatio = 11, kBRatio = 13,
    kDuv = 14, kRa = 15, kLp = 31, kHw = 32, kLd = 33, kPurity = 34, kSp = 35, kSdcm = 36, kK = 37,
    kLux = 38, kEe = 39, kFc = 40, kCqs = 41, kGaiEes = 42, kGaiBb15 = 44, kEml = 45, kMedi = 46,
    kHazard = 47, kPar = 48, kEca = 49, kEcb = 50, kEb = 51, kEy = 52, kEr = 53, kErb = 54,
    kPpfd = 55, kPpfdB = 56, kPpfdG = 57, kPpfdR = 58, kPpfdFr = 59, kPpfdRRatio = 60,
    kPpfdBRatio = 62, kYpfd = 63,
};

// Quantities proportional to the spectrum's scale; everything else is relative.
const int kAbsolute[] = {kX, kY, kZ, kNit, kLux, kEe, kFc, kEml, kMedi, kHazard, kPar, kEca, kEcb,
                         kEb, kEy, kEr, kPpfd, kPpfdB, kPpfdG, kPpfdR, kPpfdFr, kYpfd};
const int kChromatic[] = {kx, ky, kVPrime, kCct, kDuv, kRa, kLd, kPurity, kSp, kSdcm, kK, kCqs,
                          kGaiEes, kGaiBb15, kLp, kHw};

bool isNan(float v) { return v != v; }
bool closeTo(double value, double expected) { return std::fabs(value - expected) <= 1e-5 * std::fabs(expected); }
template <typename List> bool contains(const List &list, int i)
{
    return std::find(std::begin(list), std::end(list), i) != std::end(list);
}

struct Metrics {
    float v[kLightMetricsCount];
    float operator[](int i) const { return v[i]; }
};

Metrics metricsOf(const FloatArray *s)
{
    Metrics m;
    std::fill(std::begin(m.v), std::end(m.v), 7.0f); // must all be overwritten
    computeLightMetrics(s, m.v);
    return m;
}

// Everything but the energy, peak and colour-ratio values needs the visible range.
void verifyNothingVisible(const Metrics &m)
{
    const int kept[] = {kEe, kLp, kHw, kRRatio, kRRatio + 1, kBRatio};
    for (int i = 0; i < kLightMetricsCount; ++i) {
        QVERIFY(m[i] != 7.0f);
        if (!contains(kept, i))
            QVERIFY2(isNan(m[i]), qPrintable(QStringLiteral("index %1 = %2").arg(i).arg(m[i])));
    }
}

SpectrumPtr d65(int from = kDeviceFirst, int to = kDeviceLast, double scale = 1.0)
{
    return fromTable(kIlluminantD65, kIlluminantD65First, 5, kIlluminantD65Count, from, to, scale);
}

// Photon constant of the devices, umol per joule and nanometre.
constexpr double kPhotonConstant = 0.008348808;

} // namespace

class LightMetricsTest : public QObject {
    Q_OBJECT
private slots:
    void constantSpectrumBands()
    {
        auto s = makeSpectrum(340, 1020, [](int) { return 1.0; });
        const Metrics m = metricsOf(s.get());
        QCOMPARE(m[kPar], 301.0f);
        QCOMPARE(m[kEb], 101.0f);
        QCOMPARE(m[kEr], 101.0f);
        QCOMPARE(m[kErb], 1.0f);
        QCOMPARE(m[kEe], 681.0f);
        QVERIFY(closeTo(double(m[kPpfd]), kPhotonConstant * 165550.0));
        // 500 and 600 nm belong to two bands each.
        const double overlap = double(m[kPpfdB]) + m[kPpfdG] + m[kPpfdR] - m[kPpfd];
        QVERIFY(std::fabs(overlap - kPhotonConstant * 1100.0) < 1e-3);
        // 360-760 nm: 401 rows with mean wavelength 560 nm.
        QVERIFY(closeTo(double(m[kYpfd]), kPhotonConstant * 401.0 * 560.0));
        QVERIFY(closeTo(double(m[kPpfdFr]), kPhotonConstant * 81.0 * 740.0));

        // The 5-nm weight tables are summed with their 5-nm step.
        double hazard = 0.0, ca = 0.0, cb = 0.0;
        for (int w = 340; w <= 700; w += 5)
            hazard += cie::kBlueLightHazard[(w - cie::kBlueLightHazardFirst) / 5];
        for (int j = 0; j < spectral::kChlorophyllWeightCount; ++j) {
            ca += spectral::kChlorophyllA[j];
            cb += spectral::kChlorophyllB[j];
        }
        QVERIFY(closeTo(double(m[kHazard]), 5.0 * hazard));
        QVERIFY(closeTo(double(m[kEca]), 5.0 * ca));
        QVERIFY(closeTo(double(m[kEcb]), 5.0 * cb));

        // No plant light: zero PAR, ratios without value.
        auto dark = makeSpectrum(340, 1020, [](int w) { return (w >= 400 && w <= 700) ? 0.0 : 1.0; });
        const Metrics d = metricsOf(dark.get());
        QCOMPARE(d[kPar], 0.0f);
        QVERIFY(isNan(d[kErb]));
        for (int i = kPpfdRRatio; i <= kPpfdBRatio; ++i)
            QVERIFY(isNan(d[i]));
    }

    void melanopicAndLuminousQuantities()
    {
        // Equal-energy light: EML equals the illuminance; D65: melanopic EDI does.
        const Metrics me = metricsOf(makeSpectrum(340, 1020, [](int) { return 2.0; }).get());
        QVERIFY2(std::fabs(me[kEml] / me[kLux] - 1.0f) < 0.01f, qPrintable(QString::number(me[kEml] / me[kLux])));
        const Metrics md = metricsOf(d65().get());
        QVERIFY2(std::fabs(md[kMedi] / md[kLux] - 1.0f) < 0.01f, qPrintable(QString::number(md[kMedi] / md[kLux])));
        // Illuminant A has about half the melanopic content of daylight per lux.
        const Metrics ma = metricsOf(fromTable(kIlluminantA, kIlluminantAFirst, kIlluminantAStep, kIlluminantACount).get());
        QVERIFY(std::fabs(ma[kMedi] / ma[kLux] - 0.50f) < 0.02f);

        const Metrics m = metricsOf(blackbodySpectrum(3000.0).get());
        QVERIFY(m[kLux] > 0.0f);
        QCOMPARE(m[kY], m[kLux]);
        QCOMPARE(m[kNit], m[kLux]);
        QVERIFY(closeTo(m[kFc] * 10.76391, m[kLux]));
        // X : Y : Z keeps the chromaticity after scaling to lux.
        QVERIFY(std::fabs(m[kX] / (m[kX] + m[kY] + m[kZ]) - m[kx]) < 1e-5f);
    }

    void scalingInvariants_data()
    {
        QTest::addColumn<int>("source");
        QTest::newRow("D65") << 0;
        QTest::newRow("F7") << 1;
        QTest::newRow("LED-like") << 2;
    }

    void scalingInvariants()
    {
        QFETCH(int, source);
        const double factor = 37.5;
        const auto build = [&](double scale) {
            if (source == 0)
                return d65(kDeviceFirst, kDeviceLast, scale);
            if (source == 1)
                return fromTable(kIlluminantF[6], kIlluminantFFirst, 5, kIlluminantFCount, kDeviceFirst, kDeviceLast, scale);
            return makeSpectrum(kDeviceFirst, kDeviceLast, [scale](int w) {
                return scale * (std::exp(-0.5 * std::pow((w - 450) / 10.0, 2))
                                + 0.8 * std::exp(-0.5 * std::pow((w - 600) / 60.0, 2)));
            });
        };
        auto base = build(1.0), scaled = build(factor);
        const Metrics a = metricsOf(base.get()), b = metricsOf(scaled.get());
        for (int i = 0; i < kLightMetricsCount; ++i) {
            QVERIFY2(!isNan(a[i]), qPrintable(QString::number(i)));
            if (contains(kAbsolute, i)) {
                QVERIFY2(a[i] != 0.0f && std::fabs(b[i] / (a[i] * factor) - 1.0) < 1e-5, qPrintable(QString::number(i)));
            } else {
                QVERIFY2(std::fabs(b[i] - a[i]) <= 1e-4f * std::max(1.0f, std::fabs(a[i])),
                         qPrintable(QStringLiteral("index %1: %2 vs %3").arg(i).arg(a[i]).arg(b[i])));
            }
        }
    }

    void allZeroSpectrum()
    {
        const Metrics m = metricsOf(makeSpectrum(340, 1020, [](int) { return 0.0; }).get());
        for (int i : kChromatic)
            QVERIFY2(isNan(m[i]), qPrintable(QStringLiteral("index %1 = %2").arg(i).arg(m[i])));
        for (int i = kRa; i <= kRa + 15; ++i)
            QVERIFY(isNan(m[i]));
        QVERIFY(isNan(m[kErb]) && isNan(m[kPpfdRRatio]));
        // No light is a measurable amount: zero.
        for (int i : kAbsolute)
            QCOMPARE(m[i], 0.0f);
    }

    void spectraNotCoveringTheBands()
    {
        // Visible only: every luminous and colour quantity exists; bands outside do not.
        Metrics m = metricsOf(d65(380, 780).get());
        QVERIFY(std::fabs(m[kCct] - 6504.0f) < 5.0f);
        QVERIFY(m[kLux] > 0.0f && m[kRa] > 99.0f && m[kEml] > 0.0f);
        QVERIFY(!isNan(m[kPpfdFr]) && !isNan(m[kPar]) && !isNan(m[kHazard]));
        QVERIFY(isNan(m[kYpfd])); // needs 360 nm

        // Starting at 390 nm: chromaticity from the mirrored ends, but no illuminance.
        m = metricsOf(d65(390, 1020).get());
        QVERIFY(std::fabs(m[kx] - 0.3127f) < 0.002f);
        QVERIFY(isNan(m[kLux]) && isNan(m[kY]) && isNan(m[kEml]) && isNan(m[kMedi]) && isNan(m[kFc]));
        QVERIFY(isNan(m[kHazard]));
        QVERIFY(!isNan(m[kPar]) && !isNan(m[kEca]));

        // Ending at 700 nm: the far-red band and the luminous sums are missing.
        m = metricsOf(d65(300, 700).get());
        QVERIFY(isNan(m[kPpfdFr]) && isNan(m[kLux]) && isNan(m[kYpfd]));
        QVERIFY(!isNan(m[kPar]) && !isNan(m[kHazard]) && !isNan(m[kPpfdRRatio]));

        // Starting before the hazard table.
        m = metricsOf(d65(250, 1020).get());
        QVERIFY(isNan(m[kHazard]));
        QVERIFY(!isNan(m[kLux]) && !isNan(m[kYpfd]));

        // A narrow window of the green, and one single sample: nothing that needs the visible range.
        verifyNothingVisible(metricsOf(d65(500, 560).get()));
        auto one = makeSpectrum(550, std::vector<float>{1.0f});
        QCOMPARE(metricsOf(one.get())[kEe], 1.0f);
        verifyNothingVisible(metricsOf(one.get()));
    }

    void malformedInputGivesNaN()
    {
        auto lying = makeSpectrum(340, 1020, [](int) { return 1.0; });
        lying->size[0] = 5000; // more rows than its block holds
        auto empty = makeSpectrum(340, std::vector<float>{});
        for (const FloatArray *s : std::initializer_list<const FloatArray *>{nullptr, lying.get(), empty.get()}) {
            const Metrics m = metricsOf(s);
            for (float v : m.v)
                QVERIFY(isNan(v));
        }
    }

    void adversarialAxes_data()
    {
        QTest::addColumn<float>("w0");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("claimedRows");
        QTest::newRow("NaN start") << std::nanf("") << 681 << 681;
        QTest::newRow("infinite start") << float(INFINITY) << 681 << 681;
        QTest::newRow("start far above") << 1e9f << 681 << 681;
        QTest::newRow("start far below") << -1e9f << 681 << 681;
        QTest::newRow("negative axis ending in the ultraviolet") << -5000.0f << 5300 << 5300;
        QTest::newRow("infrared only") << 1500.0f << 1001 << 1001;
        QTest::newRow("extent one more than half the block") << 340.0f << 681 << 682;
        QTest::newRow("extent twice the block") << 340.0f << 681 << 1362;
        QTest::newRow("negative extent") << 340.0f << 681 << -681;
    }

    void adversarialAxes()
    {
        QFETCH(float, w0);
        QFETCH(int, rows);
        QFETCH(int, claimedRows);
        SpectrumPtr s = adversarialSpectrum(w0, rows, claimedRows, [](int) { return 1.0f; });
        verifyNothingVisible(metricsOf(s.get()));
    }

    void wavelengthColumnFeedsOnlyPeakAndPhotonFlux()
    {
        // A corrupt wavelength at the peak row changes only what reads the column itself,
        // and is never turned into a row index.
        const auto bump = [](int w) { return std::exp(-0.5 * std::pow((w - 560) / 30.0, 2)); };
        auto clean = makeSpectrum(340, 1020, bump);
        auto corrupt = makeSpectrum(340, 1020, bump);
        corrupt->data[560 - 340] = 3e38f;
        const Metrics a = metricsOf(clean.get()), b = metricsOf(corrupt.get());
        QCOMPARE(a[kLp], 560.0f);
        const int readsColumn[] = {kLp, kHw, kPpfd, kPpfdG, kPpfdRRatio, kPpfdRRatio + 1, kPpfdBRatio, kYpfd};
        for (int i = 0; i < kLightMetricsCount; ++i) {
            if (!contains(readsColumn, i))
                QVERIFY2(a[i] == b[i] || (isNan(a[i]) && isNan(b[i])),
                         qPrintable(QStringLiteral("index %1: %2 vs %3").arg(i).arg(a[i]).arg(b[i])));
        }
    }

    void initialisationRunsOnce()
    {
        auto s = makeSpectrum(340, 1020, [](int) { return 1.0; });
        float r[kLightMetricsCount];
        computeLightMetrics(s.get(), r);
        computeColorimetry(s.get(), r);
        computeLightMetrics(s.get(), r);
        QCOMPARE(spectral::initialisationCount(), 1);
    }
};

QTEST_APPLESS_MAIN(LightMetricsTest)
#include "tst_light_metrics.moc"
