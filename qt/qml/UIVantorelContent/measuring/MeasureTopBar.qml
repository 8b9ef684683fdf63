import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import UIVantorel
import UIVantorelContent

// The top bar of a measuring page: the page's buttons above the exposure row and the
// model line. Texts are translated in the page's context.
Rectangle {
    id: topBar

    property string context
    // Compact: the rows keep their natural width at the top left (Studio, Raman);
    // otherwise they fill the bar.
    property bool compact: false
    // Without it the exposure row offers automatic exposure only (Raman).
    property bool manualExposure: true
    // The spectrum and ratio pages filter the field's keystrokes.
    property bool exposureFiltered: false

    default property alias buttons: buttonRow.data
    readonly property alias exposeTime: exposureField.input

    Layout.fillWidth: true
    Layout.preferredHeight: 112
    implicitHeight: 112
    color: ThemeManager.background
    border.width: 0.5
    border.color: ThemeManager.border

    Column {
        id: rows
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.right: topBar.compact ? undefined : parent.right
        anchors.margins: 16
        spacing: 16

        Row {
            id: buttonRow
            // Longer labels (German, French) can outgrow the narrowest page: the buttons then
            // pad and space less rather than run past the window's edge.
            readonly property bool tightButtons: {
                if (topBar.compact)
                    return false
                var natural = 0
                var shown = 0
                for (var i = 0; i < children.length; ++i) {
                    var child = children[i]
                    if (!child.visible || child.implicitContentWidth === undefined)
                        continue
                    natural += child.implicitContentWidth + 24
                    ++shown
                }
                return natural + 16 * Math.max(0, shown - 1) > rows.width
            }
            width: topBar.compact ? implicitWidth : rows.width
            height: 32
            spacing: tightButtons ? 8 : 16
        }

        RowLayout {
            id: exposureRow
            // Compact, it still ends at the bar's edge, where a long model name is cut.
            width: topBar.compact ? Math.min(implicitWidth, topBar.width - 2 * rows.anchors.margins) : rows.width
            height: 32

            Label {
                text: qsTranslate(topBar.context, "Exposure")
                font.pixelSize: 14
                color: ThemeManager.text
            }
            KVRRadioButton {
                id: autoExposure
                objectName: "autoRadioButton"
                text: qsTranslate(topBar.context, "Auto")
                font.pixelSize: 14
                checked: dataBuffer.expoMode !== 0
                enabled: !studioService.isMeasuring
                onClicked: studioService.handleSetExposeModeSignal(1)
            }
            KVRRadioButton {
                id: manualExposure
                objectName: "manualRadioButton"
                visible: topBar.manualExposure
                text: qsTranslate(topBar.context, "Manual")
                font.pixelSize: 14
                checked: dataBuffer.expoMode === 0
                enabled: !studioService.isMeasuring
                onClicked: studioService.handleSetExposeModeSignal(0)
            }
            ExposureField {
                id: exposureField
                visible: topBar.manualExposure
                filtered: topBar.exposureFiltered
            }
            KVRButton {
                id: setButton
                objectName: "setExposeTime"
                visible: topBar.manualExposure
                text: qsTranslate(topBar.context, "Set")
                enabled: !studioService.isMeasuring && dataBuffer.expoMode === 0
                // The back end refuses, with its message, text that is no time.
                onClicked: studioService.handleSetExposeTimeSignal(topBar.exposeTime.text)
            }
            KVRButton {
                id: getButton
                objectName: "getExposeTime"
                visible: topBar.manualExposure
                text: qsTranslate(topBar.context, "Get")
                enabled: !studioService.isMeasuring && dataBuffer.expoMode === 0
                onClicked: studioService.handleGetExposeTimeSignal()
            }
            Rectangle {
                Layout.fillWidth: true
                Layout.preferredHeight: 1
                color: "transparent"
            }
            Label {
                text: qsTranslate(topBar.context, "Model:")
                color: ThemeManager.text
            }
            // The device's name as it gave it, cut short of the row's end where it is long.
            OutsideTextLabel {
                objectName: "modelLine"
                Layout.fillWidth: true
                Layout.minimumWidth: leastWidth
                Layout.preferredWidth: naturalWidth
                Layout.maximumWidth: naturalWidth
                color: ThemeManager.text
                outside: dataBuffer.deviceModel
                after: " " + (Number(studioService.connectType) === 0 ? qsTranslate(topBar.context, "Serial")
                                                                      : qsTranslate(topBar.context, "Bluetooth"))
            }
        }
    }
}
