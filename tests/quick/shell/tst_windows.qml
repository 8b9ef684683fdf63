import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

// The frameless windows: a press that moved is a drag and not a click, and closing is
// refused while measuring; the check mark that once stood outside its frame.
Item {
    id: root
    width: 200
    height: 100

    KVRCheckBox { id: checkBox; x: 10; y: 10 }

    CustomWindow {
        id: win
        width: 500; height: 300; minimumWidth: 400; minimumHeight: 250; x: 200; y: 150
        title: "Window under test"
    }

    Component {
        id: barWindow
        Window {
            property alias bar: bar
            width: 400; height: 200; x: 200; y: 200
            KVRTooolBar { id: bar; windowsRoot: parent.Window.window }
        }
    }

    Component {
        id: messageDialog
        KVRMessageDialog { boxWidth: 400; boxHeight: 150; boxMessage: "UART disconnected"; x: 300; y: 200 }
    }

    TestCase {
        name: "FramelessWindows"
        when: windowShown

        SignalSpy { id: closed; target: win; signalName: "windowClosed" }

        function find(name, w) { return findChild((w || win).contentItem, name) }

        function drag(item, x0, y0, x1, y1) {
            mousePress(item, x0, y0)
            mouseMove(item, x1, y1)
            mouseRelease(item, x1, y1)
        }

        function init() {
            win.showNormal()
            tryCompare(win, "visibility", Window.Windowed)
            win.isMainWindow = false
            win.resizable = true
            win.x = 200; win.y = 150; win.width = 500; win.height = 300
            tryCompare(win, "x", 200)
            tryCompare(win, "width", 500)
            const handle = find("resizeHandle")
            tryVerify(() => handle.width === win.width && handle.height === win.height)
            closed.clear()
        }

        function cleanup() { studioService.isMeasuring = false }

        // A press counts as a click only when it moved less than the drag distance.
        function test_pressThatMovedDragsInsteadOfClicking() {
            drag(find("closeButton"), 23, 15, 35, 15)
            tryCompare(win, "x", 212)
            compare(closed.count, 0)
            drag(find("titleBarDragArea"), 100, 20, 130, 35)
            tryCompare(win, "x", 242)
            tryCompare(win, "y", 165)
            drag(find("closeButton"), 23, 15, 25, 16)
            compare(closed.count, 1)
            tryCompare(win, "visible", false)
        }

        function test_toolBarDragFromCloseDoesNotClose() {
            const w = createTemporaryObject(barWindow, root)
            w.visible = true
            waitForRendering(w.contentItem)
            drag(findChild(w.bar, "closeButton"), 10, 20, 30, 20)
            tryCompare(w, "x", 220)
            verify(w.visible)
            mouseClick(findChild(w.bar, "closeButton"))
            tryCompare(w, "visible", false)
        }

        function test_checkMarkInsideItsFrame() {
            checkBox.checked = true
            waitForRendering(checkBox)
            const frame = checkBox.indicator
            const cx = checkBox.x + frame.x + frame.width / 2, cy = checkBox.y + frame.y + frame.height / 2
            const image = grabImage(root)
            verify(Qt.colorEqual(image.pixel(cx, cy), "#047eff"))
            verify(!Qt.colorEqual(image.pixel(checkBox.x + frame.x + frame.width + 2, cy), "#047eff"))
            verify(!Qt.colorEqual(image.pixel(cx, checkBox.y + frame.y + frame.height + 2), "#047eff"))
            mouseClick(checkBox)
            waitForRendering(checkBox)
            verify(!Qt.colorEqual(grabImage(root).pixel(cx, cy), "#047eff"))
        }

        function test_mainWindowRefusesToCloseWhileMeasuring() {
            win.isMainWindow = true
            studioService.isMeasuring = true
            verify(!find("closeButton").enabled)
            win.close()
            wait(50)
            verify(win.visible)
            studioService.isMeasuring = false
            win.close()
            tryCompare(win, "visible", false)
            // A dialog closes while measuring.
            const d = createTemporaryObject(messageDialog, root)
            const accepted = createTemporaryObject(spyComponent, root, { target: d, signalName: "accepted" })
            studioService.isMeasuring = true
            d.visible = true
            waitForRendering(d.contentItem)
            mouseClick(find("closeButton", d))
            tryCompare(d, "visible", false)
            compare(accepted.count, 0)
            d.visible = true
            waitForRendering(d.contentItem)
            mouseClick(find("acceptButton", d))
            compare(accepted.count, 1)
            tryCompare(d, "visible", false)
        }

        // A dialog closed with the pointer on its close button opens again without that
        // button lit: the window heard of no leave.
        function test_closeButtonIsNotLitWhenTheDialogOpensAgain() {
            const d = createTemporaryObject(messageDialog, root)
            d.visible = true
            waitForRendering(d.contentItem)
            const close = find("closeButton", d)
            const overlay = findChild(close, "hoverOverlay")
            mouseMove(close, 20, 15)
            tryCompare(overlay, "opacity", 0.3)
            mouseClick(close, 20, 15)
            tryCompare(d, "visible", false)
            d.visible = true
            waitForRendering(d.contentItem)
            tryCompare(overlay, "opacity", 0)
        }

        // A long title ends short of the caption buttons instead of running under them.
        function test_longTitleStopsBeforeTheButtons() {
            const d = createTemporaryObject(messageDialog, root, { boxTitle: "Beleuchtungsstärke kalibrieren" })
            d.visible = true
            waitForRendering(d.contentItem)
            const title = find("titleText", d)
            const buttons = find("minimizeButton", d)
            const titleEnd = title.mapToItem(d.contentItem, title.contentWidth, 0).x
            verify(titleEnd <= buttons.mapToItem(d.contentItem, 0, 0).x, titleEnd)
            verify(title.truncated)
        }
    }

    Component { id: spyComponent; SignalSpy { } }
}
