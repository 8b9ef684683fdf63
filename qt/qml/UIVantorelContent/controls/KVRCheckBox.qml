import QtQuick
import QtQuick.Controls.Basic

// Check box in one fixed blue, whatever the theme.
CheckBox {
    id: control

    text: qsTr("CheckBox")
    checked: true

    indicator: Rectangle {
        id: indicatorRectangle
        implicitWidth: 16
        implicitHeight: 16
        x: control.leftPadding
        y: control.height / 2 - height / 2
        radius: 2
        border.width: 1
        border.color: "#047eff"
        color: "#00000000"

        // Centred and inside the frame, with a 2 px gap to the border.
        Rectangle {
            id: checkMark
            width: 10
            height: 10
            anchors.centerIn: parent
            radius: 2
            color: "#047eff"
            visible: false
        }
    }

    contentItem: Text {
        id: textItem
        text: control.text
        font: control.font
        leftPadding: control.indicator.width + control.spacing
        verticalAlignment: Text.AlignVCenter
        color: "#047eff"
        opacity: control.enabled ? 1.0 : 0.3
    }

    states: [
        State {
            name: "checked"
            when: control.checked
            PropertyChanges { target: indicatorRectangle; color: "#00000000"; border.color: "#047eff" }
            PropertyChanges { target: checkMark; visible: true; color: "#047eff" }
            PropertyChanges { target: textItem; color: "#047eff" }
        },
        State {
            name: "unchecked"
            when: !control.checked
            PropertyChanges { target: indicatorRectangle; color: "#00000000"; border.color: "#047eff" }
            PropertyChanges { target: checkMark; visible: false }
            PropertyChanges { target: textItem; color: "#047eff" }
        }
    ]
}
