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
// Everything but the energy, peak and colour-ratio values needs the visible range.
const QList<int> kNeedVisible = [] {
    QList<int> all;
    for (int i = 0; i < kLightMetricsCount; ++i)
        if (!QList<int>{kEe, kLp, kHw, kRRatio, kRRatio + 1, kBRatio}.contains(i))
            all.append(i);
    return all;
}();
const QList<int> kEverything = [] { QList<int> all; for (int i = 0; i < kLightMetricsCount; ++i) all.append(i); return all; }();

bool isNan(float v) { return v != v; }

ColorRenditionResult rendition(const FloatArray *s)
{
    ColorRenditionResult r;
    std::memset(&r, 0x5A, sizeof r);
    computeColorRendition(s, &r);
    return r;
}

bool allNaN(const ColorRenditionResult &r)
{
    const float *v = reinterpret_cast<const float *>(&r);
    return std::all_of(v, v + sizeof r / sizeof(float), [](float x) { return std::isnan(x); });
}

SpectrumPtr d65(int from, int to) { return illuminant("D65", 1, from, to); }
SpectrumPtr axisOf(float w0, int rows, int claimed)
{
    return adversarialSpectrum(w0, rows, claimed, [](int i) { return 1.0f + float(i % 7); });
}

} // namespace

class DegenerateSpectraTest : public QObject {
    Q_OBJECT
private slots:
    // Each quantity needs its own band; a spectrum missing a band loses only what needs it.
    void whatCannotBeComputedIsNaN()
    {
        auto lying = makeSpectrum(340, 1020, [](int) { return 1.0; });
        lying->size[0] = 5000; // more rows than its block holds
        const std::shared_ptr<FloatArray> dark = makeSpectrum(340, 1020, [](int) { return 0.0; });
        struct Row { const char *name; std::shared_ptr<FloatArray> s; const FloatArray *raw; QList<int> nan, numbers, zeros; bool renditionNaN; };
        const QList<Row> rows{
            {"NaN start", axisOf(std::nanf(""), 681, 681), nullptr, kNeedVisible, {}, {}, true},
            {"start far above", axisOf(1e9f, 681, 681), nullptr, kNeedVisible, {}, {}, true},
            {"axis ending in the ultraviolet", axisOf(-5000.0f, 5300, 5300), nullptr, kNeedVisible, {}, {}, true},
            {"infrared only", axisOf(1500.0f, 1001, 1001), nullptr, kNeedVisible, {}, {}, true},
            {"one sample", axisOf(560.0f, 1, 1), nullptr, kNeedVisible, {}, {}, true},
            {"extent past the block", axisOf(340.0f, 681, 682), nullptr, kNeedVisible, {}, {}, true},
            {"negative extent", axisOf(340.0f, 681, -681), nullptr, kNeedVisible, {}, {}, true},
            {"no record", nullptr, nullptr, kEverything, {}, {}, true},
            {"lying record", nullptr, lying.get(), kEverything, {}, {}, true},
            {"empty record", makeSpectrum(340, std::vector<float>{}), nullptr, kEverything, {}, {}, true},
            {"no light", dark, nullptr, {kx, kCct, kRa, kErb, kPpfdRRatio}, {},
             {kX, kY, kZ, kNit, kLux, kEe, kFc, kEml, kMedi, kHazard, kPar, kPpfd, kYpfd}, true},
            {"380-780 nm: no YPFD", d65(380, 780), nullptr, {kYpfd}, {kCct, kRa, kLux, kPpfdFr, kHazard}, {}, false},
            {"from 390 nm: chromaticity, no illuminance", d65(390, 1020), nullptr, {kLux, kEml, kMedi, kHazard}, {kx, kEca}, {}, true},
            {"to 700 nm", d65(300, 700), nullptr, {kPpfdFr, kLux}, {kPar, kPpfdRRatio}, {}, true},
            {"before the hazard table", d65(250, 1020), nullptr, {kHazard}, {kLux}, {}, false},
            {"500-560 nm", d65(500, 560), nullptr, kNeedVisible, {}, {}, true},
            {"to 779 nm", d65(300, 779), nullptr, {}, {}, {}, true},
        };
        for (const Row &row : rows) {
            float m[kLightMetricsCount];
            std::fill(std::begin(m), std::end(m), 7.0f); // must all be overwritten
            const FloatArray *s = row.raw ? row.raw : row.s.get();
            computeLightMetrics(s, m);
            const auto where = [&row](int i) { return QStringLiteral("%1: index %2").arg(row.name).arg(i).toLatin1(); };
            for (int i = 0; i < kLightMetricsCount; ++i)
                QVERIFY2(m[i] != 7.0f, where(i).constData());
            for (int i : row.nan)
                QVERIFY2(isNan(m[i]), where(i).constData());
            for (int i : row.numbers)
                QVERIFY2(!isNan(m[i]), where(i).constData());
            for (int i : row.zeros)
                QVERIFY2(m[i] == 0.0f, where(i).constData());
            QVERIFY2(allNaN(rendition(s)) == row.renditionNaN, row.name);
        }
        // The 5-nm grid mirrors short ends, so the chromaticity stays; colour rendition counts
        // nothing outside 380-780 nm.
        float m[kLightMetricsCount];
        computeLightMetrics(d65(390, 1020).get(), m);
        QVERIFY(std::fabs(m[kx] - 0.3127f) < 0.002f);
        const SpectrumPtr f = illuminant("F", 2);
        const auto f2 = [&f](int w) {
            return (w < 378 || w > 782) ? 1000.0 : double(valueAt(*f, w < 380 ? 759 - w : w > 780 ? 1561 - w : w));
        };
        const ColorRenditionResult wide = rendition(makeSpectrum(360, 800, f2).get());
        const ColorRenditionResult bare = rendition(makeSpectrum(380, 780, f2).get());
        QVERIFY(std::fabs(wide.Rf - 70.0f) <= 1.0f);
        QCOMPARE(std::memcmp(&wide, &bare, sizeof wide), 0);
    }

