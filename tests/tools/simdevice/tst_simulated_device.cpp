// The simulator as people run it: a bad option is refused, and the program serves the host on
// the port it prints. What it answers is checked by the roads that run through it.

#include "ReplyPayloads.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "catalog/ParameterCatalog.h"
#include "transport/UARTInterface.h"

#include <QFileInfo>
#include <QProcess>
#include <QtTest>

using namespace simdevice;

class TestSimulatedDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { loadParameterTables(); }

    void programServesTheHostOnThePortItPrints()
    {
        const QString program = qEnvironmentVariable("VANTOREL_SIMDEVICE_PROGRAM");
        QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));
        QProcess refused;
        refused.start(program, {"--baud", "fast"});
        QVERIFY(refused.waitForFinished(5000));
        QCOMPARE(refused.exitCode(), 2);

        DeviceState state;
        state.baud = 9600;
        state.model = QStringLiteral("PQV-24");
        QProcess simulator;
        simulator.start(program, {"--baud", "9600", "--model", state.model});
        QVERIFY(simulator.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(simulator.canReadLine(), 5000);
        const QString port = QString::fromLocal8Bit(simulator.readLine()).trimmed();
        QVERIFY2(port.startsWith(QLatin1String("/dev/")), qPrintable(port));

        UARTInterface *uart = UARTInterface::instance();
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        uart->connectDevice(port, uint8_t(testsupport::baudIndexOf(state.baud)), false);
        QVERIFY(status.wait(15000));
        QCOMPARE(testsupport::statusOf(status.first()), std::make_pair(true, 0));
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        uart->singleSpectrum();
        // As many photometric words as the catalogue gives the model: the program read it.
        const QByteArray expected = deviceFrame(50, spectrumPayload(state));
        QTRY_COMPARE_WITH_TIMEOUT(testsupport::joinedBytes(raw).size(), expected.size(), 5000);
        QCOMPARE(testsupport::joinedBytes(raw), expected);
        uart->disconnectDevice();

        simulator.terminate();
        QVERIFY(simulator.waitForFinished(5000));
        QCOMPARE(simulator.exitStatus(), QProcess::NormalExit);
        QCOMPARE(simulator.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSimulatedDevice)
#include "tst_simulated_device.moc"
