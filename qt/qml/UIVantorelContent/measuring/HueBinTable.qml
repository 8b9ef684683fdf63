import QtQuick
import AppBackend 1.0
import UIVantorel

// The colour rendition results of the 16 hue bins: a fixed header over one row per bin.
Rectangle {
    id: dataAnalysis

    property alias model: table.model
    readonly property alias hueAngles: table.hueAngles

    // A bin's value with 4 decimals, as the result table rounds; a bin not computed yet
    // (missing, NaN) shows 0.
    function valueText(values, index) {
        var value = values !== undefined && values !== null && index < values.length ? Number(values[index]) : 0
        return NumberText.fixed(isFinite(value) ? value : 0, 4)
    }

    color: ThemeManager.background

    component Cell: Rectangle {
        property alias text: label.text
        property bool bold: false
        property alias textColor: label.color
        border.width: 1
        border.color: ColorStyle.colorGray3A

        Text {
            id: label
            anchors.centerIn: parent
            width: parent.width - 10
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            font.pixelSize: 14
            font.bold: parent.bold
        }
    }

    Column {
        anchors.fill: parent
        anchors.margins: 20
        spacing: 1

        Row {
            spacing: 0
            Repeater {
                model: ["Hue Angle", "Rf", "Chroma", "Hue"]
                delegate: Cell {
                    width: (dataAnalysis.width - 40) / 4
                    height: 40
                    color: ColorStyle.colorGray2A
                    text: modelData
                    bold: true
                    textColor: ColorStyle.colorGray12A
                }
            }
        }

        TableView {
            id: table
            objectName: "hueBinRows"

            readonly property var hueAngles: {
                var labels = []
                for (var i = 0; i < 16; ++i)
                    labels.push((i * 22.5).toFixed(1) + "°-" + ((i + 1) * 22.5).toFixed(1) + "°")
                return labels
            }

            width: dataAnalysis.width - 40
            // Whole rows only: what does not fit scrolls.
            height: Math.max(40, Math.floor((parent.height - 41) / 40) * 40)
            clip: true
            columnSpacing: 0
            rowSpacing: 0
            columnWidthProvider: function () { return table.width }
            rowHeightProvider: function () { return 40 }

            delegate: Rectangle {
                required property string hueAngle
                required property string rf
                required property string chroma
                required property string hue

                implicitWidth: table.width
                implicitHeight: 40
                color: ThemeManager.background

                Row {
                    anchors.fill: parent
                    // Counted, so a changed value changes one text rather than the row's cells.
                    Repeater {
                        model: 4
                        delegate: Cell {
                            width: table.width / 4
                            height: 40
                            color: ThemeManager.background
                            text: [hueAngle, rf, chroma, hue][index]
                            // The theme's text colour: a fixed dark grey vanishes on the dark background.
                            textColor: ThemeManager.text
                        }
                    }
                }
            }
        }
    }
}
