import QtQuick
import QtQuick.Controls.Basic
import Qt5Compat.GraphicalEffects
import UIVantorel
import BrandConfig
import AppBackend 1.0

CustomWindow {
    id: windowsRoot
    objectName: "windwosRoot"

    readonly property int welcomeWidth: 672
    readonly property int welcomeHeight: 390
    // The part of the window's screen that a window may take (less the desktop's panels).
    readonly property int availableScreenWidth: Math.min(screen.width, screen.desktopAvailableWidth)
    readonly property int availableScreenHeight: Math.min(screen.height, screen.desktopAvailableHeight)

    // Page name -> measuring screen file and whether the page starts without a reference.
    readonly property var pageMap: ({
        "Spectrum Only": { file: "pages/PureSpectrum.qml", clearsReference: false },
        "Reflectance": { file: "pages/Reflectance.qml", clearsReference: true },
        "Absorbance": { file: "pages/Absorbance.qml", clearsReference: true },
        "Transmittance": { file: "pages/Transmittance.qml", clearsReference: true },
        "Studio": { file: "pages/Studio.qml", clearsReference: false },
        "Raman": { file: "pages/Raman.qml", clearsReference: false }
    })
    // The measuring page in front; null while the mode or the welcome page shows.
    readonly property Item shownMeasuringPage: dynamicLoader.visible ? dynamicLoader.item : null

    color: "transparent"
    flags: Qt.Window | Qt.FramelessWindowHint
    width: welcomeWidth
    height: welcomeHeight
    minimumWidth: welcomeWidth
    minimumHeight: welcomeHeight
    visible: true
    isMainWindow: true
    title: qsTr(BrandConfig.softwareName)
    showMenuBar: dynamicLoader.visible
    menuBar: KVRMenubar {
        id: menuBar_ui
    }

    // However a measuring page goes (File > Back, another page, the welcome page when the link
    // ends), what it opened goes with it: nothing may act for a page that is not shown.
    // Hiding the timed-series dialog ends its series.
    onShownMeasuringPageChanged: closeMeasuringDialogs()

    // A page file that is not part of the module is treated like an unknown page name.
    function pageFileExists(file) {
        return Qt.createComponent(Qt.resolvedUrl(file), Component.PreferSynchronous).status === Component.Ready
    }

    function pageSwitch(value) {
        // Own keys only: an inherited name such as "toString" is no page.
        if (!Object.prototype.hasOwnProperty.call(pageMap, value))
            return
        const target = pageMap[value]
        const loaded = String(dynamicLoader.source).endsWith(target.file)
        if (!loaded && !pageFileExists(target.file))
            return

        function_ui.visible = false
        welcome.visible = false

        const targetWidth = value === "Studio" ? 1552 : 900
        const targetHeight = 882
        pageArea.pageWindowWidth = targetWidth
        pageArea.pageWindowHeight = targetHeight
        // On a screen smaller than the page the window takes the screen and the page scrolls.
        minimumWidth = Math.min(targetWidth, availableScreenWidth)
        minimumHeight = Math.min(targetHeight, availableScreenHeight)
        if (width < minimumWidth)
            width = minimumWidth
        if (height < minimumHeight)
            height = minimumHeight
        keepOnScreen()

        if (target.clearsReference)
            dataBuffer.clearReference()

        if (loaded) {
            const page = dynamicLoader.item
            if (page && typeof page.cleanState === "function")
                page.cleanState()
        } else {
            dynamicLoader.source = target.file
        }
        dynamicLoader.visible = true
    }

    // A window that grew for a page must not run off its screen: a small window placed near
    // the right or bottom edge would otherwise hide the page's far side.
    function keepOnScreen() {
        if (visibility === Window.Maximized || visibility === Window.FullScreen)
            return
        const left = screen.virtualX
        const top = screen.virtualY
        x = Math.max(left, Math.min(x, left + availableScreenWidth - width))
        y = Math.max(top, Math.min(y, top + availableScreenHeight - height))
    }

    function closeMeasuringDialogs() {
        for (const dialog of [baudDialog, efficiencyDialog, bandwidthDialog, illuminanceDialog, customizedTestDialog])
            dialog.visible = false
        const page = dynamicLoader.item
        if (page && page.exportDialog)
            page.exportDialog.visible = false
    }

    // A message of the shell's own, at the message box's standard size.
    function showMessage(title, text) {
        messageDialog.boxTitle = title
        messageDialog.boxWidth = 400
        messageDialog.boxHeight = 150
        messageDialog.boxMessage = text
        messageDialog.visible = true
    }

    QtObject {
        id: translate
        objectName: "translate"
        property int modifier: 0
    }

    Rectangle {
        id: background
        anchors.fill: parent
        color: ThemeManager.background
        border.width: 1
        border.color: "#E0E0E0"
        radius: 12
    }

    DropShadow {
        anchors.fill: background
        source: background
        color: "#20000000"
        horizontalOffset: 0
        verticalOffset: 2
        radius: 8
        samples: 17
        visible: background.GraphicsInfo.api !== GraphicsInfo.Software
    }

    Welcome {
        id: welcome
        objectName: "welcome"
        anchors.fill: parent
        visible: true
    }

    Function {
        id: function_ui
        objectName: "function_ui"
        anchors.fill: parent
        visible: false
    }

    PageScroller {
        id: pageArea
        anchors.fill: parent
        active: dynamicLoader.visible
        edgeClearance: windowsRoot.resizeEdgeInContent

        Loader {
            id: dynamicLoader
            objectName: "dynamicLoader"
            anchors.fill: parent
            visible: false
            Component.onCompleted: {
                if (windowsRoot.pageFileExists("pages/Studio.qml"))
                    source = "pages/Studio.qml"
            }
        }
    }

    ContentSwitcher {
        id: contentSwitcher
        objectName: "contentSwitcher"
        currentPage: "studio"
        visible: false
    }

    // The back end resizes the window right after it shows the welcome page: the measuring
    // pages' minimum must be gone by then.
    Connections {
        target: welcome
        function onVisibleChanged() {
            if (welcome.visible) {
                windowsRoot.minimumWidth = windowsRoot.welcomeWidth
                windowsRoot.minimumHeight = windowsRoot.welcomeHeight
            }
        }
    }

    // The timed series: the measuring back end asks, the save back end records.
    Connections {
        target: studioService
        function onRequestCustomizedTestBegin() { saveService.beginCustomizedTestSave() }
        function onRequestCustomizedTestAppend() { saveService.appendCustomizedTestSave() }
        function onRequestCustomizedTestEnd() { saveService.endCustomizedTestSave() }
    }

    Connections {
        target: saveService
        function onSaveFinished(success, filePath, errorMessage) {
            if (success) {
                // A message with a success tells what the saved file lacks.
                saveSuccessDialog.boxTitle = errorMessage === "" ? qsTr("Save Successful") : qsTr("Saved Incomplete")
                // The path's folders come from the file system: isolated from the sentence.
                saveSuccessDialog.boxMessage = qsTr("Data has been successfully saved to:\n")
                                               + OutsideText.isolated(filePath)
                                               + (errorMessage === "" ? "" : "\n" + errorMessage)
                saveSuccessDialog.savePath = saveSuccessDialog.folderOf(filePath)
                saveSuccessDialog.visible = true
            } else {
                messageDialog.boxTitle = qsTr("Save Failed")
                messageDialog.boxMessage = errorMessage !== "" ? errorMessage
                                                               : qsTr("An unknown error occurred while saving the file.")
                messageDialog.visible = true
            }
        }
    }

    KVRMessageDialog {
        id: messageDialog
        objectName: "messageDialog"

        // Driver error codes, as the back end writes them, to their texts.
        property var errorMessages: ({
            "0": QT_TR_NOOP("OK"),
            "4097": QT_TR_NOOP("UART connection failed"),
            "4098": QT_TR_NOOP("No valid baud rate found"),
            "4099": QT_TR_NOOP("UART disconnected"),
            "8193": QT_TR_NOOP("Bluetooth connection failed"),
            "8194": QT_TR_NOOP("Failed to create Bluetooth service"),
            "8195": QT_TR_NOOP("Bluetooth disconnected")
        })

        boxWidth: 400
        boxHeight: 150
        boxTitle: qsTr(BrandConfig.softwareName) + " " + qsTr("Message")
        boxButtonAcceptLabel: qsTr("ok")

        // A code alone, at the standard size; or a code on the first line and, after it,
        // why, in the size the back end chose for it.
        onBoxMessageChanged: {
            const lineEnd = boxMessage.indexOf("\n")
            const code = lineEnd < 0 ? boxMessage : boxMessage.slice(0, lineEnd)
            if (!Object.prototype.hasOwnProperty.call(errorMessages, code))
                return
            if (lineEnd < 0) {
                boxWidth = 400
                boxHeight = 150
            }
            boxMessage = qsTr(errorMessages[code]) + (lineEnd < 0 ? "" : boxMessage.slice(lineEnd))
        }
    }

    KVRMessageDialog {
        id: saveSuccessDialog
        objectName: "saveSuccessDialog"

        property string savePath: ""

        function folderOf(filePath) {
            const cut = Math.max(filePath.lastIndexOf("/"), filePath.lastIndexOf("\\"))
            return cut < 0 ? "" : filePath.substring(0, cut)
        }

        boxWidth: 400
        boxHeight: 200
        boxTitle: qsTr(BrandConfig.softwareName) + " " + qsTr("Message")
        boxButtonAcceptLabel: qsTr("Open Folder")
        onAccepted: {
            if (savePath !== "")
                Qt.openUrlExternally(localFileUrl.fromPath(savePath))
        }
    }

    LocalFileUrl {
        id: localFileUrl
    }

    BaudRateDialog {
        id: baudDialog
        objectName: "baudDialog"
    }

    EfficiencyDialog {
        id: efficiencyDialog
        objectName: "efficiencyDialog"
    }

    BandwidthDialog {
        id: bandwidthDialog
        objectName: "bandwidthDialog"
    }

    IlluminanceDialog {
        id: illuminanceDialog
        objectName: "illuminanceDialog"
    }

    CustomizedTestDialog {
        id: customizedTestDialog
        objectName: "customizedTestDialog"
    }

    SupportDialog {
        id: supportDialog
        objectName: "supportDialog"
    }

    AboutDialog {
        id: aboutDialog
        objectName: "aboutDialog"
    }
}
