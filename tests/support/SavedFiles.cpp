#include "SavedFiles.h"

#include "output/SaveFolder.h"

#include <QDir>
#include <QFile>

namespace testsupport {

QStringList savedFiles(const QString &pattern)
{
    const QDir folder(SaveFolder::path());
    QStringList paths;
    for (const QString &name : folder.entryList({pattern}, QDir::Files, QDir::Name))
        paths << folder.filePath(name);
    return paths;
}

void removeSavedFiles(const QString &pattern)
{
    for (const QString &path : savedFiles(pattern))
        QFile::remove(path);
}

QStringList csvLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // fromUtf8() would drop the mark silently.
    const QByteArray bytes = file.readAll();
    const bool bom = bytes.startsWith("\xEF\xBB\xBF");
    QStringList lines = QString::fromUtf8(bytes.mid(bom ? 3 : 0)).split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    if (bom && !lines.isEmpty())
        lines.first().prepend(kBom);
    return lines;
}

} // namespace testsupport
