import QtQml

// Conversions between local paths and file: URLs that hold on every platform: a Unix
// path keeps its leading "/", a drive path gets none, and reserved characters are escaped.
QtObject {
    function toPath(url) {
        const text = String(url)
        if (!text.startsWith("file:"))
            return text
        const path = new URL(text).pathname
        return /^\/[A-Za-z]:/.test(path) ? path.substring(1) : path
    }

    function fromPath(path) {
        let normalised = String(path).replace(/\\/g, "/")
        if (!normalised.startsWith("/"))
            normalised = "/" + normalised
        const url = new URL("file:///")
        url.pathname = normalised
        return url.href
    }
}
