// 5-nm resampling, tristimulus values, CCT and Duv.
#include "Colorimetry.h"
#include "DeviceAxisSpectra.h"
#include "LightMetrics.h"
#include "ReferenceIlluminants.h"

#include <QtTest>
#include <cmath>

using namespace test_spectra;

namespace {

bool isNan(float v) { return v != v; }

// CIE 1931 x, y of a CIE 1960 u, v point.
void xyFromUv(double u, double v, float *x, float *y)
{
    const double d = 2.0 * u - 8.0 * v + 4.0;
    *x = float(3.0 * u / d);
    *y = float(2.0 * v / d);
}

void uvFromXy(double x, double y, double *u, double *v)
{
    const double d = 12.0 * y - 2.0 * x + 3.0;
    *u = 4.0 * x / d;
    *v = 6.0 * y / d;
}

} // namespace

class ColorimetryCoreTest : public QObject {
    Q_OBJECT
private slots:
    void cctAndDuvAtKnownPoints_data();
    void cctAndDuvAtKnownPoints();
    void duvIsPositiveAboveTheLocus_data();
    void duvIsPositiveAboveTheLocus();
    void pointsWithoutCctGiveNaN();
    void resampleSumsFiveSamplesPerGridPoint();
    void resampleMirrorsAtShortEnds();
    void resampleLeavesUnreachableGridPointsNaN();
    void resampleDoesNotMirrorSpectraFromOutsideTheGrid();
    void equalEnergyGridIsAtTheWhitePoint();
    void standardIlluminants();
};

void ColorimetryCoreTest::cctAndDuvAtKnownPoints_data()
{
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<double>("cct");
    QTest::addColumn<double>("cctTolerance");
    QTest::addColumn<double>("duv");
    QTest::addColumn<double>("duvTolerance");
    // One point in each family of the temperature fits.
    QTest::newRow("D65 white, cubic fit") << 0.3127f << 0.3290f << 6505.0 << 3.0 << 0.0032 << 0.0002;
    QTest::newRow("illuminant A, cubic fit") << 0.4476f << 0.4074f << 2856.0 << 2.0 << 0.0003 << 0.0002;
    QTest::newRow("linear segment") << 0.5f << 0.41f << 2220.0 << 5.0 << -0.0017 << 0.0002;
    QTest::newRow("exponential fit") << 0.25f << 0.25f << 28900.0 << 100.0 << 0.0007 << 0.0003;
    QTest::newRow("beyond the first line") << 0.2f << 0.2f << 800000.0 << 0.0 << 0.031 << 0.0005;
}

void ColorimetryCoreTest::cctAndDuvAtKnownPoints()
{
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(double, cct);
    QFETCH(double, cctTolerance);
    QFETCH(double, duv);
    QFETCH(double, duvTolerance);
    float t, d;
    spectral::computeCctDuv(x, y, &t, &d);
    QVERIFY2(std::fabs(t - cct) <= cctTolerance, qPrintable(QString::number(t)));
    QVERIFY2(std::fabs(d - duv) <= duvTolerance, qPrintable(QString::number(d)));
}

void ColorimetryCoreTest::duvIsPositiveAboveTheLocus_data()
{
    QTest::addColumn<double>("kelvin");
    QTest::newRow("1200 K") << 1200.0;
    QTest::newRow("2000 K") << 2000.0;
    QTest::newRow("6500 K") << 6500.0;
}

