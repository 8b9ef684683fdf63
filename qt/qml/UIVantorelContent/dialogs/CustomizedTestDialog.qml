import QtQuick
import QtQuick.Layouts
import AppBackend 1.0
import UIVantorelContent
import UIVantorel

// The timed series: it runs only while this dialog is open.
FormDialog {
    id: dialog

    // Seconds as hours, minutes and seconds, each at least two digits.
    function formatElapsed(seconds) {
        const pad = value => String(value).padStart(2, "0")
        return pad(Math.floor(seconds / 3600)) + ":" + pad(Math.floor(seconds % 3600 / 60)) + ":" + pad(seconds % 60)
    }

    // Whole seconds or minutes, typed as digits: "10.000" or "3 600" would be another
    // number in another language, so they are refused rather than cut short.
    function start() {
        const duration = TypedNumber.whole(durationField.text)
        const intervals = TypedNumber.whole(intervalsField.text)
        if (duration === undefined || intervals === undefined) {
            windowsRoot.showMessage(dialog.boxTitle,
                                    qsTr("Enter the duration and the intervals as whole numbers in digits only, such as 3600."))
            return
        }
        studioService.handleCustomizedTest(duration, durationUnit.currentText, intervals)
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
            validator: NumberKeys {}
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
            validator: NumberKeys {}
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
                onClicked: dialog.start()
            }
        }
    }

    FormLabel {
        objectName: "noSpectrumNotice"
        Layout.fillWidth: true
        visible: studioService.spectrumOverdue
        wrapMode: Text.WordWrap
        color: ThemeManager.warning
        text: qsTr("No spectrum is arriving from the device; intervals without one are left out.")
    }
}
