#pragma once
// Start-up of the application around a caller-owned engine, so tests can run the real road.

#include <QObject>
#include <QUrl>
#include <memory>

class QQmlApplicationEngine;

// Sets the five environment variables; must run before any Qt object exists.
void setStartupEnvironment();

extern const char kApplicationVersion[]; // "2.4.0"
QUrl mainQmlUrl();

class ApplicationSession
{
public:
    ApplicationSession();
    ~ApplicationSession(); // destroys what main() keeps on its stack (the welcome service)

    // Settings, catalogues, services, context properties, import paths and the load of
    // the main QML file. Returns 0 when a root object exists, else -1.
    int start(QQmlApplicationEngine &engine, const QUrl &mainUrl = mainQmlUrl());

private:
    struct StackObjects;
    std::unique_ptr<StackObjects> m_stack;
};
