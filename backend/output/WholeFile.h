#pragma once
// Writing a file whole or not at all. A write that a full disk cuts short is no error to
// QPdfWriter or QImageWriter: here every byte of the content is counted, whether it was
// made in memory first or is written as it is made.

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>
#include <functional>

namespace WholeFile {

// The temporary file beside a file is named after it with ".XXXXXX" added: its name is
// this many bytes longer, and must fit the file system too.
constexpr int kTemporaryNameExtraBytes = 7;

// Writes `content` as the file `path` through a temporary file beside it that takes the name
// only when every byte was taken. False otherwise: no new file is left, and an earlier
// file of that name stays as it was. A link at the name is replaced, never written through.
// `mode` adds open flags (QIODevice::Text).
bool write(const QString &path, const QByteArray &content, QIODevice::OpenMode mode = {});

// Writes the content into the open file; false when the file took fewer bytes than given.
using ContentWriter = std::function<bool(QIODevice &file)>;
// As above, with content that is written as it is made, never held whole.
bool write(const QString &path, const ContentWriter &content, QIODevice::OpenMode mode = {});

// Opens folder/stem + suffix for writing; when that name is taken (two saves in the same
// millisecond), tries folder/stem_2 + suffix, stem_3, ... An existing file is never
// truncated. On failure the file is left closed and its name is the first one tried.
bool openNew(QFile &file, const QString &folder, const QString &stem, const QString &suffix);

enum class Outcome { Written, NotOpened, NotWritten };

// `content` as a new file of a name that openNew picks, written whole or not at all (then
// no file is left). `path` is the name taken, or the first one tried.
Outcome writeNew(const QString &folder, const QString &stem, const QString &suffix,
                 const QByteArray &content, QIODevice::OpenMode mode, QString &path);
Outcome writeNew(const QString &folder, const QString &stem, const QString &suffix,
                 const ContentWriter &content, QIODevice::OpenMode mode, QString &path);

} // namespace WholeFile
