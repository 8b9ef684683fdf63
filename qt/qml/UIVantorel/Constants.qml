pragma Singleton
import QtQuick

// Fixed sizes and fonts shared by the screens.
QtObject {
    readonly property int width: 1552
    readonly property int height: 882
    readonly property font font: Qt.font({ family: "Sans Serif", pixelSize: 14 })
    readonly property font largeFont: Qt.font({ family: "Sans Serif", pixelSize: 18 })
}
