// Colour rendering index against published results and reference-like sources.
#include "ColorRendering.h"
#include "Colorimetry.h"
#include "DeviceAxisSpectra.h"
#include "LightMetrics.h"
#include "ReferenceIlluminants.h"

#include <QtTest>
#include <cmath>

using namespace test_spectra;

namespace {

constexpr int kCctIndex = 9;
constexpr int kRaIndex = 15;
constexpr int kR1Index = 16;

bool isNan(float v) { return v != v; }

struct Cri {
    float ra, r[15], uv[30];
    Cri(const FloatArray *spectrum, float cct)
    {
        float grid[spectral::kGridFloats];
        spectral::resampleSpectrum5nm(spectrum, grid);
        spectral::computeCri(grid, cct, &ra, r, uv);
    }
};

} // namespace

class ColorRenderingTest : public QObject {
    Q_OBJECT
private slots:
    void fluorescentIlluminants()
    {
        // Published CCT and Ra of the CIE fluorescent illuminants (rounded).
        const double table[12][2] = {{6430, 76}, {4230, 64}, {3450, 57}, {2940, 51}, {6350, 72}, {4150, 59},
                                     {6500, 90}, {5000, 95}, {4150, 90}, {5000, 81}, {4000, 83}, {3000, 83}};
        using namespace cie_reference;
        for (int i = 0; i < 12; ++i) {
            auto s = fromTable(kIlluminantF[i], kIlluminantFFirst, kIlluminantFStep, kIlluminantFCount);
            float r[kColorimetryCount];
            computeColorimetry(s.get(), r);
            const QString at = QStringLiteral("F%1: CCT %2 Ra %3").arg(i + 1).arg(r[kCctIndex]).arg(r[kRaIndex]);
            QVERIFY2(std::fabs(r[kCctIndex] - table[i][0]) <= 15.0, qPrintable(at));
            QVERIFY2(std::fabs(r[kRaIndex] - table[i][1]) <= 1.0, qPrintable(at));
        }
    }

    void referenceLikeSourcesRenderFully()
    {
        // The reference is Planckian up to 5000 K and daylight above.
        for (double kelvin : {2700.0, 3000.0, 3500.0, 4000.0, 4500.0, 5500.0, 6500.0, 7500.0, 10000.0}) {
            auto s = kelvin <= 5000.0 ? blackbodySpectrum(kelvin) : daylightSpectrum(kelvin);
            float r[kColorimetryCount];
            computeColorimetry(s.get(), r);
            const QString at = QStringLiteral("%1 K: CCT %2 Ra %3").arg(kelvin).arg(r[kCctIndex]).arg(r[kRaIndex]);
            QVERIFY2(std::fabs(r[kCctIndex] - kelvin) < 15.0 && r[kRaIndex] >= 99.5f, qPrintable(at));
            for (int i = 0; i < spectral::kCriSamples; ++i)
                QVERIFY2(r[kR1Index + i] >= 99.0f && r[kR1Index + i] <= 100.0f, qPrintable(at));
        }
        // A blackbody renders fully against the Planckian reference of 5000 K; at 5001 K the
        // reference is daylight, which differs visibly from the blackbody.
        auto s = blackbodySpectrum(5000.0);
        const float planckianRa = Cri(s.get(), 5000.0f).ra;
        QVERIFY2(planckianRa >= 99.5f, qPrintable(QString::number(planckianRa)));
        QVERIFY(Cri(s.get(), 5001.0f).ra < planckianRa - 0.5f);
    }

    void narrowbandSourceGivesUnclampedNegativeIndices()
    {
        // An amber LED-like line: saturated reds and blues are rendered very badly.
        auto s = makeSpectrum(340, 1020, [](int w) { return std::exp(-0.5 * std::pow((w - 590) / 8.0, 2)); });
        float r[kColorimetryCount];
        computeColorimetry(s.get(), r);
        QVERIFY2(r[kRaIndex] < 0.0f, qPrintable(QString::number(r[kRaIndex])));
        const float lowest = *std::min_element(r + kR1Index, r + kR1Index + spectral::kCriSamples);
        QVERIFY2(lowest < -100.0f, qPrintable(QString::number(lowest)));
    }

    void noCctMeansNoIndices()
    {
        auto s = daylightSpectrum(6500.0);
        for (float cct : {std::nanf(""), 900000.0f}) {
            const Cri c(s.get(), cct);
            QVERIFY(isNan(c.ra));
            QVERIFY(std::all_of(std::begin(c.r), std::end(c.r), isNan));
            QVERIFY(std::all_of(std::begin(c.uv), std::end(c.uv), isNan));
        }
        // The last range reaches 800000 K, the highest CCT there is.
        QVERIFY(!isNan(Cri(s.get(), 800000.0f).ra));
    }
};

QTEST_APPLESS_MAIN(ColorRenderingTest)
#include "tst_color_rendering.moc"
