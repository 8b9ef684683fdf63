import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Window
import Qt5Compat.GraphicalEffects
import UIVantorel
import BrandConfig
import UIVantorelContent

// A 40 px title bar for a frameless window: logo, title and caption buttons.
ToolBar {
    id: titleBar

    property Window windowsRoot: null

    function toggleMaximize() {
        if (windowsRoot.visibility === Window.Maximized)
            windowsRoot.showNormal()
        else
            windowsRoot.showMaximized()
    }

    height: 40
    width: parent ? parent.width : implicitWidth

    background: Rectangle {
        color: ThemeManager.background

        Rectangle {
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: parent.bottom
            height: 1
            color: ThemeManager.border
        }
    }

    component CaptionButton: Rectangle {
        id: captionButton

        property url source
        property color overlayColor
        signal clicked()

        width: height
        height: parent.height
        color: ThemeManager.background

        Image {
            anchors.centerIn: parent
            width: captionButton.height * 0.5
            height: width
            fillMode: Image.PreserveAspectFit
            source: captionButton.source
            sourceSize.width: width
            layer.enabled: GraphicsInfo.api !== GraphicsInfo.Software
            layer.effect: ColorOverlay { color: captionButton.overlayColor }
        }

        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            onEntered: captionButton.color = ThemeManager.secondary
            onExited: captionButton.color = ThemeManager.background
            onClicked: captionButton.clicked()
        }
    }

    Row {
        anchors.verticalCenter: parent.verticalCenter
        anchors.left: parent.left
        anchors.leftMargin: 20
        spacing: 10

        Image {
            height: titleBar.height * 0.4
            width: height * 0.7
            source: BrandConfig.logo
            sourceSize.height: height
        }

        Label {
            text: titleBar.windowsRoot ? titleBar.windowsRoot.title : ""
            textFormat: Text.PlainText
            color: ThemeManager.text
            font.pixelSize: titleBar.height * 0.4
            font.bold: true
        }
    }

    Row {
        anchors.verticalCenter: parent.verticalCenter
        anchors.right: parent.right
        height: titleBar.height
        spacing: 10

        CaptionButton {
            objectName: "minimizeButton"
            source: "../images/zoom_in_path.svg"
            overlayColor: ThemeManager.text
            onClicked: {
                if (!titleBar.windowsRoot)
                    return
                console.log(" windowsRoot.showMinimized()")
                titleBar.windowsRoot.showMinimized()
            }
        }
        CaptionButton {
            objectName: "maximizeButton"
            source: "../images/zoom_out_path.svg"
            overlayColor: ThemeManager.text
            onClicked: {
                if (titleBar.windowsRoot)
                    titleBar.toggleMaximize()
            }
        }
        CaptionButton {
            objectName: "closeButton"
            source: "../images/close_path.svg"
            overlayColor: "red"
            onClicked: {
                if (titleBar.windowsRoot)
                    titleBar.windowsRoot.close()
            }
        }
    }

    TitleBarDragArea {
        objectName: "titleBarDragArea"
        anchors.fill: parent
        targetWindow: titleBar.windowsRoot
    }
}
