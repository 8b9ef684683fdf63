// The store's own state: setters and their signals, model flags, wavelength range,
// clearing and resetting, flicker record and efficiency table.
#include "StoreFixtures.h"
#include "StoreSignalLog.h"
#include "store/DataBuffer.h"

#include <QJSEngine>
#include <QSignalSpy>
#include <QtTest>

using namespace testsupport;

class TestDataBufferState : public QObject
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

private slots:
    void initTestCase() { prepareStoreTests(); }

    void settersEmitOnlyOnChangeWithTwoExceptions()
    {
        DataBuffer store;
        StoreSignalLog log(&store);
        store.setGainValue(2);
        store.setGainValue(2);
        store.setDepth(12.5f);
        store.setDepth(12.5f);
        store.setCie2015(0);           // the default: no change
        store.setHasReference(false);  // the default: no change
        QCOMPARE(log.names, QStringList({"gainValueChanged", "depthChanged"}));
        // Exposure time and the formatted table always emit.
        log.clear();
        store.setExpoTime(store.expoTime());
        store.setFormattedPhotoResult({});
        store.setFormattedPhotoResult({});
        QCOMPARE(log.names, QStringList({"expoTimeChanged", "formattedPhotoResultChanged",
                                         "formattedPhotoResultChanged"}));
    }

    void propertiesAreReachableFromScript()
    {
        DataBuffer store;
        QJSEngine js;
        js.globalObject().setProperty("dataBuffer", js.newQObject(&store));
        QJSEngine::setObjectOwnership(&store, QJSEngine::CppOwnership);
        QCOMPARE(js.evaluate("dataBuffer.gainValue = 3; dataBuffer.gainValue + 1").toInt(), 4);
        QCOMPARE(store.gainValue(), quint8(3));
        QCOMPARE(js.evaluate("dataBuffer.getWlLength()").toInt(), 681);
        // The axis is the range's before any spectrum or range reply.
        QCOMPARE(js.evaluate("var wl = dataBuffer.getWl(); wl[0] + ',' + wl[680]").toString(), QStringLiteral("340,1020"));
        store.setDeviceModel(QStringLiteral("PQV-21"));
        QCOMPARE(js.evaluate("dataBuffer.formattedPhotoResult[0].items[0].key").toString(), QStringLiteral("X"));
        QCOMPARE(js.evaluate("dataBuffer.clearBuffer(); dataBuffer.hasData").toBool(), false);
    }

    void modelNameAppliesCatalogueFlagsInOrder()
    {
        DataBuffer store;
        StoreSignalLog log(&store);
        store.setDeviceModel(QStringLiteral("PQV-27"));
        QVERIFY(store.hasCie2015() && store.hasFlicker() && store.hasTm30());
        QVERIFY(!store.isY() && store.hasEfficiency() && store.hasIlluminanceCalibrate());
        QCOMPARE(log.names, QStringList({"hasCie2015Changed", "hasFlickerChanged", "hasTm30Changed",
                                         "hasEfficiencyChanged", "hasIlluminanceCalibrateChanged",
                                         "chromaShiftChanged", "hueShiftChanged", "colorFidelityChanged",
                                         "tm30Changed", "formattedPhotoResultChanged", "deviceModelChanged"}));
        log.clear();
        store.setDeviceModel(QStringLiteral("PQV-27"));
        QVERIFY(log.names.isEmpty());

        store.setDeviceModel(QStringLiteral("TQV-11"));
        QVERIFY(!store.isY() && !store.hasEfficiency() && !store.hasIlluminanceCalibrate() && !store.hasTm30());
        QVERIFY(store.formattedPhotoResult().isEmpty());
        store.setDeviceModel(QStringLiteral("YQV-01"));
        QVERIFY(store.isY() && !store.hasEfficiency());
    }

    void wavelengthRangeRebuildsAxisAndDropsTheOldReference()
    {
        DataBuffer store;
        measure(store, 50, rampSamples(681));
        StoreSignalLog log(&store);
        store.setWl(380, 780);
        QCOMPARE(store.getWlLength(), quint16(401));
        QCOMPARE(store.getWl().first(), 380.0);
        QCOMPARE(store.getWl().last(), 780.0);
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

        // Reversed ranges and ranges beyond the store are ignored.
        store.setWl(780, 380);
        store.setWl(0, quint16(DataBuffer::kMaxSpectrumPoints));
        store.setWl(100, 65535);
        QVERIFY(log.names.isEmpty());
        QCOMPARE(store.getWlLength(), quint16(401));
        store.setWl(0, quint16(DataBuffer::kMaxSpectrumPoints - 1)); // just fits
        QCOMPARE(int(store.getWlLength()), DataBuffer::kMaxSpectrumPoints);
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
        QCOMPARE(store.getMaxSpec(DataBuffer::SourceSpectrum), 0.0);
        QCOMPARE(store.getMaxSpec(DataBuffer::ReferenceSpectrum), 80.0);
        QVERIFY(!store.hasData());
        QCOMPARE(hasData.count(), 1);
        QVERIFY(store.hasReference());

        feedSpectrum(store, plainSpectrum(0, rampSamples(681)));
        StoreSignalLog log(&store);
        store.clearBuffer();
        QVERIFY(!store.hasData() && !store.hasReference());
        for (auto type : {DataBuffer::SourceSpectrum, DataBuffer::ScaledSpectrum, DataBuffer::ReferenceSpectrum}) {
            QCOMPARE(store.getMaxSpec(type), 0.0);
            QCOMPARE(store.getSpec(type), QList<double>(681, 0.0));
        }
        QCOMPARE(log.names, QStringList({"hasReferenceChanged", "formattedPhotoResultChanged",
                                         "specDataChanged", "ramanChanged", "hasDataChanged"}));
    }

    void resetAllReturnsToStartAndTakesTheSameModelAgain()
    {
        DataBuffer store;
        store.setMeasurementState(&flags);
        store.setDeviceModel(QStringLiteral("PQV-21"));
        store.setFrequency(100.0f);
        store.setGainValue(3);
        store.setExpoStatus(2);
        store.setExpoTime(5000);
        const QByteArray flicker = flickerReply(1, 50, 0.1f, 10, QVector<uint16_t>(1024, 7)).mid(13);
        store.setFlickerData(bytesOf(flicker), int(flicker.size()));
        feedSpectrum(store, plainSpectrum(0, rampSamples(681)));

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
        QCOMPARE(log.names.mid(log.names.size() - 2), QStringList({"specDataChanged", "flickerDataChanged"}));
        // Views bound to the model name hear that it is gone.
        QCOMPARE(store.deviceModel(), QString());
        QCOMPARE(log.names.count(QStringLiteral("deviceModelChanged")), 1);
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
        // A reset without a model has nothing to announce.
        store.resetAll();
        store.resetAll();
        QCOMPARE(model.count(), 2);
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
        QCOMPARE(store.getFKey().at(1023), 99.90234375);

        // A short record: the samples it lacks are zero, not the previous record's.
        const QByteArray shortRecord = flickerReply(0, 0, 0, 0, QVector<uint16_t>(10, 9)).mid(13);
        store.setFlickerData(bytesOf(shortRecord), int(shortRecord.size()));
        QCOMPARE(store.getFValue().at(9), 9.0);
        QCOMPARE(store.getFValue().at(10), 0.0);
        QCOMPARE(store.getFValue().at(1023), 0.0);

        // A record larger than the store is dropped whole; a replay repeats the last one.
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
        QCOMPARE(table->data[2], 302.0f);
        QCOMPARE(table->data[5], 1.0f);

        const QVector<float> tooMany(902, 1.0f);
        QVERIFY(!store.setEfficiencyTable(300, tooMany.constData(), 902));
        QCOMPARE(table->size[0], 3);
        QVERIFY(store.setEfficiencyTable(300, tooMany.constData(), 901));
        QCOMPARE(table->data[901 + 900], 1.0f);
    }

    void efficiencyTableCountsAsReadOnlyUntilTheNextReset()
    {
        DataBuffer store;
        QVERIFY(!store.efficiencyTableRead());
        const QVector<float> values(681, 1.5f);
        QVERIFY(!store.setEfficiencyTable(340, values.constData(), 902));
        QVERIFY(!store.efficiencyTableRead());
        QVERIFY(store.setEfficiencyTable(340, values.constData(), 681));
        QVERIFY(store.efficiencyTableRead());
        // A device whose table starts at 0 nm has still sent it.
        QVERIFY(store.setEfficiencyTable(0, values.constData(), 681));
        QVERIFY(store.efficiencyTableRead());

        store.resetAll();
        QVERIFY(!store.efficiencyTableRead());
        const FloatArray *table = store.efficiencyTable();
        QCOMPARE(table->size[0], DataBuffer::kEfficiencyRows);
        QCOMPARE(table->size[1], 2);
        for (int i = 0; i < 2 * DataBuffer::kEfficiencyRows; ++i)
            QCOMPARE(table->data[i], 0.0f);
    }
};

QTEST_GUILESS_MAIN(TestDataBufferState)
#include "tst_data_buffer_state.moc"
