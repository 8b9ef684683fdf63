import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppBackend
import "ChartPixels.js" as Px

// The curve charts, one shown at a time as the pages' selectors do: a chart reused under a
// new model restyles its curves, ratio curves leave gaps where the reference is weak,
// Raman peaks are listed and marked, and cleanState or a new spectrum clears what is stale.
Item {
    id: root
    width: 640
    height: 400
    property int shown: 0

    ChartPureSpectrum { id: spectrum; width: 600; height: 360; visible: root.shown === 0; Component.onCompleted: initCustomPlot() }
    ChartDualSpectrum { id: dual; width: 600; height: 360; visible: root.shown === 1; Component.onCompleted: initCustomPlot() }
    ChartReflectance { id: reflectance; width: 600; height: 360; visible: root.shown === 2; Component.onCompleted: initCustomPlot() }
    ChartTransmittance { id: transmittance; width: 600; height: 360; visible: root.shown === 3; Component.onCompleted: initCustomPlot() }
    ChartRamanRaw { id: raw; width: 600; height: 360; visible: root.shown === 4; Component.onCompleted: initCustomPlot() }
    ChartRamanClean { id: clean; width: 600; height: 360; visible: root.shown === 5; Component.onCompleted: initCustomPlot() }
    ChartRamanFl { id: fluorescence; width: 600; height: 360; visible: root.shown === 6; Component.onCompleted: initCustomPlot() }

    TestCase {
        name: "CurveCharts"
        when: windowShown

        readonly property int points: dataBuffer.getWlLength()
        readonly property var charts: [spectrum, dual, reflectance, transmittance, raw, clean, fluorescence]
        readonly property var accent: [255, 87, 51]
        readonly property var cyan: [0, 255, 255]
        readonly property var lightText: [52, 52, 52]
        readonly property var ramanLines: [{ shift: 1000, amplitude: 2500 }, { shift: 1600, amplitude: 1500 }]

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

        // Waits until the shown chart's picture satisfies `ready`, and returns it.
        function grabWhen(ready, what) {
            var image = null
            tryVerify(function() {
                image = grabImage(charts[root.shown])
                return ready(image)
            }, 5000, what)
            return image
        }

        function count(image, rgb, tolerance) { return Px.count(image, 600, 360, rgb, tolerance, 2) }
        function curve(image, rgb) { return Px.curveColumns(image, 600, 360, rgb || accent) }

        // Pens and fills are re-applied when the model changes under a chart already set up.
        function test_reusedChartsRestyleForANewModel() {
            var bell = Px.bell(points, 340, 60, 3000, 100)
            verify(storeFeeder.feedReference(Px.bell(points, 340, 150, 3000, 100)))
            verify(storeFeeder.feedSpectrum(bell))
            for (root.shown = 0; root.shown <= 1; ++root.shown)
                grabWhen(function(img) { return count(img, [255, 0, 0], 10) > 300 }, "a fill in the spectrum colours")
            dataBuffer.setDeviceModel("TQV-11")
            verify(storeFeeder.feedSpectrum(bell))
            root.shown = 0
            grabWhen(function(img) { return count(img, [255, 0, 0], 10) === 0 && count(img, accent, 12) > 60 },
                     "photon counts: an accent line and no fill")
            root.shown = 1
            grabWhen(function(img) { return count(img, [255, 0, 0], 10) === 0 && count(img, [34, 139, 34], 12) > 60 },
                     "no fill; the reference in green")
        }

        // Half the reference's light gives 0.5; no reference light from 640 to 680 nm gives a gap.
        function test_ratioCurvesHaveGapsWhereTheReferenceIsWeak() {
            var reference = Px.flat(points, 2000)
            for (var i = 300; i <= 340; ++i)
                reference[i] = 0
            verify(storeFeeder.feedReference(reference))
            verify(storeFeeder.feedSpectrum(Px.flat(points, 1000)))
            for (root.shown = 2; root.shown <= 3; ++root.shown) {
                var image = grabWhen(function(img) { return curve(img) >= 6 }, "the ratio curve drawn on selection")
                var row = Px.rowOf(image, 360, 150, accent)
                verify(row > 0.45 * 360 && row < 0.7 * 360, "row " + row)
                // The first run of columns without the curve after it began.
                var gap = [], seen = false
                for (var x = 0; x < 600 && !(seen && gap.length > 0 && Px.columnHas(image, x, row - 4, row + 4, accent, 12)); ++x) {
                    if (Px.columnHas(image, x, row - 4, row + 4, accent, 12))
                        seen = true
                    else if (seen)
                        gap.push(x)
                }
                verify(gap.length >= 15 && x < 600, "gap of " + gap.length + " columns")
                // Over the gap the read-out hides; over the curve it shows.
                var chart = charts[root.shown]
                mouseMove(chart, gap[5] - 3, row)
                mouseMove(chart, gap[5], row)
                grabWhen(function(img) { return count(img, cyan, 10) === 0 }, "no tip over the gap")
                mouseMove(chart, 150, row)
                grabWhen(function(img) { return count(img, cyan, 10) > 20 }, "a tip over the curve")
                chart.cleanState()
                grabWhen(function(img) { return curve(img) === 0 && count(img, cyan, 10) === 0 }, "nothing after cleanState")
            }
        }

        // Curves drawn when shown even if measured while hidden; peaks listed, marked and dropped.
        function test_ramanChartsMarkPeaks() {
            dataBuffer.setDeviceModel("WQV-71")
            verify(storeFeeder.feedRamanMeasurement(ramanLines))
            for (root.shown = 4; root.shown <= 6; ++root.shown)
                grabWhen(function(img) { return curve(img, lightText) >= 6 }, "a curve in the text colour")
            root.shown = 5
            clean.displayRamanPeak()
            var shifts = clean.ramanPeakList.map(function(p) { return Number(p.waveNumber) })
            verify(shifts.length >= 2 && shifts.length <= 10, shifts)
            verify(shifts.some(function(s) { return Math.abs(s - 1000) < 30 }), "a peak near 1000: " + shifts)
            verify(shifts.some(function(s) { return Math.abs(s - 1600) < 30 }), "a peak near 1600: " + shifts)
            grabWhen(function(img) { return Px.count(img, 600, 360, [255, 0, 0], 30, 1) > 30 }, "red peak markers")
            // A new spectrum drops the stale peaks from the list and the plot.
            verify(storeFeeder.feedRamanMeasurement(ramanLines))
            compare(clean.ramanPeakList.length, 0)
            grabWhen(function(img) { return Px.count(img, 600, 360, [255, 0, 0], 30, 1) === 0 && curve(img, lightText) >= 6 },
                     "the new curve without markers")
            clean.cleanState()
            grabWhen(function(img) { return curve(img, lightText) === 0 }, "an empty clean chart")
        }
    }
}
