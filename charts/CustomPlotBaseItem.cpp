#include "CustomPlotBaseItem.h"

#include "ChartCommon.h"
#include "OffscreenPlot.h"
#include "output/WholeFile.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QQuickWindow>
#include <QResizeEvent>
#include <QSGSimpleTextureNode>
#include <QTimer>

namespace {
constexpr int kResizeQuietMs = 100;

// Shows one chart picture and owns its texture: a new picture replaces the old texture.
class ChartImageNode : public QSGSimpleTextureNode
{
public:
    ChartImageNode() { setFiltering(QSGTexture::Linear); }
    void showTexture(QSGTexture *texture)
    {
        setTexture(texture);
        m_texture.reset(texture);
    }

private:
    std::unique_ptr<QSGTexture> m_texture;
};

// As QCustomPlot::saveJpg, but the file is written whole or not at all: the JPEG writer
// takes a write that a full disk cuts short for a success.
bool saveJpgWhole(QCustomPlot &plot, const QString &fileName, double scale, int dotsPerInch)
{
    QImage image = plot.toPixmap(0, 0, scale).toImage();
    if (image.isNull())
        return false;
    const int dotsPerMeter = int(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "JPG") && WholeFile::write(fileName, jpeg);
}
}

CustomPlotBaseItem::CustomPlotBaseItem(QQuickItem *parent)
    : QQuickItem(parent), m_dataBuffer(DataBuffer::instance(nullptr))
{
    setFlag(ItemHasContents, true);
    setAcceptedMouseButtons(Qt::AllButtons);

    m_resizeTimer = new QTimer(this);
    m_resizeTimer->setSingleShot(true);
    m_resizeTimer->setInterval(kResizeQuietMs);
    connect(m_resizeTimer, &QTimer::timeout, this, &CustomPlotBaseItem::onResizeTimeout);

    connect(this, &QQuickItem::widthChanged, this, &CustomPlotBaseItem::updateCustomPlotSize);
    connect(this, &QQuickItem::heightChanged, this, &CustomPlotBaseItem::updateCustomPlotSize);
    connect(this, &QQuickItem::visibleChanged, this, &CustomPlotBaseItem::onVisibleChanged);
    connect(Theme::instance(nullptr), &Theme::themeChanged, this, &CustomPlotBaseItem::onThemeChanged);
}

CustomPlotBaseItem::~CustomPlotBaseItem()
{
    if (m_resizeTimer) {
        m_resizeTimer->stop();
        m_resizeTimer->deleteLater();
        m_resizeTimer = nullptr;
    }
    delete m_plot;
    m_plot = nullptr;
    m_image = QImage();
}

QCustomPlot *CustomPlotBaseItem::customPlot() const { return m_plot; }

bool CustomPlotBaseItem::createPlot()
{
    if (m_plot)
        return false; // a second plot would leak the first and double every connection
    m_plot = new OffscreenPlot(nullptr);
    return true;
}

void CustomPlotBaseItem::initCustomPlot()
{
    if (!createPlot())
        return;
    updateCustomPlotSize();
    setupPlot();
    // Whatever emptied a curve (a new range, a cleared store), its tracer must not draw.
    connect(m_plot, &QCustomPlot::beforeReplot, this, [this] { ChartHoverTip::hideTracersWithoutData(m_plot); });
    connect(m_plot, &QCustomPlot::afterReplot, this, &CustomPlotBaseItem::onCustomReplot);
    m_plot->replot(QCustomPlot::rpRefreshHint);
}

void CustomPlotBaseItem::setupPlot() {}

void CustomPlotBaseItem::plot() {}

void CustomPlotBaseItem::queueReplot()
{
    if (m_plot && isVisible())
        m_plot->replot(QCustomPlot::rpQueuedReplot);
}

