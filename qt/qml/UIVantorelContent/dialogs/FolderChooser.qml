import QtQuick
import QtQuick.Window
import QtQuick.Dialogs

// A folder chooser in a window of its own. Without a native chooser, Qt Quick draws it
// inside the window that hosts it, and a form dialog has room for a single row of folders;
// this window is the chooser's full size.
Window {
    id: host

    property alias currentFolder: chooser.currentFolder

    signal folderChosen(url folder)

    function open() {
        show()
        raise()
        requestActivate()
        chooser.open()
    }

    flags: Qt.Dialog
    modality: Qt.WindowModal
    width: 600
    height: 400
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height
    visible: false

    // Closed by the window system: the chooser goes with it.
    onVisibleChanged: {
        if (!visible && chooser.visible)
            chooser.reject()
    }

    FolderDialog {
        id: chooser
        objectName: "folderChooser"
        parentWindow: host
        title: host.title
        onAccepted: {
            host.folderChosen(selectedFolder)
            host.close()
        }
        onRejected: host.close()
    }
}
