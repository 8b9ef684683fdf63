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
#include <functional>

using namespace test_spectra;
using Value = std::function<double()>;
using Shared = std::shared_ptr<FloatArray>;
Q_DECLARE_METATYPE(Value)

namespace {

enum : int { kx = 3, ky = 4, kVPrime = 8, kCct = 9, kDuv = 14, kRa = 15, kLux = 38, kEml = 45, kMedi = 46 };

Value metric(Shared s, int i)
{
    return [s, i] { float v[kLightMetricsCount]; computeLightMetrics(s.get(), v); return double(v[i]); };
}
Value ratio(Shared s, int i, int j)
{
    return [s, i, j] { float v[kLightMetricsCount]; computeLightMetrics(s.get(), v); return double(v[i] / v[j]); };
}
Value spRatio(Shared s)
{
    return [s] { float g[spectral::kGridFloats]; spectral::resampleSpectrum5nm(s.get(), g); return double(spectral::computeSpRatio(g)); };
}
Value cctDuv(double x, double y, bool duv)
{
    return [=] { float t, d; spectral::computeCctDuv(float(x), float(y), &t, &d); return double(duv ? d : t); };
}
Value dominant(double x, double y, bool purity)
{
    return [=] { float l, p; spectral::computeDominantWavelength(float(x), float(y), &l, &p); return double(purity ? p : l); };
}
Value rendition(Shared s, bool gamut)
{
    return [s, gamut] { ColorRenditionResult r; computeColorRendition(s.get(), &r); return double(gamut ? r.Rg : r.Rf); };
}
// Gamut area against a blackbody's own (8 samples).
Value gamutOfBlackbody(double kelvin)
{
    return [kelvin] {
        float g[spectral::kGridFloats], ra, r[15], uv[30], ees, bb8, bb15;
        spectral::resampleSpectrum5nm(blackbodySpectrum(kelvin).get(), g);
        spectral::computeCri(g, float(kelvin), &ra, r, uv);
        spectral::computeGai(uv, float(kelvin), &ees, &bb8, &bb15);
        return double(std::max(std::fabs(bb8 - 100.0f), std::fabs(bb15 - 100.0f)));
    };
}
Value sdcm(double x, double y, bool step)
{
    return [=] { float s, k; spectral::computeSdcm(float(x), float(y), &s, &k); return double(step ? k : s); };
}
Value locus(std::function<spectral::Chromaticity()> point, bool y)
{
    return [point, y] { const spectral::Chromaticity c = point(); return double(y ? c.y : c.x); };
}

} // namespace

