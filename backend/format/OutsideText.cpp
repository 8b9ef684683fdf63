#include "OutsideText.h"

namespace OutsideText {

namespace {

constexpr char16_t kFirstStrongIsolate = 0x2068;
constexpr char16_t kPopDirectionalIsolate = 0x2069;

// LRE, RLE, PDF, LRO, RLO and LRI, RLI, FSI, PDI: each opens or closes a run whose
// direction reaches past the character itself. The marks (LRM, RLM, ALM) do not.
bool isDirectionControl(char16_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool breaksTheLine(QChar c)
{
    return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
        || c.category() == QChar::Separator_Paragraph;
}

} // namespace

QString oneLine(const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (isDirectionControl(c.unicode()))
            continue;
        shown += breaksTheLine(c) ? QChar(u' ') : c;
    }
    return shown;
}

QString isolated(const QString &text)
{
    return QChar(kFirstStrongIsolate) + oneLine(text) + QChar(kPopDirectionalIsolate);
}

} // namespace OutsideText
