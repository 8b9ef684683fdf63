#pragma once
// Source and reference spectra on one plot for the ratio pages, with a read-out of both
// at the hovered wavelength. Draws only while visible.

#include "CustomPlotBaseItem.h"

class QCPGraph;
class QCPItemText;
class QCPItemTracer;

class ChartDualSpectrum : public CustomPlotBaseItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString tipTemplate READ tipTemplate WRITE setTipTemplate NOTIFY tipTemplateChanged)

public:
    explicit ChartDualSpectrum(QQuickItem *parent = nullptr);

    QString tipTemplate() const { return m_tipTemplate; }
    void setTipTemplate(const QString &tipTemplate);

    Q_INVOKABLE void cleanState();
    void setupPlot() override;
    void plot() override;

signals:
    void tipTemplateChanged();

protected:
    void applyThemeColours() override;
    void hoverMoveEvent(QHoverEvent *event) override;

private slots:
    void showTextTip();
    void updateGradientBrush();
    void onShown();
    void onDeviceModelChanged();

private:
    // "T" models draw both curves as lines; others fill the source and line the reference.
    void applyModelPens();

    QCPItemTracer *m_sourceTracer = nullptr;
    QCPItemTracer *m_referenceTracer = nullptr;
    QCPItemText *m_tipText = nullptr;
    QCPItemText *m_secondTipText = nullptr;
    QCPGraph *m_sourceGraph = nullptr;
    QCPGraph *m_referenceGraph = nullptr;
    double m_hoverKey = 0.0;
    QString m_tipTemplate;
};
