#pragma once
// Drives the real window as a person would: finds items by objectName (also inside the
// page loader and the page's dialogs), clicks them with the mouse and types into fields.

#include <QString>
#include <QVariant>

class QObject;
class QQuickItem;
class QQuickWindow;

namespace testsupport {

class RunningApplication;

class UiDriver
{
public:
    explicit UiDriver(RunningApplication &app) : m_app(app) {}

    // The first object of that name in the main window or any window of the engine.
    QObject *find(const QString &objectName) const;
    QQuickItem *item(const QString &objectName) const;
    QVariant property(const QString &objectName, const char *name) const;

    // The item is visible (up its whole parent chain) and enabled.
    bool isOperable(const QString &objectName) const;
    // A left click in the middle of the item, sent to its window. False when the item is
    // missing or not visible; a disabled item swallows the click as it would for a person.
    bool click(const QString &objectName) const;
    // Replaces the text of a text input by typing (Latin-1): focus, select all, type.
    bool type(const QString &objectName, const QString &text) const;

private:
    RunningApplication &m_app;
};

} // namespace testsupport
