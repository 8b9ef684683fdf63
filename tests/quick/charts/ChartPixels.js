// Pixel reading helpers shared by the chart Quick Tests.
.pragma library

function isBlackish(c) { return c.r * 255 + c.g * 255 + c.b * 255 < 40 }

function near(c, r, g, b, tolerance) {
    return Math.abs(c.r * 255 - r) <= tolerance && Math.abs(c.g * 255 - g) <= tolerance
        && Math.abs(c.b * 255 - b) <= tolerance
}

function rgb(c) { return "(" + Math.round(c.r * 255) + "," + Math.round(c.g * 255) + "," + Math.round(c.b * 255) + ")" }

// Columns where the colours of 380 nm begin and those of 780 nm end on row y, found from
// column `inside` (a column within the band) outwards; null when that column is black.
function spectrumBand(image, width, inside, y) {
    if (isBlackish(image.pixel(inside, y)))
        return null
    var left = inside
    while (left > 0 && !isBlackish(image.pixel(left - 1, y)))
        --left
    var right = inside
    while (right + 1 < width && !isBlackish(image.pixel(right + 1, y)))
        ++right
    if (left === 0 || right + 1 >= width)
        return null // no black on one side: not the fill
    return { x380: left, x780: right + 1 }
}

// Counts pixels of row y within tolerance of the colour.
function countInRow(image, width, y, r, g, b, tolerance) {
    var n = 0
    for (var x = 0; x < width; ++x)
        if (near(image.pixel(x, y), r, g, b, tolerance))
            ++n
    return n
}

// Counts pixels of the whole image within tolerance of the colour, every step-th pixel.
function countInImage(image, width, height, r, g, b, tolerance, step) {
    var n = 0
    for (var y = 0; y < height; y += step)
        for (var x = 0; x < width; x += step)
            if (near(image.pixel(x, y), r, g, b, tolerance))
                ++n
    return n
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

// Row of the first pixel near the colour in column x, scanning down; -1 when none.
function rowOf(image, height, x, r, g, b, tolerance) {
    for (var y = 0; y < height; ++y)
        if (near(image.pixel(x, y), r, g, b, tolerance))
            return y
    return -1
}

// Whether column x shows the colour within rows [y0, y1].
function columnHas(image, x, y0, y1, r, g, b, tolerance) {
    for (var y = Math.max(0, y0); y <= y1; ++y)
        if (near(image.pixel(x, y), r, g, b, tolerance))
            return true
    return false
}

// Leftmost and rightmost columns showing the colour, every other row and column.
function extent(image, width, height, r, g, b, tolerance) {
    var left = width, right = -1
    for (var y = 0; y < height; y += 2)
        for (var x = 0; x < width; x += 2)
            if (near(image.pixel(x, y), r, g, b, tolerance)) {
                left = Math.min(left, x)
                right = Math.max(right, x)
            }
    return { left: left, right: right, width: right - left }
}

// How many of the columns at the given fractions of the width show the colour anywhere.
// A line of width 2 covers at least one whole pixel in every column it crosses.
function columnsWith(image, width, height, fractions, r, g, b, tolerance) {
    var n = 0
    for (var i = 0; i < fractions.length; ++i)
        if (columnHas(image, Math.round(fractions[i] * width), 0, height - 1, r, g, b, tolerance))
            ++n
    return n
}
