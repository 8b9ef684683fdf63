// Serial connection against the simulated spectrometer on a pseudo-terminal: identification,
// dead lines and stray bytes, link loss, a second attempt while one runs (a silent scan ends
// in one 4098) or while connected, the automatic baud scan over the seven rates, a rate
// change the host follows, and the port list, which offers what opens, pseudo-terminals
// named in the environment included.
#include "ExtraSerialPorts.h"
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

// The rates the host tried, in order, with when each was first heard.
QList<std::pair<int, qint64>> visits(const simdevice::SimulatedDevice &device)
{
    QList<std::pair<int, qint64>> result;
    for (const simdevice::LineActivity &read : device.lineActivity()) {
        if (result.isEmpty() || result.last().first != read.hostBaud)
            result.append({read.hostBaud, read.atMs});
    }
    return result;
}

QList<int> rates(const simdevice::SimulatedDevice &device)
{
    QList<int> result;
    for (const auto &visit : visits(device))
        result.append(visit.first);
    return result;
}

// The device learns the host's rate when it reads, so on a loaded machine a probe can be
// heard under the next rate, or under the terminal's default while the host reopens the
// port; the table's rates it heard are still in order and end at the rate the scan
// stopped on.
bool heardInTableOrderEndingAt(const QList<int> &heard, int last)
{
    const auto &table = UARTInterface::kBaudTable;
    QList<int> tableRates;
    for (int rate : heard) {
        const bool inTable = std::find(table.begin(), table.end(), rate) != table.end();
        if (inTable && (tableRates.isEmpty() || tableRates.last() != rate))
            tableRates.append(rate);
    }
    auto next = table.begin();
    bool inOrder = !tableRates.isEmpty() && tableRates.last() == last;
    for (int rate : tableRates) {
        next = std::find(next, table.end(), rate);
        if (next == table.end()) {
            inOrder = false;
            break;
        }
        ++next;
    }
    if (!inOrder)
        qWarning() << "rates heard:" << heard;
    return inOrder;
}

} // namespace

class TestUartConnect : public QObject
{
    Q_OBJECT
    UARTInterface *uart = UARTInterface::instance();

    // Starts a scan from 115200 baud and waits for its report; the time it took, or -1.
    qint64 scanUntilReported(const simdevice::SimulatedDevice &device, QSignalSpy &status)
    {
        QElapsedTimer clock;
        clock.start();
        uart->connectDevice(device.portName(), 0, true);
        return status.wait(kReportTimeoutMs) ? clock.elapsed() : -1;
    }

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

    void secondConnectWhileOneRunsIsIgnored_data()
    {
        QTest::addColumn<bool>("scan");
        QTest::addColumn<bool>("silent");
        QTest::newRow("fixed rate, answering") << false << false;
        QTest::newRow("scan, silent") << true << true;
    }

    void secondConnectWhileOneRunsIsIgnored()
    {
        QFETCH(bool, scan);
        QFETCH(bool, silent);
        auto device = testsupport::startDevice();
        QVERIFY(device);
        device->setSilent(silent);
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        uart->connectDevice(device->portName(), 0, scan); // returns with its outcome pending
        QVERIFY(uart->isBusy());
        uart->connectDevice(device->portName(), 0, false);
        uart->connectDevice(device->portName(), 0, true);
        QVERIFY(status.isEmpty());
        QVERIFY(status.wait(kReportTimeoutMs));
        const std::pair<bool, int> expected{!silent, silent ? (scan ? 4098 : 4097) : 0};
        QCOMPARE(statusOf(status.first()), expected);
        QCOMPARE(uart->isBusy(), !silent);
        // No second outcome follows, neither from the ignored requests nor from a timer.
        QTest::qWait(UARTInterface::kFixedRateCheckMs + UARTInterface::kSlowScanTickMs);
        QCOMPARE(status.size(), 1);
        QCOMPARE(device->framesWithCode(8).size(), 1); // the ignored requests probed nothing
    }