void ColorimetryCoreTest::duvIsPositiveAboveTheLocus()
{
    QFETCH(double, kelvin);
    double px, py, u, v;
    planckianChromaticity(kelvin, &px, &py);
    uvFromXy(px, py, &u, &v);
    // Unit normal of the locus, pointing to larger v.
    double hx, hy, uh, vh;
    planckianChromaticity(kelvin * 0.99, &hx, &hy);
    uvFromXy(hx, hy, &uh, &vh);
    double nu = -(v - vh), nv = u - uh;
    const double length = std::hypot(nu, nv) * (nv < 0 ? -1.0 : 1.0);
    nu /= length;
    nv /= length;

    for (double offset : {0.006, -0.006}) {
        float x, y, cct, duv;
        xyFromUv(u + offset * nu, v + offset * nv, &x, &y);
        spectral::computeCctDuv(x, y, &cct, &duv);
        QVERIFY2(duv * offset > 0.0, qPrintable(QStringLiteral("offset %1 duv %2").arg(offset).arg(duv)));
        QVERIFY2(std::fabs(duv - offset) < 0.0005, qPrintable(QString::number(duv)));
        QVERIFY2(std::fabs(cct - kelvin) < 0.03 * kelvin, qPrintable(QString::number(cct)));
    }
    // On the locus itself Duv is close to zero and the CCT close to the temperature.
    float x, y, cct, duv;
    xyFromUv(u, v, &x, &y);
    spectral::computeCctDuv(x, y, &cct, &duv);
    QVERIFY2(std::fabs(duv) < 0.0005, qPrintable(QString::number(duv)));
    QVERIFY2(std::fabs(cct - kelvin) < 0.01 * kelvin, qPrintable(QString::number(cct)));
}

void ColorimetryCoreTest::pointsWithoutCctGiveNaN()
{
    float cct = 1.0f, duv = 1.0f;
    spectral::computeCctDuv(std::nanf(""), 0.3f, &cct, &duv);
    QVERIFY(isNan(cct) && isNan(duv));
    cct = duv = 1.0f;
    spectral::computeCctDuv(0.3f, std::nanf(""), &cct, &duv);
    QVERIFY(isNan(cct) && isNan(duv));
}

void ColorimetryCoreTest::resampleSumsFiveSamplesPerGridPoint()
{
    auto s = makeSpectrum(340, 1020, [](int w) { return 0.5 * w; });
    float grid[spectral::kGridFloats];
    spectral::resampleSpectrum5nm(s.get(), grid);
    for (int k = 0; k < spectral::kGridPoints; ++k) {
        const int w = 380 + 5 * k;
        QCOMPARE(grid[k], float(w));
        // Five samples centred on w of a linear ramp sum to five times the centre value.
        QCOMPARE(grid[spectral::kGridPoints + k], 2.5f * w);
    }
}

void ColorimetryCoreTest::resampleMirrorsAtShortEnds()
{
    auto s = makeSpectrum(380, 780, [](int w) { return (w % 7) + 0.25 * (w % 3); });
    const auto S = [&](int w) { return valueAt(*s, w); };
    float grid[spectral::kGridFloats];
    spectral::resampleSpectrum5nm(s.get(), grid);
    const float *values = grid + spectral::kGridPoints;
    QCOMPARE(values[0], S(381) + S(380) + S(380) + S(381) + S(382));
    QCOMPARE(values[80], S(778) + S(779) + S(780) + S(780) + S(779));
    QCOMPARE(values[40], S(578) + S(579) + S(580) + S(581) + S(582));
}

void ColorimetryCoreTest::resampleLeavesUnreachableGridPointsNaN()
{
    // 20 nm of data cannot be mirrored across 400 nm of grid.
    auto s = makeSpectrum(560, 579, [](int) { return 1.0; });
    float grid[spectral::kGridFloats];
    spectral::resampleSpectrum5nm(s.get(), grid);
    const float *values = grid + spectral::kGridPoints;
    QVERIFY(isNan(values[0]));
    QVERIFY(isNan(values[80]));
    QCOMPARE(values[(570 - 380) / 5], 5.0f);

    float X, Y, Z, x, y, u, v, up, vp;
    spectral::computeTristimulus(grid, &X, &Y, &Z, &x, &y, &u, &v, &up, &vp);
    QVERIFY(isNan(x) && isNan(y));
}

