import QtQuick
import QtQuick.Layouts
import UIVantorelContent

// Regenerates the device's efficiency curve from the CSV files of a chosen folder, or
// resets it.
FormDialog {
    id: dialog

    // Adds a chosen folder to the list for the rest of the run and makes it current.
    function addFolder(folderUrl) {
        folders.append({ text: localFileUrl.toPath(folderUrl), value: folders.count, url: String(folderUrl) })
        efficiencyComboBox.currentIndex = folders.count - 1
    }

    function currentFolderUrl() {
        const index = efficiencyComboBox.currentIndex
        return index >= 0 && index < folders.count ? folders.get(index).url : ""
    }

    boxTitle: qsTr("Efficiency")
    preferredHeight: 200
    formSpacing: 24

    // Whatever hides the form (its close button, a page change, a lost link), the chooser
    // goes with it: left open, it would stay modal over a window that no longer shows the form.
    onVisibleChanged: {
        if (!visible)
            folderChooser.close()
    }

    LocalFileUrl {
        id: localFileUrl
    }

    ListModel {
        id: folders
    }

    FolderChooser {
        id: folderChooser
        objectName: "efficiencyFolderChooser"
        title: qsTr("Select Directory")
        onFolderChosen: folder => dialog.addFolder(folder)
    }

    FormLabel {
        text: qsTr("Efficiency")
    }

    RowLayout {
        Layout.fillWidth: true
        spacing: 16

        KVRComboBox {
            id: efficiencyComboBox
            objectName: "efficiencyComboBox"
            Layout.fillWidth: true
            textRole: "text"
            valueRole: "value"
            model: folders
        }

        KVRButton {
            objectName: "efficiencySelectButton"
            text: qsTr("Select Directory")
            onClicked: folderChooser.open()
        }
    }

    Row {
        Layout.alignment: Qt.AlignHCenter
        spacing: 20

        KVRButton {
            objectName: "efficiencyFlashButton"
            text: qsTr("Flash")
            // The back end takes the folder's file: URL as it is.
            onClicked: studioService.handleSetEfficiencyDataByCsvSingal(dialog.currentFolderUrl())
        }

        KVRButton {
            objectName: "efficiencyResetButton"
            text: qsTr("Reset")
            onClicked: studioService.handleResetEfficiencySignal()
        }
    }
}
