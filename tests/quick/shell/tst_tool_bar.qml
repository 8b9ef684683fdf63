import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

Item {
    id: root
    width: 400
    height: 100

    KVRTooolBar { id: orphanBar; width: 400 }

    Component {
        id: windowComponent
        Window {
            property alias bar: bar
            width: 400
            height: 200
            x: 200
            y: 200
            title: "Bar title"
            KVRTooolBar { id: bar; windowsRoot: parent.Window.window }
        }
    }

    TestCase {
        name: "KVRTooolBar"
        when: windowShown

        property var win: null

        function init() {
            win = createTemporaryObject(windowComponent, root)
            win.visible = true
            waitForRendering(win.contentItem)
            tryCompare(win, "x", 200)
        }

        function cleanup() {
            ThemeManager.setTheme(ThemeManager.Light)
        }

        function find(item, name) { return findChild(item, name) }

        function test_withoutWindowShowsNothingAndDoesNothing() {
            compare(orphanBar.windowsRoot, null)
            mouseClick(find(orphanBar, "closeButton"))
            mouseClick(find(orphanBar, "maximizeButton"))
            const drag = find(orphanBar, "titleBarDragArea")
            mousePress(drag, 50, 20)
            mouseMove(drag, 90, 30)
            mouseRelease(drag, 90, 30)
            verify(win.visible)
        }

        function test_titleAndMaximiseToggle() {
            compare(win.bar.windowsRoot, win)
            const maximize = find(win.bar, "maximizeButton")
            mouseClick(maximize)
            tryCompare(win, "visibility", Window.Maximized)
            mouseClick(maximize)
            tryCompare(win, "visibility", Window.Windowed)
        }

        function test_closeButtonCloses() {
            mouseClick(find(win.bar, "closeButton"))
            tryCompare(win, "visible", false)
        }

        function test_dragMovesWindowByPointerMovement() {
            const drag = find(win.bar, "titleBarDragArea")
            mousePress(drag, 100, 20)
            mouseMove(drag, 125, 27)
            mouseRelease(drag, 125, 27)
            tryCompare(win, "x", 225)
            tryCompare(win, "y", 207)
        }

        function test_dragFromCloseButtonDoesNotClose() {
            const close = find(win.bar, "closeButton")
            mousePress(close, 10, 20)
            mouseMove(close, 30, 20)
            mouseRelease(close, 30, 20)
            tryCompare(win, "x", 220)
            verify(win.visible)
        }

        function test_hoverRecoloursButton() {
            const close = find(win.bar, "closeButton")
            mouseMove(close, 20, 20)
            tryVerify(() => Qt.colorEqual(close.color, ThemeManager.secondary))
            mouseMove(win.bar, 100, 20)
            tryVerify(() => Qt.colorEqual(close.color, ThemeManager.background))
        }

        function test_closeGlyphRedInBothThemes() {
            for (const t of [ThemeManager.Light, ThemeManager.Dark]) {
                ThemeManager.setTheme(t)
                mouseMove(win.bar, 100, 20)
                const close = find(win.bar, "closeButton")
                waitForRendering(win.bar)
                const image = grabImage(win.bar)
                const origin = close.mapToItem(win.bar, 0, 0)
                let red = 0
                for (let dx = 8; dx < 32; ++dx) {
                    const px = image.pixel(origin.x + dx, origin.y + dx)
                    if (px.r > 0.8 && px.g < 0.3 && px.b < 0.3)
                        ++red
                }
                verify(red >= 5, "red pixels on the cross: " + red)
            }
        }
    }
}
