// Received bytes to store values: the dispatch table, signal order per frame, malformed
// payloads, noisy streams and re-entrant delivery, then the receiving service wired to both
// transports (serial and Bluetooth LE bytes reach the store, flicker streams are switched off
// over Bluetooth LE, acknowledgements appear in the QML message box).
#include "FakeGattService.h"
#include "StoreFixtures.h"
#include "StoreSignalLog.h"
#include "link/DataHandlerService.h"
#include "link/FrameReceiver.h"
#include "protocol/DeviceBleProfile.h"
#include "protocol/DeviceCommand.h"
#include "protocol/DriverTypes.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"
#include "transport/UARTInterface.h"

#include <QQmlApplicationEngine>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

using namespace testsupport;
using namespace DeviceCommand;

namespace {

constexpr int kAxis = 681;

// A measuring store fed through a receiver.
struct Road {
    MeasurementFlags flags;
    DataBuffer store;
    FrameReceiver receiver{&store};
    QList<quint32> appliedTimes; // every exposure time the store took, in order

    Road()
    {
        store.setMeasurementState(&flags);
        QObject::connect(&store, &DataBuffer::expoTimeChanged, [this] { appliedTimes << store.expoTime(); });
    }
    void receive(uint8_t code, const QByteArray &payload) { receiver.receive(reply(code, payload)); }
    void model(const QByteArray &name) { receive(CMD_GET_DEVICE_MODEL, modelReply(name)); }
    QVector<float> words(float value) const { return QVector<float>(int(store.modelInfo().plain.size()), value); }
};

void serialBytes(const QByteArray &bytes) { emit UARTInterface::instance()->uartSendRawData(bytes); }

} // namespace

class TestFrameDispatch : public QObject
{
    Q_OBJECT
    MeasurementFlags flags;
    DataHandlerService *service = nullptr;
    DataBuffer *store = nullptr;
    FakeGattService *gatt = nullptr;

private slots:
    void initTestCase()
    {
        prepareStoreTests();
        store = DataBuffer::instance();
        store->setMeasurementState(&flags);
        gatt = new FakeGattService;
        gatt->addDeviceProfile();
        BLEInterface::instance()->attachService(gatt);
    }

    void spectrumFramesSignalInOrderAndReferencesOnlyTheReference()
    {
        Road road;
        road.model("PQV-21");
        QVERIFY(passThrottle(road.store));
        StoreSignalLog log(&road.store);
        QVector<float> words = road.words(0.0f);
        words[38] = 321.0f;
        road.receive(CMD_AUTO_SPECTRUM, spectrumFrameBody(1, 20000, words, plainSpectrum(0, rampSamples(kAxis))));
        QCOMPARE(log.names, QStringList({"expoStatusChanged", "expoTimeChanged", "formattedPhotoResultChanged",
                                         "hasDataChanged", "specDataChanged", "ramanChanged"}));
        QCOMPARE(road.store.expoStatus(), 1u);
        QCOMPARE(road.store.expoTime(), 20000u);
        QCOMPARE(road.store.getPhotoResult()[38], 321.0f);
        QCOMPARE(road.store.getMaxSpec(DataBuffer::SourceSpectrum), double(kAxis - 1));

        Road capture;
        capture.model("PQV-21");
        capture.flags.reference = true;
        StoreSignalLog captureLog(&capture.store);
        capture.receive(CMD_AUTO_SPECTRUM,
                        spectrumFrameBody(2, 30000, capture.words(5.0f), plainSpectrum(0, QVector<uint16_t>(kAxis, 9))));
        QCOMPARE(captureLog.names, QStringList({"expoStatusChanged", "expoTimeChanged", "referenceDataUpdated"}));
        QCOMPARE(capture.store.photoResultSize(), 0);
        QVERIFY(!capture.store.hasData());
    }

