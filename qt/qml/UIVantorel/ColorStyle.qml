pragma Singleton
import QtQuick

// Colours that stay the same in both themes.
QtObject {
    readonly property string colorBrand: "#007AFF"
    readonly property string colorGray0: "#FFFFFF"
    readonly property string colorGray1A: "#F7F7F8"
    readonly property string colorGray2A: "#E9EAEC"
    readonly property string colorGray3A: "#DEE0E3"
    readonly property string colorGray4A: "#C8CAD0"
    readonly property string colorGray5A: "#BABDC5"
    readonly property string colorGray6A: "#9EA2AD"
    readonly property string colorGray7A: "#7E869A"
    readonly property string colorGray8A: "#717684"
    readonly property string colorGray9A: "#5E636E"
    readonly property string colorGray10A: "#464A53"
    readonly property string colorGray11A: "#333333"
    readonly property string colorGray12A: "#1F2228"
    readonly property string colorGray13A: "#14151A"
    readonly property string colorGray100: "#000000"
    readonly property string colorError: "#FF3B30"
    readonly property string colorInfo: "#28CD41"
    readonly property string colorRef: "#F09B59"
}
