#include "CsvFile.h"

#include <QIODevice>
#include <QStringConverter>

namespace CsvFile {

QByteArray text(bool byteOrderMark, const std::function<void(QTextStream &)> &content)
{
    QByteArray bytes;
    QTextStream out(&bytes, QIODevice::WriteOnly);
    out.setEncoding(QStringConverter::Utf8);
    out.setGenerateByteOrderMark(byteOrderMark);
    content(out);
    out.flush();
    return bytes;
}

QByteArray byteOrderMark()
{
    return QByteArrayLiteral("\xEF\xBB\xBF");
}

} // namespace CsvFile
