import QtQuick
import QtQuick.Controls.Basic
import UIVantorel

// The photometric results as titled groups of label and value pairs, two pairs to a row.
Rectangle {
    id: scrollView

    // Result groups as the store formats them: [{titleId, items: [{id, unitLabel, value, ...}]}].
    property var tableData: []

    property var titles: [QT_TR_NOOP("BASE"), QT_TR_NOOP("IR"), QT_TR_NOOP("PPFD"), QT_TR_NOOP("BL")]

    property string data_1: QT_TR_NOOP("CIE1931 colorspace tristimulus values X")
    property string data_2: QT_TR_NOOP("CIE1931 colorspace tristimulus values Y")
    property string data_3: QT_TR_NOOP("CIE1931 colorspace tristimulus values Z")
    property string data_4: QT_TR_NOOP("CIE1931 colorspace chromaticity coordinates x")
    property string data_5: QT_TR_NOOP("CIE1931 colorspace chromaticity coordinates y")
    property string data_6: QT_TR_NOOP("CIE1960 colorspace chromaticity coordinates u")
    property string data_7: QT_TR_NOOP("CIE1960 colorspace chromaticity coordinates v")
    property string data_8: QT_TR_NOOP("CIE1976 colorspace chromaticity coordinates u'")
    property string data_9: QT_TR_NOOP("CIE1976 colorspace chromaticity coordinates v'")
    property string data_10: QT_TR_NOOP("Color temperature CCT(K)")
    property string data_11: QT_TR_NOOP("absDeltaUV")
    property string data_12: QT_TR_NOOP("Red ratio(%)")
    property string data_13: QT_TR_NOOP("Green ratio(%)")
    property string data_14: QT_TR_NOOP("Blue ratio(%)")
    property string data_15: QT_TR_NOOP("Color shift Duv")
    property string data_16: QT_TR_NOOP("Color render index Ra")
    property string data_17: QT_TR_NOOP("Color render index R1")
    property string data_18: QT_TR_NOOP("Color render index R2")
    property string data_19: QT_TR_NOOP("Color render index R3")
    property string data_20: QT_TR_NOOP("Color render index R4")
    property string data_21: QT_TR_NOOP("Color render index R5")
    property string data_22: QT_TR_NOOP("Color render index R6")
    property string data_23: QT_TR_NOOP("Color render index R7")
    property string data_24: QT_TR_NOOP("Color render index R8")
    property string data_25: QT_TR_NOOP("Color render index R9")
    property string data_26: QT_TR_NOOP("Color render index R10")
    property string data_27: QT_TR_NOOP("Color render index R11")
    property string data_28: QT_TR_NOOP("Color render index R12")
    property string data_29: QT_TR_NOOP("Color render index R13")
    property string data_30: QT_TR_NOOP("Color render index R14")
    property string data_31: QT_TR_NOOP("Color render index R15")
    property string data_32: QT_TR_NOOP("Peak wavelength Lp(nm)")
    property string data_33: QT_TR_NOOP("Half-peak width HW(nm)")
    property string data_34: QT_TR_NOOP("Dominant wavelength Ld(nm)")
    property string data_35: QT_TR_NOOP("Color purity Purity(%)")
    property string data_36: QT_TR_NOOP("Light-dark vision ratio S/P")
    property string data_37: QT_TR_NOOP("Color tolerance SDCM")
    property string data_38: QT_TR_NOOP("K")
    property string data_39: QT_TR_NOOP("Illuminance Lux")
    property string data_40: QT_TR_NOOP("Irradiance Ee")
    property string data_41: QT_TR_NOOP("Illuminance E(fc)")
    property string data_42: QT_TR_NOOP("Color quality scale CQS")
    property string data_43: QT_TR_NOOP("Gamut area index GAI_EES")
    property string data_44: QT_TR_NOOP("Gamut area index GAI_BB_8")
    property string data_45: QT_TR_NOOP("Gamut area index GAI_BB_15")
    property string data_46: QT_TR_NOOP("Equivalen melanopic lux EML")
    property string data_47: QT_TR_NOOP("Melanopic equivalent daylight illuminance M_EDI")
    property string data_48: QT_TR_NOOP("Luminance Nit(nit)")
    property string data_101: QT_TR_NOOP("Blue light hazard weighted irradiance Eb")
    property string data_201: QT_TR_NOOP("Red irradiance Red_Ee")
    property string data_202: QT_TR_NOOP("Near infrared irradiance A Nir_EeA")
    property string data_203: QT_TR_NOOP("Near infrared irradiance B Nir_EeB")
    property string data_301: QT_TR_NOOP("Photosynthetically active radiation PAR")
    property string data_302: QT_TR_NOOP("Chlorophyll A weighted irradiance Eca")
    property string data_303: QT_TR_NOOP("Chlorophyll B weighted irradiance Ecb")
    property string data_304: QT_TR_NOOP("Blue purple irradiance Eb")
    property string data_305: QT_TR_NOOP("Yellow green irradiance Ey")
    property string data_306: QT_TR_NOOP("Red orange irradiance Er")
    property string data_307: QT_TR_NOOP("Red blue irradiance ratio Erb_Ratio")
    property string data_308: QT_TR_NOOP("Photosynthetic photon flux density PPFD(umol/(m^2·s))")
    property string data_309: QT_TR_NOOP("Blue purple photosynthetic photon flux density PPFDb(umol/(m^2·s))")
    property string data_310: QT_TR_NOOP("Yellow green photosynthetic photon flux density PPFDy(umol/(m^2·s))")
    property string data_311: QT_TR_NOOP("Red orange photosynthetic photon flux density PPFDr(umol/(m^2·s))")
    property string data_312: QT_TR_NOOP("Far red photosynthetic photon flux density PPFDfr(umol/(m^2·s))")
    property string data_313: QT_TR_NOOP("Red orange photosynthetic photon flux density ratio PPFDr_ratio(%)")
    property string data_314: QT_TR_NOOP("Yellow green photosynthetic photon flux density ratio PPFDy_ratio(%)")
    property string data_315: QT_TR_NOOP("Blue purple photosynthetic photon flux density ratio PPFDb_ratio(%)")
    property string data_316: QT_TR_NOOP("Yield photon flux density YPFD (umol/(m^2·s))")
    property string data_401: QT_TR_NOOP("Flicker  frequency(Hz)")
    property string data_402: QT_TR_NOOP("Percent flicker(%)")
    property string data_403: QT_TR_NOOP("Modulation depth(%)")
    property string data_404: QT_TR_NOOP("Flicker index")
    property string data_1001: QT_TR_NOOP("Color tolerance SDCM")
    property string data_1002: QT_TR_NOOP("Bandwidth")
    property string data_1003: QT_TR_NOOP("Custom Irradiance Ee")
    property string data_1004: QT_TR_NOOP("Custom Peak wavelength LP")
    property string data_1005: QT_TR_NOOP("Custom Half-peak width HW")

    anchors.fill: parent
    color: ThemeManager.dataTableBackground

    function labelOf(item) {
        var source = scrollView["data_" + item.id]
        // An id without a label of its own shows its catalogue key.
        var text = source === undefined ? String(item.key) : qsTr(source)
        if (item.unitLabel !== undefined && item.unitLabel !== "")
            text += "(" + item.unitLabel + ")"
        return text + ":"
    }

    // The label as laid out: a line may break before a unit's "(" but never after a "/", so
    // a symbol and a unit such as "(W/m^2)" or "(umol/(m^2·s))" always stay whole.
    function wrappableLabel(text) {
        return text.replace(/\//g, "/\u2060").replace(/([^\s\/\u2060(])\(/g, "$1\u200b(")
    }

    function titleOf(titleId) {
        var source = titles[titleId]
        return source === undefined ? "" : qsTr(source)
    }

    // One row: item 2r on the left, item 2r + 1 (when there is one) on the right.
    component ResultRow: Rectangle {
        id: row
        objectName: "resultRow"
        property var leftItem
        property var rightItem
        property int rowIndex: 0
        property bool first: false
        property bool last: false
        readonly property real cellWidth: (width - 48 - 20) / 2

        height: Math.max(34, leftCell.height + 10, rightItem === undefined ? 0 : rightCell.height + 10)
        radius: first || last ? 8 : 0
        color: rowIndex % 2 === 0 ? ThemeManager.dataTableItem1 : ThemeManager.dataTableItem2

        // Square corners where the row meets its neighbours (no per-corner radius here).
        Rectangle {
            objectName: "squareBottomCorners"
            visible: row.first && !row.last
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            height: parent.height / 2
            color: parent.color
        }
        Rectangle {
            objectName: "squareTopCorners"
            visible: row.last && !row.first
            anchors { left: parent.left; right: parent.right; top: parent.top }
            height: parent.height / 2
            color: parent.color
        }

        Row {
            x: 24
            y: 6
            spacing: 20
            ResultCell { id: leftCell; objectName: "leftCell"; width: row.cellWidth; item: row.leftItem }
            ResultCell {
                id: rightCell
                objectName: "rightCell"
                width: row.cellWidth
                item: row.rightItem
                visible: row.rightItem !== undefined
            }
        }
    }

    component ResultCell: Row {
        id: cell
        property var item
        spacing: 5
        height: Math.max(label.height, value.height)

        Text {
            id: label
            objectName: "label"
            width: cell.width * 0.6
            text: cell.item === undefined ? "" : scrollView.wrappableLabel(scrollView.labelOf(cell.item))
            font.pixelSize: 14
            color: ThemeManager.dataTableLabel
            horizontalAlignment: Text.AlignLeft
            // Never cut: the row grows with the lines.
            wrapMode: Text.Wrap
        }
        Text {
            id: value
            objectName: "value"
            width: cell.width * 0.4 - 5
            text: cell.item === undefined ? "" : String(cell.item.value)
            font.pixelSize: 14
            color: ThemeManager.dataTableText
            horizontalAlignment: Text.AlignRight
            wrapMode: Text.WrapAtWordBoundaryOrAnywhere
            maximumLineCount: 3
            elide: Text.ElideRight
            clip: true
        }
    }

    ScrollView {
        id: scroller
        anchors.fill: parent
        contentWidth: availableWidth
        // The column stands 24 px down; its last child is the bottom spacer.
        contentHeight: tableView.y + tableView.height
        ScrollBar.horizontal.policy: ScrollBar.AlwaysOff

        Column {
            id: tableView
            x: 24
            y: 24
            width: scrollView.width - 48
            spacing: 24

            // Counted, not the groups themselves: a new measurement with the same groups
            // then updates the texts in place instead of creating every row anew.
            Repeater {
                model: scrollView.tableData.length
                delegate: Column {
                    id: block
                    readonly property var group: scrollView.tableData[index]
                    readonly property var items: group === undefined ? [] : group.items
                    readonly property int rowCount: Math.ceil(items.length / 2)
                    width: tableView.width
                    spacing: 12

                    Text {
                        objectName: "groupTitle"
                        width: parent.width
                        text: block.group === undefined ? "" : scrollView.titleOf(block.group.titleId)
                        font.bold: true
                        font.pixelSize: 16
                        color: ThemeManager.dataTableTitleText
                        horizontalAlignment: Text.AlignLeft
                    }

                    Rectangle {
                        width: parent.width
                        height: rows.height + 2
                        radius: 8
                        border.width: 1
                        border.color: ThemeManager.dataTableBorder

                        Column {
                            id: rows
                            width: parent.width - 2
                            anchors.centerIn: parent
                            Repeater {
                                model: block.rowCount
                                delegate: ResultRow {
                                    width: rows.width
                                    rowIndex: model.index
                                    first: model.index === 0
                                    last: model.index === block.rowCount - 1
                                    leftItem: block.items[2 * model.index]
                                    rightItem: block.items[2 * model.index + 1]
                                }
                            }
                        }
                    }
                }
            }

            Rectangle {
                width: scrollView.width - 48
                height: 24
                color: ThemeManager.dataTableBackground
            }
        }
    }
}
