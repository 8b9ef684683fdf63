// The welcome page in the running application, driven with the mouse: language and theme,
// connecting the simulated spectrometer at a fixed rate and by the baud scan, the messages
// of failed connections, the Bluetooth device list, and the start-up language.
#include "LocaleChild.h"
#include "RunningApplication.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "TemporaryHome.h"

#include "control/StudioService.h"
#include "welcome/WelcomeService.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"
#include "transport/UARTInterface.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using testsupport::RunningApplication;

namespace {

const char kStartupChild[] = "WELCOME_PAGE_TEST_STARTUP_CHILD";

// Generous bounds for the device, the baud scan and the first frames on a loaded machine;
// a passing wait ends as soon as it can.
constexpr int kConnectTimeoutMs = 30000;
constexpr int kUiTimeoutMs = 10000;

// The page's translated texts: (source, disambiguation).
const QList<QPair<const char *, const char *>> kPageTexts{
    {"Theme", nullptr},           {"Light", nullptr},          {"Serial Connection", nullptr},
    {"Scan", nullptr},            {"Port ID", nullptr},        {"Baud Rate", nullptr},
    {"Auto", nullptr},            {"Open", "connect Serial"}, {"Bluetooth", nullptr},
    {"Scan Bluetooth", nullptr},  {"No Bluetooth devices found", nullptr},
    {"Open", "Bluetooth connection button"}};

QStringList visibleTextsBelow(QQuickItem *root)
{
    QStringList texts;
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children) {
        if (!child->isVisible())
            continue;
        const QVariant text = child->property("text");
        if (text.isValid() && !text.toString().isEmpty())
            texts << text.toString();
        const QVariant shown = child->property("displayText");
        if (shown.isValid() && !shown.toString().isEmpty())
            texts << shown.toString();
        texts << visibleTextsBelow(child);
    }
    return texts;
}

// Child process: the page's language choice at start-up under the inherited locale.
int runStartupChild()
{
    RunningApplication app;
    if (!app.start())
        return 2;
    QObject *language = app.find(QStringLiteral("switchLanguage"));
    QObject *scan = app.find(QStringLiteral("scanSerialButton"));
    QObject *translate = qmlContext(app.window())->objectForName(QStringLiteral("translate"));
    if (!language || !scan || !translate)
        return 3;
    // The back end's own switch runs on the first pass of the event loop.
    QDeadlineTimer deadline(kUiTimeoutMs);
    while (app.welcome()->language().isEmpty() && !deadline.hasExpired())
        QTest::qWait(20);
    QTextStream(stdout) << "index=" << language->property("currentIndex").toInt()
                        << " modifier=" << translate->property("modifier").toInt()
                        << " scan=" << scan->property("text").toString() << Qt::endl;
    return 0;
}

} // namespace

class TestWelcomePage : public QObject
{
    Q_OBJECT
    std::unique_ptr<RunningApplication> m_app;

    WelcomeService *welcome() const { return m_app->welcome(); }
    QQuickItem *item(const char *name) const
    {
        return qobject_cast<QQuickItem *>(m_app->find(QLatin1String(name)));
    }
    QObject *translate() const { return qmlContext(m_app->window())->objectForName(QStringLiteral("translate")); }
    Theme *theme() const
    {
        return qobject_cast<Theme *>(m_app->engine().rootContext()->contextProperty(QStringLiteral("theme")).value<QObject *>());
    }

    void click(QQuickItem *target)
    {
        QVERIFY(target);
        // After a window resize the layout follows a little later.
        const auto centre = [target] {
            return target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
        };
        QTRY_VERIFY_WITH_TIMEOUT(target->isVisible() && target->width() > 0
                                     && QRectF(QPointF(), m_app->window()->size()).contains(centre()),
                                 kUiTimeoutMs);
        QTest::mouseClick(m_app->window(), Qt::LeftButton, Qt::NoModifier, centre().toPoint());
    }

