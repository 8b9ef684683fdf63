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

    // Text from outside arrives isolated (OutsideText.isolated): each such run starts a line
    // of its own and is cut in the middle where it and the rest of its line are wider than
    // the box, so that a long path neither splits over lines nor pushes the message out.
    // Whole until the box has a width.
    function shownMessage(message, lineWidth) {
        const text = String(message)
        if (lineWidth <= 0)
            return text
        return text.replace(/[ \t]*\n?(\u2068[^\u2069]*\u2069)/g, (match, run, offset) => {
            const restOfLine = text.slice(offset + match.length).split("\n")[0]
            const room = lineWidth - messageMetrics.advanceWidth(restOfLine)
            return (offset > 0 ? "\n" : "") + "\u2068"
                   + messageMetrics.elidedText(run.slice(1, -1), Text.ElideMiddle, room) + "\u2069"
        })
    }

    // Taller than boxHeight only where the message needs it: every line shows above the button.
    readonly property int fittedHeight: Math.max(boxHeight, chromeHeight + Math.ceil(messageLabel.implicitHeight)
                                                 + (boxButtonAcceptShown ? acceptButton.height + 32 : 16))

    visible: false
    resizable: false
    showMinimizeButton: true
    showMaximizeButton: true
    title: boxTitle
    width: boxWidth
    height: fittedHeight
    minimumWidth: boxWidth
    maximumWidth: boxWidth
    minimumHeight: fittedHeight
    maximumHeight: fittedHeight

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
        text: dialog.shownMessage(dialog.boxMessage, width)
        // Messages carry paths, names and replies from outside: shown as written.
        textFormat: Text.PlainText
        color: ThemeManager.text
        font.pixelSize: 14
        horizontalAlignment: Text.AlignHCenter
        // Between words; a word longer than the line, such as a file path, where the line is full.
        wrapMode: Text.WrapAtWordBoundaryOrAnywhere
    }

    FontMetrics {
        id: messageMetrics
        font: messageLabel.font
    }

    Component.onCompleted: console.log("CustomWindow:", boxTitle, " width:", width, " height:", height)
    onActiveChanged: console.log("Active CustomWindow:", boxTitle, " width:", width, " height:", height)
}
