#include "app/ApplicationSession.h"
#include "app/SceneGraphBackend.h"

#include <QApplication>
#include <QQmlApplicationEngine>

int main(int argc, char *argv[])
{
    setStartupEnvironment();
    QApplication app(argc, argv);
    chooseSceneGraphBackend();
    QQmlApplicationEngine engine;
    // Declared after the engine so it is destroyed first.
    ApplicationSession session;
    if (session.start(engine) != 0)
        return -1;
    return app.exec();
}
