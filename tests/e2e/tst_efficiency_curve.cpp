// Efficiency-curve maintenance through the serial link to the simulated spectrometer:
// what reaches the device, byte for byte, and what the user is told instead.
#include "EffCurveRegen.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "link/DataHandlerService.h"
#include "control/EfficiencyCsvReader.h"
#include "control/StudioService.h"
#include "store/DataBuffer.h"

#include <QFile>
#include <QQmlApplicationEngine>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtEndian>
#include <QtTest>
#include <cmath>
#include <functional>

namespace {

constexpr int kDeviceStart = 340;
constexpr int kDevicePoints = 681; // 340-1020 nm
// Upper bound for waits on the device; generous for a loaded machine.
constexpr int kReplyTimeoutMs = 15000;

// A host-to-device frame built from the protocol's layout, independently of the sender.
QByteArray expectedFrame(uint8_t code, const QByteArray &payload = {})
{
    const int length = int(payload.size()) + 9;
    QByteArray f = QByteArray("\xCC\x01") + char(length & 0xFF) + char((length >> 8) & 0xFF)
                   + char((length >> 16) & 0xFF) + char(code) + payload;
    unsigned sum = 0;
    for (char c : f)
        sum += uint8_t(c);
    return f + char(sum & 0xFF) + "\r\n";
}

QByteArray csv(int first, int last, const std::function<QString(int)> &value)
{
    QByteArray text;
    for (int w = first; w <= last; ++w)
        text += QByteArray::number(w) + ',' + value(w).toUtf8() + '\n';
    return text;
}

QString number(double v) { return QString::number(v, 'g', 9); }
QString one(int) { return QStringLiteral("1"); }

} // namespace

class TestEfficiencyCurve : public QObject
{
    Q_OBJECT
    QQmlApplicationEngine m_engine;
    simdevice::SimulatedDevice m_device{[] {
        simdevice::DeviceState s;
        s.efficiencyStart = kDeviceStart;
        for (int i = 0; i < kDevicePoints; ++i)
            s.efficiency.append(1.0f + 0.001f * float(i));
        return s;
    }()};
    StudioService *m_studio = nullptr;
    QObject *m_box = nullptr;
    QTemporaryDir m_dir;

    QString message() const { return m_box->property("boxMessage").toString(); }
    void clearMessage() { m_box->setProperty("boxMessage", QString()); }

    // Runs `action` and returns what the device received during it and shortly after.
    QList<QByteArray> framesFrom(const std::function<void()> &action, int expected = 0)
    {
        m_device.clearReceived();
        clearMessage();
        action();
        if (expected > 0)
            (void)QTest::qWaitFor([&] { return m_device.receivedFrames().size() >= expected; },
                                  kReplyTimeoutMs);
        return testsupport::takeSentFrames(m_device); // and nothing further
    }

