// Serial connection at a fixed rate against the simulated spectrometer on a pseudo-terminal:
// identification, dead lines and stray bytes, link loss, and the port list, which offers
// what opens, pseudo-terminals named in the environment included.
#include "ReplyPayloads.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "protocol/DeviceFrame.h"
#include "transport/UARTInterface.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>

using testsupport::joinedBytes;
using testsupport::statusOf;
using namespace testsupport;

namespace {

// Upper bound for a connect or scan to report: generous, for a loaded machine.
constexpr int kReportTimeoutMs = 15000;

QByteArray hostFrame(uint8_t code, const QByteArray &payload = {}) { return DeviceFrame::build(code, payload); }

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
        QVERIFY(status.size() == 1 || status.wait(kReportTimeoutMs));
        // The probe's pause and the fixed wait come first; a loaded machine only adds to them.
        QVERIFY2(clock.elapsed() >= 700, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(status.size(), 1);
        QCOMPARE(statusOf(status.first()), std::make_pair(true, int(DriverTypes::DRIVER_OK)));
        QCOMPARE(idSn.size(), 1);
        QCOMPARE(idSn.first().at(0).toString(), QStringLiteral("PQV-21SN000001"));
        QVERIFY(raw.isEmpty()); // the consumed model reply is not handed on
        // The probe: stop, then the model request.
        QCOMPARE(device->receivedFrames(), (QList<QByteArray>{hostFrame(4), hostFrame(8, QByteArray(1, 0x20))}));
        QVERIFY(uart->isIdentified());
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
        QVERIFY(status.wait(kReportTimeoutMs));
        QVERIFY2(clock.elapsed() >= 1100, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(statusOf(status.first()), std::make_pair(false, 4097));
        QVERIFY(raw.isEmpty() && idSn.isEmpty());
        QVERIFY(device->lineActivity().size() >= 1); // the probe did go out
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
        // The system's reason goes to the log: a port the user may not open looks like a
        // missing one otherwise.
        const QRegularExpression reason(QStringLiteral("/dev/no-such-serial-port - No such file or directory"));
        QTest::ignoreMessage(QtWarningMsg, reason);
        QTest::ignoreMessage(QtWarningMsg, reason);
        uart->connectDevice(QStringLiteral("/dev/no-such-serial-port"), 0, false);
        uart->connectDevice(QStringLiteral("/dev/no-such-serial-port"), 0, true);
        QCOMPARE(status.size(), 2);
        QCOMPARE(statusOf(status.first()), std::make_pair(false, 4097));
        QCOMPARE(statusOf(status.last()), std::make_pair(false, 4097));

        auto device = testsupport::startDevice();
        QVERIFY(device);
        QSerialPort holder(device->portName());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(device->portName() + " - \\S"));
        uart->connectDevice(device->portName(), 0, false);
        QCOMPARE(status.size(), 3);
        QCOMPARE(statusOf(status.last()), std::make_pair(false, 4097));
        QTest::qWait(50);
        QVERIFY(device->receivedFrames().isEmpty());
    }

    void strayOrSplitBytesAroundTheModelReply_data()
    {
        QTest::addColumn<QByteArray>("stray");
        QTest::addColumn<int>("pieceBytes");
        simdevice::DeviceState state;
        QTest::newRow("whole spectrum frame") << simdevice::deviceFrame(1, simdevice::spectrumPayload(state)) << 0;
        QTest::newRow("frame claiming 4 KiB") << QByteArray::fromHex("CC81001000013344") << 0;
        QTest::newRow("length below 9") << QByteArray::fromHex("CC8103000008FF0D0A") << 0;
        QTest::newRow("noise ending in a sync byte") << QByteArray::fromHex("0011223344CC") << 0;
        QTest::newRow("reply in 3-byte pieces") << QByteArray() << 3;
    }

