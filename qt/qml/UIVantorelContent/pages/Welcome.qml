import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import UIVantorel
import UIVantorelContent

// Start page: language and theme, then a device over a serial port or Bluetooth LE.
// `translate` is the main window's language object, reached through its document.
// welcomeService is destroyed before the scene at exit, hence the guards on it.
Rectangle {
    anchors.fill: parent
    color: ThemeManager.background

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        Rectangle {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: 80
            Layout.maximumHeight: 450 * 80 / 310
            color: ThemeManager.background

            RowLayout {
                anchors.centerIn: parent
                spacing: 50

                RowLayout {
                    width: 179
                    height: 32

                    Label {
                        Layout.preferredWidth: 79
                        Layout.preferredHeight: 32
                        text: "Language"
                        color: ThemeManager.text
                        font.pixelSize: 14
                        verticalAlignment: Text.AlignVCenter
                    }

                    KVRComboBox {
                        id: switchLanguage
                        objectName: "switchLanguage"
                        Layout.preferredWidth: 100
                        textRole: "text"
                        valueRole: "value"
                        // Each entry's value is its index and the main window's language index.
                        readonly property var languageTable: [
                            { text: "简体中文", value: 0, code: "zh" },
                            { text: "English", value: 1, code: "en" },
                            { text: "Deutsch", value: 2, code: "de" },
                            { text: "Français", value: 3, code: "fr" }
                        ]
                        model: languageTable

                        // The engine's language comes from the system locale; any
                        // language without a catalogue shows as English.
                        Component.onCompleted: {
                            const prefix = String(Qt.uiLanguage).substring(0, 2).toLowerCase()
                            const found = languageTable.find(entry => entry.code === prefix)
                            const entry = found !== undefined ? found : languageTable[1]
                            currentIndex = entry.value
                            translate.modifier = entry.value
                            Qt.uiLanguage = entry.code
                        }

                        onActivated: index => {
                            const entry = languageTable[index]
                            translate.modifier = entry.value
                            Qt.uiLanguage = entry.code
                            welcomeService.handleLanguageSignal(entry.code)
                        }
                    }
                }

                Connections {
                    target: translate
                    function onModifierChanged() {
                        switchLanguage.currentIndex = switchLanguage.indexOfValue(translate.modifier)
                    }
                }

                RowLayout {
                    width: 90
                    height: 32

                    Label {
                        Layout.preferredWidth: 50
                        Layout.preferredHeight: 32
                        text: qsTr("Theme")
                        color: ThemeManager.text
                        font.pixelSize: 14
                        verticalAlignment: Text.AlignVCenter
                    }

                    KVRComboBox {
                        id: switchTheme
                        objectName: "switchTheme"
                        Layout.preferredWidth: 100
                        textRole: "text"
                        valueRole: "value"
                        model: [
                            { text: qsTr("Light"), value: 0 },
                            { text: qsTr("Dark"), value: 1 }
                        ]
                        // A language switch replaces the model, which resets the index:
                        // depending on the model restores the theme shown.
                        currentIndex: model ? ThemeManager.currentTheme : 0

                        onActivated: index => ThemeManager.setTheme(index === 0 ? ThemeManager.ThemeType.Light
                                                                                : ThemeManager.ThemeType.Dark)
                    }
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.preferredHeight: 310
            Layout.maximumHeight: 450
            spacing: 0

            Rectangle {
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 319
                Layout.leftMargin: 24
                Layout.bottomMargin: 24
                color: ThemeManager.background

                ColumnLayout {
                    id: connectSerial
                    anchors.fill: parent
                    spacing: 16
                    // Both labels take the wider one's width, so the two fields line up in
                    // every language.
                    readonly property real labelWidth: Math.max(65, portLabel.implicitWidth, baudLabel.implicitWidth)

                    ColumnLayout {
                        Layout.alignment: Qt.AlignHCenter | Qt.AlignTop
                        spacing: 16

                        Label {
                            Layout.topMargin: 8
                            Layout.alignment: Qt.AlignHCenter
                            text: qsTr("Serial Connection")
                            color: ThemeManager.text
                            font.bold: true
                            font.pixelSize: 16
                        }

                        KVRButton {
                            id: scanSerialButton
                            objectName: "scanSerialButton"
                            Layout.alignment: Qt.AlignHCenter
                            text: qsTr("Scan")
                            // Probing the ports would take the one being connected.
                            enabled: !(welcomeService && welcomeService.isConnecting)
                            onClicked: welcomeService.handleSerialScanSignal()
                        }
                    }

                    RowLayout {
                        id: selectSerialPort
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: 280
                        Layout.maximumWidth: 280

                        Label {
                            id: portLabel
                            Layout.preferredWidth: connectSerial.labelWidth
                            Layout.minimumWidth: connectSerial.labelWidth
                            Layout.preferredHeight: 32
                            text: qsTr("Port ID")
                            color: ThemeManager.text
                            font.pixelSize: 14
                            verticalAlignment: Text.AlignVCenter
                        }

                        KVRComboBox {
                            id: selectSerialPortComboBox
                            objectName: "selectSerialPortComboBox"
                            Layout.preferredWidth: 220
                            Layout.fillWidth: true
                            model: []
                        }
                    }

                    RowLayout {
                        id: selectSerialBaud
                        Layout.alignment: Qt.AlignHCenter
                        Layout.preferredWidth: 280
                        Layout.maximumWidth: 280
                        Layout.preferredHeight: 32

                        Label {
                            id: baudLabel
                            Layout.preferredWidth: connectSerial.labelWidth
                            Layout.minimumWidth: connectSerial.labelWidth
                            Layout.preferredHeight: 32
                            text: qsTr("Baud Rate")
                            color: ThemeManager.text
                            font.pixelSize: 14
                            verticalAlignment: Text.AlignVCenter
                        }

                        KVRComboBox {
                            id: selectSerialBaudComboBox
                            objectName: "selectSerialBaudComboBox"
                            Layout.preferredWidth: 220
                            Layout.fillWidth: true
                            textRole: "text"
                            valueRole: "value"
                            model: [
                                { text: qsTr("Auto"), value: 7 },
                                { text: "115200", value: 0 },
                                { text: "921600", value: 1 },
                                { text: "460800", value: 2 },
                                { text: "256000", value: 3 },
                                { text: "9600", value: 4 },
                                { text: "4800", value: 5 },
                                { text: "2400", value: 6 }
                            ]
                            // The model is rebuilt on a language switch; keep the user's rate.
                            property int chosenIndex: 0
                            currentIndex: model ? chosenIndex : 0
                            onActivated: index => chosenIndex = index
                        }
                    }

                    KVRButton {
                        id: connectSerialButton
                        objectName: "connectSerialButton"
                        Layout.alignment: Qt.AlignHCenter | Qt.AlignBottom
                        Layout.bottomMargin: 8
                        text: qsTr("Open", "connect Serial")
                        type: "info"
                        enabled: !(welcomeService && welcomeService.isConnecting)
                        onClicked: welcomeService.handleSerialConnectionSignal(selectSerialPortComboBox.currentText,
                                                                               selectSerialBaudComboBox.currentValue)
                    }
                }
            }

            ToolSeparator {
                id: toolSeparator
                Layout.fillHeight: true
                leftPadding: 16
                rightPadding: 16
                topPadding: 0
                bottomPadding: 24
                contentItem: Rectangle {
                    implicitWidth: toolSeparator.vertical ? 1 : 30
                    implicitHeight: toolSeparator.vertical ? 30 : 1
                    color: ColorStyle.colorGray3A
                }
            }

            Rectangle {
                Layout.fillWidth: true
                Layout.fillHeight: true
                Layout.preferredWidth: 319
                Layout.rightMargin: 24
                Layout.bottomMargin: 24
                color: ThemeManager.background

                ColumnLayout {
                    id: connectBle
                    anchors.fill: parent
                    spacing: 16

                    ColumnLayout {
                        Layout.alignment: Qt.AlignHCenter | Qt.AlignTop
                        spacing: 16

                        Label {
                            Layout.topMargin: 8
                            Layout.alignment: Qt.AlignHCenter
                            text: qsTr("Bluetooth")
                            color: ThemeManager.text
                            font.bold: true
                            font.pixelSize: 16
                        }

                        KVRButton {
                            id: scanBleButton
                            objectName: "scanBleButton"
                            Layout.alignment: Qt.AlignHCenter
                            text: qsTr("Scan Bluetooth")
                            // A scan drops the link being made.
                            enabled: !(welcomeService && welcomeService.isConnecting)
                            onClicked: welcomeService.handleBleScanSignal()
                        }
                    }

                    ListView {
                        id: bleList
                        objectName: "bleList"
                        Layout.preferredWidth: 280
                        Layout.fillHeight: true
                        Layout.alignment: Qt.AlignHCenter
                        clip: true
                        model: welcomeService ? welcomeService.bleDevices : []

                        property string selectedDevice: ""

                        ScrollBar.vertical: ScrollBar {
                            active: true
                            visible: true
                        }

                        delegate: KVRCheckDelegate {
                            width: 280
                            text: modelData
                            palette.text: ThemeManager.text
                            // The check follows the chosen name only; a click must not toggle it.
                            checkable: false
                            checked: bleList.selectedDevice === modelData
                            onClicked: bleList.selectedDevice = modelData
                        }

                        Label {
                            objectName: "noBleDevicesLabel"
                            parent: bleList
                            anchors.centerIn: parent
                            visible: bleList.count === 0
                            text: qsTr("No Bluetooth devices found")
                            color: ThemeManager.text
                            font.pixelSize: 14
                        }
                    }

                    KVRButton {
                        id: connectBleButton
                        objectName: "connectBleButton"
                        Layout.alignment: Qt.AlignHCenter | Qt.AlignBottom
                        Layout.bottomMargin: 8
                        height: 32
                        text: qsTr("Open", "Bluetooth connection button")
                        type: "info"
                        enabled: !(welcomeService && welcomeService.isConnecting)
                        onClicked: welcomeService.handleBleConnectionSignal(bleList.selectedDevice)
                    }
                }
            }
        }
    }
}
