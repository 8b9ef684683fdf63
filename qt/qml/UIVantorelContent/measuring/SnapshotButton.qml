import QtQuick
import UIVantorel
import UIVantorelContent

// One measurement; the ratio pages measure only against a reference.
MeasureButton {
    property bool needsReference: false

    sourceText: "Snapshot Measure"
    icon.source: "../images/studio_1time.png"
    icon.color: !studioService.isAuto ? "white" : ColorStyle.colorGray4A
    enabled: !studioService.isAuto && !studioService.isSingle
             && (!needsReference || dataBuffer.hasReference)
    onClicked: studioService.handleManualSpectrumSignal()
}
