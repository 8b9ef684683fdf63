#include "app/ApplicationSession.h"
#include "app/SceneGraphBackend.h"
#include "app/TerminationSignals.h"

#include <QApplication>
#include <QQmlApplicationEngine>

int main(int argc, char *argv[])
{
    setStartupEnvironment();
    QApplication app(argc, argv);
    // Before the window, so that a signal during the start ends the loop's first pass and
    // the session's teardown below runs for it too.
    TerminationSignals termination;
    chooseSceneGraphBackend();
    QQmlApplicationEngine engine;
    // Declared after the engine so it is destroyed first.
    ApplicationSession session;
    if (session.start(engine) != 0)
        return -1;
    return termination.exec();
}
