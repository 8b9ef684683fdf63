#pragma once
// A plot that is never shown: it hands out what its last replot drew, so a chart item
// can put it on screen without drawing every layer a second time.

#include <qcustomplot.h>

static_assert(QCUSTOMPLOT_VERSION >= 0x020100, "QCustomPlot 2.1 or later is required");

class PlotImageBuffer;

class OffscreenPlot : public QCustomPlot
{
    Q_OBJECT
public:
    explicit OffscreenPlot(QWidget *parent = nullptr);

    // Draws the plot at its own size onto painter, whose device has the given pixel ratio.
    // Uses the buffers of the last replot when they match that ratio and the viewport,
    // else draws everything afresh.
    void renderTo(QCPPainter *painter, double devicePixelRatio);

    // The whole picture of the last replot, shared rather than copied, when one opaque
    // buffer holds all of it at the given ratio; null otherwise.
    QImage finishedPicture(double devicePixelRatio) const;

    // True when the plot's background covers every pixel, so a rendering has no
    // transparent parts.
    bool hasOpaqueBackground() const;

private:
    friend class PlotImageBuffer;
    bool buffersCurrent(double devicePixelRatio) const;
    QColor opaqueBackgroundColor() const;

    QSharedPointer<PlotImageBuffer> m_bottomBuffer;
};
