import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorel
import UIVantorelContent

Item {
    id: root
    width: 400
    height: 300

    KVRCheckDelegate {
        id: row
        x: 10; y: 10; width: 280
        text: "Meter-01"
        palette.text: ThemeManager.text
    }

    Row {
        x: 10; y: 80
        KVRRadioButton { id: autoRadio; text: "Auto"; checked: true; font.pixelSize: 14 }
        KVRRadioButton { id: manualRadio; text: "Manual"; font.pixelSize: 14 }
    }

    KVRRadioButton { id: bareRadio; x: 10; y: 140; width: 100 }

    TestCase {
        name: "KVRCheckDelegateAndRadioButton"
        when: windowShown

        function init() {
            mouseMove(root, root.width - 1, root.height - 1)
            tryCompare(row, "hovered", false)
            row.enabled = true
            row.tristate = false
            row.checked = false
        }

        function cleanup() {
            ThemeManager.setTheme(ThemeManager.Light)
        }

        // Children of the indicator: checked square, tick, partial bar.
        function square() { return row.indicator.children[0] }
        function tick() { return row.indicator.children[1] }
        function bar() { return row.indicator.children[2] }

        function test_clickChecksAndShowsBrandSquareWithTick() {
            verify(!square().visible && !tick().visible && !bar().visible)
            mouseClick(row)
            compare(row.checked, true)
            verify(square().visible && tick().visible)
            verify(Qt.colorEqual(square().color, ColorStyle.colorBrand))
            compare(tick().status, Image.Ready)
            // The indicator stands at the right edge, clear of the text.
            compare(row.indicator.x, row.width - 16 - row.rightPadding)
            verify(row.contentItem.rightPadding >= row.indicator.width)
        }

        function test_squareBorderFollowsHoverAndEnabled() {
            row.checked = true
            verify(Qt.colorEqual(square().border.color, ColorStyle.colorGray4A))
            mouseMove(row, 20, row.height / 2)
            tryCompare(row, "hovered", true)
            verify(Qt.colorEqual(square().border.color, ColorStyle.colorGray7A))
            row.enabled = false
            verify(Qt.colorEqual(square().border.color, ColorStyle.colorGray3A))
        }

        function test_tickIsWhiteOnBrandSquare() {
            row.checked = true
            waitForRendering(row)
            const image = grabImage(root)
            const c = row.indicator.mapToItem(root, 8, 8)
            let white = 0
            let brand = 0
            for (let dx = -5; dx <= 5; ++dx) {
                for (let dy = -4; dy <= 4; ++dy) {
                    const px = image.pixel(c.x + dx, c.y + dy)
                    if (px.r > 0.9 && px.g > 0.9 && px.b > 0.9)
                        ++white
                    else if (Qt.colorEqual(px, ColorStyle.colorBrand))
                        ++brand
                }
            }
            verify(white >= 6, "tick pixels: " + white)
            verify(brand >= 20, "square pixels: " + brand)
        }

        function test_partialShowsBarOnly() {
            row.tristate = true
            row.checkState = Qt.PartiallyChecked
            verify(bar().visible)
            verify(!square().visible && !tick().visible)
            compare(bar().width, 16)
            compare(bar().height, 3)
        }

        function test_backgroundOnlyWhileDownOrHighlighted() {
            verify(!row.background.visible)
            row.highlighted = true
            verify(row.background.visible)
            row.highlighted = false
            mousePress(row, 20, row.height / 2)
            verify(row.background.visible)
            mouseRelease(row, 20, row.height / 2)
            verify(!row.background.visible)
        }

        function test_radioButtonsAreExclusive() {
            mouseClick(manualRadio)
            compare(manualRadio.checked, true)
            compare(autoRadio.checked, false)
            mouseClick(autoRadio)
            compare(autoRadio.checked, true)
            compare(manualRadio.checked, false)
        }

        function test_radioLook() {
            verify(Qt.colorEqual(autoRadio.contentItem.color, ThemeManager.text))
            compare(autoRadio.contentItem.leftPadding, 22)
            const disc = autoRadio.indicator.children[0]
            verify(disc.visible)
            verify(!manualRadio.indicator.children[0].visible)
            verify(Qt.colorEqual(disc.color, ColorStyle.colorBrand))
            ThemeManager.setTheme(ThemeManager.Dark)
            verify(Qt.colorEqual(autoRadio.contentItem.color, ThemeManager.text))
            verify(Qt.colorEqual(disc.color, ColorStyle.colorBrand))
        }

        function test_radioWithoutTextCentresIndicator() {
            compare(bareRadio.indicator.x, bareRadio.leftPadding + (bareRadio.availableWidth - 16) / 2)
        }
    }
}
