#include "OffscreenPlot.h"

OffscreenPlot::OffscreenPlot(QWidget *parent) : QCustomPlot(parent)
{
    // Every replot redraws all layers anyway; a separate buffer for the overlay would only
    // cost one more clear and one more full-size blend per picture.
    if (QCPLayer *overlay = layer(QStringLiteral("overlay")))
        overlay->setMode(QCPLayer::lmLogical);
}

void OffscreenPlot::renderTo(QCPPainter *painter, double devicePixelRatio)
{
    bool buffersCurrent = !mPaintBuffers.isEmpty();
    for (const QSharedPointer<QCPAbstractPaintBuffer> &buffer : std::as_const(mPaintBuffers)) {
        if (buffer->invalidated() || buffer->size() != mViewport.size()
            || !qFuzzyCompare(buffer->devicePixelRatio(), devicePixelRatio)) {
            buffersCurrent = false;
            break;
        }
    }
    if (!buffersCurrent) {
        toPainter(painter, 0, 0);
        return;
    }
    // What paintEvent does for a shown plot, but without filling where an axis rect's
    // opaque background in the buffers covers the fill anyway.
    if (mBackgroundBrush.style() != Qt::NoBrush) {
        QRegion uncovered(mViewport);
        for (QCPAxisRect *rect : axisRects()) {
            if (rect->visible() && rect->background().isNull() && rect->backgroundBrush().style() == Qt::SolidPattern
                && rect->backgroundBrush().color().alpha() == 255)
                uncovered -= rect->rect();
        }
        for (const QRect &part : uncovered)
            painter->fillRect(part, mBackgroundBrush);
    }
    drawBackground(painter);
    for (const QSharedPointer<QCPAbstractPaintBuffer> &buffer : std::as_const(mPaintBuffers))
        buffer->draw(painter);
}

bool OffscreenPlot::hasOpaqueBackground() const
{
    return mBackgroundBrush.style() == Qt::SolidPattern && mBackgroundBrush.color().alpha() == 255;
}
