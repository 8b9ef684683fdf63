#include "ReportWriter.h"

#include "format/NumberText.h"
#include "format/OutsideText.h"
#include "output/Brand.h"
#include "output/ReportChartImages.h"
#include "output/ReportTexts.h"
#include "output/SaveService.h"
#include "store/DataBuffer.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QJsonObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

using ReportTexts::Text;

const QString kFontFamily = QStringLiteral("宋体");
// Where that family is not installed, a Song face of the same kind. The fallbacks for Han
// that fontconfig would pick (Noto CJK) draw the common ideographs with the glyphs of their
// Kangxi radicals, and a PDF's text map then names the radicals: the report would read
// back and search as other characters. This face keeps every character its own glyph.
const QString kSongFallback = QStringLiteral("AR PL UMing CN");
constexpr int kFontPointSize = 26;
// Song faces come in one weight; a bold is drawn for them from Bold up, not from DemiBold.
constexpr QFont::Weight kHeadingWeight = QFont::Bold;
constexpr int kPageBottomReserve = 100;
constexpr int kNewPageTop = 100;
constexpr int kInformationLineHeight = 60;
constexpr int kInformationRowAdvance = 100;
// Between the end of a left entry and the right column.
constexpr int kInformationColumnGap = 60;
constexpr int kGridImageSide = 817;
constexpr int kGridRowAdvance = 820;
constexpr int kTableColumns = 6;
constexpr int kTableRowHeight = 100;
constexpr int kLongCellLength = 10;
// The line boxes of the fonts that stand in for the report's family here are taller than
// the rectangles laid out for it; the rows are spaced wide enough to let the text out.
constexpr int kUnclipped = Qt::TextDontClip;

QFont songFont(int pointSize)
{
    QFont font(kFontFamily, pointSize);
    font.setFamilies({kFontFamily, kSongFallback});
    return font;
}

QFont reportFont(int pixelSize, QFont::Weight weight)
{
    QFont font = songFont(kFontPointSize);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// Height of the image drawn `targetWidth` wide with its aspect kept.
int heightAtWidth(const QImage &image, int targetWidth)
{
    return int(float(image.height()) * float(targetWidth) / float(image.width()));
}

struct GridRow {
    QString leftChart;
    QString rightChart;
    QString leftCaption;
    QString rightCaption;
};

} // namespace

QByteArray ReportWriter::document(ReportChartImages &charts, const DataBuffer &buffer, bool chinese,
                                  int saveType, const ReportFields &fields)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&out);
    pdf.setResolution(kResolutionDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kPageMarginPt, kPageMarginPt, kPageMarginPt, kPageMarginPt),
                                  QPageLayout::Point));
    QPainter painter;
    if (!painter.begin(&pdf))
        return {};
    ReportWriter(pdf, painter, charts, buffer, chinese).write(saveType, fields);
    if (!painter.end())
        return {};
    return out.data();
}

ReportWriter::ReportWriter(QPagedPaintDevice &device, QPainter &painter, ReportChartImages &charts,
                           const DataBuffer &buffer, bool chinese)
    : m_device(device),
      m_painter(painter),
      m_charts(charts),
      m_buffer(buffer),
      m_chinese(chinese),
      m_titleFont(reportFont(86, kHeadingWeight)),
      m_headingFont(reportFont(61, kHeadingWeight)),
      m_bodyFont(reportFont(61, QFont::Normal)),
      m_smallFont(reportFont(38, QFont::Normal))
{
}

int ReportWriter::width() const { return m_painter.viewport().width(); }
int ReportWriter::height() const { return m_painter.viewport().height(); }

void ReportWriter::write(int saveType, const ReportFields &fields)
{
    drawHead(fields);
    switch (saveType) {
    case SaveService::SAVE_SPECTRUM:
        drawChartImage(QStringLiteral("chartPureSpectrum"));
        break;
    case SaveService::SAVE_ABSORBANCE:
        drawChartImage(QStringLiteral("chartDualSpectrum"));
        drawChartImage(QStringLiteral("chartAbsorbance"));
        break;
    case SaveService::SAVE_TRANSMITTANCE:
        drawChartImage(QStringLiteral("chartDualSpectrum"));
        drawChartImage(QStringLiteral("chartTransmittance"));
        break;
    case SaveService::SAVE_REFLECTANCE:
        drawChartImage(QStringLiteral("chartDualSpectrum"));
        drawChartImage(QStringLiteral("chartReflectance"));
        break;
    case SaveService::SAVE_RAMAN:
        drawChartImage(QStringLiteral("chartRaman"));
        break;
    case SaveService::SAVE_PHOTOMETRIC:
        drawPhotometricPages();
        break;
    default:
        break;
    }
}

