import QtQuick
import UIVantorelContent

// Starts continuous measurement, or stops the running one.
MeasureButton {
    property bool needsReference: false

    // Emitted right before the toggle, so that a page can change its view first.
    signal aboutToToggle()

    sourceText: studioService.isAuto ? "Stop" : "Continuous Measure"
    icon.source: "../images/studio_continuously.png"
    enabled: !studioService.isSingle && (!needsReference || dataBuffer.hasReference)
    onClicked: {
        aboutToToggle()
        studioService.handleAutoSpectrumSignal()
    }
}
