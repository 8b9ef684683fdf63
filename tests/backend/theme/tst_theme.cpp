// Theme switching, the instance outliving its engine, and the chart style on a rendered plot.
#include "theme/Theme.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>
#include <qcustomplot.h>

namespace {

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
        QSignalSpy spy(m_theme, &Theme::themeChanged);
        m_theme->switchTheme("light");
        QCOMPARE(spy.count(), 0);

        m_theme->switchTheme("dark");
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).value<Theme::ThemeType>(), Theme::DarkTheme);
        QCOMPARE(m_theme->property("currentTheme").toInt(), 1);
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
