import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

// The shell's controls as a person uses them: what a click does, what a disabled control
// refuses, and the check mark that once stood outside its frame.
Item {
    id: root
    width: 800
    height: 400

    KVRButton { id: button; x: 10; y: 10; text: "Save"; type: "info" }
    KVRCheckBox { id: checkBox; x: 10; y: 60 }
    NavButton { id: nav; x: 400; y: 10; text: "Spectrum Only" }

    TestCase {
        name: "ShellControls"
        when: windowShown

        SignalSpy { id: clicks; signalName: "clicked" }

        function init() {
            mouseMove(root, root.width - 1, root.height - 1)
            clicks.clear()
        }

        function cleanup() {
            button.enabled = true
            ThemeManager.setTheme(ThemeManager.Light)
        }

        function test_clicksCountOnlyWhenEnabledAndReleasedInside() {
            clicks.target = button
            mouseClick(button)
            button.enabled = false
            mouseClick(button)
            compare(clicks.count, 1)
            clicks.target = nav
            clicks.clear()
            mousePress(nav, 170, 32)
            mouseMove(root, 790, 390)
            mouseRelease(root, 790, 390)
            compare(clicks.count, 0)
            tryCompare(nav, "state", "normal")
        }

        // The mark once stood outside its frame.
        function test_checkMarkInsideItsFrame() {
            checkBox.checked = true
            waitForRendering(checkBox)
            const frame = checkBox.indicator
            const cx = checkBox.x + frame.x + frame.width / 2, cy = checkBox.y + frame.y + frame.height / 2
            let image = grabImage(root)
            verify(Qt.colorEqual(image.pixel(cx, cy), "#047eff"))
            verify(!Qt.colorEqual(image.pixel(checkBox.x + frame.x + frame.width + 2, cy), "#047eff"))
            verify(!Qt.colorEqual(image.pixel(cx, checkBox.y + frame.y + frame.height + 2), "#047eff"))
            mouseClick(checkBox)
            waitForRendering(checkBox)
            verify(!Qt.colorEqual(grabImage(root).pixel(cx, cy), "#047eff"))
        }
    }
}
