import QtQuick
import QtTest
import UIVantorel
import BrandConfig

TestCase {
    name: "StyleSingletons"

    readonly property var themeColourNames: [
        "background", "border", "buttonBackgroundColor1", "buttonBackgroundColor2",
        "buttonBackgroundColorError", "buttonBackgroundHove", "buttonBorderColor1",
        "buttonBorderColor2", "buttonBorderColor3", "buttonDisEnable", "buttonTextColor1",
        "buttonTextColor2", "dataTableBackground", "dataTableBorder", "dataTableItem1",
        "dataTableItem2", "dataTableLabel", "dataTableText", "dataTableTitleText", "error",
        "inputBackgroundColor", "inputBorderColor", "menuItmeBackground",
        "menuItmeDownBackground", "menuItmeDownBackground2", "menuItmeDownBackground3",
        "primary", "secondary", "success", "surface", "text", "textSecondary", "warning"]

    function cleanup() {
        ThemeManager.setTheme(ThemeManager.Light)
    }

    function compareMirror() {
        compare(ThemeManager.currentTheme, theme.currentTheme)
        for (const name of themeColourNames)
            verify(Qt.colorEqual(ThemeManager[name], theme[name]), name)
    }

    function test_startsLightAndMirrorsEveryColour() {
        compare(themeColourNames.length, 33)
        compare(ThemeManager.currentTheme, 0)
        compareMirror()
    }

    function test_setThemeFollowsBothWays() {
        const lightBackground = String(ThemeManager.background)
        ThemeManager.setTheme(ThemeManager.ThemeType.Dark)
        compare(ThemeManager.currentTheme, 1)
        compareMirror()
        verify(!Qt.colorEqual(ThemeManager.background, lightBackground))
        ThemeManager.setTheme(ThemeManager.Light)
        compare(ThemeManager.currentTheme, 0)
        compareMirror()
        verify(Qt.colorEqual(ThemeManager.background, lightBackground))
    }

    function test_anyOtherValueSelectsDark() {
        ThemeManager.setTheme(5)
        compare(ThemeManager.currentTheme, 1)
        ThemeManager.setTheme("0")
        compare(ThemeManager.currentTheme, 1)
    }

    function test_colorStyleIsFixedStrings() {
        compare(ColorStyle.colorBrand, "#007AFF")
        compare(typeof ColorStyle.colorRef, "string")
        ThemeManager.setTheme(ThemeManager.Dark)
        compare(ColorStyle.colorBrand, "#007AFF")
        compare(ColorStyle.colorGray0, "#FFFFFF")
        compare(ColorStyle.colorRef, "#F09B59")
    }

    Image {
        id: logo
        source: BrandConfig.logo
    }

    function test_brandLogoLoads() {
        verify(String(BrandConfig.logo).endsWith("images/head_logo.svg"))
        tryCompare(logo, "status", Image.Ready)
        verify(logo.implicitHeight > logo.implicitWidth)
    }
}
