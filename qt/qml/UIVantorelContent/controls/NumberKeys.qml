import QtQuick

// Keystroke filter of the number fields: digits, the two separators and blanks, the
// characters of every way a number is written, with the full-width digits, point and comma
// and the ideographic full stop of a Chinese input method and every Unicode blank. Which
// texts are numbers, TypedNumber decides when the field is read, so a field never turns
// what was typed into another number (a validator that knows a locale would drop a
// separator it takes for grouping; one that dropped a no-break space would turn "1 000"
// into 1000).
RegularExpressionValidator {
    // Built from a string, so that the pattern holds the characters themselves: the
    // validator's engine reads escapes such as \u otherwise than the script does, and its \s
    // knows only ASCII blanks.
    regularExpression: new RegExp("[0-9.,\\s\u00a0\u1680\u2000-\u200a\u202f\u205f\u3000\uff10-\uff19\uff0c\uff0e\u3002]*")
}
