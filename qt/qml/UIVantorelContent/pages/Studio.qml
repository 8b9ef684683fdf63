import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import UIVantorel
import AppBackend 1.0
import AppEnums 1.0
import UIVantorelContent

// Photometry and power: the spectrum, colour and flicker views beside the result table.
Rectangle {
    id: studio

    // Texts of the shared frame, translated in this page's context.
    readonly property var frameTexts: [
        QT_TR_NOOP("Save"), QT_TR_NOOP("Export"), QT_TR_NOOP("Open Folder"),
        QT_TR_NOOP("Snapshot Measure"), QT_TR_NOOP("Continuous Measure"), QT_TR_NOOP("Stop"),
        QT_TR_NOOP("Flicker"), QT_TR_NOOP("Exposure"), QT_TR_NOOP("Auto"), QT_TR_NOOP("Manual"),
        QT_TR_NOOP("Set"), QT_TR_NOOP("Get"), QT_TR_NOOP("Model:"), QT_TR_NOOP("Serial"),
        QT_TR_NOOP("Bluetooth"), QT_TR_NOOP("Exposure Status: "), QT_TR_NOOP("Adjusting Exposure"),
        QT_TR_NOOP("Under Exposure"), QT_TR_NOOP("Normal Exposure"), QT_TR_NOOP("Over Exposure")
    ]
    // The main window closes the page's report dialog when the link goes.
    readonly property alias exportDialog: exportDialog

    function cleanState() {
        var charts = [chartSpectrogram, chartCie1931, chartCie1960, chartCie1976, chartCri1, chartCri2,
                      chartChromaticity, chartColorVector, fidelity, powerDistribution, rfRg, flickerChart]
        for (var i = 0; i < charts.length; ++i) {
            if (charts[i] && typeof charts[i].cleanState === "function")
                charts[i].cleanState()
        }
        if (tableModel)
            tableModel.clear()
    }

    anchors.fill: parent
    color: ThemeManager.background

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        MeasureTopBar {
            id: topBar
            context: "Studio"
            compact: true

            SaveButton {
                id: saveButton
                objectName: "save"
                context: "Studio"
                saveType: SaveService.SAVE_PHOTOMETRIC
            }
            ExportButton {
                id: exportButton
                objectName: "exportReport"
                context: "Studio"
                dialog: exportDialog
            }
            OpenFolderButton {
                id: openFolderButton
                objectName: "openDir"
                context: "Studio"
            }
            SnapshotButton {
                id: snapshotButton
                objectName: "manualSpectrum"
                context: "Studio"
            }
            ContinuousButton {
                id: continuousButton
                objectName: "autoSpectrum"
                context: "Studio"
                // Continuous measurement shows spectra, not the flicker waveform.
                onAboutToToggle: {
                    if (!studioService.isAuto && selectShowChart.currentValue === "Flicker")
                        selectShowChart.currentIndex = 0
                }
            }
            MeasureButton {
                id: flickerButton
                objectName: "flickerButton"
                context: "Studio"
                sourceText: "Flicker"
                icon.source: "../images/studio_blink.png"
                icon.color: !studioService.isAuto && dataBuffer.hasFlicker !== 0 ? "white" : ColorStyle.colorGray4A
                enabled: !studioService.isAuto && dataBuffer.hasFlicker !== 0 && !studioService.isSingle
                onClicked: studioService.handleFlickerSignal()
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            spacing: 0

            ChartPane {
                id: chartPane
                context: "Studio"

                statusItems: [
                    Label {
                        width: 55
                        height: 32
                        verticalAlignment: Text.AlignVCenter
                        text: qsTr("Type")
                        font.pixelSize: 14
                        color: ThemeManager.text
                    },
                    KVRComboBox {
                        id: selectShowChart
                        objectName: "selectShowChart"

                        // The chart type keys on offer, shown untranslated.
                        property var chartTypes: []

                        function updateChartTypes() {
                            var types = ["Spectrum"]
                            try {
                                var model = dataBuffer.deviceModel
                                if (model.startsWith("Y"))
                                    types.push("Cie1931")
                                if (!model.startsWith("T") && !model.startsWith("Y"))
                                    types.push("Cie1931", "Cie1960", "Cie1976", "CRI1", "CRI2")
                                if (dataBuffer.hasTm30 !== 0)
                                    types.push("RfRg", "PowerDistribution", "Fidelity", "DataAnalysis",
                                               "ColorVector", "Chromaticity")
                                if (dataBuffer.hasFlicker !== 0)
                                    types.push("Flicker")
                            } catch (error) {
                                console.error("Error in updateChartTypes:", error)
                            }
                            chartTypes = types
                        }

                        width: 180
                        model: chartTypes
                        Component.onCompleted: updateChartTypes()

                        Connections {
                            target: dataBuffer
                            function onDeviceModelChanged() { selectShowChart.updateChartTypes() }
                            function onHasFlickerChanged() { selectShowChart.updateChartTypes() }
                            function onHasTm30Changed() { selectShowChart.updateChartTypes() }
                        }
                    }
                ]

                ChartPureSpectrum {
                    id: chartSpectrogram
                    objectName: "chartSpectrogram"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "Spectrum"
                    Component.onCompleted: initCustomPlot()
                }
                ChartCie1931 {
                    id: chartCie1931
                    objectName: "chartCie1931"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "Cie1931"
                    Component.onCompleted: initCustomPlot()
                }
                ChartCie1976 {
                    id: chartCie1976
                    objectName: "chartCie1976"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "Cie1976"
                    Component.onCompleted: initCustomPlot()
                }
                ChartCie1960 {
                    id: chartCie1960
                    objectName: "chartCie1960"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "Cie1960"
                    Component.onCompleted: initCustomPlot()
                }
                ChartCri1 {
                    id: chartCri1
                    objectName: "chartCri1"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "CRI1"
                    Component.onCompleted: initCustomPlot()
                }
                ChartCri2 {
                    id: chartCri2
                    objectName: "chartCri2"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "CRI2"
                    Component.onCompleted: initCustomPlot()
                }
                ChartChromaticity {
                    id: chartChromaticity
                    objectName: "chartChromaticity"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "Chromaticity"
                    Component.onCompleted: initCustomPlot()
                }
                ChartColorVector {
                    id: chartColorVector
                    objectName: "chartColorVector"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "ColorVector"
                    Component.onCompleted: initCustomPlot()
                }
                ChartFidelity {
                    id: fidelity
                    objectName: "chartFidelity"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "Fidelity"
                    Component.onCompleted: initCustomPlot()
                }
                ChartPowerDistribution {
                    id: powerDistribution
                    objectName: "chartPowerDistribution"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "PowerDistribution"
                    Component.onCompleted: initCustomPlot()
                }
                ChartRfRg {
                    id: rfRg
                    objectName: "chartRfRg"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "RfRg"
                    Component.onCompleted: initCustomPlot()
                }
                HueBinTable {
                    id: dataAnalysis
                    objectName: "dataAnalysis"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "DataAnalysis"
                    model: tableModel
                }
                ChartFlicker {
                    id: flickerChart
                    objectName: "chartFlicker"
                    anchors.fill: parent
                    visible: selectShowChart.currentValue === "Flicker"
                    Component.onCompleted: initCustomPlot()
                }
            }

            Rectangle {
                id: resultPane
                objectName: "resultPane"
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 319
                visible: dataBuffer.deviceModel !== "" && !dataBuffer.deviceModel.startsWith("T")
                color: ColorStyle.colorGray3A
                border.width: 0.5
                border.color: ColorStyle.colorGray3A

                DataTable {
                    id: dataTable
                    tableData: dataBuffer.formattedPhotoResult
                }
            }
        }
    }

    // The colour rendition results per hue bin, refilled after each computed spectrum.
    ListModel {
        id: tableModel

        // Rows are overwritten in place, so the table keeps its rows and redraws only the
        // values that changed.
        function updateData() {
            for (var i = 0; i < 16; ++i) {
                const row = {
                    hueAngle: dataAnalysis.hueAngles[i],
                    rf: dataAnalysis.valueText(dataBuffer.colorFidelity, i),
                    chroma: dataAnalysis.valueText(dataBuffer.chromaShift, i),
                    hue: dataAnalysis.valueText(dataBuffer.hueShift, i)
                }
                if (i < count)
                    set(i, row)
                else
                    append(row)
            }
        }

        Component.onCompleted: updateData()
    }

    Connections {
        target: dataBuffer
        function onTm30Changed() { tableModel.updateData() }
    }

    KVRExportDialog {
        id: exportDialog
        objectName: "exportDialog"
        exportType: SaveService.SAVE_PHOTOMETRIC
    }
}
