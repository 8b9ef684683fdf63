// Pixel reading helpers shared by the chart Quick Tests.
.pragma library

function near(c, r, g, b, tolerance) {
    return Math.abs(c.r * 255 - r) <= tolerance && Math.abs(c.g * 255 - g) <= tolerance
        && Math.abs(c.b * 255 - b) <= tolerance
}

// Pixels of the image near the colour, every step-th pixel each way.
function count(image, width, height, rgb, tolerance, step) {
    var n = 0
    for (var y = 0; y < height; y += step)
        for (var x = 0; x < width; x += step)
            if (near(image.pixel(x, y), rgb[0], rgb[1], rgb[2], tolerance))
                ++n
    return n
}

function columnHas(image, x, y0, y1, rgb, tolerance) {
    for (var y = Math.max(0, y0); y <= y1; ++y)
        if (near(image.pixel(x, y), rgb[0], rgb[1], rgb[2], tolerance))
            return true
    return false
}

// How many of eight columns across the width show the colour: a curve drawn across the chart.
function curveColumns(image, width, height, rgb) {
    var n = 0
    var fractions = [0.1, 0.2, 0.3, 0.4, 0.6, 0.7, 0.8, 0.9]
    for (var i = 0; i < fractions.length; ++i)
        if (columnHas(image, Math.round(fractions[i] * width), 0, height - 1, rgb, 12))
            ++n
    return n
}

function rowOf(image, height, x, rgb) {
    for (var y = 0; y < height; ++y)
        if (near(image.pixel(x, y), rgb[0], rgb[1], rgb[2], 12))
            return y
    return -1
}

function flat(count, value) {
    var a = []
    for (var i = 0; i < count; ++i)
        a.push(value)
    return a
}

// A bell of the given height over a floor, centred at index centre.
function bell(count, centre, width, height, floor) {
    var a = []
    for (var i = 0; i < count; ++i) {
        var d = (i - centre) / width
        a.push(Math.round(floor + height * Math.exp(-0.5 * d * d)))
    }
    return a
}

function differs(a, b, x, y) {
    var p = a.pixel(x, y), q = b.pixel(x, y)
    return Math.abs(p.r - q.r) + Math.abs(p.g - q.g) + Math.abs(p.b - q.b) > 0.1
}

// Centre of the pixels that differ between two pictures, every other pixel, outside `skip`.
function changedCentre(a, b, width, height, skip) {
    var sx = 0, sy = 0, n = 0
    for (var y = 0; y < height; y += 2)
        for (var x = 0; x < width; x += 2) {
            if (x >= skip.x && x < skip.x + skip.width && y >= skip.y && y < skip.y + skip.height)
                continue
            if (differs(a, b, x, y)) { sx += x; sy += y; ++n }
        }
    return n === 0 ? null : { x: sx / n, y: sy / n, count: n }
}

function anyDifference(a, b, width, height) {
    for (var y = 0; y < height; y += 2)
        for (var x = 0; x < width; x += 2)
            if (differs(a, b, x, y))
                return true
    return false
}

// The 48 photometric words of a measurement at chromaticity x, y (NaN: none).
function wordsAt(x, y) {
    var w = flat(48, 0)
    var d = -2 * x + 12 * y + 3
    w[3] = x; w[4] = y; w[5] = 4 * x / d; w[6] = 6 * y / d; w[7] = 4 * x / d; w[8] = 9 * y / d
    return w
}
