// Command frames as they reach the device over the serial line, byte for byte.

#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "protocol/CommandPayload.h"
#include "protocol/DeviceFrame.h"
#include "transport/BLEInterface.h"
#include "transport/UARTInterface.h"

#include <QElapsedTimer>
#include <QtTest>
#include <cmath>
#include <functional>
#include <limits>

using Sender = std::function<void(UARTInterface *)>;
Q_DECLARE_METATYPE(Sender)

class TestCommandFrames : public QObject
{
    Q_OBJECT

    simdevice::SimulatedDevice m_device;

    // Sends through `send` and returns the frames the device received meanwhile.
    QList<QByteArray> framesFrom(const Sender &send, int expected)
    {
        m_device.clearReceived();
        send(UARTInterface::instance());
        // A short wait shows up as missing frames in the caller's comparison.
        (void)QTest::qWaitFor([&] { return m_device.receivedFrames().size() >= expected; }, 15000);
        return testsupport::takeSentFrames(m_device); // and nothing further
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(m_device.start(), qPrintable(m_device.errorString()));
        QVERIFY(testsupport::connectSerial(m_device));
    }

    void cleanupTestCase() { testsupport::disconnectSerial(); }

    void sendersOnTheWire_data()
    {
        QTest::addColumn<Sender>("send");
        QTest::addColumn<QByteArray>("expected");
        auto row = [](const char *name, Sender send, const QByteArray &bytes) { QTest::newRow(name) << send << bytes; };
        // The senders the device roads do not check byte for byte: the documented model
        // request, exposure times at and beyond the ends of the microsecond field, and the
        // Bluetooth builder against the serial wire.
        row("getDeviceModel", [](UARTInterface *u) { u->getDeviceModel(); }, QByteArray::fromHex("CC010A00000820FF0D0A"));
        row("setExpoTime 0.0005 ms", [](UARTInterface *u) { QVERIFY(u->setExpoTime(0.0005f)); },
            QByteArray::fromHex("CC010D00000C00000000E60D0A"));
        row("setExpoTime beyond the field", [](UARTInterface *u) { QVERIFY(u->setExpoTime(1e10f)); },
            QByteArray::fromHex("CC010D00000CFFFFFFFFE20D0A"));
        row("autoSpectrum stop: the 9-byte minimum", [](UARTInterface *u) { u->autoSpectrum(false); },
            QByteArray::fromHex("CC0109000004DA0D0A"));
        row("setGainValue as Bluetooth builds it", [](UARTInterface *u) { u->setGainValue(3); },
            BLEInterface::buildFrame(56, QByteArray(1, 3)));
        row("setExpoTime as Bluetooth builds it", [](UARTInterface *u) { u->setExpoTime(250.0f); },
            BLEInterface::buildFrame(12, *CommandPayload::exposureTime(250.0f)));
        const float inf = std::numeric_limits<float>::infinity();
        row("meaningless exposure times send nothing", [inf](UARTInterface *u) {
            for (float ms : {std::numeric_limits<float>::quiet_NaN(), inf, -inf, -1.0f})
                QVERIFY(!u->setExpoTime(ms) && !CommandPayload::exposureTime(ms).has_value());
            u->getGainMode(); // a marker that must arrive alone
        }, QByteArray::fromHex("CC010900003B110D0A"));
    }

    void sendersOnTheWire()
    {
        QFETCH(Sender, send);
        QFETCH(QByteArray, expected);
        const QList<QByteArray> frames = framesFrom(send, 1);
        QCOMPARE(frames.size(), 1);
        QCOMPARE(frames.first().toHex(' '), expected.toHex(' '));
    }

    void baudRatePayloads()
    {
        QCOMPARE(*CommandPayload::baudRate(921600), QByteArray::fromHex("00100E"));
        QCOMPARE(*CommandPayload::baudRate(2400), QByteArray::fromHex("600900"));
        QVERIFY(!CommandPayload::baudRate(0).has_value());
        QVERIFY(!CommandPayload::baudRate(0x1000000).has_value());
        QCOMPARE(*CommandPayload::exposureMicroseconds(4294967.0f), 4294967000u);
    }