    // A folder holding the given files (a null content leaves that file out), as a URL.
    QString folderWith(const QString &name, const QByteArray &source, const QByteArray &target)
    {
        const QString folder = m_dir.filePath(name);
        QDir().mkpath(folder);
        const auto put = [&](const char *file, const QByteArray &content) {
            if (content.isNull())
                return;
            QFile f(folder + '/' + QLatin1String(file));
            if (f.open(QIODevice::WriteOnly))
                f.write(content);
        };
        put("sourceData.csv", source);
        put("targetData.csv", target);
        return QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded);
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        m_engine.setUiLanguage(QStringLiteral("en"));
        m_engine.loadData("import QtQuick\nItem { Item { objectName: \"messageDialog\"; visible: false;"
                          " property string boxTitle; property var boxMessage } }");
        QVERIFY(!m_engine.rootObjects().isEmpty());
        m_box = m_engine.rootObjects().first()->findChild<QObject *>(QStringLiteral("messageDialog"));
        QVERIFY(m_box);
        DataHandlerService::instance(DriverTypes::CONNECT_UART);
        m_studio = StudioService::instance(&m_engine);
        QVERIFY2(m_device.start(), qPrintable(m_device.errorString()));
        QVERIFY(testsupport::connectSerial(m_device, kReplyTimeoutMs));
    }

    void cleanupTestCase() { testsupport::disconnectSerial(); }

    void readingStopsContinuousMeasurementFirst()
    {
        m_studio->handleAutoSpectrumSignal();
        QVERIFY(m_studio->isAuto());
        QTRY_VERIFY_WITH_TIMEOUT(m_device.isStreaming(), kReplyTimeoutMs);
        QCOMPARE(framesFrom([&] { m_studio->handleGetEfficiencyDataSingal(); }, 2),
                 (QList<QByteArray>{expectedFrame(4), expectedFrame(38)}));
        QVERIFY(!m_studio->isAuto());

        const FloatArray *table = DataBuffer::instance()->efficiencyTable();
        QTRY_COMPARE_WITH_TIMEOUT(table->size[0], kDevicePoints, kReplyTimeoutMs);
        QCOMPARE(table->data[0], float(kDeviceStart));
        QCOMPARE(table->data[kDevicePoints - 1], float(kDeviceStart + kDevicePoints - 1));
        QCOMPARE(table->data[kDevicePoints + 10], 1.0f + 0.001f * 10.0f);
    }

    void regeneratedCurveIsUploadedInChunks()
    {
        const QByteArray source = csv(380, 780, [](int w) { return number((w - 300) / 100.0); });
        const QByteArray target = csv(370, 790, [](int) { return QStringLiteral("2"); });
        // A space in the folder name arrives percent-encoded in the URL.
        const QString url = folderWith(QStringLiteral("curve folder"), source, target);
        QVERIFY(url.startsWith(QLatin1String("file:///")) && url.contains(QLatin1String("%20")));

        // The curve the device should receive, from the same files and the device's axis.
        bool ok = false;
        const QString local = QUrl(url).toLocalFile();
        FloatArray *sample = EfficiencyCsvReader::read(local + "/sourceData.csv", &ok);
        FloatArray *reference = EfficiencyCsvReader::read(local + "/targetData.csv", &ok);
        FloatArray *axis = createFloatArray(kDevicePoints, 1);
        for (int i = 0; i < kDevicePoints; ++i)
            axis->data[i] = float(kDeviceStart + i);
        FloatArray *curve = createFloatArray(kDevicePoints, 1);
        RegenStatus status;
        regeneffcurve(sample, reference, axis, curve, &status);
        QCOMPARE(status.code, uint16_t(0));
        QVERIFY(std::fabs(curve->data[580 - kDeviceStart] - 1.4f) < 1e-4f);
        QByteArray expectedBytes(kDevicePoints * 4, '\0');
        for (int i = 0; i < kDevicePoints; ++i)
            qToLittleEndian<float>(curve->data[i], expectedBytes.data() + 4 * i);
        destroyArray(sample);
        destroyArray(reference);
        destroyArray(axis);
        destroyArray(curve);

        const int uploadsBefore = m_device.savedEfficiencyUploads().size();
        // Start marker, 990 + 990 + 744 bytes of curve, then the save command.
        QCOMPARE(expectedBytes.mid(1980).size(), 744);
        QCOMPARE(framesFrom([&] { m_studio->handleSetEfficiencyDataByCsvSingal(url); }, 5),
                 (QList<QByteArray>{expectedFrame(35, QByteArray(1, 0x04)), expectedFrame(35, expectedBytes.mid(0, 990)),
                                    expectedFrame(35, expectedBytes.mid(990, 990)), expectedFrame(35, expectedBytes.mid(1980)),
                                    expectedFrame(39)}));
        QCOMPARE(message(), QString());

        QTRY_COMPARE_WITH_TIMEOUT(m_device.savedEfficiencyUploads().size(), uploadsBefore + 1,
                                  kReplyTimeoutMs);
        const QVector<float> saved = m_device.savedEfficiencyUploads().last();
        QCOMPARE(saved.size(), kDevicePoints);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(saved.constData()), kDevicePoints * 4), expectedBytes);
    }

    void failuresShowTheirMessageAndUploadNothing_data()
    {
        QTest::addColumn<QByteArray>("source");
        QTest::addColumn<QByteArray>("target");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected");
        const QByteArray good = csv(380, 780, one);
        const QByteArray negative = csv(380, 780, [](int w) { return w == 700 ? QStringLiteral("-1") : one(w); });
        QByteArray fractional;
        for (int i = 0; i < 50; ++i)
            fractional += QByteArray::number(400.5 + i) + ",1\n";

        QTest::newRow("no source") << QByteArray() << good << "en" << "Cannot Find sourceData.csv";
        QTest::newRow("no target") << good << QByteArray() << "de" << "Cannot Find targetData.csv";
        QTest::newRow("gap") << good << csv(380, 500, one) + "502,1\n" << "en" << "targetData.csv Invalid";
        QTest::newRow("negative reference") << good << negative << "en" << "reference spec < 0";
        QTest::newRow("fractional nm") << fractional << fractional << "en" << "wl settings wrong";
        // A ratio close to the float limit whose rising extension overflows past 780 nm.
        QTest::newRow("overflowing extension")
            << csv(380, 780, [](int w) { return number(1e38 + (w - 380) * 5.75e35); })
            << good << "en" << "Regenerated efficiency curve invalid, not uploaded";
        QTest::newRow("zh") << QByteArray() << good << "zh" << "sourceData.csv不存在";
    }

    void failuresShowTheirMessageAndUploadNothing()
    {
        QFETCH(QByteArray, source);
        QFETCH(QByteArray, target);
        QFETCH(QString, language);
        QFETCH(QString, expected);
        m_engine.setUiLanguage(language);
        const QString url = folderWith(QString::fromLatin1(QTest::currentDataTag()), source, target);
        const int uploadsBefore = m_device.savedEfficiencyUploads().size();
        QVERIFY(framesFrom([&] { m_studio->handleSetEfficiencyDataByCsvSingal(url); }).isEmpty());
        m_engine.setUiLanguage(QStringLiteral("en"));
        QCOMPARE(message(), expected);
        QVERIFY(m_box->property("visible").toBool());
        QCOMPARE(m_device.savedEfficiencyUploads().size(), uploadsBefore);
    }

    void flatCorrectionUploadsOneValuePerDevicePoint()
    {
        const QList<QByteArray> frames = framesFrom([&] { m_studio->handleSetEfficiencyDataSingal(1.25f); }, 5);
        QCOMPARE(frames.size(), 5);
        QCOMPARE(frames[0], expectedFrame(35, QByteArray(1, 0x04)));
        QCOMPARE(frames[4], expectedFrame(39));
        QTRY_VERIFY_WITH_TIMEOUT(!m_device.savedEfficiencyUploads().isEmpty(), kReplyTimeoutMs);
        const QVector<float> saved = m_device.savedEfficiencyUploads().last();
        QCOMPARE(saved, QVector<float>(kDevicePoints, 1.25f));

        for (float ratio : {-2.0f, std::nanf("")}) {
            QVERIFY(framesFrom([&] { m_studio->handleSetEfficiencyDataSingal(ratio); }).isEmpty());
            QCOMPARE(message(), QStringLiteral("Invalid calibration ratio"));
        }
    }

    void resetSendsItsCommand()
    {
        QCOMPARE(framesFrom([&] { m_studio->handleResetEfficiencySignal(); }, 1),
                 QList<QByteArray>{QByteArray::fromHex("CC0109000025FB0D0A")});
    }

    void anotherDeviceMustSendItsOwnTableFirst()
    {
        DataBuffer *buffer = DataBuffer::instance();
        QVERIFY(buffer->efficiencyTableRead());
        // Connecting resets the store; the table read from the earlier device goes with it.
        buffer->resetAll();
        QVERIFY(!buffer->efficiencyTableRead());
        const FloatArray *table = buffer->efficiencyTable();
        QCOMPARE(table->data[0], 0.0f);

        const QString url = folderWith(QStringLiteral("after reset"), csv(380, 780, one), csv(380, 780, one));
        QVERIFY(framesFrom([&] { m_studio->handleSetEfficiencyDataSingal(1.2f); }).isEmpty());
        QCOMPARE(message(), QStringLiteral("Read the efficiency curve from the device first"));
        QCOMPARE(m_box->property("boxTitle").toString(), QStringLiteral(" "));
        // Good files, but no device axis to put the curve on.
        QVERIFY(framesFrom([&] { m_studio->handleSetEfficiencyDataByCsvSingal(url); }).isEmpty());
        QCOMPARE(message(), QStringLiteral("Read the efficiency curve from the device first"));

        // Once this device's table is in, corrections fit it again.
        QCOMPARE(framesFrom([&] { m_studio->handleGetEfficiencyDataSingal(); }, 1), QList<QByteArray>{expectedFrame(38)});
        QTRY_VERIFY_WITH_TIMEOUT(buffer->efficiencyTableRead(), kReplyTimeoutMs);
        const int rows = table->size[0]; // the device's table as it stands after the earlier reset
        QVERIFY(rows > 0);
        const int uploadsBefore = m_device.savedEfficiencyUploads().size();
        QVERIFY(!framesFrom([&] { m_studio->handleSetEfficiencyDataSingal(1.5f); }, 5).isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(m_device.savedEfficiencyUploads().size(), uploadsBefore + 1, kReplyTimeoutMs);
        QCOMPARE(m_device.savedEfficiencyUploads().last(), QVector<float>(rows, 1.5f));
    }

    void bluetoothLeavesTheDeviceAlone()
    {
        const QString url = folderWith(QStringLiteral("ble"), QByteArray(), QByteArray());
        m_studio->setConnectType(DriverTypes::CONNECT_BLE);
        const QList<QByteArray> frames = framesFrom([&] {
            m_studio->handleGetEfficiencyDataSingal();
            m_studio->handleResetEfficiencySignal();
            m_studio->handleSetEfficiencyDataSingal(1.5f);
            m_studio->handleSetEfficiencyDataByCsvSingal(url); // would say "Cannot Find" over serial
        });
        m_studio->setConnectType(DriverTypes::CONNECT_UART);
        QVERIFY(frames.isEmpty());
        QCOMPARE(message(), QString());
    }
};

QTEST_MAIN(TestEfficiencyCurve)
#include "tst_efficiency_curve.moc"
