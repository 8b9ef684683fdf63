#pragma once
// Writing a file whole or not at all. A write that a full disk cuts short is no error to
// QPdfWriter or QImageWriter: here every byte of the content is counted, whether it was
// made in memory first or is written as it is made.
//
// The content goes into a temporary file beside the name, created as any new file of that
// folder is (mode 0666 through the umask or the folder's default ACL), and synced to the disk
// before it takes the name. The temporary is "." + the name + ".XXXXX.part": hidden, and named
// as unfinished where a killed process leaves it behind.

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace WholeFile {

// What ends the name of a temporary file; a file so named never got its content whole.
extern const QString kUnfinishedSuffix; // ".part"
// The temporary's name is this many bytes longer than the file's, and must fit the file
// system too.
constexpr int kTemporaryNameExtraBytes = 12;

// Writes the content into the open file; false when the file took fewer bytes than given.
using ContentWriter = std::function<bool(QIODevice &file)>;

// Writes `content` as the file `path`, replacing what is there only when every byte was
// taken. False otherwise: no new file is left, and an earlier file of that name stays as it
// was. A file replaced keeps its permissions and ACL; a link at the name is replaced, never
// written through. `mode` adds open flags (QIODevice::Text).
bool write(const QString &path, const QByteArray &content, QIODevice::OpenMode mode = {});
// As above, with content that is written as it is made, never held whole.
bool write(const QString &path, const ContentWriter &content, QIODevice::OpenMode mode = {});

enum class Outcome { Written, NotOpened, NotWritten };

// `content` as a new file folder/stem + suffix, written whole or not at all (then no file is
// left). The name is taken only when the content is on the disk, and never over another
// entry: when something is there by then (two saves in the same millisecond), the file is
// stem_2 + suffix, stem_3, ... `path` is the name taken, or the first one tried.
Outcome writeNew(const QString &folder, const QString &stem, const QString &suffix,
                 const QByteArray &content, QIODevice::OpenMode mode, QString &path);
Outcome writeNew(const QString &folder, const QString &stem, const QString &suffix,
                 const ContentWriter &content, QIODevice::OpenMode mode, QString &path);

} // namespace WholeFile
