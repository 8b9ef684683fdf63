// The measurement store: its own state, spectrum and photometric ingest (scale codes,
// reference versus source, the "Y" road, colour rendition, the throttle, range analysis)
// and the result table's texts.
#include "LightMetrics.h"
#include "ReplyPayloads.h"
#include "StoreFixtures.h"
#include "StoreSignalLog.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"
#include "store/PhotometricFormat.h"

#include <QJsonObject>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>

using namespace testsupport;
using PhotometricFormat::Context;

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

const Context kPlain{QStringLiteral("PQV-21"), QStringLiteral("W/m^2"), 1.0};

ParameterInfo parameter(int id, const QString &key, double format, bool visible = true,
                        const QString &unit = QString(), int group = 0)
{
    ParameterInfo p;
    p.id = id;
    p.key = key;
    p.format = format;
    p.visible = visible;
    p.unit = unit;
    p.group = group;
    return p;
}

QString format(int id, const QString &key, double resolution, float value, const Context &context = kPlain)
{
    return PhotometricFormat::formatParameter(parameter(id, key, resolution), value, context)
        .value(QStringLiteral("value")).toString();
}

QString tableValue(const DataBuffer &store, const QString &key, const char *field = "value")
{
    return resultItem(store, key).value(QLatin1String(field)).toString();
}

} // namespace

class TestMeasurementStore : public QObject
{
    Q_OBJECT
    MeasurementFlags flags;

    // A store with a reference capture of `reference` counts, then a source of `source`.
    void measure(DataBuffer &store, uint16_t reference, const QVector<uint16_t> &source)
    {
        store.setMeasurementState(&flags);
        flags.reference = true;
        feedSpectrum(store, plainSpectrum(0, QVector<uint16_t>(681, reference)));
        store.setHasReference(true);
        flags.reference = false;
        feedSpectrum(store, plainSpectrum(0, source));
    }

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

