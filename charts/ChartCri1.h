#pragma once
// CIE 13.3 special colour rendering indices R1-R15 as a radar: one spoke per index, the
// values joined into a closed polygon against a ring at 100, Ra written below.

#include "CustomPlotBaseItem.h"

#include <array>

class QCPCurve;
class QCPItemText;

class ChartCri1 : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    static constexpr int kIndices = 15;

    explicit ChartCri1(QQuickItem *parent = nullptr);

    void setupPlot() override;
    void plot() override;

protected:
    void applyThemeColours() override;

private:
    std::array<float, kIndices> m_indices{};
    QColor m_gridColour{52, 52, 52};
    std::array<QCPItemText *, kIndices + 1> m_labels{}; // R1-R15, then Ra
    QCPCurve *m_ring = nullptr;
    QCPCurve *m_spokes = nullptr;
    QCPCurve *m_values = nullptr;
};
