#pragma once
// Reading back what the save service wrote into its folder.

#include <QStringList>

namespace testsupport {

// Files in the save folder whose names match `pattern` (wildcards), by name.
QStringList savedFiles(const QString &pattern = QStringLiteral("*"));
// Removes them.
void removeSavedFiles(const QString &pattern);
// What a byte-order mark at the start of a file looks like in csvLines().
inline const QString kBom = QString(QChar(0xFEFF));
// A saved CSV file's lines without line ends; empty when unreadable.
QStringList csvLines(const QString &path);

} // namespace testsupport