    void spectrumFramesThatDoNotFitAreNotApplied()
    {
        Road road;
        road.model("PQV-21");
        StoreSignalLog log(&road.store);
        const QVector<float> words = road.words(1.0f);
        road.receive(CMD_AUTO_SPECTRUM, spectrumFrameBody(1, 7, words, plainSpectrum(0, rampSamples(kAxis - 1))));
        road.receive(CMD_AUTO_SPECTRUM, spectrumFrameBody(1, 7, {}, plainSpectrum(0, rampSamples(kAxis)))); // no words
        road.receive(CMD_AUTO_SPECTRUM, QByteArray(4, '\1')); // not even the exposure
        road.receive(CMD_AUTO_SPECTRUM,
                     spectrumFrameBody(1, 7, words, QByteArray(DataBuffer::kRawPayloadCapacity + 1, 0)));
        QVERIFY(log.names.isEmpty());
        QCOMPARE(road.store.expoTime(), 1000000u);
    }

    void modelReplyIsCutAtItsTrailerAndFirstNul()
    {
        Road road;
        StoreSignalLog log(&road.store);
        road.model(QByteArray("PQV-28\0\0\0", 9));
        QCOMPARE(road.store.deviceModel(), QStringLiteral("PQV-28"));
        QCOMPARE(log.names, QStringList({"hasFlickerChanged", "hasTm30Changed", "hasEfficiencyChanged",
                                         "hasIlluminanceCalibrateChanged", "chromaShiftChanged", "hueShiftChanged",
                                         "colorFidelityChanged", "tm30Changed", "formattedPhotoResultChanged",
                                         "deviceModelChanged"}));
        road.receive(CMD_GET_DEVICE_MODEL, "SN00042"); // under 8 bytes
        QCOMPARE(road.store.deviceModel(), QStringLiteral("PQV-28"));
    }

    void rangeReplySetsTheAxisAndDropsTheReference()
    {
        Road road;
        road.flags.reference = true;
        road.receive(CMD_SINGLE_SPECTRUM, spectrumFrameBody(0, 1000, {}, plainSpectrum(0, QVector<uint16_t>(kAxis, 3))));
        road.store.setHasReference(true);
        StoreSignalLog log(&road.store);
        road.receive(CMD_GET_WL_RANGE, rangeReply(380, 780));
        QCOMPARE(log.names, QStringList({"hasReferenceChanged", "wlChanged"}));
        QCOMPARE(road.store.getWlLength(), quint16(401));

        log.clear();
        road.receive(CMD_GET_WL_RANGE, rangeReply(780, 380));
        // A range that cannot be read is refused once: what is held is cleared, the axis stays.
        QCOMPARE(log.names, QStringList({"referenceDataUpdated", "specDataChanged", "wlRangeRefused"}));
        log.clear();
        road.receive(CMD_GET_WL_RANGE, rangeReply(0, 60000));
        road.receive(CMD_GET_WL_RANGE, le16(400));
        QVERIFY(log.names.isEmpty());
        QCOMPARE(road.store.getWlLength(), quint16(401));
    }

    void flickerRecordSetsItsValuesInOrder()
    {
        Road road;
        StoreSignalLog log(&road.store);
        QVector<uint16_t> samples = rampSamples(1024, 3);
        road.receive(CMD_FLICKER, flickerReply(2, 120.0f, 0.08f, 33.5f, samples));
        QCOMPARE(log.names, QStringList({"gainValueChanged", "frequencyChanged", "indexChanged", "depthChanged",
                                         "percentChanged", "flickerDataChanged"}));
        QCOMPARE(road.store.gainValue(), quint8(2));
        QCOMPARE(road.store.frequency(), 120.0f);
        QCOMPARE(road.store.index(), 0.08f);
        QCOMPARE(road.store.depth(), 33.5f);
        QCOMPARE(road.store.percent(), 33.5f);
        QCOMPARE(road.store.getFValue().at(1023), 3069.0);

        // A waveform larger than the store, or a header cut short: nothing applied at all.
        log.clear();
        road.receive(CMD_FLICKER, flickerReply(3, 1, 1, 1, {}) + QByteArray(DataBuffer::kRawPayloadCapacity + 2, '\1'));
        road.receive(CMD_FLICKER, QByteArray(12, '\1'));
        QVERIFY(log.names.isEmpty());
    }

