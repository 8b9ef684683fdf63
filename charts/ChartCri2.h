#pragma once
// CIE 13.3 colour rendering indices as horizontal bars, R1 at the bottom and Ra at the
// top, each value written left of the bar's base.

#include "CustomPlotBaseItem.h"

#include <array>

class QCPBars;
class QCPItemText;

class ChartCri2 : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    static constexpr int kIndices = 15;

    explicit ChartCri2(QQuickItem *parent = nullptr);

    void setupPlot() override;
    void plot() override;

protected:
    void applyThemeColours() override;

private:
    void showBar(int bar, float value);

    std::array<QCPBars *, kIndices + 1> m_bars{}; // R1-R15, then Ra
    std::array<QCPItemText *, kIndices + 1> m_labels{};
    std::array<float, kIndices> m_indices{};
    QColor m_labelColour{52, 52, 52};
};
