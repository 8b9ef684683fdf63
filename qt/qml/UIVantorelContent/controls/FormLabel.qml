import QtQuick
import UIVantorel

// Text of the settings forms; a form's heading is bold.
Text {
    property bool heading: false

    font.pixelSize: 14
    font.bold: heading
    color: ThemeManager.text
    verticalAlignment: Text.AlignVCenter
}
