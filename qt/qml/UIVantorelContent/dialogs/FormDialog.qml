import QtQuick
import QtQuick.Layouts
import UIVantorel
import UIVantorelContent

// A settings form in a message window: its background covers the box's own message and
// accept button, and the form's rows stack in one column. The form's own buttons act; the
// box's accept button stays out of reach under the cover.
KVRMessageDialog {
    id: dialog

    default property alias form: column.data
    property alias formSpacing: column.spacing
    // The form's height; a taller script (Chinese) grows the box rather than cut the form.
    property int preferredHeight: 200

    boxButtonAcceptShown: false
    boxWidth: 600
    boxHeight: Math.max(preferredHeight, Math.ceil(column.implicitHeight) + 2 * column.anchors.margins + 47)

    Rectangle {
        anchors.fill: parent
        color: ThemeManager.background

        ColumnLayout {
            id: column
            anchors.fill: parent
            anchors.margins: 20
            spacing: 16
        }
    }
}
