// Bluetooth LE transport: scan filtering, connection failures without an adapter, and the
// service seam (reads, writes, notification switching, received values).

#include "FakeGattService.h"
#include "ReplyPayloads.h"
#include "SerialLink.h"
#include "protocol/DeviceBleProfile.h"
#include "link/DataHandlerService.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"

#include <QBluetoothAddress>
#include <QBluetoothDeviceInfo>
#include <QPointer>
#include <QtTest>

using Write = FakeGattService::Write;
using testsupport::statusOf;
namespace profile = DeviceBleProfile;

namespace {

void discover(BLEInterface *ble, const QString &name, qint16 rssi, int address = 1)
{
    QBluetoothDeviceInfo info(QBluetoothAddress(quint64(0x00A0C0DE0000 + address)), name, 0);
    info.setCoreConfigurations(QBluetoothDeviceInfo::LowEnergyCoreConfiguration);
    info.setRssi(rssi);
    QVERIFY(QMetaObject::invokeMethod(ble, "DeviceDiscovered", Qt::DirectConnection,
                                      Q_ARG(QBluetoothDeviceInfo, info)));
}

Write write(const QString &uuid, const char *hex) { return {QBluetoothUuid(uuid), QByteArray::fromHex(hex)}; }

// Lets the deferred deletion of a released service happen.
void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

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
        discover(ble, QStringLiteral("RQM-too-strong"), -9, 1);
        discover(ble, QStringLiteral("RQM-strong"), -10, 2);
        discover(ble, QStringLiteral("RQM-weak"), -110, 3);
        discover(ble, QStringLiteral("RQM-too-weak"), -111, 4);
        discover(ble, QStringLiteral("other"), -50, 5);
        discover(ble, QStringLiteral("RQM-strong"), -20, 2);
        const QStringList kept{"RQM-strong", "RQM-weak", "other", "RQM-strong"};
        QStringList listed, reported;
        for (const QBluetoothDeviceInfo &info : ble->discoveredDevices())
            listed.append(info.name());
        for (const QList<QVariant> &arguments : named)
            reported.append(arguments.at(0).toString());
        QCOMPARE(listed, kept);
        QCOMPARE(reported, kept);