    void settingsAndEfficiencyReplies()
    {
        Road road;
        road.receive(CMD_GET_EXPO_MODE, QByteArray(1, '\0'));
        QCOMPARE(road.store.expoMode(), 0u);
        road.receive(CMD_GET_EXPO_MODE, QByteArray(1, '\7'));
        QCOMPARE(road.store.expoMode(), 1u);
        road.receive(CMD_GET_EXPO_TIME, le32(123456));
        QCOMPARE(road.store.expoTime(), 123456u);
        road.receive(CMD_GET_GAIN_VALUE, QByteArray(1, '\3'));
        QCOMPARE(road.store.gainValue(), quint8(3));
        road.receive(CMD_GET_GAIN_MODE, QByteArray(1, '\1'));
        QVERIFY(road.store.gainMode());
        for (const auto &[sent, option] : QList<QPair<char, quint32>>{{2, 1}, {3, 2}, {0, 0}, {1, 2}}) {
            road.receive(CMD_GET_CIE2015, QByteArray(1, sent));
            QCOMPARE(road.store.cie2015(), option);
        }
        // Replies too short for their fields change nothing.
        road.receive(CMD_GET_EXPO_TIME, le16(5));
        road.receive(CMD_GET_CIE2015, QByteArray());
        road.receive(CMD_GET_EXPO_MODE, QByteArray());
        QCOMPARE(road.appliedTimes, QList<quint32>{123456});
        QCOMPARE(road.store.cie2015(), 2u);
        QCOMPARE(road.store.expoMode(), 1u);

        road.receive(CMD_GET_EFFICIENCY, le16(3) + le16(360) + f32s({0.5f, 0.25f, 2.0f}));
        const FloatArray *table = road.store.efficiencyTable();
        QCOMPARE(QList<float>(table->data, table->data + 6), (QList<float>{360, 361, 362, 0.5f, 0.25f, 2.0f}));
        road.receive(CMD_GET_EFFICIENCY, le16(4) + le16(360) + f32s({1, 1, 1})); // short
        road.receive(CMD_GET_EFFICIENCY, le16(902) + le16(300) + f32s(QVector<float>(902, 1)));
        QCOMPARE(table->size[0], 3);
        QCOMPARE(table->data[3], 0.5f);
    }

    void acknowledgementsAndUnknownCodes()
    {
        // How many acknowledgements one reply raises; -1 when it changed the store.
        const auto acknowledgements = [](int code, const QByteArray &payload) {
            Road road;
            QSignalSpy ack(&road.receiver.dispatcher(), &FrameDispatcher::acknowledged);
            StoreSignalLog log(&road.store);
            road.receive(uint8_t(code), payload);
            return log.names.isEmpty() ? int(ack.count()) : -1;
        };
        for (int code : {10, 12, 16, 19, 32, 54, 56, 58})
            QVERIFY2(acknowledgements(code, {}) == 1, qPrintable(QString::number(code)));
        QCOMPARE(acknowledgements(CMD_RESET_EFFICIENCY, QByteArray(1, 0)), 1);
        QCOMPARE(acknowledgements(CMD_RESET_EFFICIENCY, QByteArray(1, 1)), 0); // failed
        QCOMPARE(acknowledgements(CMD_SAVE_EFFICIENCY, QByteArray(1, 0)), 1);
        QCOMPARE(acknowledgements(CMD_SAVE_EFFICIENCY, QByteArray(1, 2)), 0);
        QCOMPARE(acknowledgements(CMD_SAVE_EFFICIENCY, QByteArray()), 0);
        QCOMPARE(acknowledgements(0, QByteArray(4, 0)), 0);
        QCOMPARE(acknowledgements(99, QByteArray(4, 0)), 0);
    }

    void bytesArrivingWhileAFrameIsAppliedAreQueuedInOrder()
    {
        Road road;
        const QByteArray split = reply(CMD_GET_EXPO_TIME, le32(4));
        // A handler whose blocking write lets the port hand over more bytes.
        connect(&road.store, &DataBuffer::expoTimeChanged, this, [&] {
            if (road.store.expoTime() == 1) {
                road.receiver.receive(reply(CMD_GET_EXPO_TIME, le32(2)) + reply(CMD_GET_EXPO_TIME, le32(3))
                                      + split.left(5));
                road.receiver.receive(split.mid(5));
            }
        });
        road.receiver.receive(reply(CMD_GET_EXPO_TIME, le32(1)) + reply(CMD_GET_EXPO_TIME, le32(5)));
        QCOMPARE(road.appliedTimes, QList<quint32>({1, 5, 2, 3, 4}));
        QCOMPARE(road.receiver.assembler().bufferedBytes(), 0);
    }

