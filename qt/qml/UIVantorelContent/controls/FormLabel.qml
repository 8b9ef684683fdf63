import QtQuick
import UIVantorel

// Text of the settings forms; a form's heading is bold. Plain: a form may show a path or
// a name from outside, which must never be read as markup.
Text {
    property bool heading: false

    textFormat: Text.PlainText
    font.pixelSize: 14
    font.bold: heading
    color: ThemeManager.text
    verticalAlignment: Text.AlignVCenter
}
