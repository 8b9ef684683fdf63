import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import UIVantorel

// The peaks of the clean Raman spectrum as a two-column table: Raman shift and intensity.
Rectangle {
    id: panel

    // Records {"waveNumber", "intensity"}, both already text.
    property var peaks: []

    color: ThemeManager.dataTableBackground
    radius: 8
    clip: true

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 0

        Text {
            id: titleText
            text: qsTranslate("Raman", "Peak selection")
            font.bold: true
            font.pixelSize: 16
            color: ThemeManager.dataTableTitleText
        }
        Item {
            Layout.preferredHeight: 10
        }

        // Rounded at the top only: a square strip covers the lower corners.
        Rectangle {
            Layout.fillWidth: true
            Layout.preferredHeight: 42
            color: ThemeManager.background
            border.width: 1
            border.color: ThemeManager.dataTableBorder
            radius: 8
            clip: true

            Rectangle {
                anchors.left: parent.left
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                height: parent.radius
                color: ThemeManager.background
                border.width: 1
                border.color: ThemeManager.dataTableBorder
            }

            Row {
                id: tabHead
                anchors.centerIn: parent
                width: parent.width - 2
                height: parent.height - 2

                Repeater {
                    model: [qsTranslate("Raman", "cm^-1"), qsTranslate("Raman", "intensity")]

                    Rectangle {
                        id: headCell

                        required property int index
                        required property string modelData

                        width: tabHead.width / 2
                        height: 40
                        color: ThemeManager.dataTableItem2
                        radius: 8

                        // Squares the corners that stay square: the bottom ones and the inner top one.
                        Rectangle {
                            anchors.left: parent.left
                            anchors.right: parent.right
                            anchors.bottom: parent.bottom
                            height: parent.height - parent.radius
                            color: parent.color
                        }
                        Rectangle {
                            x: headCell.index === 0 ? headCell.width - width : 0
                            width: parent.radius
                            height: parent.radius
                            color: parent.color
                        }
                        Text {
                            anchors.centerIn: parent
                            text: headCell.modelData
                            font.bold: true
                            font.pixelSize: 14
                            color: ThemeManager.dataTableLabel
                        }
                    }
                }
            }
        }

        TableView {
            id: analysisTable
            objectName: "analysisTable"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            columnSpacing: 0
            model: panel.peaks
            // The column is the table's width; hidden, the panel has none yet.
            columnWidthProvider: function() { return Math.max(1, analysisTable.width) }
            rowHeightProvider: function() { return 40 }
            onWidthChanged: forceLayout()

            ScrollBar.vertical: ScrollBar {
                id: vScrollBar
                width: 10
                // Only while the rows do not fit: the custom handle has no fading of its own.
                policy: analysisTable.contentHeight > analysisTable.height ? ScrollBar.AlwaysOn
                                                                           : ScrollBar.AlwaysOff
                background: Rectangle {
                    color: "#f0f0f0"
                }
                contentItem: Rectangle {
                    implicitWidth: 10
                    radius: 5
                    color: vScrollBar.pressed ? "#888888" : "#aaaaaa"
                }
            }

            delegate: Rectangle {
                id: peakRow

                required property int row
                required property var modelData
                readonly property color cellColor: row % 2 === 0 ? ThemeManager.dataTableItem1
                                                                  : ThemeManager.dataTableItem2

                implicitWidth: Math.max(1, analysisTable.width)
                implicitHeight: 40
                color: ThemeManager.background
                border.width: 1
                border.color: ThemeManager.dataTableBorder

                Row {
                    anchors.centerIn: parent
                    width: parent.width - 2
                    height: parent.height - 2

                    Rectangle {
                        width: parent.width / 2
                        height: parent.height
                        color: peakRow.cellColor

                        Text {
                            anchors.centerIn: parent
                            width: parent.width - 10
                            horizontalAlignment: Text.AlignHCenter
                            elide: Text.ElideRight
                            font.pixelSize: 14
                            color: ThemeManager.dataTableLabel
                            text: peakRow.modelData.waveNumber
                        }
                    }
                    Rectangle {
                        width: parent.width / 2
                        height: parent.height
                        color: peakRow.cellColor

                        Text {
                            anchors.centerIn: parent
                            width: parent.width - 10
                            horizontalAlignment: Text.AlignHCenter
                            elide: Text.ElideRight
                            font.pixelSize: 14
                            color: ThemeManager.dataTableText
                            text: peakRow.modelData.intensity
                        }
                    }
                }
            }
        }
    }
}
