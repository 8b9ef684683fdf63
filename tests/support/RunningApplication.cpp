#include "RunningApplication.h"

#include "services/SaveService.h"
#include "services/StudioService.h"
#include "services/WelcomeService.h"
#include "services/SaveFolder.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QFile>

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

QObject *RunningApplication::contextObject(const char *name) const
{
    return m_engine->rootContext()->contextProperty(QString::fromLatin1(name)).value<QObject *>();
}

StudioService *RunningApplication::studio() const
{
    return qobject_cast<StudioService *>(contextObject("studioService"));
}

WelcomeService *RunningApplication::welcome() const
{
    return qobject_cast<WelcomeService *>(contextObject("welcomeService"));
}

SaveService *RunningApplication::save() const
{
    return qobject_cast<SaveService *>(contextObject("saveService"));
}

DataBuffer *RunningApplication::dataBuffer() const
{
    return qobject_cast<DataBuffer *>(contextObject("dataBuffer"));
}

QStringList RunningApplication::savedFiles(const QString &pattern)
{
    const QDir folder(SaveFolder::path());
    QStringList paths;
    for (const QString &name : folder.entryList({pattern}, QDir::Files, QDir::Name))
        paths << folder.filePath(name);
    return paths;
}

QStringList RunningApplication::csvLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringList lines = QString::fromUtf8(bytes).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

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

} // namespace testsupport
