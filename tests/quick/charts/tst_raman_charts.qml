import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppBackend
import "ChartPixels.js" as Px

// The Raman page's three charts, one shown at a time: curves in the theme's text colour,
// the clean chart's peaks on request, and what a new spectrum or cleanState clears.
Item {
    id: root
    width: 640
    height: 400
    property int shown: 0

    ChartRamanRaw {
        id: raw
        width: 600; height: 360
        visible: root.shown === 0
        Component.onCompleted: initCustomPlot()
    }
    ChartRamanClean {
        id: clean
        width: 600; height: 360
        visible: root.shown === 1
        Component.onCompleted: initCustomPlot()
    }
    ChartRamanFl {
        id: fluorescence
        width: 600; height: 360
        visible: root.shown === 2
        Component.onCompleted: initCustomPlot()
    }

    SignalSpy { id: peakListSpy; target: clean; signalName: "ramanPeakListChanged" }

    TestCase {
        name: "RamanCharts"
        when: windowShown

        readonly property var charts: [raw, clean, fluorescence]
        readonly property var lines: [{ shift: 1000, amplitude: 2500 }, { shift: 1600, amplitude: 1500 }]
        readonly property var lightText: [52, 52, 52]
        readonly property var darkText: [200, 200, 200]

        function init() {
            theme.switchTheme("light")
            dataBuffer.setDeviceModel("WQV-71")
            root.shown = 0
            for (var i = 0; i < charts.length; ++i)
                charts[i].cleanState()
            peakListSpy.clear()
        }

        function cleanupTestCase() {
            theme.switchTheme("light")
            dataBuffer.setDeviceModel("")
        }

        function grabWhen(chart, ready, what) {
            var image = null
            tryVerify(function() {
                image = grabImage(chart)
                return ready(image)
            }, 5000, what)
            return image
        }

        function curveColumns(image, rgb) {
            return Px.columnsWith(image, 600, 360, [0.1, 0.2, 0.3, 0.4, 0.6, 0.7, 0.8, 0.9],
                                  rgb[0], rgb[1], rgb[2], 12)
        }

        function redMarkers(image) { return Px.countInImage(image, 600, 360, 255, 0, 0, 30, 1) }

        // Every chart draws the measurement when shown, even one that arrived while it was
        // hidden, and a theme switch restyles it without new data.
        function test_chartsDrawWhenShownAndFollowTheTheme() {
            verify(storeFeeder.feedRamanMeasurement(lines))
            for (var shown = 0; shown < charts.length; ++shown) {
                root.shown = shown
                grabWhen(charts[shown], function(img) { return curveColumns(img, lightText) >= 6 },
                         "a curve in the light theme's text colour")
                theme.switchTheme("dark")
                grabWhen(charts[shown], function(img) {
                    return curveColumns(img, darkText) >= 6 && curveColumns(img, lightText) === 0
                }, "the same curve in the dark theme's text colour")
                theme.switchTheme("light")
            }
        }

        function test_peakSelectionListsAndMarksThePeaks() {
            root.shown = 1
            verify(storeFeeder.feedRamanMeasurement(lines))
            grabWhen(clean, function(img) { return curveColumns(img, lightText) >= 6 }, "the clean curve")
            compare(redMarkers(grabImage(clean)), 0, "no markers before the peak selection")
            peakListSpy.clear()

            clean.displayRamanPeak()
            compare(peakListSpy.count, 1)
            verify(clean.ramanPeakList.length >= 2 && clean.ramanPeakList.length <= 10)
            var shifts = []
            for (var i = 0; i < clean.ramanPeakList.length; ++i) {
                var peak = clean.ramanPeakList[i]
                compare(typeof peak.waveNumber, "string")
                verify(Number(peak.intensity) > 0, peak.intensity)
                shifts.push(Number(peak.waveNumber))
            }
            // The shift axis steps 5 cm^-1 over 1-nm samples: positions land within a few steps.
            verify(shifts.some(function(s) { return Math.abs(s - 1000) < 30 }), "a peak near 1000: " + shifts)
            verify(shifts.some(function(s) { return Math.abs(s - 1600) < 30 }), "a peak near 1600: " + shifts)
            grabWhen(clean, function(img) { return redMarkers(img) > 30 }, "red peak markers")

            // A new spectrum removes the peaks from the table and the plot.
            peakListSpy.clear()
            verify(storeFeeder.feedRamanMeasurement(lines))
            verify(peakListSpy.count >= 1)
            compare(clean.ramanPeakList.length, 0)
            grabWhen(clean, function(img) {
                return redMarkers(img) === 0 && curveColumns(img, lightText) >= 6
            }, "the new curve without markers")
        }

        function test_cleanStateEmptiesChartsAndPeakList() {
            verify(storeFeeder.feedRamanMeasurement(lines))
            root.shown = 1
            grabWhen(clean, function(img) { return curveColumns(img, lightText) >= 6 }, "the clean curve")
            clean.displayRamanPeak()
            verify(clean.ramanPeakList.length > 0)
            peakListSpy.clear()
            clean.cleanState()
            compare(peakListSpy.count, 1)
            compare(clean.ramanPeakList.length, 0)
            grabWhen(clean, function(img) {
                return curveColumns(img, lightText) === 0 && redMarkers(img) === 0
            }, "an empty clean chart")

            root.shown = 0
            grabWhen(raw, function(img) { return curveColumns(img, lightText) >= 6 }, "the raw curve")
            raw.cleanState()
            grabWhen(raw, function(img) { return curveColumns(img, lightText) === 0 }, "an empty raw chart")
        }
    }
}
