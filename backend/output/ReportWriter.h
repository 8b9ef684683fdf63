#pragma once
// Draws the test report onto an A4 PDF device: title block, the experiment information of
// the report dialog, the chart pictures of the save type and, for photometric reports, the
// result table and the page of colour charts. Coordinates are device pixels at 300 dpi.

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

class DataBuffer;
class QPagedPaintDevice;
class QPainter;
class ReportChartImages;

struct ReportFields {
    QString sampleNumber;
    QString sampleModel;
    QString tester;
    QString testTime;
    QString sampleName;
};

class ReportWriter
{
public:
    static constexpr int kResolutionDpi = 300;
    static constexpr double kPageMarginPt = 40.0;

    // The whole report as an A4 PDF at 300 dpi with 40 pt margins, made in memory so that
    // its file can be written whole or not at all; empty when it could not be painted.
    static QByteArray document(ReportChartImages &charts, const DataBuffer &buffer, bool chinese,
                               int saveType, const ReportFields &fields);

    ReportWriter(QPagedPaintDevice &device, QPainter &painter, ReportChartImages &charts,
                 const DataBuffer &buffer, bool chinese);

    // `saveType` is a SaveService::SaveType; an unknown one gives the head alone.
    void write(int saveType, const ReportFields &fields);

    // Grid of rows x cols cells of `rowHeight` from (x, y), centred texts, empty cells
    // past the end of `cells`. A long last cell of the first row is set very small.
    void drawParameterTable(int y, int x, int rows, int cols, int rowHeight, const QFont &font,
                            const QStringList &cells);

private:
    void drawHead(const ReportFields &fields);
    void drawInformationRow(const QString &left, const QString &right);
    // The device's name as the row labelled `label` (with its %1) shows it in the body font.
    QString shownDeviceModel(const QString &label) const;
    int leftColumnWidth() const;
    void drawHeading(const QString &text);
    // A new page when `contentHeight` from the current line would reach the page's foot.
    void keepOnPage(int contentHeight);
    void drawDoubleRule();
    void drawPageTitle();
    // Full width within the margin, aspect kept; on a new page when it would reach the
    // bottom. A missing chart takes no space.
    void drawChartImage(const QString &objectName);
    void drawPhotometricPages();
    void drawColourChartGrid();
    void newPage();

    int width() const;
    int height() const;

    QPagedPaintDevice &m_device;
    QPainter &m_painter;
    ReportChartImages &m_charts;
    const DataBuffer &m_buffer;
    const bool m_chinese;
    int m_y = 10;
    int m_margin = 240;
    QFont m_titleFont;
    QFont m_headingFont;
    QFont m_bodyFont;
    QFont m_smallFont;
};
