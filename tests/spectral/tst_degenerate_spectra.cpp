// Spectra that do not give what a quantity needs: nonsense axes, records that lie about
// their size, no light, and spectra that cover only part of the bands. Nothing may be read
// outside a record (the sanitizer build runs this), and what cannot be computed is NaN.
#include "ColorQuantities.h"
#include "ColorRendering.h"
#include "ColorRendition.h"
#include "Colorimetry.h"
#include "DeviceAxisSpectra.h"
#include "LightMetrics.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstring>

using namespace test_spectra;

namespace {

enum : int {
    kX = 0, kY = 1, kZ = 2, kx = 3, kCct = 9, kNit = 10, kRRatio = 11, kBRatio = 13, kRa = 15, kLp = 31, kHw = 32,
    kLux = 38, kEe = 39, kFc = 40, kEml = 45, kMedi = 46, kHazard = 47, kPar = 48, kEca = 49, kErb = 54, kPpfd = 55,
    kPpfdG = 57, kPpfdFr = 59, kPpfdRRatio = 60, kPpfdBRatio = 62, kYpfd = 63,
};

bool isNan(float v) { return v != v; }

struct Metrics {
    float v[kLightMetricsCount];
    explicit Metrics(const FloatArray *s)
    {
        std::fill(std::begin(v), std::end(v), 7.0f); // must all be overwritten
        computeLightMetrics(s, v);
    }
    float operator[](int i) const { return v[i]; }
};

// Everything but the energy, peak and colour-ratio values needs the visible range.
void verifyNothingVisible(const Metrics &m)
{
    const int kept[] = {kEe, kLp, kHw, kRRatio, kRRatio + 1, kBRatio};
    for (int i = 0; i < kLightMetricsCount; ++i) {
        QVERIFY(m[i] != 7.0f);
        if (std::find(std::begin(kept), std::end(kept), i) == std::end(kept))
            QVERIFY2(isNan(m[i]), qPrintable(QStringLiteral("index %1 = %2").arg(i).arg(m[i])));
    }
}

bool allNaN(const ColorRenditionResult &r)
{
    const float *v = reinterpret_cast<const float *>(&r);
    return std::all_of(v, v + sizeof r / sizeof(float), [](float x) { return std::isnan(x); });
}

ColorRenditionResult rendition(const FloatArray *s)
{
    ColorRenditionResult r;
    std::memset(&r, 0x5A, sizeof r);
    computeColorRendition(s, &r);
    return r;
}

SpectrumPtr d65(int from, int to) { return illuminant("D65", 1, from, to); }

} // namespace

