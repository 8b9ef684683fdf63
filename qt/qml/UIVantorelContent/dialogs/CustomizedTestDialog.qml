import QtQuick
import QtQuick.Layouts
import UIVantorelContent

// The timed series: it runs only while this dialog is open.
FormDialog {
    id: dialog

    // Seconds as hours, minutes and seconds, each at least two digits.
    function formatElapsed(seconds) {
        const pad = value => String(value).padStart(2, "0")
        return pad(Math.floor(seconds / 3600)) + ":" + pad(Math.floor(seconds % 3600 / 60)) + ":" + pad(seconds % 60)
    }

    boxTitle: qsTr("Customized Test")
    preferredHeight: 250
    formSpacing: 16
    onVisibleChanged: {
        if (!visible)
            studioService.handleCloseCustomizedTest()
    }

    FormLabel {
        heading: true
        text: qsTr("Test Settings")
    }

    RowLayout {
        Layout.fillWidth: true

        FormLabel {
            text: qsTr("Duration")
        }

        FormTextField {
            id: durationField
            objectName: "durationField"
            Layout.fillWidth: true
            Layout.preferredHeight: 32
            text: "10"
            validator: IntValidator { bottom: 1 }
        }

        KVRComboBox {
            id: durationUnit
            objectName: "durationUnit"
            Layout.preferredWidth: 60
            Layout.preferredHeight: 32
            model: ["s", "min"]
        }
    }

    RowLayout {
        Layout.fillWidth: true

        FormLabel {
            text: qsTr("Intervals")
        }

        FormTextField {
            id: intervalsField
            objectName: "intervalsField"
            Layout.fillWidth: true
            Layout.preferredHeight: 32
            text: "5"
            validator: IntValidator { bottom: 5 }
        }

        FormLabel {
            Layout.preferredWidth: 60
            text: "(>=5s)"
            color: "#808080"
        }
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 20

        FormLabel {
            objectName: "elapsedTime"
            text: dialog.formatElapsed(studioService.testTimer)
        }

        Item {
            Layout.fillWidth: true
            implicitHeight: startButton.implicitHeight

            KVRButton {
                id: startButton
                objectName: "customizedTestStartButton"
                anchors.centerIn: parent
                text: qsTr("Start")
                // A Start during a series begins it again, but a double click is one Start:
                // with this signal handled, the button gives the pair's second click no click.
                onDoubleClicked: {}
                onClicked: studioService.handleCustomizedTest(parseInt(durationField.text, 10), durationUnit.currentText,
                                                              parseInt(intervalsField.text, 10))
            }
        }
    }
}
