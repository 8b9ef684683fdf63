// The receiving service wired to both transports: bytes from the serial and the Bluetooth
// LE side reach the store, flicker streams are switched off over Bluetooth LE, and
// acknowledgements appear in the QML message box.
#include "FakeGattService.h"
#include "StoreFixtures.h"
#include "protocol/DeviceBleProfile.h"
#include "protocol/DeviceCommand.h"
#include "protocol/DriverTypes.h"
#include "services/DataHandlerService.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"
#include "transport/UARTInterface.h"

#include <QQmlApplicationEngine>
#include <QtTest>

using namespace testsupport;
using namespace DeviceCommand;

namespace {

const char kScene[] = R"(
import QtQuick
Item {
    Item {
        Item {
            objectName: "messageDialog"
            property string boxTitle: "title"
            property int boxWidth: 1
            property int boxHeight: 1
            property var boxMessage: -1
            visible: false
            property var order: []
            onBoxTitleChanged: order.push("boxTitle")
            onBoxWidthChanged: order.push("boxWidth")
            onBoxHeightChanged: order.push("boxHeight")
            onBoxMessageChanged: order.push("boxMessage")
            onVisibleChanged: order.push("visible")
        }
    }
}
)";

QByteArray flickerFrame()
{
    return reply(CMD_FLICKER, flickerReply(1, 100.0f, 0.1f, 12.0f, QVector<uint16_t>(1024, 5)));
}

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
        service = DataHandlerService::instance(DriverTypes::CONNECT_UART);
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

    void serialBytesReachTheStore()
    {
        const QByteArray frame = reply(CMD_GET_EXPO_TIME, le32(4321));
        emit UARTInterface::instance()->uartSendRawData(frame.left(3));
        QCOMPARE(store->expoTime(), 1000000u);
        emit UARTInterface::instance()->uartSendRawData(frame.mid(3));
        QCOMPARE(store->expoTime(), 4321u);
    }

    void bluetoothNotificationsReachTheStore()
    {
        service = DataHandlerService::instance(DriverTypes::CONNECT_BLE);
        gatt->deliverNotification(DeviceBleProfile::kSpectrumStream, reply(CMD_GET_WL_RANGE, rangeReply(380, 780)));
        QCOMPARE(store->getWlLength(), quint16(401));
        gatt->deliverNotification(DeviceBleProfile::kSpectrumStream, reply(CMD_GET_WL_RANGE, rangeReply(340, 1020)));
        QCOMPARE(store->getWlLength(), quint16(681));
    }

    void flickerStreamStopsAfterOneRecordOverBluetoothOnly()
    {
        service = DataHandlerService::instance(DriverTypes::CONNECT_BLE);
        gatt->deliverNotification(DeviceBleProfile::kFlickerStream, flickerFrame());
        QCOMPARE(store->frequency(), 100.0f);
        QCOMPARE(gatt->descriptorWrites.size(), 1);
        QCOMPARE(gatt->descriptorWrites.first().uuid, QBluetoothUuid(DeviceBleProfile::kFlickerStream));
        QCOMPARE(gatt->descriptorWrites.first().value, DeviceBleProfile::kNotifyOff);

        gatt->descriptorWrites.clear();
        service = DataHandlerService::instance(DriverTypes::CONNECT_UART);
        emit UARTInterface::instance()->uartSendRawData(flickerFrame());
        QCOMPARE(store->getFValue().at(0), 5.0);
        QVERIFY(gatt->descriptorWrites.isEmpty());
    }

    void newConnectionForgetsAPartialFrame()
    {
        const QByteArray frame = reply(CMD_GET_EXPO_TIME, le32(999));
        emit UARTInterface::instance()->uartSendRawData(frame.left(8));
        service = DataHandlerService::instance(DriverTypes::CONNECT_UART); // the next connect
        emit UARTInterface::instance()->uartSendRawData(frame.mid(8));
        QCOMPARE(store->expoTime(), 1000000u);
        emit UARTInterface::instance()->uartSendRawData(frame);
        QCOMPARE(store->expoTime(), 999u);
        QCOMPARE(service->connectType(), int(DriverTypes::CONNECT_UART));
    }

    void acknowledgementWithoutAnEngineDoesNothing()
    {
        service->setEngine(nullptr);
        emit UARTInterface::instance()->uartSendRawData(reply(CMD_SET_EXPO_MODE, {}));
        QQmlApplicationEngine empty;
        service->setEngine(&empty); // no root object
        emit UARTInterface::instance()->uartSendRawData(reply(CMD_SET_EXPO_MODE, {}));
        service->setEngine(nullptr);
    }

    void acknowledgementShowsOkInTheMessageBox()
    {
        QQmlApplicationEngine engine;
        engine.loadData(kScene);
        QCOMPARE(engine.rootObjects().size(), 1);
        QObject *box = engine.rootObjects().first()->findChild<QObject *>("messageDialog");
        QVERIFY(box);
        service->setEngine(&engine);

        emit UARTInterface::instance()->uartSendRawData(reply(CMD_SAVE_EFFICIENCY, QByteArray(1, '\1')));
        QCOMPARE(box->property("visible").toBool(), false);

        emit UARTInterface::instance()->uartSendRawData(reply(CMD_SET_GAIN_MODE, {}));
        QCOMPARE(box->property("boxTitle").toString(), QStringLiteral(" "));
        QCOMPARE(box->property("boxWidth").toInt(), 200);
        QCOMPARE(box->property("boxHeight").toInt(), 100);
        QCOMPARE(box->property("boxMessage").toInt(), 0);
        QCOMPARE(box->property("visible").toBool(), true);
        QCOMPARE(box->property("order").toStringList(),
                 QStringList({"boxTitle", "boxWidth", "boxHeight", "boxMessage", "visible"}));
        service->setEngine(nullptr);
    }

    void replyDeliveredDuringDispatchIsAppliedOnceInOrder()
    {
        QList<quint32> applied;
        const QMetaObject::Connection c = connect(store, &DataBuffer::expoTimeChanged, this, [&] {
            applied.append(store->expoTime());
            if (store->expoTime() == 10) // the port hands over bytes during a blocking write
                emit UARTInterface::instance()->uartSendRawData(reply(CMD_GET_EXPO_TIME, le32(30)));
        });
        emit UARTInterface::instance()->uartSendRawData(reply(CMD_GET_EXPO_TIME, le32(10))
                                                        + reply(CMD_GET_EXPO_TIME, le32(20)));
        disconnect(c);
        QCOMPARE(applied, QList<quint32>({10, 20, 30}));
    }
};

QTEST_MAIN(TestDataHandlerService)
#include "tst_data_handler_service.moc"
