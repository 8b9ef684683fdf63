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

// CCT and Duv of the CIE 1960 point u, v.
void cctDuvAtUv(double u, double v, float *cct, float *duv)
{
    const double d = 2.0 * u - 8.0 * v + 4.0;
    spectral::computeCctDuv(float(3.0 * u / d), float(2.0 * v / d), cct, duv);
}

void uvOfPlanckian(double kelvin, double *u, double *v)
{
    double x, y;
    planckianChromaticity(kelvin, &x, &y);
    const double d = 12.0 * y - 2.0 * x + 3.0;
    *u = 4.0 * x / d;
    *v = 6.0 * y / d;
}

struct Grid {
    float g[spectral::kGridFloats];
    explicit Grid(const FloatArray *s) { spectral::resampleSpectrum5nm(s, g); }
    float value(int k) const { return g[spectral::kGridPoints + k]; }
};

} // namespace

class ColorimetryCoreTest : public QObject {
    Q_OBJECT
private slots:
    void cctAndDuvAtKnownPoints_data()
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

    void cctAndDuvAtKnownPoints()
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

        // No chromaticity, no CCT.
        spectral::computeCctDuv(std::nanf(""), y, &t, &d);
        QVERIFY(isNan(t) && isNan(d));
    }

    void duvIsPositiveAboveTheLocus()
    {
        for (double kelvin : {1200.0, 2000.0, 6500.0}) {
            double u, v, uh, vh;
            uvOfPlanckian(kelvin, &u, &v);
            uvOfPlanckian(kelvin * 0.99, &uh, &vh);
            // Unit normal of the locus, pointing to larger v.
            double nu = -(v - vh), nv = u - uh;
            const double length = std::hypot(nu, nv) * (nv < 0 ? -1.0 : 1.0);
            nu /= length;
            nv /= length;
            for (double offset : {0.006, -0.006, 0.0}) {
                float cct, duv;
                cctDuvAtUv(u + offset * nu, v + offset * nv, &cct, &duv);
                const QString at = QStringLiteral("%1 K offset %2: duv %3 cct %4").arg(kelvin).arg(offset).arg(duv).arg(cct);
                QVERIFY2(std::fabs(duv - offset) < 0.0005, qPrintable(at));
                QVERIFY2(offset == 0.0 || duv * offset > 0.0, qPrintable(at));
                QVERIFY2(std::fabs(cct - kelvin) < 0.03 * kelvin, qPrintable(at));
            }
        }
    }

    void resampleSumsFiveSamplesAndMirrorsAtShortEnds()
    {
        // Five samples centred on w of a linear ramp sum to five times the centre value.
        auto ramp = makeSpectrum(340, 1020, [](int w) { return 0.5 * w; });
        const Grid r(ramp.get());
        for (int k = 0; k < spectral::kGridPoints; ++k) {
            QCOMPARE(r.g[k], float(380 + 5 * k));
            QCOMPARE(r.value(k), 2.5f * (380 + 5 * k));
        }

        auto s = makeSpectrum(380, 780, [](int w) { return (w % 7) + 0.25 * (w % 3); });
        const auto S = [&](int w) { return valueAt(*s, w); };
        const Grid m(s.get());
        QCOMPARE(m.value(0), S(381) + S(380) + S(380) + S(381) + S(382));
        QCOMPARE(m.value(80), S(778) + S(779) + S(780) + S(780) + S(779));
        QCOMPARE(m.value(40), S(578) + S(579) + S(580) + S(581) + S(582));
    }

    void resampleLeavesUnreachableGridPointsNaN()
    {
        // 20 nm of data cannot be mirrored across 400 nm of grid.
        auto s = makeSpectrum(560, 579, [](int) { return 1.0; });
        const Grid g(s.get());
        QVERIFY(isNan(g.value(0)) && isNan(g.value(80)));
        QCOMPARE(g.value((570 - 380) / 5), 5.0f);
        float X, Y, Z, x, y, u, v, up, vp;
        spectral::computeTristimulus(g.g, &X, &Y, &Z, &x, &y, &u, &v, &up, &vp);
        QVERIFY(isNan(x) && isNan(y));

        // Long enough to be mirrored across the whole grid, but not one sample in 378-782 nm.
        for (int from : {-500, 783}) {
            auto outside = makeSpectrum(from, from + 877, [](int) { return 1.0; });
            const Grid o(outside.get());
            for (int k = 0; k < spectral::kGridPoints; ++k)
                QVERIFY(isNan(o.value(k)));
            float r[kColorimetryCount];
            computeColorimetry(outside.get(), r);
            QVERIFY(isNan(r[3]) && isNan(r[9]) && isNan(r[15]));
        }
        // One sample inside the grid is an end to mirror from.
        auto touching = makeSpectrum(378, 1020, [](int) { return 1.0; });
        QCOMPARE(Grid(touching.get()).value(0), 5.0f);
    }

    void equalEnergyGridIsAtTheWhitePoint()
    {
        auto s = makeSpectrum(340, 1020, [](int) { return 1.0; });
        const Grid g(s.get());
        float X, Y, Z, x, y, u, v, up, vp;
        spectral::computeTristimulus(g.g, &X, &Y, &Z, &x, &y, &u, &v, &up, &vp);
        QVERIFY(std::fabs(x - 1.0f / 3.0f) < 2e-4f && std::fabs(y - 1.0f / 3.0f) < 2e-4f);
        QVERIFY(std::fabs(u - 4.0f / 19.0f) < 2e-4f && std::fabs(v - 6.0f / 19.0f) < 2e-4f);
        QCOMPARE(up, u);
        QCOMPARE(vp, 1.5f * v);
        // Y of five 1-nm samples per grid point: the 1-nm integral of y-bar (about 106.86).
        QVERIFY(std::fabs(Y - 106.86f) < 0.2f);
    }

    void standardIlluminants()
    {
        using namespace cie_reference;
        float r[kColorimetryCount];
        auto a = fromTable(kIlluminantA, kIlluminantAFirst, kIlluminantAStep, kIlluminantACount);
        computeColorimetry(a.get(), r);
        QVERIFY2(std::fabs(r[9] - 2856.0f) <= 2.0f, qPrintable(QString::number(r[9])));
        QVERIFY(std::fabs(r[3] - 0.44757f) <= 0.0002f && std::fabs(r[4] - 0.40745f) <= 0.0002f);

        auto d65 = fromTable(kIlluminantD65, kIlluminantD65First, kIlluminantD65Step, kIlluminantD65Count);
        computeColorimetry(d65.get(), r);
        QVERIFY2(std::fabs(r[9] - 6504.0f) <= 3.0f, qPrintable(QString::number(r[9])));
        QVERIFY2(std::fabs(r[14] - 0.0032f) <= 0.0002f, qPrintable(QString::number(r[14])));
        // x, y, u, v and v' of the same white.
        const float expected[][2] = {{3, 0.3127f}, {4, 0.3290f}, {5, 0.1978f}, {6, 0.3122f}, {8, 0.4683f}};
        for (const auto &e : expected)
            QVERIFY2(std::fabs(r[int(e[0])] - e[1]) <= 0.0002f, qPrintable(QString::number(r[int(e[0])])));
    }
};

QTEST_APPLESS_MAIN(ColorimetryCoreTest)
#include "tst_colorimetry_core.moc"
