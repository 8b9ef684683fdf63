#pragma once
// The chromaticity of the latest measurement marked on a CIE diagram: the diagram's
// picture stretched over the axis ranges, a reference curve across it, the point and its
// coordinates as text.

#include "CustomPlotBaseItem.h"

#include <QList>
#include <QPen>
#include <QPointF>
#include <qcustomplot.h>

class CieDiagramChart : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ANONYMOUS

public:
    struct Layout {
        QString image;
        double xMax;
        double yMax;
        int firstWord; // the coordinates' words of the photometric result
        int secondWord;
        QString firstPrefix;
        QString secondPrefix;
        QList<QPointF> referenceCurve;
        QPen referencePen; // Qt::NoPen: the plotting library's default graph pen
        double referenceScatterSize;
        QCPScatterStyle pointStyle;
    };

    CieDiagramChart(Layout layout, QQuickItem *parent);

    void setupPlot() override;
    void plot() override;
    void updatePoint(float first, float second);

protected:
    void applyThemeColours() override;

private:
    const Layout m_layout;
    QCPItemPixmap *m_background = nullptr;
    QCPItemText *m_label = nullptr;
    QCPGraph *m_reference = nullptr;
    QCPGraph *m_point = nullptr;
    float m_first = 0.0f;
    float m_second = 0.0f;
};
