import QtQuick
import QtQuick.Layouts
import AppBackend 1.0
import UIVantorelContent

// Scales the device's efficiency table by measured over target illuminance.
FormDialog {
    id: dialog

    function confirm() {
        const current = TypedNumber.decimal(currentField.text)
        const target = TypedNumber.decimal(targetField.text)
        const ratio = current / target
        // Only a finite positive factor may reach the device's stored table.
        if (!(current >= 0.01 && target >= 0.01 && isFinite(ratio) && ratio > 0)) {
            windowsRoot.showMessage(dialog.boxTitle, qsTr("Enter two illuminances of at least %1, such as %2.")
                                    .arg(TypedNumber.text(0.01, Qt.uiLanguage)).arg(TypedNumber.text(12.5, Qt.uiLanguage)))
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
            validator: NumberKeys {}
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
            validator: NumberKeys {}
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
