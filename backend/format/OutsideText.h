#pragma once
// The one rule by which text from outside the program (a device's name, a port the system
// lists, a folder of the file system) is shown among the program's own words: on one line,
// and with no direction control that could reorder the words around it.

#include <QString>

namespace OutsideText {

// Line breaks and other control characters become spaces; the explicit direction controls
// (embeddings, overrides, isolates and their ends) are dropped. Everything else is kept.
QString oneLine(const QString &text);

// oneLine between FIRST STRONG ISOLATE and POP DIRECTIONAL ISOLATE: the text takes its
// direction from its own first letter and leaves the direction of what follows alone.
QString isolated(const QString &text);

} // namespace OutsideText
