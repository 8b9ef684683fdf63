#pragma once
// Small pieces of style that several chart types share.

#include "theme/Theme.h"

#include <qcustomplot.h>

namespace ChartStyle {

// The grey of grids and secondary lines: light on the dark theme, dark on the light one.
inline QColor themeGrey()
{
    return Theme::instance(nullptr)->chartsDark() ? QColor(200, 200, 200, 255) : QColor(52, 52, 52, 255);
}

// The arrow at the upper end of an axis.
inline QCPLineEnding axisArrow()
{
    return QCPLineEnding(QCPLineEnding::esSpikeArrow, 8, 10, false);
}

} // namespace ChartStyle
