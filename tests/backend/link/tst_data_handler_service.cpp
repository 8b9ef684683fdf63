// The receiving service wired to both transports: bytes from the serial and the Bluetooth
// LE side reach the store, flicker streams are switched off over Bluetooth LE, and
// acknowledgements appear in the QML message box.
#include "FakeGattService.h"
#include "StoreFixtures.h"
#include "protocol/DeviceBleProfile.h"
#include "protocol/DeviceCommand.h"
#include "protocol/DriverTypes.h"
#include "link/DataHandlerService.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"
#include "transport/UARTInterface.h"

#include <QQmlApplicationEngine>
#include <QtTest>

using namespace testsupport;
using namespace DeviceCommand;

namespace {

void serialBytes(const QByteArray &bytes) { emit UARTInterface::instance()->uartSendRawData(bytes); }

} // namespace

class TestDataHandlerService : public QObject
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

QTEST_MAIN(TestDataHandlerService)
#include "tst_data_handler_service.moc"
