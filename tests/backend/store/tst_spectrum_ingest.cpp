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

void feedWords(DataBuffer &store, const QVector<float> &words)
{
    const QByteArray w = f32s(words);
    store.setPhotoResult(bytesOf(w), int(w.size()));
}

QString tableValue(const DataBuffer &store, const QString &key)
{
    return resultItem(store, key).value(QStringLiteral("value")).toString();
}

QVector<float> words(const DataBuffer &store, float value = 1.0f)
{
    return QVector<float>(int(store.modelInfo().plain.size()), value);
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

// The source as the spectral library sees it: device axis, samples divided by `divisor`.
FloatArray *deviceSpectrum(const QVector<uint16_t> &samples, double divisor)
{
    FloatArray *s = createFloatArray(kAxis, 2);
    for (int i = 0; i < kAxis; ++i) {
        s->data[i] = float(340 + i);
        s->data[kAxis + i] = float(samples[i] / divisor);
    }
    return s;
}

bool sameFloats(const float *a, const float *b, int n) { return std::memcmp(a, b, size_t(n) * 4) == 0; }

} // namespace

class TestSpectrumIngest : public QObject
{
    Q_OBJECT
    MeasurementFlags flags;

    // Connects the store to the flags, applies `model` and lets the throttle settle.
    void attach(DataBuffer &store, const char *model = nullptr)
    {
        store.setMeasurementState(&flags);
        if (model)
            store.setDeviceModel(QString::fromLatin1(model));
        QVERIFY(passThrottle(store));
    }

private slots:
    void initTestCase() { prepareStoreTests(); }

    void init()
    {
        MeasurementSettings::setUnit(0);
        MeasurementSettings::setRangeEnable(false);
        MeasurementSettings::setRange(370, 780);
        flags = MeasurementFlags();
    }

    void scaleCodeSetsTheDivisor()
    {
        for (int code : {2, 0, -1, 3}) {
            DataBuffer store;
            store.setMeasurementState(&flags);
            feedSpectrum(store, plainSpectrum(int16_t(code), rampSamples(kAxis, 3)));
            const QList<double> source = store.getSpec(DataBuffer::SourceSpectrum);
            QCOMPARE(source.size(), kAxis);
            // Positive codes divide (exactly 3.0 for code 2), negative ones multiply.
            QCOMPARE(source.at(100), code > 0 ? 300.0 / std::pow(10.0, code) : 300.0 * std::pow(10.0, -code));
            QCOMPARE(store.getMaxSpec(DataBuffer::SourceSpectrum), source.last());
            QCOMPARE(store.getWl().first(), 340.0);
            QCOMPARE(store.getWl().last(), 1020.0);
            QVERIFY(store.hasData());
        }
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

        DataBuffer orphan; // no measurement control at all
        feedSpectrum(orphan, plainSpectrum(0, rampSamples(kAxis)));
        QVERIFY(!orphan.hasData());
    }

    void referenceCaptureTouchesOnlyTheReference()
    {
        DataBuffer store;
        attach(store, "PQV-21");
        QVector<float> first = words(store);
        first[0] = 0.25f;
        feedFrame(store, first, plainSpectrum(0, QVector<uint16_t>(kAxis, 5)));
        const QVariantList table = store.formattedPhotoResult();

        flags.reference = true;
        StoreSignalLog log(&store);
        feedFrame(store, words(store, 99.0f), plainSpectrum(2, QVector<uint16_t>(kAxis, 700)));
        QCOMPARE(log.names, QStringList({"referenceDataUpdated"}));
        QCOMPARE(store.getSpec(DataBuffer::ReferenceSpectrum), QList<double>(kAxis, 7.0));
        QCOMPARE(store.getMaxSpec(DataBuffer::ReferenceSpectrum), 7.0);
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(kAxis, 5.0));
        QVERIFY(passThrottle(store));
        QCOMPARE(store.formattedPhotoResult(), table);
        QCOMPARE(store.getPhotoResult()[0], 0.25f);

