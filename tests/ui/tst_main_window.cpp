// The main window against the real services and the simulated spectrometer: the welcome
// page driven with the mouse (theme, language, failed connections and their messages, the
// Bluetooth list), start-up layout, the message box protocol and the save answers, the page
// router, the frame's resize limits, the mode page, the menu bar's enable rules and actions,
// and the settings dialogs.
#include "RunningApplication.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "TemporaryHome.h"
#include "UiDriver.h"
#include "UrlRecorder.h"
#include "control/StudioService.h"
#include "format/OutsideText.h"
#include "output/SaveService.h"
#include "protocol/DeviceCommand.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"
#include "transport/UARTInterface.h"
#include "welcome/WelcomeService.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtQuickTest/quicktest.h>
#include <QtTest>

using simdevice::SimulatedDevice;
using testsupport::RunningApplication;

namespace {

constexpr int kConnectTimeoutMs = 30000;
constexpr int kReplyTimeoutMs = 15000;

// Page names and the file each opens.
const QList<std::pair<QString, QString>> kPages{{"Spectrum Only", "PureSpectrum.qml"}, {"Reflectance", "Reflectance.qml"},
                                                {"Absorbance", "Absorbance.qml"},     {"Transmittance", "Transmittance.qml"},
                                                {"Studio", "Studio.qml"},             {"Raman", "Raman.qml"}};

// Generous bounds for the device, the baud scan and the first frames on a loaded machine;
// a passing wait ends as soon as it can.
constexpr int kUiTimeoutMs = 10000;

// The button with that text among the items below `item` (a button box makes its buttons
// without a QObject parent).
QQuickItem *buttonLabelled(QQuickItem *item, const QString &text)
{
    if (item->inherits("QQuickAbstractButton") && item->property("text").toString() == text)
        return item;
    for (QQuickItem *child : item->childItems())
        if (QQuickItem *found = buttonLabelled(child, text))
            return found;
    return nullptr;
}

// The item that draws `item`'s text: the item itself or the first text below it.
QQuickItem *textItemOf(QQuickItem *item)
{
    if (!item || item->inherits("QQuickText"))
        return item;
    for (QQuickItem *child : item->childItems())
        if (QQuickItem *found = textItemOf(child))
            return found;
    return nullptr;
}

// The item draws its text character for character on one line of its own font; markup would
// draw other characters in other sizes.
bool drawnAsWritten(QQuickItem *item)
{
    QQuickItem *text = textItemOf(item);
    if (!text)
        return false;
    const QFontMetricsF metrics(text->property("font").value<QFont>());
    const qreal written = metrics.horizontalAdvance(text->property("text").toString());
    const qreal width = text->property("contentWidth").toReal();
    return written > 0 && qAbs(width - written) <= 0.05 * written + 1
        && text->property("contentHeight").toReal() <= 1.5 * metrics.height();
}

// What the log said about QML modules that are not installed.
QStringList g_missingModules;
QtMessageHandler g_testLogHandler = nullptr;
void noteMissingModules(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("is not installed")))
        g_missingModules.append(message);
    g_testLogHandler(type, context, message);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
    std::unique_ptr<RunningApplication> m_app;
    std::unique_ptr<testsupport::UiDriver> m_ui;
    std::unique_ptr<SimulatedDevice> m_device;
    testsupport::UrlRecorder m_urls;
    QTemporaryDir m_dir;

    QQuickWindow *window() const { return m_app->window(); }
    StudioService *studio() const { return m_app->studio(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }
    QObject *find(const char *name) const
    {
        QObject *object = m_ui->find(QLatin1String(name));
        if (!object)
            qFatal("no object named %s", name);
        return object;
    }
    QVariant read(const char *object, const char *property) const { return find(object)->property(property); }
    bool visible(const char *object) const { return read(object, "visible").toBool(); }
    bool enabled(const char *action) const { return read(action, "enabled").toBool(); }
    bool checked(const char *action) const { return read(action, "checked").toBool(); }
    void trigger(const char *action) { QVERIFY(QMetaObject::invokeMethod(find(action), "trigger")); }
    void click(const char *button) { QVERIFY(QMetaObject::invokeMethod(find(button), "clicked")); }
    // The entry of `parent` that opens the submenu `name`, as the user sees it.
    QObject *submenuEntry(const char *parent, const char *name) const
    {
        QObject *menu = find(parent);
        QObject *subMenu = find(name);
        for (int i = 0; i < menu->property("count").toInt(); ++i) {
            QQuickItem *item = nullptr;
            QMetaObject::invokeMethod(menu, "itemAt", Q_RETURN_ARG(QQuickItem *, item), Q_ARG(int, i));
            if (item && item->property("subMenu").value<QObject *>() == subMenu)
                return item;
        }
        qFatal("no entry for %s", name);
    }
    bool submenuEnabled(const char *name) const { return submenuEntry("hardwareMenu", name)->property("enabled").toBool(); }
    QObject *box() const { return find("messageDialog"); }
    QString boxMessage() const { return box()->property("boxMessage").toString(); }
    QSize minimumSize() const { return window()->minimumSize(); }

    void pageSwitch(const QString &name) { QVERIFY(QMetaObject::invokeMethod(window(), "pageSwitch", Q_ARG(QVariant, name))); }

    // The back end's way of showing the message box.
    void writeMessage(const QVariant &message)
    {
        box()->setProperty("boxTitle", QStringLiteral(" ")), box()->setProperty("boxMessage", message);
        box()->setProperty("visible", true);
    }

    bool onModePage() const { return !m_app->isVisible("welcome") && m_app->isVisible("function_ui") && !m_app->isVisible("dynamicLoader"); }

    void connectDevice(const QString &model)
    {
        simdevice::DeviceState state;
        state.model = model;
        m_device = std::make_unique<SimulatedDevice>(state);
        QVERIFY(m_device->start());
        m_app->welcome()->handleSerialConnectionSignal(m_device->portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), model, kConnectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(onModePage(), kReplyTimeoutMs);
    }

    // The spectrum page's model line as drawn. Until the page's layout has given it its
    // width, the line keeps the width it had for the name before (an empty one after a
    // disconnect) and cuts the new name to fit that.
    QQuickItem *shownModelLine()
    {
        pageSwitch(QStringLiteral("Spectrum Only"));
        QQuickItem *line = nullptr;
        if (!QTest::qWaitFor([&] { return (line = m_ui->item(QStringLiteral("modelLine"))) && line->isVisible(); }, kUiTimeoutMs)
            || !QQuickTest::qWaitForPolish(window(), kUiTimeoutMs))
            return nullptr;
        return line;
    }

    // The mode page shows after a File > Back, whatever page was in front.
    void backToModePage()
    {
        studio()->setIsMeasuring(false);
        trigger("backAction");
        QVERIFY(onModePage());
    }

    WelcomeService *welcome() const { return m_app->welcome(); }
    QQuickItem *item(const char *name) const { return qobject_cast<QQuickItem *>(m_app->find(QLatin1String(name))); }
    QObject *translate() const { return qmlContext(m_app->window())->objectForName(QStringLiteral("translate")); }
    Theme *theme() const { return qobject_cast<Theme *>(m_app->engine().rootContext()->contextProperty("theme").value<QObject *>()); }

    void click(QQuickItem *target)
    {
        QVERIFY(target);
        // After a window resize the layout follows a little later.
        const auto centre = [target] { return target->mapToScene(QPointF(target->width() / 2, target->height() / 2)); };
        QTRY_VERIFY_WITH_TIMEOUT(
            target->isVisible() && target->width() > 0 && QRectF(QPointF(), window()->size()).contains(centre()), kUiTimeoutMs);
        QTest::mouseClick(m_app->window(), Qt::LeftButton, Qt::NoModifier, centre().toPoint());
    }

    // Opens the combo's list and clicks its entry, as a person picks one.
    void choose(const char *comboName, int index)
    {
        QQuickItem *combo = item(comboName);
        click(combo);
        auto *popup = combo->property("popup").value<QObject *>();
        QTRY_VERIFY_WITH_TIMEOUT(popup && popup->property("opened").toBool(), kUiTimeoutMs);
        auto *list = popup->property("contentItem").value<QQuickItem *>();
        QVERIFY(list);
        QMetaObject::invokeMethod(list, "positionViewAtIndex", Q_ARG(int, index), Q_ARG(int, 4 /* Contain */));
        QQuickItem *row = nullptr;
        const auto made = [&] { return QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row), Q_ARG(int, index)) && row; };
        QTRY_VERIFY_WITH_TIMEOUT(made(), kUiTimeoutMs);
        click(row);
        QTRY_VERIFY_WITH_TIMEOUT(!popup->property("visible").toBool(), kUiTimeoutMs);
        QCOMPARE(combo->property("currentIndex").toInt(), index);
    }

    QQuickItem *bleRow(int index) const
    {
        QQuickItem *row = nullptr; // null until the list has made it
        QMetaObject::invokeMethod(item("bleList"), "itemAtIndex", Q_RETURN_ARG(QQuickItem *, row), Q_ARG(int, index));
        return row;
    }

    // The message box shows a code either as written or as the text it maps it to.
    bool messageShown(int code, const char *text) const
    {
        const QString message = m_app->shownMessage();
        return message == QString::number(code) || message == QCoreApplication::translate("Main", text);
    }

    void setPortList(const QStringList &ports) { item("selectSerialPortComboBox")->setProperty("model", ports); }

    // Whether all four connect and scan buttons are `on`.
    bool connectControls(bool on) const
    {
        for (const char *name : {"connectSerialButton", "connectBleButton", "scanSerialButton", "scanBleButton"})
            if (item(name)->isEnabled() != on)
                return false;
        return true;
    }

    void checkPageLanguage(int index)
    {
        QCOMPARE(item("switchLanguage")->property("currentIndex").toInt(), index);
        QCOMPARE(translate()->property("modifier").toInt(), index);
        const QString code = QStringList{"zh", "en", "de", "fr"}.at(index);
        QCOMPARE(m_app->engine().uiLanguage(), code);
        QCOMPARE(welcome()->language(), code);
        // Labels in one column, fields in another: both fields start at one place and are as
        // wide as each other, whatever the labels' lengths.
        QQuickItem *port = item("selectSerialPortComboBox"), *baud = item("selectSerialBaudComboBox");
        QTRY_COMPARE(port->mapToScene(QPointF()).x(), baud->mapToScene(QPointF()).x());
        QVERIFY(port->width() == baud->width() && port->width() >= 150);
        // The page is retranslated: no English source left where a translation differs.
        const QString scan = QCoreApplication::translate("Welcome", "Scan");
        QCOMPARE(item("scanSerialButton")->property("text").toString(), scan);
        QCOMPARE(scan == QLatin1String("Scan"), index == 1);
    }

    // Drags the frame's edges inwards past the window's minimum: a left-edge step below it is
    // refused without moving the window, the right and bottom edges stop at it.
    void dragEdgesPast(const QSize &minimum)
    {
        window()->resize(minimum + QSize(100, 100));
        QTRY_COMPARE_WITH_TIMEOUT(window()->size(), minimum + QSize(100, 100), kUiTimeoutMs);
        const QPoint origin = window()->position();
        const auto drag = [this](QPoint from, QPoint by) {
            QTest::mousePress(window(), Qt::LeftButton, {}, from);
            QTest::mouseMove(window(), from + by);
            QTest::mouseRelease(window(), Qt::LeftButton, {}, from + by);
        };
        drag({3, window()->height() / 2}, {150, 0});
        drag({window()->width() - 3, window()->height() / 2}, {-300, 0});
        QTRY_COMPARE_WITH_TIMEOUT(window()->width(), minimum.width(), kUiTimeoutMs);
        drag({window()->width() / 2, window()->height() - 3}, {0, -300});
        QTRY_COMPARE_WITH_TIMEOUT(window()->size(), minimum, kUiTimeoutMs);
        QCOMPARE(window()->position(), origin);
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        for (const char *scheme : {"file", "https"})
            QDesktopServices::setUrlHandler(scheme, &m_urls, "record");
        m_app = std::make_unique<RunningApplication>();
        QVERIFY(m_app->start());
        m_ui = std::make_unique<testsupport::UiDriver>(*m_app);
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        QTRY_COMPARE_WITH_TIMEOUT(welcome()->language(), QStringLiteral("en"), kUiTimeoutMs);
    }

    void cleanupTestCase()
    {
        for (const char *scheme : {"file", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
        m_ui.reset();
        m_app.reset();
    }

    void messageBoxMapsCodesToTexts()
    {
        writeMessage(4098);
        QCOMPARE(boxMessage(), QStringLiteral("No valid baud rate found"));

        // A device acknowledgement: small size, then "0", which brings back the standard size.
        box()->setProperty("boxWidth", 200), box()->setProperty("boxHeight", 100);
        writeMessage(QStringLiteral("0"));
        QCOMPARE(boxMessage(), QStringLiteral("OK"));
        QCOMPARE(QSize(box()->property("boxWidth").toInt(), box()->property("boxHeight").toInt()), QSize(400, 150));

        // Any other text stays as written, at the last size; inherited names are no codes.
        box()->setProperty("boxWidth", 200);
        for (const QString &text : {QStringLiteral("toString"), QStringLiteral("4100")}) {
            writeMessage(text);
            QCOMPARE(boxMessage(), text);
        }
        QCOMPARE(box()->property("boxWidth").toInt(), 200);
        m_app->closeMessage();
    }

    void saveAnswersShowTheirDialogs()
    {
        auto *save = qobject_cast<SaveService *>(m_app->engine().rootContext()->contextProperty("saveService").value<QObject *>());
        QVERIFY(save);
        QObject *success = find("saveSuccessDialog");

        writeMessage(QStringLiteral("a message of the back end"));
        emit save->saveFinished(false, QString(), QString());
        QCOMPARE(QStringList({box()->property("boxTitle").toString(), boxMessage()}),
                 QStringList({"Save Failed", "An unknown error occurred while saving the file."}));
        emit save->saveFinished(false, QString(), QStringLiteral("Failed to write file."));
        QCOMPARE(boxMessage(), QStringLiteral("Failed to write file."));
        m_app->closeMessage();

        const QString folder = m_dir.filePath(QStringLiteral("saved #1 folder"));
        const QList<std::pair<QString, QString>> paths{{folder + "/PQV-21_Spectrum.csv", folder},
                                                       {"C:\\Users\\me\\Vantorel\\a.csv", "C:\\Users\\me\\Vantorel"}};
        for (const auto &[path, expectedFolder] : paths) {
            emit save->saveFinished(true, path, QString());
            QVERIFY(success->property("visible").toBool() && success->property("boxTitle") == QStringLiteral("Save Successful"));
            QCOMPARE(success->property("boxMessage").toString(), "Data has been successfully saved to:\n" + OutsideText::isolated(path));
            QCOMPARE(success->property("savePath").toString(), expectedFolder);
        }
        // A file saved without all it should hold says what it lacks.
        const QString lacking = QStringLiteral("Missing from the report (not yet drawn on screen): CRI 1");
        emit save->saveFinished(true, folder + "/r.pdf", lacking);
        QCOMPARE(QStringList({success->property("boxTitle").toString(), success->property("boxMessage").toString()}),
                 QStringList({"Saved Incomplete",
                              "Data has been successfully saved to:\n" + OutsideText::isolated(folder + "/r.pdf") + "\n" + lacking}));

        // "Open Folder" opens the folder's own URL and closes the box.
        emit save->saveFinished(true, folder + "/x.csv", QString());
        m_urls.opened.clear();
        QVERIFY(QMetaObject::invokeMethod(success, "accepted"));
        QCOMPARE(m_urls.opened, QList<QUrl>{QUrl::fromLocalFile(folder)});
        // A bare file name gives no folder: the button only closes the box.
        emit save->saveFinished(true, QStringLiteral("a.csv"), QString());
        QVERIFY(QMetaObject::invokeMethod(success, "accepted"));
        QCOMPARE(m_urls.opened.size(), 1);
        success->setProperty("visible", false);
    }

    void unknownPageNamesChangeNothing()
    {
        for (const QString &name : {QStringLiteral("Image"), QStringLiteral("__proto__"), QString()}) {
            pageSwitch(name);
            QVERIFY2(m_app->isVisible("welcome") && !m_app->isVisible("dynamicLoader"), qPrintable(name));
            QVERIFY(minimumSize() == QSize(672, 390) && window()->size() == QSize(672, 390));
        }
    }

    void resizeHandlesStopAtTheWelcomeMinimum() { dragEdgesPast(QSize(672, 390)); }

    void modePageEnablesTheModelsModes()
    {
        // Which modes a model offers is the real-use test's; a disabled mode takes no clicks.
        connectDevice(QStringLiteral("HQV-66"));
        QVERIFY(!enabled("modeButton_raman") && m_ui->click("modeButton_raman") && onModePage());

        // In the smallest window the heading keeps clear of both borders, scaled down when
        // the language's title is long.
        window()->resize(window()->minimumSize());
        QQuickItem *page = item("function_ui"), *heading = item("modeHeading");
        QVERIFY(page && heading);
        for (const char *language : {"fr", "en"}) {
            m_app->welcome()->handleLanguageSignal(QLatin1String(language));
            const auto clear = [page, heading] {
                const QRectF box = heading->mapRectToItem(page, QRectF(0, 0, heading->width(), heading->height()));
                return box.left() >= 24 && box.right() <= page->width() - 24
                    && heading->property("contentWidth").toReal() <= heading->width() + 1;
            };
            QTRY_VERIFY2(clear(), language);
        }
    }

    void pageRouterOpensEachPageOnce()
    {
        // The studio page made at start-up serves the first pick of "Studio".
        QObject *startupPage = read("dynamicLoader", "item").value<QObject *>();
        window()->resize(1600, 900);
        pageSwitch(QStringLiteral("Studio"));
        QVERIFY(startupPage);
        QCOMPARE(read("dynamicLoader", "item").value<QObject *>(), startupPage);
        QCOMPARE(window()->size(), QSize(1600, 900));
        window()->resize(1000, 700);
        for (const auto &[name, file] : kPages) {
            backToModePage();
            const QSize before = window()->size();
            pageSwitch(name);
            const QSize minimum(name == "Studio" ? 1552 : 900, 882);
            QCOMPARE(minimumSize(), minimum);
            QCOMPARE(window()->size(), before.expandedTo(minimum));
            // This screen holds the page: it fills the window and nothing scrolls.
            QTRY_COMPARE_WITH_TIMEOUT(item("pageScroller")->size(), item("contentPlaceholder")->size(), kUiTimeoutMs);
            QVERIFY(!visible("verticalPageScrollBar") && !visible("horizontalPageScrollBar"));
            QVERIFY(m_app->isVisible("dynamicLoader") && !m_app->isVisible("function_ui"));
            QVERIFY(read("dynamicLoader", "source").toUrl().toString().endsWith(file));
            QObject *page = read("dynamicLoader", "item").value<QObject *>();
            // The same page again is not made anew.
            backToModePage();
            if (name == "Reflectance" || name == "Absorbance" || name == "Transmittance") {
                studio()->handleReferenceSpectrumSignal();
                QTRY_VERIFY_WITH_TIMEOUT(buffer()->hasReference() && !studio()->isMeasuring(), kReplyTimeoutMs);
            }
            pageSwitch(name);
            QVERIFY(page);
            QCOMPARE(read("dynamicLoader", "item").value<QObject *>(), page);
            QCOMPARE(buffer()->hasReference(), false);
        }
        backToModePage();
    }

    void aGrownWindowStaysOnItsScreen()
    {
        const QRect available = window()->screen()->geometry();
        backToModePage();
        window()->setMinimumSize(QSize(672, 390)), window()->resize(672, 390);
        window()->setPosition(available.right() - 700, available.bottom() - 400);
        pageSwitch(QStringLiteral("Studio"));
        QTRY_VERIFY_WITH_TIMEOUT(available.contains(window()->geometry()), kUiTimeoutMs);
        QCOMPARE(window()->size(), QSize(1552, 882));
        backToModePage();
    }

    void resizeHandlesStopAtTheMeasuringPagesMinimum()
    {
        const QList<std::pair<QString, QSize>> pages{{"Spectrum Only", {900, 882}}, {"Studio", {1552, 882}}};
        for (const auto &[name, minimum] : pages) {
            pageSwitch(name);
            dragEdgesPast(minimum);
            backToModePage();
        }
    }

    void menuEntriesFollowLinkModelAndMeasurement()
    {
        // HQV-66 on a serial link: everything but the timed series off the studio page.
        QVERIFY(enabled("backAction") && enabled("setBaudRateAction") && enabled("setEfficiencyAction")
                && enabled("setIlluminanceAction") && enabled("disconnectAction"));
        QCOMPARE(enabled("customizedTestAction"), read("dynamicLoader", "source").toUrl().toString().endsWith("Studio.qml"));

        studio()->setIsMeasuring(true);
        QVERIFY(!enabled("backAction") && !enabled("setBaudRateAction") && !enabled("setEfficiencyAction")
                && !enabled("disconnectAction") && enabled("setIlluminanceAction"));
        studio()->setIsMeasuring(false);
        QVERIFY(enabled("backAction") && enabled("disconnectAction"));

        studio()->setConnectType(DriverTypes::CONNECT_BLE);
        QVERIFY(!enabled("setBaudRateAction") && !enabled("setEfficiencyAction") && !enabled("setIlluminanceAction"));
        studio()->setConnectType(DriverTypes::CONNECT_UART);

        buffer()->setIsY(true);
        QVERIFY(!enabled("setBaudRateAction") && !enabled("customizedTestAction"));
        buffer()->setIsY(false);

        buffer()->setDeviceModel(QStringLiteral("TQV-12"));
        QVERIFY(!submenuEnabled("unitMenu") && !enabled("setBandwidthAction") && !submenuEnabled("cieMenu")
                && !submenuEnabled("gainMenu"));
        buffer()->setDeviceModel(QStringLiteral("HQV-66"));
        QVERIFY(submenuEnabled("unitMenu") && submenuEnabled("cieMenu") && submenuEnabled("gainMenu"));
    }

    void menuChoicesReachTheServicesAndFollowTheDevice()
    {
        // Gain: automatic, then a fixed step.
        buffer()->setGainMode(true), buffer()->setGainValue(0);
        QVERIFY(checked("gainAction0") && !checked("gainAction1"));
        trigger("gainAction3");
        QTRY_VERIFY_WITH_TIMEOUT(!m_device->state().autoGain && m_device->state().gainValue == 2, kReplyTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!buffer()->gainMode() && buffer()->gainValue() == 2, kReplyTimeoutMs);
        QVERIFY(checked("gainAction3") && !checked("gainAction0"));
        // A click alone leaves no tick: only the device's answer sets it. (The Bluetooth
        // transport has no device here, so no answer comes.)
        studio()->setConnectType(DriverTypes::CONNECT_BLE);
        trigger("gainAction4");
        QVERIFY(!checked("gainAction4") && checked("gainAction3"));
        studio()->setConnectType(DriverTypes::CONNECT_UART);

        // Theme: both the QML mirror and the back end's theme; an open menu recolours at once.
        QObject *hardware = find("hardwareMenu");
        QQuickItem *entry = nullptr;
        QVERIFY(QMetaObject::invokeMethod(hardware, "open")
                && QMetaObject::invokeMethod(hardware, "itemAt", Q_RETURN_ARG(QQuickItem *, entry), Q_ARG(int, 0)));
        const auto entryText = [entry] { return entry->property("contentItem").value<QQuickItem *>()->property("color").value<QColor>(); };
        QCOMPARE(entryText(), QColor(0x21, 0x21, 0x21));
        trigger("darkThemeAction");
        QCOMPARE(entryText(), QColor(Qt::white));
        QVERIFY(QMetaObject::invokeMethod(hardware, "close"));
        QVERIFY(Theme::instance()->currentTheme() == 1 && checked("darkThemeAction") && !checked("lightThemeAction"));
        trigger("lightThemeAction");
        QCOMPARE(Theme::instance()->currentTheme(), 0);

        // A language mark follows the shared index, whoever sets it.
        find("translate")->setProperty("modifier", 0);
        QVERIFY(checked("languageAction0") && !checked("languageAction1"));
        find("translate")->setProperty("modifier", 1);
    }

    void bandwidthAcceptsOnlyAnOrderedPairOfWholeNumbers()
    {
        QObject *dialog = find("bandwidthDialog");
        trigger("setBandwidthAction");
        QVERIFY(dialog->property("visible").toBool());
        studio()->setRangeBegin(370), studio()->setRangeEnd(780), studio()->setRangeEnable(true);
        QObject *begin = find("rangeBeginField");
        QObject *end = find("rangeEndField");
        const QList<std::pair<QString, QString>> refused{{"400.5", "700"}, {"abc", "700"}, {"700", "400"}};
        for (const auto &[first, second] : refused) {
            m_app->closeMessage();
            begin->setProperty("text", first);
            end->setProperty("text", second);
            click("bandwidthConfirmButton");
            QVERIFY2(visible("messageDialog"), qPrintable(first + " " + second));
            QVERIFY(!boxMessage().isEmpty());
            QVERIFY(dialog->property("visible").toBool());
            QCOMPARE(std::make_pair(studio()->rangeBegin(), studio()->rangeEnd()), std::make_pair(370, 780));
        }
        m_app->closeMessage();
        begin->setProperty("text", " 400 ");
        end->setProperty("text", "700");
        click("bandwidthConfirmButton");
        QCOMPARE(std::make_pair(studio()->rangeBegin(), studio()->rangeEnd()), std::make_pair(400, 700));
        QVERIFY(!dialog->property("visible").toBool() && !visible("messageDialog"));

        // A band moved wholly above or below the stored one is stored as typed.
        const QList<std::pair<QPoint, QPoint>> moves{{{370, 780}, {800, 900}}, {{400, 500}, {600, 700}},
                                                     {{400, 500}, {200, 300}}};
        for (const auto &[from, to] : moves) {
            MeasurementSettings::setRange(from.x(), from.y());
            trigger("setBandwidthAction");
            begin->setProperty("text", QString::number(to.x()));
            end->setProperty("text", QString::number(to.y()));
            click("bandwidthConfirmButton");
            QCOMPARE(MeasurementSettings::range(), (QVariantList{to.x(), to.y()}));
            QVERIFY2(!visible("messageDialog"), qPrintable(boxMessage()));
            QVERIFY(!dialog->property("visible").toBool());
        }
        MeasurementSettings::setRange(370, 780);
    }

    void illuminanceSendsOnlyAFinitePositiveRatio()
    {
        QObject *dialog = find("illuminanceDialog");
        m_device->clearReceived();
        trigger("setIlluminanceAction");
        QVERIFY(dialog->property("visible").toBool());
        // Opening the dialog asks for the device's table.
        QTRY_VERIFY_WITH_TIMEOUT(!m_device->framesWithCode(DeviceCommand::CMD_GET_EFFICIENCY).isEmpty(), kReplyTimeoutMs);
        // Ratios are refused until the table has arrived.
        QTRY_VERIFY_WITH_TIMEOUT(buffer()->efficiencyTableRead() && buffer()->efficiencyTable(), kReplyTimeoutMs);
        QObject *current = find("currentIlluminanceField");
        QObject *target = find("targetIlluminanceField");
        // Refused ratios tell so and send nothing; the last one is sent.
        for (const auto &[a, b, sent] : QList<std::tuple<QString, QString, bool>>{{"", "1", false}, {"1", "0", false}, {"120", "100", true}}) {
            m_app->closeMessage();
            m_device->clearReceived();
            current->setProperty("text", a), target->setProperty("text", b);
            click("illuminanceConfirmButton");
            if (sent) {
                QTRY_VERIFY_WITH_TIMEOUT(!m_device->framesWithCode(DeviceCommand::CMD_SET_EFFICIENCY).isEmpty(), kReplyTimeoutMs);
                // The device acknowledges the upload with a message of its own, which a later
                // test must not find open.
                QTRY_VERIFY_WITH_TIMEOUT(messageShown(0, "OK"), kReplyTimeoutMs);
                m_app->closeMessage();
                continue;
            }
            QVERIFY2(visible("messageDialog"), qPrintable(a + "/" + b));
            QVERIFY(testsupport::takeSentFrames(*m_device).isEmpty());
        }
        QVERIFY(dialog->property("visible").toBool());
        dialog->setProperty("visible", false);
    }

    void efficiencyFolderReachesTheBackEndAsItsUrl()
    {
        QObject *dialog = find("efficiencyDialog");
        trigger("setEfficiencyAction");
        QVERIFY(dialog->property("visible").toBool());
        // A folder whose name needs escaping, holding only the source file.
        const QString folder = m_dir.filePath(QStringLiteral("curve data #2"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile(folder + "/sourceData.csv").open(QIODevice::WriteOnly));
        const QUrl url = QUrl::fromLocalFile(folder);
        for (int twice = 0; twice < 2; ++twice)
            QVERIFY(QMetaObject::invokeMethod(dialog, "addFolder", Q_ARG(QVariant, url)));
        QObject *combo = find("efficiencyComboBox");
        QCOMPARE(std::make_pair(combo->property("count").toInt(), combo->property("currentIndex").toInt()), std::make_pair(2, 1));
        QCOMPARE(combo->property("currentText").toString(), folder);
        m_app->closeMessage();
        click("efficiencyFlashButton");
        // The back end found the folder: it misses the second file, not the first.
        QTRY_COMPARE_WITH_TIMEOUT(boxMessage(), QStringLiteral("Cannot Find targetData.csv"), kReplyTimeoutMs);
        m_app->closeMessage();
        dialog->setProperty("visible", false);
    }

    // A module that a dialog loads only when it opens is missed by the start-up: each dialog
    // and the folder chooser open once, and the chooser lists folders at a usable size.
    void everyDialogAndTheFolderChooserOpen()
    {
        g_missingModules.clear();
        g_testLogHandler = qInstallMessageHandler(noteMissingModules);
        const auto restore = qScopeGuard([] { qInstallMessageHandler(g_testLogHandler); });
        for (const char *name : {"messageDialog", "saveSuccessDialog", "baudDialog", "efficiencyDialog", "bandwidthDialog",
                                 "illuminanceDialog", "customizedTestDialog", "supportDialog", "aboutDialog"}) {
            auto *dialog = qobject_cast<QQuickWindow *>(find(name));
            QVERIFY(dialog);
            dialog->setVisible(true);
            QVERIFY2(QTest::qWaitForWindowExposed(dialog), name);
            dialog->setVisible(false);
        }

        // Twelve folders to choose from, one with a name that needs escaping.
        QTemporaryDir root;
        QStringList names{QStringLiteral("curve data #2")};
        for (int i = 1; i < 12; ++i)
            names.append(QStringLiteral("folder %1").arg(i, 2, 10, QLatin1Char('0')));
        for (const QString &name : names)
            QVERIFY(QDir(root.path()).mkpath(name));
        trigger("setEfficiencyAction");
        find("efficiencyFolderChooser")->setProperty("currentFolder", QUrl::fromLocalFile(root.path()));
        QVERIFY(m_ui->click(QStringLiteral("efficiencySelectButton")));
        QQuickItem *list = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((list = m_ui->item(QStringLiteral("folderDialogListView"))) || !g_missingModules.isEmpty(),
                                 kUiTimeoutMs);
        // A chooser left open would keep the windows below it from the mouse.
        const QPointer<QQuickWindow> chooserWindow = list ? list->window() : nullptr;
        const auto closeChooser = qScopeGuard([chooserWindow] {
            if (chooserWindow)
                chooserWindow->close();
        });
        QVERIFY2(g_missingModules.isEmpty(), qPrintable(g_missingModules.join(QLatin1Char('\n'))));
        // The chooser first lists the folder it opened on; its count can pass through twelve
        // on the way, so wait until it lists the chosen folder's first row.
        const QUrl firstFolder = QUrl::fromLocalFile(QDir(root.path()).filePath(names.first()));
        QTRY_VERIFY_WITH_TIMEOUT(m_ui->item(QStringLiteral("folderDialogDelegate0"))
                                     && m_ui->item(QStringLiteral("folderDialogDelegate0"))->property("fileUrl").toUrl() == firstFolder,
                                 kUiTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(list->property("count").toInt(), int(names.size()), kUiTimeoutMs);

        // Room for several rows, the whole chooser on its window and that window on the screen.
        QQuickWindow *chooser = list->window();
        QVERIFY(QTest::qWaitForWindowExposed(chooser));
        QQuickItem *firstRow = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((firstRow = m_ui->item(QStringLiteral("folderDialogDelegate0"))), kUiTimeoutMs);
        QVERIFY2(list->height() >= 5 * firstRow->height(), qPrintable(QString::number(list->height())));
        const QRectF listBox = list->mapRectToScene(QRectF(0, 0, list->width(), list->height()));
        QVERIFY(QRectF(QPointF(), chooser->size()).contains(listBox));
        QTRY_VERIFY_WITH_TIMEOUT(chooser->screen()->availableGeometry().contains(chooser->geometry()), kUiTimeoutMs);

        // A click picks the first folder, "Open" hands it to the form.
        QVERIFY(m_ui->click(QStringLiteral("folderDialogDelegate0")));
        QQuickItem *open = buttonLabelled(chooser->contentItem(), QStringLiteral("Open"));
        QVERIFY(open);
        QTest::mouseClick(chooser, Qt::LeftButton, {}, open->mapToScene(QPointF(open->width() / 2, open->height() / 2)).toPoint());
        QTRY_VERIFY_WITH_TIMEOUT(!chooser->isVisible(), kUiTimeoutMs);
        QCOMPARE(read("efficiencyComboBox", "currentText").toString(), QDir(root.path()).filePath(names.first()));
        find("efficiencyDialog")->setProperty("visible", false);
    }

    // Leaving the page closes its dialogs, and the folder chooser with them: none stays modal
    // over the window.
    void folderChooserClosesWithItsDialog()
    {
        pageSwitch(QStringLiteral("Spectrum Only"));
        trigger("setEfficiencyAction");
        QVERIFY(m_ui->click(QStringLiteral("efficiencySelectButton")));
        QQuickItem *list = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((list = m_ui->item(QStringLiteral("folderDialogListView"))) && list->window()->isVisible(),
                                 kUiTimeoutMs);
        const QPointer<QQuickWindow> chooser = list->window();
        QCOMPARE(QGuiApplication::modalWindow(), chooser.data());
        backToModePage();
        QTRY_VERIFY_WITH_TIMEOUT(!chooser->isVisible(), kUiTimeoutMs);
        QCOMPARE(QGuiApplication::modalWindow(), nullptr);
    }

    void customizedTestShowsElapsedTimeAndStopsWhenHidden()
    {
        QObject *dialog = find("customizedTestDialog");
        QObject *elapsed = find("elapsedTime");
        studio()->setTestTimer(3725);
        QCOMPARE(elapsed->property("text").toString(), QStringLiteral("01:02:05"));
        studio()->setTestTimer(0);

        // Over the Bluetooth transport, which has no device here, the series streams nothing.
        studio()->setConnectType(DriverTypes::CONNECT_BLE);
        dialog->setProperty("visible", true);
        find("durationField")->setProperty("text", "2"), find("intervalsField")->setProperty("text", "5");
        find("durationUnit")->setProperty("currentIndex", 1);
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        click("customizedTestStartButton");
        QVERIFY(begin.count() == 1 && studio()->testDuration() == 120 /* 2 min */ && studio()->isAuto());
        // Hiding the dialog ends the series (the window reports it on the next pass).
        dialog->setProperty("visible", false);
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isAuto(), kReplyTimeoutMs);
        studio()->setConnectType(DriverTypes::CONNECT_UART);
    }

    void fileBackReturnsToTheModePageWithTheWelcomeMinimum()
    {
        window()->setMinimumSize(QSize(1552, 882)), window()->resize(1552, 882);
        studio()->handleManualSpectrumSignal();
        QTRY_VERIFY_WITH_TIMEOUT(buffer()->hasData() && !studio()->isMeasuring(), kReplyTimeoutMs);
        trigger("backAction");
        QCOMPARE(minimumSize(), QSize(672, 390));
        QVERIFY(onModePage() && !buffer()->hasData());
    }

    void disconnectReturnsToTheWelcomeWindow()
    {
        window()->setMinimumSize(QSize(900, 882)), window()->resize(1200, 900);
        trigger("disconnectAction");
        QVERIFY(m_app->isVisible("welcome") && !m_app->isVisible("function_ui") && !m_app->isVisible("dynamicLoader")
                && !window()->property("showMenuBar").toBool());
        QCOMPARE(minimumSize(), QSize(672, 390));
        QTRY_COMPARE_WITH_TIMEOUT(window()->size(), QSize(672, 390), kReplyTimeoutMs);
    }

    void modePageBackDisconnects()
    {
        connectDevice(QStringLiteral("TQV-12"));
        QVERIFY(enabled("modeButton_transmittance") && !enabled("modeButton_photometry"));
        click("functionBackButton");
        QVERIFY(m_app->isVisible("welcome") && buffer()->deviceModel().isEmpty());
        m_urls.opened.clear();
        click("functionHelpButton");
        QCOMPARE(m_urls.opened.size(), 1);
    }

    void init() { m_app->closeMessage(); }
    // A test that failed half-way may have left its link up: the next one's device would
    // then replace a device the application is still linked to.
    void cleanup()
    {
        if (QTest::currentTestFailed() && UARTInterface::instance()->isBusy())
            studio()->handleHardwareDisconnectSignal();
    }

    void languageChoiceRetranslatesThePage()
    {
        // Every language, French with the longest labels, then back to English.
        for (int index : {2, 3, 0, 1}) {
            choose("switchLanguage", index);
            checkPageLanguage(index);
        }
        // A language picked elsewhere (the menu bar) moves the combo.
        translate()->setProperty("modifier", 2);
        QCOMPARE(item("switchLanguage")->property("currentIndex").toInt(), 2);
        choose("switchLanguage", 1);
    }

    void themeComboAndThemeFollowEachOther()
    {
        QQuickItem *combo = item("switchTheme");
        QCOMPARE(theme()->currentTheme(), 0);
        choose("switchTheme", 1);
        QCOMPARE(theme()->currentTheme(), 1);
        QCOMPARE(item("welcome")->property("color").value<QColor>(), theme()->background());
        // A language switch rebuilds the combos' lists; the choices stay.
        choose("selectSerialBaudComboBox", 5);
        choose("switchLanguage", 2);
        QCOMPARE(combo->property("currentIndex").toInt(), 1);
        QCOMPARE(combo->property("displayText").toString(), QStringLiteral("Dunkel"));
        // The label beside it and the menu's entry name the theme with the same word.
        QCOMPARE(combo->parentItem()->childItems().first()->property("text").toString(), QStringLiteral("Thema"));
        QCOMPARE(find("themeMenu")->property("title").toString(), QStringLiteral("Thema"));
        QCOMPARE(item("selectSerialBaudComboBox")->property("currentValue").toInt(), 4);
        choose("switchLanguage", 1);
        choose("selectSerialBaudComboBox", 0);
        choose("switchTheme", 0);
        QCOMPARE(theme()->currentTheme(), 0);
    }

    void failedSerialConnectionsShowTheirMessage()
    {
        // A silent device at a fixed rate is the connection road's; here the scan.
        auto silent = testsupport::startDevice(115200);
        QVERIFY(silent);
        silent->setSilent(true);
        setPortList({silent->portName()});
        choose("selectSerialBaudComboBox", 0); // "Auto"
        click(item("connectSerialButton"));
        // The scan runs on timers: the controls stay off until it gives up.
        QTRY_VERIFY_WITH_TIMEOUT(welcome()->isConnecting(), kUiTimeoutMs);
        QVERIFY(connectControls(false));
        QTRY_VERIFY_WITH_TIMEOUT(messageShown(4098, "No valid baud rate found"), kConnectTimeoutMs);
        QVERIFY(connectControls(true));

        // A port that went away after the scan and no port at all are told as a failed connection.
        silent->hangUp();
        choose("selectSerialBaudComboBox", 1);
        for (const QStringList &ports : {QStringList{silent->portName()}, QStringList{}}) {
            init();
            setPortList(ports);
            click(item("connectSerialButton"));
            QTRY_VERIFY_WITH_TIMEOUT(messageShown(4097, "UART connection failed"), kConnectTimeoutMs);
        }
        QVERIFY(connectControls(true));
        choose("selectSerialBaudComboBox", 0);
    }

    void bluetoothListKeepsItsChoiceAcrossScans()
    {
        QQuickItem *list = item("bleList");
        QQuickItem *empty = item("noBleDevicesLabel");
        click(item("scanBleButton"));
        QVERIFY(list->property("count").toInt() == 0 && empty->isVisible());
        // Nothing chosen yet: the transport ignores the empty name and nothing follows.
        click(item("connectBleButton"));
        QVERIFY(!welcome()->isConnecting());

        welcome()->addBleDevice(QStringLiteral("RQM-A1")), welcome()->addBleDevice(QStringLiteral("RQM-B2"));
        QTRY_COMPARE_WITH_TIMEOUT(list->property("count").toInt(), 2, kUiTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!empty->isVisible() && bleRow(1), kUiTimeoutMs);
        click(bleRow(1));
        QCOMPARE(list->property("selectedDevice").toString(), QStringLiteral("RQM-B2"));
        QVERIFY(bleRow(1)->property("checked").toBool() && !bleRow(0)->property("checked").toBool());
        click(bleRow(1)); // a second click keeps the choice shown
        QVERIFY(bleRow(1)->property("checked").toBool());
        // A new scan empties the list but keeps the choice, shown again when found again.
        click(item("scanBleButton"));
        QTRY_COMPARE_WITH_TIMEOUT(list->property("count").toInt(), 0, kUiTimeoutMs);
        QCOMPARE(list->property("selectedDevice").toString(), QStringLiteral("RQM-B2"));
        welcome()->addBleDevice(QStringLiteral("RQM-B2"));
        QTRY_VERIFY_WITH_TIMEOUT(bleRow(0), kUiTimeoutMs);
        QVERIFY(bleRow(0)->property("checked").toBool());
        m_app->studio()->setConnectType(DriverTypes::CONNECT_UART);
    }

    // A long port name ends in an ellipsis before the combo's arrow; the choice stays whole.
    void longPortNameStopsShortOfTheArrow()
    {
        const QString port = QStringLiteral("/dev/serial/by-id/usb-Example_USB_to_Serial_Bridge_0123456789-if00-port0");
        setPortList({port});
        QQuickItem *combo = item("selectSerialPortComboBox");
        auto *field = combo->property("contentItem").value<QQuickItem *>();
        auto *arrow = combo->property("indicator").value<QQuickItem *>();
        QCOMPARE(combo->property("currentText").toString(), port);
        QTRY_VERIFY(field->property("text").toString().endsWith(QChar(0x2026)));
        QVERIFY(port.startsWith(field->property("text").toString().chopped(1)));
        const qreal textEnd = field->mapToItem(combo, QPointF(field->property("leftPadding").toReal()
                                                                  + field->property("contentWidth").toReal(), 0)).x();
        QVERIFY2(textEnd <= arrow->x(), qPrintable(QStringLiteral("%1 > %2").arg(textEnd).arg(arrow->x())));
        setPortList({});
    }

    // Texts from outside the program (a port, a Bluetooth name, a message, a device's model
    // reply) show as written: markup in them is neither drawn nor fetched.
    void outsideTextShowsAsWritten()
    {
        QTcpServer fetches;
        QVERIFY(fetches.listen(QHostAddress::LocalHost));
        const QString markup = QStringLiteral("<font size=7>BIG</font>");

        setPortList({markup});
        QQuickItem *combo = item("selectSerialPortComboBox");
        click(combo);
        auto *popup = combo->property("popup").value<QObject *>();
        QTRY_VERIFY_WITH_TIMEOUT(popup->property("opened").toBool(), kUiTimeoutMs);
        QQuickItem *row = nullptr;
        QVERIFY(QMetaObject::invokeMethod(popup->property("contentItem").value<QObject *>(), "itemAtIndex",
                                          Q_RETURN_ARG(QQuickItem *, row), Q_ARG(int, 0)));
        QVERIFY(drawnAsWritten(row));
        QVERIFY(QMetaObject::invokeMethod(popup, "close"));
        setPortList({});

        welcome()->addBleDevice(markup);
        QTRY_VERIFY_WITH_TIMEOUT(bleRow(0), kUiTimeoutMs);
        QVERIFY(drawnAsWritten(bleRow(0)));

        writeMessage(markup);
        QVERIFY(drawnAsWritten(box()->findChild<QQuickItem *>("messageLabel")));
        m_app->closeMessage();

        connectDevice(QStringLiteral("<img src=\"http://127.0.0.1:%1/x.png\">").arg(fetches.serverPort()) + markup);
        QQuickItem *modelLine = shownModelLine();
        QVERIFY(modelLine);
        // The name first, isolated, whole or cut with an ellipsis where the row is too narrow.
        const QString text = modelLine->property("text").toString();
        const QString name = text.mid(1, text.indexOf(QChar(0x2069)) - 1);
        QVERIFY2(text.startsWith(QChar(0x2068))
                     && (name == buffer()->deviceModel()
                         || (name.endsWith(QChar(0x2026)) && buffer()->deviceModel().startsWith(name.chopped(1)))),
                 qPrintable(text));
        QVERIFY(drawnAsWritten(modelLine));
        QVERIFY2(!QTest::qWaitFor([&] { return fetches.hasPendingConnections(); }, 1000), "the name's image was fetched");
        studio()->handleHardwareDisconnectSignal();
    }

    // A device's name that overrides the direction, breaks the line and runs 200 characters:
    // the model line stays one line within the window, the name cut with an ellipsis, and
    // "Serial" after it still reads left to right at the line's end.
    void turningDeviceNameStaysInTheModelLine()
    {
        QString model = QStringLiteral("PQV-21 ") + QChar(0x202E) + QStringLiteral("gnirut\nnext line ");
        while (model.size() < 200)
            model += QStringLiteral("long name ");
        model.truncate(200);
        connectDevice(model);
        QQuickItem *line = shownModelLine();
        QVERIFY(line);
        QVERIFY(line->property("text").toString().contains(QChar(0x2026)));
        const QString text = line->property("text").toString();
        const QString serial = QStringLiteral(" Serial");
        QVERIFY2(text.endsWith(serial), qPrintable(text));
        QCOMPARE(line->property("lineCount").toInt(), 1);
        QVERIFY(line->property("contentWidth").toReal() <= line->width() + 0.5);
        const qreal right = line->mapToScene(QPointF(line->width(), 0)).x();
        QVERIFY2(right <= window()->width(), qPrintable(QStringLiteral("%1 > %2").arg(right).arg(window()->width())));
        // Laid out as the label lays it out: "Serial" left to right, after every character of the name.
        QTextLayout layout(text, line->property("font").value<QFont>());
        layout.beginLayout();
        const QTextLine row = layout.createLine();
        layout.endLayout();
        const qsizetype serialStart = text.size() - serial.size() + 1;
        const qreal serialLeft = row.cursorToX(int(serialStart));
        QVERIFY2(serialLeft < row.cursorToX(int(text.size())), "Serial is drawn right to left");
        for (qsizetype i = 0; i < serialStart; ++i)
            QVERIFY2(row.cursorToX(int(i)) <= serialLeft + 0.5, qPrintable(QStringLiteral("character %1 right of Serial").arg(i)));
        studio()->handleHardwareDisconnectSignal();

        // A folder of that name in the save message: a line of its own, cut in the middle.
        auto *save = qobject_cast<SaveService *>(m_app->engine().rootContext()->contextProperty("saveService").value<QObject *>());
        QVERIFY(save);
        emit save->saveFinished(true, QStringLiteral("/home/me/") + model + QStringLiteral("/PQV-21_1.csv"), QString());
        auto *message = find("saveSuccessDialog")->findChild<QQuickItem *>(QStringLiteral("messageLabel"));
        QVERIFY(message);
        QTRY_VERIFY_WITH_TIMEOUT(message->property("text").toString().contains(QChar(0x2026)), kUiTimeoutMs);
        const QString shown = message->property("text").toString();
        QVERIFY2(shown.endsWith(QStringLiteral("PQV-21_1.csv") + QChar(0x2069)), qPrintable(shown));
        QCOMPARE(message->property("lineCount").toInt(), 2);
        find("saveSuccessDialog")->setProperty("visible", false);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
