// The automatic baud scan against a simulated device that answers at one rate only.

#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "transport/UARTInterface.h"

#include <QElapsedTimer>
#include <QtTest>

using simdevice::LineActivity;

namespace {

struct RateVisit {
    int baud = 0;
    qint64 firstMs = 0;
};

// The rates the host tried, in order, with when each was first heard.
QList<RateVisit> visits(const QList<LineActivity> &activity)
{
    QList<RateVisit> result;
    for (const LineActivity &read : activity) {
        if (result.isEmpty() || result.last().baud != read.hostBaud)
            result.append({read.hostBaud, read.atMs});
    }
    return result;
}

QList<int> rates(const QList<RateVisit> &visited)
{
    QList<int> result;
    for (const RateVisit &visit : visited)
        result.append(visit.baud);
    return result;
}

} // namespace

class TestUartBaudScan : public QObject
{
    Q_OBJECT
    UARTInterface *uart = UARTInterface::instance();

    // Starts a scan from 115200 baud and waits for its report; the time it took, or -1.
    qint64 scanUntilReported(const simdevice::SimulatedDevice &device, QSignalSpy &status)
    {
        QElapsedTimer clock;
        clock.start();
        uart->connectDevice(device.portName(), 0, true);
        return status.wait(5000) ? clock.elapsed() : -1;
    }

private slots:
    void init() { uart->setCommandDelay(UARTInterface::kFastCommandDelayMs); }
    void cleanup() { uart->disconnectDevice(); }

    void scanTriesTheSevenRatesInOrderAndFindsTheLast()
    {
        auto device = testsupport::startDevice(2400);
        QVERIFY(device);
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        const qint64 took = scanUntilReported(*device, status);
        QVERIFY(took >= 0);
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().at(0).toBool(), true);
        QCOMPARE(int(status.first().at(1).value<DriverErrorCode>()), 0);

        const QList<RateVisit> visited = visits(device->lineActivity());
        QCOMPARE(rates(visited), (QList<int>{115200, 921600, 460800, 256000, 9600, 4800, 2400}));
        // 200 ms per rate for the first four, 600 ms from 9600 baud on. The timer starts
        // after the first probe, whose pause adds 100 ms to the first step.
        const QList<int> spacing{300, 200, 200, 200, 600, 600};
        for (int i = 0; i < spacing.size(); ++i) {
            const qint64 gap = visited.at(i + 1).firstMs - visited.at(i).firstMs;
            QVERIFY2(qAbs(gap - spacing.at(i)) <= 150,
                     qPrintable(QStringLiteral("step %1: %2 ms").arg(i).arg(gap)));
        }
        // Success comes with the tick after the identification at 2400 baud.
        QVERIFY2(took >= 2400 && took < 4000, qPrintable(QString::number(took)));
        QCOMPARE(device->framesWithCode(8).size(), 1);
        QCOMPARE(device->receivedLog().last().hostBaud, 2400);
        QCOMPARE(uart->commandDelay(), UARTInterface::kSlowCommandDelayMs);
        QCOMPARE(uart->baudRate(), 2400);
    }

    void scanAt9600KeepsTheShortDelay()
    {
        auto device = testsupport::startDevice(9600);
        QVERIFY(device);
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        QVERIFY(scanUntilReported(*device, status) >= 0);
        QCOMPARE(status.first().at(0).toBool(), true);
        QCOMPARE(uart->commandDelay(), UARTInterface::kFastCommandDelayMs);
        QCOMPARE(uart->baudRate(), 9600);
        // The noise heard at the wrong rates never reaches frame reassembly.
        QVERIFY(raw.isEmpty());
        QCOMPARE(rates(visits(device->lineActivity())),
                 (QList<int>{115200, 921600, 460800, 256000, 9600}));
    }

    void scanWithoutAnswerGives4098()
    {
        auto device = testsupport::startDevice();
        QVERIFY(device);
        device->setSilent(true);
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        const qint64 took = scanUntilReported(*device, status);
        QVERIFY(took >= 0);
        QCOMPARE(status.size(), 1);
        QCOMPARE(status.first().at(0).toBool(), false);
        QCOMPARE(int(status.first().at(1).value<DriverErrorCode>()), 4098);
        QVERIFY2(took >= 2400 && took < 4500, qPrintable(QString::number(took)));
        QCOMPARE(visits(device->lineActivity()).size(), 7);
        QVERIFY(!uart->isIdentified());
        QTest::qWait(700); // the scan timer stopped: nothing further is reported
        QCOMPARE(status.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestUartBaudScan)
#include "tst_uart_baud_scan.moc"
