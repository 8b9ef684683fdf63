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

Gai gaiOf(const FloatArray *spectrum, float cct)
{
    float grid[spectral::kGridFloats];
    spectral::resampleSpectrum5nm(spectrum, grid);
    float ra, r[15], uv[30];
    spectral::computeCri(grid, cct, &ra, r, uv);
    Gai g;
    spectral::computeGai(uv, cct, &g.ees, &g.bb8, &g.bb15);
    return g;
}

} // namespace

class ColorQuantitiesTest : public QObject {
    Q_OBJECT
private slots:
    void dominantWavelength_data();
    void dominantWavelength();
    void whitePointHasNoDominantWavelength();
    void sdcmAtAndAroundCentres();
    void rgbRatiosFollowTheBands();
    void gamutAreaOfReferenceLikeSources_data();
    void gamutAreaOfReferenceLikeSources();
    void blackbodyGamutNeedsAFittedCct();
    void scotopicToPhotopicRatio();
};

void ColorQuantitiesTest::dominantWavelength_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<double>("ld");
    QTest::addColumn<double>("purity");
    QTest::newRow("green, one crossing") << 0.2f << 0.7f << 531.1 << 78.0;
    QTest::newRow("purple, complementary") << 0.35f << 0.2f << -547.9 << 31.3;
    QTest::newRow("orange, second crossing") << 0.6f << 0.38f << 597.8 << 95.4;
    QTest::newRow("blue, first crossing") << 0.15f << 0.1f << 471.1 << 86.5;
}

void ColorQuantitiesTest::dominantWavelength()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(double, ld);
    QFETCH(double, purity);
    float l, p;
    spectral::computeDominantWavelength(x, y, &l, &p);
    QVERIFY2(std::fabs(l - ld) < 0.2, qPrintable(QString::number(l)));
    QVERIFY2(std::fabs(p - purity) < 0.5, qPrintable(QString::number(p)));
}

void ColorQuantitiesTest::whitePointHasNoDominantWavelength()
{
    float l = 0.0f, p = 0.0f;
    spectral::computeDominantWavelength(0.33333f, 0.33333f, &l, &p);
    QVERIFY(isNan(l) && isNan(p));
    l = p = 0.0f;
    spectral::computeDominantWavelength(std::nanf(""), 0.4f, &l, &p);
    QVERIFY(isNan(l) && isNan(p));
}

void ColorQuantitiesTest::sdcmAtAndAroundCentres()
{
    float sdcm, k;
    spectral::computeSdcm(0.459f, 0.412f, &sdcm, &k);
    QCOMPARE(sdcm, 0.0f);
    QCOMPARE(k, 2700.0f);
    spectral::computeSdcm(0.38f, 0.38f, &sdcm, &k);
    QCOMPARE(sdcm, 0.0f);
    QCOMPARE(k, 4100.0f);
    // 0.003 in x from the 3000 K centre: sqrt(39e4) * 0.003 steps.
    spectral::computeSdcm(0.443f, 0.403f, &sdcm, &k);
    QCOMPARE(k, 3000.0f);
    QVERIFY(std::fabs(sdcm - std::sqrt(39e4f) * 0.003f) < 1e-3f);
    // No chromaticity, no nearest centre.
    spectral::computeSdcm(std::nanf(""), 0.4f, &sdcm, &k);
    QVERIFY(isNan(sdcm) && isNan(k));
}

void ColorQuantitiesTest::rgbRatiosFollowTheBands()
{
    float grid[spectral::kGridFloats];
    float *values = grid + spectral::kGridPoints;
    const auto fill = [&](int from, int to) {
        for (int k = 0; k < spectral::kGridPoints; ++k) {
            const int w = 380 + 5 * k;
            grid[k] = float(w);
            values[k] = (w >= from && w <= to) ? 1.0f : 0.0f;
        }
    };
    float r, g, b;
    fill(600, 760);
    spectral::computeRgbRatios(grid, &r, &g, &b);
    QCOMPARE(r, 100.0f);
    QCOMPARE(g, 0.0f);
    QCOMPARE(b, 0.0f);
    fill(500, 595);
    spectral::computeRgbRatios(grid, &r, &g, &b);
    QCOMPARE(g, 100.0f);
    QCOMPARE(r, 0.0f);
    // Light beyond 760 nm is not counted; no light gives zero shares, not a division by zero.
    fill(765, 780);
    spectral::computeRgbRatios(grid, &r, &g, &b);
    QCOMPARE(r, 0.0f);
    QCOMPARE(g, 0.0f);
    QCOMPARE(b, 0.0f);
    fill(380, 780);
    spectral::computeRgbRatios(grid, &r, &g, &b);
    QVERIFY(std::fabs(r + g + b - 100.0f) < 1e-4f);
    QVERIFY(g > r && r > b);
}

void ColorQuantitiesTest::gamutAreaOfReferenceLikeSources_data()
{
    QTest::addColumn<double>("kelvin");
    for (double t : {1600.0, 2000.0, 3000.0, 4000.0, 6500.0, 12000.0})
        QTest::newRow(qPrintable(QStringLiteral("%1 K").arg(t))) << t;
}

void ColorQuantitiesTest::gamutAreaOfReferenceLikeSources()
{
    // The blackbody normalisation makes a blackbody's own gamut about 100.
    QFETCH(double, kelvin);
    auto s = blackbodySpectrum(kelvin);
    const Gai g = gaiOf(s.get(), float(kelvin));
    QVERIFY2(std::fabs(g.bb8 - 100.0f) < 3.0f, qPrintable(QString::number(g.bb8)));
    QVERIFY2(std::fabs(g.bb15 - 100.0f) < 3.0f, qPrintable(QString::number(g.bb15)));
}

void ColorQuantitiesTest::blackbodyGamutNeedsAFittedCct()
{
    auto s = makeSpectrum(340, 1020, [](int) { return 1.0; });
    // The equal-energy source's gamut is the GAI_EES unit.
    const Gai e = gaiOf(s.get(), 5455.0f);
    QVERIFY2(std::fabs(e.ees - 100.0f) < 1.0f, qPrintable(QString::number(e.ees)));

    float ra, r[15], uv[30];
    float grid[spectral::kGridFloats];
    spectral::resampleSpectrum5nm(s.get(), grid);
    spectral::computeCri(grid, 5455.0f, &ra, r, uv);
    for (float cct : {300.0f, 1000.0f, 1499.0f, std::nanf("")}) {
        Gai g{0, 0, 0};
        spectral::computeGai(uv, cct, &g.ees, &g.bb8, &g.bb15);
        QVERIFY2(isNan(g.bb8) && isNan(g.bb15), qPrintable(QString::number(cct)));
        QCOMPARE(g.ees, e.ees); // does not depend on the CCT
    }
    Gai g;
    spectral::computeGai(uv, 1500.0f, &g.ees, &g.bb8, &g.bb15);
    QVERIFY(!isNan(g.bb8) && !isNan(g.bb15));
}

void ColorQuantitiesTest::scotopicToPhotopicRatio()
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

QTEST_APPLESS_MAIN(ColorQuantitiesTest)
#include "tst_color_quantities.moc"
