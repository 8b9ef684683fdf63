// Spectrum and photometric ingest: scale codes, source versus reference, replays, the
// "Y" road, colour rendition, the throttle and the range analysis.
#include "ReplyPayloads.h"
#include "StoreFixtures.h"
#include "StoreSignalLog.h"
#include "LightMetrics.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <cstring>

using namespace testsupport;

namespace {

constexpr int kAxis = 681; // 340 to 1020 nm

void feedFrame(DataBuffer &store, const QVector<float> &words, const QByteArray &spectrum)
{
    const QByteArray w = f32s(words);
    store.setSpectrumFrame(bytesOf(w), int(w.size()), bytesOf(spectrum), int(spectrum.size()));
}

QString tableValue(const DataBuffer &store, const QString &key)
{
    return resultItem(store, key).value(QStringLiteral("value")).toString();
}

// Words for a plain model: word i = i + 0.25, so every word is recognisable.
QVector<float> countingWords(int count)
{
    QVector<float> w(count);
    for (int i = 0; i < count; ++i)
        w[i] = float(i) + 0.25f;
    return w;
}

QByteArray yPayload(const QVector<uint16_t> &samples, uint16_t code, float exposureMs, uint32_t h32,
                    uint64_t h64)
{
    const simdevice::SampleMasks masks = simdevice::sampleMasks(exposureMs, h32, h64);
    QByteArray b = le16(simdevice::maskScaleCode(code)) + le32(h32) + le32(uint32_t(h64))
        + le32(uint32_t(h64 >> 32));
    const int half = int(samples.size()) / 2;
    for (int i = 0; i < samples.size(); ++i)
        b += le16(uint16_t(samples[i] ^ (i < half ? masks.a : masks.b)));
    return b;
}

bool sameFloats(const float *a, const float *b, int n) { return std::memcmp(a, b, size_t(n) * 4) == 0; }

} // namespace

class TestSpectrumIngest : public QObject
{
    Q_OBJECT
    MeasurementFlags flags;

private slots:
    void initTestCase()
    {
        prepareStoreTests();
    }

    void init()
    {
        MeasurementSettings::setUnit(0);
        MeasurementSettings::setRangeEnable(false);
        MeasurementSettings::setRange(370, 780);
        flags = MeasurementFlags();
    }

