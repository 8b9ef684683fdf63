// Finding what a chart drew by comparing two of its pictures.
.pragma library

function differs(a, b, x, y) {
    var p = a.pixel(x, y)
    var q = b.pixel(x, y)
    return Math.abs(p.r - q.r) + Math.abs(p.g - q.g) + Math.abs(p.b - q.b) > 0.1
}

// Centre of the pixels that differ between two pictures of the same size, every other pixel
// each way, leaving out the rectangle `skip` {x, y, width, height}; null when none differ.
function changedCentre(a, b, width, height, skip) {
    var sx = 0, sy = 0, n = 0
    for (var y = 0; y < height; y += 2) {
        for (var x = 0; x < width; x += 2) {
            if (x >= skip.x && x < skip.x + skip.width && y >= skip.y && y < skip.y + skip.height)
                continue
            if (differs(a, b, x, y)) {
                sx += x; sy += y; ++n
            }
        }
    }
    return n === 0 ? null : { x: sx / n, y: sy / n, count: n }
}

// Whether any pixel differs, every step-th pixel.
function anyDifference(a, b, width, height, step) {
    for (var y = 0; y < height; y += step)
        for (var x = 0; x < width; x += step)
            if (differs(a, b, x, y))
                return true
    return false
}

// CIE 1960 u, v and CIE 1976 u', v' of x, y.
function uv1960(x, y) { var d = -2 * x + 12 * y + 3; return [4 * x / d, 6 * y / d] }
function uv1976(x, y) { var d = -2 * x + 12 * y + 3; return [4 * x / d, 9 * y / d] }

// The 48 photometric words of a measurement at chromaticity x, y (NaN: none), with the
// given rendering indices (Ra, R1..R15) or zeros.
function wordsAt(x, y, rendering) {
    var w = []
    for (var i = 0; i < 48; ++i)
        w.push(0)
    var a = uv1960(x, y), b = uv1976(x, y)
    w[3] = x; w[4] = y; w[5] = a[0]; w[6] = a[1]; w[7] = b[0]; w[8] = b[1]
    if (rendering)
        for (var k = 0; k < 16; ++k)
            w[15 + k] = rendering[k]
    return w
}
