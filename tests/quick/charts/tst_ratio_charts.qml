import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppBackend
import "ChartPixels.js" as Px

// The charts of the ratio pages, one shown at a time as the page's selector does: source
// and reference, the ratio curves with their gaps, ranges, read-outs and cleanState.
Item {
    id: root
    width: 640
    height: 400
    property int shown: 0

    ChartDualSpectrum {
        id: dual
        width: 600; height: 360
        visible: root.shown === 0
        Component.onCompleted: initCustomPlot()
    }
    ChartReflectance {
        id: reflectance
        width: 600; height: 360
        visible: root.shown === 1
        Component.onCompleted: initCustomPlot()
    }
    ChartTransmittance {
        id: transmittance
        width: 600; height: 360
        visible: root.shown === 2
        Component.onCompleted: initCustomPlot()
    }
    ChartAbsorbance {
        id: absorbance
        width: 600; height: 360
        visible: root.shown === 3
        Component.onCompleted: initCustomPlot()
    }

    TestCase {
        name: "RatioCharts"
        when: windowShown

        readonly property int points: dataBuffer.getWlLength()
        readonly property var charts: [dual, reflectance, transmittance, absorbance]
        readonly property var accent: [255, 87, 51]

        function init() {
            theme.switchTheme("light")
            dataBuffer.setDeviceModel("PQV-21")
            root.shown = 0
            for (var i = 0; i < charts.length; ++i)
                charts[i].cleanState()
        }

        function cleanupTestCase() {
            theme.switchTheme("light")
            dataBuffer.setDeviceModel("")
            dataBuffer.clearReference()
        }

        function grabWhen(chart, ready, what) {
            var image = null
            tryVerify(function() {
                image = grabImage(chart)
                return ready(image)
            }, 5000, what)
            return image
        }

        function count(image, rgb, tolerance) {
            return Px.countInImage(image, 600, 360, rgb[0], rgb[1], rgb[2], tolerance, 2)
        }

        // Sampled columns that show the accent-coloured curve, of eight.
        function curveColumns(image) {
            return Px.columnsWith(image, 600, 360, [0.1, 0.2, 0.3, 0.4, 0.6, 0.7, 0.8, 0.9],
                                  accent[0], accent[1], accent[2], 12)
        }

        // A reference with no light from 640 to 680 nm (indices 300 to 340), and a source of
        // half its level: a ratio of 0.5 with a gap.
        function feedHalfWithGap() {
            var reference = Px.flat(points, 2000)
            for (var i = 300; i <= 340; ++i)
                reference[i] = 0
            verify(storeFeeder.feedReference(reference))
            verify(storeFeeder.feedSpectrum(Px.flat(points, 1000)))
        }

        function test_dualShowsSourceAndReferenceByModel_data() {
            return [
                { tag: "light", theme: "light", green: [34, 139, 34] },
                { tag: "dark", theme: "dark", green: [76, 217, 100] }
            ]
        }

        // One chart set up under one model and reused under the next.
        function test_dualShowsSourceAndReferenceByModel(data) {
            theme.switchTheme(data.theme)
            var bell = Px.bell(points, 340, 60, 3000, 100)
            verify(storeFeeder.feedReference(Px.bell(points, 340, 150, 3000, 100)))
            verify(storeFeeder.feedSpectrum(bell))
            grabWhen(dual, function(img) {
                return count(img, [255, 0, 0], 10) > 300 && count(img, accent, 12) > 60
            }, "the source filled in spectrum colours, the reference as an accent line")

            dataBuffer.setDeviceModel("TQV-11")
            verify(storeFeeder.feedSpectrum(bell))
            grabWhen(dual, function(img) {
                return count(img, [255, 0, 0], 10) === 0 && count(img, accent, 12) > 60
                    && count(img, data.green, 12) > 60
            }, "no fill; source in accent, reference in green")
        }

        function test_ratioChartShowsCurrentDataWhenSelectedWithAGap() {
            feedHalfWithGap()
            for (var shown = 1; shown <= 2; ++shown) {
                root.shown = shown
                var chart = charts[shown]
                var image = grabWhen(chart, function(img) { return curveColumns(img) >= 6 },
                                     "the ratio curve drawn on selection")
                var row = Px.rowOf(image, 360, 150, accent[0], accent[1], accent[2], 12)
                verify(row > 0)
                // 0.5 of a 0 to 1.15 axis: a little below the middle of the plot.
                verify(row > 0.45 * 360 && row < 0.7 * 360, "row " + row)
                var gap = gapColumns(image, row)
                verify(gap.length >= 15, "a gap where the reference is too weak: " + gap.length + " columns")

                // Over the gap the tip hides; over the curve it shows.
                var gapX = gap[Math.floor(gap.length / 2)]
                mouseMove(chart, gapX - 3, row)
                mouseMove(chart, gapX, row)
                grabWhen(chart, function(img) { return count(img, [0, 255, 255], 10) === 0 }, "no tip over the gap")
                mouseMove(chart, 150, row)
                grabWhen(chart, function(img) { return count(img, [0, 255, 255], 10) > 20 }, "a tip over the curve")
            }
        }

        // Columns inside the curve's span without the curve near its row.
        function gapColumns(image, row) {
            var columns = []
            var seen = false
            for (var x = 0; x < 600; ++x) {
                var has = Px.columnHas(image, x, row - 4, row + 4, accent[0], accent[1], accent[2], 12)
                if (has && seen && columns.length > 0 && columns[columns.length - 1] === x - 1)
                    return columns
                if (has) {
                    seen = true
                    columns = []
                } else if (seen) {
                    columns.push(x)
                }
            }
            return []
        }

        // Half the light is 0.301 absorbance, drawn on 0 to 0.575: higher on screen than the
        // 0.5 reflectance on 0 to 1.15.
        function test_absorbanceRangeHasAFloorOfHalf() {
            feedHalfWithGap()
            root.shown = 1
            var image = grabWhen(reflectance, function(img) { return curveColumns(img) >= 6 }, "reflectance")
            var reflectanceRow = Px.rowOf(image, 360, 150, accent[0], accent[1], accent[2], 12)
            root.shown = 3
            image = grabWhen(absorbance, function(img) { return curveColumns(img) >= 6 }, "absorbance")
            var absorbanceRow = Px.rowOf(image, 360, 150, accent[0], accent[1], accent[2], 12)
            // Plot heights are equal: rows relate as (1 - 0.301 / 0.575) to (1 - 0.5 / 1.15).
            verify(absorbanceRow < reflectanceRow - 15, "absorbance " + absorbanceRow + " reflectance " + reflectanceRow)
        }

        function test_tipTemplateChangeRedrawsTheTip() {
            verify(storeFeeder.feedReference(Px.flat(points, 2000)))
            verify(storeFeeder.feedSpectrum(Px.flat(points, 1000)))
            mouseMove(dual, 195, 150)
            mouseMove(dual, 200, 150)
            var image = grabWhen(dual, function(img) { return count(img, [0, 255, 255], 10) > 20 }, "the tip")
            var before = Px.extent(image, 600, 360, 0, 255, 255, 10).width
            dual.tipTemplate = "%1 nm, reference %2 and source %3 at this wavelength"
            grabWhen(dual, function(img) {
                return Px.extent(img, 600, 360, 0, 255, 255, 10).width > before + 60
            }, "a wider tip with the new text, before " + before)
            dual.tipTemplate = "WL: %1 nm\nRef: %2\nSrc: %3"
        }

        function test_cleanStateEmptiesEveryChart() {
            feedHalfWithGap()
            for (var shown = 0; shown < charts.length; ++shown) {
                root.shown = shown
                grabWhen(charts[shown], function(img) { return curveColumns(img) >= 6 }, "a curve")
                charts[shown].cleanState()
                grabWhen(charts[shown], function(img) {
                    return curveColumns(img) === 0 && count(img, [0, 255, 255], 10) === 0
                }, "no curve and no tip after cleanState")
            }
        }
    }
}
