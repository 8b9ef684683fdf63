import QtQuick
import UIVantorelContent

// Saves the page's results as CSV; "Y" models' raw counts are never saved.
MeasureButton {
    property int saveType

    sourceText: "Save"
    icon.source: "../images/studio_save.png"
    enabled: !dataBuffer.isY && !studioService.isSingle && dataBuffer.hasData
    onClicked: saveService.handleSaveSignal(saveType)
}
