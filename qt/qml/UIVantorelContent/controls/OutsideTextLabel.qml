import QtQuick
import QtQuick.Controls.Basic
import AppBackend 1.0

// A text from outside (a device's name) followed by the program's own words: the outside
// text on one line, isolated so that no direction control in it reorders the words after
// it, and cut with an ellipsis where the line is narrower than the whole.
// Layouts should ask for `naturalWidth`: the label's own implicit width is that of the cut line.
Label {
    id: label

    property string outside
    property string after

    readonly property string outsideLine: OutsideText.oneLine(outside)
    readonly property real naturalWidth: Math.ceil(metrics.advanceWidth(outsideLine + after))
                                         + leftPadding + rightPadding

    // Room for an ellipsis and the own words: below it a layout should not squeeze the label.
    readonly property real leastWidth: Math.ceil(metrics.advanceWidth("\u2026" + after))
                                       + leftPadding + rightPadding

    textFormat: Text.PlainText
    maximumLineCount: 1
    // Whole until the label has been given a width.
    text: OutsideText.isolated(width <= 0 ? outsideLine
                                          : metrics.elidedText(outsideLine, Text.ElideRight,
                                                               width - leftPadding - rightPadding
                                                               - metrics.advanceWidth(after)))
          + after

    FontMetrics {
        id: metrics
        font: label.font
    }
}
