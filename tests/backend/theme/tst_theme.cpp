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
        QCOMPARE(Theme::instance(this), m_theme); // later calls ignore the parent
        QCOMPARE(m_theme->parent(), m_owner);
    }

    // Another name of the same type still counts as a change of name.
    void switchingEmitsOncePerRealChange()
    {
        QCOMPARE(m_theme->currentTheme(), int(Theme::LightTheme));
        QSignalSpy spy(m_theme, &Theme::themeChanged);
        const QList<QPair<const char *, int>> steps{{"light", -1}, {"dark", Theme::DarkTheme}, {"dark", -1},
                                                    {"Dark", Theme::DarkTheme}, {"Dark", -1}, {"light", Theme::LightTheme}};
        for (const auto &[name, emitted] : steps) {
            spy.clear();
            m_theme->switchTheme(name);
            QCOMPARE(spy.count(), emitted < 0 ? 0 : 1);
            if (emitted >= 0)
                QCOMPARE(int(spy.at(0).at(0).value<Theme::ThemeType>()), emitted);
        }
    }

    // The plot's own background is only observable in the rendered image; bare plots are styled
    // without a crash.
    void chartStyleFollowsTheTheme()
    {
        QCustomPlot plot;
        plot.resize(200, 150);
        for (const char *name : {"dark", "light"}) {
            m_theme->switchTheme(name);
            Theme::applyChartStyle(&plot);
            QCOMPARE(QColor(plot.toPixmap(200, 150).toImage().pixel(1, 1)), Theme::chartBackgroundColor());
            QCOMPARE(plot.yAxis->tickLabelColor(), Theme::chartGridColor());
            QVERIFY(plot.xAxis2->basePen().color() != Theme::chartGridColor()); // secondary axes keep theirs
        }
        Theme::applyChartStyle(nullptr);
        QCustomPlot bare;
        bare.plotLayout()->clear(); // no axis rect at all
        Theme::applyChartStyle(&bare);
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
        QVERIFY(old.isNull());
        QObject newOwner;
        m_theme = Theme::instance(&newOwner);
        QVERIFY(m_theme && m_theme->parent() == &newOwner);
        QCOMPARE(m_theme->currentTheme(), int(Theme::LightTheme)); // every start is light
        QSignalSpy spy(m_theme, &Theme::themeChanged);
        m_theme->switchTheme("dark");
        QCOMPARE(spy.count(), 1);
        m_theme->switchTheme("light");
    }
};

QTEST_MAIN(TestTheme)
#include "tst_theme.moc"
