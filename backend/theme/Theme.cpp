#include "Theme.h"

#include <QMutex>
#include <QPointer>
#include <qcustomplot.h>

static_assert(QCUSTOMPLOT_VERSION >= 0x020100, "needs the Qt 6 build of QCustomPlot 2.1");

Theme *Theme::instance(QObject *parent)
{
    static QBasicMutex mutex;
    static QPointer<Theme> theme;
    const QMutexLocker lock(&mutex);
    if (!theme)
        theme = new Theme(parent);
    return theme;
}

Theme::Theme(QObject *parent) : QObject(parent) {}

QColor Theme::pick(QRgb light, QRgb dark) const
{
    return QColor::fromRgb(isDark() ? dark : light); // QRgb alpha is ignored: opaque
}

#define THEME_COLOUR(name, light, dark) \
    QColor Theme::name() const { return pick(light, dark); }

THEME_COLOUR(primary, 0x2196F3, 0x2196F3)
THEME_COLOUR(secondary, 0xFFFFFF, 0xDEE0E3)
THEME_COLOUR(background, 0xF7F7F8, 0x1F2228)
THEME_COLOUR(buttonBackgroundHove, 0x0066CC, 0x3388FF)
THEME_COLOUR(inputBackgroundColor, 0xFFFFFF, 0x2B3037)
THEME_COLOUR(inputBorderColor, 0xC8CAD0, 0x464A53)
THEME_COLOUR(buttonBackgroundColor1, 0x007AFF, 0x007AFF)
THEME_COLOUR(buttonBackgroundColor2, 0xFFFFFF, 0x464A53)
THEME_COLOUR(buttonBackgroundColorError, 0xFF3B30, 0xFF3B30)
THEME_COLOUR(buttonTextColor1, 0x1F2228, 0xFFFFFF)
THEME_COLOUR(buttonTextColor2, 0xFFFFFF, 0xFFFFFF)
THEME_COLOUR(buttonBorderColor1, 0xC8CAD0, 0x464A53)
THEME_COLOUR(buttonBorderColor2, 0x7E869A, 0xDEE0E3)
THEME_COLOUR(buttonBorderColor3, 0xE9EAEC, 0x33363E)
THEME_COLOUR(buttonDisEnable, 0xCBCAD0, 0x464A53)
THEME_COLOUR(menuItmeBackground, 0xF7F7F8, 0x1F2228)
THEME_COLOUR(menuItmeDownBackground, 0xDEE0E3, 0x464A53)
THEME_COLOUR(menuItmeDownBackground2, 0xFFFFFF, 0xDEE0E3)
THEME_COLOUR(menuItmeDownBackground3, 0xFFFFFF, 0x717684)
THEME_COLOUR(dataTableBackground, 0xE9EAEC, 0x33363E)
THEME_COLOUR(dataTableItem1, 0xF7F7F8, 0x464A53)
THEME_COLOUR(dataTableItem2, 0xEBEBEC, 0x434750)
THEME_COLOUR(dataTableBorder, 0xDEE0E3, 0x33363E)
THEME_COLOUR(dataTableLabel, 0x1B1B1B, 0xC8CAD0)
THEME_COLOUR(dataTableText, 0x666666, 0x7E869A)
THEME_COLOUR(dataTableTitleText, 0x000000, 0xFFFFFF)
THEME_COLOUR(surface, 0xFFFFFF, 0x464A53)
THEME_COLOUR(text, 0x212121, 0xFFFFFF)
THEME_COLOUR(textSecondary, 0x757575, 0x7E869A)
THEME_COLOUR(border, 0xE0E0E0, 0x464A53)
THEME_COLOUR(success, 0x4CAF50, 0x66BB6A)
THEME_COLOUR(warning, 0xFF9800, 0xFFB74D)
THEME_COLOUR(error, 0xF44336, 0xEF5350)

#undef THEME_COLOUR

QColor Theme::chartTextColor() { return instance()->pickForCharts(qRgb(52, 52, 52), qRgb(200, 200, 200)); }
QColor Theme::chartGridColor() { return instance()->pickForCharts(qRgb(136, 136, 136), qRgb(158, 162, 173)); }
QColor Theme::chartBackgroundColor() { return instance()->pickForCharts(qRgb(247, 247, 248), qRgb(70, 74, 83)); }
QColor Theme::chartAccentColor() { return instance()->pickForCharts(qRgb(255, 87, 51), qRgb(255, 87, 51)); }
QColor Theme::chartGreenColor() { return instance()->pickForCharts(qRgb(34, 139, 34), qRgb(76, 217, 100)); }

QColor Theme::pickForCharts(QRgb light, QRgb dark) const
{
    return QColor::fromRgb(chartsDark() ? dark : light);
}

Theme::LightChartsScope::LightChartsScope()
{
    Theme *theme = instance();
    m_active = !theme->m_lightCharts;
    theme->m_lightCharts = true;
}

Theme::LightChartsScope::~LightChartsScope()
{
    if (m_active)
        instance()->m_lightCharts = false;
}

QPen Theme::chartTextPen()
{
    return QPen(QBrush(chartTextColor()), 3, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

void Theme::switchTheme(const QString &theme)
{
    if (theme == m_themeName)
        return;
    m_themeName = theme;
    if (theme == QLatin1String("dark"))
        m_currentTheme = DarkTheme;
    else if (theme == QLatin1String("light"))
        m_currentTheme = LightTheme;
    // Also emitted when only the name changed: listeners simply restyle.
    emit themeChanged(ThemeType(m_currentTheme));
}

void Theme::applyChartStyle(QCustomPlot *plot)
{
    if (!plot)
        return;
    const QColor background = chartBackgroundColor();
    const QColor grid = chartGridColor();
    plot->setBackground(QBrush(background));
    if (plot->axisRectCount() == 0)
        return;
    QCPAxisRect *rect = plot->axisRect(0);
    rect->setBackground(QBrush(background));

    const QPen pen(QBrush(grid), 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    // Asking for a missing axis would log; a plot may have removed one.
    QCPAxis *bottom = rect->axisCount(QCPAxis::atBottom) > 0 ? rect->axis(QCPAxis::atBottom) : nullptr;
    QCPAxis *left = rect->axisCount(QCPAxis::atLeft) > 0 ? rect->axis(QCPAxis::atLeft) : nullptr;
    for (QCPAxis *axis : {bottom, left}) {
        if (!axis)
            continue;
        axis->setBasePen(pen);
        axis->setTickPen(pen);
        axis->setSubTickPen(pen);
        axis->setTickLabelColor(grid);
    }
    for (QCPAxis *axis : {left, bottom}) {
        if (axis)
            axis->setLabelColor(grid);
    }
}