    void init()
    {
        service = DataHandlerService::instance(DriverTypes::CONNECT_UART);
        store->resetAll();
        gatt->descriptorWrites.clear();
    }

    void serialBytesReachTheStoreAndANewConnectionForgetsAPartialFrame()
    {
        const QByteArray frame = reply(CMD_GET_EXPO_TIME, le32(4321));
        serialBytes(frame.left(3));
        QCOMPARE(store->expoTime(), 1000000u);
        serialBytes(frame.mid(3));
        QCOMPARE(store->expoTime(), 4321u);

        serialBytes(reply(CMD_GET_EXPO_TIME, le32(999)).left(8));
        service = DataHandlerService::instance(DriverTypes::CONNECT_UART); // the next connect
        serialBytes(reply(CMD_GET_EXPO_TIME, le32(999)).mid(8));
        QCOMPARE(store->expoTime(), 4321u);
        QCOMPARE(service->connectType(), int(DriverTypes::CONNECT_UART));
    }

    void flickerStreamStopsAfterOneRecordOverBluetoothOnly()
    {
        const QByteArray flicker = reply(CMD_FLICKER, flickerReply(1, 100.0f, 0.1f, 12.0f, QVector<uint16_t>(1024, 5)));
        service = DataHandlerService::instance(DriverTypes::CONNECT_BLE);
        gatt->deliverNotification(DeviceBleProfile::kFlickerStream, flicker);
        QCOMPARE(store->frequency(), 100.0f);
        QCOMPARE(gatt->descriptorWrites,
                 (QList<FakeGattService::Write>{{QBluetoothUuid(DeviceBleProfile::kFlickerStream),
                                                 DeviceBleProfile::kNotifyOff}}));

        service = DataHandlerService::instance(DriverTypes::CONNECT_UART);
        store->resetAll();
        gatt->descriptorWrites.clear();
        serialBytes(flicker);
        QCOMPARE(store->getFValue().at(0), 5.0);
        QVERIFY(gatt->descriptorWrites.isEmpty());
    }

    void acknowledgementShowsOkInTheMessageBox()
    {
        // Without an engine, or without a root object, an acknowledgement shows nothing.
        service->setEngine(nullptr);
        serialBytes(reply(CMD_SET_EXPO_MODE, {}));
        QQmlApplicationEngine engine;
        service->setEngine(&engine);
        serialBytes(reply(CMD_SET_EXPO_MODE, {}));

        engine.loadData(R"(import QtQuick
Item { Item { Item {
    objectName: "messageDialog"; visible: false
    property string boxTitle: "title"; property int boxWidth: 1; property int boxHeight: 1
    property var boxMessage: -1; property var order: []
    onBoxTitleChanged: order.push("boxTitle"); onBoxWidthChanged: order.push("boxWidth")
    onBoxHeightChanged: order.push("boxHeight"); onBoxMessageChanged: order.push("boxMessage")
    onVisibleChanged: order.push("visible")
} } })");
        QCOMPARE(engine.rootObjects().size(), 1);
        QObject *box = engine.rootObjects().first()->findChild<QObject *>("messageDialog");
        QVERIFY(box);
        serialBytes(reply(CMD_SAVE_EFFICIENCY, QByteArray(1, '\1'))); // a failed save is no "OK"
        QCOMPARE(box->property("visible").toBool(), false);

        serialBytes(reply(CMD_SET_GAIN_MODE, {}));
        QCOMPARE(box->property("boxTitle").toString(), QStringLiteral(" "));
        QCOMPARE(box->property("boxWidth").toInt(), 200);
        QCOMPARE(box->property("boxHeight").toInt(), 100);
        QCOMPARE(box->property("boxMessage").toInt(), 0);
        QCOMPARE(box->property("visible").toBool(), true);
        QCOMPARE(box->property("order").toStringList(),
                 QStringList({"boxTitle", "boxWidth", "boxHeight", "boxMessage", "visible"}));
        service->setEngine(nullptr);
    }
};

QTEST_MAIN(TestFrameDispatch)
#include "tst_frame_dispatch.moc"
