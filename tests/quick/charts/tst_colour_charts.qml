import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppBackend
import "ChartPixels.js" as Px

// The colour charts read against what they show: a chromaticity lands on its own colour in
// each diagram, each hue bin's bar is as long as the store's value of that bin (a hidden
// chart catching up when shown), and the flicker trace is linear and scaled to its peak.
Item {
    id: root
    width: 1300
    height: 860

    ChartCie1931 { id: cie1931; x: 0; width: 420; height: 420; Component.onCompleted: initCustomPlot() }
    ChartCie1960 { id: cie1960; x: 430; width: 420; height: 420; Component.onCompleted: initCustomPlot() }
    ChartCie1976 { id: cie1976; x: 860; width: 420; height: 420; Component.onCompleted: initCustomPlot() }
    ChartFidelity { id: fidelity; y: 440; width: 520; height: 400; Component.onCompleted: initCustomPlot() }
    ChartChromaticity { id: chroma; x: 540; y: 440; width: 520; height: 400; Component.onCompleted: initCustomPlot() }
    ChartFlicker { id: flicker; x: 1070; y: 440; width: 220; height: 400; Component.onCompleted: initCustomPlot() }

    TestCase {
        name: "ColourCharts"
        when: windowShown

        readonly property var diagrams: [cie1931, cie1960, cie1976]
        readonly property var binColours: [
            [144, 78, 86], [194, 107, 93], [180, 121, 75], [220, 176, 92], [174, 161, 109], [132, 148, 87],
            [88, 131, 91], [98, 172, 146], [86, 161, 154], [78, 139, 147], [43, 107, 145], [132, 141, 167],
            [127, 122, 154], [126, 94, 139], [162, 131, 150], [190, 112, 143]]

        function initTestCase() { dataBuffer.setDeviceModel("PQV-22") } // a model with TM-30
        function cleanupTestCase() {
            theme.switchTheme("light")
            dataBuffer.setDeviceModel("")
        }

        // All diagrams' pictures once each differs from `before`.
        function grabDiagrams(before, what) {
            var images = []
            tryVerify(function() {
                images = diagrams.map(function(c) { return grabImage(c) })
                return !before || images.every(function(img, i) { return Px.anyDifference(img, before[i], 420, 420) })
            }, 20000, what)
            return images
        }

        function test_chromaticityLandsOnItsColour_data() {
            return [{ tag: "white", theme: "light", x: 0.31, y: 0.30, expect: "white" },
                    { tag: "green", theme: "dark", x: 0.20, y: 0.70, expect: "green" },
                    { tag: "outside the locus", theme: "dark", x: 0.58, y: 0.52, expect: [70, 74, 83] }]
        }
        function test_chromaticityLandsOnItsColour(data) {
            var before = grabDiagrams(null, "")
            theme.switchTheme(data.theme)
            storeFeeder.feedPhotoWords(Px.wordsAt(NaN, NaN))
            var without = grabDiagrams(before, "the point dropped")
            storeFeeder.feedPhotoWords(Px.wordsAt(data.x, data.y))
            var withPoint = grabDiagrams(without, "the point shown")
            for (var i = 0; i < diagrams.length; ++i) {
                // The coordinate read-out at the top right is left out.
                var centre = Px.changedCentre(withPoint[i], without[i], 420, 420, { x: 310, y: 0, width: 110, height: 65 })
                verify(centre !== null && centre.count < 40, diagrams[i] + ": no single point drawn")
                var c = without[i].pixel(Math.round(centre.x), Math.round(centre.y))
                var r = c.r * 255, g = c.g * 255, b = c.b * 255
                var where = diagrams[i] + " (" + Math.round(r) + "," + Math.round(g) + "," + Math.round(b) + ")"
                if (data.expect === "white")
                    verify(r > 215 && g > 215 && b > 215, where)
                else if (data.expect === "green")
                    verify(g > r + 60 && g > b + 30, where)
                else
                    verify(Px.near(c, data.expect[0], data.expect[1], data.expect[2], 3), where)
            }
        }

        // "" when every bar is as long as its bin's value on one scale and the bins run left
        // to right; values beyond the axis (`reach`) are cut at its end.
        function barsMismatch(chart, values, reach) {
            var image = grabImage(chart)
            var index = {}
            for (var i = 0; i < 16; ++i)
                index[binColours[i].join(",")] = i
            var boxes = []
            for (var y = 0; y < chart.height; ++y)
                for (var x = 0; x < chart.width; x += 2) {
                    var c = image.pixel(x, y)
                    var bin = index[Math.round(c.r * 255) + "," + Math.round(c.g * 255) + "," + Math.round(c.b * 255)]
                    if (bin === undefined)
                        continue
                    var box = boxes[bin] || (boxes[bin] = { left: x, right: x, top: y, bottom: y })
                    box.left = Math.min(box.left, x); box.right = Math.max(box.right, x); box.bottom = y
                }
            var length = function(k) { return boxes[k] ? boxes[k].bottom - boxes[k].top + 1 : 0 }
            var scale = 0, counted = 0
            for (var k = 0; k < 16; ++k)
                if (Math.abs(values[k]) >= 4 && Math.abs(values[k]) < reach) { scale += length(k) / Math.abs(values[k]); ++counted }
            if (counted < 4)
                return "too few clear bins"
            scale /= counted
            for (k = 0; k < 16; ++k) {
                if (Math.abs(length(k) - Math.min(Math.abs(values[k]), reach) * scale) > 3)
                    return "bin " + (k + 1) + ": " + length(k) + " px for " + values[k]
                if (k > 0 && boxes[k] && boxes[k - 1] && boxes[k].left <= boxes[k - 1].left)
                    return "bins out of order at " + (k + 1)
            }
            return ""
        }

        function expectBars(chart, values, reach, what) {
            var problem = ""
            tryVerify(function() { return (problem = barsMismatch(chart, values(), reach)) === "" }, 20000, what)
            compare(problem, "", what)
        }

        function warm(n) {
            var a = Px.bell(n, 270, 12, 9000, 200), b = Px.bell(n, 205, 10, 7000, 0), c = Px.bell(n, 110, 9, 3000, 0)
            return a.map(function(v, i) { return v + b[i] + c[i] })
        }
        function cold(n) { return Px.bell(n, 130, 60, 6000, 300) }

        function test_hueBinBarsFollowTheBins() {
            theme.switchTheme("dark")
            verify(storeFeeder.feedSpectrum(warm(dataBuffer.getWlLength())))
            expectBars(fidelity, function() { return dataBuffer.colorFidelity }, 110, "fidelity bars")
            expectBars(chroma, function() { return dataBuffer.chromaShift }, 20, "chroma shift bars")
            fidelity.visible = false
            verify(storeFeeder.feedSpectrum(cold(dataBuffer.getWlLength())))
            fidelity.visible = true
            expectBars(fidelity, function() { return dataBuffer.colorFidelity }, 110, "the newer result once shown")
        }

        // Thirds at 1, 1/2 and 1/4 of the peak: the step from 1 to 1/2 is twice that from 1/2 to 1/4.
        function test_flickerTraceIsLinearAndScaledToItsPeak() {
            var samples = []
            for (var i = 0; i < 1024; ++i)
                samples.push([4000, 2000, 1000][Math.floor(i * 3 / 1024)])
            storeFeeder.feedFlicker(samples, 100, 60, 60, 0.2, 1)
            var isTrace = function(c) { return c.b > 0.5 && c.b - Math.max(c.r, c.g) > 0.25 }
            var problem = ""
            tryVerify(function() {
                var image = grabImage(flicker)
                var rowAt = function(x) {
                    var sum = 0, n = 0
                    for (var y = 0; y < flicker.height; ++y)
                        if (isTrace(image.pixel(x, y))) { sum += y; ++n }
                    return n === 0 ? null : sum / n
                }
                var first = -1, last = -1
                for (var x = 0; x < flicker.width; ++x)
                    if (rowAt(x) !== null) { if (first < 0) first = x; last = x }
                if (first < 0)
                    return false
                var third = (last - first) / 3
                var rows = [0.5, 1.5, 2.5].map(function(f) { return rowAt(Math.round(first + f * third)) })
                if (rows.indexOf(null) >= 0)
                    return false
                var upper = rows[1] - rows[0], lower = rows[2] - rows[1]
                problem = "steps " + upper.toFixed(1) + " and " + lower.toFixed(1) + " px"
                return upper > 20 && Math.abs(upper - 2 * lower) <= 2
            }, 20000, "three levels of the waveform")
            verify(problem !== "", problem)
        }
    }
}
