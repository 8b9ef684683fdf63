import QtQuick
import UIVantorelContent

MeasureButton {
    sourceText: "Open Folder"
    icon.source: "../images/studio_open_folder.png"
    onClicked: studioService.handleOpenFolderSignal()
}
