#include "ApplicationSession.h"

#include "settings/MeasurementSettings.h"

#include <QCoreApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>

const char kApplicationVersion[] = "2.4.0";

void setStartupEnvironment()
{
    qputenv("QML_COMPAT_RESOLVE_URLS_ON_ASSIGNMENT", "1");
    qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_LOGGING_RULES", "qt.qml.connections=false");
    qputenv("QT_QUICK_CONTROLS_CONF", ":/qtquickcontrols2.conf");
}

QUrl mainQmlUrl() { return QUrl(QStringLiteral("qrc:/qt/qml/UIVantorelContent/Main.qml")); }

// Objects that main() would keep on its stack; destroyed before the engine.
struct ApplicationSession::StackObjects {
};

ApplicationSession::ApplicationSession() : m_stack(std::make_unique<StackObjects>()) {}

ApplicationSession::~ApplicationSession() = default;

int ApplicationSession::start(QQmlApplicationEngine &engine, const QUrl &mainUrl)
{
    MeasurementSettings::initMeasurementSettings();

    QQmlContext *context = engine.rootContext();
    (void)context;

    engine.addImportPath(QCoreApplication::applicationDirPath() + QStringLiteral("/qml"));
    engine.addImportPath(QStringLiteral(":/"));
    // Qt 6.4 does not search the module resource prefix by default.
    engine.addImportPath(QStringLiteral(":/qt/qml"));

    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, QCoreApplication::instance(),
        [mainUrl](QObject *object, const QUrl &url) {
            if (!object && url == mainUrl)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);
    engine.load(mainUrl);
    if (engine.rootObjects().isEmpty())
        return -1;
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));
    return 0;
}
