import QtQuick
import QtQuick.Layouts
import UIVantorel
import AppBackend 1.0
import UIVantorelContent

// A page that measures a sample against a reference: the reference and source spectra, or
// the page's ratio spectrum. The page file gives its name, save type, reference colour and
// ratio chart.
Rectangle {
    id: page

    // Translation context and untranslated name of the page ("Reflectance", ...).
    property string context
    property string ratioName
    property int saveType
    property color referenceColor
    // The page's ratio chart, placed in the chart stack by the page file.
    property Item ratioChart
    default property alias ratioCharts: chartArea.charts
    readonly property int chartIndex: selectShowChart.currentIndex

    function cleanState() {
        if (chartDualSpectrum)
            chartDualSpectrum.cleanState()
        if (ratioChart)
            ratioChart.cleanState()
        if (selectShowChart)
            selectShowChart.currentIndex = 0
    }

    anchors.fill: parent
    color: ThemeManager.background

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        MeasureTopBar {
            id: topBar
            context: page.context
            exposureFiltered: true

            SaveButton {
                id: save
                objectName: "save"
                context: page.context
                saveType: page.saveType
            }
            OpenFolderButton {
                id: openDir
                objectName: "openDir"
                context: page.context
            }
            SnapshotButton {
                id: manualSpectrum
                objectName: "manualSpectrum"
                context: page.context
                needsReference: true
            }
            ContinuousButton {
                id: autoSpectrum
                objectName: "autoSpectrum"
                context: page.context
                // "Stop" also gives up a running reference capture.
                enabled: !studioService.isSingle
                         && (dataBuffer.hasReference || studioService.isMeasuringReference)
            }
            MeasureButton {
                objectName: "referenceButton"
                context: page.context
                sourceText: "ref"
                icon.source: "../images/studio_blink.png"
                backGroundColor: page.referenceColor
                enabled: !studioService.isSingle && !studioService.isAuto
                icon.color: enabled ? "white" : ThemeManager.textSecondary
                onClicked: studioService.handleReferenceSpectrumSignal()
            }
        }

        SingleChartArea {
            id: chartArea
            context: page.context

            statusItems: ChartSelector {
                id: selectShowChart
                objectName: "selectShowChart"
                entries: [qsTranslate(page.context, "Spectrum"), qsTranslate(page.context, page.ratioName)]
            }

            ChartDualSpectrum {
                id: chartDualSpectrum
                anchors.fill: parent
                visible: selectShowChart.currentIndex === 0
                tipTemplate: qsTranslate(page.context, "WL: %1 nm\nRef: %2\nSrc: %3")
                Component.onCompleted: initCustomPlot()
            }
        }
    }
}
