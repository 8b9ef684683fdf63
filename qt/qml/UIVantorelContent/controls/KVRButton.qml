import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Controls.impl
import UIVantorel

// Push button of every page and dialog; "info" and "error" change its fill and text.
Button {
    id: control

    property string backGroundColor: ThemeManager.buttonBackgroundColor1
    property string type: "normal"

    function getBackgroundColor() {
        if (backGroundColor !== "")
            return backGroundColor
        if (type === "info")
            return ThemeManager.buttonBackgroundColor1.toString()
        if (type === "error")
            return ThemeManager.buttonBackgroundColorError.toString()
        return ThemeManager.buttonBackgroundColor2.toString()
    }

    text: "My Button"
    leftPadding: 12
    rightPadding: 12
    implicitWidth: Math.max(implicitBackgroundWidth, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight, implicitContentHeight + topPadding + bottomPadding)

    background: Rectangle {
        id: buttonBackground

        readonly property color fillByType: control.type === "info" ? control.backGroundColor
                                          : control.type === "error" ? ThemeManager.buttonBackgroundColorError
                                          : ThemeManager.buttonBackgroundColor2
        readonly property color hoverFill: {
            if (control.type === "info") {
                if (control.backGroundColor === ""
                        || Qt.colorEqual(control.backGroundColor, ThemeManager.buttonBackgroundColor1))
                    return ThemeManager.buttonBackgroundHove
                return ThemeManager.currentTheme === 1 ? Qt.lighter(control.backGroundColor, 1.15)
                                                       : Qt.darker(control.backGroundColor, 1.1)
            }
            return control.type === "error" ? ThemeManager.buttonBackgroundColorError
                                            : ThemeManager.buttonBackgroundColor2
        }
        readonly property color textByType: control.type === "normal" ? ThemeManager.buttonTextColor1
                                                                       : ThemeManager.buttonTextColor2

        implicitWidth: 80
        implicitHeight: 32
        radius: 6
        border.width: 1
        border.color: ThemeManager.buttonBorderColor1
        color: fillByType
    }

    contentItem: IconLabel {
        id: textItem
        spacing: control.spacing
        mirrored: control.mirrored
        display: control.display
        text: control.text
        font.pixelSize: 14
        color: ThemeManager.buttonTextColor1
        icon.name: control.icon.name
        icon.source: control.icon.source
        icon.width: control.icon.width
        icon.height: control.icon.height
        icon.cache: control.icon.cache
        icon.color: control.icon.color
    }

    states: [
        State {
            name: "normal"
            when: control.enabled && !control.down && !control.hovered
            PropertyChanges { target: buttonBackground; border.color: ThemeManager.buttonBorderColor1; color: buttonBackground.fillByType }
            PropertyChanges { target: textItem; color: buttonBackground.textByType; icon.color: buttonBackground.textByType }
        },
        State {
            name: "hover"
            when: control.enabled && control.hovered && !control.down
            PropertyChanges { target: buttonBackground; border.color: ThemeManager.buttonBorderColor2; color: buttonBackground.hoverFill }
            PropertyChanges { target: textItem; color: buttonBackground.textByType; icon.color: buttonBackground.textByType }
        },
        State {
            name: "down"
            when: control.enabled && control.down && control.hovered
            PropertyChanges { target: buttonBackground; border.color: ThemeManager.primary; color: buttonBackground.fillByType }
            PropertyChanges { target: textItem; color: buttonBackground.textByType; icon.color: buttonBackground.textByType }
        },
        State {
            name: "disable"
            when: !control.enabled
            PropertyChanges { target: buttonBackground; border.color: ThemeManager.buttonBorderColor3; border.width: 1; color: ThemeManager.buttonDisEnable }
            PropertyChanges { target: textItem; color: ThemeManager.textSecondary; icon.color: ThemeManager.textSecondary }
        }
    ]
}
