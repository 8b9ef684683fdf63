#pragma once
// Base of every chart item of module AppBackend: a Qt Quick item that owns a plot which is
// never shown, renders it into an image after each replot, hands that image to the scene as
// a texture and forwards the mouse to it. Subclasses build the plot in setupPlot and fill it from the store in plot.

#include "output/ChartImageSource.h"

#include <QImage>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

class DataBuffer;
class OffscreenPlot;
class QCustomPlot;
class QTimer;

class CustomPlotBaseItem : public QQuickItem, public ChartImageSource
{
    Q_OBJECT
    Q_INTERFACES(ChartImageSource)
    QML_ANONYMOUS

public:
    explicit CustomPlotBaseItem(QQuickItem *parent = nullptr);
    ~CustomPlotBaseItem() override;

    // Creates the plot and has the subclass build it; does nothing once a plot exists.
    Q_INVOKABLE virtual void initCustomPlot();
    Q_INVOKABLE virtual void setupPlot();
    Q_INVOKABLE virtual void plot();

    // Writes the plot at its current size as a JPEG; false when there is no plot yet or
    // the file could not be written.
    bool saveCustomPlotJpg(const QString &fileName);
    // The report's picture: drawn for print at three times the plot's size, without the
    // hover read-out.
    Picture chartPicture() override;

    QCustomPlot *customPlot() const;
    // The last rendering of the plot; null until the first replot.
    QImage renderedImage() const { return m_image; }

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;
    bool event(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void hoverMoveEvent(QHoverEvent *event) override;

    virtual void forwardMouseEvent(QMouseEvent *event);
    virtual void forwardWheelEvent(QWheelEvent *event);

    // The theme's chart colours on the plot's backgrounds, axes, curves and texts; draws
    // nothing. A theme change redraws after it; the report's picture draws without a replot,
    // so what the screen shows stays as it is.
    virtual void applyThemeColours();
    // A theme change: the new colours, then this redraw; by default the chart re-reads the store.
    virtual void redrawAfterThemeChange();
    void onThemeChanged();

    // Creates the plot object without building it; false when one exists already.
    bool createPlot();
    // Coalesces replots into one per event-loop pass. A hidden item skips it: becoming
    // visible replots anyway.
    void queueReplot();

    OffscreenPlot *m_plot = nullptr;
    DataBuffer *m_dataBuffer = nullptr;

protected slots:
    void onCustomReplot();
    void updateCustomPlotSize();

private slots:
    void onResizeTimeout();
    void onVisibleChanged();

private:
    bool applyItemSizeToPlot();
    void resizeAndReplot();
    // An image of the given size to draw into, not shared with the scene.
    QImage &writableImage(const QSize &pixels, QImage::Format format, qreal ratio);

    QImage m_image;
    // The picture before m_image: the scene may still show it. Drawing into a picture the
    // scene shares would copy it first, so two take turns.
    QImage m_spareImage;
    bool m_imageChanged = false;
    QTimer *m_resizeTimer = nullptr;
    // Position, item size and axis key of the last hover move handed on; null outside the item.
    QRectF m_lastHover;
    double m_lastHoverKey = 0.0;
};
