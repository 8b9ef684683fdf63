import QtQuick
import QtQuick.Controls.Basic
import QtTest
import UIVantorelContent

// The page switcher loads a page only when its key changes to one of its two pages, and
// announces each page once it is there.
Item {
    id: root
    width: 1552
    height: 882

    ContentSwitcher {
        id: switcher
    }

    SignalSpy {
        id: pageChanged
        target: switcher
        signalName: "pageChanged"
    }

    TestCase {
        name: "ContentSwitcher"
        when: windowShown

        function loader() {
            return switcher.children[0]
        }

        function test_keysLoadTheirPages() {
            // The default key, even assigned again, loads nothing.
            compare(switcher.currentPage, "studio")
            switcher.currentPage = "studio"
            compare(loader().status, Loader.Null)
            compare(loader().item, null)
            compare(pageChanged.count, 0)

            switcher.currentPage = "absorbance"
            tryCompare(pageChanged, "count", 1, 15000)
            compare(pageChanged.signalArguments[0][0], "absorbance")
            verify(String(loader().source).endsWith("Absorbance.qml"))
            const absorbance = loader().item
            compare(absorbance.ratioName, "Absorbance")
            verify(typeof absorbance.cleanState === "function")

            // An unknown key keeps the loaded page and announces nothing.
            switcher.currentPage = "raman"
            compare(loader().item, absorbance)
            verify(String(loader().source).endsWith("Absorbance.qml"))
            compare(pageChanged.count, 1)

            switcher.currentPage = "studio"
            tryCompare(pageChanged, "count", 2, 15000)
            compare(pageChanged.signalArguments[1][0], "studio")
            verify(String(loader().source).endsWith("Studio.qml"))
            verify(loader().item !== null)
            verify(typeof loader().item.cleanState === "function")
        }
    }
}
