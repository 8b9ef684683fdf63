import QtQuick
import QtQuick.Window

// Moves a window by dragging its title bar and passes clicks on to the caption buttons beneath.
// A press that travelled the platform's drag distance is a drag, never a click: releasing a
// drag over the close button must not close the window.
MouseArea {
    id: area

    property Window targetWindow: null
    property bool movable: true
    property point clickPos: Qt.point(0, 0)
    property point pressGlobal: Qt.point(0, 0)
    property bool travelled: false

    acceptedButtons: Qt.LeftButton
    propagateComposedEvents: true

    function noteTravel(mouse) {
        const p = mapToGlobal(mouse.x, mouse.y)
        const distance = Qt.styleHints.startDragDistance
        if (Math.abs(p.x - pressGlobal.x) >= distance || Math.abs(p.y - pressGlobal.y) >= distance)
            travelled = true
    }

    onPressed: mouse => {
        clickPos = Qt.point(mouse.x, mouse.y)
        pressGlobal = mapToGlobal(mouse.x, mouse.y)
        travelled = false
    }
    onPositionChanged: mouse => {
        noteTravel(mouse)
        if (!targetWindow || !movable)
            return
        targetWindow.x += mouse.x - clickPos.x
        targetWindow.y += mouse.y - clickPos.y
    }
    onReleased: mouse => noteTravel(mouse)
    // Not accepting the click lets it reach the mouse area beneath.
    onClicked: mouse => { mouse.accepted = travelled }
}
