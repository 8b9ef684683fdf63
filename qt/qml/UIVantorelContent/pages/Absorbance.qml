import QtQuick
import UIVantorel
import AppBackend 1.0
import AppEnums 1.0
import UIVantorelContent

// Absorbance of a sample against the reference.
RatioPage {
    id: absorbancePage

    // Texts of the shared frame and of this page, translated in this page's context.
    readonly property var pageTexts: [
        QT_TR_NOOP("Save"), QT_TR_NOOP("Open Folder"), QT_TR_NOOP("Snapshot Measure"),
        QT_TR_NOOP("Continuous Measure"), QT_TR_NOOP("Stop"), QT_TR_NOOP("ref"),
        QT_TR_NOOP("Exposure"), QT_TR_NOOP("Auto"), QT_TR_NOOP("Manual"),
        QT_TR_NOOP("Set"), QT_TR_NOOP("Get"), QT_TR_NOOP("Model:"), QT_TR_NOOP("Serial"),
        QT_TR_NOOP("Bluetooth"), QT_TR_NOOP("Exposure Status: "), QT_TR_NOOP("Adjusting Exposure"),
        QT_TR_NOOP("Under Exposure"), QT_TR_NOOP("Normal Exposure"), QT_TR_NOOP("Over Exposure"),
        QT_TR_NOOP("Spectrum"), QT_TR_NOOP("Absorbance"), QT_TR_NOOP("WL: %1 nm\nRef: %2\nSrc: %3")
    ]

    context: "Absorbance"
    ratioName: "Absorbance"
    saveType: SaveService.SAVE_ABSORBANCE
    referenceColor: ThemeManager.warning
    ratioChart: chartAbsorbance

    ChartAbsorbance {
        id: chartAbsorbance
        objectName: "chartAbsorbance"
        anchors.fill: parent
        visible: absorbancePage.chartIndex === 1
        Component.onCompleted: initCustomPlot()
    }
}
