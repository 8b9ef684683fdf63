import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppBackend
import "../charts/ChartPixels.js" as Px

// The hue-bin bars of the local fidelity and chroma-shift charts: bin i, in its own colour,
// is as long as the store's value of bin i, on one scale for all 16 bins; a chart that was
// hidden while results came shows the latest ones when it is shown again.
Item {
    id: root
    width: 1100
    height: 420

    ChartFidelity {
        id: fidelity
        width: 520; height: 400
        Component.onCompleted: initCustomPlot()
    }
    ChartChromaticity {
        id: chroma
        x: 540; width: 520; height: 400
        Component.onCompleted: initCustomPlot()
    }

    TestCase {
        name: "HueBinBars"
        when: windowShown

        readonly property var binColours: [
            [144, 78, 86], [194, 107, 93], [180, 121, 75], [220, 176, 92], [174, 161, 109], [132, 148, 87],
            [88, 131, 91], [98, 172, 146], [86, 161, 154], [78, 139, 147], [43, 107, 145], [132, 141, 167],
            [127, 122, 154], [126, 94, 139], [162, 131, 150], [190, 112, 143]
        ]

        function initTestCase() {
            dataBuffer.setDeviceModel("PQV-22") // a model with TM-30
        }

        function cleanupTestCase() {
            fidelity.visible = true
            theme.switchTheme("light")
            dataBuffer.setDeviceModel("")
        }

        // Pixel length of each bin's bar (0 when not drawn) and the x of its centre, from one
        // pass over every other column (bars are far wider than two pixels).
        function bars(image, width, height) {
            var index = {}
            for (var i = 0; i < 16; ++i)
                index[binColours[i].join(",")] = i
            var boxes = []
            for (var y = 0; y < height; ++y) {
                for (var x = 0; x < width; x += 2) {
                    var c = image.pixel(x, y)
                    var bin = index[Math.round(c.r * 255) + "," + Math.round(c.g * 255) + "," + Math.round(c.b * 255)]
                    if (bin === undefined)
                        continue
                    var box = boxes[bin]
                    if (!box)
                        boxes[bin] = { left: x, right: x, top: y, bottom: y }
                    else {
                        box.left = Math.min(box.left, x); box.right = Math.max(box.right, x)
                        box.bottom = y
                    }
                }
            }
            var out = []
            for (var k = 0; k < 16; ++k)
                out.push(boxes[k] ? { length: boxes[k].bottom - boxes[k].top + 1,
                                      centre: (boxes[k].left + boxes[k].right) / 2 }
                                  : { length: 0, centre: -1 })
            return out
        }

        // "" when every bar is as long as its value on one common scale (pixels per unit) and
        // the bins run left to right, else what is wrong; a value beyond the axis (`reach`
        // from zero) is cut at its end.
        function barsMismatch(image, chart, values, reach) {
            var measured = bars(image, chart.width, chart.height)
            var scale = 0, counted = 0
            for (var i = 0; i < 16; ++i) {
                if (Math.abs(values[i]) >= 4 && Math.abs(values[i]) < reach) {
                    scale += measured[i].length / Math.abs(values[i]); ++counted
                }
            }
            if (counted < 4)
                return "too few clear bins"
            scale /= counted
            for (var k = 0; k < 16; ++k) {
                var expected = Math.min(Math.abs(values[k]), reach) * scale
                if (Math.abs(measured[k].length - expected) > 3)
                    return "bin " + (k + 1) + ": " + measured[k].length + " px for " + values[k]
                        + " (" + expected.toFixed(1) + " expected)"
                if (k > 0 && measured[k].length > 0 && measured[k - 1].length > 0
                        && measured[k].centre <= measured[k - 1].centre)
                    return "bins out of order at " + (k + 1)
            }
            return ""
        }

        // Waits until the chart's bars match the store's values.
        function expectBars(chart, values, reach, what) {
            var problem = ""
            tryVerify(function() {
                problem = barsMismatch(grabImage(chart), chart, values(), reach)
                return problem === ""
            }, 20000, what)
            compare(problem, "", what)
        }

        function feed(shape) {
            var n = dataBuffer.getWlLength()
            verify(storeFeeder.feedSpectrum(shape(n)))
        }

        // A warm three-band lamp and a cold one, so that the bins differ.
        function warm(n) {
            var a = Px.bell(n, 610 - 340, 12, 9000, 200), b = Px.bell(n, 545 - 340, 10, 7000, 0),
                c = Px.bell(n, 450 - 340, 9, 3000, 0)
            return a.map(function(v, i) { return v + b[i] + c[i] })
        }
        function cold(n) { return Px.bell(n, 470 - 340, 60, 6000, 300) }

        function fidelityValues() { return dataBuffer.colorFidelity }
        function chromaValues() { return dataBuffer.chromaShift }

        function test_barsFollowTheBins_data() {
            return [ { tag: "light", theme: "light", lamp: warm }, { tag: "dark", theme: "dark", lamp: cold } ]
        }

        function test_barsFollowTheBins(data) {
            theme.switchTheme(data.theme)
            feed(data.lamp)
            expectBars(fidelity, fidelityValues, 110, "fidelity bars")
            expectBars(chroma, chromaValues, 20, "chroma shift bars")
        }

        function test_hiddenChartCatchesUpWhenShown() {
            feed(warm)
            expectBars(fidelity, fidelityValues, 110, "fidelity of the warm lamp")
            fidelity.visible = false
            feed(cold)
            fidelity.visible = true
            expectBars(fidelity, fidelityValues, 110, "fidelity of the cold lamp once shown")
        }
    }
}
