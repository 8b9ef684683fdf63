import QtQuick
import QtQuick.Window

// Invisible edge and bottom-corner areas that resize the target window by dragging.
Item {
    id: handle

    property Window target: null
    property int margin: 5

    anchors.fill: parent

    component EdgeArea: MouseArea {
        property Window target: null
        // Start geometry of the target and the pointer, recorded at the press.
        property real startWidth
        property real startHeight
        property real startX
        property real startY
        property point pointerStart

        acceptedButtons: Qt.LeftButton

        function pointer(mouse) {
            return mapToGlobal(mouse.x, mouse.y)
        }

        function record(mouse) {
            const t = target
            startWidth = t.width
            startHeight = t.height
            startX = t.x
            startY = t.y
            pointerStart = pointer(mouse)
        }

        function resizeLeft(dx) {
            const t = target
            const newWidth = startWidth - dx
            if (newWidth >= t.minimumWidth) {
                t.x = startX + dx
                t.width = newWidth
            }
        }

        function resizeRight(dx) {
            const t = target
            t.width = Math.max(t.minimumWidth, startWidth + dx)
        }

        function resizeTop(dy) {
            const t = target
            const newHeight = startHeight - dy
            if (newHeight >= t.minimumHeight) {
                t.y = startY + dy
                t.height = newHeight
            }
        }

        function resizeBottom(dy) {
            const t = target
            t.height = Math.max(t.minimumHeight, startHeight + dy)
        }

        signal dragged(real dx, real dy)

        onPressed: mouse => {
            if (target)
                record(mouse)
        }
        onPositionChanged: mouse => {
            if (!target || !pressed)
                return
            const p = pointer(mouse)
            dragged(p.x - pointerStart.x, p.y - pointerStart.y)
        }
    }

    EdgeArea {
        id: leftEdge
        target: handle.target
        x: 0; y: 0; width: handle.margin; height: handle.height
        cursorShape: Qt.SizeHorCursor
        onDragged: (dx, dy) => resizeLeft(dx)
    }
    EdgeArea {
        id: rightEdge
        target: handle.target
        x: handle.width - handle.margin; y: 0; width: handle.margin; height: handle.height
        cursorShape: Qt.SizeHorCursor
        onDragged: (dx, dy) => resizeRight(dx)
    }
    EdgeArea {
        id: topEdge
        target: handle.target
        x: 0; y: 0; width: handle.width; height: handle.margin
        cursorShape: Qt.SizeVerCursor
        onDragged: (dx, dy) => resizeTop(dy)
    }
    EdgeArea {
        id: bottomEdge
        target: handle.target
        x: 0; y: handle.height - handle.margin; width: handle.width; height: handle.margin
        cursorShape: Qt.SizeVerCursor
        onDragged: (dx, dy) => resizeBottom(dy)
    }
    EdgeArea {
        id: bottomLeftCorner
        target: handle.target
        x: 0; y: handle.height - 2 * handle.margin; width: 2 * handle.margin; height: 2 * handle.margin
        cursorShape: Qt.SizeBDiagCursor
        enabled: handle.target !== null && handle.target.visibility !== Window.Maximized
        onDragged: (dx, dy) => { resizeBottom(dy); resizeLeft(dx) }
    }
    EdgeArea {
        id: bottomRightCorner
        target: handle.target
        x: handle.width - 2 * handle.margin; y: handle.height - 2 * handle.margin
        width: 2 * handle.margin; height: 2 * handle.margin
        cursorShape: Qt.SizeFDiagCursor
        enabled: handle.target !== null && handle.target.visibility !== Window.Maximized
        onDragged: (dx, dy) => { resizeBottom(dy); resizeRight(dx) }
    }
}
