import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppBackend
import "ChartProbe.js" as Probe

// A measured chromaticity lands on its own colour in each diagram's picture: near-white light
// (just below the Planckian locus, clear of its line) on the white of the diagram, a green or red one on green or red, one outside the spectral
// locus on the plain background, in both themes.
Item {
    id: root
    width: 1300
    height: 440

    ChartCie1931 {
        id: cie1931
        x: 0; width: 420; height: 420
        Component.onCompleted: initCustomPlot()
    }
    ChartCie1960 {
        id: cie1960
        x: 430; width: 420; height: 420
        Component.onCompleted: initCustomPlot()
    }
    ChartCie1976 {
        id: cie1976
        x: 860; width: 420; height: 420
        Component.onCompleted: initCustomPlot()
    }

    TestCase {
        name: "CieDiagrams"
        when: windowShown

        property var charts: [cie1931, cie1960, cie1976]
        property var shown: []

        function initTestCase() {
            dataBuffer.setDeviceModel("PQV-21")
        }

        function cleanupTestCase() {
            theme.switchTheme("light")
            dataBuffer.setDeviceModel("")
        }

        // The charts' pictures once all of them differ from `before` (or at once without it).
        function grabAllChanged(before, what) {
            var images = []
            tryVerify(function() {
                images = charts.map(function(c) { return grabImage(c) })
                if (!before)
                    return true
                for (var i = 0; i < charts.length; ++i)
                    if (!Probe.anyDifference(images[i], before[i], 420, 420, 2))
                        return false
                return true
            }, 20000, what)
            return images
        }

        // The coordinate text stands at the top right of the axis rectangle.
        readonly property var labelArea: ({ x: 310, y: 0, width: 110, height: 65 })

        function test_pointOnItsColour_data() {
            var rows = []
            var themes = [ { name: "light", background: [247, 247, 248] },
                           { name: "dark", background: [70, 74, 83] } ]
            for (var t = 0; t < themes.length; ++t) {
                var th = themes[t]
                rows.push({ tag: th.name + " white", theme: th.name, x: 0.31, y: 0.30, expect: "white" })
                rows.push({ tag: th.name + " green", theme: th.name, x: 0.20, y: 0.70, expect: "green" })
                rows.push({ tag: th.name + " red", theme: th.name, x: 0.60, y: 0.33, expect: "red" })
                rows.push({ tag: th.name + " outside", theme: th.name, x: 0.58, y: 0.52, expect: "background",
                            background: th.background })
            }
            return rows
        }

        function test_pointOnItsColour(data) {
            var before = grabAllChanged(null, "")
            theme.switchTheme(data.theme)
            // Start from no point at all, then show the point.
            storeFeeder.feedPhotoWords(Probe.wordsAt(NaN, NaN))
            var without = grabAllChanged(before, "the charts drop the point")
            storeFeeder.feedPhotoWords(Probe.wordsAt(data.x, data.y))
            var withPoint = grabAllChanged(without, "the charts show the point")

            for (var i = 0; i < charts.length; ++i) {
                var centre = Probe.changedCentre(withPoint[i], without[i], 420, 420, labelArea)
                verify(centre !== null, charts[i] + ": no point drawn")
                verify(centre.count < 40, charts[i] + ": more than a point changed: " + centre.count)
                var c = without[i].pixel(Math.round(centre.x), Math.round(centre.y))
                var r = c.r * 255, g = c.g * 255, b = c.b * 255
                var where = charts[i] + " at " + Math.round(centre.x) + "," + Math.round(centre.y)
                    + " (" + Math.round(r) + "," + Math.round(g) + "," + Math.round(b) + ")"
                if (data.expect === "white")
                    verify(r > 215 && g > 215 && b > 215, where)
                else if (data.expect === "green")
                    verify(g > r + 60 && g > b + 30, where)
                else if (data.expect === "red")
                    verify(r > g + 60 && r > b + 30, where)
                else
                    verify(Math.abs(r - data.background[0]) <= 3 && Math.abs(g - data.background[1]) <= 3
                           && Math.abs(b - data.background[2]) <= 3, where)
            }
        }
    }
}
