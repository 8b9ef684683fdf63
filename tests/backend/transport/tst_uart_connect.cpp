// Serial connection at a fixed rate, identification, link loss and rate changes, all
// against the simulated spectrometer on a pseudo-terminal.

#include "ReplyPayloads.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "protocol/DeviceFrame.h"
#include "transport/UARTInterface.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QtTest>

namespace {

QByteArray hostFrame(uint8_t code, const QByteArray &payload = {})
{
    return DeviceFrame::build(code, payload);
}

} // namespace

class TestUartConnect : public QObject
{
    Q_OBJECT
    UARTInterface *uart = UARTInterface::instance();

private slots:
    void init() { uart->setCommandDelay(UARTInterface::kFastCommandDelayMs); }
    void cleanup() { uart->disconnectDevice(); }

    void fixedRateIdentifiesTheDevice()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        QSignalSpy idSn(uart, &UARTInterface::uartSendDeviceIdSn);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        QElapsedTimer clock;
        clock.start();
        uart->connectDevice(device->portName(), 0, false);
        QVERIFY(status.wait(3000));
        const qint64 took = clock.elapsed();

        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().at(0).toBool(), true);
        QCOMPARE(status.first().at(1).value<DriverErrorCode>(), DriverTypes::DRIVER_OK);
        QVERIFY2(took >= 700 && took < 2500, qPrintable(QString::number(took)));
        QCOMPARE(idSn.size(), 1);
        QCOMPARE(idSn.first().at(0).toString(), QStringLiteral("PQV-21SN000001"));
        // The consumed model reply is not handed on.
        QVERIFY(raw.isEmpty());
        // The probe: stop, then the model request.
        QCOMPARE(device->receivedFrames(),
                 (QList<QByteArray>{hostFrame(4), hostFrame(8, QByteArray(1, 0x20))}));
        QVERIFY(uart->isIdentified());

        uart->disconnectDevice();
        QTRY_COMPARE(device->receivedFrames().size(), 3);
        QCOMPARE(device->receivedFrames().last(), hostFrame(4));
    }

    void deadLinesGive4097_data()
    {
        QTest::addColumn<int>("deviceBaud");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<bool>("corruptReply");
        QTest::newRow("silent device") << 115200 << true << false;
        QTest::newRow("device at another rate") << 9600 << false << false;
        QTest::newRow("model reply with a bad checksum") << 115200 << false << true;
    }

    void deadLinesGive4097()
    {
        QFETCH(int, deviceBaud);
        QFETCH(bool, silent);
        QFETCH(bool, corruptReply);
        auto device = testsupport::startDevice(deviceBaud);
        QVERIFY(device);
        device->setSilent(silent);
        if (corruptReply)
            device->corruptNextChecksums(1);
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        QSignalSpy idSn(uart, &UARTInterface::uartSendDeviceIdSn);
        QElapsedTimer clock;
        clock.start();
        uart->connectDevice(device->portName(), 0, false);
        QVERIFY(status.wait(3000));
        const qint64 took = clock.elapsed();
        QCOMPARE(status.first().at(0).toBool(), false);
        QCOMPARE(int(status.first().at(1).value<DriverErrorCode>()), 4097);
        QVERIFY2(took >= 1100, qPrintable(QString::number(took)));
        QVERIFY(raw.isEmpty());
        QVERIFY(idSn.isEmpty());
        QVERIFY(device->lineActivity().size() >= 1); // the probe did go out
        // The transport let go of the port.
        QSerialPort other(device->portName());
        QVERIFY(other.open(QIODevice::ReadWrite));
    }

    void disconnectWhileIdentifyingReportsNothing()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        device->setSilent(true);
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        uart->connectDevice(device->portName(), 0, false); // returns with its check pending
        uart->disconnectDevice();
        QTest::qWait(800);
        QVERIFY(status.isEmpty());
        QSerialPort other(device->portName());
        QVERIFY(other.open(QIODevice::ReadWrite));
    }

    void unopenablePortsGive4097()
    {
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        uart->connectDevice(QStringLiteral("/dev/no-such-serial-port"), 0, false);
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().at(0).toBool(), false);
        QCOMPARE(int(status.first().at(1).value<DriverErrorCode>()), 4097);

        uart->connectDevice(QStringLiteral("/dev/no-such-serial-port"), 0, true);
        QCOMPARE(status.size(), 2);
        QCOMPARE(int(status.last().at(1).value<DriverErrorCode>()), 4097);

        auto device = testsupport::startDevice();
        QVERIFY(device);
        QSerialPort holder(device->portName());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        uart->connectDevice(device->portName(), 0, false);
        QCOMPARE(status.size(), 3);
        QCOMPARE(int(status.last().at(1).value<DriverErrorCode>()), 4097);
        QTest::qWait(50);
        QVERIFY(device->receivedFrames().isEmpty());
    }

    void secondConnectDoesNotDisturbALiveLink()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QVERIFY(testsupport::connectSerial(*device));
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        uart->connectDevice(device->portName(), 4, false);
        QCOMPARE(status.size(), 1);
        QCOMPARE(int(status.first().at(1).value<DriverErrorCode>()), 4097);
        QCOMPARE(uart->baudRate(), 115200);
        uart->getWlRange();
        const QByteArray expected =
            simdevice::deviceFrame(15, simdevice::wavelengthRangePayload(device->state()));
        QTRY_COMPARE(testsupport::joinedBytes(raw), expected);
    }

    void strayBytesBeforeTheModelReply_data()
    {
        QTest::addColumn<QByteArray>("stray");
        simdevice::DeviceState state;
        QTest::newRow("whole spectrum frame")
            << simdevice::deviceFrame(1, simdevice::spectrumPayload(state));
        QTest::newRow("frame claiming 4 KiB") << QByteArray::fromHex("CC81001000013344");
        QTest::newRow("length below 9") << QByteArray::fromHex("CC8103000008FF0D0A");
        QTest::newRow("model reply with a bad checksum")
            << QByteArray::fromHex("CC810C0000084142000D0A");
        QTest::newRow("noise ending in a sync byte") << QByteArray::fromHex("0011223344CC");
    }

    void strayBytesBeforeTheModelReply()
    {
        QFETCH(QByteArray, stray);
        auto device = testsupport::startDevice();
        QVERIFY(device);
        device->sendStrayBeforeNextReply(stray);
        // What rides behind the model reply belongs to frame reassembly, split or not.
        const QByteArray following =
            simdevice::deviceFrame(15, simdevice::wavelengthRangePayload(device->state()))
            + QByteArray::fromHex("CC8109");
        device->sendRightAfterNextReply(following);
        QSignalSpy idSn(uart, &UARTInterface::uartSendDeviceIdSn);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        QVERIFY(testsupport::connectSerial(*device));
        QCOMPARE(idSn.size(), 1);
        QCOMPARE(idSn.first().at(0).toString(), QStringLiteral("PQV-21SN000001"));
        QCOMPARE(testsupport::joinedBytes(raw), following);
    }

    void modelReplyInPiecesIdentifies()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        device->setFragmentation(3, 25);
        QSignalSpy idSn(uart, &UARTInterface::uartSendDeviceIdSn);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        QVERIFY(testsupport::connectSerial(*device));
        QCOMPARE(idSn.size(), 1);
        QCOMPARE(idSn.first().at(0).toString(), QStringLiteral("PQV-21SN000001"));
        QVERIFY(raw.isEmpty());
    }

    void bytesAfterIdentificationPassUnchanged()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QVERIFY(testsupport::connectSerial(*device));
        device->setFragmentation(7, 2);
        device->corruptNextChecksums(1);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        uart->getExpoMode();
        uart->singleSpectrum();
        QByteArray corrupted = simdevice::deviceFrame(11, QByteArray(1, 1));
        corrupted[corrupted.size() - 3] = char(~uint8_t(corrupted.at(corrupted.size() - 3)));
        const QByteArray expected =
            corrupted + simdevice::deviceFrame(50, simdevice::spectrumPayload(device->state()));
        QTRY_COMPARE_WITH_TIMEOUT(testsupport::joinedBytes(raw).size(), expected.size(), 5000);
        QCOMPARE(testsupport::joinedBytes(raw), expected);
        QVERIFY(raw.size() > 2); // delivered as the port read them, in pieces
    }

    void hangUpGives4099()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QVERIFY(testsupport::connectSerial(*device));
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        device->hangUp();
        QVERIFY(status.wait(2500));
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().at(0).toBool(), false);
        QCOMPARE(int(status.first().at(1).value<DriverErrorCode>()), 4099);
        QVERIFY(!uart->isIdentified());
        QTest::qWait(1200); // the link check reports once, not every second
        QCOMPARE(status.size(), 1);

        // The port was closed: the next device connects.
        auto next = testsupport::startDevice();
        QVERIFY(next);
        QVERIFY(testsupport::connectSerial(*next));
    }

    void rateChangeIsFollowed()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QVERIFY(testsupport::connectSerial(*device));
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);

        QVERIFY(uart->setBaudRate(9600));
        QCOMPARE(device->framesWithCode(32), QList<QByteArray>{hostFrame(32, QByteArray::fromHex("802500"))});
        QCOMPARE(device->state().baud, 9600);
        QCOMPARE(uart->baudRate(), 9600);
        QCOMPARE(uart->commandDelay(), UARTInterface::kFastCommandDelayMs);
        uart->getExpoMode();
        const QByteArray ack = simdevice::deviceFrame(32, QByteArray(1, 0));
        const QByteArray mode = simdevice::deviceFrame(11, QByteArray(1, 1));
        QTRY_COMPARE(testsupport::joinedBytes(raw), ack + mode);

        raw.clear();
        QVERIFY(uart->setBaudRate(4800));
        QCOMPARE(uart->commandDelay(), UARTInterface::kSlowCommandDelayMs);
        uart->getGainMode();
        QTRY_COMPARE(testsupport::joinedBytes(raw), ack + simdevice::deviceFrame(59, QByteArray(1, 0)));

        // Rates the field cannot carry are not sent at all.
        const int before = device->receivedFrames().size();
        QVERIFY(!uart->setBaudRate(0));
        QVERIFY(!uart->setBaudRate(16777216));
        QTest::qWait(50);
        QCOMPARE(device->receivedFrames().size(), before);
        QCOMPARE(uart->baudRate(), 4800);
    }

    void portListHoldsOnlyOpenablePorts()
    {
        QSignalSpy named(uart, &UARTInterface::uartScanDeviceName);
        const QStringList ports = uart->scanSerialPorts();
        QCOMPARE(named.size(), ports.size());
        for (int i = 0; i < ports.size(); ++i) {
            QCOMPARE(named.at(i).at(0).toString(), ports.at(i));
            QSerialPort probe(ports.at(i));
            QVERIFY(probe.open(QIODevice::ReadWrite));
        }
    }
};

QTEST_GUILESS_MAIN(TestUartConnect)
#include "tst_uart_connect.moc"
