import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

Item {
    id: root
    width: 600
    height: 300

    KVRButton { id: normalButton; x: 10; y: 10; text: "Set" }
    KVRButton { id: infoButton; x: 120; y: 10; text: "Save"; type: "info"; icon.color: "white" }
    KVRButton { id: refButton; x: 230; y: 10; text: "ref"; type: "info"; backGroundColor: ColorStyle.colorRef }
    KVRButton { id: errorButton; x: 340; y: 10; type: "error" }
    KVRButton { id: oddButton; x: 450; y: 10; text: "odd"; type: "other" }

    KVRCheckBox { id: checkBox; x: 10; y: 80 }

    TestCase {
        name: "KVRButtonAndCheckBox"
        when: windowShown

        SignalSpy { id: clicks; target: infoButton; signalName: "clicked" }

        function fill(button) { return button.background.color }
        function textColour(button) { return button.contentItem.color }
        function iconColour(button) { return button.contentItem.icon.color }

        function init() {
            mouseMove(root, root.width - 1, root.height - 1)
            for (const b of [normalButton, infoButton, refButton, errorButton, oddButton]) {
                b.enabled = true
                tryCompare(b, "hovered", false)
            }
            checkBox.enabled = true
            checkBox.checked = true
        }

        function cleanup() {
            ThemeManager.setTheme(ThemeManager.Light)
        }

        function test_restingLookByType() {
            compare(normalButton.state, "normal")
            verify(Qt.colorEqual(fill(normalButton), ThemeManager.buttonBackgroundColor2))
            verify(Qt.colorEqual(textColour(normalButton), ThemeManager.buttonTextColor1))
            verify(Qt.colorEqual(normalButton.background.border.color, ThemeManager.buttonBorderColor1))

            verify(Qt.colorEqual(fill(infoButton), ThemeManager.buttonBackgroundColor1))
            verify(Qt.colorEqual(textColour(infoButton), ThemeManager.buttonTextColor2))
            // The state's icon colour replaces the page's while a state applies.
            verify(Qt.colorEqual(iconColour(infoButton), ThemeManager.buttonTextColor2))

            verify(Qt.colorEqual(fill(refButton), ColorStyle.colorRef))
            verify(Qt.colorEqual(fill(errorButton), ThemeManager.buttonBackgroundColorError))
            verify(Qt.colorEqual(textColour(errorButton), ThemeManager.buttonTextColor2))

            // Unknown type: the normal fill, the text colour of the other types.
            verify(Qt.colorEqual(fill(oddButton), ThemeManager.buttonBackgroundColor2))
            verify(Qt.colorEqual(textColour(oddButton), ThemeManager.buttonTextColor2))
        }

        function test_hoverChangesBorderAndFill() {
            mouseMove(infoButton, infoButton.width / 2, infoButton.height / 2)
            tryCompare(infoButton, "state", "hover")
            verify(Qt.colorEqual(infoButton.background.border.color, ThemeManager.buttonBorderColor2))
            verify(Qt.colorEqual(fill(infoButton), ThemeManager.buttonBackgroundHove))

            mouseMove(normalButton, normalButton.width / 2, normalButton.height / 2)
            tryCompare(normalButton, "state", "hover")
            tryCompare(infoButton, "state", "normal")
            verify(Qt.colorEqual(fill(normalButton), ThemeManager.buttonBackgroundColor2))
        }

        function test_customInfoFillHoversDarkerInLightAndLighterInDark() {
            mouseMove(refButton, refButton.width / 2, refButton.height / 2)
            tryCompare(refButton, "state", "hover")
            verify(Qt.colorEqual(fill(refButton), Qt.darker(ColorStyle.colorRef, 1.1)))
            ThemeManager.setTheme(ThemeManager.Dark)
            verify(Qt.colorEqual(fill(refButton), Qt.lighter(ColorStyle.colorRef, 1.15)))
        }

        function test_defaultInfoHoverInDarkTheme() {
            ThemeManager.setTheme(ThemeManager.Dark)
            mouseMove(infoButton, infoButton.width / 2, infoButton.height / 2)
            tryCompare(infoButton, "state", "hover")
            verify(Qt.colorEqual(fill(infoButton), ThemeManager.buttonBackgroundHove))
        }

        function test_pressKeepsFillAndTurnsBorderPrimary() {
            clicks.clear()
            mouseMove(infoButton, 10, 10)
            mousePress(infoButton, 10, 10)
            tryCompare(infoButton, "state", "down")
            verify(Qt.colorEqual(infoButton.background.border.color, ThemeManager.primary))
            verify(Qt.colorEqual(fill(infoButton), ThemeManager.buttonBackgroundColor1))
            mouseRelease(infoButton, 10, 10)
            compare(clicks.count, 1)
        }

        function test_keyPressWithPointerElsewhereShowsBaseLook() {
            infoButton.forceActiveFocus()
            keyPress(Qt.Key_Space)
            tryCompare(infoButton, "down", true)
            compare(infoButton.state, "")
            verify(Qt.colorEqual(textColour(infoButton), ThemeManager.buttonTextColor1))
            verify(Qt.colorEqual(iconColour(infoButton), "white"))
            keyRelease(Qt.Key_Space)
            tryCompare(infoButton, "state", "normal")
        }

        function test_disabledLookAndNoClick() {
            clicks.clear()
            infoButton.enabled = false
            compare(infoButton.state, "disable")
            verify(Qt.colorEqual(fill(infoButton), ThemeManager.buttonDisEnable))
            verify(Qt.colorEqual(infoButton.background.border.color, ThemeManager.buttonBorderColor3))
            verify(Qt.colorEqual(textColour(infoButton), ThemeManager.textSecondary))
            verify(Qt.colorEqual(iconColour(infoButton), ThemeManager.textSecondary))
            mouseClick(infoButton)
            compare(clicks.count, 0)
        }

        function test_themeSwitchRecolours() {
            const lightFill = String(fill(normalButton))
            ThemeManager.setTheme(ThemeManager.Dark)
            verify(Qt.colorEqual(fill(normalButton), ThemeManager.buttonBackgroundColor2))
            verify(!Qt.colorEqual(fill(normalButton), lightFill))
        }

        function test_getBackgroundColor() {
            compare(refButton.getBackgroundColor(), ColorStyle.colorRef)
            const b = buttonComponent.createObject(root, { type: "error", backGroundColor: "" })
            verify(Qt.colorEqual(b.getBackgroundColor(), ThemeManager.buttonBackgroundColorError))
            b.type = "info"
            verify(Qt.colorEqual(b.getBackgroundColor(), ThemeManager.buttonBackgroundColor1))
            b.type = "normal"
            verify(Qt.colorEqual(b.getBackgroundColor(), ThemeManager.buttonBackgroundColor2))
            b.destroy()
        }

        function test_implicitSizeGrowsWithText() {
            const b = buttonComponent.createObject(root, { text: "x" })
            compare(b.implicitWidth, 80)
            compare(b.implicitHeight, 32)
            b.text = "A much longer label than eighty pixels"
            verify(b.implicitWidth > 80)
            compare(b.implicitWidth, b.contentItem.implicitWidth + 24)
            b.destroy()
        }

        function test_checkBoxToggleAndMarkInsideFrame() {
            compare(checkBox.text, "CheckBox")
            compare(checkBox.state, "checked")
            const frame = checkBox.indicator
            const mark = frame.children[0]
            verify(mark.visible)
            verify(mark.x >= 1 && mark.y >= 1)
            verify(mark.x + mark.width <= frame.width - 1)
            verify(mark.y + mark.height <= frame.height - 1)
            compare(mark.x, frame.width - mark.x - mark.width)
            mouseClick(checkBox)
            compare(checkBox.checked, false)
            compare(checkBox.state, "unchecked")
            verify(!mark.visible)
        }

        function test_checkBoxPixels() {
            waitForRendering(checkBox)
            const frame = checkBox.indicator
            let image = grabImage(root)
            const cx = checkBox.x + frame.x + frame.width / 2
            const cy = checkBox.y + frame.y + frame.height / 2
            verify(Qt.colorEqual(image.pixel(cx, cy), "#047eff"))
            // Nothing of the mark beyond the frame's right and bottom edges.
            verify(!Qt.colorEqual(image.pixel(checkBox.x + frame.x + frame.width + 2, cy), "#047eff"))
            verify(!Qt.colorEqual(image.pixel(cx, checkBox.y + frame.y + frame.height + 2), "#047eff"))
            checkBox.checked = false
            waitForRendering(checkBox)
            image = grabImage(root)
            verify(!Qt.colorEqual(image.pixel(cx, cy), "#047eff"))
        }

        function test_disabledCheckBoxDimsOnlyText() {
            checkBox.enabled = false
            compare(checkBox.contentItem.opacity, 0.3)
            compare(checkBox.indicator.opacity, 1)
            verify(checkBox.indicator.children[0].visible)
        }

        function test_tristatePartialShowsUnchecked() {
            checkBox.tristate = true
            checkBox.checkState = Qt.PartiallyChecked
            compare(checkBox.state, "unchecked")
            checkBox.tristate = false
        }
    }

    Component { id: buttonComponent; KVRButton { } }
}
