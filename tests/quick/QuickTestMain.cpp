// Runs the Quick Test cases of one folder (-input DIR) with a QApplication, which the chart
// items need, and with the real back-end services published as the application publishes
// them, plus a feeder that puts spectra into the store. CTest fails the run on any QML
// warning it prints.

#include "StoreFeeder.h"
#include "app/ApplicationSession.h"

#include <QApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlEngine>
#include <QtQuickTest/quicktest.h>
#include <memory>

namespace {

class Setup : public QObject
{
    Q_OBJECT
public slots:
    void qmlEngineAvailable(QQmlEngine *engine)
    {
        // The services address the scene of an application engine; the test's own engine
        // only shows the components under test.
        if (!m_serviceEngine) {
            m_serviceEngine = std::make_unique<QQmlApplicationEngine>();
            m_session = std::make_unique<ApplicationSession>();
            m_session->createServices(*m_serviceEngine);
        }
        m_session->publishTo(*engine);
        engine->rootContext()->setContextProperty(QStringLiteral("testSourceDir"),
                                                  QString::fromLocal8Bit(qgetenv("VANTOREL_SOURCE_DIR")));
        engine->rootContext()->setContextProperty(QStringLiteral("storeFeeder"), &m_feeder);
    }

    void cleanupTestCase()
    {
        m_session.reset();
        m_serviceEngine.reset();
    }

private:
    std::unique_ptr<QQmlApplicationEngine> m_serviceEngine;
    std::unique_ptr<ApplicationSession> m_session;
    StoreFeeder m_feeder;
};

} // namespace

int main(int argc, char **argv)
{
    setStartupEnvironment();
    QApplication app(argc, argv);
    Setup setup;
    return quick_test_main_with_setup(argc, argv, "vantorel_quick", nullptr, &setup);
}

#include "QuickTestMain.moc"
