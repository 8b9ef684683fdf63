import QtQuick
import QtQuick.Controls.Basic
import UIVantorel
import UIVantorelContent

// Fixed-size message window with a centred message and one accept button.
CustomWindow {
    id: dialog

    property string boxMessage: ""
    property string boxTitle: ""
    property string boxButtonAcceptLabel: qsTr("OK")
    property bool boxButtonAcceptHighlighted: true
    // A form that covers the button hides it too: a button not seen must take no click.
    property bool boxButtonAcceptShown: true
    property int boxWidth: 300
    property int boxHeight: 150

    signal accepted()

    visible: false
    resizable: false
    showMinimizeButton: true
    showMaximizeButton: true
    title: boxTitle
    width: boxWidth
    height: boxHeight
    minimumWidth: boxWidth
    maximumWidth: boxWidth
    minimumHeight: boxHeight
    maximumHeight: boxHeight

    KVRButton {
        id: acceptButton
        objectName: "acceptButton"
        visible: dialog.boxButtonAcceptShown
        x: parent.width - 16 - width
        y: parent.height - 16 - height
        text: dialog.boxButtonAcceptLabel
        onClicked: {
            dialog.accepted()
            dialog.close()
        }
    }

    Label {
        id: messageLabel
        objectName: "messageLabel"
        x: 10
        // Centred in the room above the button, so a second line never runs into it.
        y: Math.max(0, ((dialog.boxButtonAcceptShown ? acceptButton.y : parent.height) - height) / 2)
        width: parent.width - 20
        text: dialog.boxMessage
        // Messages carry paths, names and replies from outside: shown as written.
        textFormat: Text.PlainText
        color: ThemeManager.text
        font.pixelSize: 14
        horizontalAlignment: Text.AlignHCenter
        // Between words; a word longer than the line, such as a file path, where the line is full.
        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
    }

    Component.onCompleted: console.log("CustomWindow:", boxTitle, " width:", width, " height:", height)
    onActiveChanged: console.log("Active CustomWindow:", boxTitle, " width:", width, " height:", height)
}
