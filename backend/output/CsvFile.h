#pragma once
// The bytes of a CSV export: UTF-8 text, written in memory so that the file can be written
// whole or not at all (WholeFile).

#include <QByteArray>
#include <QTextStream>
#include <functional>

namespace CsvFile {

// What `content` writes through a UTF-8 text stream, with a byte-order mark when asked.
QByteArray text(bool byteOrderMark, const std::function<void(QTextStream &)> &content);

// UTF-8's byte-order mark, for a file written as it is made rather than through text().
QByteArray byteOrderMark();

} // namespace CsvFile
