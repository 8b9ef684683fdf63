#include "OffscreenPlot.h"

// The bottom paint buffer as an image. An opaque plot's layers draw straight onto its
// background, so nothing needs clearing or blending afterwards, and the finished picture
// can go to the screen as it is. Two images take turns, so that drawing never has to copy
// a picture the screen still holds.
class PlotImageBuffer : public QCPAbstractPaintBuffer
{
public:
    PlotImageBuffer(const OffscreenPlot *plot, const QSize &size, double devicePixelRatio)
        : QCPAbstractPaintBuffer(size, devicePixelRatio), m_plot(plot)
    {
        reallocateBuffer();
    }

    QImage image() const { return m_image; }

    QCPPainter *startPainting() override
    {
        // Painted as with alpha, so text gets the same grey antialiasing as on a
        // transparent buffer; an opaque picture is handed on as RGB32 (same bytes).
        m_image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        return new QCPPainter(&m_image);
    }
    void donePainting() override
    {
        if (m_opaque)
            m_image.reinterpretAsFormat(QImage::Format_RGB32);
    }
    void draw(QCPPainter *painter) const override
    {
        if (painter && painter->isActive())
            painter->drawImage(0, 0, m_image);
    }
    void clear(const QColor &color) override
    {
        if (!m_image.isDetached())
            std::swap(m_image, m_spare);
        if (!m_image.isDetached())
            reallocateBuffer();
        const QColor background = m_plot->opaqueBackgroundColor();
        m_opaque = background.isValid();
        m_image.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
        m_image.fill(m_opaque ? background : color);
        donePainting();
    }

protected:
    void reallocateBuffer() override
    {
        setInvalidated();
        m_image = QImage(mSize * mDevicePixelRatio, QImage::Format_ARGB32_Premultiplied);
        m_image.setDevicePixelRatio(mDevicePixelRatio);
        m_image.fill(Qt::transparent);
        m_opaque = false;
        if (m_spare.size() != m_image.size() || !qFuzzyCompare(m_spare.devicePixelRatio(), mDevicePixelRatio))
            m_spare = QImage();
    }

private:
    const OffscreenPlot *m_plot;
    QImage m_image;
    QImage m_spare;
    bool m_opaque = false;
};

OffscreenPlot::OffscreenPlot(QWidget *parent) : QCustomPlot(parent)
{
    // Tick labels are written in the plot's locale, which would follow the system's; every
    // number a person reads takes a point and no group separators, as NumberText writes them.
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    setLocale(numbers);
    // Every replot redraws all layers anyway; a separate buffer for the overlay would only
    // cost one more clear and one more full-size blend per picture.
    if (QCPLayer *overlay = layer(QStringLiteral("overlay")))
        overlay->setMode(QCPLayer::lmLogical);
    // The plot makes its first buffer only when it has none.
    m_bottomBuffer.reset(new PlotImageBuffer(this, viewport().size(), mBufferDevicePixelRatio));
    mPaintBuffers.clear();
    mPaintBuffers.append(m_bottomBuffer);
}

bool OffscreenPlot::buffersCurrent(double devicePixelRatio) const
{
    if (mPaintBuffers.isEmpty())
        return false;
    for (const QSharedPointer<QCPAbstractPaintBuffer> &buffer : std::as_const(mPaintBuffers)) {
        if (buffer->invalidated() || buffer->size() != mViewport.size()
            || !qFuzzyCompare(buffer->devicePixelRatio(), devicePixelRatio))
            return false;
    }
    return true;
}

QImage OffscreenPlot::finishedPicture(double devicePixelRatio) const
{
    if (mPaintBuffers.size() != 1 || mPaintBuffers.first() != m_bottomBuffer || !opaqueBackgroundColor().isValid()
        || !buffersCurrent(devicePixelRatio))
        return {};
    return m_bottomBuffer->image();
}

void OffscreenPlot::renderTo(QCPPainter *painter, double devicePixelRatio)
{
    if (!buffersCurrent(devicePixelRatio)) {
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

QColor OffscreenPlot::opaqueBackgroundColor() const
{
    // A background picture lies between the fill and the layers: then the layers need a
    // buffer of their own.
    return hasOpaqueBackground() && mBackgroundPixmap.isNull() ? mBackgroundBrush.color() : QColor();
}