        // A replay during a capture does not become the reference.
        store.reloadSpecData();
        QCOMPARE(log.count("referenceDataUpdated"), 1);

        // A unit change right after the capture replays the sample, not the reference.
        flags = MeasurementFlags();
        flags.measuring = false;
        MeasurementSettings::setUnit(3);
        store.reloadSpecData();
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(kAxis, 5.0));
        QCOMPARE(store.getSpec(DataBuffer::ScaledSpectrum), QList<double>(kAxis, 500.0));
        QCOMPARE(store.getSpec(DataBuffer::ReferenceSpectrum), QList<double>(kAxis, 7.0));
    }

    void payloadsThatDoNotFitAreDroppedWhole()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        QSignalSpy spectrum(&store, &DataBuffer::specDataChanged);

        feedSpectrum(store, plainSpectrum(0, rampSamples(kAxis - 1))); // one sample short
        QByteArray oversized = plainSpectrum(0, rampSamples(kAxis));
        oversized.append(QByteArray(DataBuffer::kRawPayloadCapacity, '\0'));
        feedSpectrum(store, oversized);
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
        attach(store, "PQV-22"); // has TM-30
        StoreSignalLog log(&store);
        feedFrame(store, words(store), plainSpectrum(2, rampSamples(kAxis, 10)));
        QCOMPARE(log.names, QStringList({"formattedPhotoResultChanged", "hasDataChanged", "chromaShiftChanged",
                                         "hueShiftChanged", "colorFidelityChanged", "tm30Changed",
                                         "specDataChanged", "ramanChanged"}));
        QVERIFY(store.isRamanDirty());
    }

    void colourRenditionIsPublishedFromTheRecord()
    {
        DataBuffer store;
        attach(store, "PQV-22");
        QVector<uint16_t> samples(kAxis);
        for (int i = 0; i < kAxis; ++i)
            samples[i] = uint16_t(1000 + 300 * std::sin(i / 40.0));
        feedSpectrum(store, plainSpectrum(0, samples));
        const ColorRenditionResult &record = store.colorRenditionResult();
        QCOMPARE(store.colorFidelity().size(), 16);
        QVERIFY(sameFloats(store.colorFidelity().constData(), record.localFidelity, 16));
        QVERIFY(sameFloats(store.chromaShift().constData(), record.chromaShift, 16));
        QVERIFY(sameFloats(store.hueShift().constData(), record.hueShift, 16));

        // The spectrum handed over is the source on its own axis.
        FloatArray *spectrum = deviceSpectrum(samples, 1.0);
        ColorRenditionResult expected{};
        computeColorRendition(spectrum, &expected);
        destroyArray(spectrum);
        QVERIFY(sameFloats(&expected.Rf, &record.Rf, 1));
        QVERIFY(sameFloats(expected.referenceSpd, record.referenceSpd, kReferenceSpdPoints));

        // A model without TM-30 clears the published bins.
        store.setDeviceModel(QStringLiteral("PQV-25"));
        QCOMPARE(store.colorFidelity(), QList<float>(16, 0.0f));
    }

    void yModelsAreUnmaskedScaledAndComputedOnTheHost()
    {
        DataBuffer store;
        attach(store, "YQV-02");
        store.setExpoTime(250000); // 250 ms enters the masks
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

        FloatArray *spectrum = deviceSpectrum(samples, 100.0);
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

        // A replay after a new exposure still unmasks with the exposure of its own frame.
        const QList<double> measured = store.getSpec(DataBuffer::SourceSpectrum);
        store.setExpoTime(480000);
        MeasurementSettings::setUnit(1);
        flags.measuring = false;
        store.reloadSpecData();
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), measured);
        QCOMPARE(store.getSpec(DataBuffer::ScaledSpectrum).at(1), 1000.0 * measured.at(1));
    }

    void throttleKeepsTheNewestResultOfABurst()
    {
        DataBuffer store;
        attach(store, "PQV-21");
        QSignalSpy table(&store, &DataBuffer::formattedPhotoResultChanged);
        QVector<float> w = words(store);
        for (float lux : {100.0f, 200.0f, 300.0f}) {
            w[38] = lux; // "lux"
            feedWords(store, w);
        }
        // The first is processed at once, the rest wait for the next tick.
        QCOMPARE(table.count(), 1);
        QCOMPARE(tableValue(store, "lux"), QStringLiteral("100.0(lx)"));
        QTRY_COMPARE(tableValue(store, "lux"), QStringLiteral("300.0(lx)"));
        QVERIFY(passThrottle(store));
        QCOMPARE(table.count(), 2);

        // Clearing drops a result still held back.
        feedWords(store, words(store, 7.0f));
        feedWords(store, words(store, 7.0f));
        store.clearBuffer();
        QVERIFY(passThrottle(store));
        QVERIFY(!store.hasData());
        QCOMPARE(tableValue(store, "X"), QStringLiteral("0.00"));
    }

    void replayOfThePhotometricWords()
    {
        DataBuffer store;
        attach(store, "PQV-21");
        QVector<float> w = words(store, 0.0f);
        w[39] = 0.0123f; // "Ee"
        feedFrame(store, w, plainSpectrum(0, rampSamples(kAxis)));
        QCOMPARE(tableValue(store, "Ee"), QStringLiteral("0.0123"));
        MeasurementSettings::setUnit(1);
        QVERIFY(passThrottle(store));
        store.reloadPhotoResult();
        QCOMPARE(tableValue(store, "Ee"), QStringLiteral("12.3000"));

        // Words the payload did not carry have no value.
        QVERIFY(passThrottle(store));
        feedWords(store, {1.0f, 2.0f});
        QCOMPARE(tableValue(store, "Y"), QStringLiteral("2.00"));
        QCOMPARE(tableValue(store, "Z"), QStringLiteral("nan"));
        // More than the store's 100 words is refused.
        QVERIFY(passThrottle(store));
        feedWords(store, QVector<float>(101, 1.0f));
        QCOMPARE(store.photoResultSize(), 8);

        // "T" models carry no words to replay.
        DataBuffer transmission;
        attach(transmission, "TQV-12");
        feedSpectrum(transmission, plainSpectrum(0, rampSamples(kAxis)));
        QSignalSpy table(&transmission, &DataBuffer::formattedPhotoResultChanged);
        transmission.reloadPhotoResult();
        QCOMPARE(table.count(), 0);
    }

    void rangeAnalysisOfTheUsersWindow()
    {
        DataBuffer store;
        MeasurementSettings::setRangeEnable(true);
        attach(store, "PQV-21");
        QVector<uint16_t> samples(kAxis, 0);
        const int peak[] = {1, 2, 4, 2, 1};
        for (int i = 0; i < 5; ++i)
            samples[498 - 340 + i] = uint16_t(peak[i]);
        samples[360 - 340] = 50; // outside [370, 780]: not counted
        feedFrame(store, words(store), plainSpectrum(0, samples));
        QCOMPARE(tableValue(store, "S_BD"), QStringLiteral("370-780"));
        QCOMPARE(tableValue(store, "S_Ee"), QStringLiteral("10.0000"));
        QCOMPARE(tableValue(store, "S_PLP"), QStringLiteral("500"));
        QCOMPARE(tableValue(store, "S_HW"), QStringLiteral("2"));
        QCOMPARE(store.spectrumInRange(), QList<float>({370, 780, 10, 500, 2}));

        // A window outside the device's range reads nothing.
        MeasurementSettings::setRange(1100, 1200);
        const QList<float> outside = store.spectrumInRange();
        QCOMPARE(outside.mid(0, 3), QList<float>({1100, 1020, 0}));
        QVERIFY(std::isnan(outside.at(3)));

        MeasurementSettings::setRangeEnable(false);
        QVERIFY(passThrottle(store));
        feedFrame(store, words(store), plainSpectrum(0, samples));
        QVERIFY(tableValue(store, "S_BD").isNull());
    }
};

QTEST_GUILESS_MAIN(TestSpectrumIngest)
#include "tst_spectrum_ingest.moc"
