#include "QmlScene.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QScreen>

namespace QmlScene {

namespace {

constexpr int kWelcomeWidth = 672;
constexpr int kWelcomeHeight = 390;
constexpr int kMainWidth = 776;
constexpr int kMainHeight = 720;
constexpr int kLongMessageWidth = 480;
constexpr int kLongMessageHeight = 150;

void centreOnPrimaryScreen(QQuickWindow *window, int width, int height)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect geometry = screen->geometry();
    window->setX((geometry.width() - width) / 2);
    window->setY((geometry.height() - height) / 2);
}

} // namespace

QObject *rootObject(QQmlApplicationEngine *engine)
{
    if (!engine)
        return nullptr;
    const QList<QObject *> roots = engine->rootObjects();
    return roots.isEmpty() ? nullptr : roots.first();
}

QObject *find(QQmlApplicationEngine *engine, const QString &objectName)
{
    QObject *root = rootObject(engine);
    return root ? root->findChild<QObject *>(objectName, Qt::FindChildrenRecursively)
                : nullptr;
}

void setVisible(QQmlApplicationEngine *engine, const QString &objectName, bool visible)
{
    if (QObject *object = find(engine, objectName))
        object->setProperty("visible", visible);
}

void showPage(QQmlApplicationEngine *engine, int page)
{
    if (!rootObject(engine))
        return;
    setVisible(engine, QStringLiteral("welcome"), page == WelcomePage);
    setVisible(engine, QStringLiteral("dynamicLoader"), page == MeasuringPage);
    setVisible(engine, QStringLiteral("function_ui"), page == ModePage);
}

void showMessage(QQmlApplicationEngine *engine, const QVariant &message)
{
    QObject *box = find(engine, QStringLiteral("messageDialog"));
    if (!box)
        return;
    box->setProperty("boxTitle", QStringLiteral(" "));
    box->setProperty("boxMessage", message);
    box->setProperty("visible", true);
}

void showLongMessage(QQmlApplicationEngine *engine, const QString &message)
{
    QObject *box = find(engine, QStringLiteral("messageDialog"));
    if (!box)
        return;
    box->setProperty("boxWidth", kLongMessageWidth);
    box->setProperty("boxHeight", kLongMessageHeight);
    showMessage(engine, message);
}

void restoreWelcomeWindow(QQmlApplicationEngine *engine)
{
    auto *window = qobject_cast<QQuickWindow *>(rootObject(engine));
    if (!window)
        return;
    window->showNormal();
    window->setProperty("width", kWelcomeWidth);
    window->setProperty("height", kWelcomeHeight);
    centreOnPrimaryScreen(window, kWelcomeWidth, kWelcomeHeight);
}

void showMainWindow(QQmlApplicationEngine *engine)
{
    auto *window = qobject_cast<QQuickWindow *>(rootObject(engine));
    if (!window)
        return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen
        && (screen->geometry().width() < kMainWidth
            || screen->geometry().height() < kMainHeight)) {
        window->showMaximized();
        return;
    }
    window->showNormal();
    window->setProperty("width", kMainWidth);
    window->setProperty("height", kMainHeight);
    centreOnPrimaryScreen(window, kMainWidth, kMainHeight);
}

} // namespace QmlScene
