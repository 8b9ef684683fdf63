// The store's own state: setters and their signals, model flags, wavelength range,
// clearing and resetting, flicker record and efficiency table.
#include "StoreFixtures.h"
#include "StoreSignalLog.h"
#include "store/DataBuffer.h"

#include <QJSEngine>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>

using namespace testsupport;

namespace {

void feedSource(DataBuffer &store, int16_t code, const QVector<uint16_t> &samples)
{
    feedSpectrum(store, plainSpectrum(code, samples));
}

// A reference capture as the measurement control runs it.
void captureReference(DataBuffer &store, MeasurementFlags &flags, const QVector<uint16_t> &samples)
{
    flags.reference = true;
    feedSource(store, 0, samples);
    store.setHasReference(true);
    flags.reference = false;
}

} // namespace

class TestDataBufferState : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        prepareStoreTests();
    }

    void freshStoreHasTheDefaultAxisAndNoReference()
    {
        DataBuffer store;
        QCOMPARE(store.getWlLength(), quint16(681));
        QCOMPARE(store.getWl(), QList<double>(681, 0.0));
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(681, 0.0));
        QVERIFY(store.getSpec(DataBuffer::ReferenceSpectrum).isEmpty());
        QCOMPARE(store.expoTime(), 1000000u);
        QCOMPARE(store.expoMode(), 1u);
        QVERIFY(!store.hasData());
        QCOMPARE(store.getFKey().size(), 1024);
    }

    void settersEmitOnlyOnChangeWithTwoExceptions()
    {
        DataBuffer store;
        QSignalSpy gain(&store, &DataBuffer::gainValueChanged);
        store.setGainValue(2);
        store.setGainValue(2);
        QCOMPARE(gain.count(), 1);
        QCOMPARE(store.gainValue(), quint8(2));

        QSignalSpy depth(&store, &DataBuffer::depthChanged);
        store.setDepth(12.5f);
        store.setDepth(12.5f);
        store.setDepth(12.25f);
        QCOMPARE(depth.count(), 2);

        QSignalSpy cie(&store, &DataBuffer::cie2015Changed);
        store.setCie2015(0);
        QCOMPARE(cie.count(), 0);

        QSignalSpy expoTime(&store, &DataBuffer::expoTimeChanged);
        store.setExpoTime(1000000);
        store.setExpoTime(1000000);
        QCOMPARE(expoTime.count(), 2);

        QSignalSpy table(&store, &DataBuffer::formattedPhotoResultChanged);
        store.setFormattedPhotoResult({});
        store.setFormattedPhotoResult({});
        QCOMPARE(table.count(), 2);

        QSignalSpy reference(&store, &DataBuffer::hasReferenceChanged);
        store.setHasReference(false);
        store.setHasReference(true);
        QCOMPARE(reference.count(), 1);
    }

    void propertiesAreReachableFromScript()
    {
        DataBuffer store;
        QJSEngine js;
        js.globalObject().setProperty("dataBuffer", js.newQObject(&store));
        QJSEngine::setObjectOwnership(&store, QJSEngine::CppOwnership);
        QCOMPARE(js.evaluate("dataBuffer.gainValue = 3; dataBuffer.gainValue + 1").toInt(), 4);
        QCOMPARE(store.gainValue(), quint8(3));
        QCOMPARE(js.evaluate("dataBuffer.expoMode = 0; dataBuffer.expoMode ? 'auto' : 'manual'").toString(),
                 QStringLiteral("manual"));
        QCOMPARE(js.evaluate("dataBuffer.hasData || dataBuffer.hasReference").toBool(), false);
        QCOMPARE(js.evaluate("dataBuffer.getWlLength()").toInt(), 681);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        QCOMPARE(js.evaluate("dataBuffer.formattedPhotoResult[0].items[0].key").toString(), QStringLiteral("X"));
        QCOMPARE(js.evaluate("dataBuffer.clearBuffer(); dataBuffer.hasData").toBool(), false);
    }

    void modelNameAppliesCatalogueFlagsInOrder()
    {
        DataBuffer store;
        StoreSignalLog log(&store);
        store.setDeviceModel(QStringLiteral("PQV-27"));
        QCOMPARE(store.hasCie2015(), 1u);
        QCOMPARE(store.hasFlicker(), 1u);
        QCOMPARE(store.hasTm30(), 1u);
        QVERIFY(!store.isY());
        QVERIFY(store.hasEfficiency());
        QVERIFY(store.hasIlluminanceCalibrate());
        const QStringList expected{
            "hasCie2015Changed", "hasFlickerChanged", "hasTm30Changed", "hasEfficiencyChanged",
            "hasIlluminanceCalibrateChanged", "chromaShiftChanged", "hueShiftChanged",
            "colorFidelityChanged", "tm30Changed", "formattedPhotoResultChanged",
            "deviceModelChanged"};
        QCOMPARE(log.names, expected);

        log.clear();
        store.setDeviceModel(QStringLiteral("PQV-27"));
        QVERIFY(log.names.isEmpty());

        store.setDeviceModel(QStringLiteral("TQV-11"));
        QVERIFY(!store.isY());
        QVERIFY(!store.hasEfficiency());
        QVERIFY(!store.hasIlluminanceCalibrate());
        QCOMPARE(store.hasTm30(), 0u);
        QVERIFY(store.formattedPhotoResult().isEmpty());

        store.setDeviceModel(QStringLiteral("YQV-01"));
        QVERIFY(store.isY());
        QVERIFY(!store.hasEfficiency());
    }

    void wavelengthRangeRebuildsAxisAndDropsTheOldReference()
    {
        DataBuffer store;
        MeasurementFlags flags;
        store.setMeasurementState(&flags);
        captureReference(store, flags, QVector<uint16_t>(681, 50));
        QCOMPARE(store.getMaxSpec(DataBuffer::ReferenceSpectrum), 50.0);

        StoreSignalLog log(&store);
        store.setWl(380, 780);
        QCOMPARE(store.getWlLength(), quint16(401));
        const QList<double> axis = store.getWl();
        QCOMPARE(axis.size(), 401);
        QCOMPARE(axis.first(), 380.0);
        QCOMPARE(axis.last(), 780.0);
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(401, 0.0));
        QCOMPARE(store.getSpec(DataBuffer::ScaledSpectrum), QList<double>(401, 0.0));
        // The reference of the old axis does not survive the change.
        QCOMPARE(store.getSpec(DataBuffer::ReferenceSpectrum), QList<double>(401, 0.0));
        QCOMPARE(store.getMaxSpec(DataBuffer::ReferenceSpectrum), 0.0);
        QVERIFY(!store.hasReference());
        QCOMPARE(log.names, QStringList({"hasReferenceChanged", "wlChanged"}));

        log.clear();
        store.setWl(380, 780);
        QVERIFY(log.names.isEmpty());
    }

    void impossibleWavelengthRangesAreIgnored()
    {
        DataBuffer store;
        QSignalSpy wl(&store, &DataBuffer::wlChanged);
        store.setWl(780, 380);                                            // reversed
        store.setWl(0, quint16(DataBuffer::kMaxSpectrumPoints));          // one point too many
        store.setWl(100, 65535);
        QCOMPARE(wl.count(), 0);
        QCOMPARE(store.getWlLength(), quint16(681));
        store.setWl(0, quint16(DataBuffer::kMaxSpectrumPoints - 1));      // just fits
        QCOMPARE(wl.count(), 1);
        QCOMPARE(int(store.getWlLength()), DataBuffer::kMaxSpectrumPoints);
    }

    void clearBufferForgetsTheMeasurementButKeepsLengths()
    {
        DataBuffer store;
        MeasurementFlags flags;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("TQV-11"));
        captureReference(store, flags, QVector<uint16_t>(681, 80));
        feedSource(store, 0, rampSamples(681));
        QVERIFY(store.hasData());

        StoreSignalLog log(&store);
        store.clearBuffer();
        QVERIFY(!store.hasData());
        QVERIFY(!store.hasReference());
        for (auto type : {DataBuffer::SourceSpectrum, DataBuffer::ScaledSpectrum, DataBuffer::ReferenceSpectrum}) {
            QCOMPARE(store.getMaxSpec(type), 0.0);
            QCOMPARE(store.getSpec(type), QList<double>(681, 0.0));
        }
        QCOMPARE(log.names, QStringList({"hasReferenceChanged", "formattedPhotoResultChanged",
                                         "specDataChanged", "ramanChanged", "hasDataChanged"}));
    }

    void clearSourceAndClearReferenceTouchOnlyTheirOwnSpectrum()
    {
        DataBuffer store;
        MeasurementFlags flags;
        store.setMeasurementState(&flags);
        captureReference(store, flags, QVector<uint16_t>(681, 80));
        feedSource(store, 0, QVector<uint16_t>(681, 30));

        QVERIFY(store.hasData());
        QSignalSpy updated(&store, &DataBuffer::referenceDataUpdated);
        QSignalSpy hasData(&store, &DataBuffer::hasDataChanged);
        store.clearSource();
        QCOMPARE(store.getMaxSpec(DataBuffer::SourceSpectrum), 0.0);
        QCOMPARE(store.getMaxSpec(DataBuffer::ReferenceSpectrum), 80.0);
        // No source, no sample: a ratio can no longer be saved for it.
        QVERIFY(!store.hasData());
        QCOMPARE(hasData.count(), 1);
        QVERIFY(store.hasReference());
        store.clearReference();
        QCOMPARE(store.getMaxSpec(DataBuffer::ReferenceSpectrum), 0.0);
        QVERIFY(!store.hasReference());
        QCOMPARE(updated.count(), 1);
    }

    void resetAllReturnsToStartAndTakesTheSameModelAgain()
    {
        DataBuffer store;
        MeasurementFlags flags;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        store.setFrequency(100.0f);
        store.setGainValue(3);
        store.setExpoStatus(2);
        store.setExpoTime(5000);
        const QByteArray flicker = flickerReply(1, 50, 0.1f, 10, QVector<uint16_t>(1024, 7)).mid(13);
        store.setFlickerData(bytesOf(flicker), int(flicker.size()));
        feedSource(store, 0, rampSamples(681));

        StoreSignalLog log(&store);
        store.resetAll();
        QCOMPARE(store.frequency(), 0.0f);
        QCOMPARE(store.gainValue(), quint8(0));
        QCOMPARE(store.expoStatus(), 0u);
        QCOMPARE(store.expoTime(), 1000000u);
        QCOMPARE(store.getFValue(), QList<double>(1024, 0.0));
        QCOMPARE(store.getSpec(DataBuffer::SourceSpectrum), QList<double>(681, 0.0));
        QVERIFY(!store.hasData());
        QCOMPARE(log.names.first(), QStringLiteral("frequencyChanged"));
        QCOMPARE(log.names.mid(log.names.size() - 2),
                 QStringList({"specDataChanged", "flickerDataChanged"}));
        QCOMPARE(store.specDataSize(), 0);
        QCOMPARE(store.flickerDataSize(), 0);

        // Nothing received since the reset: replays invent nothing.
        log.clear();
        store.reloadSpecData();
        store.reloadPhotoResult();
        store.reloadFlickerData();
        QVERIFY(log.names.isEmpty());
        QVERIFY(!store.hasData());

        QSignalSpy model(&store, &DataBuffer::deviceModelChanged);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        QCOMPARE(model.count(), 1);
    }

    void flickerRecordDecodesSamplesAndTimeAxis()
    {
        DataBuffer store;
        QVector<uint16_t> samples(1024);
        for (int i = 0; i < 1024; ++i)
            samples[i] = uint16_t(40000 + i);
        const QByteArray full = flickerReply(0, 0, 0, 0, samples).mid(13);
        QSignalSpy changed(&store, &DataBuffer::flickerDataChanged);
        store.setFlickerData(bytesOf(full), int(full.size()));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(store.getFValue().at(0), 40000.0);
        QCOMPARE(store.getFValue().at(1023), 41023.0);
        QCOMPARE(store.getFKey().at(0), 0.0);
        QCOMPARE(store.getFKey().at(1023), 99.90234375);

        // A short record: the samples it lacks are zero, not the previous record's.
        const QByteArray shortRecord = flickerReply(0, 0, 0, 0, QVector<uint16_t>(10, 9)).mid(13);
        store.setFlickerData(bytesOf(shortRecord), int(shortRecord.size()));
        QCOMPARE(store.getFValue().at(9), 9.0);
        QCOMPARE(store.getFValue().at(10), 0.0);
        QCOMPARE(store.getFValue().at(1023), 0.0);

        // A record larger than the store is dropped whole.
        const QByteArray huge(DataBuffer::kRawPayloadCapacity + 2, char(1));
        store.setFlickerData(bytesOf(huge), int(huge.size()));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(store.getFValue().at(9), 9.0);

        store.reloadFlickerData();
        QCOMPARE(changed.count(), 3);
        QCOMPARE(store.getFValue().at(0), 9.0);
    }

    void efficiencyTableHoldsAtMost901Rows()
    {
        DataBuffer store;
        const QVector<float> values{0.5f, 0.75f, 1.0f};
        QVERIFY(store.setEfficiencyTable(300, values.constData(), 3));
        const FloatArray *table = store.efficiencyTable();
        QCOMPARE(table->size[0], 3);
        QCOMPARE(table->size[1], 2);
        QCOMPARE(table->data[0], 300.0f);
        QCOMPARE(table->data[2], 302.0f);
        QCOMPARE(table->data[3], 0.5f);
        QCOMPARE(table->data[5], 1.0f);

        const QVector<float> tooMany(902, 1.0f);
        QVERIFY(!store.setEfficiencyTable(300, tooMany.constData(), 902));
        QCOMPARE(table->size[0], 3);
        const QVector<float> full(901, 2.0f);
        QVERIFY(store.setEfficiencyTable(300, full.constData(), 901));
        QCOMPARE(table->data[901 + 900], 2.0f);
    }
};

QTEST_GUILESS_MAIN(TestDataBufferState)
#include "tst_data_buffer_state.moc"