    void scaleCodeSetsTheDivisor_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("factor");
        QTest::newRow("2 divides by exactly 100") << 2 << 0.01;
        QTest::newRow("0 keeps the samples") << 0 << 1.0;
        QTest::newRow("-1 multiplies by 10") << -1 << 10.0;
        QTest::newRow("3 divides by 1000") << 3 << 0.001;
    }

    void scaleCodeSetsTheDivisor()
    {
        QFETCH(int, code);
        QFETCH(double, factor);
        DataBuffer store;
        store.setMeasurementState(&flags);
        feedSpectrum(store, plainSpectrum(int16_t(code), rampSamples(kAxis, 3)));
        const QList<double> source = store.getSpec(DataBuffer::SourceSpectrum);
        QCOMPARE(source.size(), kAxis);
        QCOMPARE(source.at(100), code == 2 ? 300.0 / 100.0 : code == 3 ? 300.0 / 1000.0 : 300.0 * factor);
        QCOMPARE(store.getMaxSpec(DataBuffer::SourceSpectrum), source.last());
        QCOMPARE(store.getWl().first(), 340.0);
        QCOMPARE(store.getWl().last(), 1020.0);
        QVERIFY(store.hasData());
    }

    void scaledSpectrumFollowsTheUnitAndReplaysOnChange()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        feedSpectrum(store, plainSpectrum(0, QVector<uint16_t>(kAxis, 4)));
        QCOMPARE(store.getSpec(DataBuffer::ScaledSpectrum).at(0), 4.0);

        MeasurementSettings::setUnit(1); // mW/m^2
        flags.measuring = false;         // a replay does not need a running measurement
        store.reloadSpecData();
        QCOMPARE(store.getSpec(DataBuffer::ScaledSpectrum).at(0), 4000.0);
        QCOMPARE(store.getMaxSpec(DataBuffer::ScaledSpectrum), 4000.0);
        QCOMPARE(store.getMaxSpec(DataBuffer::SourceSpectrum), 4.0);
    }

    void spectrumIsIgnoredWhileNotMeasuring()
    {
        DataBuffer store;
        flags.measuring = false;
        store.setMeasurementState(&flags);
        StoreSignalLog log(&store);
        feedSpectrum(store, plainSpectrum(0, rampSamples(kAxis)));
        QVERIFY(log.names.isEmpty());
        QCOMPARE(store.specDataSize(), 0);
        QCOMPARE(store.getMaxSpec(DataBuffer::SourceSpectrum), 0.0);

        DataBuffer orphan; // no measurement control at all
        feedSpectrum(orphan, plainSpectrum(0, rampSamples(kAxis)));
        QVERIFY(!orphan.hasData());
    }

    void referenceCaptureTouchesOnlyTheReference()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        const int words = int(store.modelInfo().plain.size());
        feedFrame(store, countingWords(words), plainSpectrum(0, QVector<uint16_t>(kAxis, 5)));
        QTRY_VERIFY(store.photoResultSize() > 0);
        const QVariantList table = store.formattedPhotoResult();

        flags.reference = true;
        StoreSignalLog log(&store);
        QVector<float> otherWords(words, 99.0f);
        feedFrame(store, otherWords, plainSpectrum(2, QVector<uint16_t>(kAxis, 700)));
        QCOMPARE(log.names, QStringList({"referenceDataUpdated"}));
        QCOMPARE(store.getSpec(DataBuffer::ReferenceSpectrum), QList<double>(kAxis, 7.0));
        QCOMPARE(store.getMaxSpec(DataBuffer::ReferenceSpectrum), 7.0);
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(kAxis, 5.0));
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        QCOMPARE(store.formattedPhotoResult(), table);
        QCOMPARE(store.getPhotoResult()[0], 0.25f);

        // A unit change right after the capture replays the sample, not the reference.
        flags = MeasurementFlags();
        flags.measuring = false;
        MeasurementSettings::setUnit(3);
        store.reloadSpecData();
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(kAxis, 5.0));
        QCOMPARE(store.getSpec(DataBuffer::ScaledSpectrum), QList<double>(kAxis, 500.0));
    }

    void replayDuringACaptureDoesNotBecomeTheReference()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        feedSpectrum(store, plainSpectrum(0, QVector<uint16_t>(kAxis, 5)));
        flags.reference = true;
        QSignalSpy updated(&store, &DataBuffer::referenceDataUpdated);
        store.reloadSpecData();
        QCOMPARE(updated.count(), 0);
        QVERIFY(store.getSpec(DataBuffer::ReferenceSpectrum).isEmpty());
    }

    void payloadsThatDoNotFitAreDroppedWhole()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        QSignalSpy spectrum(&store, &DataBuffer::specDataChanged);

        feedSpectrum(store, plainSpectrum(0, rampSamples(kAxis - 1))); // one sample short
        QCOMPARE(spectrum.count(), 0);
        QByteArray oversized = plainSpectrum(0, rampSamples(kAxis));
        oversized.append(QByteArray(DataBuffer::kRawPayloadCapacity, '\0'));
        feedSpectrum(store, oversized);
        QCOMPARE(spectrum.count(), 0);
        feedSpectrum(store, plainSpectrum(31, rampSamples(kAxis))); // corrupt scale code
        QCOMPARE(spectrum.count(), 0);
        QCOMPARE(store.specDataSize(), 0);

        // Trailing bytes within the store are tolerated.
        QByteArray padded = plainSpectrum(0, rampSamples(kAxis));
        padded.append(QByteArray(10, '\x7F'));
        feedSpectrum(store, padded);
        QCOMPARE(spectrum.count(), 1);
        QCOMPARE(store.specDataSize(), int(padded.size()));
        QCOMPARE(store.getMaxSpec(DataBuffer::SourceSpectrum), double(kAxis - 1));
    }

    void spectrumFrameSignalsInOrder()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-22")); // has TM-30
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        StoreSignalLog log(&store);
        feedFrame(store, countingWords(int(store.modelInfo().plain.size())),
                  plainSpectrum(2, rampSamples(kAxis, 10)));
        const QStringList expected{"formattedPhotoResultChanged", "hasDataChanged",
                                   "chromaShiftChanged", "hueShiftChanged", "colorFidelityChanged",
                                   "tm30Changed", "specDataChanged", "ramanChanged"};
        QCOMPARE(log.names, expected);
        QVERIFY(store.isRamanDirty());
    }

    void colourRenditionIsPublishedFromTheRecord()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-22"));
        QVector<uint16_t> samples(kAxis);
        for (int i = 0; i < kAxis; ++i)
            samples[i] = uint16_t(1000 + 30 * std::sin(i / 40.0) * 10);
        feedSpectrum(store, plainSpectrum(0, samples));
        const ColorRenditionResult &record = store.colorRenditionResult();
        const QList<float> fidelity = store.colorFidelity();
        const QList<float> chroma = store.chromaShift();
        const QList<float> hue = store.hueShift();
        QCOMPARE(fidelity.size(), 16);
        QVERIFY(sameFloats(fidelity.constData(), record.localFidelity, 16));
        QVERIFY(sameFloats(chroma.constData(), record.chromaShift, 16));
        QVERIFY(sameFloats(hue.constData(), record.hueShift, 16));

        // The spectrum handed over is the source on its own axis.
        FloatArray *spectrum = createFloatArray(kAxis, 2);
        for (int i = 0; i < kAxis; ++i) {
            spectrum->data[i] = float(340 + i);
            spectrum->data[kAxis + i] = float(samples[i]);
        }
        ColorRenditionResult expected{};
        computeColorRendition(spectrum, &expected);
        destroyArray(spectrum);
        QVERIFY(sameFloats(&expected.Rf, &record.Rf, 1));
        QVERIFY(sameFloats(expected.referenceSpd, record.referenceSpd, kReferenceSpdPoints));

        // A model change back to zero clears the published bins.
        store.setDeviceModel(QStringLiteral("PQV-25"));
        QCOMPARE(store.colorFidelity(), QList<float>(16, 0.0f));
    }

    void yModelsAreUnmaskedScaledAndComputedOnTheHost()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("YQV-02"));
        store.setExpoTime(250000); // 250 ms enters the masks
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        QVector<uint16_t> samples(kAxis);
        for (int i = 0; i < kAxis; ++i)
            samples[i] = uint16_t(5000 + (i * 37) % 3000);
        QSignalSpy table(&store, &DataBuffer::formattedPhotoResultChanged);
        feedSpectrum(store, yPayload(samples, 2, 250.0f, 0xA5A5F00Du, 0x1122334455667788ull));

        const QList<double> source = store.getSpec(DataBuffer::SourceSpectrum);
        for (int i = 0; i < kAxis; i += 97)
            QCOMPARE(source.at(i), samples[i] / 100.0);
        QCOMPARE(table.count(), 1);
        QCOMPARE(store.photoResultSize(), kLightMetricsCount * 4);

        FloatArray *spectrum = createFloatArray(kAxis, 2);
        for (int i = 0; i < kAxis; ++i) {
            spectrum->data[i] = float(340 + i);
            spectrum->data[kAxis + i] = float(samples[i] / 100.0);
        }
        float expected[kLightMetricsCount];
        computeLightMetrics(spectrum, expected);
        destroyArray(spectrum);
        QVERIFY(sameFloats(store.getPhotoResult(), expected, kLightMetricsCount));
        QCOMPARE(store.lastResultItems().size(), int(store.modelInfo().plain.size()) + 1);

        // "YQV-02" is in a melanopic correction row, but host-computed values are right as they are.
        QVERIFY(!std::isnan(expected[45]));
        for (const QJsonObject &item : store.lastResultItems()) {
            if (item.value("key").toString() == QLatin1String("EML"))
                QCOMPARE(item.value("value").toString(), QString::number(expected[45], 'f', 2));
        }
    }

    void yModelReplayUnmasksWithTheExposureOfItsFrame()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("YQV-02"));
        store.setExpoTime(120000);
        const QVector<uint16_t> samples = rampSamples(kAxis, 9);
        feedSpectrum(store, yPayload(samples, 0, 120.0f, 0x0F1E2D3Cu, 0x0102030405060708ull));
        const QList<double> measured = store.getSpec(DataBuffer::SourceSpectrum);
        QCOMPARE(measured.at(kAxis - 1), double(samples.last()));

        // The exposure is set anew (its reply reaches the store), then the unit changes.
        store.setExpoTime(480000);
        MeasurementSettings::setUnit(1);
        flags.measuring = false;
        store.reloadSpecData();
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), measured);
        QCOMPARE(store.getSpec(DataBuffer::ScaledSpectrum).at(kAxis - 1), 1000.0 * samples.last());
    }

    void yModelPassesAnUnmaskedFrameThrough()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("YQV-01"));
        QByteArray payload = le16(3) + le32(0) + le32(0xFFFFFFFFu) + le32(0xFFFFFFFFu);
        for (int i = 0; i < kAxis; ++i)
            payload += le16(uint16_t(2000));
        feedSpectrum(store, payload);
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(kAxis, 2.0));

        // A "Y" payload needs its 14 header bytes on top of the samples.
        QSignalSpy spectrum(&store, &DataBuffer::specDataChanged);
        feedSpectrum(store, plainSpectrum(0, rampSamples(kAxis)));
        QCOMPARE(spectrum.count(), 0);
    }

    void throttleKeepsTheNewestResultOfABurst()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        const int count = int(store.modelInfo().plain.size());
        QSignalSpy table(&store, &DataBuffer::formattedPhotoResultChanged);

        QVector<float> words(count, 1.0f);
        for (float lux : {100.0f, 200.0f, 300.0f}) {
            words[38] = lux; // "lux"
            const QByteArray w = f32s(words);
            store.setPhotoResult(bytesOf(w), int(w.size()));
        }
        // The first is processed at once, the rest wait for the next tick.
        QCOMPARE(table.count(), 1);
        QCOMPARE(tableValue(store, "lux"), QStringLiteral("100.0(lx)"));
        QTRY_COMPARE(tableValue(store, "lux"), QStringLiteral("300.0(lx)"));
        QCOMPARE(table.count(), 2);
        QTest::qWait(3 * DataBuffer::kThrottleIntervalMs);
        QCOMPARE(table.count(), 2);
    }

    void clearingDropsAResultHeldByTheThrottle()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        const QByteArray w = f32s(QVector<float>(int(store.modelInfo().plain.size()), 7.0f));
        store.setPhotoResult(bytesOf(w), int(w.size()));
        store.setPhotoResult(bytesOf(w), int(w.size())); // held back
        store.clearBuffer();
        QTest::qWait(3 * DataBuffer::kThrottleIntervalMs);
        QVERIFY(!store.hasData());
        QCOMPARE(tableValue(store, "X"), QStringLiteral("0.00"));
    }

    void replayOfThePhotometricWords()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        QVector<float> words(int(store.modelInfo().plain.size()), 0.0f);
        words[39] = 0.0123f; // "Ee"
        feedFrame(store, words, plainSpectrum(0, rampSamples(kAxis)));
        QCOMPARE(tableValue(store, "Ee"), QStringLiteral("0.0123"));
        MeasurementSettings::setUnit(1);
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        store.reloadPhotoResult();
        QCOMPARE(tableValue(store, "Ee"), QStringLiteral("12.3000"));

        // Words the payload did not carry have no value.
        const QByteArray few = f32s({1.0f, 2.0f});
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        store.setPhotoResult(bytesOf(few), int(few.size()));
        QCOMPARE(tableValue(store, "Y"), QStringLiteral("2.00"));
        QCOMPARE(tableValue(store, "Z"), QStringLiteral("nan"));
        // More than the store's 100 words is refused.
        const QByteArray many = f32s(QVector<float>(101, 1.0f));
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        store.setPhotoResult(bytesOf(many), int(many.size()));
        QCOMPARE(store.photoResultSize(), 8);
    }

    void tModelsReplayNoWords()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("TQV-12"));
        feedSpectrum(store, plainSpectrum(0, rampSamples(kAxis)));
        QSignalSpy table(&store, &DataBuffer::formattedPhotoResultChanged);
        store.reloadPhotoResult();
        QCOMPARE(table.count(), 0);
    }

    void rangeAnalysisOfTheUsersWindow()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        MeasurementSettings::setRangeEnable(true);
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        QVector<uint16_t> samples(kAxis, 0);
        samples[498 - 340] = 1;
        samples[499 - 340] = 2;
        samples[500 - 340] = 4;
        samples[501 - 340] = 2;
        samples[502 - 340] = 1;
        samples[360 - 340] = 50; // outside [370, 780]: not counted
        feedFrame(store, QVector<float>(int(store.modelInfo().plain.size()), 1.0f),
                  plainSpectrum(0, samples));
        QCOMPARE(tableValue(store, "S_BD"), QStringLiteral("370-780"));
        QCOMPARE(tableValue(store, "S_Ee"), QStringLiteral("10.0000"));
        QCOMPARE(tableValue(store, "S_PLP"), QStringLiteral("500"));
        QCOMPARE(tableValue(store, "S_HW"), QStringLiteral("2"));
        QCOMPARE(store.spectrumInRange(), QList<float>({370, 780, 10, 500, 2}));

        // A window outside the device's range reads nothing.
        MeasurementSettings::setRange(1100, 1200);
        const QList<float> outside = store.spectrumInRange();
        QCOMPARE(outside.at(0), 1100.0f);
        QCOMPARE(outside.at(1), 1020.0f);
        QCOMPARE(outside.at(2), 0.0f);
        QVERIFY(std::isnan(outside.at(3)));

        MeasurementSettings::setRangeEnable(false);
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        feedFrame(store, QVector<float>(int(store.modelInfo().plain.size()), 1.0f),
                  plainSpectrum(0, samples));
        QVERIFY(tableValue(store, "S_BD").isNull());
        QVERIFY(tableValue(store, "S_Ee").isNull());
    }
};

QTEST_GUILESS_MAIN(TestSpectrumIngest)
#include "tst_spectrum_ingest.moc"
