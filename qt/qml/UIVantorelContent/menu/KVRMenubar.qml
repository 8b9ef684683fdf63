import QtQuick
import QtQuick.Controls.Basic
import Qt5Compat.GraphicalEffects
import UIVantorel
import UIVantorelContent

// The main window's menu bar, shown while a measuring page shows.
MenuBar {
    id: bar

    readonly property bool serial: studioService.connectType === 0
    readonly property bool measuring: studioService.isMeasuring
    readonly property bool photonCountModel: dataBuffer.deviceModel.startsWith("T")

    // A choice whose tick shows what the device or the system reports: a click must not
    // leave a mark of its own behind.
    component Choice: Action {
        property bool chosen: false
        checkable: true
        checked: chosen
        onTriggered: checked = Qt.binding(() => chosen)
    }

    component StyledMenu: Menu {
        id: menu
        // Wide enough for its longest entry, so translated texts are not cut.
        width: {
            let widest = implicitWidth
            for (let i = 0; i < count; ++i) {
                const item = itemAt(i)
                if (item)
                    widest = Math.max(widest, item.implicitWidth + leftPadding + rightPadding)
            }
            return widest
        }
        font.pixelSize: 16
        palette.alternateBase: ThemeManager.surface
        palette.base: ThemeManager.menuItmeDownBackground3
        palette.buttonText: ThemeManager.text
        palette.dark: ThemeManager.text
        palette.highlight: ThemeManager.surface
        palette.highlightedText: ThemeManager.text
        palette.light: ThemeManager.menuItmeDownBackground3
        palette.mid: ThemeManager.surface
        palette.shadow: ThemeManager.background
        palette.text: ThemeManager.text
        palette.window: ThemeManager.background
        palette.windowText: ThemeManager.text
        // Bound on each entry: Qt 6.4 does not pass a palette change of an open menu on to
        // the entries it has made.
        delegate: KVRMenuItem {
            palette.windowText: ThemeManager.text
            palette.light: ThemeManager.menuItmeDownBackground3
        }
        background: Item {
            implicitWidth: 200
            implicitHeight: 40

            Rectangle {
                id: shadowShape
                anchors.fill: parent
                radius: 4
                color: "black"
                opacity: 0.15
            }

            DropShadow {
                anchors.fill: shadowShape
                source: shadowShape
                horizontalOffset: 2
                verticalOffset: 2
                radius: 8
                samples: 17
                color: Qt.rgba(0, 0, 0, 0.9)
                visible: shadowShape.GraphicsInfo.api !== GraphicsInfo.Software
            }

            Rectangle {
                anchors.fill: parent
                radius: 4
                color: ThemeManager.menuItmeDownBackground
                opacity: menu.enabled ? 1.0 : 0.5
            }
        }
    }

    objectName: "menuBar"
    visible: true
    height: 60
    font.pixelSize: 16
    leftPadding: 24
    topPadding: 14
    spacing: 8

    background: Rectangle {
        color: ThemeManager.menuItmeBackground
        border.width: 0.5
        border.color: ThemeManager.menuItmeBackground
    }

    delegate: MenuBarItem {
        id: barItem
        leftPadding: 8
        rightPadding: 8
        background: Rectangle {
            implicitWidth: 40
            implicitHeight: 32
            radius: 4
            color: barItem.down || barItem.highlighted ? ThemeManager.menuItmeDownBackground : ThemeManager.menuItmeBackground
        }
        contentItem: Text {
            text: barItem.text
            font: barItem.font
            color: ThemeManager.text
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            opacity: barItem.enabled ? 1.0 : 0.3
        }
    }

    StyledMenu {
        objectName: "fileMenu"
        title: qsTr("File")

        Action {
            objectName: "backAction"
            text: qsTr("Back")
            enabled: !bar.measuring
            onTriggered: {
                windowsRoot.minimumHeight = 390
                windowsRoot.minimumWidth = 672
                welcomeService.handleDeviceModelChanged()
                dataBuffer.clearBuffer()
            }
        }
    }

    StyledMenu {
        objectName: "hardwareMenu"
        title: qsTr("Hardware")

        Action {
            objectName: "setBaudRateAction"
            text: qsTr("Set Baud Rate")
            enabled: !dataBuffer.isY && bar.serial && !bar.measuring
            onTriggered: baudDialog.visible = true
        }

        Action {
            objectName: "setEfficiencyAction"
            text: qsTr("Set Efficiency")
            enabled: dataBuffer.hasEfficiency && bar.serial && !bar.measuring
            onTriggered: {
                efficiencyDialog.visible = true
                studioService.handleGetEfficiencyDataSingal()
            }
        }

        StyledMenu {
            objectName: "unitMenu"
            title: qsTr("Switch Irradiance Unit")
            enabled: !bar.photonCountModel

            Choice { objectName: "unitAction0"; text: "W/m²"; chosen: studioService.unit === 0; onTriggered: studioService.setUnit(0) }
            Choice { objectName: "unitAction1"; text: "mW/m²"; chosen: studioService.unit === 1; onTriggered: studioService.setUnit(1) }
            Choice { objectName: "unitAction2"; text: "mW/cm²"; chosen: studioService.unit === 2; onTriggered: studioService.setUnit(2) }
            Choice { objectName: "unitAction3"; text: "μW/cm²"; chosen: studioService.unit === 3; onTriggered: studioService.setUnit(3) }
        }

        Action {
            objectName: "setBandwidthAction"
            text: qsTr("Set Bandwidth")
            enabled: !bar.photonCountModel
            onTriggered: bandwidthDialog.visible = true
        }

        StyledMenu {
            objectName: "cieMenu"
            title: qsTr("Switch CIE Fundamentals")
            enabled: dataBuffer.hasCie2015
            palette.window: dataBuffer.hasCie2015 ? ThemeManager.background : ThemeManager.menuItmeDownBackground2

            Choice { objectName: "cieAction0"; text: "CIE1931 2°"; chosen: dataBuffer.cie2015 === 0; onTriggered: studioService.handleSetCie2015(0) }
            Choice { objectName: "cieAction1"; text: "CIE2015 2°"; chosen: dataBuffer.cie2015 === 1; onTriggered: studioService.handleSetCie2015(1) }
            Choice { objectName: "cieAction2"; text: "CIE2015 10°"; chosen: dataBuffer.cie2015 === 2; onTriggered: studioService.handleSetCie2015(2) }
        }

        Action {
            objectName: "setIlluminanceAction"
            text: qsTr("Set Illuminance")
            enabled: dataBuffer.hasIlluminanceCalibrate && bar.serial
            onTriggered: {
                illuminanceDialog.visible = true
                studioService.handleGetEfficiencyDataSingal()
            }
        }

        StyledMenu {
            objectName: "gainMenu"
            title: qsTr("Switch Gain")
            enabled: dataBuffer.hasFlicker

            Choice { objectName: "gainAction0"; text: qsTr("Auto"); chosen: dataBuffer.gainMode; onTriggered: studioService.handleSetFlickerGainSignal(0) }
            Choice { objectName: "gainAction1"; text: "x1"; chosen: !dataBuffer.gainMode && dataBuffer.gainValue === 0; onTriggered: studioService.handleSetFlickerGainSignal(1) }
            Choice { objectName: "gainAction2"; text: "x10"; chosen: !dataBuffer.gainMode && dataBuffer.gainValue === 1; onTriggered: studioService.handleSetFlickerGainSignal(2) }
            Choice { objectName: "gainAction3"; text: "x100"; chosen: !dataBuffer.gainMode && dataBuffer.gainValue === 2; onTriggered: studioService.handleSetFlickerGainSignal(3) }
            Choice { objectName: "gainAction4"; text: "x1000"; chosen: !dataBuffer.gainMode && dataBuffer.gainValue === 3; onTriggered: studioService.handleSetFlickerGainSignal(4) }
        }

        MenuSeparator {}

        Action {
            objectName: "disconnectAction"
            text: qsTr("Disconnect")
            enabled: !bar.measuring
            onTriggered: studioService.handleHardwareDisconnectSignal()
        }
    }

    StyledMenu {
        objectName: "toolMenu"
        title: qsTr("Tool")

        Action {
            objectName: "customizedTestAction"
            text: qsTr("Customized Test")
            enabled: !dataBuffer.isY && String(dynamicLoader.source).endsWith("Studio.qml")
            onTriggered: customizedTestDialog.visible = true
        }
    }

    StyledMenu {
        objectName: "aboutMenu"
        title: qsTr("About")

        Action {
            objectName: "supportAction"
            text: qsTr("Support")
            onTriggered: supportDialog.visible = true
        }

        StyledMenu {
            objectName: "languageMenu"
            title: qsTr("Language")

            Choice { objectName: "languageAction0"; text: "简体中文"; chosen: translate.modifier === 0; onTriggered: bar.switchLanguage(0, "zh") }
            Choice { objectName: "languageAction1"; text: "English"; chosen: translate.modifier === 1; onTriggered: bar.switchLanguage(1, "en") }
            Choice { objectName: "languageAction2"; text: "Deutsch"; chosen: translate.modifier === 2; onTriggered: bar.switchLanguage(2, "de") }
            Choice { objectName: "languageAction3"; text: "Français"; chosen: translate.modifier === 3; onTriggered: bar.switchLanguage(3, "fr") }
        }

        Action {
            objectName: "aboutAction"
            text: qsTr("About")
            onTriggered: aboutDialog.visible = true
        }

        StyledMenu {
            objectName: "themeMenu"
            title: qsTr("Theme")

            Choice { objectName: "lightThemeAction"; text: qsTr("Light"); chosen: ThemeManager.currentTheme === ThemeManager.Light; onTriggered: ThemeManager.setTheme(ThemeManager.Light) }
            Choice { objectName: "darkThemeAction"; text: qsTr("Dark"); chosen: ThemeManager.currentTheme === ThemeManager.Dark; onTriggered: ThemeManager.setTheme(ThemeManager.Dark) }
        }
    }

    function switchLanguage(index, code) {
        Qt.uiLanguage = code
        translate.modifier = index
        welcomeService.handleLanguageSignal(code)
    }
}
