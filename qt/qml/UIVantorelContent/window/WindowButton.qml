import QtQuick
import QtQuick.Controls.Basic
import UIVantorel

// Caption button of a frameless window's title bar.
Rectangle {
    id: button

    property string iconText: ""
    property string tooltip: ""
    property color hoverColor: "#5dade2"

    signal clicked()

    width: 46
    height: 30
    color: "transparent"

    Text {
        anchors.centerIn: parent
        text: button.iconText
        color: ThemeManager.text
        font.pixelSize: 20
        font.bold: true
    }

    MouseArea {
        id: mouseArea
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()

        ToolTip.text: button.tooltip
        ToolTip.visible: containsMouse && button.tooltip !== ""
        ToolTip.delay: 500
        ToolTip.timeout: 3000
    }

    Rectangle {
        anchors.fill: parent
        color: button.hoverColor
        opacity: mouseArea.containsMouse ? 0.3 : 0

        Behavior on opacity {
            NumberAnimation { duration: 200; easing.type: Easing.Linear }
        }
    }
}
