import QtQuick

// Loads the photometry or the absorbance page by a short key, in the background, and tells
// when the page is there.
Item {
    id: switcher

    property string currentPage: "studio"

    signal pageChanged(string page)

    anchors.fill: parent

    onCurrentPageChanged: {
        if (currentPage === "absorbance")
            pageLoader.source = "pages/Absorbance.qml"
        else if (currentPage === "studio")
            pageLoader.source = "pages/Studio.qml"
    }

    Loader {
        id: pageLoader
        anchors.fill: parent
        asynchronous: true
        onLoaded: switcher.pageChanged(switcher.currentPage)
    }
}
