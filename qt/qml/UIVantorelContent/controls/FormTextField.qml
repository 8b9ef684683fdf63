import QtQuick
import QtQuick.Controls.Basic
import UIVantorel

// Text input of the settings forms.
TextField {
    id: field

    font.pixelSize: 14
    color: ThemeManager.text
    selectionColor: ThemeManager.primary
    verticalAlignment: TextInput.AlignVCenter
    opacity: enabled ? 1 : 0.5

    background: Rectangle {
        implicitWidth: 120
        implicitHeight: 32
        radius: 6
        color: ThemeManager.inputBackgroundColor
        border.width: 1
        border.color: field.activeFocus ? ThemeManager.primary : ThemeManager.inputBorderColor
    }
}
