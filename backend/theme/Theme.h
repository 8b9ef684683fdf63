#pragma once
// The light and dark palettes, offered to QML as "theme" and to the chart items.

#include <QColor>
#include <QObject>
#include <QPen>
#include <QString>

class QCustomPlot;

class Theme : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int currentTheme READ currentTheme NOTIFY themeChanged)
    Q_PROPERTY(QColor primary READ primary NOTIFY themeChanged)
    Q_PROPERTY(QColor secondary READ secondary NOTIFY themeChanged)
    Q_PROPERTY(QColor background READ background NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonBackgroundHove READ buttonBackgroundHove NOTIFY themeChanged)
    Q_PROPERTY(QColor inputBackgroundColor READ inputBackgroundColor NOTIFY themeChanged)
    Q_PROPERTY(QColor inputBorderColor READ inputBorderColor NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonBackgroundColor1 READ buttonBackgroundColor1 NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonBackgroundColor2 READ buttonBackgroundColor2 NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonBackgroundColorError READ buttonBackgroundColorError NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonTextColor1 READ buttonTextColor1 NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonTextColor2 READ buttonTextColor2 NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonBorderColor1 READ buttonBorderColor1 NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonBorderColor2 READ buttonBorderColor2 NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonBorderColor3 READ buttonBorderColor3 NOTIFY themeChanged)
    Q_PROPERTY(QColor buttonDisEnable READ buttonDisEnable NOTIFY themeChanged)
    Q_PROPERTY(QColor menuItmeBackground READ menuItmeBackground NOTIFY themeChanged)
    Q_PROPERTY(QColor menuItmeDownBackground READ menuItmeDownBackground NOTIFY themeChanged)
    Q_PROPERTY(QColor menuItmeDownBackground2 READ menuItmeDownBackground2 NOTIFY themeChanged)
    Q_PROPERTY(QColor menuItmeDownBackground3 READ menuItmeDownBackground3 NOTIFY themeChanged)
    Q_PROPERTY(QColor dataTableBackground READ dataTableBackground NOTIFY themeChanged)
    Q_PROPERTY(QColor dataTableItem1 READ dataTableItem1 NOTIFY themeChanged)
    Q_PROPERTY(QColor dataTableItem2 READ dataTableItem2 NOTIFY themeChanged)
    Q_PROPERTY(QColor dataTableBorder READ dataTableBorder NOTIFY themeChanged)
    Q_PROPERTY(QColor dataTableLabel READ dataTableLabel NOTIFY themeChanged)
    Q_PROPERTY(QColor dataTableText READ dataTableText NOTIFY themeChanged)
    Q_PROPERTY(QColor dataTableTitleText READ dataTableTitleText NOTIFY themeChanged)
    Q_PROPERTY(QColor surface READ surface NOTIFY themeChanged)
    Q_PROPERTY(QColor text READ text NOTIFY themeChanged)
    Q_PROPERTY(QColor textSecondary READ textSecondary NOTIFY themeChanged)
    Q_PROPERTY(QColor border READ border NOTIFY themeChanged)
    Q_PROPERTY(QColor success READ success NOTIFY themeChanged)
    Q_PROPERTY(QColor warning READ warning NOTIFY themeChanged)
    Q_PROPERTY(QColor error READ error NOTIFY themeChanged)

public:
    enum ThemeType { LightTheme = 0, DarkTheme = 1 };
    Q_ENUM(ThemeType)

    // Created on the first call with that parent; later calls return it. Should the
    // parent have destroyed it, the next call creates a fresh one.
    static Theme *instance(QObject *parent = nullptr);

    int currentTheme() const { return m_currentTheme; }

    QColor primary() const;
    QColor secondary() const;
    QColor background() const;
    QColor buttonBackgroundHove() const;
    QColor inputBackgroundColor() const;
    QColor inputBorderColor() const;
    QColor buttonBackgroundColor1() const;
    QColor buttonBackgroundColor2() const;
    QColor buttonBackgroundColorError() const;
    QColor buttonTextColor1() const;
    QColor buttonTextColor2() const;
    QColor buttonBorderColor1() const;
    QColor buttonBorderColor2() const;
    QColor buttonBorderColor3() const;
    QColor buttonDisEnable() const;
    QColor menuItmeBackground() const;
    QColor menuItmeDownBackground() const;
    QColor menuItmeDownBackground2() const;
    QColor menuItmeDownBackground3() const;
    QColor dataTableBackground() const;
    QColor dataTableItem1() const;
    QColor dataTableItem2() const;
    QColor dataTableBorder() const;
    QColor dataTableLabel() const;
    QColor dataTableText() const;
    QColor dataTableTitleText() const;
    QColor surface() const;
    QColor text() const;
    QColor textSecondary() const;
    QColor border() const;
    QColor success() const;
    QColor warning() const;
    QColor error() const;

    // While one lives, the chart colours are the light palette's whatever the screen shows,
    // so that a report prints on white paper. Nothing is told: the chart that prints picks
    // its colours inside the scope and again after it.
    class LightChartsScope
    {
    public:
        LightChartsScope();
        ~LightChartsScope();
        LightChartsScope(const LightChartsScope &) = delete;
        LightChartsScope &operator=(const LightChartsScope &) = delete;

    private:
        bool m_active = false;
    };

    // The charts are drawn in the dark palette.
    bool chartsDark() const { return isDark() && !m_lightCharts; }

    // Chart colours of the current theme.
    static QColor chartTextColor();
    static QColor chartGridColor();
    static QColor chartBackgroundColor();
    static QColor chartAccentColor();
    static QColor chartGreenColor();
    static QPen chartTextPen();

    // Backgrounds, axis pens and label colours of a plot; a null plot is ignored.
    static void applyChartStyle(QCustomPlot *plot);

public slots:
    void switchTheme(const QString &theme);

signals:
    void themeChanged(Theme::ThemeType theme);

private:
    explicit Theme(QObject *parent);
    bool isDark() const { return m_currentTheme == DarkTheme; }
    QColor pick(QRgb light, QRgb dark) const;
    QColor pickForCharts(QRgb light, QRgb dark) const;

    int m_currentTheme = LightTheme;
    QString m_themeName = QStringLiteral("light");
    bool m_lightCharts = false;
};