void ReportWriter::drawHead(const ReportFields &fields)
{
    const int w = width();
    m_painter.setFont(m_titleFont);
    m_painter.drawText(QRect(0, m_y, w, 100), Qt::AlignCenter | kUnclipped, ReportTexts::text(Text::Title, m_chinese));
    m_y += 140;
    drawDoubleRule();
    drawHeading(ReportTexts::text(Text::ExperimentInformation, m_chinese));

    m_painter.setFont(m_bodyFont);
    const auto label = [this](Text id, const QString &value) {
        return ReportTexts::text(id, m_chinese).arg(value);
    };
    const QString maker = QString::fromLatin1(Brand::kMakerName).toUpper();
    const double exposureMs = m_buffer.sourceExpoTime() / 1000.0; // the reported spectrum's own
    drawInformationRow(label(Text::SampleName, fields.sampleName), label(Text::SampleModel, fields.sampleModel));
    drawInformationRow(label(Text::SampleNumber, fields.sampleNumber), label(Text::Manufacturer, maker));
    drawInformationRow(label(Text::TestTime, fields.testTime), label(Text::Tester, fields.tester));
    drawInformationRow(label(Text::DeviceId, shownDeviceModel(ReportTexts::text(Text::DeviceId, m_chinese))),
                       ReportTexts::text(Text::IntegrationTime, m_chinese).arg(NumberText::general(exposureMs)));

    drawHeading(ReportTexts::text(Text::MeasurementParameters, m_chinese));
}

QString ReportWriter::shownDeviceModel(const QString &label) const
{
    // The device names itself: its name stays on one line of the left column, cut where
    // it would not fit, and cannot turn the label around it.
    const QFontMetricsF metrics(m_bodyFont, &m_device);
    const qreal room = leftColumnWidth() - metrics.horizontalAdvance(label.arg(QString()));
    const QString name = OutsideText::oneLine(m_buffer.deviceModel());
    return OutsideText::isolated(metrics.elidedText(name, Qt::ElideRight, std::max<qreal>(0, room)));
}

int ReportWriter::leftColumnWidth() const
{
    return width() / 2 - kInformationColumnGap;
}

void ReportWriter::drawInformationRow(const QString &left, const QString &right)
{
    // An entry of any length wraps within its own column: the left one ends short of the
    // right column, the right one at the printable edge. A row grows by what its wrapped
    // lines add, and one that would reach the foot of the page starts a new page.
    const int half = width() / 2;
    QRectF leftCell(100, m_y, leftColumnWidth(), kInformationLineHeight);
    QRectF rightCell(half + 100, m_y, half - 100, kInformationLineHeight);
    QTextOption wrapped(Qt::AlignLeft);
    wrapped.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QTextOption unwrapped(Qt::AlignLeft);
    unwrapped.setWrapMode(QTextOption::NoWrap);
    const auto heightOf = [this](const QRectF &cell, const QString &text, const QTextOption &option) {
        return int(std::ceil(m_painter.boundingRect(cell, text, option).height()));
    };
    const int textHeight = std::max(heightOf(leftCell, left, wrapped), heightOf(rightCell, right, wrapped));
    const int lineHeight = std::max(heightOf(leftCell, left, unwrapped), heightOf(rightCell, right, unwrapped));
    keepOnPage(textHeight);
    for (QRectF *cell : {&leftCell, &rightCell}) {
        cell->moveTop(m_y);
        cell->setHeight(std::max(textHeight, kInformationLineHeight));
    }
    m_painter.drawText(leftCell, left, wrapped);
    m_painter.drawText(rightCell, right, wrapped);
    m_y += kInformationRowAdvance + std::max(0, textHeight - lineHeight);
}

void ReportWriter::keepOnPage(int contentHeight)
{
    if (m_y + contentHeight > height() - kPageBottomReserve) {
        newPage();
        m_y = kNewPageTop;
    }
}

void ReportWriter::drawHeading(const QString &text)
{
    keepOnPage(80);
    m_painter.setFont(m_headingFont);
    m_painter.drawText(QRect(50, m_y, width(), 80), Qt::AlignLeft | Qt::AlignVCenter | kUnclipped, text);
    m_y += 120;
}

void ReportWriter::drawDoubleRule()
{
    m_painter.setPen(QPen(QColor(0, 0, 0, 255), 5, Qt::SolidLine));
    m_painter.drawLine(0, m_y, width(), m_y);
    m_painter.drawLine(0, m_y + 18, width(), m_y + 18);
    m_y += 60;
}

void ReportWriter::drawPageTitle()
{
    m_painter.setFont(m_bodyFont);
    m_painter.drawText(QRect(0, m_y, width(), 100), Qt::AlignLeft | kUnclipped,
                       ReportTexts::text(Text::PageTitle, m_chinese).arg(QLatin1String(Brand::kMakerName)));
    m_y += 120;
}

