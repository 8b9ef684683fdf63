#include "ApplicationSession.h"

#include "catalog/ParameterCatalog.h"
#include "protocol/DriverTypes.h"
#include "link/DataHandlerService.h"
#include "output/SaveService.h"
#include "control/StudioService.h"
#include "welcome/WelcomeService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <QCoreApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QtQml/qqml.h>

#include <csignal>

const char kApplicationVersion[] = "2.4.0";

void setStartupEnvironment()
{
    qputenv("QML_COMPAT_RESOLVE_URLS_ON_ASSIGNMENT", "1");
    qputenv("QT_AUTO_SCREEN_SCALE_FACTOR", "1");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qputenv("QT_LOGGING_RULES", "qt.qml.connections=false");
    qputenv("QT_QUICK_CONTROLS_CONF", ":/qtquickcontrols2.conf");
    // Under a file-size limit (ulimit -f) a write past it then fails with EFBIG, as on a full
    // disk, and the save says so, instead of the signal ending the process mid-write.
    std::signal(SIGXFSZ, SIG_IGN);
}

QUrl mainQmlUrl() { return QUrl(QStringLiteral("qrc:/qt/qml/UIVantorelContent/Main.qml")); }

// Objects that main() would keep on its stack; destroyed before the engine.
struct ApplicationSession::StackObjects {
    std::unique_ptr<WelcomeService> welcome;
    Theme *theme = nullptr;
    DataBuffer *dataBuffer = nullptr;
    StudioService *studio = nullptr;
    SaveService *save = nullptr;
};

ApplicationSession::ApplicationSession() : m_stack(std::make_unique<StackObjects>()) {}

ApplicationSession::~ApplicationSession()
{
    // The event loop has ended: a connected device is stopped and its port let go, as
    // Disconnect does, rather than left measuring with the port's lock file behind.
    if (m_stack->studio)
        m_stack->studio->closeLink();
}

void ApplicationSession::createServices(QQmlApplicationEngine &engine)
{
    // The application and the engine already exist (main, or the calling test).
    // Settings defaults before any service reads them.
    MeasurementSettings::initMeasurementSettings();
    loadParameterTables();

    // Services, in creation order.
    m_stack->theme = Theme::instance(&engine);
    m_stack->dataBuffer = DataBuffer::instance();
    // Its constructor creates the serial and Bluetooth LE transports.
    DataHandlerService::instance(DriverTypes::CONNECT_UART)->setEngine(&engine);
    m_stack->studio = StudioService::instance(&engine);
    m_stack->welcome = std::make_unique<WelcomeService>(&engine);
    m_stack->welcome->setStudioService(m_stack->studio);
    m_stack->save = new SaveService(&engine, QCoreApplication::instance());
    // QML uses the type only for its SaveType enumeration; register it once per process.
    static const int saveServiceType = qmlRegisterUncreatableType<SaveService>(
        "AppEnums", 1, 0, "SaveService", QStringLiteral("SaveService 仅用于暴露枚举"));
    Q_UNUSED(saveServiceType);
}

void ApplicationSession::publishTo(QQmlEngine &engine) const
{
    // Context properties before the load, so bindings see them at once.
    QQmlContext *context = engine.rootContext();
    context->setContextProperty(QStringLiteral("theme"), m_stack->theme);
    context->setContextProperty(QStringLiteral("dataBuffer"), m_stack->dataBuffer);
    context->setContextProperty(QStringLiteral("studioService"), m_stack->studio);
    context->setContextProperty(QStringLiteral("welcomeService"), m_stack->welcome.get());
    context->setContextProperty(QStringLiteral("saveService"), m_stack->save);

    engine.addImportPath(QCoreApplication::applicationDirPath() + QStringLiteral("/qml"));
    engine.addImportPath(QStringLiteral(":/"));
    // Qt 6.4 does not search the module resource prefix by default.
    engine.addImportPath(QStringLiteral(":/qt/qml"));
}

int ApplicationSession::start(QQmlApplicationEngine &engine, const QUrl &mainUrl)
{
    createServices(engine);
    publishTo(engine);
    // Bindings to the version must read it from the first frame.
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kApplicationVersion));

    QObject::connect(
        &engine, &QQmlApplicationEngine::objectCreated, QCoreApplication::instance(),
        [mainUrl](QObject *object, const QUrl &url) {
            if (!object && url == mainUrl)
                QCoreApplication::exit(-1);
        },
        Qt::QueuedConnection);
    engine.load(mainUrl);
    return engine.rootObjects().isEmpty() ? -1 : 0;
}
