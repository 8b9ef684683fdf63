import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import UIVantorel
import AppEnums 1.0

// The test report form: five lines of experiment information handed to the report export.
KVRMessageDialog {
    id: root

    // The SaveService::SaveType of the host page; it picks the report's chart images.
    property int exportType: SaveService.SAVE_SPECTRUM

    boxWidth: 600
    boxHeight: 380
    boxTitle: qsTr("Export Report")

    onVisibleChanged: {
        if (visible)
            testTime.text = Qt.formatDateTime(new Date(), "yyyy-MM-dd hh:mm:ss")
    }

    // The outcome, success or failure, comes back as saveFinished, which the main window shows.
    function exportReport() {
        saveService.handleExportSignal(root.exportType, sampleNumber.text, sampleModel.text,
                                       tester.text, testTime.text, sampleName.text)
        root.visible = false
    }

    component InputBox: Rectangle {
        Layout.fillWidth: true
        Layout.preferredHeight: 32
        radius: 6
        border.width: 1
        border.color: ThemeManager.inputBorderColor
        color: ThemeManager.inputBackgroundColor
    }

    component FormInput: TextInput {
        anchors.fill: parent
        leftPadding: 12
        rightPadding: 12
        verticalAlignment: TextInput.AlignVCenter
        color: ThemeManager.text
        font.pixelSize: 14
        clip: true
        selectByMouse: true
    }

    component FormLabel: Label {
        Layout.alignment: Qt.AlignLeft | Qt.AlignVCenter
        color: ThemeManager.text
        font.pixelSize: 14
    }

    // Lies above the base's message and OK button; takes no pointer input, so the
    // covered OK button still answers where it stands.
    Rectangle {
        anchors.fill: parent
        color: ThemeManager.background

        ColumnLayout {
            anchors.fill: parent
            anchors.margins: 20
            spacing: 16

            GridLayout {
                Layout.fillWidth: true
                columns: 2
                columnSpacing: 16
                rowSpacing: 16

                FormLabel { text: qsTr("Sample Name") }
                InputBox { FormInput { id: sampleName; objectName: "sampleName" } }
                FormLabel { text: qsTr("Sample Number") }
                InputBox { FormInput { id: sampleNumber; objectName: "sampleNumber" } }
                FormLabel { text: qsTr("Sample Model") }
                InputBox { FormInput { id: sampleModel; objectName: "sampleModel" } }
                FormLabel { text: qsTr("Tester") }
                InputBox { FormInput { id: tester; objectName: "tester" } }
                FormLabel { text: qsTr("Test Time") }
                InputBox { FormInput { id: testTime; objectName: "testTime" } }
            }

            Item {
                Layout.fillHeight: true
            }

            KVRButton {
                id: exportConfirmButton
                objectName: "exportConfirmButton"
                Layout.alignment: Qt.AlignHCenter | Qt.AlignBottom
                text: qsTr("Export")
                onClicked: root.exportReport()
            }
        }
    }
}
