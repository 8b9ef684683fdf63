// The spectral library against published values: CIE illuminants, sources that match their
// own reference, the Planckian and spectral loci, and points of known CCT, Duv and dominant
// wavelength. How every value is computed is checked against the independent
// double-precision evaluation (tst_double_precision_agreement); these pin the method itself.
#include "ColorQuantities.h"
#include "ColorRendering.h"
#include "ColorRendition.h"
#include "Colorimetry.h"
#include "DeviceAxisSpectra.h"
#include "LightMetrics.h"
#include "PlanckianLocus.h"

#include <QtTest>
#include <cmath>

using namespace test_spectra;

namespace {

enum : int { kx = 3, ky = 4, ku = 5, kv = 6, kVPrime = 8, kCct = 9, kDuv = 14, kRa = 15, kR1 = 16, kLux = 38, kEml = 45, kMedi = 46 };

struct Metrics {
    float v[kLightMetricsCount];
    explicit Metrics(const SpectrumPtr &s) { computeLightMetrics(s.get(), v); }
    float operator[](int i) const { return v[i]; }
};

#define CLOSE(value, expected, tolerance)                                                                          \
    QVERIFY2(std::fabs(double(value) - double(expected)) <= (tolerance),                                         \
             qPrintable(QStringLiteral("%1 = %2, expected %3").arg(#value).arg(double(value), 0, 'g', 8).arg(expected)))

} // namespace

class ReferenceValuesTest : public QObject {
    Q_OBJECT
private slots:
    void fluorescentIlluminants_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<double>("cct");
        QTest::addColumn<double>("ra");
        const double table[12][2] = {{6430, 76}, {4230, 64}, {3450, 57}, {2940, 51}, {6350, 72}, {4150, 59},
                                     {6500, 90}, {5000, 95}, {4150, 90}, {5000, 81}, {4000, 83}, {3000, 83}};
        for (int i = 0; i < 12; ++i)
            QTest::newRow(qPrintable(QStringLiteral("F%1").arg(i + 1))) << i + 1 << table[i][0] << table[i][1];
    }
    void fluorescentIlluminants()
    {
        QFETCH(int, number);
        QFETCH(double, cct);
        QFETCH(double, ra);
        const Metrics m(illuminant("F", number));
        CLOSE(m[kCct], cct, 15.0);
        CLOSE(m[kRa], ra, 1.0);
    }

    void standardIlluminants()
    {
        const Metrics a(illuminant("A"));
        CLOSE(a[kCct], 2856.0, 2.0);
        CLOSE(a[kx], 0.44757, 2e-4);
        CLOSE(a[ky], 0.40745, 2e-4);
        CLOSE(a[kMedi] / a[kLux], 0.50, 0.02); // half the melanopic content of daylight per lux
        const Metrics d(illuminant("D65"));
        CLOSE(d[kCct], 6504.0, 3.0);
        CLOSE(d[kDuv], 0.0032, 2e-4);
        const double expected[][2] = {{kx, 0.3127}, {ky, 0.3290}, {ku, 0.1978}, {kv, 0.3122}, {kVPrime, 0.4683}};
        for (const auto &e : expected)
            CLOSE(d[int(e[0])], e[1], 2e-4);
        // Melanopic EDI equals the illuminance for D65, EML for equal energy.
        CLOSE(d[kMedi] / d[kLux], 1.0, 0.01);
        const Metrics e(makeSpectrum(340, 1020, [](int) { return 2.0; }));
        CLOSE(e[kEml] / e[kLux], 1.0, 0.01);
        // Published S/P ratios.
        float grid[spectral::kGridFloats];
        spectral::resampleSpectrum5nm(illuminant("A").get(), grid);
        CLOSE(spectral::computeSpRatio(grid), 1.41, 0.01);
        spectral::resampleSpectrum5nm(illuminant("D65", 1, kDeviceFirst, kDeviceLast, 3.0).get(), grid);
        CLOSE(spectral::computeSpRatio(grid), 2.47, 0.01);
    }

    // The CRI reference is Planckian up to 5000 K and daylight above.
    void referenceLikeSourcesRenderFully()
    {
        for (double kelvin : {2700.0, 3500.0, 4500.0, 5500.0, 7500.0, 10000.0}) {
            const Metrics m(kelvin <= 5000.0 ? blackbodySpectrum(kelvin) : daylightSpectrum(kelvin));
            CLOSE(m[kCct], kelvin, 15.0);
            QVERIFY2(m[kRa] >= 99.5f, qPrintable(QString::number(kelvin)));
            for (int i = 0; i < spectral::kCriSamples; ++i)
                QVERIFY(m[kR1 + i] >= 99.0f && m[kR1 + i] <= 100.0f);
        }
        float grid[spectral::kGridFloats], ra5000, ra5001, r[15], uv[30];
        spectral::resampleSpectrum5nm(blackbodySpectrum(5000.0).get(), grid);
        spectral::computeCri(grid, 5000.0f, &ra5000, r, uv);
        spectral::computeCri(grid, 5001.0f, &ra5001, r, uv);
        QVERIFY(ra5000 >= 99.5f && ra5001 < ra5000 - 0.5f);
        // Gamut areas are normalised to a blackbody's own and the equal-energy source's.
        for (double kelvin : {1600.0, 3000.0, 6500.0, 12000.0}) {
            float ees, bb8, bb15;
            spectral::resampleSpectrum5nm(blackbodySpectrum(kelvin).get(), grid);
            spectral::computeCri(grid, float(kelvin), &ra5000, r, uv);
            spectral::computeGai(uv, float(kelvin), &ees, &bb8, &bb15);
            CLOSE(bb8, 100.0, 3.0);
            CLOSE(bb15, 100.0, 3.0);
        }
    }

    void colourRenditionOfF2AndReferenceLikeSources()
    {
        ColorRenditionResult r;
        computeColorRendition(illuminant("F", 2, kDeviceFirst, kDeviceLast).get(), &r);
        CLOSE(r.Rf, 70.0, 1.0);
        CLOSE(r.Rg, 86.0, 1.0);
        for (const SpectrumPtr &s : {blackbodySpectrum(3000.0), illuminant("D65")}) {
            computeColorRendition(s.get(), &r);
            QVERIFY2(r.Rf >= 99.0f, qPrintable(QString::number(r.Rf)));
            CLOSE(r.Rg, 100.0, 1.0);
        }
    }

    void cctAndDuvAtKnownPoints()
    {
        // x, y, CCT, tolerance, Duv, tolerance: one point in each family of the temperature fits.
        const double rows[][6] = {{0.3127, 0.3290, 6505, 3, 0.0032, 2e-4}, {0.4476, 0.4074, 2856, 2, 0.0003, 2e-4},
                                  {0.5, 0.41, 2220, 5, -0.0017, 2e-4},      {0.25, 0.25, 28900, 100, 0.0007, 3e-4},
                                  {0.2, 0.2, 800000, 0, 0.031, 5e-4}};
        for (const auto &row : rows) {
            float t, d;
            spectral::computeCctDuv(float(row[0]), float(row[1]), &t, &d);
            CLOSE(t, row[2], row[3]);
            CLOSE(d, row[4], row[5]);
        }
    }

    // Duv is positive above the locus and negative below, at its own distance.
    void duvSignAndSize()
    {
        const auto uvOf = [](double kelvin, double *u, double *v) {
            double x, y;
            planckianChromaticity(kelvin, &x, &y);
            *u = 4.0 * x / (12.0 * y - 2.0 * x + 3.0);
            *v = 6.0 * y / (12.0 * y - 2.0 * x + 3.0);
        };
        for (double kelvin : {1200.0, 2000.0, 6500.0}) {
            double u, v, uh, vh;
            uvOf(kelvin, &u, &v);
            uvOf(kelvin * 0.99, &uh, &vh);
            double nu = -(v - vh), nv = u - uh;
            const double length = std::hypot(nu, nv) * (nv < 0 ? -1.0 : 1.0);
            for (double offset : {0.006, -0.006}) {
                const double pu = u + offset * nu / length, pv = v + offset * nv / length, d = 2.0 * pu - 8.0 * pv + 4.0;
                float cct, duv;
                spectral::computeCctDuv(float(3.0 * pu / d), float(2.0 * pv / d), &cct, &duv);
                CLOSE(duv, offset, 5e-4);
                CLOSE(cct, kelvin, 0.03 * kelvin);
            }
        }
    }

    void dominantWavelengthAndSdcm()
    {
        // x, y, dominant wavelength (negative: complementary), purity
        const double cases[][4] = {{0.2, 0.7, 531.1, 78.0}, {0.35, 0.2, -547.9, 31.3}, {0.6, 0.38, 597.8, 95.4}, {0.15, 0.1, 471.1, 86.5}};
        for (const auto &c : cases) {
            float l, p;
            spectral::computeDominantWavelength(float(c[0]), float(c[1]), &l, &p);
            CLOSE(l, c[2], 0.2);
            CLOSE(p, c[3], 0.5);
        }
        float sdcm, k;
        spectral::computeSdcm(0.459f, 0.412f, &sdcm, &k);
        QVERIFY(sdcm == 0.0f && k == 2700.0f);
        spectral::computeSdcm(0.443f, 0.403f, &sdcm, &k); // 0.003 in x from the 3000 K centre
        QCOMPARE(k, 3000.0f);
        CLOSE(sdcm, std::sqrt(39e4) * 0.003, 1e-3);
    }

    void planckianAndSpectralLoci()
    {
        const auto compare = [](spectral::Chromaticity c, double x, double y, double tolerance) {
            CLOSE(c.x, x, tolerance);
            CLOSE(c.y, y, tolerance);
        };
        compare(spectral::planckianChromaticity(2856.0), 0.44757, 0.40745, 2e-4);
        compare(spectral::toCie1960(spectral::planckianChromaticity(1000.0)), 0.4480, 0.3546, 3e-4);
        const std::vector<spectral::Chromaticity> locus = spectral::planckianLocusByX(100);
        QCOMPARE(int(locus.size()), 100);
        compare(locus[0], 0.240199225320774, 0.234515228000243, 1e-3);
        compare(locus[52], 0.49993175537632, 0.415273908515871, 1e-3);
        compare(locus[99], 0.734690003695756, 0.265309996304244, 1e-3);
        compare(spectral::toCie1976(locus.front()), 0.180134, 0.395711, 1e-3);
        for (int i = 2; i < 100; ++i)
            QVERIFY(std::abs(locus[i].x - 2 * locus[i - 1].x + locus[i - 2].x) < 1e-9);
        const std::vector<spectral::Chromaticity> spectrum = spectral::spectralLocus();
        QCOMPARE(int(spectrum.size()), 471);
        compare(spectrum[520 - 360], 0.074302, 0.833803, 1e-5);
        compare(spectrum.back(), 0.734690, 0.265310, 1e-5);
    }
};

QTEST_APPLESS_MAIN(ReferenceValuesTest)
#include "tst_reference_values.moc"
