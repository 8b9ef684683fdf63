import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

Item {
    id: root
    width: 800
    height: 200

    NavButton { id: nav; x: 10; y: 10; text: "Spectrum Only"; icon.source: "qrc:/qt/qml/UIVantorelContent/images/spectrum_only.svg" }
    NavButton { id: other; x: 400; y: 10; text: "Raman"; enabled: false; icon.source: "qrc:/qt/qml/UIVantorelContent/images/raman.svg" }

    TestCase {
        name: "NavButton"
        when: windowShown

        SignalSpy { id: clicks; target: nav; signalName: "clicked" }

        function pill(button) { return button.background }

        function init() {
            mouseMove(root, root.width - 1, root.height - 1)
            tryCompare(nav, "hovered", false)
            clicks.clear()
        }

        function cleanup() {
            ThemeManager.setTheme(ThemeManager.Light)
        }

        function test_sizeAndRestingLook() {
            compare(nav.width, 340)
            compare(nav.height, 64)
            compare(nav.state, "normal")
            verify(Qt.colorEqual(pill(nav).color, ThemeManager.surface))
            verify(Qt.colorEqual(pill(nav).border.color, ThemeManager.buttonBorderColor1))
            verify(Qt.colorEqual(nav.contentItem.color, ThemeManager.text))
            compare(pill(nav).opacity, 1)
        }

        function test_disabledLook() {
            compare(other.state, "disable")
            verify(Qt.colorEqual(pill(other).color, ThemeManager.buttonDisEnable))
            verify(Qt.colorEqual(other.contentItem.color, ThemeManager.buttonDisEnable))
            compare(pill(other).opacity, 0.3)
            compare(other.contentItem.opacity, 0.3)
            mouseClick(other)
            compare(other.pressed, false)
        }

        function test_hoverAndPressBorders() {
            mouseMove(nav, 170, 32)
            tryCompare(nav, "state", "hover")
            verify(Qt.colorEqual(pill(nav).border.color, ThemeManager.buttonBorderColor2))
            mousePress(nav, 170, 32)
            compare(nav.state, "down")
            verify(Qt.colorEqual(pill(nav).border.color, ThemeManager.buttonBorderColor3))
            mouseRelease(nav, 170, 32)
            compare(clicks.count, 1)
        }

        function test_releaseOutsideNeitherClicksNorStaysDown() {
            mousePress(nav, 170, 32)
            mouseMove(root, 700, 150)
            verify(nav.state !== "down")
            verify(Qt.colorEqual(pill(nav).border.color, ThemeManager.buttonBorderColor1))
            mouseRelease(root, 700, 150)
            compare(clicks.count, 0)
            tryCompare(nav, "state", "normal")
        }

        function test_iconFollowsTheTheme() {
            const icon = findChild(nav, "navButtonIcon")
            verify(icon)
            verify(Qt.colorEqual(icon.color, ThemeManager.text))
            ThemeManager.setTheme(ThemeManager.Dark)
            verify(Qt.colorEqual(icon.color, "#FFFFFF"))
            const disabledIcon = findChild(other, "navButtonIcon")
            verify(Qt.colorEqual(disabledIcon.color, ThemeManager.buttonDisEnable))
            // The icon is drawn in its colour, not the image's own black.
            const image = grabImage(nav)
            let found = false
            for (let x = 34; x < 60 && !found; ++x) {
                for (let y = 20; y < 44 && !found; ++y)
                    found = Qt.colorEqual(image.pixel(x, y), "#FFFFFF")
            }
            verify(found)
        }
    }
}