    // A corrupt wavelength at the peak row changes only what reads the column itself; no CCT,
    // or one below the gamut fits, gives no index.
    void corruptColumnAndMissingTemperature()
    {
        const auto bump = [](int w) { return std::exp(-0.5 * std::pow((w - 560) / 30.0, 2)); };
        auto corrupt = makeSpectrum(340, 1020, bump);
        corrupt->data[560 - 340] = 3e38f;
        float a[kLightMetricsCount], b[kLightMetricsCount];
        computeLightMetrics(makeSpectrum(340, 1020, bump).get(), a);
        computeLightMetrics(corrupt.get(), b);
        const QList<int> readsColumn{kLp, kHw, kPpfd, kPpfdG, kPpfdRRatio, kPpfdRRatio + 1, kPpfdBRatio, kYpfd};
        for (int i = 0; i < kLightMetricsCount; ++i)
            QVERIFY2(readsColumn.contains(i) || a[i] == b[i] || (isNan(a[i]) && isNan(b[i])), qPrintable(QString::number(i)));

        float grid[spectral::kGridFloats], ra, r[15], uv[30], ees, bb8, bb15;
        spectral::resampleSpectrum5nm(daylightSpectrum(6500.0).get(), grid);
        for (float cct : {std::nanf(""), 900000.0f}) {
            spectral::computeCri(grid, cct, &ra, r, uv);
            QVERIFY(isNan(ra) && std::all_of(r, r + 15, isNan) && std::all_of(uv, uv + 30, isNan));
        }
        spectral::computeCri(grid, 800000.0f, &ra, r, uv);
        QVERIFY(!isNan(ra));
        for (float cct : {1499.0f, 1500.0f}) {
            spectral::computeGai(uv, cct, &ees, &bb8, &bb15);
            QCOMPARE(isNan(bb8) && isNan(bb15), cct < 1500.0f);
        }
    }
};

QTEST_APPLESS_MAIN(DegenerateSpectraTest)
#include "tst_degenerate_spectra.moc"
