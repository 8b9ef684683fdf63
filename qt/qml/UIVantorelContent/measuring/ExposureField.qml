import QtQuick
import UIVantorel

// The exposure time in milliseconds. It follows the device: every report of the exposure
// time puts the device's value back, over whatever was typed.
Rectangle {
    id: box

    // Keystroke filter of the spectrum and ratio pages (0 to 5000 ms, 2 decimals). It leaves
    // a larger time in the field as unfinished input, and Set sends it as it stands.
    property bool filtered: false
    readonly property alias input: exposeTime

    implicitWidth: 100
    implicitHeight: 32
    radius: 6
    color: ThemeManager.inputBackgroundColor
    border.width: 1
    border.color: ThemeManager.inputBorderColor

    DoubleValidator {
        id: millisecondsValidator
        bottom: 0.0
        top: 5000.0
        decimals: 2
        notation: DoubleValidator.StandardNotation
        locale: "C"
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
        validator: box.filtered ? millisecondsValidator : null
        text: dataBuffer.expoTime / 1000
    }
}
