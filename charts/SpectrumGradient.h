#pragma once
// The colours of the visible spectrum, painted under a spectrum curve.

#include <QBrush>

class QCPAxis;

// A horizontal gradient in the plot's pixels from 380 to 780 nm on axis: black beyond both
// ends, a solid black brush when the axis range misses the band, no brush without an axis.
QBrush spectrumGradientBrush(QCPAxis *axis, int alpha);
