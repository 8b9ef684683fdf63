import QtQuick
import QtQuick.Layouts
import UIVantorel
import UIVantorelContent

// The chart area of a one-pane measuring page: the status row (exposure status, then the
// page's chart selector at the right) above the chart stack.
Rectangle {
    id: area

    property string context
    default property alias charts: stack.data
    // Placed at the end of the status row.
    property alias statusItems: statusExtras.data

    Layout.fillWidth: true
    Layout.fillHeight: true
    color: ThemeManager.background

    Item {
        anchors.fill: parent
        anchors.margins: 24

        RowLayout {
            id: statusBar
            objectName: "statusBar"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            height: 32

            ExposureStatus {
                context: area.context
            }
            Item {
                Layout.fillWidth: true
            }
            Row {
                id: statusExtras
            }
        }

        Item {
            id: stack
            anchors.top: statusBar.bottom
            anchors.topMargin: 16
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
        }
    }
}
