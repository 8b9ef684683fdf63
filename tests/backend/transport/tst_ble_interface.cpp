// Bluetooth LE transport: scan filtering, connection failures without an adapter, and the
// service seam (reads, writes, notification switching, received values).

#include "FakeGattService.h"
#include "ReplyPayloads.h"
#include "SerialLink.h"
#include "protocol/DeviceBleProfile.h"
#include "services/DataHandlerService.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QPointer>
#include <QtTest>

using Write = FakeGattService::Write;
namespace profile = DeviceBleProfile;

namespace {

QBluetoothDeviceInfo device(const QString &name, qint16 rssi, int last = 1)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(quint64(0x00A0C0DE0000 + last)), name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    info.setRssi(rssi);
    return info;
}

void discover(BLEInterface *ble, const QBluetoothDeviceInfo &info)
{
    QVERIFY(QMetaObject::invokeMethod(ble, "DeviceDiscovered", Qt::DirectConnection,
                                      Q_ARG(QBluetoothDeviceInfo, info)));
}

QStringList names(const QList<QBluetoothDeviceInfo> &devices)
{
    QStringList result;
    for (const QBluetoothDeviceInfo &info : devices)
        result.append(info.name());
    return result;
}

Write write(const QString &uuid, const char *hex)
{
    return {QBluetoothUuid(uuid), QByteArray::fromHex(hex)};
}

} // namespace

class TestBleInterface : public QObject
{
    Q_OBJECT
    BLEInterface *ble = BLEInterface::instance();

    // A fake service attached as after discovery, with the whole device profile.
    FakeGattService *attachedProfile()
    {
        auto *service = new FakeGattService;
        service->addDeviceProfile();
        ble->attachService(service);
        return service;
    }

private slots:
    void cleanup() { ble->disconnectDevice(); }

    void scanKeepsDevicesInsideTheRssiWindow()
    {
        ble->startScan();
        QSignalSpy named(ble, &BLEInterface::bleScanDeviceName);
        discover(ble, device(QStringLiteral("RQM-too-strong"), -9, 1));
        discover(ble, device(QStringLiteral("RQM-strong"), -10, 2));
        discover(ble, device(QStringLiteral("RQM-weak"), -110, 3));
        discover(ble, device(QStringLiteral("RQM-too-weak"), -111, 4));
        discover(ble, device(QStringLiteral("other"), -50, 5));
        discover(ble, device(QStringLiteral("RQM-strong"), -20, 2));
        const QStringList kept{QStringLiteral("RQM-strong"), QStringLiteral("RQM-weak"),
                               QStringLiteral("other"), QStringLiteral("RQM-strong")};
        QCOMPARE(names(ble->discoveredDevices()), kept);
        QStringList reported;
        for (const QList<QVariant> &arguments : named)
            reported.append(arguments.at(0).toString());
        QCOMPARE(reported, kept);

        // Which names are offered for connection is decided by the prefix, case and all.
        QVERIFY(profile::isDeviceName(QStringLiteral("RQM-strong")));
        QVERIFY(!profile::isDeviceName(QStringLiteral("rqm-strong")));
        QVERIFY(!profile::isDeviceName(QStringLiteral("xRQM")));
        QVERIFY(!profile::isDeviceName(QStringLiteral("other")));
    }

