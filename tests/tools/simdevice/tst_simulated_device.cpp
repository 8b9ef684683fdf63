// The simulator as people run it: a bad option is refused, and the program serves the host on
// the port it prints. What it answers is checked by the roads that run through it.

#include "ReplyPayloads.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "catalog/ParameterCatalog.h"
#include "transport/UARTInterface.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QtTest>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
// Upper bound of a wait for the program or the line: generous, for a loaded machine.
constexpr int kWaitMs = 15000;
} // namespace

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
        for (const QStringList &arguments : {QStringList{"--baud", "fast"}, QStringList{"--range", "400"}}) {
            QProcess refused;
            refused.start(program, arguments);
            QVERIFY(refused.waitForFinished(kWaitMs));
            QCOMPARE(refused.exitCode(), 2);
        }

        DeviceState state;
        state.baud = 9600;
        state.model = QStringLiteral("PQV-24");
        state.wlStart = 380;
        state.wlEnd = 780;
        QProcess simulator;
        simulator.start(program, {"--baud", "9600", "--model", state.model, "--range", "380-780"});
        QVERIFY(simulator.waitForStarted(kWaitMs));
        QTRY_VERIFY_WITH_TIMEOUT(simulator.canReadLine(), kWaitMs);
        const QString port = QString::fromLocal8Bit(simulator.readLine()).trimmed();
        QVERIFY2(QFileInfo(port).isAbsolute() && QFileInfo::exists(port), qPrintable(port));

        UARTInterface *uart = UARTInterface::instance();
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        uart->connectDevice(port, uint8_t(testsupport::baudIndexOf(state.baud)), false);
        QVERIFY(status.wait(kWaitMs));
        QCOMPARE(testsupport::statusOf(status.first()), std::make_pair(true, 0));
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        uart->singleSpectrum();
        // As many photometric words as the catalogue gives the model: the program read it.
        const QByteArray expected = deviceFrame(50, spectrumPayload(state));
        QTRY_COMPARE_WITH_TIMEOUT(testsupport::joinedBytes(raw).size(), expected.size(), kWaitMs);
        QCOMPARE(testsupport::joinedBytes(raw), expected);
        uart->disconnectDevice();

        simulator.terminate();
        QVERIFY(simulator.waitForFinished(kWaitMs));
        QCOMPARE(simulator.exitStatus(), QProcess::NormalExit);
        QCOMPARE(simulator.exitCode(), 0);
    }

    // A host that dies (kill -9, a crash) never undoes its exclusive use of the line; the
    // kernel only closes its descriptor. Until the device clears the flag, nobody but root
    // could open the line again, so the flag itself is read (root may open it regardless).
    void aDeadHostsExclusiveUseEndsWithIt()
    {
        SimulatedDevice device;
        QVERIFY(device.start());
        const QByteArray path = QFile::encodeName(device.portName());
        const int host = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(host >= 0);
        QCOMPARE(::ioctl(host, TIOCEXCL), 0); // as the serial library does on opening
        ::close(host);
        const auto openToAll = [&path] {
            const int next = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
            int exclusive = 1;
            const bool read = next >= 0 && ::ioctl(next, TIOCGEXCL, &exclusive) == 0;
            if (next >= 0)
                ::close(next);
            return read && exclusive == 0;
        };
        QTRY_VERIFY_WITH_TIMEOUT(openToAll(), kWaitMs);
    }

    void aClosedLinesPathLeadsNowhere()
    {
        SimulatedDevice closed;
        QVERIFY(closed.start());
        const QString path = closed.portName();
        closed.hangUp();
        // The system hands the freed terminal to the next line it opens, here or elsewhere.
        SimulatedDevice next;
        QVERIFY(next.start());
        QVERIFY2(!QFileInfo::exists(path), qPrintable(path + " / " + next.portName()));
    }

    void spoilsModelRepliesAndKeepsARealDevicesTiming()
    {
        DeviceState state;
        state.baud = 9600;
        state.wlStart = 380;
        state.wlEnd = 780;
        state.expoTimeUs = 500000;
        SimulatedDevice device(state);
        QVERIFY(device.start());
        device.corruptModelReplies(1, 1); // the handshake's reply stays sound
        QVERIFY(testsupport::connectSerial(device));
        UARTInterface *uart = UARTInterface::instance();
        QSignalSpy raw(uart, &UARTInterface::uartSendRawData);
        uart->getDeviceModel();
        uart->getDeviceModel();
        const QByteArray model = deviceFrame(8, modelPayload(state));
        QByteArray spoilt = model;
        spoilt[spoilt.size() - 3] = char(~uint8_t(spoilt.at(spoilt.size() - 3)));
        QTRY_COMPARE_WITH_TIMEOUT(testsupport::joinedBytes(raw).size(), 2 * model.size(), kWaitMs);
        QCOMPARE(testsupport::joinedBytes(raw), spoilt + model);

        // Paced and timed: the exposure first, then the frame at the line's 960 bytes a second.
        raw.clear();
        device.setLinePacing(true);
        device.setExposureTiming(true);
        const QByteArray expected = deviceFrame(50, spectrumPayload(state));
        QElapsedTimer clock;
        qint64 firstByteMs = -1;
        const QMetaObject::Connection firstByte = connect(uart, &UARTInterface::uartSendRawData, this, [&] {
            if (firstByteMs < 0)
                firstByteMs = clock.elapsed();
        });
        clock.start();
        uart->singleSpectrum();
        QTRY_COMPARE_WITH_TIMEOUT(testsupport::joinedBytes(raw).size(), expected.size(), kWaitMs);
        const qint64 lastByteMs = clock.elapsed();
        disconnect(firstByte);
        QCOMPARE(testsupport::joinedBytes(raw), expected);
        // Both bounded from the request: a host that reads late only adds to them.
        QVERIFY2(firstByteMs >= 500, qPrintable(QString::number(firstByteMs)));
        const qint64 lineMs = qint64(expected.size()) * 10000 / state.baud;
        QVERIFY2(lastByteMs >= 500 + lineMs * 9 / 10,
                 qPrintable(QStringLiteral("%1 ms for 500 ms of exposure and %2 ms of line").arg(lastByteMs).arg(lineMs)));
        uart->disconnectDevice();
    }
};

QTEST_GUILESS_MAIN(TestSimulatedDevice)
#include "tst_simulated_device.moc"
