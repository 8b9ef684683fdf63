import QtQuick
import UIVantorel

// The exposure time in milliseconds. It follows the device: every report of the exposure
// time puts the device's value back, over whatever was typed.
Rectangle {
    id: box

    // Keystroke filter of the spectrum and ratio pages (0 to 5000 ms, 2 decimals).
    property bool filtered: false
    readonly property alias input: exposeTime

    // The typed time in milliseconds, or NaN when it is no plain decimal number from 0 to
    // the device's longest exposure. Only the C locale's form is taken, whatever the UI
    // language, so "1,5" or "1e3" never reach the device as something else.
    function milliseconds() {
        var text = exposeTime.text.trim()
        if (!/^(\d+(\.\d*)?|\.\d+)$/.test(text))
            return NaN
        var value = Number(text)
        return isFinite(value) && value >= 0 && value <= 5000 ? value : NaN
    }

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
