#pragma once
// One bar per TM-30 hue bin, in the bin's colour, with its value written above it: the
// common layout of the local chroma-shift and local fidelity charts.

#include "CustomPlotBaseItem.h"

#include <QList>

struct ColorRenditionResult;
class DeferredRefresh;
class QCPBars;
class QCPItemText;

class HueBinBarChart : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    static constexpr int kBins = 16;

    struct Layout {
        double yMin;
        double yMax;
        double barWidth; // 0: the plotting library's default
        double labelOffset;
        bool clearInteractions;
        // The 16 values of the bins, bin 1 first.
        const float *(*values)(const ColorRenditionResult &);
    };

    HueBinBarChart(const Layout &layout, QQuickItem *parent);

    void setupPlot() override;
    void plot() override;

    // The bin colours, bin 1 first.
    static QColor binColour(int bin);

protected:
    void applyThemeColours() override;
    void redrawAfterThemeChange() override;

private:
    const Layout m_layout;
    QList<QCPBars *> m_bars;
    QList<QCPItemText *> m_labels;
    DeferredRefresh *m_refresh = nullptr;
};
