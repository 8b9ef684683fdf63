#include "LocaleChild.h"

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>

namespace testsupport {

ChildRun runSelfUnderLocale(const char *childFlag, const QString &locale, int timeoutMs)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(childFlag), QStringLiteral("1"));
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    ChildRun run;
    run.finished = child.waitForFinished(timeoutMs);
    run.exitCode = child.exitCode();
    run.output = QString::fromUtf8(child.readAllStandardOutput()).trimmed();
    run.errors = QString::fromUtf8(child.readAllStandardError());
    return run;
}

} // namespace testsupport