    void newScanStartsEmptyAndEndsWithoutAnAdapter()
    {
        ble->startScan();
        discover(ble, device(QStringLiteral("RQM-1"), -40));
        QCOMPARE(ble->discoveredDevices().size(), 1);
        QPointer<FakeGattService> link(attachedProfile());
        QSignalSpy finished(ble, &BLEInterface::bleDeviceScanFinished);
        QSignalSpy named(ble, &BLEInterface::bleScanDeviceName);
        QSignalSpy status(ble, &BLEInterface::bleDeviceConnectStatus);
        ble->startScan();
        QVERIFY(ble->discoveredDevices().isEmpty());
        // A scan drops the link first, quietly: it was not lost.
        QVERIFY(!ble->hasService());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!link);
        QVERIFY(status.isEmpty());
        QVERIFY(finished.size() >= 1 || finished.wait(BLEInterface::kScanTimeMs + 500));
        QVERIFY(named.isEmpty());
    }

    void connectWithoutAnAdapterGives8193_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("listed device") << QStringLiteral("RQM-listed");
        QTest::newRow("unknown name") << QStringLiteral("RQM-unknown");
    }

    void connectWithoutAnAdapterGives8193()
    {
        QFETCH(QString, name);
        discover(ble, device(QStringLiteral("RQM-listed"), -40));
        QPointer<FakeGattService> previous(attachedProfile());
        QSignalSpy status(ble, &BLEInterface::bleDeviceConnectStatus);
        ble->connectDevice(name);
        QVERIFY(!ble->hasService()); // the earlier link goes first
        QVERIFY(!status.isEmpty() || status.wait(2000));
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().at(0).toBool(), false);
        QCOMPARE(int(status.first().at(1).value<DriverErrorCode>()), 8193);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!previous);
    }

    void emptyNameChangesNothing()
    {
        FakeGattService *service = attachedProfile();
        QPointer<FakeGattService> alive(service);
        QSignalSpy status(ble, &BLEInterface::bleDeviceConnectStatus);
        ble->connectDevice(QString());
        QTest::qWait(100);
        QVERIFY(status.isEmpty());
        QVERIFY(alive);
        QVERIFY(ble->hasService());
    }

    void missingServiceGives8194()
    {
        QSignalSpy status(ble, &BLEInterface::bleDeviceConnectStatus);
        ble->attachService(nullptr);
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().at(0).toBool(), false);
        QCOMPARE(int(status.first().at(1).value<DriverErrorCode>()), 8194);
        QVERIFY(!ble->hasService());
    }

    void serviceIsReportedOnceWhenDiscovered()
    {
        QSignalSpy status(ble, &BLEInterface::bleDeviceConnectStatus);
        auto *service = new FakeGattService;
        ble->attachService(service);
        QCOMPARE(service->discoverRequests, 1);
        QVERIFY(status.isEmpty());
        emit service->stateChanged(QLowEnergyService::RemoteServiceDiscovering);
        QVERIFY(status.isEmpty());
        service->finishDiscovery();
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().at(0).toBool(), true);
        QCOMPARE(int(status.first().at(1).value<DriverErrorCode>()), 0);
        emit service->stateChanged(QLowEnergyService::RemoteServiceDiscovered);
        emit service->stateChanged(QLowEnergyService::InvalidService);
        QCOMPARE(status.size(), 1);

        // A service whose details are already known is ready at once.
        auto *known = new FakeGattService;
        known->addDeviceProfile();
        ble->attachService(known);
        QCOMPARE(known->discoverRequests, 0);
        QCOMPARE(status.size(), 2);
        QCOMPARE(status.last().at(0).toBool(), true);
    }

    void readsAndWritesReachTheirCharacteristics()
    {
        FakeGattService *service = attachedProfile();
        ble->readWlRange();
        ble->readExpoMode();
        ble->readCie2015();
        ble->readGainMode();
        ble->readGainValue();
        ble->readDeviceModel();
        ble->readExpoTime();
        const QList<QBluetoothUuid> expectedReads{
            QBluetoothUuid(profile::kWlRange),   QBluetoothUuid(profile::kExpoMode),
            QBluetoothUuid(profile::kCie2015),   QBluetoothUuid(profile::kGainMode),
            QBluetoothUuid(profile::kGainValue), QBluetoothUuid(profile::kDeviceModel),
            QBluetoothUuid(profile::kExpoTime)};
        QCOMPARE(service->reads, expectedReads);

        ble->writeExpoMode(1);
        QVERIFY(ble->writeExpoTime(12.5f));
        ble->writeCie2015(3);
        ble->writeGainValue(2);
        ble->writeGainMode(1);
        QVERIFY(!ble->writeExpoTime(qQNaN()));
        QVERIFY(!ble->writeExpoTime(-0.5f));
        const QList<Write> expectedWrites{
            write(profile::kExpoMode, "CC010A00000A01E20D0A"),
            write(profile::kExpoTime, "CC010D00000CD4300000EA0D0A"),
            write(profile::kCie2015, "CC010A00003603100D0A"),
            write(profile::kGainValue, "CC010A00003802110D0A"),
            write(profile::kGainMode, "CC010A00003A01120D0A")};
        QCOMPARE(service->writes, expectedWrites);
        QVERIFY(service->descriptorWrites.isEmpty());
    }

    void missingCharacteristicOrServiceDoesNothing()
    {
        auto *service = new FakeGattService;
        service->addCharacteristic(profile::kExpoMode);
        ble->attachService(service);
        ble->readCie2015();
        ble->writeCie2015(2);
        ble->setSpectrumNotify(true); // no such characteristic
        ble->setNotify(true, profile::kExpoMode); // characteristic without descriptor
        QVERIFY(service->reads.isEmpty());
        QVERIFY(service->writes.isEmpty());
        QVERIFY(service->descriptorWrites.isEmpty());

        QPointer<FakeGattService> alive(service);
        ble->disconnectDevice();
        QVERIFY(!ble->hasService());
        ble->readExpoMode();
        QVERIFY(alive);
        QVERIFY(alive->reads.isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!alive); // released with the link
    }

    void notificationSwitchingWritesTheDescriptor()
    {
        FakeGattService *service = attachedProfile();
        ble->setSpectrumNotify(true);
        ble->setSpectrumNotify(false);
        ble->setFlickerNotify(true);
        ble->setFlickerNotify(false);
        const QList<Write> expected{write(profile::kSpectrumStream, "0100"),
                                    write(profile::kSpectrumStream, "0000"),
                                    write(profile::kFlickerStream, "0100"),
                                    write(profile::kFlickerStream, "0000")};
        QCOMPARE(service->descriptorWrites, expected);
        QVERIFY(service->writes.isEmpty());
    }

    void receivedValuesPassUnchanged()
    {
        FakeGattService *service = attachedProfile();
        QSignalSpy raw(ble, &BLEInterface::bleSendRawData);
        simdevice::DeviceState state;
        const QByteArray spectrum =
            simdevice::deviceFrame(51, simdevice::spectrumPayload(state));
        const QByteArray half = spectrum.left(spectrum.size() / 2);
        service->deliverNotification(profile::kSpectrumStream, half);
        QCOMPARE(raw.size(), 1);
        QCOMPARE(raw.first().at(0).toByteArray(), half);

        const QByteArray range = simdevice::deviceFrame(15, simdevice::wavelengthRangePayload(state));
        service->setReadValue(profile::kWlRange, range);
        ble->readWlRange();
        QVERIFY(raw.wait(1000));
        QCOMPARE(raw.last().at(0).toByteArray(), range);
    }

    void valuesEnterFrameReassembly()
    {
        DataHandlerService::instance(1);
        FakeGattService *service = attachedProfile();
        simdevice::DeviceState state;
        state.model = QStringLiteral("TQV-11");
        const QByteArray reply = simdevice::deviceFrame(8, simdevice::modelPayload(state));
        // Split across two values, as a notification stream may deliver it.
        service->deliverRead(profile::kDeviceModel, reply.left(5));
        QVERIFY(DataBuffer::instance()->deviceModel() != state.model);
        service->deliverRead(profile::kDeviceModel, reply.mid(5));
        QCOMPARE(DataBuffer::instance()->deviceModel(), state.model);
    }
};

QTEST_GUILESS_MAIN(TestBleInterface)
#include "tst_ble_interface.moc"
