#include "CsvFile.h"

#include "output/SaveFolder.h"

#include <QFileDevice>
#include <QStringConverter>

namespace CsvFile {

bool openNew(QFile &file, const QString &folder, const QString &stem)
{
    const QString suffix = QStringLiteral(".csv");
    const QString first = SaveFolder::numberedFilePath(folder, stem, suffix, 1);
    for (int attempt = 1; attempt <= SaveFolder::kMaxNameAttempts; ++attempt) {
        const QString name = SaveFolder::numberedFilePath(folder, stem, suffix, attempt);
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
