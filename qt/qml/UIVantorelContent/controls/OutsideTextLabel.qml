import QtQuick
import QtQuick.Controls.Basic
import AppBackend 1.0

// A line of the program's own words around a text from outside (a device's name, a path):
// the outside text on one line, isolated so that no direction control in it reorders the
// words around it, and cut with an ellipsis where the line is narrower than the whole.
// Layouts should ask for `naturalWidth`: the label's own implicit width is that of the cut line.
Label {
    id: label

    property string outside
    property string before
    property string after

    readonly property string outsideLine: OutsideText.oneLine(outside)
    readonly property real naturalWidth: Math.ceil(metrics.advanceWidth(before + outsideLine + after))
                                         + leftPadding + rightPadding

    // Room for the own words and an ellipsis: below it a layout should not squeeze the label.
    readonly property real leastWidth: Math.ceil(metrics.advanceWidth(before + "\u2026" + after))
                                       + leftPadding + rightPadding

    textFormat: Text.PlainText
    maximumLineCount: 1
    // Whole until the label has been given a width.
    text: before
          + OutsideText.isolated(width <= 0 ? outsideLine
                                            : metrics.elidedText(outsideLine, Text.ElideRight,
                                                                 width - leftPadding - rightPadding
                                                                 - metrics.advanceWidth(before + after)))
          + after

    FontMetrics {
        id: metrics
        font: label.font
    }
}
