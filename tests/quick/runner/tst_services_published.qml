import QtQuick
import QtTest

// The runner hands the components under test the services the application publishes.
TestCase {
    name: "ServicesPublished"

    function test_contextProperties() {
        verify(theme !== null && theme !== undefined)
        verify(dataBuffer !== null && dataBuffer !== undefined)
        verify(studioService !== null && studioService !== undefined)
        verify(welcomeService !== null && welcomeService !== undefined)
        verify(saveService !== null && saveService !== undefined)
        compare(studioService.isMeasuring, false)
    }

    function test_themeSwitchReachesBindings() {
        theme.switchTheme("dark")
        compare(theme.currentTheme, 1)
        theme.switchTheme("light")
        compare(theme.currentTheme, 0)
    }
}
