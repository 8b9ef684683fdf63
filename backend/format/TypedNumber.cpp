#include "TypedNumber.h"

#include <QLocale>
#include <cmath>

namespace TypedNumber {

namespace {

// More digits than a double carries exactly would read as another number.
constexpr int kMaxDigits = 15;

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isSeparator(QChar c) { return c == QLatin1Char('.') || c == QLatin1Char(','); }

// A full-width input method types these for a digit, a point or a comma; nothing else can
// be meant by them.
QString withAsciiDigitsAndSeparators(QString text)
{
    for (QChar &c : text) {
        const char16_t code = c.unicode();
        if (code >= 0xFF10 && code <= 0xFF19)
            c = QLatin1Char(char('0' + (code - 0xFF10)));
        else if (code == 0xFF0E || code == 0x3002) // full-width and ideographic full stop
            c = QLatin1Char('.');
        else if (code == 0xFF0C) // full-width comma
            c = QLatin1Char(',');
    }
    return text;
}

// One to three digits, not led by 0, then a separator and exactly three digits: a thousand
// and more to one language, a number below a thousand to another.
bool readsAsGrouped(qsizetype integerDigits, qsizetype fractionDigits, QChar first)
{
    return integerDigits >= 1 && integerDigits <= 3 && first != QLatin1Char('0') && fractionDigits == 3;
}

// German and French write a decimal comma; the other languages of the interface a point.
QChar decimalSeparator(const QString &language)
{
    const QString code = language.left(2).toLower();
    return code == QLatin1String("de") || code == QLatin1String("fr") ? QLatin1Char(',') : QLatin1Char('.');
}

// `plain` (digits with at most one point) as a double; nothing when zeros put it beyond
// what a double can hold (infinity, or 0 for a number that is not).
std::optional<double> finite(const QString &plain)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

} // namespace

std::optional<double> read(const QString &text, Kind kind)
{
    // Every kind of blank (no-break, narrow, ideographic) is trimmed like a plain one.
    const QString trimmed = withAsciiDigitsAndSeparators(text).trimmed();
    qsizetype separatorAt = -1;
    int digits = 0;
    // The digits from the first to the last that is not 0 are what a double must carry:
    // "0.50", ".5" and "000005" are as exact as "5".
    int firstSignificant = -1;
    int lastSignificant = -1;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed.at(i);
        if (isDigit(c)) {
            if (c != QLatin1Char('0')) {
                if (firstSignificant < 0)
                    firstSignificant = digits;
                lastSignificant = digits;
            }
            ++digits;
        } else if (kind == Kind::Decimal && isSeparator(c) && separatorAt < 0) {
            separatorAt = i;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || lastSignificant - firstSignificant + 1 > kMaxDigits)
        return std::nullopt;
    if (separatorAt < 0)
        return finite(trimmed);
    const QStringView integer = QStringView(trimmed).left(separatorAt);
    const QStringView fraction = QStringView(trimmed).mid(separatorAt + 1);
    if (readsAsGrouped(integer.size(), fraction.size(), trimmed.at(0)))
        return std::nullopt;
    // ".5" is 0.5 and "5." is 5, as a person leaves out a zero.
    const QString plain = (integer.isEmpty() ? QStringLiteral("0") : integer.toString()) + QLatin1Char('.')
                          + (fraction.isEmpty() ? QStringLiteral("0") : fraction.toString());
    return finite(plain);
}

QString text(double value, const QString &language)
{
    if (!std::isfinite(value))
        return QString();
    // No more significant digits than read() takes: a value that needs more is written as
    // the nearest number that a person could type.
    const double typeable = QLocale::c().toDouble(QString::number(value, 'e', kMaxDigits - 1));
    QString written = QString::number(typeable, 'f', QLocale::FloatingPointShortest);
    const qsizetype point = written.indexOf(QLatin1Char('.'));
    if (point < 0)
        return written;
    if (readsAsGrouped(point, written.size() - point - 1, written.at(0)))
        written += QLatin1Char('0');
    written[point] = decimalSeparator(language);
    return written;
}

} // namespace TypedNumber
