#pragma once
// The application as main() starts it (services, context properties, Main.qml), on an
// engine owned by the test, with accessors for what tests drive and observe.

#include "app/ApplicationSession.h"

#include <QQmlApplicationEngine>
#include <QString>
#include <memory>

class DataBuffer;
class QQuickWindow;
class SaveService;
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
    QObject *contextObject(const char *name) const;
    StudioService *studio() const;
    WelcomeService *welcome() const;
    SaveService *save() const;
    DataBuffer *dataBuffer() const;

    // Files in the save folder whose names match `pattern` (wildcards), oldest name first.
    static QStringList savedFiles(const QString &pattern);
    // A saved CSV file's lines, without its byte-order mark and line ends.
    static QStringList csvLines(const QString &path);

    QQuickWindow *window() const;
    QObject *find(const QString &objectName) const;
    bool isVisible(const QString &objectName) const;

private:
    std::unique_ptr<QQmlApplicationEngine> m_engine;
    std::unique_ptr<ApplicationSession> m_session;
};

} // namespace testsupport
