import QtQuick
import QtQuick.Controls.Basic
import UIVantorel
import BrandConfig
import UIVantorelContent

// Mode page: one button per measuring mode, enabled by the connected model's features.
Rectangle {
    id: root

    color: ThemeManager.background

    ListModel {
        id: btnModel
        ListElement { buttonText: QT_TR_NOOP("Spectrum Only"); feature: "spectrum"; iconSource: "../images/spectrum_only.svg"; page: "Spectrum Only" }
        ListElement { buttonText: QT_TR_NOOP("Photometry && Power"); feature: "photometry"; iconSource: "../images/photometry.svg"; page: "Studio" }
        ListElement { buttonText: QT_TR_NOOP("Absorbance"); feature: "absorbance"; iconSource: "../images/absorbance.svg"; page: "Absorbance" }
        ListElement { buttonText: QT_TR_NOOP("Transmittance"); feature: "transmittance"; iconSource: "../images/transmittance.svg"; page: "Transmittance" }
        ListElement { buttonText: QT_TR_NOOP("Raman"); feature: "raman"; iconSource: "../images/raman.svg"; page: "Raman" }
        ListElement { buttonText: QT_TR_NOOP("Reflectance"); feature: "reflectance"; iconSource: "../images/reflectance.svg"; page: "Reflectance" }
        ListElement { buttonText: QT_TR_NOOP("Image"); feature: "image"; iconSource: "../images/image.svg"; page: "Image" }
    }

    Row {
        id: headingRow
        // Room the heading keeps on either side of the page.
        readonly property real sideMargin: 40
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: parent.top
        anchors.topMargin: 80
        spacing: 24

        Image {
            width: 72
            height: 72
            sourceSize.width: 72
            sourceSize.height: 72
            source: BrandConfig.logo
        }

        Text {
            id: heading
            objectName: "modeHeading"
            anchors.verticalCenter: parent.verticalCenter
            // Its natural width while it fits; in a narrow window the text scales down.
            width: Math.min(headingMetrics.advanceWidth + 1,
                            Math.max(0, root.width - 2 * headingRow.sideMargin - 72 - headingRow.spacing))
            height: 72
            verticalAlignment: Text.AlignVCenter
            text: qsTr(BrandConfig.softwareName)
            font.pixelSize: 48
            font.bold: true
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 12
            color: ThemeManager.text
        }
        TextMetrics {
            id: headingMetrics
            font: heading.font
            text: heading.text
        }
    }

    Grid {
        anchors.centerIn: parent
        columns: 2
        columnSpacing: 32
        rowSpacing: 16

        Repeater {
            model: btnModel

            NavButton {
                objectName: "modeButton_" + model.feature
                text: qsTr(model.buttonText)
                icon.source: model.iconSource
                // A missing key, or no feature map yet, leaves the mode disabled.
                enabled: studioService.features ? studioService.features[model.feature] === true : false
                onClicked: {
                    if (model.page !== "")
                        windowsRoot.pageSwitch(model.page)
                }
            }
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 20
        spacing: 8

        KVRButton {
            objectName: "functionBackButton"
            text: qsTr("Back")
            onClicked: studioService.handleHardwareDisconnectSignal()
        }

        KVRButton {
            objectName: "functionHelpButton"
            text: qsTr("Help")
            onClicked: Qt.openUrlExternally(BrandConfig.downloadsite)
        }
    }
}
