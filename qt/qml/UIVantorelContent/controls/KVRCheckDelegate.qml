import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Controls.impl
import UIVantorel
import AppBackend 1.0

// List row with a check indicator at its right edge.
CheckDelegate {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             implicitIndicatorHeight + topPadding + bottomPadding)

    padding: 12
    spacing: 12

    // Rows name devices found nearby as they name themselves: shown as written, never as
    // markup, on one line.
    contentItem: Text {
        leftPadding: control.mirrored ? control.indicator.width + control.spacing : 0
        rightPadding: !control.mirrored ? control.indicator.width + control.spacing : 0
        text: OutsideText.oneLine(control.text)
        font: control.font
        color: control.palette.text
        elide: Text.ElideRight
        verticalAlignment: Text.AlignVCenter
        textFormat: Text.PlainText
    }

    indicator: Rectangle {
        implicitWidth: 16
        implicitHeight: 16
        x: control.mirrored ? control.leftPadding : control.width - width - control.rightPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        color: control.down ? control.palette.light : control.palette.base
        border.width: control.visualFocus ? 2 : 1
        border.color: control.visualFocus ? control.palette.highlight : control.palette.mid

        Rectangle {
            anchors.centerIn: parent
            width: 16
            height: 16
            radius: 2
            color: ColorStyle.colorBrand
            border.width: 1
            border.color: !control.enabled ? ColorStyle.colorGray3A
                        : control.hovered ? ColorStyle.colorGray7A
                        : ColorStyle.colorGray4A
            visible: control.checkState === Qt.Checked
        }

        ColorImage {
            anchors.centerIn: parent
            source: "../images/check.svg"
            sourceSize.width: 10
            sourceSize.height: 8
            color: ColorStyle.colorGray0
            visible: control.checkState === Qt.Checked
        }

        Rectangle {
            anchors.centerIn: parent
            width: 16
            height: 3
            radius: 2
            color: control.palette.text
            visible: control.checkState === Qt.PartiallyChecked
        }
    }

    background: Rectangle {
        implicitWidth: 100
        implicitHeight: 40
        visible: control.down || control.highlighted
        color: control.down ? control.palette.midlight : control.palette.light
    }
}
