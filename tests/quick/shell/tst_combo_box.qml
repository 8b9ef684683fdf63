import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

Item {
    id: root
    width: 500
    height: 400

    KVRComboBox {
        id: baudBox
        x: 20; y: 20; width: 220
        textRole: "text"
        valueRole: "value"
        model: [{ text: "Auto", value: 7 }, { text: "115200", value: 0 }, { text: "921600", value: 1 }]
    }

    KVRComboBox {
        id: plainBox
        x: 260; y: 20; width: 180
        model: ["Spectrum", "Cie1931", "Cie1960"]
    }

    KVRComboBox {
        id: listModelBox
        x: 20; y: 300; width: 120
        textRole: "name"
        model: ListModel {
            ListElement { name: "s" }
            ListElement { name: "min" }
        }
    }

    KVRComboBox {
        id: longBox
        x: 260; y: 300; width: 180
        model: 60
    }

    TestCase {
        name: "KVRComboBox"
        when: windowShown

        SignalSpy { id: activated; target: baudBox; signalName: "activated" }

        function init() {
            for (const box of [baudBox, plainBox, listModelBox, longBox]) {
                box.popup.close()
                box.enabled = true
                box.currentIndex = 0
            }
            mouseMove(root, 250, 200)
            tryCompare(baudBox, "hovered", false)
            activated.clear()
        }

        function cleanup() {
            for (const box of [baudBox, plainBox, listModelBox, longBox])
                box.popup.close()
            ThemeManager.setTheme(ThemeManager.Light)
        }

        function rowAt(box, index) {
            const list = box.popup.contentItem
            tryVerify(() => list.itemAtIndex(index) !== null, 5000, "row " + index + " created")
            return box.popup.contentItem.itemAtIndex(index)
        }

        function openList(box) {
            mouseClick(box)
            tryCompare(box.popup, "opened", true)
        }

        function test_pickEntryByMouse() {
            compare(baudBox.currentText, "Auto")
            compare(baudBox.currentValue, 7)
            openList(baudBox)
            verify(baudBox.down)
            verify(Qt.colorEqual(baudBox.background.border.color, ThemeManager.primary))
            compare(baudBox.indicator.rotation, 180)
            const row = rowAt(baudBox, 2)
            compare(row.text, "921600")
            mouseClick(row)
            tryCompare(baudBox.popup, "visible", false)
            compare(baudBox.currentIndex, 2)
            compare(baudBox.currentValue, 1)
            compare(baudBox.contentItem.text, "921600")
            compare(activated.count, 1)
            compare(baudBox.indicator.rotation, 0)
        }

        function test_listPlacementAndCurrentEntryBold() {
            baudBox.currentIndex = 1
            openList(baudBox)
            const popupPos = baudBox.popup.contentItem.mapToItem(root, 0, 0)
            compare(baudBox.popup.y, baudBox.height + 4)
            compare(baudBox.popup.width, baudBox.width)
            verify(Math.abs(popupPos.x - baudBox.x - baudBox.popup.leftPadding) < 1)
            compare(rowAt(baudBox, 1).font.weight, Font.DemiBold)
            compare(rowAt(baudBox, 0).font.weight, Font.Normal)
        }

        function test_highlightedRowFill() {
            openList(baudBox)
            const row = rowAt(baudBox, 1)
            mouseMove(row, row.width / 2, row.height / 2)
            tryCompare(baudBox, "highlightedIndex", 1)
            verify(Qt.colorEqual(row.background.color, ThemeManager.menuItmeDownBackground))
            verify(Qt.colorEqual(rowAt(baudBox, 2).background.color, "transparent"))
        }

        function test_plainTextsAndListModelRows() {
            openList(plainBox)
            compare(rowAt(plainBox, 1).text, "Cie1931")
            plainBox.popup.close()
            openList(listModelBox)
            compare(rowAt(listModelBox, 1).text, "min")
            compare(listModelBox.displayText, "s")
        }

        function test_emptyModelHasNoRows() {
            plainBox.model = []
            compare(plainBox.contentItem.text, "")
            openList(plainBox)
            compare(plainBox.popup.contentItem.count, 0)
            plainBox.model = ["Spectrum", "Cie1931", "Cie1960"]
        }

        function test_longListIsCutToWindowAndScrolls() {
            openList(longBox)
            const available = root.Window.height - 12
            tryVerify(() => longBox.popup.height <= available)
            verify(longBox.popup.contentItem.contentHeight > longBox.popup.height)
            verify(longBox.popup.y >= 6 - longBox.y)
        }

        function test_hoverChangesOnlyBorder() {
            mouseMove(baudBox, 30, 10)
            tryCompare(baudBox, "hovered", true)
            verify(Qt.colorEqual(baudBox.background.border.color, ThemeManager.buttonBorderColor2))
            verify(Qt.colorEqual(baudBox.background.color, ThemeManager.inputBackgroundColor))
        }

        function test_disabledLook() {
            baudBox.enabled = false
            verify(Qt.colorEqual(baudBox.background.color, ThemeManager.buttonDisEnable))
            verify(Qt.colorEqual(baudBox.background.border.color, ThemeManager.buttonBorderColor3))
            verify(Qt.colorEqual(baudBox.contentItem.color, ThemeManager.textSecondary))
            verify(Qt.colorEqual(baudBox.indicator.arrowColor, ThemeManager.textSecondary))
            mouseClick(baudBox)
            compare(baudBox.popup.visible, false)
        }

        function arrowPixel(box) {
            const image = grabImage(root)
            const tip = box.indicator.mapToItem(root, box.indicator.width / 2, 1)
            return image.pixel(tip.x, tip.y)
        }

        function test_arrowRepaintsWithTheme() {
            waitForRendering(baudBox)
            tryVerify(() => Qt.colorEqual(arrowPixel(baudBox), ThemeManager.text))
            ThemeManager.setTheme(ThemeManager.Dark)
            waitForRendering(baudBox)
            tryVerify(() => Qt.colorEqual(arrowPixel(baudBox), ThemeManager.text))
            verify(Qt.colorEqual(baudBox.background.color, ThemeManager.inputBackgroundColor))
        }

        function test_shadowColourFollowsThemeWhileOpen() {
            openList(baudBox)
            verify(baudBox.popup.background.layer.enabled)
            ThemeManager.setTheme(ThemeManager.Dark)
            waitForRendering(baudBox.popup.contentItem)
            const image = grabImage(root)
            // Just below the list the shadow darkens the page.
            const below = baudBox.popup.background.mapToItem(root, baudBox.popup.background.width / 2,
                                                              baudBox.popup.background.height + 2)
            const px = image.pixel(below.x, below.y)
            verify(px.r < 0.99 && px.a > 0, "shadow under the list: " + px)
        }
    }
}
