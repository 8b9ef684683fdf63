// Connecting through the welcome page's back end to the simulated spectrometer: the
// settings requests after a connect, the model's features, the page switch, failures,
// link loss, the Bluetooth LE device list and the language switch.
#include "RunningApplication.h"
#include "TemporaryHome.h"
#include "SimulatedDevice.h"

#include "catalog/ParameterCatalog.h"
#include "protocol/DeviceFrame.h"
#include "services/StudioService.h"
#include "services/WelcomeService.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"

#include <QGuiApplication>
#include <QProcess>
#include <QQmlComponent>
#include <QQuickWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using simdevice::DeviceState;
using simdevice::SimulatedDevice;
using testsupport::RunningApplication;

namespace {

const char kLanguageChild[] = "CONNECTION_TEST_LANGUAGE_CHILD";

QList<int> codesOf(const QList<QByteArray> &frames)
{
    QList<int> codes;
    for (const QByteArray &frame : frames)
        codes << int(uint8_t(frame.at(5)));
    return codes;
}

// The requests a freshly connected device must receive, in order, byte for byte.
QList<QByteArray> initialRequests()
{
    return {DeviceFrame::build(15, {}), DeviceFrame::build(11, {}), DeviceFrame::build(55, {}),
            DeviceFrame::build(59, {}), DeviceFrame::build(57, {}),
            DeviceFrame::build(8, QByteArray(1, char(0x20)))};
}

DeviceState deviceState(const QString &model, int baud)
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
    return state;
}

