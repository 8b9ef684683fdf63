#include "WholeFile.h"

#include "output/SaveFolder.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace WholeFile {

namespace {

// Whether any directory entry is at `path`: exists() follows a link and misses one that
// points nowhere.
bool hasEntry(const QString &path)
{
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

ContentWriter allOf(const QByteArray &content)
{
    return [&content](QIODevice &file) { return file.write(content) == content.size(); };
}
} // namespace

bool write(const QString &path, const QByteArray &content, QIODevice::OpenMode mode)
{
    return write(path, allOf(content), mode);
}

bool write(const QString &path, const ContentWriter &content, QIODevice::OpenMode mode)
{
    // Written beside the name and renamed over it: rename() replaces whatever entry is at the
    // name, a link included, where QSaveFile would write through a link to its target.
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open())
        return false;
    file.setTextModeEnabled(mode.testFlag(QIODevice::Text));
    // A new file gets the permissions any other new file of the user gets, not the private
    // ones of a temporary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    // The flush is checked here, and the bytes are on the disk before the name points at them.
    if (::fchmod(file.handle(), 0666 & ~mask) != 0 || !content(file) || !file.flush() || ::fsync(file.handle()) != 0)
        return false;
    if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return false;
    file.setAutoRemove(false);
    return true;
}

bool openNew(QFile &file, const QString &folder, const QString &stem, const QString &suffix)
{
    const QString first = SaveFolder::numberedFilePath(folder, stem, suffix, 1);
    for (int attempt = 1; attempt <= SaveFolder::kMaxNameAttempts; ++attempt) {
        const QString name = SaveFolder::numberedFilePath(folder, stem, suffix, attempt);
        file.setFileName(name);
        // NewOnly creates exclusively (O_CREAT | O_EXCL): it fails on any entry at the name, a
        // link that points anywhere or nowhere included, and so never opens through a link.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return true;
        // The name is taken: try the next one; a folder that refuses the file is final.
        if (!hasEntry(name))
            break;
    }
    file.setFileName(first);
    return false;
}

Outcome writeNew(const QString &folder, const QString &stem, const QString &suffix,
                 const QByteArray &content, QIODevice::OpenMode mode, QString &path)
{
    return writeNew(folder, stem, suffix, allOf(content), mode, path);
}

Outcome writeNew(const QString &folder, const QString &stem, const QString &suffix,
                 const ContentWriter &content, QIODevice::OpenMode mode, QString &path)
{
    // The empty file holds the name while the content is written beside it.
    QFile reserved;
    const bool opened = openNew(reserved, folder, stem, suffix);
    path = reserved.fileName();
    if (!opened)
        return Outcome::NotOpened;
    reserved.close();
    if (!write(path, content, mode)) {
        reserved.remove();
        return Outcome::NotWritten;
    }
    return Outcome::Written;
}

} // namespace WholeFile
