// The simulated spectrometer itself: its "Y" samples unmask with the host's routine, and the
// program people run serves the host. That it answers only at its own rate and streams until
// stopped is what the connect and measurement roads through it rely on.

#include "ReplyPayloads.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "catalog/ParameterCatalog.h"
#include "transport/UARTInterface.h"

#include "Descramble.h"

#include <QFileInfo>
#include <QProcess>
#include <QtEndian>
#include <QtTest>

using namespace simdevice;

class TestSimulatedDevice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { loadParameterTables(); }

    void yModelSamplesUnmaskWithTheHostRoutine_data()
    {
        QTest::addColumn<uint64_t>("h64");
        QTest::addColumn<int>("wlEnd");
        QTest::newRow("masked, odd count") << uint64_t(0x0123456789ABCDEFull) << 384;
        QTest::newRow("masked, full range") << uint64_t(0xFFFF00000000FFFFull) << 1020;
        QTest::newRow("unmasked header") << ~uint64_t(0) << 400;
    }

    void yModelSamplesUnmaskWithTheHostRoutine()
    {
        QFETCH(uint64_t, h64);
        QFETCH(int, wlEnd);
        DeviceState state;
        state.model = QStringLiteral("YQV-01");
        state.wlStart = 380;
        state.wlEnd = uint16_t(wlEnd);
        state.expoTimeUs = 250000;
        state.spectrum.scaleCode = 2;
        state.spectrum.h32 = 0xCAFEF00Du;
        state.spectrum.h64 = h64;
        const int n = wlEnd - 380 + 1;
        for (int i = 0; i < n; ++i)
            state.spectrum.samples.append(uint16_t(1000 + 37 * i));

        const QByteArray payload = spectrumPayload(state);
        QCOMPARE(payload.size(), 5 + 14 + 2 * n);
        const char *p = payload.constData();
        QCOMPARE(qFromLittleEndian<uint32_t>(p + 1), state.expoTimeUs);
        QCOMPARE(qFromLittleEndian<uint32_t>(p + 7), state.spectrum.h32);
        QCOMPARE(qFromLittleEndian<uint64_t>(p + 11), h64);

        UInt16Array *raw = createUInt16Array(n, 1);
        UInt16Array *out = createUInt16Array(1, 1);
        for (int i = 0; i < n; ++i)
            raw->data[i] = qFromLittleEndian<uint16_t>(p + 19 + 2 * i);
        uint16_t codeOut = 0;
        descrambleSamples(raw, qFromLittleEndian<uint16_t>(p + 5), float(state.expoTimeUs) / 1000.0f,
                          state.spectrum.h32, h64, out, &codeOut);
        const QVector<uint16_t> unmasked(out->data, out->data + n);
        const bool sentMasked = raw->data[0] != state.spectrum.samples[0];
        destroyArray(raw);
        destroyArray(out);
        QCOMPARE(codeOut, uint16_t(2));
        QCOMPARE(unmasked, state.spectrum.samples);
        QCOMPARE(sentMasked, h64 != ~uint64_t(0));
    }

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
