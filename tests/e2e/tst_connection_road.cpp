// Connecting through the welcome page's back end to the simulated spectrometer: the
// settings requests after a connect, the model's features, the page switch, failures,
// link loss, the Bluetooth LE device list and the language switch.
#include "ChildStart.h"
#include "ExtraSerialPorts.h"
#include "FakeGattService.h"
#include "RunningApplication.h"
#include "SavedFiles.h"
#include "SerialLink.h"
#include "StoreFixtures.h"
#include "TemporaryHome.h"
#include "ReplyPayloads.h"
#include "SimulatedDevice.h"

#include "catalog/ParameterCatalog.h"
#include "protocol/DeviceBleProfile.h"
#include "protocol/DeviceCommand.h"
#include "protocol/DeviceFrame.h"
#include "link/DataHandlerService.h"
#include "control/StudioService.h"
#include "welcome/WelcomeService.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"
#include "transport/UARTInterface.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSerialPort>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QProcess>
#include <QtTest>

using simdevice::DeviceState;
using simdevice::SimulatedDevice;
using testsupport::RunningApplication;

namespace {

const char kLanguageChild[] = "CONNECTION_TEST_LANGUAGE_CHILD";

// Upper bounds for waits on the device, the baud scan and the 1 s series timer: generous,
// because a loaded machine delays all of them; a passing wait ends as soon as it can.
constexpr int kConnectTimeoutMs = 30000;
constexpr int kReplyTimeoutMs = 15000;

QList<int> codesOf(const QList<QByteArray> &frames)
{
    QList<int> codes;
    for (const QByteArray &frame : frames)
        codes << int(uint8_t(frame.at(5)));
    return codes;
}

// A started device at `baud` whose settings differ from the store's defaults.
std::unique_ptr<SimulatedDevice> startDevice(const QString &model, int baud = 115200)
{
    DeviceState state;
    state.model = model;
    state.baud = baud;
    state.wlStart = 380;
    state.wlEnd = 780;
    state.autoExposure = false;
    state.cie2015 = 3;
    state.gainValue = 2;
    state.autoGain = true;
    auto device = std::make_unique<SimulatedDevice>(state);
    return device->start() ? std::move(device) : nullptr;
}

// Child process: report which catalogues the start-up language loaded.
int runLanguageChild()
{
    RunningApplication app;
    if (!app.start())
        return 2;
    QTest::qWait(100); // the language switch is queued to the first event-loop pass
    QTextStream(stdout) << "language=" << app.welcome()->language()
                        << " de=" << QCoreApplication::translate("SaveService", "Unknown save type.")
                        << " ui=" << app.engine().uiLanguage() << Qt::endl;
    return 0;
}

} // namespace

class TestConnectionRoad : public QObject
{
    Q_OBJECT
    std::unique_ptr<RunningApplication> m_app;