    void strayOrSplitBytesAroundTheModelReply()
    {
        QFETCH(QByteArray, stray);
        QFETCH(int, pieceBytes);
        auto device = testsupport::startDevice();
        QVERIFY(device);
        if (!stray.isEmpty())
            device->sendStrayBeforeNextReply(stray);
        device->setFragmentation(pieceBytes, 25);
        // What rides behind the model reply belongs to frame reassembly, split or not.
        const QByteArray following = simdevice::deviceFrame(15, simdevice::wavelengthRangePayload(device->state()))
                                     + QByteArray::fromHex("CC8109");
        device->sendRightAfterNextReply(following);
        QSignalSpy idSn(uart, &UARTInterface::uartSendDeviceIdSn);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        QVERIFY(testsupport::connectSerial(*device));
        QCOMPARE(idSn.size(), 1);
        QCOMPARE(idSn.first().at(0).toString(), QStringLiteral("PQV-21SN000001"));
        QTRY_COMPARE(joinedBytes(raw), following);
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
        const QByteArray expected = corrupted + simdevice::deviceFrame(50, simdevice::spectrumPayload(device->state()));
        QTRY_COMPARE_WITH_TIMEOUT(joinedBytes(raw).size(), expected.size(), 5000);
        QCOMPARE(joinedBytes(raw), expected);
        QVERIFY(raw.size() > 2); // delivered as the port read them, in pieces
    }

    void queuedCommandsWhileStreamingKeepTheLink()
    {
        // A command posted to the event loop runs between its poll and the port's read: the
        // write must leave the waiting bytes to that read.
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QVERIFY(testsupport::connectSerial(*device));
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        uart->autoSpectrum(true);
        QTRY_VERIFY_WITH_TIMEOUT(device->isStreaming(), kReportTimeoutMs);
        for (int round = 1; round <= 20 && status.isEmpty(); ++round) {
            QMetaObject::invokeMethod(uart, [this] { uart->getExpoTime(); }, Qt::QueuedConnection);
            QTRY_COMPARE_WITH_TIMEOUT(device->framesWithCode(13).size(), round, kReportTimeoutMs);
        }
        QTest::qWait(UARTInterface::kLinkCheckMs + 200); // at least one link check
        QCOMPARE(status.size(), 0);
        raw.clear();
        QVERIFY(raw.wait(kReportTimeoutMs)); // and still reading
        uart->autoSpectrum(false);
    }

    void hangUpGives4099Once()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QVERIFY(testsupport::connectSerial(*device));
        auto *port = uart->findChild<QSerialPort *>();
        QVERIFY(port);
        uart->autoSpectrum(true);
        QTRY_VERIFY_WITH_TIMEOUT(device->isStreaming(), kReportTimeoutMs);
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        int errors = 0;
        const QMetaObject::Connection counting = connect(port, &QSerialPort::errorOccurred, this,
            [&errors](QSerialPort::SerialPortError error) { errors += error != QSerialPort::NoError; });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Serial link lost: ")));
        device->hangUp();
        QVERIFY(status.wait(kReportTimeoutMs));
        QCOMPARE(statusOf(status.first()), std::make_pair(false, 4099));
        QVERIFY(!uart->isIdentified());
        QTest::qWait(UARTInterface::kLinkCheckMs + 200); // no second report, no error storm
        disconnect(counting);
        QCOMPARE(status.size(), 1);
        QCOMPARE(errors, 1);

        auto next = testsupport::startDevice(); // the port was closed: the next device connects
        QVERIFY(next);
        QVERIFY(testsupport::connectSerial(*next));
    }

    void namedPseudoTerminalsJoinTheListWhenTheyOpen()
    {
        auto device = startDevice();
        QVERIFY(device);
        const QString missing = QStringLiteral("/dev/vantorel-no-such-port");
        qputenv(UARTInterface::kExtraPortsVariable,
                QStringLiteral(" %1 ,%2,").arg(device->portName(), missing).toLocal8Bit());

        UARTInterface *uart = UARTInterface::instance();
        QSignalSpy named(uart, &UARTInterface::uartScanDeviceName);
        const QStringList ports = uart->scanSerialPorts();
        QVERIFY2(ports.contains(device->portName()), qPrintable(ports.join(',')));
        QVERIFY(!ports.contains(missing));
        QCOMPARE(ports.last(), device->portName()); // after the system's own ports
        QCOMPARE(named.size(), ports.size());

        // A port another program holds is left out, and the log says why.
        {
            QSerialPort holder(device->portName());
            QVERIFY(holder.open(QIODevice::ReadWrite));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(
                QStringLiteral("^Cannot open serial port %1 - \\S").arg(device->portName())));
            QVERIFY(!uart->scanSerialPorts().contains(device->portName()));
        }

        // The listed name connects.
        QVERIFY(connectSerial(*device));
        disconnectSerial();
        qunsetenv(UARTInterface::kExtraPortsVariable);
        QVERIFY(!uart->scanSerialPorts().contains(device->portName()));
    }
};

QTEST_GUILESS_MAIN(TestUartConnect)
#include "tst_uart_connect.moc"