        // Which names are offered for connection is decided by the prefix, case and all.
        QVERIFY(profile::isDeviceName(QStringLiteral("RQM-strong")));
        for (const char *name : {"rqm-strong", "xRQM", "other"})
            QVERIFY2(!profile::isDeviceName(QLatin1String(name)), name);
    }

    void newScanStartsEmptyAndEndsWithoutAnAdapter()
    {
        ble->startScan();
        discover(ble, QStringLiteral("RQM-1"), -40);
        QCOMPARE(ble->discoveredDevices().size(), 1);
        QPointer<FakeGattService> link(attachedProfile());
        QSignalSpy finished(ble, &BLEInterface::bleDeviceScanFinished);
        QSignalSpy named(ble, &BLEInterface::bleScanDeviceName);
        QSignalSpy status(ble, &BLEInterface::bleDeviceConnectStatus);
        ble->startScan();
        QVERIFY(ble->discoveredDevices().isEmpty());
        // A scan drops the link first, quietly: it was not lost.
        QVERIFY(!ble->hasService());
        runDeferredDeletes();
        QVERIFY(!link);
        QVERIFY(status.isEmpty());
        QVERIFY(finished.size() >= 1 || finished.wait(BLEInterface::kScanTimeMs + 15000));
        QVERIFY(named.isEmpty());
    }

    void connectWithoutAnAdapterGives8193AndAnEmptyNameChangesNothing()
    {
        discover(ble, QStringLiteral("RQM-listed"), -40);
        QSignalSpy status(ble, &BLEInterface::bleDeviceConnectStatus);
        for (const char *name : {"RQM-listed", "RQM-unknown"}) {
            QPointer<FakeGattService> previous(attachedProfile());
            status.clear();
            ble->connectDevice(QLatin1String(name));
            QVERIFY(!ble->hasService()); // the earlier link goes first
            QVERIFY(!status.isEmpty() || status.wait(15000));
            QCOMPARE(status.size(), 1);
            QCOMPARE(statusOf(status.first()), std::make_pair(false, 8193));
            runDeferredDeletes();
            QVERIFY(!previous);
        }

        QPointer<FakeGattService> alive(attachedProfile());
        status.clear();
        ble->connectDevice(QString());
        QTest::qWait(100);
        QVERIFY(status.isEmpty());
        QVERIFY(alive && ble->hasService());
    }

    void serviceIsReportedOnceWhenDiscoveredOr8194WhenAbsent()
    {
        QSignalSpy status(ble, &BLEInterface::bleDeviceConnectStatus);
        ble->attachService(nullptr);
        QCOMPARE(status.size(), 1);
        QCOMPARE(statusOf(status.first()), std::make_pair(false, 8194));
        QVERIFY(!ble->hasService());

        status.clear();
        auto *service = new FakeGattService;
        ble->attachService(service);
        QCOMPARE(service->discoverRequests, 1);
        emit service->stateChanged(QLowEnergyService::RemoteServiceDiscovering);
        QVERIFY(status.isEmpty());
        service->finishDiscovery();
        QCOMPARE(status.size(), 1);
        QCOMPARE(statusOf(status.first()), std::make_pair(true, 0));
        emit service->stateChanged(QLowEnergyService::RemoteServiceDiscovered);
        emit service->stateChanged(QLowEnergyService::InvalidService);
        QCOMPARE(status.size(), 1);

        // A service whose details are already known is ready at once.
        FakeGattService *known = attachedProfile();
        QCOMPARE(known->discoverRequests, 0);
        QCOMPARE(status.size(), 2);
        QCOMPARE(statusOf(status.last()), std::make_pair(true, 0));
    }

    // What the connected road does not use: mode and CIE writes, times, flicker stream.
    void writesAndNotificationsReachTheirCharacteristics()
    {
        FakeGattService *service = attachedProfile();
        ble->writeExpoMode(1);
        ble->writeCie2015(3);
        QVERIFY(ble->writeExpoTime(2.3f)); // 2300 us, not a microsecond short
        QVERIFY(!ble->writeExpoTime(qQNaN()));
        QVERIFY(!ble->writeExpoTime(-0.5f));
        QCOMPARE(service->writes, (QList<Write>{write(profile::kExpoMode, "CC010A00000A01E20D0A"),
                                                write(profile::kCie2015, "CC010A00003603100D0A"),
                                                write(profile::kExpoTime, "CC010D00000CFC080000EA0D0A")}));
        ble->setFlickerNotify(true);
        ble->setFlickerNotify(false);
        QCOMPARE(service->descriptorWrites,
                 (QList<Write>{write(profile::kFlickerStream, "0100"), write(profile::kFlickerStream, "0000")}));
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
        QVERIFY(service->reads.isEmpty() && service->writes.isEmpty() && service->descriptorWrites.isEmpty());

        QPointer<FakeGattService> alive(service);
        ble->disconnectDevice();
        QVERIFY(!ble->hasService());
        ble->readExpoMode();
        QVERIFY(alive && alive->reads.isEmpty());
        runDeferredDeletes();
        QVERIFY(!alive); // released with the link
    }

    // Notified and read values reaching the store are the Bluetooth road's; here a model reply
    // split across two values, as a notification stream may deliver it, on a new link that
    // must not join it to the half spectrum the old link left behind.
    void aReplySplitAcrossTwoValuesIsReassembled()
    {
        const DataHandlerService *receiving = DataHandlerService::instance(1);
        simdevice::DeviceState state;
        const QByteArray spectrum = simdevice::deviceFrame(51, simdevice::spectrumPayload(state));
        attachedProfile()->deliverNotification(profile::kSpectrumStream, spectrum.left(spectrum.size() / 2));
        QCOMPARE(receiving->receiver().assembler().bufferedBytes(), spectrum.size() / 2);
        DataHandlerService::instance(1); // every connect starts a new link
        FakeGattService *service = attachedProfile();
        state.model = QStringLiteral("TQV-11");
        const QByteArray reply = simdevice::deviceFrame(8, simdevice::modelPayload(state));
        service->deliverRead(profile::kDeviceModel, reply.left(5));
        QVERIFY(DataBuffer::instance()->deviceModel() != state.model);
        service->deliverRead(profile::kDeviceModel, reply.mid(5));
        QCOMPARE(DataBuffer::instance()->deviceModel(), state.model);
    }
};

QTEST_GUILESS_MAIN(TestBleInterface)
#include "tst_ble_interface.moc"
