import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

// What a person sees of the frameless window in both themes, read from its rendered pixels.
Item {
    id: root

    CustomWindow {
        id: win
        width: 480
        height: 300
        x: 100
        y: 100
        title: "Pixels"
        visible: true
    }

    TestCase {
        name: "CustomWindowPixels"
        when: windowShown

        function cleanup() {
            ThemeManager.setTheme(ThemeManager.Light)
        }

        function near(px, colour, tolerance) {
            const c = Qt.color(colour)
            return Math.abs(px.r - c.r) <= tolerance && Math.abs(px.g - c.g) <= tolerance
                    && Math.abs(px.b - c.b) <= tolerance
        }

        function countNear(image, x0, y0, x1, y1, colour) {
            let n = 0
            for (let x = x0; x < x1; ++x)
                for (let y = y0; y < y1; ++y)
                    if (near(image.pixel(x, y), colour, 0.08))
                        ++n
            return n
        }

        function grab() {
            mouseMove(win.contentItem, 240, 200)
            for (const name of ["minimizeButton", "maximizeButton", "closeButton"])
                tryCompare(findChild(win.contentItem, name).children[2], "opacity", 0)
            waitForRendering(win.contentItem)
            return grabImage(win.contentItem)
        }

        function checkTheme(theme) {
            ThemeManager.setTheme(theme)
            const image = grab()
            const bg = ThemeManager.background
            verify(near(image.pixel(240, 200), bg, 0.02), "content " + image.pixel(240, 200) + " vs " + bg)
            verify(near(image.pixel(200, 8), bg, 0.02), "title bar " + image.pixel(200, 8))
            verify(near(image.pixel(200, 40), ThemeManager.border, 0.02), "separator " + image.pixel(200, 40))
            verify(near(image.pixel(0, 150), ThemeManager.border, 0.02), "left border " + image.pixel(0, 150))
            verify(near(image.pixel(479, 150), ThemeManager.border, 0.02), "right border")

            // Title text and caption glyphs in the theme's text colour.
            verify(countNear(image, 45, 10, 100, 30, ThemeManager.text) > 10, "title text")
            const close = findChild(win.contentItem, "closeButton")
            const c = close.mapToItem(win.contentItem, 0, 0)
            verify(countNear(image, c.x + 13, c.y + 5, c.x + 33, c.y + 25, ThemeManager.text) > 5, "close glyph")
            const minimize = findChild(win.contentItem, "minimizeButton").mapToItem(win.contentItem, 0, 0)
            verify(countNear(image, minimize.x + 13, minimize.y + 5, minimize.x + 33, minimize.y + 25,
                             ThemeManager.text) > 3, "minimise glyph")

            // The shadow shows in the corners the rounded container leaves open.
            for (const p of [[1, 1], [478, 1], [1, 298], [478, 298]]) {
                const px = image.pixel(p[0], p[1])
                verify(px.a > 0.05 && px.r < 0.3, "shadow at " + p + ": " + px)
            }
        }

        function test_lightTheme() {
            checkTheme(ThemeManager.Light)
        }

        function test_darkTheme() {
            const lightBackground = String(ThemeManager.background)
            checkTheme(ThemeManager.Dark)
            verify(!Qt.colorEqual(ThemeManager.background, lightBackground))
        }

        function test_closeHoverTintsRed() {
            const close = findChild(win.contentItem, "closeButton")
            mouseMove(close, 3, 25)
            tryCompare(close.children[2], "opacity", 0.3)
            waitForRendering(win.contentItem)
            const image = grabImage(win.contentItem)
            const p = close.mapToItem(win.contentItem, 3, 27)
            const bg = Qt.color(ThemeManager.background)
            const red = Qt.color("#e81123")
            const expected = Qt.rgba(bg.r * 0.7 + red.r * 0.3, bg.g * 0.7 + red.g * 0.3, bg.b * 0.7 + red.b * 0.3, 1)
            verify(near(image.pixel(p.x, p.y), expected, 0.03), image.pixel(p.x, p.y) + " vs " + expected)
        }
    }
}