class DegenerateSpectraTest : public QObject {
    Q_OBJECT
private slots:
    void nonsenseAxes_data()
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
        QTest::newRow("one sample") << 560.0f << 1 << 1;
        QTest::newRow("extent past the block") << 340.0f << 681 << 682;
        QTest::newRow("extent twice the block") << 340.0f << 681 << 1362;
        QTest::newRow("negative extent") << 340.0f << 681 << -681;
    }
    void nonsenseAxes()
    {
        QFETCH(float, w0);
        QFETCH(int, rows);
        QFETCH(int, claimedRows);
        SpectrumPtr s = adversarialSpectrum(w0, rows, claimedRows, [](int i) { return 1.0f + float(i % 7); });
        verifyNothingVisible(Metrics(s.get()));
        QVERIFY(allNaN(rendition(s.get())));
    }

    void missingRecordsAndNoLight()
    {
        auto lying = makeSpectrum(340, 1020, [](int) { return 1.0; });
        lying->size[0] = 5000; // more rows than its block holds
        auto empty = makeSpectrum(340, std::vector<float>{});
        for (const FloatArray *s : std::initializer_list<const FloatArray *>{nullptr, lying.get(), empty.get()}) {
            const Metrics m(s);
            QVERIFY(std::all_of(std::begin(m.v), std::end(m.v), isNan));
        }
        // No light: every colour quantity is NaN, every amount of light zero.
        auto dark = makeSpectrum(340, 1020, [](int) { return 0.0; });
        const Metrics m(dark.get());
        for (int i : {kx, kCct, kRa, kErb, kPpfdRRatio})
            QVERIFY2(isNan(m[i]), qPrintable(QString::number(i)));
        for (int i : {kX, kY, kZ, kNit, kLux, kEe, kFc, kEml, kMedi, kHazard, kPar, kPpfd, kYpfd})
            QCOMPARE(m[i], 0.0f);
        QVERIFY(allNaN(rendition(dark.get())));
    }

    // Each quantity needs its own band; a spectrum missing a band loses only what needs it.
    void spectraCoveringPartOfTheBands()
    {
        Metrics m(d65(380, 780).get());
        QVERIFY(std::fabs(m[kCct] - 6504.0f) < 5.0f && m[kRa] > 99.0f && m[kLux] > 0.0f);
        QVERIFY(!isNan(m[kPpfdFr]) && !isNan(m[kHazard]) && isNan(m[kYpfd])); // YPFD needs 360 nm
        m = Metrics(d65(390, 1020).get()); // chromaticity from mirrored ends, no illuminance
        QVERIFY(std::fabs(m[kx] - 0.3127f) < 0.002f);
        QVERIFY(isNan(m[kLux]) && isNan(m[kEml]) && isNan(m[kMedi]) && isNan(m[kHazard]) && !isNan(m[kEca]));
        m = Metrics(d65(300, 700).get());
        QVERIFY(isNan(m[kPpfdFr]) && isNan(m[kLux]) && !isNan(m[kPar]) && !isNan(m[kPpfdRRatio]));
        m = Metrics(d65(250, 1020).get()); // starts before the hazard table
        QVERIFY(isNan(m[kHazard]) && !isNan(m[kLux]));
        verifyNothingVisible(Metrics(d65(500, 560).get()));
        // Colour rendition needs 380-780 nm and counts nothing outside it.
        QVERIFY(allNaN(rendition(d65(381, 1020).get())) && allNaN(rendition(d65(300, 779).get())));
        const SpectrumPtr f = illuminant("F", 2);
        const auto f2 = [&f](int w) {
            return (w < 378 || w > 782) ? 1000.0 : double(valueAt(*f, w < 380 ? 759 - w : w > 780 ? 1561 - w : w));
        };
        const ColorRenditionResult wide = rendition(makeSpectrum(360, 800, f2).get());
        const ColorRenditionResult bare = rendition(makeSpectrum(380, 780, f2).get());
        QVERIFY(std::fabs(wide.Rf - 70.0f) <= 1.0f);
        QCOMPARE(std::memcmp(&wide, &bare, sizeof wide), 0);
    }

    // The 5-nm grid mirrors short ends, but never an ultraviolet- or infrared-only spectrum.
    void resamplingMirrorsOnlyFromInsideTheGrid()
    {
        float g[spectral::kGridFloats];
        auto s = makeSpectrum(380, 780, [](int w) { return (w % 7) + 0.25 * (w % 3); });
        const auto S = [&](int w) { return valueAt(*s, w); };
        spectral::resampleSpectrum5nm(s.get(), g);
        QCOMPARE(g[spectral::kGridPoints], S(381) + S(380) + S(380) + S(381) + S(382));
        QCOMPARE(g[spectral::kGridPoints + 80], S(778) + S(779) + S(780) + S(780) + S(779));
        spectral::resampleSpectrum5nm(makeSpectrum(560, 579, [](int) { return 1.0; }).get(), g);
        QVERIFY(isNan(g[spectral::kGridPoints]) && g[spectral::kGridPoints + 38] == 5.0f);
        for (int from : {-500, 783}) {
            spectral::resampleSpectrum5nm(makeSpectrum(from, from + 877, [](int) { return 1.0; }).get(), g);
            QVERIFY(std::all_of(g + spectral::kGridPoints, g + spectral::kGridFloats, isNan));
        }
        spectral::resampleSpectrum5nm(makeSpectrum(378, 1020, [](int) { return 1.0; }).get(), g);
        QCOMPARE(g[spectral::kGridPoints], 5.0f);
    }

    // A corrupt wavelength at the peak row changes only what reads the column itself.
    void corruptWavelengthFeedsOnlyPeakAndPhotonFlux()
    {
        const auto bump = [](int w) { return std::exp(-0.5 * std::pow((w - 560) / 30.0, 2)); };
        auto corrupt = makeSpectrum(340, 1020, bump);
        corrupt->data[560 - 340] = 3e38f;
        const Metrics a(makeSpectrum(340, 1020, bump).get()), b(corrupt.get());
        const int readsColumn[] = {kLp, kHw, kPpfd, kPpfdG, kPpfdRRatio, kPpfdRRatio + 1, kPpfdBRatio, kYpfd};
        for (int i = 0; i < kLightMetricsCount; ++i)
            if (std::find(std::begin(readsColumn), std::end(readsColumn), i) == std::end(readsColumn))
                QVERIFY2(a[i] == b[i] || (isNan(a[i]) && isNan(b[i])), qPrintable(QString::number(i)));
    }

    // No CCT, or one below the gamut fits, gives no index.
    void indicesNeedAColourTemperature()
    {
        float grid[spectral::kGridFloats], ra, r[15], uv[30], ees, bb8, bb15;
        spectral::resampleSpectrum5nm(daylightSpectrum(6500.0).get(), grid);
        for (float cct : {std::nanf(""), 900000.0f}) {
            spectral::computeCri(grid, cct, &ra, r, uv);
            QVERIFY(isNan(ra) && std::all_of(r, r + 15, isNan) && std::all_of(uv, uv + 30, isNan));
        }
        spectral::computeCri(grid, 800000.0f, &ra, r, uv);
        QVERIFY(!isNan(ra));
        for (float cct : {300.0f, 1499.0f, 1500.0f}) {
            spectral::computeGai(uv, cct, &ees, &bb8, &bb15);
            QCOMPARE(isNan(bb8) && isNan(bb15), cct < 1500.0f);
        }
    }
};

QTEST_APPLESS_MAIN(DegenerateSpectraTest)
#include "tst_degenerate_spectra.moc"
