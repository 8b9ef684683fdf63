import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppBackend

// The flicker trace: a waveform drawn scaled to its peak over the time of its samples, and a
// flat one drawn as a thick line.
Item {
    id: root
    width: 640
    height: 420

    ChartFlicker {
        id: chart
        width: 600; height: 400
        Component.onCompleted: initCustomPlot()
    }

    TestCase {
        name: "FlickerChart"
        when: windowShown

        function cleanupTestCase() {
            theme.switchTheme("light")
            storeFeeder.feedFlicker(levels([0]), 0, 0, 0, 0, 0)
        }

        // The blue of the trace, also where smoothing blends it into the background.
        function isTrace(c) { return c.b > 0.5 && c.b - Math.max(c.r, c.g) > 0.25 }

        // 1024 samples in equal runs of the given counts.
        function levels(values) {
            var a = []
            for (var i = 0; i < 1024; ++i)
                a.push(values[Math.min(values.length - 1, Math.floor(i * values.length / 1024))])
            return a
        }

        // Mean row and number of rows of the trace in column x; null when it is not there.
        function traceAt(image, x) {
            var sum = 0, n = 0
            for (var y = 0; y < chart.height; ++y)
                if (isTrace(image.pixel(x, y))) { sum += y; ++n }
            return n === 0 ? null : { row: sum / n, rows: n }
        }

        // First and last columns holding the trace.
        function traceSpan(image) {
            var first = -1, last = -1
            for (var x = 0; x < chart.width; ++x) {
                if (traceAt(image, x) !== null) {
                    if (first < 0) first = x
                    last = x
                }
            }
            return { first: first, last: last }
        }

        function test_traceScaledToItsPeak_data() {
            return [ { tag: "light", theme: "light" }, { tag: "dark", theme: "dark" } ]
        }

        function test_traceScaledToItsPeak(data) {
            theme.switchTheme(data.theme)
            // Thirds at 1, 1/2 and 1/4 of the peak, whatever the gain.
            storeFeeder.feedFlicker(levels([4000, 2000, 1000]), 100, 60, 60, 0.2, 1)
            var problem = ""
            tryVerify(function() {
                var image = grabImage(chart)
                var span = traceSpan(image)
                if (span.first < 0)
                    return false
                var third = (span.last - span.first) / 3
                var full = traceAt(image, Math.round(span.first + third / 2))
                var half = traceAt(image, Math.round(span.first + 1.5 * third))
                var quarter = traceAt(image, Math.round(span.first + 2.5 * third))
                if (!full || !half || !quarter)
                    return false
                // Linear and scaled to the peak: the step from 1 to 1/2 is twice that from 1/2 to 1/4.
                var upper = half.row - full.row, lower = quarter.row - half.row
                problem = "steps " + upper.toFixed(1) + " and " + lower.toFixed(1) + " px"
                return upper > 20 && Math.abs(upper - 2 * lower) <= 2 && full.rows <= 3
            }, 20000, "three levels of the waveform")
            verify(problem !== "", problem)
        }

        // A zero line lies on the bottom edge, half hidden by it: compare the zero half of a
        // waveform with a waveform that is zero throughout.
        function test_flatWaveformIsThick() {
            var column = Math.round(chart.width * 0.75)
            var thin = -1
            storeFeeder.feedFlicker(levels([3000, 0]), 100, 100, 100, 0.5, 0)
            tryVerify(function() {
                var image = grabImage(chart)
                if (traceAt(image, Math.round(chart.width * 0.25)) === null)
                    return false
                var t = traceAt(image, column)
                thin = t === null ? 0 : t.rows
                return true
            }, 20000, "a waveform with a zero half")
            var thick = -1
            storeFeeder.feedFlicker(levels([0]), 0, 0, 0, 0, 0)
            tryVerify(function() {
                var image = grabImage(chart)
                if (traceAt(image, Math.round(chart.width * 0.25)) !== null
                        && traceAt(image, Math.round(chart.width * 0.25)).row < chart.height / 2)
                    return false // still the previous waveform
                var t = traceAt(image, column)
                thick = t === null ? 0 : t.rows
                return thick >= thin + 1 && thick >= 2
            }, 20000, "a thicker flat line")
        }
    }
}
