import QtQuick
import QtQuick.Layouts
import UIVantorel
import AppBackend 1.0
import AppEnums 1.0
import UIVantorelContent

// Spectrum only: the source spectrum in one chart, saved as CSV or exported as a report.
Rectangle {
    id: pureSpectrumRoot

    // Texts of the shared frame, translated in this page's context.
    readonly property var frameTexts: [
        QT_TR_NOOP("Save"), QT_TR_NOOP("Export"), QT_TR_NOOP("Open Folder"),
        QT_TR_NOOP("Snapshot Measure"), QT_TR_NOOP("Continuous Measure"), QT_TR_NOOP("Stop"),
        QT_TR_NOOP("Exposure"), QT_TR_NOOP("Auto"), QT_TR_NOOP("Manual"),
        QT_TR_NOOP("Set"), QT_TR_NOOP("Get"), QT_TR_NOOP("Model:"), QT_TR_NOOP("Serial"),
        QT_TR_NOOP("Bluetooth"), QT_TR_NOOP("Exposure Status: "), QT_TR_NOOP("Adjusting Exposure"),
        QT_TR_NOOP("Under Exposure"), QT_TR_NOOP("Normal Exposure"), QT_TR_NOOP("Over Exposure")
    ]
    // The main window closes the page's report dialog when the link goes.
    readonly property alias exportDialog: exportDialog

    function cleanState() {
        if (chartPureSpectrum)
            chartPureSpectrum.cleanState()
    }

    anchors.fill: parent
    color: ThemeManager.background

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        MeasureTopBar {
            id: topBar
            context: "PureSpectrum"
            exposureFiltered: true

            SaveButton {
                id: save
                objectName: "save"
                context: "PureSpectrum"
                saveType: SaveService.SAVE_SPECTRUM
                icon.color: enabled ? "white" : ThemeManager.textSecondary
            }
            ExportButton {
                id: exportReport
                objectName: "exportReport"
                context: "PureSpectrum"
                dialog: exportDialog
                icon.color: enabled ? "white" : ThemeManager.textSecondary
            }
            OpenFolderButton {
                id: openDir
                objectName: "openDir"
                context: "PureSpectrum"
                icon.color: enabled ? "white" : ThemeManager.textSecondary
            }
            SnapshotButton {
                id: manualSpectrum
                objectName: "manualSpectrum"
                context: "PureSpectrum"
                icon.color: enabled ? "white" : ThemeManager.textSecondary
            }
            ContinuousButton {
                id: autoSpectrum
                objectName: "autoSpectrum"
                context: "PureSpectrum"
                icon.color: enabled ? "white" : ThemeManager.textSecondary
            }
        }

        SingleChartArea {
            context: "PureSpectrum"

            ChartPureSpectrum {
                id: chartPureSpectrum
                objectName: "chartPureSpectrum"
                anchors.fill: parent
                Component.onCompleted: initCustomPlot()
            }
        }
    }

    KVRExportDialog {
        id: exportDialog
        objectName: "exportDialog"
        exportType: SaveService.SAVE_SPECTRUM
    }
}
