// Theme switching, palette values, chart colours and the chart style.
#include "theme/Theme.h"

#include <QMetaProperty>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>
#include <qcustomplot.h>

namespace {

// Name, light, dark; in property order as QML sees it.
const char *const kPalette[][3] = {
    {"primary", "#2196f3", "#2196f3"}, {"secondary", "#ffffff", "#dee0e3"},
    {"background", "#f7f7f8", "#1f2228"}, {"buttonBackgroundHove", "#0066cc", "#3388ff"},
    {"inputBackgroundColor", "#ffffff", "#2b3037"}, {"inputBorderColor", "#c8cad0", "#464a53"},
    {"buttonBackgroundColor1", "#007aff", "#007aff"}, {"buttonBackgroundColor2", "#ffffff", "#464a53"},
    {"buttonBackgroundColorError", "#ff3b30", "#ff3b30"}, {"buttonTextColor1", "#1f2228", "#ffffff"},
    {"buttonTextColor2", "#ffffff", "#ffffff"}, {"buttonBorderColor1", "#c8cad0", "#464a53"},
    {"buttonBorderColor2", "#7e869a", "#dee0e3"}, {"buttonBorderColor3", "#e9eaec", "#33363e"},
    {"buttonDisEnable", "#cbcad0", "#464a53"}, {"menuItmeBackground", "#f7f7f8", "#1f2228"},
    {"menuItmeDownBackground", "#dee0e3", "#464a53"}, {"menuItmeDownBackground2", "#ffffff", "#dee0e3"},
    {"menuItmeDownBackground3", "#ffffff", "#717684"}, {"dataTableBackground", "#e9eaec", "#33363e"},
    {"dataTableItem1", "#f7f7f8", "#464a53"}, {"dataTableItem2", "#ebebec", "#434750"},
    {"dataTableBorder", "#dee0e3", "#33363e"}, {"dataTableLabel", "#1b1b1b", "#c8cad0"},
    {"dataTableText", "#666666", "#7e869a"}, {"dataTableTitleText", "#000000", "#ffffff"},
    {"surface", "#ffffff", "#464a53"}, {"text", "#212121", "#ffffff"},
    {"textSecondary", "#757575", "#7e869a"}, {"border", "#e0e0e0", "#464a53"},
    {"success", "#4caf50", "#66bb6a"}, {"warning", "#ff9800", "#ffb74d"},
    {"error", "#f44336", "#ef5350"},
};

void comparePalette(const Theme *theme, bool dark)
{
    for (const auto &entry : kPalette) {
        const QColor colour = theme->property(entry[0]).value<QColor>();
        QVERIFY2(colour.isValid() && colour.alpha() == 255, entry[0]);
        QVERIFY2(colour.name() == QLatin1String(entry[dark ? 2 : 1]),
                 qPrintable(QString("%1 is %2").arg(entry[0], colour.name())));
    }
}

QPen pen(int width, const QColor &colour)
{
    return QPen(QBrush(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

class TestTheme : public QObject
{
    Q_OBJECT
    QObject *m_owner = new QObject(this);
    Theme *m_theme = nullptr;

private slots:
    void initTestCase()
    {
        m_theme = Theme::instance(m_owner);
        QCOMPARE(m_theme->parent(), m_owner);
        QCOMPARE(Theme::instance(this), m_theme); // later calls ignore the parent
        QCOMPARE(m_theme->parent(), m_owner);
    }

    void cleanup()
    {
        if (m_theme)
            m_theme->switchTheme("light");
    }

    void switchingEmitsOncePerRealChange()
    {
        QCOMPARE(m_theme->currentTheme(), int(Theme::LightTheme));
        comparePalette(m_theme, false);
        QSignalSpy spy(m_theme, &Theme::themeChanged);
        m_theme->switchTheme("light");
        QCOMPARE(spy.count(), 0);

        m_theme->switchTheme("dark");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<Theme::ThemeType>(), Theme::DarkTheme);
        QCOMPARE(m_theme->property("currentTheme").toInt(), 1);
        comparePalette(m_theme, true);
        m_theme->switchTheme("dark");
        QCOMPARE(spy.count(), 1);

        // Another name keeps the type but still counts as a change of name.
        m_theme->switchTheme("Dark");
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).value<Theme::ThemeType>(), Theme::DarkTheme);
        m_theme->switchTheme("Dark");
        QCOMPARE(spy.count(), 2);

        m_theme->switchTheme("light");
        QCOMPARE(spy.count(), 3);
        QCOMPARE(spy.at(2).at(0).value<Theme::ThemeType>(), Theme::LightTheme);
        comparePalette(m_theme, false);
    }

    void propertiesAreReadOnlyAndNotifyThemeChanged()
    {
        const QMetaObject *meta = m_theme->metaObject();
        const int first = meta->propertyOffset();
        QCOMPARE(meta->propertyCount() - first, 1 + int(std::size(kPalette)));
        QCOMPARE(QByteArray(meta->property(first).name()), QByteArray("currentTheme"));
        for (int i = 0; i < int(std::size(kPalette)); ++i) {
            const QMetaProperty property = meta->property(first + 1 + i);
            QCOMPARE(QByteArray(property.name()), QByteArray(kPalette[i][0]));
            QVERIFY(!property.isWritable());
            QCOMPARE(property.notifySignal().name(), QByteArray("themeChanged"));
        }
    }

    void chartStyleFollowsTheTheme()
    {
        QCOMPARE(Theme::chartTextPen(), pen(3, QColor(52, 52, 52)));
        QCOMPARE(Theme::chartGreenColor(), QColor(34, 139, 34));
        m_theme->switchTheme("dark");
        QCOMPARE(Theme::chartTextPen(), pen(3, QColor(200, 200, 200)));
        QCOMPARE(Theme::chartAccentColor(), QColor(255, 87, 51));
        QCOMPARE(Theme::chartGreenColor(), QColor(76, 217, 100));

        QCustomPlot plot;
        plot.resize(200, 150);
        Theme::applyChartStyle(&plot);
        const QColor grid(158, 162, 173), background(70, 74, 83);
        QCOMPARE(plot.axisRect()->backgroundBrush(), QBrush(background));
        // The plot's own background is only observable in the rendered image.
        QCOMPARE(QColor(plot.toPixmap(200, 150).toImage().pixel(1, 1)), background);
        for (QCPAxis *axis : {plot.xAxis, plot.yAxis}) {
            QCOMPARE(axis->basePen(), pen(1, grid));
            QCOMPARE(axis->tickPen(), pen(1, grid));
            QCOMPARE(axis->subTickPen(), pen(1, grid));
            QCOMPARE(axis->tickLabelColor(), grid);
            QCOMPARE(axis->labelColor(), grid);
        }
        // The secondary axes keep their own style.
        QVERIFY(plot.xAxis2->basePen() != pen(1, grid));

        m_theme->switchTheme("light");
        Theme::applyChartStyle(&plot);
        QCOMPARE(plot.xAxis->tickLabelColor(), QColor(136, 136, 136));
        QCOMPARE(plot.axisRect()->backgroundBrush(), QBrush(QColor(247, 247, 248)));
    }

    void chartStyleToleratesNullAndBarePlots()
    {
        Theme::applyChartStyle(nullptr);
        QCustomPlot bare;
        bare.plotLayout()->clear(); // no axis rect at all
        Theme::applyChartStyle(&bare);
        QCOMPARE(bare.axisRectCount(), 0);
        QCustomPlot noLeft;
        noLeft.axisRect()->removeAxis(noLeft.yAxis);
        Theme::applyChartStyle(&noLeft);
        QCOMPARE(noLeft.xAxis->tickLabelColor(), Theme::chartGridColor());
    }

    void aDestroyedThemeIsRecreatedNotDangling()
    {
        QPointer<Theme> old = Theme::instance();
        m_theme->switchTheme("dark");
        delete m_owner; // the engine going away in the application
        m_owner = nullptr;
        QVERIFY(old.isNull());

        QObject newOwner;
        m_theme = Theme::instance(&newOwner);
        QVERIFY(m_theme);
        QCOMPARE(m_theme->parent(), &newOwner);
        QCOMPARE(m_theme->currentTheme(), int(Theme::LightTheme)); // every start is light
        QCOMPARE(Theme::chartGridColor(), QColor(136, 136, 136));
        QSignalSpy spy(m_theme, &Theme::themeChanged);
        m_theme->switchTheme("dark");
        QCOMPARE(spy.count(), 1);
        m_theme->switchTheme("light");
        m_theme = nullptr; // destroyed with newOwner
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
