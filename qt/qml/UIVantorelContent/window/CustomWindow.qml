import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Qt5Compat.GraphicalEffects
import UIVantorel
import BrandConfig
import UIVantorelContent

// Frameless, transparent top-level window drawing its own title bar, border and resize edges.
Window {
    id: root

    property color backgroundColor: ThemeManager.background
    default property alias content: contentPlaceholder.data
    property real cornerRadius: 10
    property bool isMainWindow: false
    property alias menuBar: menuBarData.data
    property bool resizable: true
    property bool showCloseButton: true
    property bool showMaximizeButton: true
    property bool showMenuBar: false
    property bool showMinimizeButton: true
    property string windowTitle: title
    // How far the resize areas reach into the content slot while they work: a control at the
    // content's edge keeps clear of it, or a press there resizes the window instead.
    readonly property int resizeEdgeInContent: resizeHandle.enabled ? resizeHandle.margin - windowBorder.border.width : 0
    // The window's height beyond its content slot: title bar, menu bar when shown, border.
    readonly property int chromeHeight: titleBar.Layout.preferredHeight + titleSeparator.Layout.preferredHeight
                                        + (showMenuBar ? menuBarSlot.Layout.preferredHeight : 0)
                                        + 2 * windowBorder.border.width

    signal windowMinimized()
    signal windowMaximized()
    signal windowClosed()

    flags: Qt.Window | Qt.FramelessWindowHint
    color: "transparent"
    visible: false

    // The window system's close (Alt+F4) must not cut a running measurement short either.
    onClosing: close => {
        if (isMainWindow && studioService.isMeasuring)
            close.accepted = false
    }

    Rectangle {
        id: container
        anchors.fill: parent
        color: root.backgroundColor
        radius: root.cornerRadius
        clip: true

        // The software renderer drops an item with a layer effect altogether.
        layer.enabled: GraphicsInfo.api !== GraphicsInfo.Software
        layer.effect: DropShadow {
            color: "#80000000"
            radius: 16
            samples: 17
            transparentBorder: true
            horizontalOffset: 0
            verticalOffset: 0
        }

        ColumnLayout {
            anchors.fill: parent
            spacing: 0

            Rectangle {
                id: titleBar
                Layout.fillWidth: true
                Layout.preferredHeight: 40
                color: ThemeManager.background
                radius: 16

                // Squares the bottom corners.
                Rectangle {
                    anchors.left: parent.left
                    anchors.right: parent.right
                    anchors.bottom: parent.bottom
                    height: parent.height / 2
                    color: parent.color
                }

                Image {
                    id: logo
                    anchors.left: parent.left
                    anchors.leftMargin: 15
                    anchors.verticalCenter: parent.verticalCenter
                    height: titleBar.height * 0.6
                    width: height * 0.7
                    source: BrandConfig.logo
                    sourceSize.height: height
                }

                Text {
                    id: titleText
                    objectName: "titleText"
                    anchors.left: logo.right
                    anchors.leftMargin: 15
                    // A long title (German, in a small message box) ends short of the buttons.
                    anchors.right: windowButtons.left
                    anchors.rightMargin: 8
                    anchors.verticalCenter: parent.verticalCenter
                    elide: Text.ElideRight
                    text: root.windowTitle
                    textFormat: Text.PlainText
                    color: ThemeManager.text
                    font.bold: true
                    font.pixelSize: 14
                }

                Row {
                    id: windowButtons
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    spacing: 2

                    WindowButton {
                        id: minimizeButton
                        objectName: "minimizeButton"
                        visible: root.showMinimizeButton
                        iconText: "\u2212"
                        tooltip: qsTr("Minimize")
                        onClicked: {
                            root.showMinimized()
                            root.windowMinimized()
                        }
                    }

                    WindowButton {
                        id: maximizeButton
                        objectName: "maximizeButton"
                        readonly property bool maximized: root.visibility === Window.Maximized
                        visible: root.showMaximizeButton
                        iconText: maximized ? "\u2750" : "\u25A1"
                        tooltip: maximized ? qsTr("Restore") : qsTr("Maximize")
                        onClicked: {
                            if (root.visibility === Window.Maximized)
                                root.showNormal()
                            else
                                root.showMaximized()
                            root.windowMaximized()
                        }
                    }

                    WindowButton {
                        id: closeButton
                        objectName: "closeButton"
                        visible: root.showCloseButton
                        enabled: !root.isMainWindow || !studioService.isMeasuring
                        opacity: enabled ? 1.0 : 0.1
                        iconText: "\u00D7"
                        tooltip: qsTr("Close")
                        hoverColor: "#e81123"
                        onClicked: {
                            root.windowClosed()
                            root.close()
                        }
                    }
                }

                TitleBarDragArea {
                    objectName: "titleBarDragArea"
                    anchors.fill: parent
                    targetWindow: root
                    movable: root.visibility !== Window.Maximized
                    onDoubleClicked: maximizeButton.clicked()
                }
            }

            Rectangle {
                id: titleSeparator
                Layout.fillWidth: true
                Layout.preferredHeight: 1
                color: ThemeManager.border
            }

            Rectangle {
                id: menuBarSlot
                Layout.fillWidth: true
                Layout.preferredHeight: 50
                visible: root.showMenuBar
                color: ThemeManager.background
                border.width: 0

                Item {
                    id: menuBarData
                    anchors.fill: parent
                }
            }

            Rectangle {
                id: contentArea
                Layout.fillWidth: true
                Layout.fillHeight: true
                color: "transparent"

                Item {
                    id: contentPlaceholder
                    objectName: "contentPlaceholder"
                    anchors.fill: parent
                    anchors.margins: windowBorder.border.width
                }
            }
        }

        Rectangle {
            id: windowBorder
            anchors.fill: parent
            color: "transparent"
            border.width: 2
            border.color: ThemeManager.border
            radius: root.cornerRadius
        }

        ResizeHandle {
            id: resizeHandle
            objectName: "resizeHandle"
            anchors.fill: parent
            margin: 8
            target: root
            enabled: root.resizable && root.visibility !== Window.Maximized
        }
    }
}
