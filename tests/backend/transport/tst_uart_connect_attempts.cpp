// Serial connect attempts against the simulated spectrometer on a pseudo-terminal: a second
// attempt while one runs (a silent scan ends in one 4098) or while connected, the automatic
// baud scan over the seven rates, and a rate change the host follows.
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

class TestUartConnectAttempts : public QObject
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
        QCOMPARE(device->framesWithCode(8).size(), 1);
        QCOMPARE(device->receivedLog().last().hostBaud, 2400);
        QCOMPARE(uart->commandDelay(), UARTInterface::kSlowCommandDelayMs);
        QCOMPARE(uart->baudRate(), 2400);
    }

};

QTEST_GUILESS_MAIN(TestUartConnectAttempts)
#include "tst_uart_connect_attempts.moc"