// Child process: report which catalogues the start-up language loaded.
int runLanguageChild()
{
    RunningApplication app;
    if (!app.start())
        return 2;
    QTest::qWait(100); // the language switch is queued to the first event-loop pass
    QTextStream(stdout) << "language=" << app.welcome()->language() << " de="
                        << QCoreApplication::translate("SaveService", "Unknown save type.")
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
        QObject *box = m_app->find(QStringLiteral("messageDialog"));
        if (!box || !box->property("visible").toBool())
            return false;
        const QString message = box->property("boxMessage").toString();
        return message == QString::number(code) || message == text;
    }

    void hideMessage()
    {
        if (QObject *box = m_app->find(QStringLiteral("messageDialog"))) {
            box->setProperty("visible", false);
            box->setProperty("boxMessage", QString());
        }
    }

    bool onWelcomePage() const
    {
        return m_app->isVisible(QStringLiteral("welcome"))
            && !m_app->isVisible(QStringLiteral("function_ui"))
            && !m_app->isVisible(QStringLiteral("dynamicLoader"));
    }

    void checkConnectedTo(const SimulatedDevice &device, const QString &model)
    {
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), model, 8000);
        // The requests after the handshake, in their order.
        const QList<QByteArray> frames = device.receivedFrames();
        QVERIFY2(frames.size() >= 6, qPrintable(QString::number(frames.size())));
        QCOMPARE(frames.mid(frames.size() - 6), initialRequests());
        QCOMPARE(codesOf(frames.mid(0, 2)), (QList<int>{4, 8})); // the handshake

        // The replies reached the store.
        QCOMPARE(int(buffer()->getWlLength()), 401);
        QCOMPARE(buffer()->getWl().first(), 380.0);
        QCOMPARE(buffer()->expoMode(), 0u);
        QCOMPARE(buffer()->cie2015(), 2u);
        QCOMPARE(int(buffer()->gainValue()), 2);
        QCOMPARE(buffer()->gainMode(), true);

        // The model reply reloaded the model's features and switched to the mode page.
        QCOMPARE(studio()->features(), findModelInfo(model).function);
        QVERIFY(!m_app->isVisible(QStringLiteral("welcome")));
        QVERIFY(m_app->isVisible(QStringLiteral("function_ui")));
        QVERIFY(!m_app->isVisible(QStringLiteral("dynamicLoader")));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        if (screen.width() < 776 || screen.height() < 720) {
            QTRY_VERIFY(m_app->window()->windowStates() & Qt::WindowMaximized);
        } else {
            QCOMPARE(m_app->window()->width(), 776);
            QCOMPARE(m_app->window()->height(), 720);
        }
    }

    void disconnectAndCheckWelcome()
    {
        studio()->handleHardwareDisconnectSignal();
        QVERIFY(onWelcomePage());
        QVERIFY(!(m_app->window()->windowStates() & Qt::WindowMaximized));
        QCOMPARE(m_app->window()->width(), 672);
        QCOMPARE(m_app->window()->height(), 390);
        QCOMPARE(buffer()->deviceModel(), QString());
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        m_app = std::make_unique<RunningApplication>();
        QVERIFY(m_app->start());
        QVERIFY(studio());
        QVERIFY(welcome());
        QVERIFY(buffer());
        QTest::qWait(50); // let the start-up language switch run
    }

    void cleanupTestCase() { m_app.reset(); }

    void init() { hideMessage(); }

    void fixedRateConnectAsksForTheSettingsInOrder()
    {
        SimulatedDevice device(deviceState(QStringLiteral("PQV-21"), 115200));
        QVERIFY2(device.start(), qPrintable(device.errorString()));
        QSignalSpy features(studio(), &StudioService::featuresChanged);
        welcome()->handleSerialConnectionSignal(device.portName(), 0);
        QCOMPARE(studio()->connectType(), DriverTypes::CONNECT_UART);
        checkConnectedTo(device, QStringLiteral("PQV-21"));
        QVERIFY(studio()->features().value(QStringLiteral("absorbance")).toBool());
        QVERIFY(!studio()->features().value(QStringLiteral("raman")).toBool());
        QVERIFY(features.count() >= 1);
        QVERIFY(!messageShown(0, QStringLiteral("OK")));
        disconnectAndCheckWelcome();
        // The disconnect stopped the device before closing.
        QTRY_COMPARE(codesOf(device.receivedFrames()).last(), 4);
    }

    void scanFindsTheRateAndAsksForTheSettingsInOrder()
    {
        SimulatedDevice device(deviceState(QStringLiteral("TQV-12"), 9600));
        QVERIFY2(device.start(), qPrintable(device.errorString()));
        welcome()->handleSerialConnectionSignal(device.portName(), WelcomeService::kBaudIndexScan);
        checkConnectedTo(device, QStringLiteral("TQV-12"));
        QVERIFY(!studio()->features().value(QStringLiteral("photometry")).toBool());
        QVERIFY(studio()->features().value(QStringLiteral("transmittance")).toBool());
        disconnectAndCheckWelcome();
    }

    void silentDeviceShowsTheFailureAndSendsNoRequests()
    {
        SimulatedDevice device(deviceState(QStringLiteral("PQV-21"), 115200));
        QVERIFY(device.start());
        device.setSilent(true);
        welcome()->handleSerialConnectionSignal(device.portName(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4097, QStringLiteral("UART connection failed")), 5000);
        QCOMPARE(m_app->find(QStringLiteral("messageDialog"))->property("boxTitle").toString(),
                 QStringLiteral(" "));
        QVERIFY(onWelcomePage());
        QVERIFY(device.framesWithCode(15).isEmpty());
        QCOMPARE(buffer()->deviceModel(), QString());
    }

    void invalidBaudIndexConnectsNothing()
    {
        SimulatedDevice device(deviceState(QStringLiteral("PQV-21"), 115200));
        QVERIFY(device.start());
        welcome()->handleSerialConnectionSignal(device.portName(), 8);
        welcome()->handleSerialConnectionSignal(device.portName(), -1);
        QTest::qWait(300);
        QVERIFY(device.receivedFrames().isEmpty());
    }

    void linkLossReturnsToTheWelcomePageWithItsCode()
    {
        SimulatedDevice device(deviceState(QStringLiteral("HQV-66"), 115200));
        QVERIFY(device.start());
        welcome()->handleSerialConnectionSignal(device.portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), QStringLiteral("HQV-66"), 8000);
        QVERIFY(m_app->isVisible(QStringLiteral("function_ui")));
        // A timed series is running when the line goes dead.
        for (const QString &path : RunningApplication::savedFiles(QStringLiteral("*.csv")))
            QFile::remove(path);
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
        QTRY_COMPARE_WITH_TIMEOUT(append.count(), 1, 7000);
        QVERIFY(studio()->isMeasuring());

        device.hangUp();
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4099, QStringLiteral("UART disconnected")), 5000);
        QVERIFY(onWelcomePage());
        QCOMPARE(m_app->window()->width(), 672);
        QCOMPARE(m_app->window()->height(), 390);
        QCOMPARE(buffer()->deviceModel(), QString());
        QVERIFY(!studio()->isAuto());
        QVERIFY(!studio()->isMeasuring());
        QCOMPARE(studio()->testTimer(), 0);
        // The series collected so far was written.
        const QStringList files =
            RunningApplication::savedFiles(QStringLiteral("HQV-66_CustomizedTest_*.csv"));
        QCOMPARE(files.size(), 1);
        const QStringList lines = RunningApplication::csvLines(files.first());
        QVERIFY(lines.size() > 400);
        QVERIFY(lines.first().startsWith(QLatin1String("Time,")));
        QCOMPARE(lines.first().count(QLatin1Char(',')), 1);
    }

    void bleConnectWithoutAdapterFailsWithItsCode()
    {
        welcome()->handleBleConnectionSignal(QStringLiteral("RQM-0001"));
        QCOMPARE(studio()->connectType(), DriverTypes::CONNECT_BLE);
        QTRY_VERIFY_WITH_TIMEOUT(
            messageShown(8193, QStringLiteral("Bluetooth connection failed"))
                || messageShown(8194, QStringLiteral("Failed to create Bluetooth service")),
            5000);
        QVERIFY(onWelcomePage());
    }

    void bleDeviceListTakesOnlyTheFamilyOnce()
    {
        welcome()->clearBleDevices();
        QSignalSpy changed(welcome(), &WelcomeService::bleDevicesChanged);
        BLEInterface *ble = BLEInterface::instance();
        emit ble->bleScanDeviceName(QStringLiteral("RQM-0001"));
        emit ble->bleScanDeviceName(QStringLiteral("rqm-0002"));
        emit ble->bleScanDeviceName(QStringLiteral("XRQM-0003"));
        emit ble->bleScanDeviceName(QStringLiteral("RQM-0001"));
        emit ble->bleScanDeviceName(QStringLiteral("RQM-0004"));
        QCOMPARE(welcome()->bleDevices(),
                 (QStringList{QStringLiteral("RQM-0001"), QStringLiteral("RQM-0004")}));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(welcome()->property("bleDevices").toStringList(), welcome()->bleDevices());

        // A new scan empties the list first, once.
        welcome()->handleBleScanSignal();
        QCOMPARE(welcome()->bleDevices(), QStringList());
        QCOMPARE(changed.count(), 3);
        welcome()->handleBleScanSignal();
        QCOMPARE(changed.count(), 3);
    }

    void languageSwitchLoadsTheCataloguesAndRetranslates()
    {
        QQmlComponent component(&m_app->engine());
        component.setData("import QtQuick\nimport BrandConfig\n"
                          "QtObject { property string name: BrandConfig.softwareName\n"
                          "           property string message: qsTranslate(\"Main\", \"UART disconnected\") }",
                          QUrl());
        std::unique_ptr<QObject> probe(component.create());
        QVERIFY2(probe, qPrintable(component.errorString()));

        welcome()->handleLanguageSignal(QStringLiteral("de"));
        QCOMPARE(welcome()->language(), QStringLiteral("de"));
        QCOMPARE(probe->property("name").toString(), QStringLiteral("Vantorel Spektralstudio"));
        QCOMPARE(probe->property("message").toString(), QStringLiteral("UART-Verbindung getrennt"));
        QCOMPARE(QCoreApplication::translate("SaveService", "Unknown save type."),
                 QStringLiteral("Unbekannter Speichertyp."));

        welcome()->handleLanguageSignal(QStringLiteral("zh"));
        QCOMPARE(probe->property("name").toString(), QString::fromUtf8("Vantorel 光谱工作室"));
        welcome()->handleLanguageSignal(QStringLiteral("fr"));
        QCOMPARE(probe->property("message").toString(), QString::fromUtf8("UART déconnecté"));
        welcome()->handleLanguageSignal(QStringLiteral("en"));
        QCOMPARE(probe->property("name").toString(), QStringLiteral("Vantorel Spectral Studio"));
    }

    void unknownLanguageWarnsAndFallsBackToTheSourceTexts()
    {
        QQmlComponent component(&m_app->engine());
        component.setData("import QtQuick\nimport BrandConfig\n"
                          "QtObject { property string name: BrandConfig.softwareName }",
                          QUrl());
        std::unique_ptr<QObject> probe(component.create());
        QVERIFY(probe);
        welcome()->handleLanguageSignal(QStringLiteral("de"));
        QCOMPARE(probe->property("name").toString(), QStringLiteral("Vantorel Spektralstudio"));

        QTest::ignoreMessage(QtWarningMsg,
                             "Failed to load App translator. File not found: "
                             ":/qt/qml/UIVantorelContent/i18n/qml_pt.qm");
        QTest::ignoreMessage(QtWarningMsg,
                             "Failed to load Brand translator. File not found: "
                             ":/qt/qml/BrandConfig/i18n/brand_pt.qm");
        welcome()->handleLanguageSignal(QStringLiteral("pt"));
        QCOMPARE(probe->property("name").toString(), QStringLiteral("Vantorel Spectral Studio"));
        QCOMPARE(QCoreApplication::translate("SaveService", "Unknown save type."),
                 QStringLiteral("Unknown save type."));

        // The same code again neither reloads nor warns.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Failed to load")));
        welcome()->handleLanguageSignal(QStringLiteral("pt"));
    }

    void startupLanguageFollowsTheSystemLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << "de_DE.UTF-8"
                                << "language=de de=Unbekannter Speichertyp. ui=de";
        QTest::newRow("Portuguese") << "pt_BR.UTF-8"
                                    << "language=pt de=Unknown save type. ui=pt";
    }

    void startupLanguageFollowsTheSystemLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(kLanguageChild), QStringLiteral("1"));
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("LANG"), locale);
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), expected);
        const QString warnings = QString::fromUtf8(child.readAllStandardError());
        QCOMPARE(warnings.contains(QStringLiteral("Failed to load App translator")),
                 expected.contains(QStringLiteral("pt")));
    }
};

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(kLanguageChild)) {
        QApplication app(argc, argv);
        QStandardPaths::setTestModeEnabled(true);
        return runLanguageChild();
    }
    QApplication app(argc, argv);
    TestConnectionRoad test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_connection_road.moc"
