// The colour samples are summed side by side, several per instruction; each must still come
// out bit for bit as the plain one-sample loops give it, at either lane width.
#include "Cam02Ucs.h"
#include "ColorRendering.h"
#include "ColorRendition.h"
#include "Colorimetry.h"
#include "DeviceAxisSpectra.h"
#include "LightMetrics.h"
#include "SampleLanes.h"
#include "tables/Tcs15Reflectance.h"

#include <QFileInfo>
#include <QProcess>
#include <QtTest>
#include <cmath>
#include <cstring>

using namespace test_spectra;

namespace {

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Sources whose references take each branch: Planckian, blend, daylight.
SpectrumPtr source(int row)
{
    switch (row) {
    case 0:
        return blackbodySpectrum(2900.0);
    case 1:
        return blackbodySpectrum(4400.0);
    default:
        return makeSpectrum(kDeviceFirst, kDeviceLast, [](int w) {
            return std::exp(-0.5 * std::pow((w - 450) / 10.0, 2)) + 0.9 * std::exp(-0.5 * std::pow((w - 555) / 50.0, 2));
        });
    }
}

} // namespace

class SideBySideSumsTest : public QObject {
    Q_OBJECT
private slots:
    void sources_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("Planckian reference") << 0;
        QTest::newRow("blended reference") << 1;
        QTest::newRow("daylight reference") << 2;
    }

    void renditionSamplesMatchOneSampleConversion_data() { sources_data(); }
    void renditionSamplesMatchOneSampleConversion()
    {
        QFETCH(int, row);
        const SpectrumPtr s = source(row);
        ColorRenditionResult r;
        computeColorRendition(s.get(), &r);
        QVERIFY(std::isfinite(r.Rf));
        const float *test = s->data + s->size[0] + (380 - kDeviceFirst);
        for (int k = 0; k < kEvaluationSamples; ++k) {
            float t[3], ref[3];
            QCOMPARE(spectral::computeCam02Ucs(test, cie::kCes99[k], t), 0);
            QCOMPARE(spectral::computeCam02Ucs(r.referenceSpd, cie::kCes99[k], ref), 0);
            const float dJ = t[0] - ref[0], da = t[1] - ref[1], db = t[2] - ref[2];
            QVERIFY2(sameBits(std::sqrt(dJ * dJ + da * da + db * db), r.sampleDeltaE[k]), qPrintable(QString::number(k)));
        }
    }

    void renderingSamplesMatchOneSampleAdaptation_data() { sources_data(); }
    void renderingSamplesMatchOneSampleAdaptation()
    {
        QFETCH(int, row);
        const SpectrumPtr s = source(row);
        float grid[spectral::kGridFloats];
        spectral::resampleSpectrum5nm(s.get(), grid);
        float metrics[kLightMetricsCount];
        computeLightMetrics(s.get(), metrics);
        float ra, rendering[spectral::kCriSamples], testUV[2 * spectral::kCriSamples];
        spectral::computeCri(grid, metrics[9], &ra, rendering, testUV);
        QVERIFY(std::isfinite(ra));
        for (int i = 0; i < spectral::kCriSamples; ++i) {
            float reflectance[spectral::kGridPoints];
            for (int k = 0; k < spectral::kGridPoints; ++k)
                reflectance[k] = i < cie::kTcsRows ? cie::kTcs[i][(380 - cie::kTcsFirst) / cie::kTcsStep + k]
                                                   : spectral::kTcs15Reflectance[k];
            float u, v, c, d, yt;
            spectral::adaptSampleForCri(grid, reflectance, &u, &v, &c, &d, &yt);
            QVERIFY2(sameBits(u, testUV[i]) && sameBits(v, testUV[spectral::kCriSamples + i]), qPrintable(QString::number(i)));
        }
    }

    // This program again, held to the baseline width (on a processor without wider lanes
    // the two runs are alike).
    void baselineWidthGivesTheSameBits()
    {
        if (qEnvironmentVariableIsSet("SPECTRAL_BASELINE_LANES")) {
            QVERIFY(!spectral::wideLanesAvailable());
            return;
        }
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SPECTRAL_BASELINE_LANES"), QStringLiteral("1"));
        child.setProcessEnvironment(environment);
        child.start(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath(), {});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray log = child.readAllStandardOutput();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, log.constData());
        QVERIFY2(log.contains("Totals: 9 passed, 0 failed"), log.constData());
    }
};

QTEST_APPLESS_MAIN(SideBySideSumsTest)
#include "tst_side_by_side_sums.moc"
