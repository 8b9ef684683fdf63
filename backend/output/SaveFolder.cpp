#include "SaveFolder.h"

#include "output/WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace SaveFolder {

namespace {

int utf8Size(const QString &text) { return int(text.toUtf8().size()); }

// The longest start of `text` of at most `maxBytes` in UTF-8 that ends between characters.
QString leadingUtf8(const QString &text, int maxBytes)
{
    int bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size()
            && text.at(end + 1).isLowSurrogate();
        const qsizetype units = pair ? 2 : 1;
        const int size = utf8Size(text.mid(end, units));
        if (bytes + size > maxBytes)
            break;
        bytes += size;
        end += units;
    }
    return text.left(end);
}

} // namespace

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
    // A leading '.' hides the file; a leading '-' reads as an option in a shell.
    if (safe.startsWith(QLatin1Char('.')) || safe.startsWith(QLatin1Char('-')))
        safe[0] = QLatin1Char('_');
    return safe;
}

QString fileStem(const QString &model, const QString &infix, const QDateTime &time, const QString &suffix)
{
    const QString rest = infix + timeStamp(time);
    const QString longestNumbering = QStringLiteral("_%1").arg(kMaxNameAttempts);
    const int room = kMaxFileNameBytes - WholeFile::kTemporaryNameExtraBytes
        - utf8Size(rest + longestNumbering + suffix);
    return leadingUtf8(fileSafeModelName(model), std::max(0, room)) + rest;
}

} // namespace SaveFolder
