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

    // A window hidden under the pointer (its close button clicked) hears of no leave, so the
    // button would show its hover again when the window next opens: it waits for the pointer.
    property bool hoverStale: false

    Connections {
        target: button.Window.window
        function onVisibleChanged() { button.hoverStale = true }
    }

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
        onPositionChanged: button.hoverStale = false
        onContainsMouseChanged: button.hoverStale = false

        ToolTip.text: button.tooltip
        ToolTip.visible: containsMouse && !button.hoverStale && button.tooltip !== ""
        ToolTip.delay: 500
        ToolTip.timeout: 3000
    }

    Rectangle {
        objectName: "hoverOverlay"
        anchors.fill: parent
        color: button.hoverColor
        opacity: mouseArea.containsMouse && !button.hoverStale ? 0.3 : 0

        Behavior on opacity {
            NumberAnimation { duration: 200; easing.type: Easing.Linear }
        }
    }
}
