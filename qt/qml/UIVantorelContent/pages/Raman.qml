import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import QtQuick.Window
import UIVantorel
import AppBackend 1.0
import AppEnums 1.0
import UIVantorelContent

// Raman: the raw, clean and fluorescence spectra one at a time, and the peaks of the clean
// spectrum on request.
Rectangle {
    id: ramanPage

    enum RamanType { Raw = 0, Clean = 1, Fl = 2 }

    // Texts of the shared frame and of this page, translated in this page's context.
    readonly property var pageTexts: [
        QT_TR_NOOP("Save"), QT_TR_NOOP("Open Folder"), QT_TR_NOOP("Snapshot Measure"),
        QT_TR_NOOP("Peak Selection"), QT_TR_NOOP("Exposure"), QT_TR_NOOP("Auto"),
        QT_TR_NOOP("Model:"), QT_TR_NOOP("Serial"), QT_TR_NOOP("Bluetooth"),
        QT_TR_NOOP("Exposure Status: "), QT_TR_NOOP("Adjusting Exposure"),
        QT_TR_NOOP("Under Exposure"), QT_TR_NOOP("Normal Exposure"), QT_TR_NOOP("Over Exposure"),
        QT_TR_NOOP("RamanRaw"), QT_TR_NOOP("RamanClean"), QT_TR_NOOP("RamanFluorescence")
    ]

    function cleanState() {
        var charts = [chartRamanRaw, chartRamanClean, chartRamanFl]
        for (var i = 0; i < charts.length; ++i) {
            if (charts[i] && typeof charts[i].cleanState === "function")
                charts[i].cleanState()
        }
        if (selectShowChart)
            selectShowChart.currentIndex = Raman.RamanType.Raw
    }

    // The clean spectrum and its peak panel want a wider window. The width stays between the
    // window's minimum and the screen, and a maximised window keeps its size.
    function fitWindowWidth() {
        var host = ramanPage.Window.window
        if (!ramanPage.visible || !host)
            return
        if (host.visibility === Window.Maximized || host.visibility === Window.FullScreen)
            return
        var wanted = selectShowChart.currentIndex === Raman.RamanType.Clean ? host.height * 1.5 : host.height
        var screenWidth = Math.min(ramanPage.Screen.width, ramanPage.Screen.desktopAvailableWidth)
        if (screenWidth > 0)
            wanted = Math.min(wanted, screenWidth)
        // Written through the setter: qmlcachegen 6.4 crashes on a property write here.
        host.setWidth(Math.max(wanted, host.minimumWidth))
    }

    anchors.fill: parent
    color: ThemeManager.background

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        MeasureTopBar {
            id: rectangle
            context: "Raman"
            compact: true
            manualExposure: false

            SaveButton {
                id: save
                objectName: "save"
                context: "Raman"
                saveType: SaveService.SAVE_RAMAN
            }
            OpenFolderButton {
                id: openDir
                objectName: "openDir"
                context: "Raman"
            }
            SnapshotButton {
                id: manualSpectrum
                objectName: "manualSpectrum"
                context: "Raman"
            }
            MeasureButton {
                objectName: "peakSelectionButton"
                context: "Raman"
                sourceText: "Peak Selection"
                enabled: selectShowChart.currentIndex === Raman.RamanType.Clean
                onClicked: chartRamanClean.displayRamanPeak()
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            ChartPane {
                context: "Raman"

                statusItems: ChartSelector {
                    id: selectShowChart
                    objectName: "selectShowChart"
                    entries: [qsTr("RamanRaw"), qsTr("RamanClean"), qsTr("RamanFluorescence")]
                    onCurrentIndexChanged: ramanPage.fitWindowWidth()
                }

                ChartRamanRaw {
                    id: chartRamanRaw
                    objectName: "chartRamanRaw"
                    anchors.fill: parent
                    visible: selectShowChart.currentIndex === Raman.RamanType.Raw
                    Component.onCompleted: initCustomPlot()
                }
                ChartRamanClean {
                    id: chartRamanClean
                    objectName: "chartRamanClean"
                    anchors.fill: parent
                    visible: selectShowChart.currentIndex === Raman.RamanType.Clean
                    Component.onCompleted: initCustomPlot()
                }
                ChartRamanFl {
                    id: chartRamanFl
                    objectName: "chartRamanFl"
                    anchors.fill: parent
                    visible: selectShowChart.currentIndex === Raman.RamanType.Fl
                    Component.onCompleted: initCustomPlot()
                }
            }

            RamanPeakPanel {
                id: dataAnalysis
                objectName: "dataAnalysis"
                Layout.fillHeight: true
                Layout.preferredWidth: 369
                visible: selectShowChart.currentIndex === Raman.RamanType.Clean
                peaks: chartRamanClean.ramanPeakList
            }
        }
    }
}
