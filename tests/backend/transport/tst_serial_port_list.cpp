// The port list offers what opens: the system's ports, and the pseudo-terminals named in the
// environment, where a simulated spectrometer answers.

#include "SerialLink.h"
#include "transport/UARTInterface.h"

#include <QSerialPort>
#include <QSignalSpy>
#include <QtTest>

using namespace testsupport;

class TestSerialPortList : public QObject
{
    Q_OBJECT
private slots:
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

QTEST_GUILESS_MAIN(TestSerialPortList)
#include "tst_serial_port_list.moc"