bool CustomPlotBaseItem::applyItemSizeToPlot()
{
    if (!m_plot || width() <= 0 || height() <= 0)
        return false;
    const int w = int(width());
    const int h = int(height());
    m_plot->setGeometry(0, 0, w, h);
    m_plot->setViewport(QRect(0, 0, w, h));
    return true;
}

void CustomPlotBaseItem::updateCustomPlotSize()
{
    if (applyItemSizeToPlot())
        m_resizeTimer->start();
}

void CustomPlotBaseItem::resizeAndReplot()
{
    // The plot handles the resize event by replotting at once; a second replot would
    // draw the same picture again.
    QResizeEvent resize(m_plot->size(), m_plot->size());
    QCoreApplication::sendEvent(m_plot, &resize);
}

void CustomPlotBaseItem::onResizeTimeout()
{
    if (!m_plot || !isVisible())
        return;
    resizeAndReplot();
}

void CustomPlotBaseItem::onVisibleChanged()
{
    if (!isVisible() || !m_plot || width() <= 0 || height() <= 0)
        return;
    applyItemSizeToPlot();
    resizeAndReplot();
}

QImage &CustomPlotBaseItem::writableImage(const QSize &pixels, QImage::Format format, qreal ratio)
{
    if (!m_image.isDetached())
        std::swap(m_image, m_spareImage);
    if (m_image.size() != pixels || m_image.format() != format || !qFuzzyCompare(m_image.devicePixelRatio(), ratio)
        || !m_image.isDetached()) {
        m_image = QImage(pixels, format);
        m_image.setDevicePixelRatio(ratio);
    }
    return m_image;
}

void CustomPlotBaseItem::onCustomReplot()
{
    if (m_plot) {
        const QSize size = m_plot->size();
        if (size.isEmpty())
            return; // keep the last picture
        const qreal ratio = window() ? window()->devicePixelRatio() : 1.0;
        const QSize pixels(qRound(size.width() * ratio), qRound(size.height() * ratio));
        // An opaque plot needs neither clearing nor blending: the scene copies it and
        // skips whatever lies beneath.
        if (const QImage picture = m_plot->finishedPicture(ratio); picture.size() == pixels) {
            m_image = picture;
            m_spareImage = QImage();
        } else {
            const bool opaque = m_plot->hasOpaqueBackground();
            QImage &image =
                writableImage(pixels, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied, ratio);
            if (!opaque)
                image.fill(Qt::transparent);
            QCPPainter painter(&image);
            m_plot->renderTo(&painter, ratio);
        }
        m_imageChanged = true;
        if (!qFuzzyCompare(m_plot->bufferDevicePixelRatio(), ratio))
            m_plot->setBufferDevicePixelRatio(ratio); // the next replot draws at the window's ratio
    }
    update();
}

QSGNode *CustomPlotBaseItem::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    // Runs while the GUI thread waits, so the image may be read here. The texture shares the
    // image's pixels where the renderer can (the software one does): no copy per picture.
    auto *node = static_cast<ChartImageNode *>(oldNode);
    if (m_image.isNull() || width() <= 0 || height() <= 0) {
        delete node;
        return nullptr;
    }
    if (!node) {
        node = new ChartImageNode;
        m_imageChanged = true;
    }
    if (m_imageChanged) {
        node->showTexture(window()->createTextureFromImage(m_image));
        m_imageChanged = false;
    }
    node->setRect(boundingRect());
    return node;
}

bool CustomPlotBaseItem::event(QEvent *event)
{
    // After every frame Qt Quick repeats the last hover position to the item under a still
    // mouse. Handing those on would redraw the tip, which draws a frame, which repeats the
    // hover: frames without end while the pointer rests on a chart. A repeat still counts
    // once the plot under the pointer changed (a new layout or range).
    switch (event->type()) {
    case QEvent::HoverMove: {
        const QPointF position = static_cast<QHoverEvent *>(event)->position();
        const QRectF hover(position, size());
        const double key = m_plot && m_plot->xAxis ? m_plot->xAxis->pixelToCoord(position.x()) : 0.0;
        if (hover == m_lastHover && key == m_lastHoverKey) {
            event->accept();
            return true;
        }
        m_lastHover = hover;
        m_lastHoverKey = key;
        break;
    }
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
        m_lastHover = QRectF();
        break;
    default:
        break;
    }
    return QQuickItem::event(event);
}

