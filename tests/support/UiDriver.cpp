#include "UiDriver.h"

#include "RunningApplication.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QWindow>

namespace testsupport {

namespace {
constexpr int kWindowWaitMs = 30000;
} // namespace

namespace {

// Items that a Repeater made have no QObject parent: only the item tree leads to them.
QQuickItem *findInItemTree(QQuickItem *item, const QString &objectName)
{
    if (item->objectName() == objectName)
        return item;
    for (QQuickItem *child : item->childItems()) {
        if (QQuickItem *found = findInItemTree(child, objectName))
            return found;
    }
    return nullptr;
}

} // namespace

QObject *UiDriver::find(const QString &objectName) const
{
    if (QObject *found = m_app.find(objectName))
        return found;
    // Dialogs are windows of their own; their content hangs under their content item.
    const QWindowList windows = QGuiApplication::allWindows();
    for (QWindow *window : windows) {
        if (window->objectName() == objectName)
            return window;
        if (auto *quick = qobject_cast<QQuickWindow *>(window)) {
            if (QObject *found = quick->contentItem()->findChild<QObject *>(objectName))
                return found;
        }
    }
    for (QWindow *window : windows) {
        if (auto *quick = qobject_cast<QQuickWindow *>(window)) {
            if (QQuickItem *found = findInItemTree(quick->contentItem(), objectName))
                return found;
        }
    }
    return nullptr;
}

QQuickItem *UiDriver::item(const QString &objectName) const
{
    return qobject_cast<QQuickItem *>(find(objectName));
}

QVariant UiDriver::property(const QString &objectName, const char *name) const
{
    QObject *object = find(objectName);
    return object ? object->property(name) : QVariant();
}

bool UiDriver::isOperable(const QString &objectName) const
{
    QQuickItem *target = item(objectName);
    return target && target->isVisible() && target->isEnabled() && target->window()
        && target->window()->isVisible();
}

bool UiDriver::click(const QString &objectName) const
{
    QQuickItem *target = item(objectName);
    if (!target || !target->isVisible() || !target->window() || !target->window()->isVisible())
        return false;
    // A window just shown is mapped a moment later; a click before that is lost.
    if (!QTest::qWaitForWindowExposed(target->window(), kWindowWaitMs))
        return false;
    const QPointF centre = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(target->window(), Qt::LeftButton, Qt::NoModifier, centre.toPoint());
    return true;
}

bool UiDriver::type(const QString &objectName, const QString &text) const
{
    QQuickItem *target = item(objectName);
    if (!target || !target->window() || !click(objectName))
        return false;
    target->forceActiveFocus();
    // Keys go straight to the field, so typing never waits on the window system handing the
    // window its focus (slow, or lost to a message box, on a loaded machine). The field still
    // filters each key as it would a typed one.
    const auto press = [target](int key, Qt::KeyboardModifiers modifiers, const QString &keyText) {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, keyText);
        QCoreApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, keyText);
        QCoreApplication::sendEvent(target, &up);
    };
    press(Qt::Key_A, Qt::ControlModifier, QString());
    press(Qt::Key_Delete, Qt::NoModifier, QString());
    for (const QChar c : text)
        press(c.toUpper().unicode(), Qt::NoModifier, QString(c)); // ASCII key codes are upper case
    return true;
}

} // namespace testsupport
