import QtQuick
import QtQuick.Layouts
import UIVantorelContent

// Scales the device's efficiency table by measured over target illuminance.
FormDialog {
    id: dialog

    function confirm() {
        const ratio = parseFloat(currentField.text) / parseFloat(targetField.text)
        // Only a finite positive factor may reach the device's stored table.
        if (!(isFinite(ratio) && ratio > 0)) {
            windowsRoot.showMessage(dialog.boxTitle, qsTr("Enter two illuminances of at least 0.01."))
            return
        }
        studioService.handleSetEfficiencyDataSingal(ratio)
    }

    boxTitle: qsTr("Illuminance Calibrate")
    preferredHeight: 253
    formSpacing: 16

    FormLabel {
        heading: true
        text: qsTr("Illuminance")
    }

    RowLayout {
        Layout.fillWidth: true

        FormLabel {
            text: qsTr("Current Illuminance")
        }

        FormTextField {
            id: currentField
            objectName: "currentIlluminanceField"
            Layout.fillWidth: true
            Layout.preferredHeight: 32
            text: "0.01"
            validator: DoubleValidator {
                bottom: 0.01
                decimals: 2
                notation: DoubleValidator.StandardNotation
                locale: "C"
            }
        }
    }

    RowLayout {
        Layout.fillWidth: true

        FormLabel {
            text: qsTr("Target Illuminance")
        }

        FormTextField {
            id: targetField
            objectName: "targetIlluminanceField"
            Layout.fillWidth: true
            Layout.preferredHeight: 32
            text: "0.01"
            validator: DoubleValidator {
                bottom: 0.01
                decimals: 2
                notation: DoubleValidator.StandardNotation
                locale: "C"
            }
        }
    }


    Row {
        Layout.alignment: Qt.AlignHCenter
        spacing: 20

        KVRButton {
            objectName: "illuminanceConfirmButton"
            text: qsTr("Confirm")
            onClicked: dialog.confirm()
        }

        KVRButton {
            objectName: "illuminanceResetButton"
            text: qsTr("Reset")
            onClicked: studioService.handleResetEfficiencySignal()
        }
    }
}