    StudioService *studio() const { return m_app->studio(); }
    WelcomeService *welcome() const { return m_app->welcome(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }

    // The message box shows a code either as written or as the text it maps it to.
    bool messageShown(int code, const QString &text) const
    {
        const QString message = m_app->shownMessage();
        return message == QString::number(code) || message == text;
    }

    // The welcome page in its own window size, with no device model left.
    bool backOnTheWelcomePage() const
    {
        return m_app->isVisible(QStringLiteral("welcome")) && !m_app->isVisible(QStringLiteral("function_ui"))
            && !m_app->isVisible(QStringLiteral("dynamicLoader"))
            && !(m_app->window()->windowStates() & Qt::WindowMaximized) && m_app->window()->width() == 672
            && m_app->window()->height() == 390 && buffer()->deviceModel().isEmpty();
    }

    // The mode page of `model`, its features loaded, in the window size the screen allows.
    void checkOnTheModePageOf(const QString &model)
    {
        QCOMPARE(studio()->features(), findModelInfo(model).function);
        QVERIFY(!m_app->isVisible(QStringLiteral("welcome")));
        QVERIFY(m_app->isVisible(QStringLiteral("function_ui")));
        QVERIFY(!m_app->isVisible(QStringLiteral("dynamicLoader")));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        if (screen.width() < 776 || screen.height() < 720) {
            QTRY_VERIFY_WITH_TIMEOUT(m_app->window()->windowStates() & Qt::WindowMaximized, kReplyTimeoutMs);
        } else {
            QCOMPARE(m_app->window()->size(), QSize(776, 720));
        }
    }

    void checkConnectedTo(const SimulatedDevice &device, const QString &model)
    {
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), model, kConnectTimeoutMs);
        // The handshake, then the requests after it in their order, byte for byte. A scan's
        // model request at the rate before the device's can be read only once the host has
        // moved on to the device's rate, and is then heard ahead of the handshake.
        const QList<QByteArray> frames = device.receivedFrames();
        QVERIFY2(frames.size() >= 8, qPrintable(QString::number(frames.size())));
        for (const QByteArray &early : frames.mid(0, frames.size() - 8))
            QCOMPARE(early, DeviceFrame::build(8, QByteArray(1, char(0x20))));
        QCOMPARE(codesOf(frames.mid(frames.size() - 8, 2)), (QList<int>{4, 8}));
        QCOMPARE(frames.mid(frames.size() - 6),
                 (QList<QByteArray>{DeviceFrame::build(15, {}), DeviceFrame::build(11, {}), DeviceFrame::build(55, {}),
                                    DeviceFrame::build(59, {}), DeviceFrame::build(57, {}),
                                    DeviceFrame::build(8, QByteArray(1, char(0x20)))}));
        // The replies reached the store.
        QCOMPARE(int(buffer()->getWlLength()), 401);
        QCOMPARE(buffer()->getWl().first(), 380.0);
        QCOMPARE(buffer()->expoMode(), 0u);
        QCOMPARE(buffer()->cie2015(), 2u);
        QCOMPARE(int(buffer()->gainValue()), 2);
        QCOMPARE(buffer()->gainMode(), true);
        checkOnTheModePageOf(model);
    }

    // A probe object whose properties are bound to translated texts.
    std::unique_ptr<QObject> translationProbe()
    {
        QQmlComponent component(&m_app->engine());
        component.setData("import QtQuick\nimport BrandConfig\n"
                          "QtObject { property string name: BrandConfig.softwareName\n"
                          "           property string message: qsTranslate(\"Main\", \"UART disconnected\") }",
                          QUrl());
        std::unique_ptr<QObject> probe(component.create());
        if (!probe)
            qWarning() << component.errorString();
        return probe;
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        m_app = std::make_unique<RunningApplication>();
        QVERIFY(m_app->start());
        QVERIFY(studio() && welcome() && buffer());
        QTest::qWait(50); // let the start-up language switch run
    }

    void cleanupTestCase() { m_app.reset(); }

    void init() { m_app->closeMessage(); }

    void fixedRateAndScanConnectsAskForTheSettingsInOrder()
    {
        auto device = startDevice(QStringLiteral("PQV-21"));
        QVERIFY(device);
        welcome()->handleSerialConnectionSignal(device->portName(), 0);
        QCOMPARE(studio()->connectType(), DriverTypes::CONNECT_UART);
        checkConnectedTo(*device, QStringLiteral("PQV-21"));
        QVERIFY(studio()->features().value(QStringLiteral("absorbance")).toBool());
        QVERIFY(!studio()->features().value(QStringLiteral("raman")).toBool());
        QVERIFY(!messageShown(0, QStringLiteral("OK")));
        QSignalSpy modelChanged(buffer(), &DataBuffer::deviceModelChanged);
        studio()->handleHardwareDisconnectSignal();
        QVERIFY(backOnTheWelcomePage());
        QCOMPARE(modelChanged.count(), 1); // views bound to the model hear it is gone
        // The menu bar's "Back" with no model known leaves the welcome page in place.
        welcome()->handleDeviceModelChanged();
        QVERIFY(backOnTheWelcomePage());
        // The disconnect stopped the device before closing.
        QTRY_COMPARE_WITH_TIMEOUT(codesOf(device->receivedFrames()).last(), 4, kReplyTimeoutMs);

        device = startDevice(QStringLiteral("TQV-12"), 9600);
        QVERIFY(device);
        welcome()->handleSerialConnectionSignal(device->portName(), WelcomeService::kBaudIndexScan);
        checkConnectedTo(*device, QStringLiteral("TQV-12"));
        QVERIFY(!studio()->features().value(QStringLiteral("photometry")).toBool());
        QVERIFY(studio()->features().value(QStringLiteral("transmittance")).toBool());
        studio()->handleHardwareDisconnectSignal();
        QVERIFY(backOnTheWelcomePage());
    }

    void failedConnectsSendNoRequests()
    {
        auto device = startDevice(QStringLiteral("PQV-21"));
        QVERIFY(device);
        welcome()->handleSerialConnectionSignal(device->portName(), 8); // no such baud index
        welcome()->handleSerialConnectionSignal(device->portName(), -1);
        QTest::qWait(300);
        QVERIFY(device->receivedFrames().isEmpty());

        device->setSilent(true);
        welcome()->handleSerialConnectionSignal(device->portName(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4097, QStringLiteral("UART connection failed")), kReplyTimeoutMs);
        QCOMPARE(m_app->find(QStringLiteral("messageDialog"))->property("boxTitle").toString(), QStringLiteral(" "));
        QVERIFY(backOnTheWelcomePage());
        QVERIFY(device->framesWithCode(15).isEmpty());

        welcome()->handleBleConnectionSignal(QStringLiteral("RQM-0001")); // no adapter here
        QCOMPARE(studio()->connectType(), DriverTypes::CONNECT_BLE);
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(8193, QStringLiteral("Bluetooth connection failed"))
                                     || messageShown(8194, QStringLiteral("Failed to create Bluetooth service")),
                                 kReplyTimeoutMs);
        QVERIFY(backOnTheWelcomePage());
        studio()->setConnectType(DriverTypes::CONNECT_UART);
    }

    // A port that will not open: Scan leaves it out and says why, Open says the same after
    // its own words, in a box where every line shows.
    void aPortHeldElsewhereIsExplained()
    {
        auto device = startDevice(QStringLiteral("PQV-21"));
        QVERIFY(device);
        QSerialPort holder(device->portName());
        QVERIFY(holder.open(QIODevice::ReadWrite));
        const QString why = QStringLiteral("In use by another program (process %2):\n\u2068%1\u2069\nClose it, then try again.")
                                .arg(QCoreApplication::applicationName())
                                .arg(QCoreApplication::applicationPid());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot open serial port ")));
        {
            const testsupport::ExtraSerialPorts listed(device->portName());
            welcome()->handleSerialScanSignal();
        }
        QVERIFY(!m_app->find(QStringLiteral("selectSerialPortComboBox"))->property("model").toStringList()
                     .contains(device->portName()));
        // The system's own ports may be refused too, before it.
        const QString unlisted = m_app->shownMessage();
        QVERIFY2(unlisted.startsWith(QStringLiteral("These ports cannot be opened now:\n"))
                     && unlisted.endsWith(QStringLiteral("\n\u2068%1\u2069\n%2").arg(device->portName(), why)),
                 qPrintable(unlisted));
        m_app->closeMessage();

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Cannot open serial port ")));
        welcome()->handleSerialConnectionSignal(device->portName(), 0);
        QCOMPARE(m_app->shownMessage(), QStringLiteral("UART connection failed\n") + why);
        QObject *box = m_app->find(QStringLiteral("messageDialog"));
        const auto *label = box->findChild<QQuickItem *>(QStringLiteral("messageLabel"));
        const auto *button = box->findChild<QQuickItem *>(QStringLiteral("acceptButton"));
        QVERIFY(label && button);
        QTRY_VERIFY(label->y() + label->height() <= button->y());
        QVERIFY(backOnTheWelcomePage());
        QVERIFY(device->receivedFrames().isEmpty());
    }

    void aLostModelReplyIsAskedForAgain()
    {
        auto device = startDevice(QStringLiteral("PQV-21"));
        QVERIFY(device);
        device->corruptModelReplies(1, 1); // the handshake's reply comes through, the next not
        welcome()->handleSerialConnectionSignal(device->portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), QStringLiteral("PQV-21"), kConnectTimeoutMs);
        checkOnTheModePageOf(QStringLiteral("PQV-21"));
        QVERIFY(!welcome()->isConnecting());
        QVERIFY(m_app->shownMessage().isEmpty());
        // The handshake, the settings' request, and one more.
        QCOMPARE(device->framesWithCode(8).size(), 3);
        studio()->handleHardwareDisconnectSignal();
        QVERIFY(backOnTheWelcomePage());
    }

    // The range comes before the model's name: a plain frame carries 2554 points, a "Y"
    // frame does not, and the user is told why no spectrum shows.
    void aDeviceRangeIsTakenWithinTheModelsFrameOrRefusedAloud()
    {
        auto device = startDevice(QStringLiteral("PQV-21"));
        QVERIFY(device);
        device->updateState([](DeviceState &state) { state.wlStart = 400, state.wlEnd = 2953; });
        welcome()->handleSerialConnectionSignal(device->portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), QStringLiteral("PQV-21"), kConnectTimeoutMs);
        QCOMPARE(buffer()->getWl().last(), 2953.0);
        studio()->handleManualSpectrumSignal();
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), kReplyTimeoutMs);
        const QList<double> source = buffer()->sourceSpectrum();
        const QVector<uint16_t> sent = simdevice::fittedSamples(device->state());
        QVERIFY(source.size() == 2554 && source.first() == sent.first() / 100.0 && source.last() == sent.last() / 100.0);
        QVERIFY(m_app->shownMessage().isEmpty());
        studio()->handleHardwareDisconnectSignal();

        device = startDevice(QStringLiteral("YQV-02"));
        QVERIFY(device);
        device->updateState([](DeviceState &state) { state.wlStart = 400, state.wlEnd = 2953; });
        welcome()->handleSerialConnectionSignal(device->portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_app->shownMessage(),
                                  QStringLiteral("The device's range of 400 to 2953 nm cannot be read (at most "
                                                 "2553 points): its spectra are not shown."),
                                  kConnectTimeoutMs);
        studio()->handleHardwareDisconnectSignal();
        QVERIFY(backOnTheWelcomePage());
    }

    void aModelNeverNamedClosesThePortAndSaysSo()
    {
        UARTInterface *uart = UARTInterface::instance();
        QObject *portList = m_app->find(QStringLiteral("selectSerialPortComboBox"));
        QVERIFY(portList);
        // Every model reply after the handshake's is lost; then the device names no model.
        for (const bool emptyName : {false, true}) {
            auto device = startDevice(emptyName ? QString() : QStringLiteral("PQV-21"));
            QVERIFY(device);
            if (!emptyName)
                device->corruptModelReplies(-1, 1);
            const testsupport::ExtraSerialPorts listed(device->portName());
            m_app->closeMessage();
            welcome()->handleSerialConnectionSignal(device->portName(), 0);
            QTRY_VERIFY_WITH_TIMEOUT(messageShown(4097, QStringLiteral("UART connection failed")), kConnectTimeoutMs);
            QCOMPARE(device->framesWithCode(8).size(), 1 + WelcomeService::kModelRequests);
            QVERIFY(backOnTheWelcomePage());
            QVERIFY(!welcome()->isConnecting());
            QVERIFY(!uart->isBusy());
            // The port is the user's again: listed, and Open connects once the device answers.
            welcome()->handleSerialScanSignal();
            QVERIFY(portList->property("model").toStringList().contains(device->portName()));
            device->corruptModelReplies(0);
            device->setModel(QStringLiteral("PQV-21"));
            m_app->closeMessage();
            welcome()->handleSerialConnectionSignal(device->portName(), 0);
            QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), QStringLiteral("PQV-21"), kConnectTimeoutMs);
            checkOnTheModePageOf(QStringLiteral("PQV-21"));
            studio()->handleHardwareDisconnectSignal();
            QVERIFY(backOnTheWelcomePage());
        }
    }

    void aPortClosingDuringTheScanEndsIt()
    {
        auto device = startDevice(QStringLiteral("PQV-21"));
        QVERIFY(device);
        UARTInterface *uart = UARTInterface::instance();
        QSignalSpy status(uart, &UARTInterface::uartDeviceConnectStatus);
        // The device goes away right after naming itself, before the scan's next tick.
        const QMetaObject::Connection goAway =
            connect(uart, &UARTInterface::uartSendDeviceIdSn, this, [&device] { device->hangUp(); });
        welcome()->handleSerialConnectionSignal(device->portName(), WelcomeService::kBaudIndexScan);
        QTRY_VERIFY_WITH_TIMEOUT(!status.isEmpty(), kConnectTimeoutMs);
        disconnect(goAway);
        QTest::qWait(2 * UARTInterface::kSlowScanTickMs); // no tick may follow
        QCOMPARE(status.count(), 1);
        QCOMPARE(testsupport::statusOf(status.first()), std::make_pair(false, 4097));
        QVERIFY(messageShown(4097, QStringLiteral("UART connection failed")));
        QVERIFY(backOnTheWelcomePage());
        QVERIFY(!welcome()->isConnecting() && !uart->isBusy());
    }

    void bluetoothModelNeverNamedReleasesTheLinkAndSaysSo()
    {
        using namespace testsupport;
        using namespace DeviceCommand;
        namespace profile = DeviceBleProfile;
        buffer()->resetAll();
        studio()->setConnectType(DriverTypes::CONNECT_BLE);
        DataHandlerService::instance(DriverTypes::CONNECT_BLE);
        auto *gatt = new FakeGattService;
        gatt->addDeviceProfile();
        QByteArray spoilt = reply(CMD_GET_DEVICE_MODEL, modelReply("PQV-21"));
        spoilt[spoilt.size() - 3] = char(~uint8_t(spoilt.at(spoilt.size() - 3)));
        gatt->setReadValue(profile::kDeviceModel, spoilt);
        QPointer<FakeGattService> alive(gatt);
        BLEInterface::instance()->attachService(gatt);
        QVERIFY(welcome()->isConnecting());
        const QBluetoothUuid model(profile::kDeviceModel);
        // Asked again while the link lasts, then given up.
        QTRY_COMPARE_WITH_TIMEOUT(alive ? int(alive->reads.count(model)) : -1, WelcomeService::kModelRequests,
                                  kConnectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(8193, QStringLiteral("Bluetooth connection failed")), kConnectTimeoutMs);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive.isNull()); // the transport let its service go
        QVERIFY(backOnTheWelcomePage());
        QVERIFY(!welcome()->isConnecting());
        studio()->setConnectType(DriverTypes::CONNECT_UART);
        DataHandlerService::instance(DriverTypes::CONNECT_UART);
    }

    void linkLossReturnsToTheWelcomePageAndWritesTheSeries()
    {
        auto device = startDevice(QStringLiteral("HQV-66"));
        QVERIFY(device);
        welcome()->handleSerialConnectionSignal(device->portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), QStringLiteral("HQV-66"), kConnectTimeoutMs);
        QVERIFY(m_app->isVisible(QStringLiteral("function_ui")));
        // A timed series is running when the line goes dead.
        testsupport::removeSavedFiles(QStringLiteral("*.csv"));
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
        QTRY_COMPARE_WITH_TIMEOUT(append.count(), 1, kConnectTimeoutMs);
        QVERIFY(studio()->isMeasuring());

        device->hangUp();
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4099, QStringLiteral("UART disconnected")), kReplyTimeoutMs);
        QVERIFY(backOnTheWelcomePage());
        QVERIFY(!studio()->isAuto() && !studio()->isMeasuring());
        QCOMPARE(studio()->testTimer(), 0);
        // The series collected so far was written, one column per sample taken.
        const QStringList files = testsupport::savedFiles(QStringLiteral("HQV-66_CustomizedTest_*.csv"));
        QCOMPARE(files.size(), 1);
        const QStringList lines = testsupport::csvLines(files.first());
        QVERIFY(lines.size() > 400);
        QVERIFY(lines.first().startsWith(testsupport::kBom + "Time,"));
        QCOMPARE(lines.first().count(QLatin1Char(',')), append.count());
    }

    void bluetoothLinkAsksForTheSettingsMeasuresAndReturnsOnLoss()
    {
        using namespace testsupport;
        using namespace DeviceCommand;
        namespace profile = DeviceBleProfile;
        using Writes = QList<FakeGattService::Write>;
        // What handleBleConnectionSignal prepares, then the device's service as the
        // transport finds it once connected.
        buffer()->resetAll();
        studio()->setConnectType(DriverTypes::CONNECT_BLE);
        DataHandlerService::instance(DriverTypes::CONNECT_BLE);
        auto *gatt = new FakeGattService;
        gatt->addDeviceProfile();
        gatt->setReadValue(profile::kWlRange, reply(CMD_GET_WL_RANGE, rangeReply(380, 780)));
        gatt->setReadValue(profile::kDeviceModel, reply(CMD_GET_DEVICE_MODEL, modelReply("PQV-21")));
        QPointer<FakeGattService> alive(gatt);
        BLEInterface::instance()->attachService(gatt);
        const auto uuids = [](std::initializer_list<QString> list) {
            QList<QBluetoothUuid> result;
            for (const QString &uuid : list)
                result << QBluetoothUuid(uuid);
            return result;
        };
        QCOMPARE(gatt->reads, uuids({profile::kWlRange, profile::kExpoMode, profile::kCie2015, profile::kGainMode,
                                     profile::kGainValue, profile::kDeviceModel}));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), QStringLiteral("PQV-21"), kReplyTimeoutMs);
        QCOMPARE(int(buffer()->getWlLength()), 401);
        checkOnTheModePageOf(QStringLiteral("PQV-21"));

        // A snapshot switches the spectrum stream on, and off again once a spectrum came.
        const QBluetoothUuid stream(profile::kSpectrumStream);
        const Writes on{{stream, profile::kNotifyOn}}, off{{stream, profile::kNotifyOff}};
        gatt->descriptorWrites.clear();
        studio()->handleManualSpectrumSignal();
        QVERIFY(studio()->isSingle());
        QCOMPARE(gatt->descriptorWrites, on);
        const int words = int(findModelInfo(QStringLiteral("PQV-21")).plain.size());
        const auto spectrum = [words](uint8_t code) {
            return reply(code, spectrumFrameBody(0, 20000, QVector<float>(words, 1.0f), plainSpectrum(2, rampSamples(401))));
        };
        gatt->deliverNotification(profile::kSpectrumStream, spectrum(CMD_SINGLE_SPECTRUM));
        QVERIFY(!studio()->isSingle());
        QCOMPARE(gatt->descriptorWrites, on + off);
        QCOMPARE(buffer()->expoTime(), 20000u);
        QCOMPARE(buffer()->sourceSpectrum().at(400), 4.0);

        // Settings are written to their characteristic, then read back from it.
        gatt->writes.clear();
        gatt->reads.clear();
        studio()->handleSetExposeTimeSignal(12.5f);
        studio()->handleSetFlickerGainSignal(3);
        QCOMPARE(gatt->writes,
                 (Writes{{QBluetoothUuid(profile::kExpoTime), DeviceFrame::build(CMD_SET_EXPO_TIME, QByteArray::fromHex("d4300000"))},
                         {QBluetoothUuid(profile::kGainMode), DeviceFrame::build(CMD_SET_GAIN_MODE, QByteArray(1, 0))},
                         {QBluetoothUuid(profile::kGainValue), DeviceFrame::build(CMD_SET_GAIN_VALUE, QByteArray(1, 2))}}));
        QCOMPARE(gatt->reads, uuids({profile::kExpoTime, profile::kGainValue, profile::kGainMode}));

        // Continuous measurement is the stream switched on until the user stops it.
        gatt->descriptorWrites.clear();
        studio()->handleAutoSpectrumSignal();
        QVERIFY(studio()->isAuto());
        QCOMPARE(gatt->descriptorWrites, on);
        gatt->deliverNotification(profile::kSpectrumStream, spectrum(CMD_SPECTRUM_PUSH));
        QVERIFY(studio()->isAuto()); // a spectrum does not end continuous measurement

        // The link drops while measuring: back to the welcome page with its code.
        emit BLEInterface::instance()->bleDeviceConnectStatus(false, DriverTypes::BLE_DISCONNECTED);
        QVERIFY(messageShown(8195, QStringLiteral("Bluetooth disconnected")));
        QVERIFY(backOnTheWelcomePage());
        QVERIFY(!studio()->isAuto() && !studio()->isMeasuring());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alive.isNull()); // the transport let its service go
        studio()->setConnectType(DriverTypes::CONNECT_UART);
        DataHandlerService::instance(DriverTypes::CONNECT_UART);
    }

    void bleDeviceListTakesOnlyTheFamilyOnce()
    {
        welcome()->clearBleDevices();
        QSignalSpy changed(welcome(), &WelcomeService::bleDevicesChanged);
        for (const char *name : {"RQM-0001", "rqm-0002", "XRQM-0003", "RQM-0001", "RQM-0004"})
            emit BLEInterface::instance()->bleScanDeviceName(QLatin1String(name));
        QCOMPARE(welcome()->property("bleDevices").toStringList(), (QStringList{"RQM-0001", "RQM-0004"}));
        QCOMPARE(changed.count(), 2);
        // A new scan empties the list first, once.
        welcome()->handleBleScanSignal();
        QCOMPARE(welcome()->bleDevices(), QStringList());
        welcome()->handleBleScanSignal();
        QCOMPARE(changed.count(), 3);
    }

    void languageSwitchLoadsTheCataloguesAndRetranslates()
    {
        std::unique_ptr<QObject> probe = translationProbe();
        QVERIFY(probe);
        welcome()->handleLanguageSignal(QStringLiteral("de"));
        QCOMPARE(welcome()->language(), QStringLiteral("de"));
        QCOMPARE(probe->property("name").toString(), QStringLiteral("Vantorel Spektralstudio"));
        QCOMPARE(probe->property("message").toString(), QStringLiteral("UART-Verbindung getrennt"));
        QCOMPARE(QCoreApplication::translate("SaveService", "Unknown save type."), QStringLiteral("Unbekannter Speichertyp."));
        // An unknown code warns and falls back to the source texts.
        QTest::ignoreMessage(QtWarningMsg, "Failed to load App translator. File not found: "
                                           ":/qt/qml/UIVantorelContent/i18n/qml_pt.qm");
        QTest::ignoreMessage(QtWarningMsg, "Failed to load Brand translator. File not found: "
                                           ":/qt/qml/BrandConfig/i18n/brand_pt.qm");
        welcome()->handleLanguageSignal(QStringLiteral("pt"));
        QCOMPARE(probe->property("name").toString(), QStringLiteral("Vantorel Spectral Studio"));
        QCOMPARE(QCoreApplication::translate("SaveService", "Unknown save type."), QStringLiteral("Unknown save type."));
        // The same code again neither reloads nor warns.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Failed to load")));
        welcome()->handleLanguageSignal(QStringLiteral("pt"));
        welcome()->handleLanguageSignal(QStringLiteral("en"));
        QCOMPARE(probe->property("name").toString(), QStringLiteral("Vantorel Spectral Studio"));
    }

    void startupLanguageFollowsTheSystemLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << "de_DE.UTF-8" << "language=de de=Unbekannter Speichertyp. ui=de";
        QTest::newRow("Portuguese") << "pt_BR.UTF-8" << "language=pt de=Unknown save type. ui=pt";
    }

    void startupLanguageFollowsTheSystemLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        // This program again, under that locale, reporting what it started with.
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kLanguageChild), QStringLiteral("1"));
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("LANG"), locale);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(testsupport::kHungChildMs));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), expected);
        QCOMPARE(child.readAllStandardError().contains("Failed to load App translator"),
                 expected.contains(QStringLiteral("pt")));
    }

    // Last, as it ends the session. The window closes with the device connected and the
    // session ends as main()'s does: the device is told to stop and the port's lock file goes.
    void quittingStopsTheDeviceAndReleasesThePort()
    {
        auto device = startDevice(QStringLiteral("PQV-21"));
        QVERIFY(device);
        welcome()->handleSerialConnectionSignal(device->portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), QStringLiteral("PQV-21"), kConnectTimeoutMs);
        const QString lock = testsupport::serialLockFile(device->portName());
        QVERIFY2(!lock.isEmpty(), qPrintable(device->portName()));
        const qsizetype sent = device->receivedFrames().size();

        m_app->window()->close();
        m_app.reset();
        QTRY_COMPARE_WITH_TIMEOUT(device->receivedFrames().mid(sent), QList<QByteArray>{DeviceFrame::build(4, {})},
                                  kReplyTimeoutMs);
        QVERIFY(!QFile::exists(lock));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kLanguageChild)) {
        QStandardPaths::setTestModeEnabled(true);
        return runLanguageChild();
    }
    TestConnectionRoad test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_connection_road.moc"
