#pragma once
// Start-up of the application around a caller-owned engine, so tests can run the real road.

#include <QObject>
#include <QUrl>
#include <memory>

class QQmlApplicationEngine;
class QQmlEngine;

// Sets the five environment variables and ignores SIGXFSZ; must run before any Qt object exists.
void setStartupEnvironment();

extern const char kApplicationVersion[]; // "2.4.0"
QUrl mainQmlUrl();

class ApplicationSession
{
public:
    ApplicationSession();
    // Closes the link as Disconnect does, then destroys what main() keeps on its stack (the
    // welcome service).
    ~ApplicationSession();

    // Settings, catalogues, services, context properties, import paths and the load of
    // the main QML file. Returns 0 when a root object exists, else -1.
    int start(QQmlApplicationEngine &engine, const QUrl &mainUrl = mainQmlUrl());

    // The first half of start(): settings, catalogues and the services, which address the
    // scene of `engine`. Tests that show QML on an engine of their own call it, then publishTo.
    void createServices(QQmlApplicationEngine &engine);
    // The five context properties and the import paths, on any engine that shows the UI.
    void publishTo(QQmlEngine &engine) const;

private:
    struct StackObjects;
    std::unique_ptr<StackObjects> m_stack;
};
