import QtQuick
import AppBackend 1.0
import UIVantorel
import UIVantorelContent

// The exposure time in milliseconds. It follows the device: every report of the exposure
// time puts the device's value back, over whatever was typed.
Rectangle {
    id: box

    // Keystroke filter of the spectrum and ratio pages; Set sends the text as it stands, and
    // the back end reads it by the rule of every typed number.
    property bool filtered: false
    readonly property alias input: exposeTime

    implicitWidth: 100
    implicitHeight: 32
    radius: 6
    color: ThemeManager.inputBackgroundColor
    border.width: 1
    border.color: ThemeManager.inputBorderColor

    NumberKeys {
        id: numberKeys
    }

    TextInput {
        id: exposeTime
        objectName: "exposeTime"
        width: 100
        height: 32
        leftPadding: 12
        rightPadding: 12
        verticalAlignment: TextInput.AlignVCenter
        font.pixelSize: 14
        color: ThemeManager.text
        clip: true
        selectByMouse: true
        validator: box.filtered ? numberKeys : null
        // Written as the interface language writes numbers, and so that it reads back as is.
        text: TypedNumber.text(dataBuffer.expoTime / 1000, Qt.uiLanguage)
    }
}