class ReferenceValuesTest : public QObject {
    Q_OBJECT
private slots:
    void publishedValues_data()
    {
        QTest::addColumn<Value>("value");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        const auto row = [](const char *name, Value v, double expected, double tolerance) {
            QTest::newRow(name) << v << expected << tolerance;
        };
        const Shared a = illuminant("A"), d65 = illuminant("D65");
        const Shared f2 = illuminant("F", 2), f7 = illuminant("F", 7), f11 = illuminant("F", 11);
        row("A CCT", metric(a, kCct), 2856, 2);
        row("A x", metric(a, kx), 0.44757, 2e-4);
        row("A y", metric(a, ky), 0.40745, 2e-4);
        row("A melanopic EDI per lux", ratio(a, kMedi, kLux), 0.50, 0.02);
        row("A S/P", spRatio(a), 1.41, 0.01);
        row("D65 CCT", metric(d65, kCct), 6504, 3);
        row("D65 Duv", metric(d65, kDuv), 0.0032, 2e-4);
        row("D65 x", metric(d65, kx), 0.3127, 2e-4);
        row("D65 y", metric(d65, ky), 0.3290, 2e-4);
        row("D65 v'", metric(d65, kVPrime), 0.4683, 2e-4);
        row("D65 melanopic EDI per lux", ratio(d65, kMedi, kLux), 1.0, 0.01);
        row("D65 S/P", spRatio(illuminant("D65", 1, kDeviceFirst, kDeviceLast, 3.0)), 2.47, 0.01);
        row("equal energy EML per lux", ratio(makeSpectrum(340, 1020, [](int) { return 2.0; }), kEml, kLux), 1.0, 0.01);
        row("F2 CCT", metric(f2, kCct), 4230, 15);
        row("F2 Ra", metric(f2, kRa), 64, 1);
        row("F2 Rf", rendition(illuminant("F", 2, kDeviceFirst, kDeviceLast), false), 70, 1);
        row("F2 Rg", rendition(illuminant("F", 2, kDeviceFirst, kDeviceLast), true), 86, 1);
        row("F7 CCT", metric(f7, kCct), 6500, 15);
        row("F7 Ra", metric(f7, kRa), 90, 1);
        row("F11 CCT", metric(f11, kCct), 4000, 15);
        row("F11 Ra", metric(f11, kRa), 83, 1);
        // The CRI reference is Planckian up to 5000 K and daylight above.
        row("2700 K blackbody Ra", metric(blackbodySpectrum(2700), kRa), 100, 0.5);
        row("7500 K daylight Ra", metric(daylightSpectrum(7500), kRa), 100, 0.5);
        row("3000 K blackbody Rf", rendition(blackbodySpectrum(3000), false), 100, 1);
        row("D65 Rg", rendition(d65, true), 100, 1);
        row("1600 K blackbody gamut areas", gamutOfBlackbody(1600), 0, 3);
        row("12000 K blackbody gamut areas", gamutOfBlackbody(12000), 0, 3);
        // One point in each family of the temperature fits.
        row("CCT at 0.5, 0.41", cctDuv(0.5, 0.41, false), 2220, 5);
        row("Duv at 0.5, 0.41", cctDuv(0.5, 0.41, true), -0.0017, 2e-4);
        row("CCT at 0.25, 0.25", cctDuv(0.25, 0.25, false), 28900, 100);
        row("Duv at 0.25, 0.25", cctDuv(0.25, 0.25, true), 0.0007, 3e-4);
        row("CCT at 0.2, 0.2", cctDuv(0.2, 0.2, false), 800000, 0);
        row("Duv at 0.2, 0.2", cctDuv(0.2, 0.2, true), 0.031, 5e-4);
        row("dominant wavelength green", dominant(0.2, 0.7, false), 531.1, 0.2);
        row("purity green", dominant(0.2, 0.7, true), 78.0, 0.5);
        row("complementary wavelength purple", dominant(0.35, 0.2, false), -547.9, 0.2);
        row("SDCM at the 2700 K centre", sdcm(0.459, 0.412, false), 0, 0);
        row("SDCM 0.003 in x from 3000 K", sdcm(0.443, 0.403, false), std::sqrt(39e4) * 0.003, 1e-3);
        row("SDCM nearest step", sdcm(0.443, 0.403, true), 3000, 0);
        row("1000 K u", locus([] { return spectral::toCie1960(spectral::planckianChromaticity(1000.0)); }, false), 0.4480, 3e-4);
        row("locus by x, first", locus([] { return spectral::planckianLocusByX(100)[0]; }, true), 0.234515228000243, 1e-3);
        row("locus by x, middle", locus([] { return spectral::planckianLocusByX(100)[52]; }, true), 0.415273908515871, 1e-3);
        row("locus by x, first in v'", locus([] { return spectral::toCie1976(spectral::planckianLocusByX(100).front()); }, true), 0.395711, 1e-3);
        row("locus by x evenly spaced", [] {
            const std::vector<spectral::Chromaticity> l = spectral::planckianLocusByX(100);
            double worst = 0;
            for (size_t i = 2; i < l.size(); ++i)
                worst = std::max(worst, std::abs(l[i].x - 2 * l[i - 1].x + l[i - 2].x));
            return worst + std::abs(int(l.size()) - 100);
        }, 0, 1e-9);
        row("spectral locus 520 nm x", locus([] { return spectral::spectralLocus()[520 - 360]; }, false), 0.074302, 1e-5);
        row("spectral locus end x", locus([] { return spectral::spectralLocus().back(); }, false), 0.734690, 1e-5);
    }
    void publishedValues()
    {
        QFETCH(Value, value);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const double v = value();
        QVERIFY2(std::fabs(v - expected) <= tolerance, qPrintable(QStringLiteral("%1, expected %2").arg(v, 0, 'g', 8).arg(expected)));
    }

    // Duv is positive above the locus and negative below, at its own distance; the CRI switches
    // its reference at 5000 K.
    void duvSignAndCriReferenceSwitch()
    {
        for (double kelvin : {1200.0, 6500.0}) {
            double x, y, xh, yh;
            planckianChromaticity(kelvin, &x, &y);
            planckianChromaticity(kelvin * 0.99, &xh, &yh);
            const auto u = [](double x, double y) { return 4.0 * x / (12.0 * y - 2.0 * x + 3.0); };
            const auto v = [](double x, double y) { return 6.0 * y / (12.0 * y - 2.0 * x + 3.0); };
            const double nu = -(v(x, y) - v(xh, yh)), nv = u(x, y) - u(xh, yh);
            const double length = std::hypot(nu, nv) * (nv < 0 ? -1.0 : 1.0);
            for (double offset : {0.006, -0.006}) {
                const double pu = u(x, y) + offset * nu / length, pv = v(x, y) + offset * nv / length;
                const double d = 2.0 * pu - 8.0 * pv + 4.0;
                float cct, duv;
                spectral::computeCctDuv(float(3.0 * pu / d), float(2.0 * pv / d), &cct, &duv);
                QVERIFY(std::fabs(duv - offset) < 5e-4 && std::fabs(cct - kelvin) < 0.03 * kelvin);
            }
        }
        float grid[spectral::kGridFloats], ra5000, ra5001, r[15], uv[30];
        spectral::resampleSpectrum5nm(blackbodySpectrum(5000.0).get(), grid);
        spectral::computeCri(grid, 5000.0f, &ra5000, r, uv);
        spectral::computeCri(grid, 5001.0f, &ra5001, r, uv);
        QVERIFY(ra5000 >= 99.5f && ra5001 < ra5000 - 0.5f);
    }
};

QTEST_APPLESS_MAIN(ReferenceValuesTest)
#include "tst_reference_values.moc"
