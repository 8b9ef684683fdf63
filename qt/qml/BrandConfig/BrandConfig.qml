pragma Singleton
import QtQuick

// Brand settings shown in the title bar, message boxes and About.
QtObject {
    readonly property url logo: Qt.resolvedUrl("images/head_logo.svg")
    readonly property string softwareName: qsTr("Vantorel Spectral Studio")
    readonly property string companyName: "Vantorel Instruments"
    readonly property string companyAddress: ""
    readonly property string telephone: ""
    readonly property string mobile: ""
    readonly property string email: "support@vantorel.example"
    readonly property string website: "vantorel.example"
    readonly property string downloadsite: "https://vantorel.example/downloads"
    readonly property string copyright: "Copyright (C) 2026 Vantorel Instruments"
}
