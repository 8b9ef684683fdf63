pragma Singleton
import QtQuick

// Mirrors the back end's theme object, so every binding follows a theme switch.
QtObject {
    enum ThemeType { Light = 0, Dark = 1 }

    readonly property color background: theme.background
    readonly property color border: theme.border
    readonly property color buttonBackgroundColor1: theme.buttonBackgroundColor1
    readonly property color buttonBackgroundColor2: theme.buttonBackgroundColor2
    readonly property color buttonBackgroundColorError: theme.buttonBackgroundColorError
    readonly property color buttonBackgroundHove: theme.buttonBackgroundHove
    readonly property color buttonBorderColor1: theme.buttonBorderColor1
    readonly property color buttonBorderColor2: theme.buttonBorderColor2
    readonly property color buttonBorderColor3: theme.buttonBorderColor3
    readonly property color buttonDisEnable: theme.buttonDisEnable
    readonly property color buttonTextColor1: theme.buttonTextColor1
    readonly property color buttonTextColor2: theme.buttonTextColor2
    readonly property int currentTheme: theme.currentTheme
    readonly property color dataTableBackground: theme.dataTableBackground
    readonly property color dataTableBorder: theme.dataTableBorder
    readonly property color dataTableItem1: theme.dataTableItem1
    readonly property color dataTableItem2: theme.dataTableItem2
    readonly property color dataTableLabel: theme.dataTableLabel
    readonly property color dataTableText: theme.dataTableText
    readonly property color dataTableTitleText: theme.dataTableTitleText
    readonly property color error: theme.error
    readonly property color inputBackgroundColor: theme.inputBackgroundColor
    readonly property color inputBorderColor: theme.inputBorderColor
    readonly property color menuItmeBackground: theme.menuItmeBackground
    readonly property color menuItmeDownBackground: theme.menuItmeDownBackground
    readonly property color menuItmeDownBackground2: theme.menuItmeDownBackground2
    readonly property color menuItmeDownBackground3: theme.menuItmeDownBackground3
    readonly property color primary: theme.primary
    readonly property color secondary: theme.secondary
    readonly property color success: theme.success
    readonly property color surface: theme.surface
    readonly property color text: theme.text
    readonly property color textSecondary: theme.textSecondary
    readonly property color warning: theme.warning

    function setTheme(themeType) {
        theme.switchTheme(themeType === ThemeManager.ThemeType.Light ? "light" : "dark")
    }

    // No theme choice outlives the process: every engine starts light.
    Component.onCompleted: theme.switchTheme("light")
}