    // Every time typed with up to three decimals up to 5 s reaches the device as exactly that
    // many microseconds, whether it arrives as a float or as the field's text in a double; a
    // fourth decimal is cut off.
    void exposureTimesGoOutAsTyped()
    {
        for (uint32_t us = 0; us <= 5000000; ++us) {
            const double typed = us / 1000.0;
            if (CommandPayload::exposureMicroseconds(float(typed)) != us || CommandPayload::exposureMicroseconds(typed) != us)
                QFAIL(qPrintable(QStringLiteral("%1 ms").arg(typed, 0, 'f', 3)));
        }
        QCOMPARE(*CommandPayload::exposureMicroseconds(2.3456f), 2345u);
        QCOMPARE(*CommandPayload::exposureMicroseconds(QStringLiteral("4999.9999").toDouble()), 4999999u);
        QCOMPARE(*CommandPayload::exposureTime(2.3f), QByteArray::fromHex("fc080000"));
    }

    void efficiencyUploadInChunks_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("chunkSizes");
        // A whole table of the device's length is uploaded by the efficiency road.
        QTest::newRow("one short chunk") << 247 << QList<int>{988};
        QTest::newRow("a value across two chunks") << 248 << QList<int>{990, 2};
        QTest::newRow("empty table") << 0 << QList<int>{};
    }

    void efficiencyUploadInChunks()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, chunkSizes);
        FloatArray *table = createFloatArray(qMax(count, 1), 1);
        table->size[0] = count;
        QVector<float> values(count);
        for (int i = 0; i < count; ++i)
            table->data[i] = values[i] = 0.25f * float(i) - 3.0f;

        const QList<QByteArray> frames = framesFrom(
            [table](UARTInterface *u) { u->uploadEfficiency(table); }, chunkSizes.size() + 2);
        destroyArray(table);

        QCOMPARE(frames.size(), chunkSizes.size() + 2);
        QCOMPARE(frames.first(), QByteArray::fromHex("CC010A00002304FE0D0A"));
        for (int i = 0; i < chunkSizes.size(); ++i) {
            QCOMPARE(DeviceFrame::code(frames.at(i + 1)), uint8_t(35));
            QCOMPARE(DeviceFrame::payload(frames.at(i + 1)).size(), chunkSizes.at(i));
        }
        QCOMPARE(frames.last(), QByteArray::fromHex("CC0109000027FD0D0A"));
        // The device reassembles exactly the values sent, in order.
        QTRY_VERIFY(!m_device.savedEfficiencyUploads().isEmpty());
        QCOMPARE(m_device.savedEfficiencyUploads().last(), values);
    }

    void commandDelayPrecedesEachCommandButFlicker()
    {
        UARTInterface *uart = UARTInterface::instance();
        const uint16_t before = uart->commandDelay();
        constexpr int kDelayMs = 2000;
        uart->setCommandDelay(kDelayMs);
        QElapsedTimer clock;
        clock.start();
        uart->getExpoMode();
        const qint64 delayed = clock.elapsed();
        // A delay no stall of a loaded machine comes near: flicker does not wait it.
        constexpr int kUnwaitedDelayMs = 60000;
        uart->setCommandDelay(kUnwaitedDelayMs);
        clock.restart();
        uart->startFlicker();
        const qint64 immediate = clock.elapsed();
        uart->setCommandDelay(before);
        QVERIFY2(delayed >= kDelayMs, qPrintable(QString::number(delayed)));
        QVERIFY2(immediate < kUnwaitedDelayMs, qPrintable(QString::number(immediate)));
    }
};

QTEST_GUILESS_MAIN(TestCommandFrames)
#include "tst_command_frames.moc"
