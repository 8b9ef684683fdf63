import QtQuick

// Keystroke filter of the number fields: digits, the two separators and blanks, the
// characters of every way a number is written. Which texts are numbers, TypedNumber
// decides when the field is read, so a field never turns what was typed into another
// number (a validator that knows a locale would drop a separator it takes for grouping).
RegularExpressionValidator {
    regularExpression: /[0-9.,\s]*/
}
