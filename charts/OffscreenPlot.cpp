#include "OffscreenPlot.h"

OffscreenPlot::OffscreenPlot(QWidget *parent) : QCustomPlot(parent) {}

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
    // What paintEvent does for a shown plot.
    if (mBackgroundBrush.style() != Qt::NoBrush)
        painter->fillRect(mViewport, mBackgroundBrush);
    drawBackground(painter);
    for (const QSharedPointer<QCPAbstractPaintBuffer> &buffer : std::as_const(mPaintBuffers))
        buffer->draw(painter);
}
