// Both spectrum entry points against the same algorithms evaluated in double precision, on
// light sources of every kind the devices meet: each reported value within 1e-4 relative.
// A value that is small by nature (near-perfect rendition, a point on the locus, a bin with
// little chroma) is held to 1e-4 of a floor on its own scale instead, since single precision
// leaves an absolute error there: 100 for quantities on a 0-100 scale (rendering and
// fidelity indices, gamut areas, percentages), 10 for CAM02-UCS colour differences and bin
// means, 1 for hue-shift ratios and 0.01 for Duv.
#include "ColorRendition.h"
#include "DeviceAxisSpectra.h"
#include "DoubleEvaluation.h"
#include "LightMetrics.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <functional>

using namespace test_spectra;

namespace {

constexpr double kRelative = 1e-4;

double gaussian(int w, double centre, double width) { return std::exp(-0.5 * std::pow((w - centre) / width, 2)); }

using SpectrumFactory = std::function<SpectrumPtr()>;

struct Source {
    const char *name;
    SpectrumFactory make;
};

SpectrumPtr onDeviceAxis(const std::function<double(int)> &f) { return makeSpectrum(kDeviceFirst, kDeviceLast, f); }

const Source kSources[] = {
    {"blackbody 2700 K", [] { return blackbodySpectrum(2700.0); }},
    {"blackbody 4500 K", [] { return blackbodySpectrum(4500.0); }},
    {"daylight 5500 K", [] { return daylightSpectrum(5500.0); }},
    {"daylight 6500 K", [] { return daylightSpectrum(6500.0); }},
    {"daylight 9000 K", [] { return daylightSpectrum(9000.0); }},
    {"cool white phosphor LED", [] { return onDeviceAxis([](int w) { return gaussian(w, 450, 10) + 0.8 * gaussian(w, 560, 55); }); }},
    {"warm white phosphor LED",
     [] { return onDeviceAxis([](int w) { return 0.6 * gaussian(w, 452, 11) + gaussian(w, 605, 62) + 0.3 * gaussian(w, 650, 25); }); }},
    {"RGB LED", [] { return onDeviceAxis([](int w) { return gaussian(w, 462, 9) + 0.8 * gaussian(w, 528, 14) + 0.9 * gaussian(w, 626, 8); }); }},
    {"narrow band 589 nm", [] { return onDeviceAxis([](int w) { return gaussian(w, 589.3, 1.5); }); }},
    {"fluorescent F2", [] { return illuminant("F", 2); }},
    {"fluorescent F11", [] { return illuminant("F", 11); }},
};

// Floors of the light-metrics block; the rest are purely relative.
double lightMetricsFloor(int index)
{
    if (index == 14) // Duv
        return 0.01;
    const bool percent = (index >= 11 && index <= 13); // colour ratios
    const bool indexScale = (index >= 15 && index <= 30) || index == 41; // Ra, R1-R15, RMS
    return percent || indexScale ? 100.0 : 0.0;
}

constexpr double kIndexScale = 100.0;
constexpr double kUcsFloor = 10.0;
constexpr double kHueShiftFloor = 1.0;

// Compares one value; appends a line to `failures` when it is off.
void compare(const QString &what, float value, double expected, double floor, QStringList &failures)
{
    if (!std::isfinite(expected) || !std::isfinite(value)) {
        if (!(double(value) == expected || (std::isnan(expected) && std::isnan(value))))
            failures << QStringLiteral("%1: %2, expected %3").arg(what).arg(value).arg(expected);
        return;
    }
    const double tolerance = kRelative * std::max(std::fabs(expected), floor);
    if (!(std::fabs(double(value) - expected) <= tolerance))
        failures << QStringLiteral("%1: %2, expected %3 (off by %4)")
                        .arg(what).arg(double(value), 0, 'g', 9).arg(expected, 0, 'g', 9)
                        .arg(std::fabs(double(value) - expected) / std::max(std::fabs(expected), floor), 0, 'g', 3);
}

void compareAll(const QString &field, const float *values, const double *expected, int count, double floor,
                QStringList &failures)
{
    for (int i = 0; i < count; ++i)
        compare(QStringLiteral("%1[%2]").arg(field).arg(i), values[i], expected[i], floor, failures);
}

} // namespace

class DoublePrecisionAgreementTest : public QObject {
    Q_OBJECT
private slots:
    void lightMetricsAgree_data() { addSources(); }
    void lightMetricsAgree()
    {
        QFETCH(int, source);
        const SpectrumPtr s = kSources[source].make();
        float metrics[kLightMetricsCount];
        computeLightMetrics(s.get(), metrics);
        double expected[kLightMetricsCount];
        double_evaluation::lightMetrics(*s, expected);
        QStringList failures;
        for (int i = 0; i < kLightMetricsCount; ++i)
            if (double_evaluation::isEvaluated(i))
                compare(QStringLiteral("index %1").arg(i), metrics[i], expected[i], lightMetricsFloor(i), failures);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
        // Every source here but the narrow band has a colour temperature and a full rendering index.
        QVERIFY(std::isfinite(metrics[30]) || source == narrowBandSource());
    }

    void colourRenditionAgrees_data() { addSources(); }
    void colourRenditionAgrees()
    {
        QFETCH(int, source);
        const SpectrumPtr s = kSources[source].make();
        ColorRenditionResult r;
        computeColorRendition(s.get(), &r);
        double_evaluation::Rendition e;
        double_evaluation::colorRendition(*s, e);
        QStringList failures;
        compareAll(QStringLiteral("referenceSpd"), r.referenceSpd, e.referenceSpd, kReferenceSpdPoints, 0.0, failures);
        compareAll(QStringLiteral("sampleDeltaE"), r.sampleDeltaE, e.sampleDeltaE, kEvaluationSamples, kUcsFloor, failures);
        compare(QStringLiteral("Rf"), r.Rf, e.Rf, kIndexScale, failures);
        compare(QStringLiteral("Rg"), r.Rg, e.Rg, kIndexScale, failures);
        compareAll(QStringLiteral("testHueBinAB"), r.testHueBinAB, e.testHueBinAB, 2 * kHueBins, kUcsFloor, failures);
        compareAll(QStringLiteral("referenceHueBinAB"), r.referenceHueBinAB, e.referenceHueBinAB, 2 * kHueBins, kUcsFloor, failures);
        compareAll(QStringLiteral("chromaShift"), r.chromaShift, e.chromaShift, kHueBins, kIndexScale, failures);
        compareAll(QStringLiteral("hueShift"), r.hueShift, e.hueShift, kHueBins, kHueShiftFloor, failures);
        compareAll(QStringLiteral("localFidelity"), r.localFidelity, e.localFidelity, kHueBins, kIndexScale, failures);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
        if (source != narrowBandSource())
            QVERIFY(std::isfinite(r.Rg)
                    && std::all_of(r.localFidelity, r.localFidelity + kHueBins, [](float v) { return std::isfinite(v); }));
    }

private:
    static int narrowBandSource() { return 8; }

    static void addSources()
    {
        QTest::addColumn<int>("source");
        for (int i = 0; i < int(std::size(kSources)); ++i)
            QTest::newRow(kSources[i].name) << i;
    }
};

QTEST_APPLESS_MAIN(DoublePrecisionAgreementTest)
#include "tst_double_precision_agreement.moc"