    void secondConnectDoesNotDisturbALiveLink()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QVERIFY(testsupport::connectSerial(*device));
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        uart->connectDevice(device->portName(), 4, false);
        QTest::qWait(UARTInterface::kFixedRateCheckMs + 100);
        QVERIFY(status.isEmpty());
        QCOMPARE(uart->baudRate(), 115200);
        uart->getWlRange();
        QTRY_COMPARE(joinedBytes(raw), simdevice::deviceFrame(15, simdevice::wavelengthRangePayload(device->state())));
    }

    void rateChangeIsFollowed()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        QVERIFY(testsupport::connectSerial(*device));
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);

        QVERIFY(uart->setBaudRate(9600));
        QCOMPARE(device->framesWithCode(32), QList<QByteArray>{hostFrame(32, QByteArray::fromHex("802500"))});
        QCOMPARE(uart->baudRate(), 9600);
        QCOMPARE(uart->commandDelay(), UARTInterface::kFastCommandDelayMs);
        uart->getExpoMode();
        const QByteArray ack = simdevice::deviceFrame(32, QByteArray(1, 0));
        QTRY_COMPARE(joinedBytes(raw), ack + simdevice::deviceFrame(11, QByteArray(1, 1)));

        raw.clear();
        QVERIFY(uart->setBaudRate(4800));
        QCOMPARE(uart->commandDelay(), UARTInterface::kSlowCommandDelayMs);
        uart->getGainMode();
        QTRY_COMPARE(joinedBytes(raw), ack + simdevice::deviceFrame(59, QByteArray(1, 0)));

        // Rates the field cannot carry are not sent at all.
        const int before = device->receivedFrames().size();
        QVERIFY(!uart->setBaudRate(0));
        QVERIFY(!uart->setBaudRate(16777216));
        QTest::qWait(50);
        QCOMPARE(device->receivedFrames().size(), before);
        QCOMPARE(uart->baudRate(), 4800);
    }

    void scanTriesTheSevenRatesInOrderAndFindsTheLast()
    {
        auto device = testsupport::startDevice(2400);
        QVERIFY(device);
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        const qint64 took = scanUntilReported(*device, status);
        QCOMPARE(status.size(), 1);
        QCOMPARE(statusOf(status.first()), std::make_pair(true, 0));

        QVERIFY(heardInTableOrderEndingAt(rates(*device), 2400));
        // 200 ms per rate for the first four, 600 ms from 9600 baud on, then the tick that
        // reports: about 2.7 s in all, and never less than 2.4 s. With 200 ms steps
        // throughout it would take 1.5 s.
        QVERIFY2(took >= 2400, qPrintable(QString::number(took)));
        // One probe at the found rate, which the device answered. The model request of the
        // rate before can be read only once the host has moved on to this one, and is then
        // heard as well; it comes before this rate's probe, which starts with its stop.
        const QList<QByteArray> heard = device->receivedFrames();
        const auto probe = std::find_if(heard.cbegin(), heard.cend(),
                                        [](const QByteArray &frame) { return DeviceFrame::code(frame) == 4; });
        QCOMPARE(std::count_if(probe, heard.cend(), [](const QByteArray &frame) { return DeviceFrame::code(frame) == 8; }), 1);
        QCOMPARE(device->receivedLog().last().hostBaud, 2400);
        QCOMPARE(uart->commandDelay(), UARTInterface::kSlowCommandDelayMs);
        QCOMPARE(uart->baudRate(), 2400);
    }

    void namedPseudoTerminalsJoinTheListWhenTheyOpen()
    {
        auto device = startDevice();
        QVERIFY(device);
        QTemporaryDir empty;
        const QString missing = empty.filePath(QStringLiteral("no-such-port"));
        UARTInterface *uart = UARTInterface::instance();
        {
            const ExtraSerialPorts listed(QStringLiteral(" %1 ,%2,").arg(device->portName(), missing));
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
        }
        QVERIFY(!uart->scanSerialPorts().contains(device->portName()));
    }
};

QTEST_GUILESS_MAIN(TestUartConnect)
#include "tst_uart_connect.moc"
