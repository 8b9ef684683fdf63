import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Controls.impl
import UIVantorel

// Pill-shaped button of the mode page: a recoloured icon on the left, a centred label.
Button {
    id: control

    text: "My Button"
    leftPadding: 12
    rightPadding: 12
    implicitWidth: Math.max(implicitBackgroundWidth, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight, implicitContentHeight + topPadding + bottomPadding)

    state: !enabled ? "disable"
         : pressed && hovered ? "down"
         : pressed ? ""
         : hovered ? "hover" : "normal"

    background: Rectangle {
        id: pill
        implicitWidth: 340
        implicitHeight: 64
        radius: 999
        border.width: 1
        color: ThemeManager.surface
        border.color: ThemeManager.buttonBorderColor1
        opacity: control.enabled ? 1 : 0.3

        ColorImage {
            id: iconImage
            objectName: "navButtonIcon"
            anchors.verticalCenter: parent.verticalCenter
            x: 32
            width: 30
            sourceSize.width: 30
            fillMode: Image.PreserveAspectFit
            source: control.icon.source
            color: control.enabled ? ThemeManager.text : ThemeManager.buttonDisEnable
        }
    }

    contentItem: IconLabel {
        id: label
        display: AbstractButton.TextOnly
        text: control.text
        font.pixelSize: 14
        font.bold: true
        color: ThemeManager.text
        opacity: control.enabled ? 1 : 0.3
    }

    states: [
        State {
            name: "normal"
        },
        State {
            name: "hover"
            PropertyChanges { target: pill; border.color: ThemeManager.buttonBorderColor2 }
        },
        State {
            name: "down"
            PropertyChanges { target: pill; border.color: ThemeManager.buttonBorderColor3 }
        },
        State {
            name: "disable"
            PropertyChanges { target: pill; color: ThemeManager.buttonDisEnable; border.color: ThemeManager.buttonBorderColor1 }
            PropertyChanges { target: label; color: ThemeManager.buttonDisEnable }
        }
    ]
}
