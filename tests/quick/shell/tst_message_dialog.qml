import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

Item {
    id: root

    Component {
        id: dialogComponent
        KVRMessageDialog {
            boxWidth: 400
            boxHeight: 150
            boxTitle: "Vantorel Message"
            boxMessage: "UART disconnected"
            x: 300
            y: 200
        }
    }

    TestCase {
        name: "KVRMessageDialog"
        when: windowShown

        property var dialog: null

        SignalSpy { id: acceptedSpy; signalName: "accepted" }
        SignalSpy { id: closedSpy; signalName: "windowClosed" }

        function find(name) { return findChild(dialog.contentItem, name) }

        function init() {
            dialog = createTemporaryObject(dialogComponent, root)
            acceptedSpy.target = dialog
            closedSpy.target = dialog
            acceptedSpy.clear()
            closedSpy.clear()
        }

        function show() {
            dialog.visible = true
            waitForRendering(dialog.contentItem)
            const handle = find("resizeHandle")
            tryVerify(() => handle.width === dialog.width && handle.height === dialog.height)
        }

        function test_defaults() {
            const d = createTemporaryObject(Qt.createComponent("qrc:/qt/qml/UIVantorelContent/dialogs/KVRMessageDialog.qml"), root)
            compare(d.visible, false)
            compare(d.boxWidth, 300)
            compare(d.boxHeight, 150)
            compare(d.boxButtonAcceptLabel, "OK")
            compare(d.boxButtonAcceptHighlighted, true)
            compare(d.resizable, false)
            compare(d.isMainWindow, false)
        }

        function test_layoutOfFourHundredByOneFifty() {
            show()
            compare(dialog.width, 400)
            compare(dialog.height, 150)
            compare(dialog.title, "Vantorel Message")
            const area = find("contentPlaceholder")
            compare(area.width, 396)
            compare(area.height, 105)
            const accept = find("acceptButton")
            compare(accept.width, 80)
            compare(accept.height, 32)
            compare(accept.x, 300)
            compare(accept.y, 57)
        }

        function test_acceptEmitsThenCloses() {
            show()
            let visibleAtAccept
            dialog.accepted.connect(() => { visibleAtAccept = dialog.visible })
            mouseClick(find("acceptButton"))
            compare(acceptedSpy.count, 1)
            compare(visibleAtAccept, true)
            tryCompare(dialog, "visible", false)
            // Shown again, it keeps its last text.
            dialog.visible = true
            compare(dialog.boxMessage, "UART disconnected")
        }

        function test_closeButtonDoesNotAccept() {
            show()
            studioService.isMeasuring = true
            mouseClick(find("closeButton"))
            studioService.isMeasuring = false
            compare(closedSpy.count, 1)
            compare(acceptedSpy.count, 0)
            tryCompare(dialog, "visible", false)
        }

        function test_longWordBreaksAndStaysCentred() {
            dialog.boxMessage = "W".repeat(120)
            show()
            const area = find("contentPlaceholder")
            const message = find("messageLabel")
            compare(message.width, area.width - 20)
            verify(message.lineCount > 1)
            verify(message.contentWidth <= message.width)
            compare(message.y, (area.height - message.height) / 2)
            compare(message.horizontalAlignment, Text.AlignHCenter)
        }

        function test_sizeFollowsBoxSizeAndEdgesDoNotResize() {
            show()
            dialog.boxWidth = 200
            dialog.boxHeight = 100
            tryCompare(dialog, "width", 200)
            tryCompare(dialog, "height", 100)
            const handle = find("resizeHandle")
            tryVerify(() => handle.width === 200)
            verify(!handle.enabled)
            mousePress(handle, 197, 50)
            mouseMove(handle, 257, 50)
            mouseRelease(handle, 257, 50)
            wait(50)
            compare(dialog.width, 200)
        }

        function test_maximiseButtonStillCallsShowMaximized() {
            show()
            mouseClick(find("maximizeButton"))
            tryCompare(dialog, "visibility", Window.Maximized)
            compare(dialog.width, 400)
        }
    }
}