void ReportWriter::newPage()
{
    m_device.newPage();
}

void ReportWriter::drawChartImage(const QString &objectName)
{
    const QImage image = m_charts.load(objectName);
    if (image.isNull())
        return;
    const int scaledWidth = width() - 2 * m_margin;
    const int scaledHeight = heightAtWidth(image, scaledWidth);
    keepOnPage(scaledHeight);
    m_painter.drawImage(QRect(m_margin, m_y, scaledWidth, scaledHeight), image);
    m_y += scaledHeight + 100;
}

void ReportWriter::drawPhotometricPages()
{
    drawChartImage(QStringLiteral("chartSpectrogram"));
    if (m_buffer.deviceModel().startsWith(QLatin1Char('T')))
        return;

    QStringList cells;
    const QList<QJsonObject> &items = m_buffer.lastResultItems();
    for (const QJsonObject &item : items) {
        const QJsonValue visible = item.value(QStringLiteral("visible"));
        if (visible.isBool() && visible.toBool())
            cells << item.value(QStringLiteral("key")).toString() << item.value(QStringLiteral("value")).toString();
    }
    const int itemCount = int(items.size());

    newPage();
    m_y = 30;
    drawPageTitle();
    drawParameterTable(m_y, 0, (itemCount + 2) / 3, kTableColumns, kTableRowHeight, m_smallFont, cells);

    newPage();
    m_y = 30;
    drawPageTitle();
    drawDoubleRule();
    m_margin = 30;
    m_painter.setFont(m_smallFont);
    drawColourChartGrid();
}

void ReportWriter::drawColourChartGrid()
{
    const bool flicker = m_buffer.hasFlicker() != 0;
    const GridRow rows[] = {
        {QStringLiteral("chartCie1931"), QStringLiteral("chartCie1960"), QStringLiteral("CIE 1931"),
         QStringLiteral("CIE 1960")},
        {QStringLiteral("chartCie1976"), QStringLiteral("chartCri1"), QStringLiteral("CIE 1976"),
         QStringLiteral("CRI 1")},
        {QStringLiteral("chartCri2"), flicker ? QStringLiteral("chartFlicker") : QString(),
         QStringLiteral("CRI 2"), flicker ? QStringLiteral("Flicker") : QString()},
    };
    // Reports of "Y" models hold the CIE 1931 picture alone.
    const bool onlyFirst = m_buffer.deviceModel().startsWith(QLatin1Char('Y'));
    const int w = width();
    const auto drawSquare = [this](const QString &objectName, int x) {
        const QImage image = m_charts.load(objectName);
        if (image.isNull())
            return;
        // Kept in proportion and centred in its square: a stretched diagram would misplace
        // every colour.
        const QSize fitted = image.size().scaled(kGridImageSide, kGridImageSide, Qt::KeepAspectRatio);
        m_painter.drawImage(QRect(QPoint(x + (kGridImageSide - fitted.width()) / 2,
                                         m_y + (kGridImageSide - fitted.height()) / 2),
                                  fitted),
                            image);
    };
    for (const GridRow &row : rows) {
        drawSquare(row.leftChart, m_margin);
        if (onlyFirst)
            return;
        if (!row.rightChart.isEmpty())
            drawSquare(row.rightChart, w / 2);
        m_y += kGridRowAdvance;
        m_painter.drawText(QRect(m_margin, m_y, kGridImageSide, 60),
                           Qt::AlignHCenter | Qt::AlignTop | Qt::AlignVCenter | kUnclipped, row.leftCaption);
        if (!row.rightCaption.isEmpty())
            m_painter.drawText(QRect(w / 2 + 100, m_y, kGridImageSide, 60),
                               Qt::AlignHCenter | Qt::AlignBottom | Qt::AlignVCenter | kUnclipped,
                               row.rightCaption);
        m_y += 100;
    }
}

void ReportWriter::drawParameterTable(int y, int x, int rows, int cols, int rowHeight, const QFont &font,
                                      const QStringList &cells)
{
    if (cols <= 0)
        return;
    const int cellWidth = (width() - 2 * x) / cols;
    QFont tinyFont = songFont(5);
    tinyFont.setWeight(QFont::Normal);
    m_painter.setPen(QPen(QColor(0, 0, 0, 255), 2, Qt::SolidLine));
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const int i = row * cols + col;
            const QString text = i < cells.size() ? cells.at(i) : QString();
            const QRect cell(x + col * cellWidth, y + row * rowHeight, cellWidth, rowHeight);
            const bool tiny = row == 0 && col == cols - 1 && text.size() > kLongCellLength;
            m_painter.setFont(tiny ? tinyFont : font);
            m_painter.drawRect(cell);
            m_painter.drawText(cell, Qt::AlignHCenter | Qt::AlignVCenter, text);
        }
    }
}
