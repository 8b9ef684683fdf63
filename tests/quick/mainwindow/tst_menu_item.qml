import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

Item {
    id: root
    width: 600
    height: 400

    Menu {
        id: menu
        palette.windowText: ThemeManager.text
        palette.light: ThemeManager.menuItmeDownBackground3
        delegate: KVRMenuItem {}

        Action { id: plain; text: "Back" }
        Action { id: choice; text: "x10"; checkable: true }
        Action { id: off; text: "Disconnect"; enabled: false }
        Menu { id: sub; title: "Theme"; Action { text: "Light" } }
    }

    TestCase {
        name: "KVRMenuItem"
        when: windowShown

        function cleanup() {
            ThemeManager.setTheme(ThemeManager.Light)
            choice.checked = false
        }

        function test_indentsAndMarks() {
            menu.open()
            const plainItem = menu.itemAt(0)
            const choiceItem = menu.itemAt(1)
            const subItem = menu.itemAt(3)
            compare(plainItem.contentItem.leftPadding, 0)
            // An unchecked choice keeps the tick's room so a group's texts line up.
            compare(choiceItem.indicator.visible, false)
            compare(choiceItem.contentItem.leftPadding, choiceItem.indicator.width + 6)
            choice.checked = true
            compare(choiceItem.indicator.visible, true)
            compare(subItem.arrow.visible, true)
            compare(subItem.contentItem.rightPadding, subItem.arrow.width + 6)
            compare(subItem.arrow.x, subItem.width - subItem.arrow.width - 6)
            compare(plainItem.background.x, 1)
            compare(plainItem.background.width, plainItem.width - 2)
            menu.close()
        }

        function test_disabledEntryDimsOnlyItsText() {
            menu.open()
            const offItem = menu.itemAt(2)
            const plainItem = menu.itemAt(0)
            verify(Qt.colorEqual(offItem.contentItem.color, ThemeManager.textSecondary))
            verify(Qt.colorEqual(plainItem.contentItem.color, ThemeManager.text))
            ThemeManager.setTheme(ThemeManager.Dark)
            verify(Qt.colorEqual(offItem.contentItem.color, ThemeManager.textSecondary))
            compare(offItem.background.color, plainItem.background.color)
            menu.close()
        }

        function test_highlightFill() {
            menu.open()
            const plainItem = menu.itemAt(0)
            plainItem.highlighted = true
            verify(Qt.colorEqual(plainItem.background.color, ThemeManager.menuItmeDownBackground3))
            plainItem.highlighted = false
            verify(Qt.colorEqual(plainItem.background.color, "transparent"))
            menu.close()
        }
    }
}
