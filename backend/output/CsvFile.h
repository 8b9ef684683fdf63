#pragma once
// Creating an export file without overwriting another, and writing it so that any
// failure of the device (disk full, I/O error) is noticed.

#include <QFile>
#include <QString>
#include <QTextStream>
#include <functional>

namespace CsvFile {

// Opens folder/stem.csv for writing; when that name is taken (two saves in the same
// millisecond), tries folder/stem_2.csv, stem_3.csv, ... An existing file is never
// truncated. On failure the file is left closed and its name is the first one tried.
bool openNew(QFile &file, const QString &folder, const QString &stem);

// Writes the content through a UTF-8 text stream (with a byte-order mark when asked)
// and flushes it; false when any byte did not reach the device.
bool write(QIODevice &device, bool byteOrderMark,
           const std::function<void(QTextStream &)> &content);

} // namespace CsvFile
