// The main window on a screen smaller than the measuring pages (1366 x 768, on an X server of
// the test's own): the window takes the screen's available area, its caption buttons stay on
// the screen, and the page keeps its layout and scrolls to show the rest.
#include "OwnXServer.h"
#include "RunningApplication.h"
#include "SimulatedDevice.h"
#include "TemporaryHome.h"
#include "control/StudioService.h"
#include "store/DataBuffer.h"
#include "welcome/WelcomeService.h"

#include <QApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QScreen>
#include <QStandardPaths>
#include <QtTest>

using simdevice::SimulatedDevice;
using testsupport::RunningApplication;

namespace {

constexpr int kConnectTimeoutMs = 30000;
constexpr int kUiTimeoutMs = 10000;
const QSize kScreen(1366, 768);

// Searches the item tree, which stays inside one window (the dialogs have the same buttons).
QQuickItem *itemNamed(QQuickItem *item, const QString &name)
{
    if (item->objectName() == name)
        return item;
    for (QQuickItem *child : item->childItems())
        if (QQuickItem *found = itemNamed(child, name))
            return found;
    return nullptr;
}

QRectF sceneRect(const QQuickItem *item) { return item->mapRectToScene(QRectF(0, 0, item->width(), item->height())); }

// A press on the bar's handle dragged past one end of the bar.
void dragHandle(QQuickWindow *window, QQuickItem *bar, Qt::Orientation orientation, bool toEnd)
{
    const QRectF box = sceneRect(bar);
    const qreal middle = bar->property("position").toReal() + bar->property("size").toReal() / 2; // share of the bar
    const bool vertical = orientation == Qt::Vertical;
    const QPointF handle = bar->mapToScene(vertical ? QPointF(bar->width() / 2, bar->height() * middle)
                                                    : QPointF(bar->width() * middle, bar->height() / 2));
    // Past the bar's end, and still in the window.
    const QPointF past = vertical ? QPointF(handle.x(), toEnd ? box.bottom() + 5 : box.top() - 5)
                                  : QPointF(toEnd ? box.right() + 5 : box.left() - 5, handle.y());
    QTest::mousePress(window, Qt::LeftButton, {}, handle.toPoint());
    QTest::mouseMove(window, ((handle + past) / 2).toPoint());
    QTest::mouseMove(window, past.toPoint());
    QTest::mouseRelease(window, Qt::LeftButton, {}, past.toPoint());
}

} // namespace

class TestSmallScreen : public QObject
{
    Q_OBJECT
    std::unique_ptr<RunningApplication> m_app;
    std::unique_ptr<SimulatedDevice> m_device;

    QQuickWindow *window() const { return m_app->window(); }
    QQuickItem *item(const char *name) const
    {
        QQuickItem *found = itemNamed(window()->contentItem(), QLatin1String(name));
        if (!found)
            qFatal("no item named %s", name);
        return found;
    }
    qreal read(const char *name, const char *property) const { return item(name)->property(property).toReal(); }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        QCOMPARE(QGuiApplication::primaryScreen()->size(), kScreen);
        m_app = std::make_unique<RunningApplication>();
        QVERIFY(m_app->start());
        QVERIFY(QTest::qWaitForWindowExposed(window()));

        simdevice::DeviceState state;
        state.model = QStringLiteral("HQV-66"); // photometry and the spectrum page
        m_device = std::make_unique<SimulatedDevice>(state);
        QVERIFY(m_device->start());
        m_app->welcome()->handleSerialConnectionSignal(m_device->portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_app->dataBuffer()->deviceModel(), state.model, kConnectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible("function_ui"), kConnectTimeoutMs);
    }

    void cleanupTestCase()
    {
        m_app.reset();
        m_device.reset();
    }

    void pagesFitTheScreenAndScroll_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QSize>("minimum");
        QTest::newRow("wider and taller") << QStringLiteral("Studio") << QSize(1552, 882);
        QTest::newRow("taller") << QStringLiteral("Spectrum Only") << QSize(900, 882);
    }
    void pagesFitTheScreenAndScroll()
    {
        QFETCH(QString, page);
        QFETCH(QSize, minimum);
        const QRect available = window()->screen()->availableGeometry();
        QVERIFY(QMetaObject::invokeMethod(window(), "pageSwitch", Q_ARG(QVariant, page)));
        QCOMPARE(window()->minimumSize(), minimum.boundedTo(available.size()));
        QTRY_VERIFY_WITH_TIMEOUT(available.contains(window()->geometry()), kUiTimeoutMs);
        // The scene follows the window system's resize a little later.
        QTRY_COMPARE_WITH_TIMEOUT(window()->contentItem()->size(), QSizeF(window()->size()), kUiTimeoutMs);
        for (const char *name : {"minimizeButton", "maximizeButton", "closeButton"})
            QVERIFY2(QRectF(available).contains(sceneRect(item(name)).translated(window()->position())), name);

        // The page is laid out as in a window of its minimum size where it scrolls, and beside
        // the scroll bar where it fits.
        const bool wide = minimum.width() > available.width();
        QQuickItem *scroller = item("pageScroller");
        auto *content = item("dynamicLoader")->property("item").value<QQuickItem *>();
        QVERIFY(content);
        const QSize needed = minimum - (window()->size() - item("contentPlaceholder")->size().toSize());
        QTRY_COMPARE_WITH_TIMEOUT(content->size().toSize(), QSize(wide ? needed.width() : int(scroller->width()), needed.height()),
                                  kUiTimeoutMs);

        // The wheel, where no chart takes it (the page's left margin), scrolls to the bottom;
        // the scroll bars then bring the far corner into view, and back up.
        QQuickItem *vertical = item("verticalPageScrollBar");
        QQuickItem *horizontal = item("horizontalPageScrollBar");
        QVERIFY(vertical->isVisible());
        QCOMPARE(horizontal->isVisible(), wide);
        const auto at = [this](const char *property) { return read("pageScroller", property); };
        // Scroll positions are fractional: whole pixels are what shows.
        const auto near = [](qreal a, qreal b) { return qAbs(a - b) < 0.5; };
        const QPointF margin = scroller->mapToScene(QPointF(8, scroller->height() / 2));
        QWheelEvent wheel(margin, window()->mapToGlobal(margin), QPoint(), QPoint(0, -120 * 5), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(window(), &wheel);
        QTRY_VERIFY_WITH_TIMEOUT(near(at("contentY"), at("contentHeight") - scroller->height()), kUiTimeoutMs);
        if (wide)
            dragHandle(window(), horizontal, Qt::Horizontal, true);
        QTRY_VERIFY_WITH_TIMEOUT(near(at("contentX"), at("contentWidth") - scroller->width()), kUiTimeoutMs);
        const QPointF corner = content->mapToScene(QPointF(content->width() - 1, content->height() - 1));
        QVERIFY(sceneRect(scroller).contains(corner));
        dragHandle(window(), vertical, Qt::Vertical, false);
        QTRY_VERIFY_WITH_TIMEOUT(near(at("contentY"), 0.0), kUiTimeoutMs);

        m_app->studio()->setIsMeasuring(false);
        QVERIFY(QMetaObject::invokeMethod(m_app->find(QStringLiteral("backAction")), "trigger"));
        QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible("function_ui"), kUiTimeoutMs);
    }
};

int main(int argc, char *argv[])
{
    // The small screen must exist before the application connects to a display.
    testsupport::OwnXServer server(kScreen);
    if (!server.start()) {
        qCritical("The X server for the small screen did not start (Xvfb)");
        return 1;
    }
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestSmallScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_small_screen.moc"
