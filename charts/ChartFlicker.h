#pragma once
// The last flicker waveform over time, scaled to a peak of 1, with the flicker quantities
// and the gain as text. The one chart the user may drag and zoom.

#include "CustomPlotBaseItem.h"

#include <QList>

class QCPGraph;
class QCPItemText;

class ChartFlicker : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit ChartFlicker(QQuickItem *parent = nullptr);

    void setupPlot() override;
    void plot() override;

    // "x1", "x10", "x100", and "x1000" for any other gain code.
    static QString gainText(int gainValue);

protected:
    void applyThemeColours() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The read-out in the current language, from the store's flicker quantities; draws nothing.
    void applyTexts();

    QCPGraph *m_waveform = nullptr;
    QCPItemText *m_text = nullptr;
    QList<double> m_scaled;
};
