import QtQuick
import UIVantorelContent

// Opens the page's report dialog; "T" models have no photometric report.
MeasureButton {
    property var dialog

    sourceText: "Export"
    icon.source: "../images/studio_export.png"
    enabled: !dataBuffer.deviceModel.startsWith("T") && !studioService.isSingle && dataBuffer.hasData
    onClicked: dialog.visible = true
}