    void wavelengthRangeRebuildsAxisAndDropsTheOldReference()
    {
        DataBuffer store;
        // The axis is the range's before any spectrum or range reply.
        QVERIFY(store.getWl().first() == 340.0 && store.getWl().last() == 1020.0);
        measure(store, 50, rampSamples(681));
        store.setWl(380, 780);
        QCOMPARE(store.getWl().last(), 780.0);
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(401, 0.0));
        // The reference of the old axis does not survive the change.
        QVERIFY(store.getSpec(DataBuffer::ReferenceSpectrum) == QList<double>(401, 0.0) && !store.hasReference());
        store.setWl(0, quint16(DataBuffer::maxSpectrumPoints(false))); // one too many
        QCOMPARE(store.getWlLength(), quint16(401));
        store.setWl(0, quint16(DataBuffer::maxSpectrumPoints(false) - 1)); // just fits
        QCOMPARE(int(store.getWlLength()), DataBuffer::maxSpectrumPoints(false));
    }

    // A plain frame carries up to 2559 points, a "Y" frame 2553: a range is taken within the
    // model's own frame or refused, and no spectrum is read on an axis it was not measured on.
    void aRangeIsTakenWithinTheModelsFrameOrRefusedWithItsSpectra()
    {
        DataBuffer plain;
        attach(plain, "PQV-21");
        plain.setWl(400, 2953);
        QCOMPARE(int(plain.getWlLength()), 2554);
        feedSpectrum(plain, plainSpectrum(2, rampSamples(kAxis))); // a count of another axis
        QVERIFY(!plain.hasData());
        feedSpectrum(plain, plainSpectrum(2, rampSamples(2554)));
        QVERIFY(plain.sourceSpectrum().size() == 2554 && plain.sourceSpectrum().last() == 25.53);

        DataBuffer y;
        attach(y, "YQV-02");
        y.setWl(400, 2953);
        QCOMPARE(y.getWl().last(), 1020.0);
        feedSpectrum(y, yPayload(rampSamples(kAxis), 2, 1000.0f, 0xA5A5F00Du, 0x1122334455667788ull));
        QVERIFY(!y.hasData());
    }

    void clearingForgetsTheMeasurementButKeepsLengths()
    {
        DataBuffer store;
        store.setDeviceModel(QStringLiteral("TQV-11"));
        measure(store, 80, QVector<uint16_t>(681, 30));
        QVERIFY(store.hasData());

        // Clearing the source also clears hasData: no ratio for a sample never measured.
        QSignalSpy hasData(&store, &DataBuffer::hasDataChanged);
        store.clearSource();
        QVERIFY(store.getMaxSpec(DataBuffer::SourceSpectrum) == 0.0 && store.getMaxSpec(DataBuffer::ReferenceSpectrum) == 80.0);
        QVERIFY(!store.hasData() && hasData.count() == 1 && store.hasReference());

        feedSpectrum(store, plainSpectrum(0, rampSamples(681)));
        store.clearBuffer();
        QVERIFY(!store.hasData() && !store.hasReference());
        for (auto type : {DataBuffer::SourceSpectrum, DataBuffer::ScaledSpectrum, DataBuffer::ReferenceSpectrum})
            QVERIFY(store.getMaxSpec(type) == 0.0 && store.getSpec(type) == QList<double>(681, 0.0));
    }

    void resetAllReturnsToStartAndTakesTheSameModelAgain()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        store.setFrequency(100.0f);
        store.setDepth(10.0f);
        store.setPercent(10.0f);
        store.setIndex(0.1f);
        store.setHasReference(true);
        store.setGainValue(3);
        store.setExpoStatus(2);
        store.setExpoTime(5000);
        QVector<uint16_t> samples(1024);
        std::iota(samples.begin(), samples.end(), uint16_t(40000));
        for (const QByteArray &reply : {flickerReply(1, 50, 0.1f, 10, samples), flickerReply(0, 0, 0, 0, QVector<uint16_t>(10, 9))})
            store.setFlickerData(bytesOf(reply.mid(13)), int(reply.size()) - 13);
        // A short record: the samples it lacks are zero, not the previous record's.
        QVERIFY(store.getFKey().at(1023) == 99.90234375 && store.getFValue().at(9) == 9.0 && store.getFValue().at(10) == 0.0);
        store.reloadFlickerData();
        QCOMPARE(store.getFValue().at(0), 9.0);
        feedSpectrum(store, plainSpectrum(0, rampSamples(681)));

        StoreSignalLog log(&store);
        store.resetAll();
        // The values first, the cleared measurement and model next; the spectrum and flicker
        // views hear last, so they redraw from a store already back at its start.
        QCOMPARE(log.names, QStringList({"frequencyChanged", "depthChanged", "percentChanged", "indexChanged",
                                         "gainValueChanged", "expoStatusChanged", "expoTimeChanged",
                                         "hasReferenceChanged", "formattedPhotoResultChanged", "specDataChanged",
                                         "ramanChanged", "hasDataChanged", "deviceModelChanged", "specDataChanged",
                                         "flickerDataChanged"}));
        QVERIFY(store.frequency() == 0.0f && store.gainValue() == 0 && store.expoStatus() == 0u && store.expoTime() == 1000000u);
        QVERIFY(store.getFValue() == QList<double>(1024, 0.0) && store.getSpec(DataBuffer::SourceSpectrum) == QList<double>(681, 0.0));
        QVERIFY(!store.hasData() && store.specDataSize() == 0 && store.flickerDataSize() == 0);
        // Views bound to the model name hear that it is gone.
        QVERIFY(store.deviceModel().isEmpty() && log.names.count(QStringLiteral("deviceModelChanged")) == 1);

        // Nothing received since the reset: replays invent nothing.
        log.clear();
        store.reloadSpecData();
        store.reloadPhotoResult();
        store.reloadFlickerData();
        QVERIFY(log.names.isEmpty() && !store.hasData());
        QSignalSpy model(&store, &DataBuffer::deviceModelChanged);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        QCOMPARE(model.count(), 1);
        // A reset without a model has nothing to announce.
        store.resetAll();
        store.resetAll();
        QCOMPARE(model.count(), 2);
    }

    void efficiencyTableCountsAsReadOnlyUntilTheNextReset()
    {
        DataBuffer store;
        const QVector<float> values(681, 1.5f);
        QVERIFY(!store.efficiencyTableRead() && !store.setEfficiencyTable(340, values.constData(), 902));
        QVERIFY(!store.efficiencyTableRead() && store.setEfficiencyTable(340, values.constData(), 681));
        // A device whose table starts at 0 nm has still sent it.
        QVERIFY(store.efficiencyTableRead() && store.setEfficiencyTable(0, values.constData(), 681) && store.efficiencyTableRead());
        store.resetAll();
        QVERIFY(!store.efficiencyTableRead());
        const FloatArray *table = store.efficiencyTable();
        QVERIFY(std::all_of(table->data, table->data + 2 * DataBuffer::kEfficiencyRows, [](float v) { return v == 0.0f; }));
    }

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
            // Positive codes divide (exactly 3.0 for code 2), negative ones multiply.
            QCOMPARE(source.at(100), code > 0 ? 300.0 / std::pow(10.0, code) : 300.0 * std::pow(10.0, -code));
            QVERIFY(source.size() == kAxis && store.getMaxSpec(DataBuffer::SourceSpectrum) == source.last() && store.hasData());
        }
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
        QVERIFY(store.getSpec(DataBuffer::ReferenceSpectrum) == QList<double>(kAxis, 7.0) && store.getMaxSpec(DataBuffer::ReferenceSpectrum) == 7.0);
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(kAxis, 5.0));
        QVERIFY(passThrottle(store));
        QVERIFY(store.formattedPhotoResult() == table && store.getPhotoResult()[0] == 0.25f);

        // A replay during a capture does not become the reference.
        store.reloadSpecData();
        QCOMPARE(log.count("referenceDataUpdated"), 1);

        // A unit change right after the capture replays the sample, not the reference.
        flags = MeasurementFlags();
        flags.measuring = false;
        MeasurementSettings::setUnit(3);
        store.reloadSpecData();
        QVERIFY(store.getSpec(DataBuffer::SourceSpectrum) == QList<double>(kAxis, 5.0) && store.getSpec(DataBuffer::ScaledSpectrum) == QList<double>(kAxis, 500.0));
        QCOMPARE(store.getSpec(DataBuffer::ReferenceSpectrum), QList<double>(kAxis, 7.0));
    }

    void payloadsThatDoNotFitOrComeWhileNotMeasuringAreDropped()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        QSignalSpy spectrum(&store, &DataBuffer::specDataChanged);
        flags.measuring = false; // ignored while not measuring
        feedSpectrum(store, plainSpectrum(0, rampSamples(kAxis)));
        flags.measuring = true;
        DataBuffer orphan; // no measurement control at all
        feedSpectrum(orphan, plainSpectrum(0, rampSamples(kAxis)));
        QVERIFY(!orphan.hasData());
        feedSpectrum(store, plainSpectrum(0, rampSamples(kAxis - 1))); // one sample short
        QByteArray oversized = plainSpectrum(0, rampSamples(kAxis));
        oversized.append(QByteArray(DataBuffer::kRawPayloadCapacity, '\0'));
        feedSpectrum(store, oversized);
        feedSpectrum(store, plainSpectrum(31, rampSamples(kAxis))); // corrupt scale code
        QVERIFY(spectrum.count() == 0 && store.specDataSize() == 0);

        // Trailing bytes would be samples of a wider range: only the axis's own count is read.
        QByteArray padded = plainSpectrum(0, rampSamples(kAxis));
        padded.append(QByteArray(10, '\x7F'));
        feedSpectrum(store, padded);
        QVERIFY(spectrum.count() == 0 && store.specDataSize() == 0);
        padded.chop(10);
        feedSpectrum(store, padded);
        QVERIFY(spectrum.count() == 1 && store.specDataSize() == int(padded.size()) && store.getMaxSpec(DataBuffer::SourceSpectrum) == kAxis - 1);
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
        QVERIFY(store.colorFidelity().size() == 16 && sameFloats(store.colorFidelity().constData(), record.localFidelity, 16));
        QVERIFY(sameFloats(store.chromaShift().constData(), record.chromaShift, 16) && sameFloats(store.hueShift().constData(), record.hueShift, 16));
        QVERIFY(std::isfinite(record.Rf));

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
        QVERIFY(table.count() == 1 && store.photoResultSize() == kLightMetricsCount * 4);

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

    void throttleAndReplayOfThePhotometricWords()
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
        QVERIFY(table.count() == 1 && tableValue(store, "lux") == QStringLiteral("100.0(lx)"));
        QTRY_COMPARE(tableValue(store, "lux"), QStringLiteral("300.0(lx)"));
        QVERIFY(passThrottle(store) && table.count() == 2);

        // Clearing drops a result still held back.
        feedWords(store, words(store, 7.0f));
        feedWords(store, words(store, 7.0f));
        store.clearBuffer();
        QVERIFY(passThrottle(store) && !store.hasData() && tableValue(store, "X") == QStringLiteral("0.00"));
        // So does the reference's clearing of the sample: no result of it comes back later.
        for (int i = 0; i < 2; ++i)
            feedFrame(store, words(store, 7.0f), plainSpectrum(0, rampSamples(kAxis)));
        store.clearReference();
        store.clearSource();
        QVERIFY(passThrottle(store));
        QVERIFY(!store.hasData());

        // A replay of the words follows the unit.
        w = words(store, 0.0f);
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
        QVERIFY(tableValue(store, "Y") == QStringLiteral("2.00") && tableValue(store, "Z") == QStringLiteral("nan"));
        // More than the store's 100 words is refused.
        QVERIFY(passThrottle(store));
        feedWords(store, QVector<float>(101, 1.0f));
        QCOMPARE(store.photoResultSize(), 8);

        // "T" models carry no words to replay.
        DataBuffer transmission;
        attach(transmission, "TQV-12");
        feedSpectrum(transmission, plainSpectrum(0, rampSamples(kAxis)));
        QSignalSpy replays(&transmission, &DataBuffer::formattedPhotoResultChanged);
        transmission.reloadPhotoResult();
        QCOMPARE(replays.count(), 0);
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
        QCOMPARE(QStringList({tableValue(store, "S_BD"), tableValue(store, "S_Ee"), tableValue(store, "S_PLP"), tableValue(store, "S_HW")}),
                 QStringList({"370-780", "10.0000", "500", "2"}));
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

    void cleanup() { MeasurementSettings::setUnit(0); }

    // The result table's texts: rounding, no value, suffixes and the irradiance unit table.
    void formattedTexts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *name, const QString &actual, const char *expected) {
            QTest::newRow(name) << actual << QString::fromUtf8(expected);
        };
        const float nan = std::numeric_limits<float>::quiet_NaN();
        row("no resolution", format(1002, "S_BD", 0, 12345.678f), "12346");
        // No group separators, a point as decimal separator, whatever the locale.
        QLocale::setDefault(QLocale(QLocale::German));
        row("German locale", format(2, "Y", 0.01, 1234567.5f), "1234567.50");
        QLocale::setDefault(QLocale::c());
        row("no value", format(16, "Ra", 0.1, nan), "nan");
        // Halfway rounds away from zero as the decimal reads; what rounds to zero has no sign.
        row("halfway lux", format(39, "lux", 0.1, 123.45f), "123.5");
        row("halfway small", format(39, "lux", 0.1, 0.15f), "0.2");
        row("halfway x", format(4, "x", 0.0001, 0.31255f), "0.3126");
        row("halfway large", format(2, "Y", 0.1, 12345.65f), "12345.7");
        row("halfway negative", format(15, "Duv", 0.1, -38.65f), "-38.7");
        row("Duv near zero", format(15, "Duv", 0.0001, -0.00004f), "0.0000");
        row("R9 near zero", format(25, "R9", 0.1, -0.04f), "0.0");
        row("halfway off zero", format(15, "Duv", 0.0001, -0.00005f), "-0.0001");
        row("SDCM/k halfway", PhotometricFormat::sdcmAndCct(3.445f, -0.04f), "3.45/0.0");
        row("no SDCM", PhotometricFormat::sdcmAndCct(nan, nan), "nan/nan");
        row("no risk group", PhotometricFormat::blueLightSuffix(nan), "");
        row("lumen suffix", PhotometricFormat::luxSuffix("BQV-41-0007F"), "(lm)");
        // The risk group compares the raw word, whatever the unit; each limit is in the group below it.
        MeasurementSettings::setUnit(3);
        DataBuffer store;
        store.setDeviceModel(QStringLiteral("PQV-21"));
        for (const auto &[eb, text] : {std::pair{0.5f, "50.0000/RG0"}, {1.0f, "100.0000/RG0"}, {5.0f, "500.0000/RG2"},
                                       {400.0f, "40000.0000/RG2"}, {401.0f, "40100.0000/RG3"}}) {
            QVector<float> w = words(store, 0.0f);
            w[47] = eb;
            (void)passThrottle(store);
            feedWords(store, w);
            row(text, tableValue(store, "Eb"), text);
        }
        // Only irradiance follows the unit.
        const QStringList units{"W/m^2|0.0123", "mW/m^2|12.3000", "mW/cm^2|0.0012", "\u03bcW/cm^2|1.2300"};
        for (int unit = 0; unit < units.size(); ++unit) {
            MeasurementSettings::setUnit(unit);
            const QJsonObject ee = store.formatParameter(parameter(40, "Ee", 0.0001, true, "irradiance"), 0.0123f);
            QTest::newRow(qPrintable(units[unit])) << ee.value("unitLabel").toString() + "|" + ee.value("value").toString()
                                                   << units[unit];
        }
        MeasurementSettings::setUnit(0);
    }

    void formattedTexts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // Values halfway between two steps of 1 to 4 decimals, written out in decimal, read
    // rounded away from zero.
    void halfwayValuesRoundAwayFromZero()
    {
        QStringList wrong;
        int cases = 0;
        for (int decimals = 1; decimals <= 4; ++decimals) {
            const int scale = int(std::lround(std::pow(10.0, decimals)));
            for (int whole : {0, 3, 38, 999}) {
                // Six significant digits at most: every such decimal names a float of its own.
                if (QString::number(whole).size() + decimals + 1 > 6)
                    continue;
                for (int step = 0; step < scale; ++step) {
                    const QString fraction = QStringLiteral("%1").arg(step, decimals, 10, QLatin1Char('0'));
                    const qint64 up = qint64(whole) * scale + step + 1;
                    const QString rounded =
                        QStringLiteral("%1.%2").arg(up / scale).arg(up % scale, decimals, 10, QLatin1Char('0'));
                    for (const QString sign : {"", "-"}) {
                        const QString text = sign + QString::number(whole) + '.' + fraction + '5';
                        const QString shown = format(2, "Y", 1.0 / scale, text.toFloat());
                        ++cases;
                        if (shown != sign + rounded)
                            wrong << text + " -> " + shown;
                    }
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("%1 of %2 wrong, such as %3")
                                                 .arg(wrong.size()).arg(cases).arg(wrong.mid(0, 5).join(", "))));
    }
};

QTEST_GUILESS_MAIN(TestMeasurementStore)
#include "tst_measurement_store.moc"
