#include "CsvFile.h"

#include <QDir>
#include <QFileDevice>
#include <QStringConverter>

namespace CsvFile {

namespace {
constexpr int kMaxNameAttempts = 1000;
}

bool openNew(QFile &file, const QString &folder, const QString &stem)
{
    const QDir dir(folder);
    const QString first = dir.filePath(stem + QStringLiteral(".csv"));
    for (int attempt = 1; attempt <= kMaxNameAttempts; ++attempt) {
        const QString name = attempt == 1
            ? first
            : dir.filePath(QStringLiteral("%1_%2.csv").arg(stem).arg(attempt));
        if (QFile::exists(name))
            continue;
        file.setFileName(name);
        if (file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::NewOnly))
            return true;
        // Lost a race for this name: try the next one; any other failure is final.
        if (!QFile::exists(name))
            break;
    }
    file.setFileName(first);
    return false;
}

bool write(QIODevice &device, bool byteOrderMark,
           const std::function<void(QTextStream &)> &content)
{
    QTextStream out(&device);
    out.setEncoding(QStringConverter::Utf8);
    out.setGenerateByteOrderMark(byteOrderMark);
    content(out);
    out.flush();
    bool ok = out.status() == QTextStream::Ok;
    if (auto *file = qobject_cast<QFileDevice *>(&device)) {
        ok = file->flush() && ok;
        ok = ok && file->error() == QFileDevice::NoError;
    }
    return ok;
}

} // namespace CsvFile
