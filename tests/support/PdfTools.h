#pragma once
// What poppler's command-line tools (pdfinfo, pdftotext, pdfimages) read from a PDF file.

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace testsupport {

struct PdfImage {
    int page = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PdfImage &other) const
    {
        return page == other.page && width == other.width && height == other.height;
    }
};

// Page size in points and page count as pdfinfo reports them; empty / 0 when unreadable.
QSizeF pdfPageSize(const QString &path);
int pdfPageCount(const QString &path);
// The text of the pages `first` to `last` (all when 0), in reading order.
QString pdfText(const QString &path, int first = 0, int last = 0);
// A word that pdftotext finds, with its box in points from the page's top left.
struct PdfWord {
    int page = 0;
    QRectF box;
    QString text;
};
// Every word of every page, in reading order.
QList<PdfWord> pdfWords(const QString &path);

// The embedded pictures in page order (soft masks left out).
QList<PdfImage> pdfImages(const QString &path);
// The embedded pictures themselves, in page order, read back through files in `folder`.
QList<QImage> pdfImagePixels(const QString &path, const QString &folder);

} // namespace testsupport
