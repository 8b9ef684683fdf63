#pragma once
// The folder every export is written to, and the parts of export file names.

#include <QDateTime>
#include <QString>

namespace SaveFolder {

extern const QString kDocumentsSubfolder; // "/Vantorel"

// The user's documents folder + "/Vantorel".
QString path();

// True when `folder` is a directory afterwards, creating it with all parents if needed.
bool ensureDirectory(const QString &folder);

// "yyyyMMddhhmmsszzz" of the local time.
QString timeStamp(const QDateTime &time);

constexpr int kMaxNameAttempts = 1000;

// folder/stem + suffix for the first attempt, folder/stem_<attempt> + suffix after it: the
// names tried in turn so that a save never overwrites another of the same millisecond.
QString numberedFilePath(const QString &folder, const QString &stem, const QString &suffix, int attempt);

// The device reports its own name, so it may hold path separators or other characters
// that must not reach a file name: anything but letters, digits, '.', '_' and '-'
// becomes '_', and so does a '.' or '-' at the start, so no export name begins with one.
QString fileSafeModelName(const QString &model);

// The longest file name the file systems take, in bytes of UTF-8.
constexpr int kMaxFileNameBytes = 255;

// The file-safe model + infix + time stamp: the stem of the export names. A device may name
// itself at any length, so the model part is cut (between characters) so that the stem with
// any numbering of numberedFilePath and `suffix` fits kMaxFileNameBytes, and so does the
// name of the temporary that WholeFile writes beside it.
QString fileStem(const QString &model, const QString &infix, const QDateTime &time, const QString &suffix);

} // namespace SaveFolder
