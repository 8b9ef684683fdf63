import QtQuick
import QtQuick.Controls.Basic
import UIVantorel
import AppEnums 1.0
import UIVantorelContent

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

    component ReportInputBox: Rectangle {
        width: form.width - form.labelWidth - 16
        height: 32
        radius: 6
        border.width: 1
        border.color: ThemeManager.inputBorderColor
        color: ThemeManager.inputBackgroundColor
    }

    component ReportInput: TextInput {
        anchors.fill: parent
        leftPadding: 12
        rightPadding: 12
        verticalAlignment: TextInput.AlignVCenter
        color: ThemeManager.text
        font.pixelSize: 14
        clip: true
        selectByMouse: true
    }

    component ReportLabel: Label {
        width: form.labelWidth
        height: 32
        verticalAlignment: Text.AlignVCenter
        horizontalAlignment: Text.AlignLeft
        color: ThemeManager.text
        font.pixelSize: 14
    }

    // Lies above the base's message and OK button; takes no pointer input, so the
    // covered OK button still answers where it stands.
    Rectangle {
        anchors.fill: parent
        color: ThemeManager.background

        // Plain bindings rather than a layout: the label column must follow a language
        // switch made while the dialog is hidden.
        Column {
            id: form
            readonly property real labelWidth: Math.max(nameLabel.implicitWidth, numberLabel.implicitWidth,
                                                        modelLabel.implicitWidth, testerLabel.implicitWidth,
                                                        timeLabel.implicitWidth)
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.margins: 20
            spacing: 16

            Row {
                spacing: 16
                ReportLabel { id: nameLabel; text: qsTr("Sample Name") }
                ReportInputBox { ReportInput { id: sampleName; objectName: "sampleName" } }
            }
            Row {
                spacing: 16
                ReportLabel { id: numberLabel; text: qsTr("Sample Number") }
                ReportInputBox { ReportInput { id: sampleNumber; objectName: "sampleNumber" } }
            }
            Row {
                spacing: 16
                ReportLabel { id: modelLabel; text: qsTr("Sample Model") }
                ReportInputBox { ReportInput { id: sampleModel; objectName: "sampleModel" } }
            }
            Row {
                spacing: 16
                ReportLabel { id: testerLabel; text: qsTr("Tester") }
                ReportInputBox { ReportInput { id: tester; objectName: "tester" } }
            }
            Row {
                spacing: 16
                ReportLabel { id: timeLabel; text: qsTr("Test Time") }
                ReportInputBox { ReportInput { id: testTime; objectName: "testTime" } }
            }
        }

        KVRButton {
            id: exportConfirmButton
            objectName: "exportConfirmButton"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 20
            text: qsTr("Export")
            onClicked: root.exportReport()
        }
    }
}
