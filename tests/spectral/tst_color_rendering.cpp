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

void gridOf(const FloatArray *spectrum, float *grid) { spectral::resampleSpectrum5nm(spectrum, grid); }

} // namespace

class ColorRenderingTest : public QObject {
    Q_OBJECT
private slots:
    void fluorescentIlluminants_data();
    void fluorescentIlluminants();
    void referenceLikeSourcesRenderFully_data();
    void referenceLikeSourcesRenderFully();
    void referenceSwitchesToDaylightAbove5000K();
    void narrowbandSourceGivesUnclampedNegativeIndices();
    void noCctMeansNoIndices();
};

void ColorRenderingTest::fluorescentIlluminants_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("cct");
    QTest::addColumn<double>("ra");
    // Published CCT and Ra of the CIE fluorescent illuminants (rounded).
    const double table[12][2] = {{6430, 76}, {4230, 64}, {3450, 57}, {2940, 51}, {6350, 72}, {4150, 59},
                                 {6500, 90}, {5000, 95}, {4150, 90}, {5000, 81}, {4000, 83}, {3000, 83}};
    for (int i = 0; i < 12; ++i)
        QTest::newRow(qPrintable(QStringLiteral("F%1").arg(i + 1))) << i << table[i][0] << table[i][1];
}

void ColorRenderingTest::fluorescentIlluminants()
{
    using namespace cie_reference;
    QFETCH(int, row);
    QFETCH(double, cct);
    QFETCH(double, ra);
    auto s = fromTable(kIlluminantF[row], kIlluminantFFirst, kIlluminantFStep, kIlluminantFCount);
    float r[kColorimetryCount];
    computeColorimetry(s.get(), r);
    QVERIFY2(std::fabs(r[kCctIndex] - cct) <= 15.0, qPrintable(QString::number(r[kCctIndex])));
    QVERIFY2(std::fabs(r[kRaIndex] - ra) <= 1.0, qPrintable(QString::number(r[kRaIndex])));
}

void ColorRenderingTest::referenceLikeSourcesRenderFully_data()
{
    QTest::addColumn<bool>("planckian");
    QTest::addColumn<double>("kelvin");
    // The reference is Planckian up to 5000 K and daylight above.
    for (double t : {2700.0, 3000.0, 3500.0, 4000.0, 4500.0})
        QTest::newRow(qPrintable(QStringLiteral("blackbody %1 K").arg(t))) << true << t;
    for (double t : {5500.0, 6500.0, 7500.0, 10000.0})
        QTest::newRow(qPrintable(QStringLiteral("daylight %1 K").arg(t))) << false << t;
}

void ColorRenderingTest::referenceLikeSourcesRenderFully()
{
    QFETCH(bool, planckian);
    QFETCH(double, kelvin);
    auto s = planckian ? blackbodySpectrum(kelvin) : daylightSpectrum(kelvin);
    float r[kColorimetryCount];
    computeColorimetry(s.get(), r);
    QVERIFY2(std::fabs(r[kCctIndex] - kelvin) < 15.0, qPrintable(QString::number(r[kCctIndex])));
    QVERIFY2(r[kRaIndex] >= 99.5f, qPrintable(QString::number(r[kRaIndex])));
    for (int i = 0; i < spectral::kCriSamples; ++i)
        QVERIFY2(r[kR1Index + i] >= 99.0f && r[kR1Index + i] <= 100.0f,
                 qPrintable(QStringLiteral("R%1 = %2").arg(i + 1).arg(r[kR1Index + i])));
}

void ColorRenderingTest::referenceSwitchesToDaylightAbove5000K()
{
    // A Planckian source renders fully against the Planckian reference of 5000 K; at 5001 K
    // the reference is daylight, which differs visibly from the blackbody.
    auto s = blackbodySpectrum(5000.0);
    float grid[spectral::kGridFloats];
    gridOf(s.get(), grid);
    float ra, r[15], uv[30];
    spectral::computeCri(grid, 5000.0f, &ra, r, uv);
    QVERIFY2(ra >= 99.5f, qPrintable(QString::number(ra)));
    const float planckianRa = ra;
    spectral::computeCri(grid, 5001.0f, &ra, r, uv);
    QVERIFY2(ra < planckianRa - 0.5f, qPrintable(QString::number(ra)));
}

void ColorRenderingTest::narrowbandSourceGivesUnclampedNegativeIndices()
{
    // An amber LED-like line: saturated reds and blues are rendered very badly.
    auto s = makeSpectrum(340, 1020, [](int w) { return std::exp(-0.5 * std::pow((w - 590) / 8.0, 2)); });
    float r[kColorimetryCount];
    computeColorimetry(s.get(), r);
    QVERIFY(!isNan(r[kRaIndex]));
    QVERIFY2(r[kRaIndex] < 0.0f, qPrintable(QString::number(r[kRaIndex])));
    float lowest = 100.0f;
    for (int i = 0; i < spectral::kCriSamples; ++i)
        lowest = std::min(lowest, r[kR1Index + i]);
    QVERIFY2(lowest < -100.0f, qPrintable(QString::number(lowest)));
}

void ColorRenderingTest::noCctMeansNoIndices()
{
    auto s = daylightSpectrum(6500.0);
    float grid[spectral::kGridFloats];
    gridOf(s.get(), grid);
    for (float cct : {std::nanf(""), 900000.0f}) {
        float ra = 0.0f, r[15], uv[30];
        std::fill(r, r + 15, 0.0f);
        std::fill(uv, uv + 30, 0.0f);
        spectral::computeCri(grid, cct, &ra, r, uv);
        QVERIFY(isNan(ra));
        for (float v : r)
            QVERIFY(isNan(v));
        for (float v : uv)
            QVERIFY(isNan(v));
    }
    // The last range reaches 800000 K, the highest CCT there is.
    float ra, r[15], uv[30];
    spectral::computeCri(grid, 800000.0f, &ra, r, uv);
    QVERIFY(!isNan(ra));
}

QTEST_APPLESS_MAIN(ColorRenderingTest)
#include "tst_color_rendering.moc"
