import QtQuick
import QtQuick.Controls.Basic
import QtTest
import AppBackend
import "ChartPixels.js" as Px

// What a person sees on the spectrum chart: the spectrum colours under the curve in both
// themes, the line of photon-counting models, the hover read-out and cleanState.
Item {
    id: root
    width: 640
    height: 400

    ChartPureSpectrum {
        id: chart
        width: 600
        height: 360
        Component.onCompleted: initCustomPlot()
    }

    TestCase {
        name: "SpectrumChart"
        when: windowShown

        readonly property int points: dataBuffer.getWlLength()

        function init() {
            theme.switchTheme("light")
            dataBuffer.setDeviceModel("PQV-21")
            chart.cleanState()
        }

        function cleanupTestCase() {
            theme.switchTheme("light")
            dataBuffer.setDeviceModel("")
        }

        // Waits until the chart shows what `ready(image)` accepts, and returns that picture.
        function grabWhen(ready, what) {
            var image = null
            tryVerify(function() {
                image = grabImage(chart)
                return ready(image)
            }, 5000, what)
            return image
        }

        function fillRow() { return Math.round(chart.height * 0.8) }

        function test_gradientUnderSpectrum_data() {
            return [
                { tag: "light", theme: "light", background: [247, 247, 248] },
                { tag: "dark", theme: "dark", background: [70, 74, 83] }
            ]
        }

        function test_gradientUnderSpectrum(data) {
            theme.switchTheme(data.theme)
            verify(storeFeeder.feedSpectrum(Px.flat(points, 1000)))
            var y = fillRow()
            var image = grabWhen(function(img) {
                return Px.spectrumBand(img, chart.width, chart.width / 2, y) !== null
                    && Px.near(img.pixel(2, 2), data.background[0], data.background[1], data.background[2], 2)
            }, "spectrum colours and the theme's background")
            var band = Px.spectrumBand(image, chart.width, chart.width / 2, y)
            var pxPerNm = (band.x780 - band.x380) / 400
            // 340 to 1020 nm on the axis: the band spans 400 of its 680 nm.
            verify(pxPerNm > 0.9 * chart.width * 0.8 / 680, "band " + band.x380 + ".." + band.x780)
            function at(nm) { return image.pixel(Math.round(band.x380 + (nm - 380) * pxPerNm), y) }
            verify(Px.near(at(450), 0, 70, 255, 25), "450 nm " + Px.rgb(at(450)))
            verify(Px.near(at(550), 163, 255, 0, 25), "550 nm " + Px.rgb(at(550)))
            verify(Px.near(at(700), 251, 0, 0, 25), "700 nm " + Px.rgb(at(700)))
            verify(Px.isBlackish(at(360)), "black left of 380 nm " + Px.rgb(at(360)))
            verify(Px.isBlackish(at(900)), "black right of 780 nm " + Px.rgb(at(900)))
            // No outline: only the fill draws the curve.
            verify(accentPixels(image) < 15, "no outline")
        }

        function test_photonCountingModelDrawsAnAccentLine_data() {
            return [ { tag: "light", theme: "light" }, { tag: "dark", theme: "dark" } ]
        }

        // The chart is set up under one model and reused under the next.
        function test_photonCountingModelDrawsAnAccentLine(data) {
            theme.switchTheme(data.theme)
            dataBuffer.setDeviceModel("TQV-11")
            verify(storeFeeder.feedSpectrum(Px.bell(points, points / 2, 60, 3000, 200)))
            var image = grabWhen(function(img) {
                return accentPixels(img) > 60
            }, "an accent-coloured curve")
            compare(Px.countInImage(image, chart.width, chart.height, 255, 0, 0, 10, 2), 0, "no fill")

            dataBuffer.setDeviceModel("PQV-21")
            verify(storeFeeder.feedSpectrum(Px.bell(points, points / 2, 60, 3000, 200)))
            image = grabWhen(function(img) {
                return accentPixels(img) < 15
                    && Px.countInImage(img, chart.width, chart.height, 255, 0, 0, 10, 2) > 500
            }, "the gradient fill (its 650 to 690 nm red) and no line again")
        }

        // Accent-coloured pixels on every other row and column; the antialiased edge of the
        // fill against a light background yields a few.
        function accentPixels(image) {
            return Px.countInImage(image, chart.width, chart.height, 255, 87, 51, 12, 2)
        }

        // Photon counts: no fill, whose 490 nm colour is the tip's cyan.
        function test_hoverReadOutFollowsTheMouseAndFlips() {
            dataBuffer.setDeviceModel("TQV-11")
            verify(storeFeeder.feedSpectrum(Px.flat(points, 1000)))
            grabWhen(function(img) { return accentPixels(img) > 60 }, "the spectrum")

            // Middle of the chart: the box hangs right of the marker.
            var mx = Math.round(chart.width * 0.45)
            mouseMove(chart, mx - 5, chart.height / 2) // enters
            mouseMove(chart, mx, chart.height / 2)
            var image = grabWhen(function(img) { return cyanColumns(img).right > mx + 20 }, "a tip right of the mouse")
            var columns = cyanColumns(image)
            verify(columns.left >= mx - 10, "tip starts at the marker: " + columns.left + " mouse " + mx)

            // Rightmost tenth of the range: the box flips to the left of the marker.
            var rx = Math.round(chart.width * 0.96)
            mouseMove(chart, rx, chart.height / 2)
            image = grabWhen(function(img) { return cyanColumns(img).left < rx - 20 }, "a tip left of the mouse")
            columns = cyanColumns(image)
            verify(columns.right <= rx + 10, "tip ends at the marker: " + columns.right + " mouse " + rx)
        }

        // Leftmost and rightmost columns showing the tip's cyan.
        function cyanColumns(image) { return Px.extent(image, chart.width, chart.height, 0, 255, 255, 10) }

        function test_cleanStateEmptiesTheChart() {
            dataBuffer.setDeviceModel("TQV-11")
            verify(storeFeeder.feedSpectrum(Px.flat(points, 1000)))
            grabWhen(function(img) { return accentPixels(img) > 60 && cyanColumns(img).right >= 0 },
                     "curve and tip")
            chart.cleanState()
            grabWhen(function(img) { return accentPixels(img) === 0 && cyanColumns(img).right < 0 },
                     "no curve and no tip after cleanState")
            // The next spectrum brings both back.
            verify(storeFeeder.feedSpectrum(Px.flat(points, 1000)))
            grabWhen(function(img) { return accentPixels(img) > 60 && cyanColumns(img).right >= 0 },
                     "curve and tip again")
        }
    }
}
