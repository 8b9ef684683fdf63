#pragma once
// What the chart items share: the hover read-out (a square marker on a curve and a small
// text box that hangs beside it, flipping left in the right tenth of the x range and up in
// the bottom tenth of the y range), the axes of the spectrum-like charts, curve data and
// the model test.

#include <QList>
#include <QString>

class QCPGraph;
class QCPItemText;
class QCPItemTracer;
class QCustomPlot;

namespace ChartHoverTip {

QCPItemTracer *createTracer(QCustomPlot *plot, QCPGraph *graph);
// A visible tracer draws itself from its graph: hidden while that graph is empty.
void hideTracersWithoutData(QCustomPlot *plot);
QCPItemText *createText(QCustomPlot *plot);

// Moves the tracer to key on its graph (interpolated; outside the data to the nearest end).
void moveTracer(QCPItemTracer *tracer, double key);

// Hangs text on anchor's position, aligned against the plot's current ranges by the point
// (key, value).
void place(QCPItemText *text, const QCPItemTracer *anchor, double key, double value);

// "wavelength\nvalue": the whole key, then the value to three significant digits.
QString keyValueText(double key, double value);

enum class NaNTip { Show, Hide };
// The read-out of one curve at key: marker and "key\nvalue" box, both hidden when the curve
// has no data (or, if asked, where its value is NaN).
void showOnCurve(QCPItemTracer *tracer, QCPItemText *text, QCPGraph *curve, double key, NaNTip nan);

} // namespace ChartHoverTip

// Axes of the spectrum-like charts: the x label, drag, zoom and selection, y tick labels
// inside the axis rectangle.
void setupChartAxes(QCustomPlot *plot, const QString &xLabel);

// Sets a curve's points; an empty list of values (no spectrum yet) empties it.
void setCurveData(QCPGraph *graph, const QList<double> &keys, const QList<double> &values);

class DataBuffer;
// Models whose name begins with a capital "T" count photons and show no spectrum colours.
bool isTModel(const DataBuffer *buffer);