    // Opens the combo's list and clicks its entry, as a person picks one.
    void choose(const char *comboName, int index)
    {
        QQuickItem *combo = item(comboName);
        QVERIFY(combo);
        click(combo);
        auto *popup = combo->property("popup").value<QObject *>();
        QVERIFY(popup);
        QTRY_VERIFY_WITH_TIMEOUT(popup->property("opened").toBool(), kUiTimeoutMs);
        auto *list = popup->property("contentItem").value<QQuickItem *>();
        QVERIFY(list);
        QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, index), Q_ARG(int, 4 /* Contain */));
        QQuickItem *row = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row),
                                                           Q_ARG(int, index)) && row,
                                 kUiTimeoutMs);
        click(row);
        QTRY_VERIFY_WITH_TIMEOUT(!popup->property("visible").toBool(), kUiTimeoutMs);
        QCOMPARE(combo->property("currentIndex").toInt(), index);
    }

    QQuickItem *bleRow(int index) const
    {
        QQuickItem *row = nullptr;
        QMetaObject::invokeMethod(item("bleList"), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row), Q_ARG(int, index));
        return row;
    }

    // The message box shows a code either as written or as the text it maps it to.
    bool messageShown(int code, const char *text) const
    {
        QObject *box = m_app->find(QStringLiteral("messageDialog"));
        const QString message = box ? box->property("boxMessage").toString() : QString();
        return box && box->property("visible").toBool()
            && (message == QString::number(code) || message == QCoreApplication::translate("Main", text));
    }

    void setPortList(const QStringList &ports)
    {
        item("selectSerialPortComboBox")->setProperty("model", ports);
    }

    bool connectControlsEnabled() const
    {
        return item("connectSerialButton")->isEnabled() && item("connectBleButton")->isEnabled()
            && item("scanSerialButton")->isEnabled() && item("scanBleButton")->isEnabled();
    }

    // Opens the port at the chosen baud entry and waits until the device's model is known.
    void connectFromThePage(const simdevice::SimulatedDevice &device, int baudEntry, const QString &model)
    {
        setPortList({device.portName()});
        choose("selectSerialBaudComboBox", baudEntry);
        QSignalSpy enabled(item("connectSerialButton"), SIGNAL(enabledChanged()));
        click(item("connectSerialButton"));
        QTRY_COMPARE_WITH_TIMEOUT(m_app->dataBuffer()->deviceModel(), model, kConnectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!m_app->isVisible(QStringLiteral("welcome")), kUiTimeoutMs);
        QVERIFY(m_app->isVisible(QStringLiteral("function_ui")));
        // The button was off while the attempt ran, and is on again.
        QVERIFY(enabled.count() >= 2);
        QVERIFY(connectControlsEnabled());
        m_app->studio()->handleHardwareDisconnectSignal();
        QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible(QStringLiteral("welcome")), kUiTimeoutMs);
    }

    void checkPageLanguage(int index, const QStringList &expected)
    {
        QCOMPARE(item("switchLanguage")->property("currentIndex").toInt(), index);
        QCOMPARE(translate()->property("modifier").toInt(), index);
        const QString code = QStringList{"zh", "en", "de", "fr"}.at(index);
        QCOMPARE(m_app->engine().uiLanguage(), code);
        QCOMPARE(welcome()->language(), code);
        const QStringList shown{item("scanSerialButton")->property("text").toString(),
                                item("connectSerialButton")->property("text").toString(),
                                item("connectBleButton")->property("text").toString(),
                                item("switchTheme")->property("displayText").toString(),
                                item("selectSerialBaudComboBox")->property("displayText").toString(),
                                item("noBleDevicesLabel")->property("text").toString()};
        QCOMPARE(shown, expected);
        // Labels in one column, fields in another: both fields start at one place and are as
        // wide as each other, whatever the labels' lengths.
        QQuickItem *port = item("selectSerialPortComboBox");
        QQuickItem *baud = item("selectSerialBaudComboBox");
        QTRY_COMPARE(port->mapToScene(QPointF()).x(), baud->mapToScene(QPointF()).x());
        QCOMPARE(port->width(), baud->width());
        QVERIFY(port->width() >= 150);
        // Every text of the page is shown in its translation, none in the English source.
        const QStringList texts = visibleTextsBelow(item("welcome"));
        for (const auto &[source, comment] : kPageTexts) {
            const QString translated = QCoreApplication::translate("Welcome", source, comment);
            QVERIFY2(texts.contains(translated), source);
            if (translated != QLatin1String(source))
                QVERIFY2(!texts.contains(QLatin1String(source)), source);
        }
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        m_app = std::make_unique<RunningApplication>();
        QVERIFY(m_app->start());
        QVERIFY(QTest::qWaitForWindowExposed(m_app->window()));
        QVERIFY(item("welcome") && translate() && theme());
        QTRY_COMPARE_WITH_TIMEOUT(welcome()->language(), QStringLiteral("en"), kUiTimeoutMs);
    }

    void cleanupTestCase() { m_app.reset(); }

    void init()
    {
        if (QObject *box = m_app->find(QStringLiteral("messageDialog"))) {
            box->setProperty("visible", false);
            box->setProperty("boxMessage", QString());
        }
    }

    void languageChoiceRetranslatesThePage()
    {
        checkPageLanguage(1, {"Scan", "Open", "Open", "Light", "Auto", "No Bluetooth devices found"});
        choose("switchLanguage", 2);
        checkPageLanguage(2, {"Scannen", "Öffnen", "Öffnen", "Hell", "Auto", "Keine Bluetooth-Geräte gefunden"});
        choose("switchLanguage", 3);
        checkPageLanguage(3, {"Scanner", "Ouvrir", "Ouvrir", "Clair", "Auto", "Aucun appareil Bluetooth trouvé"});
        choose("switchLanguage", 0);
        checkPageLanguage(0, {"扫描", "串口连接", "蓝牙连接", "浅色", "自动选择", "没有发现设备"});
        // A language picked elsewhere (the menu bar) moves the combo.
        translate()->setProperty("modifier", 2);
        QCOMPARE(item("switchLanguage")->property("currentIndex").toInt(), 2);
        choose("switchLanguage", 1);
        checkPageLanguage(1, {"Scan", "Open", "Open", "Light", "Auto", "No Bluetooth devices found"});
    }

    void themeComboAndThemeFollowEachOther()
    {
        QQuickItem *combo = item("switchTheme");
        QCOMPARE(theme()->currentTheme(), 0);
        choose("switchTheme", 1);
        QCOMPARE(theme()->currentTheme(), 1);
        QCOMPARE(item("welcome")->property("color").value<QColor>(), theme()->background());
        // Chosen elsewhere (the menu bar): the combo follows.
        theme()->switchTheme(QStringLiteral("light"));
        QCOMPARE(combo->property("currentIndex").toInt(), 0);
        theme()->switchTheme(QStringLiteral("dark"));
        QCOMPARE(combo->property("currentIndex").toInt(), 1);

        // A language switch rebuilds the combos' lists; the choices stay.
        choose("selectSerialBaudComboBox", 5);
        choose("switchLanguage", 2);
        QCOMPARE(combo->property("currentIndex").toInt(), 1);
        QCOMPARE(combo->property("displayText").toString(), QStringLiteral("Dunkel"));
        QCOMPARE(item("selectSerialBaudComboBox")->property("currentValue").toInt(), 4);
        choose("switchLanguage", 1);
        choose("selectSerialBaudComboBox", 0);
        choose("switchTheme", 0);
        QCOMPARE(theme()->currentTheme(), 0);
    }

    void connectsAtAFixedRateAndByTheBaudScan()
    {
        auto device = testsupport::startDevice(460800);
        QVERIFY(device);
        device->setModel(QStringLiteral("PQV-21"));
        connectFromThePage(*device, 3, QStringLiteral("PQV-21")); // "460800"
        QCOMPARE(UARTInterface::instance()->baudRate(), 460800);

        device = testsupport::startDevice(9600);
        QVERIFY(device);
        device->setModel(QStringLiteral("TQV-12"));
        connectFromThePage(*device, 0, QStringLiteral("TQV-12")); // "Auto"
        QVERIFY(!messageShown(0, "OK"));
    }

    void failedSerialConnectionsShowTheirMessage()
    {
        auto silent = testsupport::startDevice(115200);
        QVERIFY(silent);
        silent->setSilent(true);
        setPortList({silent->portName()});
        choose("selectSerialBaudComboBox", 1); // "115200"
        click(item("connectSerialButton"));
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4097, "UART connection failed"), kConnectTimeoutMs);
        QVERIFY(m_app->isVisible(QStringLiteral("welcome")));
        QTRY_VERIFY_WITH_TIMEOUT(connectControlsEnabled(), kUiTimeoutMs);

        init();
        choose("selectSerialBaudComboBox", 0); // "Auto"
        click(item("connectSerialButton"));
        // The scan runs on timers: the controls stay off until it gives up.
        QTRY_VERIFY_WITH_TIMEOUT(welcome()->isConnecting(), kUiTimeoutMs);
        QVERIFY(!item("connectSerialButton")->isEnabled() && !item("connectBleButton")->isEnabled());
        QVERIFY(!item("scanSerialButton")->isEnabled() && !item("scanBleButton")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4098, "No valid baud rate found"), kConnectTimeoutMs);
        QVERIFY(connectControlsEnabled());

        // A port that went away after the scan, one that never opens, and no port at all
        // are told as a failed connection.
        init();
        silent->hangUp();
        choose("selectSerialBaudComboBox", 1);
        click(item("connectSerialButton"));
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4097, "UART connection failed"), kConnectTimeoutMs);
        init();
        setPortList({QStringLiteral("/dev/vantorel-no-such-port")});
        click(item("connectSerialButton"));
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4097, "UART connection failed"), kConnectTimeoutMs);
        init();
        setPortList({});
        click(item("connectSerialButton"));
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4097, "UART connection failed"), kConnectTimeoutMs);
        QVERIFY(connectControlsEnabled());
        choose("selectSerialBaudComboBox", 0);
    }

    void bluetoothListChoiceAndConnectWithoutAdapter()
    {
        QQuickItem *list = item("bleList");
        QQuickItem *empty = item("noBleDevicesLabel");
        click(item("scanBleButton"));
        QCOMPARE(list->property("count").toInt(), 0);
        QVERIFY(empty->isVisible());
        // Nothing chosen yet: the transport ignores the empty name and nothing follows.
        click(item("connectBleButton"));
        QVERIFY(!welcome()->isConnecting());

        welcome()->addBleDevice(QStringLiteral("RQM-A1"));
        welcome()->addBleDevice(QStringLiteral("RQM-B2"));
        QTRY_COMPARE_WITH_TIMEOUT(list->property("count").toInt(), 2, kUiTimeoutMs);
        QVERIFY(!empty->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(bleRow(1), kUiTimeoutMs);
        click(bleRow(1));
        QCOMPARE(list->property("selectedDevice").toString(), QStringLiteral("RQM-B2"));
        QVERIFY(bleRow(1)->property("checked").toBool());
        QVERIFY(!bleRow(0)->property("checked").toBool());
        click(bleRow(1)); // a second click keeps the choice shown
        QVERIFY(bleRow(1)->property("checked").toBool());

        // No adapter on this machine: the attempt fails with its message.
        click(item("connectBleButton"));
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(8193, "Bluetooth connection failed")
                                     || messageShown(8194, "Failed to create Bluetooth service"),
                                 kConnectTimeoutMs);
        QVERIFY(m_app->isVisible(QStringLiteral("welcome")));
        QVERIFY(connectControlsEnabled());

        // A new scan empties the list but keeps the choice, shown again when found again.
        click(item("scanBleButton"));
        QTRY_COMPARE_WITH_TIMEOUT(list->property("count").toInt(), 0, kUiTimeoutMs);
        QCOMPARE(list->property("selectedDevice").toString(), QStringLiteral("RQM-B2"));
        welcome()->addBleDevice(QStringLiteral("RQM-B2"));
        QTRY_VERIFY_WITH_TIMEOUT(bleRow(0), kUiTimeoutMs);
        QVERIFY(bleRow(0)->property("checked").toBool());
        m_app->studio()->setConnectType(DriverTypes::CONNECT_UART);
    }

    void startupLanguageFollowsTheSystemLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German") << "de_DE.UTF-8" << "index=2 modifier=2 scan=Scannen";
        QTest::newRow("Chinese, Taiwan") << "zh_TW.UTF-8" << "index=0 modifier=0 scan=扫描";
        QTest::newRow("French") << "fr_FR.UTF-8" << "index=3 modifier=3 scan=Scanner";
        QTest::newRow("Portuguese") << "pt_BR.UTF-8" << "index=1 modifier=1 scan=Scan";
    }

    void startupLanguageFollowsTheSystemLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        const testsupport::ChildRun child = testsupport::runSelfUnderLocale(kStartupChild, locale);
        QVERIFY(child.finished);
        QCOMPARE(child.exitCode, 0);
        QCOMPARE(child.output, expected);
        // The child is no Qt Test: its QML warnings would not fail this test otherwise.
        QVERIFY2(!child.errors.contains(QLatin1String(".qml")), qPrintable(child.errors));
    }
};

int main(int argc, char **argv)
{
    setStartupEnvironment();
    QApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(kStartupChild)) {
        QStandardPaths::setTestModeEnabled(true);
        return runStartupChild();
    }
    TestWelcomePage test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_welcome_page.moc"
