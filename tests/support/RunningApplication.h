#pragma once
// The application as main() starts it (services, context properties, Main.qml), on an
// engine owned by the test, with accessors for what tests drive and observe.

#include "app/ApplicationSession.h"

#include <QQmlApplicationEngine>
#include <QString>
#include <memory>

class DataBuffer;
class QQuickWindow;
class StudioService;
class WelcomeService;

namespace testsupport {

class RunningApplication
{
public:
    RunningApplication();
    ~RunningApplication();

    // Starts the session; false when Main.qml gave no root object.
    bool start();

    QQmlApplicationEngine &engine() { return *m_engine; }
    StudioService *studio() const;
    WelcomeService *welcome() const;
    DataBuffer *dataBuffer() const;

    QQuickWindow *window() const;
    QObject *find(const QString &objectName) const;
    bool isVisible(const QString &objectName) const;
    // The message box's text while it shows, else empty; and the box closed and emptied.
    QString shownMessage() const;
    void closeMessage();

private:
    template <typename T> T *contextObject(const char *name) const;

    std::unique_ptr<QQmlApplicationEngine> m_engine;
    std::unique_ptr<ApplicationSession> m_session;
};

} // namespace testsupport
