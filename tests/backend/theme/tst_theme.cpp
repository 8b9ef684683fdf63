// Theme switching, the instance outliving its engine, and the chart style on a rendered plot.
#include "theme/Theme.h"

#include <QPointer>
#include <QSignalSpy>
#include <QtTest>
#include <qcustomplot.h>

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

    // The plot's own background is only observable in the rendered image.
    void chartStyleFollowsTheTheme()
    {
        QCustomPlot plot;
        plot.resize(200, 150);
        for (const char *name : {"dark", "light"}) {
            m_theme->switchTheme(name);
            Theme::applyChartStyle(&plot);
            QCOMPARE(plot.axisRect()->backgroundBrush().color(), Theme::chartBackgroundColor());
            QCOMPARE(QColor(plot.toPixmap(200, 150).toImage().pixel(1, 1)), Theme::chartBackgroundColor());
            QCOMPARE(plot.yAxis->tickLabelColor(), Theme::chartGridColor());
            QVERIFY(plot.xAxis2->basePen().color() != Theme::chartGridColor()); // secondary axes keep theirs
        }
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
