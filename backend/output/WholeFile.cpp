#include "WholeFile.h"

#include "output/SaveFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace WholeFile {

const QString kUnfinishedSuffix = QStringLiteral(".part");

namespace {

constexpr int kTemporaryNameAttempts = 100;
const char kAccessAcl[] = "system.posix_acl_access";

ContentWriter allOf(const QByteArray &content)
{
    return [&content](QIODevice &file) { return file.write(content) == content.size(); };
}

QString randomTag()
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString tag;
    for (int i = 0; i < 5; ++i)
        tag += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters) - 1)]);
    return tag;
}

// The content's file until it takes its name; removed when it never does.
class Temporary
{
public:
    Temporary(const QString &path, QIODevice::OpenMode mode)
    {
        const QFileInfo target(path);
        for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
            m_name = QFile::encodeName(target.dir().filePath(QLatin1Char('.') + target.fileName() + QLatin1Char('.')
                                                             + randomTag() + kUnfinishedSuffix));
            // Created exclusively with 0666, as any new file of the folder is: the kernel
            // applies the umask or the folder's default ACL.
            const int fd = ::open(m_name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                if (!m_file.open(fd, QIODevice::WriteOnly | (mode & QIODevice::Text), QFileDevice::AutoCloseHandle))
                    ::close(fd);
                return;
            }
            if (errno != EEXIST)
                break;
        }
        m_name.clear();
    }
    ~Temporary()
    {
        if (m_name.isEmpty())
            return;
        m_file.close();
        ::unlink(m_name.constData());
    }
    Temporary(const Temporary &) = delete;
    Temporary &operator=(const Temporary &) = delete;

    bool isOpen() const { return m_file.isOpen(); }
    const QByteArray &name() const { return m_name; }
    int handle() const { return m_file.handle(); }
    // The content, every byte of it on the disk. The flush is checked here.
    bool fill(const ContentWriter &content)
    {
        return content(m_file) && m_file.flush() && ::fsync(m_file.handle()) == 0;
    }
    // It has its name now: nothing to remove.
    void keep()
    {
        m_file.close();
        m_name.clear();
    }

private:
    QByteArray m_name;
    QFile m_file;
};

// A file replaced keeps who may read and write it. A new name, or a link at it, leaves the
// new file's own access.
bool keepAccessOf(const QByteArray &path, int fd)
{
    struct stat existing {};
    if (::lstat(path.constData(), &existing) != 0 || !S_ISREG(existing.st_mode))
        return true;
    const ssize_t aclSize = ::getxattr(path.constData(), kAccessAcl, nullptr, 0);
    QByteArray acl(int(std::max<ssize_t>(aclSize, 0)), '\0');
    if (aclSize > 0 && ::getxattr(path.constData(), kAccessAcl, acl.data(), size_t(aclSize)) == aclSize) {
        if (::fsetxattr(fd, kAccessAcl, acl.constData(), size_t(aclSize), 0) != 0)
            return false;
    } else {
        // The one the folder's default ACL gave the new file; none to remove is as good.
        ::fremovexattr(fd, kAccessAcl);
    }
    return ::fchmod(fd, existing.st_mode & 0777) == 0;
}

enum class Naming { Taken, Occupied, Failed };

// Gives the temporary the name `path` unless any entry is there by now: a rename that never
// replaces, or where the file system has none (NFS), a hard link, which never replaces either.
Naming takeFreeName(const QByteArray &temporary, const QByteArray &path)
{
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, path.constData(), RENAME_NOREPLACE) == 0)
        return Naming::Taken;
    if (errno == EEXIST)
        return Naming::Occupied;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return Naming::Failed;
    if (::link(temporary.constData(), path.constData()) != 0)
        return errno == EEXIST ? Naming::Occupied : Naming::Failed;
    ::unlink(temporary.constData());
    return Naming::Taken;
}

// The new name on the disk too: a save that was reported survives a power cut.
void syncFolderOf(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool write(const QString &path, const QByteArray &content, QIODevice::OpenMode mode)
{
    return write(path, allOf(content), mode);
}

bool write(const QString &path, const ContentWriter &content, QIODevice::OpenMode mode)
{
    Temporary temporary(path, mode);
    const QByteArray name = QFile::encodeName(path);
    if (!temporary.isOpen() || !keepAccessOf(name, temporary.handle()) || !temporary.fill(content))
        return false;
    // rename() replaces whatever entry is at the name, a link included, where QSaveFile would
    // write through a link to its target.
    if (::rename(temporary.name().constData(), name.constData()) != 0)
        return false;
    temporary.keep();
    syncFolderOf(path);
    return true;
}

Outcome writeNew(const QString &folder, const QString &stem, const QString &suffix,
                 const QByteArray &content, QIODevice::OpenMode mode, QString &path)
{
    return writeNew(folder, stem, suffix, allOf(content), mode, path);
}

Outcome writeNew(const QString &folder, const QString &stem, const QString &suffix,
                 const ContentWriter &content, QIODevice::OpenMode mode, QString &path)
{
    path = SaveFolder::numberedFilePath(folder, stem, suffix, 1);
    Temporary temporary(path, mode);
    if (!temporary.isOpen())
        return Outcome::NotOpened;
    if (!temporary.fill(content))
        return Outcome::NotWritten;
    for (int attempt = 1; attempt <= SaveFolder::kMaxNameAttempts; ++attempt) {
        const QString name = SaveFolder::numberedFilePath(folder, stem, suffix, attempt);
        switch (takeFreeName(temporary.name(), QFile::encodeName(name))) {
        case Naming::Taken:
            temporary.keep();
            path = name;
            syncFolderOf(path);
            return Outcome::Written;
        case Naming::Occupied:
            continue;
        case Naming::Failed:
            return Outcome::NotWritten;
        }
    }
    return Outcome::NotOpened;
}

} // namespace WholeFile
