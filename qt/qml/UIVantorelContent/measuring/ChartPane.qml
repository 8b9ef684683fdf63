import QtQuick
import QtQuick.Layouts
import UIVantorel
import UIVantorelContent

// The left pane of a two-pane measuring page: the status row (exposure status and the
// page's chart selector) above the stack of chart views.
Item {
    id: pane

    property string context
    default property alias charts: stack.data
    // Placed after the exposure status, at the end of the status row.
    property alias statusItems: statusExtras.data

    Layout.fillWidth: true
    Layout.fillHeight: true
    Layout.preferredWidth: 319

    Rectangle {
        anchors.fill: parent
        anchors.margins: 24
        color: ThemeManager.background

        ColumnLayout {
            anchors.fill: parent
            spacing: 16

            Rectangle {
                Layout.fillWidth: true
                Layout.preferredHeight: 32
                color: ThemeManager.background

                RowLayout {
                    anchors.fill: parent
                    spacing: 0

                    Rectangle {
                        Layout.fillWidth: true
                        Layout.fillHeight: true
                        color: ThemeManager.background
                    }
                    RowLayout {
                        Layout.alignment: Qt.AlignHCenter
                        ExposureStatus {
                            context: pane.context
                        }
                        Item {
                            Layout.fillWidth: true
                        }
                        Row {
                            id: statusExtras
                        }
                    }
                }
            }

            Rectangle {
                id: stack
                Layout.fillWidth: true
                Layout.fillHeight: true
            }
        }
    }
}
