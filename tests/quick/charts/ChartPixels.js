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
