import QtQuick
import QtQuick.Window
import QtQuick.Controls.Basic

// Holds the measuring page (`page`, the children). A page is laid out for a window of at
// least `pageWindowWidth` x `pageWindowHeight`; in a smaller window (on a smaller screen) it
// keeps that layout and scrolls, by scroll bars beside it or by the wheel where no control
// takes it. In a window that holds the page nothing changes.
Item {
    id: root

    default property alias page: view.flickableData
    property int pageWindowWidth: 0
    property int pageWindowHeight: 0
    // False while no page shows: nothing scrolls then and the wheel passes on.
    property bool active: true
    // Room the scroll bars leave at the right and bottom edges (the window's resize areas).
    property int edgeClearance: 0

    // The page's size, as its window's frame leaves it.
    readonly property real pageWidth: active ? pageWindowWidth - (Window.width - width) : 0
    readonly property real pageHeight: active ? pageWindowHeight - (Window.height - height) : 0
    // Each way scrolls only where the page is larger than the room; the page yields the
    // other way's scroll bar its thickness rather than scroll for it.
    readonly property bool scrollsVertically: pageHeight > height
    readonly property bool scrollsHorizontally: pageWidth > width

    Flickable {
        id: view
        objectName: "pageScroller"
        anchors.left: parent.left
        anchors.top: parent.top
        width: parent.width - (root.scrollsVertically ? verticalBar.implicitWidth + root.edgeClearance : 0)
        height: parent.height - (root.scrollsHorizontally ? horizontalBar.implicitHeight + root.edgeClearance : 0)
        contentWidth: root.scrollsHorizontally ? root.pageWidth : width
        contentHeight: root.scrollsVertically ? root.pageHeight : height
        // A drag belongs to the page's charts and tables, not to the scroller.
        interactive: false
        boundsBehavior: Flickable.StopAtBounds
        clip: true

        ScrollBar.vertical: ScrollBar {
            id: verticalBar
            objectName: "verticalPageScrollBar"
            parent: root
            anchors.left: view.right
            anchors.top: view.top
            anchors.bottom: view.bottom
            visible: root.scrollsVertically
            policy: ScrollBar.AlwaysOn
        }

        ScrollBar.horizontal: ScrollBar {
            id: horizontalBar
            objectName: "horizontalPageScrollBar"
            parent: root
            anchors.left: view.left
            anchors.right: view.right
            anchors.top: view.bottom
            visible: root.scrollsHorizontally
            policy: ScrollBar.AlwaysOn
        }
    }

    WheelHandler {
        enabled: root.scrollsVertically
        target: null
        onWheel: event => {
            const step = event.pixelDelta.y !== 0 ? event.pixelDelta.y : event.angleDelta.y / 120 * 60
            view.contentY = Math.max(0, Math.min(view.contentHeight - view.height, view.contentY - step))
        }
    }
}