void ColorimetryCoreTest::resampleDoesNotMirrorSpectraFromOutsideTheGrid()
{
    // Long enough to be mirrored across the whole grid, but not one sample in 378-782 nm.
    const int ranges[2][2] = {{-500, 377}, {783, 1500}};
    for (const auto &range : ranges) {
        auto s = makeSpectrum(range[0], range[1], [](int) { return 1.0; });
        float grid[spectral::kGridFloats];
        spectral::resampleSpectrum5nm(s.get(), grid);
        for (int k = 0; k < spectral::kGridPoints; ++k)
            QVERIFY(isNan(grid[spectral::kGridPoints + k]));
        float r[kColorimetryCount];
        computeColorimetry(s.get(), r);
        QVERIFY(isNan(r[3]) && isNan(r[9]) && isNan(r[15]));
    }
    // One sample inside the grid is an end to mirror from.
    auto touching = makeSpectrum(378, 1020, [](int) { return 1.0; });
    float grid[spectral::kGridFloats];
    spectral::resampleSpectrum5nm(touching.get(), grid);
    QCOMPARE(grid[spectral::kGridPoints], 5.0f);
}

void ColorimetryCoreTest::equalEnergyGridIsAtTheWhitePoint()
{
    float grid[spectral::kGridFloats];
    for (int k = 0; k < spectral::kGridPoints; ++k) {
        grid[k] = 380.0f + 5.0f * k;
        grid[spectral::kGridPoints + k] = 5.0f;
    }
    float X, Y, Z, x, y, u, v, up, vp;
    spectral::computeTristimulus(grid, &X, &Y, &Z, &x, &y, &u, &v, &up, &vp);
    QVERIFY(std::fabs(x - 1.0f / 3.0f) < 2e-4f);
    QVERIFY(std::fabs(y - 1.0f / 3.0f) < 2e-4f);
    QVERIFY(std::fabs(u - 4.0f / 19.0f) < 2e-4f);
    QVERIFY(std::fabs(v - 6.0f / 19.0f) < 2e-4f);
    QCOMPARE(up, u);
    QCOMPARE(vp, 1.5f * v);
    // Y of five 1-nm samples per grid point: the 1-nm integral of y-bar (about 106.86).
    QVERIFY(std::fabs(Y - 106.86f) < 0.2f);
}

void ColorimetryCoreTest::standardIlluminants()
{
    using namespace cie_reference;
    float r[kColorimetryCount];

    auto a = fromTable(kIlluminantA, kIlluminantAFirst, kIlluminantAStep, kIlluminantACount);
    computeColorimetry(a.get(), r);
    QVERIFY2(std::fabs(r[9] - 2856.0f) <= 2.0f, qPrintable(QString::number(r[9])));
    QVERIFY(std::fabs(r[3] - 0.44757f) <= 0.0002f);
    QVERIFY(std::fabs(r[4] - 0.40745f) <= 0.0002f);

    auto d65 = fromTable(kIlluminantD65, kIlluminantD65First, kIlluminantD65Step, kIlluminantD65Count);
    computeColorimetry(d65.get(), r);
    QVERIFY2(std::fabs(r[9] - 6504.0f) <= 3.0f, qPrintable(QString::number(r[9])));
    QVERIFY2(std::fabs(r[14] - 0.0032f) <= 0.0002f, qPrintable(QString::number(r[14])));
    QVERIFY(std::fabs(r[3] - 0.3127f) <= 0.0002f);
    QVERIFY(std::fabs(r[4] - 0.3290f) <= 0.0002f);
    // u, v and u', v' of the same white.
    QVERIFY(std::fabs(r[5] - 0.1978f) <= 0.0002f);
    QVERIFY(std::fabs(r[6] - 0.3122f) <= 0.0002f);
    QVERIFY(std::fabs(r[8] - 0.4683f) <= 0.0002f);
}

QTEST_APPLESS_MAIN(ColorimetryCoreTest)
#include "tst_colorimetry_core.moc"
