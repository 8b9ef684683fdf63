import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

Item {
    id: root

    CustomWindow {
        id: window
        width: 500
        height: 300
        minimumWidth: 400
        minimumHeight: 250
        x: 200
        y: 150
        title: "Window under test"

        Rectangle {
            objectName: "page"
            anchors.fill: parent
            color: "#ffff00"
        }
    }

    Component {
        id: menuComponent
        Rectangle { objectName: "menu"; width: 200; height: 20; color: "#00ff00" }
    }

    TestCase {
        name: "CustomWindow"
        when: windowShown

        readonly property var win: window

        SignalSpy { id: closedSpy; signalName: "windowClosed" }
        SignalSpy { id: maximizedSpy; signalName: "windowMaximized" }
        SignalSpy { id: minimizedSpy; signalName: "windowMinimized" }

        // One window for all cases (creating one per case is slow on a software GL stack).
        function init() {
            win.showNormal()
            tryCompare(win, "visibility", Window.Windowed)
            verify(win.visible)
            win.isMainWindow = false
            win.resizable = true
            win.showMenuBar = false
            win.menuBar = []
            win.showMinimizeButton = true
            win.showMaximizeButton = true
            win.showCloseButton = true
            win.title = "Window under test"
            win.x = 200
            win.y = 150
            win.width = 500
            win.height = 300
            tryCompare(win, "x", 200)
            tryCompare(win, "y", 150)
            tryCompare(win, "width", 500)
            tryCompare(win, "height", 300)
            settle()
            for (const spy of [closedSpy, maximizedSpy, minimizedSpy]) {
                spy.target = win
                spy.clear()
            }
        }

        function cleanup() {
            studioService.isMeasuring = false
        }

        // The window reports a new size or state before its items follow it.
        function settle() {
            const handle = find("resizeHandle")
            tryVerify(() => handle.width === win.width && handle.height === win.height)
            tryCompare(find("maximizeButton"), "maximized", win.visibility === Window.Maximized)
        }

        function find(name) {
            return findChild(win.contentItem, name)
        }

        function test_contentSlotBelowTitleAndMenu() {
            const slot = find("contentPlaceholder")
            let topLeft = slot.mapToItem(win.contentItem, 0, 0)
            compare(topLeft.x, 2)
            compare(topLeft.y, 43)
            compare(slot.width, win.width - 4)
            compare(slot.height, win.height - 43 - 2)
            compare(find("page").parent, slot)

            win.menuBar = [createTemporaryObject(menuComponent, null)]
            win.showMenuBar = true
            tryVerify(() => slot.mapToItem(win.contentItem, 0, 0).y === 93)
            compare(slot.height, win.height - 93 - 2)
            const menu = find("menu")
            verify(menu.visible)
            compare(menu.mapToItem(win.contentItem, 0, 0).y, 41)
        }

        function test_singleClickRunsCaptionActions() {
            const maximize = find("maximizeButton")
            compare(maximize.iconText, "\u25A1")
            compare(maximize.tooltip, "Maximize")
            mouseClick(maximize)
            compare(maximizedSpy.count, 1)
            tryCompare(win, "visibility", Window.Maximized)
            settle()
            compare(maximize.iconText, "\u2750")
            compare(maximize.tooltip, "Restore")
            mouseClick(maximize)
            compare(maximizedSpy.count, 2)
            tryCompare(win, "visibility", Window.Windowed)

            mouseClick(find("minimizeButton"))
            compare(minimizedSpy.count, 1)
            tryCompare(win, "visibility", Window.Minimized)
        }

        function test_closeButtonClosesWithSignal() {
            mouseClick(find("closeButton"))
            compare(closedSpy.count, 1)
            tryCompare(win, "visible", false)
            // A closed window can be shown again with its properties intact.
            win.visible = true
            compare(win.title, "Window under test")
        }

        function test_dragMovesWindowWithoutClicking() {
            const bar = find("titleBarDragArea")
            mousePress(bar, 100, 20)
            mouseMove(bar, 130, 35)
            mouseRelease(bar, 130, 35)
            tryCompare(win, "x", 230)
            tryCompare(win, "y", 165)
            compare(maximizedSpy.count, 0)
        }

        function test_dragReleasedOverCloseDoesNotClose() {
            const close = find("closeButton")
            // Starts on the close button and ends on it, the window having moved by 12 px.
            mousePress(close, 23, 15)
            mouseMove(close, 35, 15)
            mouseRelease(close, 35, 15)
            tryCompare(win, "x", 212)
            compare(closedSpy.count, 0)
            verify(win.visible)
        }

        function test_smallJitterStillClicks() {
            const close = find("closeButton")
            mousePress(close, 23, 15)
            mouseMove(close, 25, 16)
            mouseRelease(close, 25, 16)
            compare(closedSpy.count, 1)
            tryCompare(win, "visible", false)
        }

        function test_maximisedWindowIsNotDragged() {
            win.showMaximized()
            tryCompare(win, "visibility", Window.Maximized)
            settle()
            const x0 = win.x
            const bar = find("titleBarDragArea")
            mousePress(bar, 100, 20)
            mouseMove(bar, 160, 60)
            mouseRelease(bar, 160, 60)
            wait(50)
            compare(win.x, x0)
            compare(win.visibility, Window.Maximized)
        }

        function test_doubleClickMaximisesEvenWhenButtonHidden() {
            win.showMaximizeButton = false
            verify(!find("maximizeButton").visible)
            mouseDoubleClickSequence(find("titleBarDragArea"), 150, 20)
            compare(maximizedSpy.count, 1)
            tryCompare(win, "visibility", Window.Maximized)
            compare(closedSpy.count, 0)
        }

        function test_hiddenButtonsTakeNoRoom() {
            const close = find("closeButton")
            const rightEdge = () => close.mapToItem(win.contentItem, close.width, 0).x
            compare(rightEdge(), win.width)
            win.showMinimizeButton = false
            win.showMaximizeButton = false
            compare(rightEdge(), win.width)
            win.showCloseButton = false
            verify(!close.visible)
        }

        function test_mainWindowCloseRefusedWhileMeasuring() {
            win.isMainWindow = true
            studioService.isMeasuring = true
            const close = find("closeButton")
            verify(!close.enabled)
            compare(close.opacity, 0.1)
            mouseClick(close, 23, 15)
            compare(closedSpy.count, 0)
            // The window system's own close request is refused as well.
            win.close()
            wait(50)
            verify(win.visible)

            studioService.isMeasuring = false
            verify(close.enabled)
            compare(close.opacity, 1)
            win.close()
            tryCompare(win, "visible", false)
        }

        function test_dialogCloseWorksWhileMeasuring() {
            studioService.isMeasuring = true
            const close = find("closeButton")
            verify(close.enabled)
            mouseClick(close)
            compare(closedSpy.count, 1)
            tryCompare(win, "visible", false)
        }

        function test_edgesResizeWithinLimits() {
            const handle = find("resizeHandle")
            // Right edge: grows, and clamps at the minimum width.
            mousePress(handle, win.width - 3, 150)
            mouseMove(handle, win.width + 47, 150)
            mouseRelease(handle, win.width + 47, 150)
            tryCompare(win, "width", 550)
            settle()
            mousePress(handle, win.width - 3, 150)
            mouseMove(handle, win.width - 403, 150)
            mouseRelease(handle, win.width - 403, 150)
            tryCompare(win, "width", 400)
            settle()

            // Bottom edge clamps at the minimum height.
            mousePress(handle, 200, win.height - 3)
            mouseMove(handle, 200, win.height - 203)
            mouseRelease(handle, 200, win.height - 203)
            tryCompare(win, "height", 250)
        }

        function test_leftEdgeRefusesStepBelowMinimum() {
            const handle = find("resizeHandle")
            mousePress(handle, 3, 150)
            mouseMove(handle, -37, 150)
            mouseRelease(handle, -37, 150)
            tryCompare(win, "width", 540)
            tryCompare(win, "x", 160)
            settle()

            mousePress(handle, 3, 150)
            mouseMove(handle, 203, 150)
            mouseRelease(handle, 203, 150)
            wait(50)
            compare(win.width, 540)
            compare(win.x, 160)
        }

        function test_topCornerChangesOnlyHeight() {
            const handle = find("resizeHandle")
            mousePress(handle, 3, 3)
            mouseMove(handle, -17, -17)
            mouseRelease(handle, -17, -17)
            tryCompare(win, "height", 320)
            tryCompare(win, "y", 130)
            compare(win.width, 500)
            compare(win.x, 200)
        }

        function test_bottomRightCornerResizesBoth() {
            const handle = find("resizeHandle")
            mousePress(handle, win.width - 12, win.height - 12)
            mouseMove(handle, win.width + 8, win.height + 18)
            mouseRelease(handle, win.width + 8, win.height + 18)
            tryCompare(win, "width", 520)
            tryCompare(win, "height", 330)
        }

        function test_edgePressOverCaptionButtonResizes() {
            const close = find("closeButton")
            const handle = find("resizeHandle")
            // The top 3 px of a caption button lie in the top edge.
            mousePress(handle, win.width - 20, 6)
            mouseMove(handle, win.width - 20, -4)
            mouseRelease(handle, win.width - 20, -4)
            tryCompare(win, "height", 310)
            compare(closedSpy.count, 0)
        }

        function test_noResizeWhenMaximisedOrFixed() {
            const handle = find("resizeHandle")
            win.resizable = false
            verify(!handle.enabled)
            mousePress(handle, win.width - 3, 150)
            mouseMove(handle, win.width + 47, 150)
            mouseRelease(handle, win.width + 47, 150)
            wait(50)
            compare(win.width, 500)

            win.resizable = true
            verify(handle.enabled)
            win.showMaximized()
            tryCompare(win, "visibility", Window.Maximized)
            settle()
            verify(!handle.enabled)
            // With the edges off, the top strip of the close button clicks it.
            mouseClick(find("closeButton"), 23, 2)
            compare(closedSpy.count, 1)
        }

        function test_longTitleRunsUnderButtons() {
            win.title = "A very long window title that certainly runs far beyond the caption buttons of this window"
            const row = find("closeButton").parent
            verify(row.z >= 0)
            const text = find("titleText")
            compare(text.text, win.title)
            compare(text.elide, Text.ElideNone)
            verify(text.x + text.width > row.x)
        }
    }
}
