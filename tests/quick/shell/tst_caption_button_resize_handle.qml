import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorelContent

Item {
    id: root
    width: 300
    height: 200

    WindowButton { id: button; x: 20; y: 20; iconText: "\u00D7"; tooltip: "Close"; hoverColor: "#e81123" }
    WindowButton { id: silentButton; x: 100; y: 20; iconText: "\u2212" }

    Component { id: buttonComponent; WindowButton { iconText: "\u25A1" } }

    Component {
        id: targetComponent
        Window { width: 300; height: 200; minimumWidth: 200; minimumHeight: 150; x: 300; y: 300 }
    }

    Component {
        id: handleComponent
        Item {
            property alias handle: resizeHandle
            width: 300
            height: 200
            ResizeHandle { id: resizeHandle; margin: 8 }
        }
    }

    TestCase {
        name: "WindowButtonAndResizeHandle"
        when: windowShown

        Component { id: spyComponent; SignalSpy { } }

        function overlay(b) { return b.children[2] }
        function mouseArea(b) { return b.children[1] }

        function init() {
            mouseMove(root, 290, 190)
            tryCompare(overlay(button), "opacity", 0)
        }

        function test_hoverFadesOverlayAndShowsTooltip() {
            compare(overlay(button).opacity, 0)
            mouseMove(button, 20, 15)
            tryCompare(mouseArea(button), "containsMouse", true)
            // Animated, not set at once.
            verify(overlay(button).opacity < 0.3)
            tryCompare(overlay(button), "opacity", 0.3)
            verify(Qt.colorEqual(overlay(button).color, "#e81123"))
            tryVerify(() => mouseArea(button).ToolTip.toolTip.visible, 3000)
            compare(mouseArea(button).ToolTip.text, "Close")
            mouseMove(root, 290, 190)
            tryCompare(overlay(button), "opacity", 0)
        }

        function test_emptyTooltipShowsNone() {
            mouseMove(silentButton, 20, 15)
            tryCompare(mouseArea(silentButton), "containsMouse", true)
            compare(mouseArea(silentButton).ToolTip.visible, false)
        }

        function test_clickEmitsUnlessDisabled() {
            const b = createTemporaryObject(buttonComponent, root, { x: 150, y: 100 })
            const spy = createTemporaryObject(spyComponent, root, { target: b, signalName: "clicked" })
            mouseClick(b)
            compare(spy.count, 1)
            b.enabled = false
            mouseClick(b)
            compare(spy.count, 1)
        }

        function test_nullTargetIgnoresDrags() {
            const holder = createTemporaryObject(handleComponent, root)
            mousePress(holder, 296, 100)
            mouseMove(holder, 330, 100)
            mouseRelease(holder, 330, 100)
            compare(holder.handle.target, null)
        }

        function test_edgesStillResizeMaximisedTargetButCornersDoNot() {
            const target = createTemporaryObject(targetComponent, root)
            target.visible = true
            const holder = createTemporaryObject(handleComponent, root)
            holder.handle.target = target
            target.showMaximized()
            tryCompare(target, "visibility", Window.Maximized)
            const corner = holder.handle.children[5]
            tryCompare(corner, "enabled", false)
            const w0 = target.width
            // Right edge, clear of the corner.
            mousePress(holder, 296, 100)
            mouseMove(holder, 316, 100)
            mouseRelease(holder, 316, 100)
            tryCompare(target, "width", w0 + 20)
            // The corner square is off: the bottom edge beneath it takes the press.
            mousePress(holder, 296, 196)
            mouseMove(holder, 306, 226)
            mouseRelease(holder, 306, 226)
            tryCompare(target, "height", 230)
            compare(target.width, w0 + 20)
        }

        function test_cornerResizesBothWhenNotMaximised() {
            const target = createTemporaryObject(targetComponent, root)
            target.visible = true
            const holder = createTemporaryObject(handleComponent, root)
            holder.handle.target = target
            tryCompare(holder.handle.children[5], "enabled", true)
            mousePress(holder, 296, 196)
            mouseMove(holder, 306, 226)
            mouseRelease(holder, 306, 226)
            tryCompare(target, "width", 310)
            tryCompare(target, "height", 230)
        }

        function test_bottomLeftCornerDecidesHeightAndWidthApart() {
            const target = createTemporaryObject(targetComponent, root)
            target.visible = true
            const holder = createTemporaryObject(handleComponent, root)
            holder.handle.target = target
            tryCompare(holder.handle.children[4], "enabled", true)
            // Width step below the minimum refused; height clamps at the minimum.
            mousePress(holder, 4, 196)
            mouseMove(holder, 154, 96)
            mouseRelease(holder, 154, 96)
            tryCompare(target, "height", 150)
            compare(target.width, 300)
            compare(target.x, 300)
        }
    }
}
