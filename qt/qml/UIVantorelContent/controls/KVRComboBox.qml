import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Templates as T
import Qt5Compat.GraphicalEffects
import UIVantorel
import AppBackend 1.0

// Drop-down list of every page and dialog, following the theme.
ComboBox {
    id: control

    font.pixelSize: 14
    implicitHeight: 32
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    padding: 5
    leftPadding: padding + (!control.mirrored || !indicator || !indicator.visible ? 0 : indicator.width + spacing)
    rightPadding: padding + (control.mirrored || !indicator || !indicator.visible ? 0 : indicator.width + spacing)

    palette.alternateBase: ThemeManager.surface
    palette.base: ThemeManager.surface
    palette.light: ThemeManager.surface
    palette.buttonText: ThemeManager.text
    palette.dark: ThemeManager.text
    palette.highlightedText: ThemeManager.text
    palette.text: ThemeManager.text
    palette.windowText: ThemeManager.text
    palette.highlight: ThemeManager.menuItmeDownBackground
    palette.mid: ThemeManager.border
    palette.shadow: ThemeManager.background
    palette.window: ThemeManager.background

    delegate: ItemDelegate {
        id: entry

        required property int index
        required property var model

        width: ListView.view.width
        text: {
            const entry = model.modelData
            if (!control.textRole)
                return entry
            // A JS array exposes its entries only as modelData.
            if (entry !== null && typeof entry === "object" && entry[control.textRole] !== undefined)
                return entry[control.textRole]
            return model[control.textRole]
        }
        font.weight: control.currentIndex === index ? Font.DemiBold : Font.Normal
        highlighted: control.highlightedIndex === index
        hoverEnabled: control.hoverEnabled
        palette.highlightedText: control.palette.highlightedText
        palette.text: control.palette.text

        // Entries may be names from outside (ports, folders): shown as written, never as
        // markup, on one line.
        contentItem: Text {
            text: OutsideText.oneLine(entry.text)
            font: entry.font
            color: entry.highlighted ? entry.palette.highlightedText : entry.palette.text
            elide: Text.ElideRight
            verticalAlignment: Text.AlignVCenter
            textFormat: Text.PlainText
        }

        background: Rectangle {
            color: parent.highlighted ? ThemeManager.menuItmeDownBackground
                 : parent.hovered ? ThemeManager.menuItmeDownBackground2
                 : "transparent"
        }
    }

    indicator: Canvas {
        id: canvasIndicator

        property color arrowColor: control.enabled ? ThemeManager.text : ThemeManager.textSecondary

        x: control.mirrored ? control.padding : control.width - width - 12
        y: control.topPadding + (control.availableHeight - height) / 2
        width: 10
        height: 6
        rotation: control.down ? 180 : 0

        onArrowColorChanged: requestPaint()
        onPaint: {
            const ctx = getContext("2d")
            ctx.reset()
            ctx.beginPath()
            ctx.moveTo(0, 0)
            ctx.lineTo(width, 0)
            ctx.lineTo(width / 2, height)
            ctx.closePath()
            ctx.fillStyle = arrowColor
            ctx.fill()
        }
    }

    contentItem: T.TextField {
        id: field

        leftPadding: 12 - control.padding
        rightPadding: 12 - control.padding
        topPadding: 5 - control.padding
        bottomPadding: 5 - control.padding

        // A long entry (a port or folder name) ends in an ellipsis short of the arrow; the
        // box still asks for the room of the whole text.
        readonly property string shownText: OutsideText.oneLine(control.displayText)
        text: control.editable ? control.editText
                               : fieldMetrics.elidedText(shownText, Text.ElideRight, width - leftPadding - rightPadding)
        implicitWidth: fieldMetrics.advanceWidth(control.editable ? control.editText : shownText)
                       + leftPadding + rightPadding
        font.pixelSize: 14
        verticalAlignment: Text.AlignVCenter

        enabled: control.editable
        autoScroll: control.editable
        readOnly: control.down
        inputMethodHints: control.inputMethodHints
        validator: control.validator
        selectByMouse: control.selectTextByMouse

        color: !control.enabled ? ThemeManager.textSecondary
             : control.editable ? control.palette.text : control.palette.buttonText
        selectionColor: ThemeManager.primary
        selectedTextColor: "#FFFFFF"

        background: Rectangle {
            visible: control.enabled && control.editable && !control.flat
            color: ThemeManager.inputBackgroundColor
            border.width: parent && parent.activeFocus ? 2 : 1
            border.color: parent && parent.activeFocus ? ThemeManager.primary : ThemeManager.buttonBorderColor1
        }

        FontMetrics {
            id: fieldMetrics
            font: field.font
        }
    }

    background: Rectangle {
        implicitWidth: 140
        implicitHeight: 40
        radius: 6
        border.width: 1
        border.color: !control.enabled ? ThemeManager.buttonBorderColor3
                    : control.down ? ThemeManager.primary
                    : control.hovered ? ThemeManager.buttonBorderColor2
                    : ThemeManager.buttonBorderColor1
        color: control.enabled ? ThemeManager.inputBackgroundColor : ThemeManager.buttonDisEnable
        visible: !control.flat || control.down
    }

    popup: T.Popup {
        y: control.height + 4
        width: control.width
        height: Math.min(contentItem.implicitHeight, control.Window.height - topMargin - bottomMargin)
        topMargin: 6
        bottomMargin: 6
        palette: control.palette

        contentItem: ListView {
            clip: true
            implicitHeight: contentHeight
            model: control.delegateModel
            currentIndex: control.highlightedIndex
            highlightMoveDuration: 0

            Rectangle {
                z: 10
                width: parent.width
                height: parent.height
                color: "transparent"
                border.width: 1
                border.color: ThemeManager.border
                radius: 4
            }

            T.ScrollIndicator.vertical: ScrollIndicator { }
        }

        background: Rectangle {
            radius: 4
            border.width: 1
            border.color: ThemeManager.border
            color: ThemeManager.menuItmeBackground

            // The software renderer drops an item with a layer effect altogether.
            layer.enabled: GraphicsInfo.api !== GraphicsInfo.Software
            layer.effect: DropShadow {
                transparentBorder: true
                color: ThemeManager.currentTheme === 1 ? "#40000000" : "#20000000"
                radius: 16
                samples: 33
                horizontalOffset: 0
                verticalOffset: 2
            }
        }
    }
}
