#pragma once
// The few QML objects the back end addresses by objectName, found among the descendants
// of the engine's first root object. Every step is skipped when its object is missing.

#include <QString>
#include <QVariant>

class QObject;
class QQmlApplicationEngine;

namespace QmlScene {

// Page numbers shared with the main window: 0 welcome, 1 mode page, 2 measuring pages.
enum Page { WelcomePage = 0, ModePage = 1, MeasuringPage = 2 };

QObject *rootObject(QQmlApplicationEngine *engine);
QObject *find(QQmlApplicationEngine *engine, const QString &objectName);

// Writes `visible` of "welcome", "function_ui" and "dynamicLoader" so that only the
// given page shows.
void showPage(QQmlApplicationEngine *engine, int page);
void setVisible(QQmlApplicationEngine *engine, const QString &objectName, bool visible);

// The message box protocol: "boxTitle" one blank, then "boxMessage", then visible.
void showMessage(QQmlApplicationEngine *engine, const QVariant &message);
// The same in a wider box, which grows to hold every line. A code may lead the text on a line of its own:
// the box turns it into its words and keeps the lines after it.
void showLongMessage(QQmlApplicationEngine *engine, const QString &message);

// The welcome window: normal, 672 x 390, centred on the primary screen.
void restoreWelcomeWindow(QQmlApplicationEngine *engine);
// The main window: 776 x 720 centred, or maximised on a smaller screen.
void showMainWindow(QQmlApplicationEngine *engine);

} // namespace QmlScene
