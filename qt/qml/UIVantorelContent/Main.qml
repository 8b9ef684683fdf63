import QtQuick
import QtQuick.Controls.Basic

// Minimal main window: the objects the back end addresses by objectName.
Window {
    id: mainWindow
    width: 672
    height: 390
    visible: true
    title: "Vantorel"

    // The user-interface language index: 0 zh, 1 en, 2 de, 3 fr.
    QtObject {
        id: translate
        property int modifier: 0
    }

    Welcome {
        id: welcome
        objectName: "welcome"
        visible: true
    }

    Item {
        id: functionUi
        objectName: "function_ui"
        anchors.fill: parent
        visible: false
    }

    Loader {
        id: dynamicLoader
        objectName: "dynamicLoader"
        anchors.fill: parent
        visible: false
    }

    // The timed series: the measuring back end asks, the save back end records.
    Connections {
        target: studioService
        function onRequestCustomizedTestBegin() { saveService.beginCustomizedTestSave() }
        function onRequestCustomizedTestAppend() { saveService.appendCustomizedTestSave() }
        function onRequestCustomizedTestEnd() { saveService.endCustomizedTestSave() }
    }

    Item {
        id: messageDialog
        objectName: "messageDialog"
        property string boxTitle: ""
        property string boxMessage: ""
        property int boxWidth: 400
        property int boxHeight: 150
        visible: false
    }
}
