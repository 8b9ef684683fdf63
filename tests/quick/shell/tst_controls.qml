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
    Row {
        x: 10; y: 100
        KVRRadioButton { id: autoRadio; text: "Auto"; checked: true }
        KVRRadioButton { id: manualRadio; text: "Manual" }
    }
    KVRCheckDelegate { id: row; x: 10; y: 140; width: 280; text: "Meter-01" }
    KVRComboBox {
        id: combo
        x: 10; y: 200; width: 220
        textRole: "text"
        valueRole: "value"
        model: [{ text: "Auto", value: 7 }, { text: "115200", value: 0 }, { text: "921600", value: 1 }]
    }
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

        function test_radioButtonsAreExclusive() {
            mouseClick(manualRadio)
            verify(manualRadio.checked && !autoRadio.checked)
            mouseClick(autoRadio)
            verify(autoRadio.checked && !manualRadio.checked)
        }

        function test_checkDelegateTicksOnClick() {
            mouseClick(row)
            verify(row.checked && row.indicator.children[1].visible)
            mouseClick(row)
            verify(!row.checked)
        }

        function test_comboPicksAnEntryByMouse() {
            mouseClick(combo)
            tryCompare(combo.popup, "opened", true)
            const list = combo.popup.contentItem
            tryVerify(() => list.itemAtIndex(2) !== null)
            mouseClick(list.itemAtIndex(2))
            tryCompare(combo.popup, "visible", false)
            compare(combo.currentValue, 1)
            compare(combo.contentItem.text, "921600")
        }

    }
}
