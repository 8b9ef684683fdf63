#include "SaveFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace SaveFolder {

const QString kDocumentsSubfolder = QStringLiteral("/Vantorel");

QString path()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
        + kDocumentsSubfolder;
}

bool ensureDirectory(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return true;
    // mkpath reports success for an existing plain file on some platforms; check again.
    return QDir().mkpath(folder) && QFileInfo(folder).isDir();
}

QString timeStamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyyMMddhhmmsszzz"));
}

QString numberedFilePath(const QString &folder, const QString &stem, const QString &suffix, int attempt)
{
    const QString name = attempt <= 1 ? stem : QStringLiteral("%1_%2").arg(stem).arg(attempt);
    return QDir(folder).filePath(name + suffix);
}

QString fileSafeModelName(const QString &model)
{
    QString safe = model;
    for (QChar &c : safe) {
        const ushort u = c.unicode();
        const bool allowed = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')
            || (u >= '0' && u <= '9') || u == '.' || u == '_' || u == '-';
        if (!allowed)
            c = QLatin1Char('_');
    }
    return safe;
}

} // namespace SaveFolder
