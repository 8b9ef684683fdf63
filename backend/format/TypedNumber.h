#pragma once
// The one rule by which a number that a person types is read, in every field, and written
// back into a field so that it reads as the same number.
//
// A point or a comma is a decimal separator in every language: "12,5" and "12.5" can only
// mean 12.5. A group separator is never dropped: text with more than one separator or with
// a space between digits, and text that one language reads with a group separator and
// another with a decimal one ("1.000", "1,000"), is no number. So what a field shows is
// the number read whatever the interface language or the system locale; the language only
// decides how a number is written back (its decimal separator). Full-width digits, points
// and commas and the ideographic full stop read as their ASCII forms; any Unicode blank
// counts as a blank.

#include <QString>
#include <optional>

namespace TypedNumber {

enum class Kind {
    Decimal, // digits with at most one decimal separator: exposure, illuminance
    Whole,   // digits only: durations, intervals, wavelengths
};

// The non-negative number `text` names, leading and trailing blanks aside; nothing when it
// is no number of that kind, or has more significant digits (those from the first to the
// last that is not 0) than a double carries exactly, 15.
std::optional<double> read(const QString &text, Kind kind);

// A non-negative `value` as the interface language `language` ("de", "fr", "en", "zh", or a
// longer code such as "de_DE") writes it, with the fewest digits that name it and
// no group separators: 12.5 is "12,5" in German. Three decimals after one to three digits
// get a fourth, 0, so the text cannot be taken for a thousand: 1.25 is "1.25", 1.234 is
// "1.2340". A value that needs more than 15 significant digits is written to 15. read()
// gives back the number written: `value` itself when it has at most 15.
QString text(double value, const QString &language);

} // namespace TypedNumber