void CustomPlotBaseItem::mousePressEvent(QMouseEvent *event) { forwardMouseEvent(event); }
void CustomPlotBaseItem::mouseMoveEvent(QMouseEvent *event) { forwardMouseEvent(event); }
void CustomPlotBaseItem::mouseReleaseEvent(QMouseEvent *event) { forwardMouseEvent(event); }
void CustomPlotBaseItem::mouseDoubleClickEvent(QMouseEvent *event) { forwardMouseEvent(event); }
void CustomPlotBaseItem::wheelEvent(QWheelEvent *event) { forwardWheelEvent(event); }
void CustomPlotBaseItem::hoverMoveEvent(QHoverEvent *event) { Q_UNUSED(event); }

void CustomPlotBaseItem::forwardMouseEvent(QMouseEvent *event)
{
    if (!m_plot)
        return;
    // Item coordinates are plot coordinates: the plot starts at (0, 0) with the item's size.
    QMouseEvent copy(event->type(), event->position(), event->globalPosition(), event->button(),
                     event->buttons(), event->modifiers(), QPointingDevice::primaryPointingDevice());
    QCoreApplication::sendEvent(m_plot, &copy);
}

void CustomPlotBaseItem::forwardWheelEvent(QWheelEvent *event)
{
    if (!m_plot)
        return;
    QWheelEvent copy(event->position(), event->globalPosition(), event->pixelDelta(), event->angleDelta(),
                     event->buttons(), event->modifiers(), event->phase(), event->inverted(),
                     event->source(), QPointingDevice::primaryPointingDevice());
    QCoreApplication::sendEvent(m_plot, &copy);
}

bool CustomPlotBaseItem::saveCustomPlotJpg(const QString &fileName)
{
    if (!m_plot)
        return false;
    return saveJpgWhole(*m_plot, fileName, 1.0, 96);
}

void CustomPlotBaseItem::applyThemeColours() { Theme::applyChartStyle(m_plot); }

void CustomPlotBaseItem::redrawAfterThemeChange() { plot(); }

void CustomPlotBaseItem::onThemeChanged()
{
    if (!m_plot)
        return;
    applyThemeColours();
    redrawAfterThemeChange();
}

ChartImageSource::Picture CustomPlotBaseItem::chartPicture()
{
    // A plot not made yet, or one the screen gave no size, has nothing to show.
    if (!m_plot || m_plot->viewport().isEmpty())
        return {QImage(), Problem::NotDrawnYet};
    // For paper: three times the screen's pixels (about 300 ppi across a page), pens and
    // fonts scaled with them, and without the hover read-out, which belongs to the pointer.
    constexpr double kPrintScale = 3.0;
    QCPLayer *overlay = m_plot->layer(QStringLiteral("overlay"));
    const bool overlayShown = overlay && overlay->visible();
    if (overlay)
        overlay->setVisible(false);
    // Paper is white whatever the screen shows. Drawing for it takes the plot as it stands,
    // without a replot: the user's ranges, selection and read-out stay, and the screen's
    // picture too.
    const bool recolour = Theme::instance(nullptr)->chartsDark();
    QImage image;
    {
        const Theme::LightChartsScope lightCharts;
        if (recolour)
            applyThemeColours();
        image = m_plot->toPixmap(0, 0, kPrintScale).toImage();
    }
    if (recolour)
        applyThemeColours();
    if (overlay)
        overlay->setVisible(overlayShown);
    // It has a size: what failed is the memory for its pixels.
    if (image.isNull())
        return {QImage(), Problem::OutOfMemory};
    return {image, Problem::None};
}
