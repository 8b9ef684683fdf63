#include "RunningApplication.h"

#include "control/StudioService.h"
#include "welcome/WelcomeService.h"
#include "store/DataBuffer.h"

#include <QCoreApplication>
#include <QQmlContext>
#include <QQuickWindow>

namespace testsupport {

RunningApplication::RunningApplication()
    : m_engine(std::make_unique<QQmlApplicationEngine>()),
      m_session(std::make_unique<ApplicationSession>())
{
}

RunningApplication::~RunningApplication()
{
    // As main(): the session's stack objects go before the engine.
    // A hidden window hands its scene graph resources back before it goes.
    if (QQuickWindow *shown = window()) {
        shown->hide();
        QCoreApplication::processEvents();
    }
    m_session.reset();
    m_engine.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool RunningApplication::start() { return m_session->start(*m_engine) == 0; }

template <typename T> T *RunningApplication::contextObject(const char *name) const
{
    return qobject_cast<T *>(m_engine->rootContext()->contextProperty(QLatin1String(name)).value<QObject *>());
}

StudioService *RunningApplication::studio() const { return contextObject<StudioService>("studioService"); }
WelcomeService *RunningApplication::welcome() const { return contextObject<WelcomeService>("welcomeService"); }
DataBuffer *RunningApplication::dataBuffer() const { return contextObject<DataBuffer>("dataBuffer"); }

QQuickWindow *RunningApplication::window() const
{
    const QList<QObject *> roots = m_engine->rootObjects();
    return roots.isEmpty() ? nullptr : qobject_cast<QQuickWindow *>(roots.first());
}

QObject *RunningApplication::find(const QString &objectName) const
{
    const QList<QObject *> roots = m_engine->rootObjects();
    return roots.isEmpty() ? nullptr : roots.first()->findChild<QObject *>(objectName);
}

bool RunningApplication::isVisible(const QString &objectName) const
{
    QObject *object = find(objectName);
    return object && object->property("visible").toBool();
}

QString RunningApplication::shownMessage() const
{
    QObject *box = find(QStringLiteral("messageDialog"));
    return box && box->property("visible").toBool() ? box->property("boxMessage").toString() : QString();
}

void RunningApplication::closeMessage()
{
    if (QObject *box = find(QStringLiteral("messageDialog"))) {
        box->setProperty("visible", false);
        box->setProperty("boxMessage", QString());
    }
}

} // namespace testsupport
