import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import AppBackend 1.0
import UIVantorelContent
import UIVantorel

// The user's wavelength band for the range analysis.
FormDialog {
    id: dialog

    // Whole nanometres of at most five digits; null for anything else.
    function wholeNumber(text) {
        const value = TypedNumber.whole(text)
        return value !== undefined && value <= 99999 ? value : null
    }

    function confirm() {
        const begin = wholeNumber(beginField.text)
        const end = wholeNumber(endField.text)
        if (begin === null || end === null) {
            windowsRoot.showMessage(dialog.boxTitle, qsTr("Enter whole numbers of nanometres in digits only, such as 380."))
            return
        }
        if (begin >= end) {
            windowsRoot.showMessage(dialog.boxTitle, qsTr("The start must be below the end."))
            return
        }
        // Both at once: one bound alone may not pass the other stored one.
        studioService.setRange(begin, end)
        dialog.visible = false
    }

    boxTitle: qsTr("Bandwidth")
    preferredHeight: 253
    formSpacing: 16

    FormLabel {
        heading: true
        text: qsTr("Bandwidth")
    }

    RowLayout {
        spacing: 16

        FormLabel {
            text: qsTr("Enable Custom Wavelength")
        }

        Switch {
            id: rangeSwitch
            objectName: "rangeEnableSwitch"
            checked: studioService.rangeEnable
            // Drawn like the form's fields and buttons, in the theme's colours.
            indicator: Rectangle {
                objectName: "rangeEnableTrack"
                implicitWidth: 44
                implicitHeight: 24
                x: rangeSwitch.leftPadding
                y: (rangeSwitch.height - height) / 2
                radius: height / 2
                color: rangeSwitch.checked ? ThemeManager.primary : ThemeManager.inputBackgroundColor
                border.width: 1
                border.color: rangeSwitch.checked ? ThemeManager.primary : ThemeManager.inputBorderColor
                opacity: rangeSwitch.enabled ? 1.0 : 0.5

                Rectangle {
                    x: rangeSwitch.checked ? parent.width - width - 3 : 3
                    anchors.verticalCenter: parent.verticalCenter
                    width: 18
                    height: 18
                    radius: 9
                    color: rangeSwitch.checked ? ThemeManager.secondary : ThemeManager.textSecondary
                    Behavior on x { NumberAnimation { duration: 100 } }
                }
            }
            onToggled: {
                studioService.setRangeEnable(checked)
                checked = Qt.binding(() => studioService.rangeEnable)
            }
        }
    }

    RowLayout {
        spacing: 16

        FormLabel {
            text: qsTr("Bandwidth (nm)")
        }

        FormTextField {
            id: beginField
            objectName: "rangeBeginField"
            Layout.preferredWidth: 120
            Layout.preferredHeight: 32
            enabled: rangeSwitch.checked
            text: studioService.rangeBegin
        }

        FormLabel {
            text: "-"
        }

        FormTextField {
            id: endField
            objectName: "rangeEndField"
            Layout.preferredWidth: 120
            Layout.preferredHeight: 32
            enabled: rangeSwitch.checked
            text: studioService.rangeEnd
        }
    }


    KVRButton {
        objectName: "bandwidthConfirmButton"
        Layout.alignment: Qt.AlignHCenter
        text: qsTr("Confirm")
        onClicked: dialog.confirm()
    }
}
