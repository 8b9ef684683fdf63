import QtQuick
import QtQuick.Layouts
import UIVantorelContent

// Fixes the serial link's baud rate.
FormDialog {
    id: dialog

    boxTitle: qsTr("Baud Rate")
    preferredHeight: 200
    formSpacing: 24

    FormLabel {
        text: qsTr("Baud Rate")
    }

    KVRComboBox {
        id: baudComboBox
        objectName: "baudComboBox"
        Layout.fillWidth: true
        textRole: "text"
        valueRole: "value"
        model: [
            { text: "115200", value: 115200 },
            { text: "921600", value: 921600 },
            { text: "460800", value: 460800 },
            { text: "256000", value: 256000 },
            { text: "9600", value: 9600 },
            { text: "4800", value: 4800 },
            { text: "2400", value: 2400 }
        ]
        currentIndex: 0
    }

    KVRButton {
        objectName: "baudConfirmButton"
        Layout.alignment: Qt.AlignHCenter
        text: qsTr("Confirm")
        onClicked: {
            studioService.handleSetBaudRateChange(baudComboBox.currentValue)
            dialog.visible = false
        }
    }
}
