// Colour ratios, dominant wavelength, SDCM, gamut area indices and S/P ratio.
#include "ColorQuantities.h"
#include "ColorRendering.h"
#include "Colorimetry.h"
#include "DeviceAxisSpectra.h"
#include "LightMetrics.h"
#include "ReferenceIlluminants.h"

#include <QtTest>
#include <cmath>

using namespace test_spectra;

namespace {

bool isNan(float v) { return v != v; }

struct Gai {
    float ees, bb8, bb15;
};

// The CRI sample coordinates of `spectrum` at `cct`, and its gamut areas.
Gai gaiOf(const FloatArray *spectrum, float cct, float *uv)
{
    float grid[spectral::kGridFloats], ra, r[15];
    spectral::resampleSpectrum5nm(spectrum, grid);
    spectral::computeCri(grid, cct, &ra, r, uv);
    Gai g;
    spectral::computeGai(uv, cct, &g.ees, &g.bb8, &g.bb15);
    return g;
}

} // namespace

class ColorQuantitiesTest : public QObject {
    Q_OBJECT
private slots:
    void dominantWavelength()
    {
        // {x, y, dominant wavelength (negative: complementary), purity}
        const double cases[][4] = {{0.2, 0.7, 531.1, 78.0},    // one crossing
                                   {0.35, 0.2, -547.9, 31.3},  // purple
                                   {0.6, 0.38, 597.8, 95.4},   // second crossing
                                   {0.15, 0.1, 471.1, 86.5}};  // first crossing
        for (const auto &c : cases) {
            float l, p;
            spectral::computeDominantWavelength(float(c[0]), float(c[1]), &l, &p);
            QVERIFY2(std::fabs(l - c[2]) < 0.2 && std::fabs(p - c[3]) < 0.5,
                     qPrintable(QStringLiteral("%1 %2").arg(l).arg(p)));
        }
        // The white point and no chromaticity have none.
        for (float x : {0.33333f, std::nanf("")}) {
            float l = 0.0f, p = 0.0f;
            spectral::computeDominantWavelength(x, 0.33333f, &l, &p);
            QVERIFY(isNan(l) && isNan(p));
        }
    }

    void sdcmAtAndAroundCentres()
    {
        float sdcm, k;
        spectral::computeSdcm(0.459f, 0.412f, &sdcm, &k);
        QCOMPARE(sdcm, 0.0f);
        QCOMPARE(k, 2700.0f);
        // 0.003 in x from the 3000 K centre: sqrt(39e4) * 0.003 steps.
        spectral::computeSdcm(0.443f, 0.403f, &sdcm, &k);
        QCOMPARE(k, 3000.0f);
        QVERIFY(std::fabs(sdcm - std::sqrt(39e4f) * 0.003f) < 1e-3f);
        spectral::computeSdcm(std::nanf(""), 0.4f, &sdcm, &k);
        QVERIFY(isNan(sdcm) && isNan(k));
    }

    void rgbRatiosFollowTheBands()
    {
        float grid[spectral::kGridFloats];
        const auto shares = [&](int from, int to) {
            for (int k = 0; k < spectral::kGridPoints; ++k) {
                const int w = 380 + 5 * k;
                grid[k] = float(w);
                grid[spectral::kGridPoints + k] = (w >= from && w <= to) ? 1.0f : 0.0f;
            }
            QVector<float> rgb(3);
            spectral::computeRgbRatios(grid, &rgb[0], &rgb[1], &rgb[2]);
            return rgb;
        };
        QCOMPARE(shares(600, 760), QVector<float>({100, 0, 0}));
        QCOMPARE(shares(500, 595), QVector<float>({0, 100, 0}));
        // Light beyond 760 nm is not counted; no light gives zero shares, not a division by zero.
        QCOMPARE(shares(765, 780), QVector<float>({0, 0, 0}));
        const QVector<float> all = shares(380, 780);
        QVERIFY(std::fabs(all[0] + all[1] + all[2] - 100.0f) < 1e-4f);
        QVERIFY(all[1] > all[0] && all[0] > all[2]);
    }

    void gamutAreaOfReferenceLikeSources()
    {
        // The blackbody normalisation makes a blackbody's own gamut about 100.
        float uv[30];
        for (double kelvin : {1600.0, 2000.0, 3000.0, 4000.0, 6500.0, 12000.0}) {
            auto s = blackbodySpectrum(kelvin);
            const Gai g = gaiOf(s.get(), float(kelvin), uv);
            QVERIFY2(std::fabs(g.bb8 - 100.0f) < 3.0f && std::fabs(g.bb15 - 100.0f) < 3.0f,
                     qPrintable(QStringLiteral("%1 K: %2 %3").arg(kelvin).arg(g.bb8).arg(g.bb15)));
        }
    }

    void blackbodyGamutNeedsAFittedCct()
    {
        // The equal-energy source's gamut is the GAI_EES unit.
        auto s = makeSpectrum(340, 1020, [](int) { return 1.0; });
        float uv[30];
        const Gai e = gaiOf(s.get(), 5455.0f, uv);
        QVERIFY2(std::fabs(e.ees - 100.0f) < 1.0f, qPrintable(QString::number(e.ees)));
        for (float cct : {300.0f, 1499.0f, std::nanf(""), 1500.0f}) {
            Gai g{0, 0, 0};
            spectral::computeGai(uv, cct, &g.ees, &g.bb8, &g.bb15);
            QCOMPARE(isNan(g.bb8) && isNan(g.bb15), !(cct >= 1500.0f));
            QCOMPARE(g.ees, e.ees); // does not depend on the CCT
        }
    }

    void scotopicToPhotopicRatio()
    {
        using namespace cie_reference;
        float grid[spectral::kGridFloats];
        // Published S/P ratios: illuminant A 1.41, D65 2.47.
        auto a = fromTable(kIlluminantA, kIlluminantAFirst, kIlluminantAStep, kIlluminantACount);
        spectral::resampleSpectrum5nm(a.get(), grid);
        QVERIFY(std::fabs(spectral::computeSpRatio(grid) - 1.41f) < 0.01f);
        auto d65 = fromTable(kIlluminantD65, kIlluminantD65First, kIlluminantD65Step, kIlluminantD65Count,
                             kDeviceFirst, kDeviceLast, 3.0);
        spectral::resampleSpectrum5nm(d65.get(), grid);
        QVERIFY(std::fabs(spectral::computeSpRatio(grid) - 2.47f) < 0.01f);
    }
};

QTEST_APPLESS_MAIN(ColorQuantitiesTest)
#include "tst_color_quantities.moc"
