// The chart items off screen: what their plots hold (axis ranges and labels, tip texts),
// what they render and how they take the mouse, fed through the application's store.
#include "FileSizeLimit.h"
#include "StoreFeeder.h"
#include "StoreFixtures.h"

#include "ChartChromaticity.h"
#include "ChartCie1931.h"
#include "ChartCie1960.h"
#include "ChartCie1976.h"
#include "ChartColorVector.h"
#include "ChartCri1.h"
#include "ChartCri2.h"
#include "ChartDualSpectrum.h"
#include "ChartFidelity.h"
#include "ChartFlicker.h"
#include "ChartPowerDistribution.h"
#include "ChartPureSpectrum.h"
#include "ChartRfRg.h"
#include "RamanChartItem.h"
#include "RatioChartItem.h"
#include "control/StudioService.h"
#include "output/ResultCsvWriter.h"
#include "store/DataBuffer.h"
#include "welcome/LanguageSwitcher.h"

#include <qcustomplot.h>

#include <QImageReader>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 360;

QVariantList flat(int count, int value) { return QVariantList(count, value); }

template <typename Chart> std::unique_ptr<Chart> makeChart(int width = kWidth, int height = kHeight)
{
    auto chart = std::make_unique<Chart>();
    chart->setSize(QSizeF(width, height));
    chart->initCustomPlot();
    return chart;
}

using ChartMaker = std::unique_ptr<CustomPlotBaseItem> (*)();
template <typename Chart> std::unique_ptr<CustomPlotBaseItem> madeChart() { return makeChart<Chart>(); }

// Runs queued replots; leaves the 100 ms resize timer alone.
void runQueuedReplots() { QCoreApplication::sendPostedEvents(); }

QCPItemText *visibleTip(QCustomPlot *plot)
{
    for (int i = 0; i < plot->itemCount(); ++i) {
        auto *text = qobject_cast<QCPItemText *>(plot->item(i));
        if (text && text->visible())
            return text;
    }
    return nullptr;
}

void hoverAt(QQuickItem *item, double x, double y)
{
    QHoverEvent event(QEvent::HoverMove, QPointF(x, y), QPointF(x, y), QPointF(x - 1, y));
    QCoreApplication::sendEvent(item, &event);
}

bool near(QRgb pixel, int r, int g, int b, int tolerance)
{
    return qAbs(qRed(pixel) - r) <= tolerance && qAbs(qGreen(pixel) - g) <= tolerance
           && qAbs(qBlue(pixel) - b) <= tolerance;
}

// What a chart shows: the points of each plottable that is not blank (all zero or NaN) and
// its visible texts; axis ranges are left out.
QStringList shownContent(QCustomPlot *plot)
{
    QStringList shown;
    for (int i = 0; i < plot->plottableCount(); ++i) {
        const QCPPlottableInterface1D *data = plot->plottable(i)->interface1D();
        QString points;
        bool blank = true;
        for (int j = 0; data && j < data->dataCount(); ++j) {
            const double value = data->dataMainValue(j);
            blank = blank && (value == 0.0 || std::isnan(value));
            points += QStringLiteral("%1:%2 ").arg(data->dataMainKey(j)).arg(value);
        }
        shown << (blank ? QString() : points);
    }
    for (int i = 0; i < plot->itemCount(); ++i) {
        auto *text = qobject_cast<QCPItemText *>(plot->item(i));
        if (text && text->visible())
            shown << text->text();
    }
    return shown;
}

// Console noise of a tracer asked for a position on a curve without data.
int g_tracerComplaints = 0;
QtMessageHandler g_previousHandler = nullptr;
void countTracerComplaints(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("graph has no data")))
        ++g_tracerComplaints;
    g_previousHandler(type, context, message);
}

} // namespace

Q_DECLARE_METATYPE(ChartMaker)
Q_DECLARE_METATYPE(QList<ChartMaker>)

class TestChartItems : public QObject
{
    Q_OBJECT
    StoreFeeder m_feeder;
    DataBuffer *buffer() const { return DataBuffer::instance(); }
    int points() const { return buffer()->getWlLength(); }

private slots:
    void initTestCase()
    {
        testsupport::prepareStoreTests();
        StudioService::instance(); // the store's measurement state, as in the application
        g_previousHandler = qInstallMessageHandler(countTracerComplaints);
    }

    void init()
    {
        buffer()->setDeviceModel(QStringLiteral("PQV-21"));
        buffer()->setWl(340, 1020);
        buffer()->clearReference();
        StudioService::instance()->setUnit(0);
    }

    void tracersStayQuietWithoutData()
    {
        // First, while the store holds no reference: that curve has nothing to point at.
        QVERIFY(buffer()->getSpec(DataBuffer::ReferenceSpectrum).isEmpty());
        auto chart = makeChart<ChartDualSpectrum>();
        hoverAt(chart.get(), kWidth / 2, kHeight / 2);
        runQueuedReplots(); // cleanup() counts the complaints
        // The tip reads the source and leaves the reference's value empty.
        QCPItemText *tip = visibleTip(chart->customPlot());
        QVERIFY(tip);
        QVERIFY2(tip->text().endsWith(QStringLiteral(" nm\nRef: \nSrc: 0")), qPrintable(tip->text()));

        // A second init keeps the plot and its content.
        auto ratio = makeChart<ChartReflectance>();
        QCustomPlot *plot = ratio->customPlot();
        const int graphs = plot->graphCount(), items = plot->itemCount();
        ratio->initCustomPlot();
        QVERIFY(plot && ratio->customPlot() == plot && plot->graphCount() == graphs && plot->itemCount() == items);
    }

    // The gradient must meet the axis rectangle of the very replot that draws it.
    void theFirstRenderingShowsTheSpectrumColours()
    {
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 1000)));
        auto chart = makeChart<ChartPureSpectrum>();
        QSignalSpy replots(chart->customPlot(), &QCustomPlot::afterReplot);
        runQueuedReplots();
        QCOMPARE(replots.count(), 1);

        const QImage image = chart->renderedImage();
        const int y = int(kHeight * 0.8);
        QCPAxis *x = chart->customPlot()->xAxis;
        const auto at = [&](double nm) { return image.pixel(qRound(x->coordToPixel(nm)), y); };
        QVERIFY(near(at(450), 0, 70, 255, 20) && near(at(550), 163, 255, 0, 20) && near(at(700), 251, 0, 0, 20));
        QVERIFY(near(at(360), 0, 0, 0, 10) && near(at(900), 0, 0, 0, 10));
    }

    void aResizeWhileHiddenIsDrawnWhenShown()
    {
        auto chart = makeChart<ChartPureSpectrum>();
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 1000)));
        runQueuedReplots();
        chart->setVisible(false);
        chart->setSize(QSizeF(400, 300));
        QCOMPARE(chart->customPlot()->viewport(), QRect(0, 0, 400, 300));
        QTest::qWait(300); // past the resize quiet time: a hidden chart does not redraw
        QCOMPARE(chart->renderedImage().size(), QSize(kWidth, kHeight));
        chart->setVisible(true);
        QCOMPARE(chart->renderedImage().size(), QSize(400, 300));
    }

    void theImageForTheReportIsDrawnOnlyWithAPlot()
    {
        ChartPureSpectrum bare;
        bare.setSize(QSizeF(kWidth, kHeight));
        const ChartImageSource::Picture none = bare.chartPicture();
        QVERIFY(none.image.isNull());
        QCOMPARE(none.problem, ChartImageSource::Problem::NotDrawnYet);

        auto chart = makeChart<ChartPureSpectrum>();
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 1000)));
        runQueuedReplots();
        // The report knows the chart only as an object of the scene.
        auto *source = qobject_cast<ChartImageSource *>(static_cast<QObject *>(chart.get()));
        QVERIFY(source);
        const ChartImageSource::Picture picture = source->chartPicture();
        QCOMPARE(picture.problem, ChartImageSource::Problem::None);
        // Drawn for print: well beyond the screen's pixels, in the same proportions.
        QCOMPARE(picture.image.size(), QSize(3 * kWidth, 3 * kHeight));

        // The pointer's read-out stays on screen.
        hoverAt(chart.get(), chart->customPlot()->xAxis->coordToPixel(600), kHeight / 2);
        runQueuedReplots();
        QVERIFY(visibleTip(chart->customPlot()));
        QCOMPARE(source->chartPicture().image, picture.image);
        QVERIFY(visibleTip(chart->customPlot()));
    }

    // The picture of the screen's size as a JPEG file, written whole or not at all.
    void theJpegIsWrittenWholeOrNotAtAll()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("chart.jpg"));
        ChartPureSpectrum bare;
        QVERIFY(!bare.saveCustomPlotJpg(file));
        QVERIFY(!QFile::exists(file));

        auto chart = makeChart<ChartPureSpectrum>();
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 1000)));
        runQueuedReplots();
        QVERIFY(chart->saveCustomPlotJpg(file));
        QImageReader reader(file);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        QCOMPARE(reader.size(), QSize(kWidth, kHeight));

        QVERIFY(!chart->saveCustomPlotJpg(dir.filePath(QStringLiteral("missing/folder/chart.jpg"))));

        // No room for the last byte: no picture rather than part of one.
        const qint64 size = QFileInfo(file).size();
        QVERIFY(QFile::remove(file));
        {
            const testsupport::FileSizeLimit limit(size - 1);
            QVERIFY(limit.active());
            QVERIFY(!chart->saveCustomPlotJpg(file));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void hoverMovesAreCoalescedAndReadOff()
    {
        auto chart = makeChart<ChartPureSpectrum>();
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 1000)));
        runQueuedReplots();
        QCustomPlot *plot = chart->customPlot();
        QSignalSpy replots(plot, &QCustomPlot::afterReplot);
        for (int i = 0; i < 20; ++i)
            hoverAt(chart.get(), plot->xAxis->coordToPixel(530 + i), kHeight / 2);
        QCOMPARE(replots.count(), 0); // nothing redrawn per move
        runQueuedReplots();
        QCOMPARE(replots.count(), 1);
        // Qt Quick repeats the last position after every frame; a still mouse draws no more.
        hoverAt(chart.get(), plot->xAxis->coordToPixel(549), kHeight / 2);
        runQueuedReplots();
        QCOMPARE(replots.count(), 1);

        QCPItemText *tip = visibleTip(plot);
        QVERIFY(tip && tip->text() == QStringLiteral("549\n1e+03") && tip->positionAlignment() == (Qt::AlignLeft | Qt::AlignTop));

        hoverAt(chart.get(), plot->xAxis->coordToPixel(1000), kHeight / 2);
        QCOMPARE(tip->positionAlignment(), Qt::AlignRight | Qt::AlignTop);
    }

    void theDualChartReadsBothCurvesAndKeepsItsRangeWithoutLight()
    {
        auto chart = makeChart<ChartDualSpectrum>();
        QCustomPlot *plot = chart->customPlot();
        QVERIFY(m_feeder.feedReference(flat(points(), 2000)));
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 1000)));
        QCOMPARE(plot->yAxis->range().upper, 2300.0);

        hoverAt(chart.get(), plot->xAxis->coordToPixel(550), kHeight / 2);
        QCPItemText *tip = visibleTip(plot);
        QVERIFY(tip && tip->text() == QStringLiteral("WL: 550 nm\nRef: 2e+03\nSrc: 1e+03"));
        // Hung on the higher curve, the reference.
        QCPItemTracer *referenceTracer = nullptr;
        for (int i = 0; i < plot->itemCount(); ++i) {
            auto *tracer = qobject_cast<QCPItemTracer *>(plot->item(i));
            if (tracer && tracer->graph() == plot->graph(1))
                referenceTracer = tracer;
        }
        QVERIFY(referenceTracer);
        QCOMPARE(tip->position->pixelPosition(), referenceTracer->position->pixelPosition());

        chart->setTipTemplate(QStringLiteral("%3 of %2 at %1"));
        QCOMPARE(tip->text(), QStringLiteral("1e+03 of 2e+03 at 550"));

        // Nothing measured above zero: the axis keeps a usable range.
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 0)) && m_feeder.feedReference(flat(points(), 0)));
        QCOMPARE(plot->yAxis->range().upper, 2300.0);
    }

    // Read-outs round as the result table does: halfway away from zero, no "-0".
    void readOutsRoundAsTheResultTable()
    {
        auto chart = makeChart<ChartCri2>();
        QVariantList words(48, 80.0);
        words[15] = 12.3445; // Ra
        words[24] = -0.0004; // R9
        m_feeder.feedPhotoWords(words);
        const auto labels = [&chart] {
            QStringList texts;
            for (int i = 0; i < chart->customPlot()->itemCount(); ++i) {
                if (auto *text = qobject_cast<QCPItemText *>(chart->customPlot()->item(i)))
                    texts << text->text();
            }
            return texts;
        };
        QTRY_VERIFY2(labels().contains(QStringLiteral("80.000")), qPrintable(labels().join(' ')));
        QVERIFY2(labels().contains(QStringLiteral("12.345")) && labels().contains(QStringLiteral("0.000")),
                 qPrintable(labels().join(' ')));
    }

    // Value labels sit inside the axis rectangle, which clips them: none may stand at an edge,
    // whatever range the data or the user chose.
    void valueLabelsInsideThePlotAreNeverCut()
    {
        QVERIFY(m_feeder.feedReference(flat(points(), 2000)));
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 1000)));
        auto spectrum = makeChart<ChartPureSpectrum>();
        auto dual = makeChart<ChartDualSpectrum>();
        auto ratio = makeChart<ChartReflectance>();
        for (CustomPlotBaseItem *chart : {static_cast<CustomPlotBaseItem *>(spectrum.get()),
                                          static_cast<CustomPlotBaseItem *>(dual.get()),
                                          static_cast<CustomPlotBaseItem *>(ratio.get())}) {
            QCPAxis *axis = chart->customPlot()->yAxis;
            const double half = QFontMetricsF(axis->tickLabelFont()).height() / 2.0;
            for (const QCPRange &range : {axis->range(), QCPRange(0, 400), QCPRange(0, 1), QCPRange(-0.5, 1.5)}) {
                axis->setRange(range);
                chart->customPlot()->replot(QCustomPlot::rpImmediateRefresh);
                chart->customPlot()->replot(QCustomPlot::rpImmediateRefresh);
                const QRect rect = axis->axisRect()->rect();
                int shown = 0;
                for (int i = 0; i < axis->tickVector().size(); ++i) {
                    if (axis->tickVectorLabels().at(i).isEmpty())
                        continue;
                    const double y = axis->coordToPixel(axis->tickVector().at(i));
                    QVERIFY2(y - half >= rect.top() && y + half <= rect.bottom() + 1,
                             qPrintable(axis->tickVectorLabels().at(i)));
                    ++shown;
                }
                QVERIFY2(shown >= 2, qPrintable(QStringLiteral("%1 %2-%3 %4").arg(chart->metaObject()->className()).arg(range.lower).arg(range.upper).arg(axis->tickVectorLabels().join(QLatin1Char(',')))));
            }
        }
    }

    // After "ref" and before a sample the ratio charts show nothing, as without a reference.
    void ratioChartsWaitForASampleAfterTheReference()
    {
        auto chart = makeChart<ChartAbsorbance>();
        QCustomPlot *plot = chart->customPlot();
        buffer()->clearSource(); // as "ref" does
        QVERIFY(m_feeder.feedReference(flat(points(), 2000)));
        chart->setVisible(false), chart->setVisible(true); // redrawn with the reference complete
        hoverAt(chart.get(), plot->xAxis->coordToPixel(550), kHeight / 2);
        QVERIFY(!visibleTip(plot));
        const auto data = plot->graph(0)->data();
        QVERIFY(std::all_of(data->constBegin(), data->constEnd(), [](const QCPGraphData &d) { return std::isnan(d.value); }));

        QVERIFY(m_feeder.feedSpectrum(flat(points(), 200)));
        QCPItemText *tip = visibleTip(plot);
        QVERIFY(tip);
        QCOMPARE(tip->text(), QStringLiteral("550\n1"));
    }

    // Tick labels write numbers as every other text does, whatever the system's locale.
    void tickLabelsTakeAPointUnderAnyLocale()
    {
        const QLocale system;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&system] { QLocale::setDefault(system); });
        auto ratio = makeChart<ChartReflectance>();
        auto diagram = makeChart<ChartCie1931>();
        for (QCPAxis *axis : {ratio->customPlot()->yAxis, diagram->customPlot()->xAxis}) {
            axis->parentPlot()->replot(QCustomPlot::rpImmediateRefresh);
            const QString labels = axis->tickVectorLabels().join(QLatin1Char(' '));
            QVERIFY2(labels.contains(QLatin1Char('.')) && !labels.contains(QLatin1Char(',')), qPrintable(labels));
        }
    }

    void hiddenRatioChartsCatchUpWhenShown()
    {
        auto chart = makeChart<ChartTransmittance>(); // no reference yet: all NaN
        chart->setVisible(false);
        QVERIFY(m_feeder.feedReference(flat(points(), 2000)));
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 1000)));
        QVERIFY(std::isnan(chart->customPlot()->graph(0)->data()->at(100)->value));
        chart->setVisible(true);
        QCOMPARE(chart->customPlot()->graph(0)->data()->size(), points());
        QCOMPARE(chart->customPlot()->graph(0)->data()->at(100)->value, 0.5);
    }

    // Through a window as a person's mouse: a drag pans and a wheel turn zooms the charts
    // that allow it; the diagram charts keep their range.
    void dragPansAndWheelZooms_data()
    {
        QTest::addColumn<ChartMaker>("make");
        QTest::addColumn<bool>("movable");
        QTest::newRow("spectrum") << &madeChart<ChartPureSpectrum> << true;
        QTest::newRow("dual") << &madeChart<ChartDualSpectrum> << true;
        QTest::newRow("absorbance") << &madeChart<ChartAbsorbance> << true;
        QTest::newRow("raman clean") << &madeChart<ChartRamanClean> << true;
        QTest::newRow("flicker") << &madeChart<ChartFlicker> << true;
        QTest::newRow("cie 1931") << &madeChart<ChartCie1931> << false;
    }
    void dragPansAndWheelZooms()
    {
        QFETCH(ChartMaker, make);
        QFETCH(bool, movable);
        QQuickWindow window;
        window.resize(kWidth, kHeight);
        const auto chart = make();
        chart->setParentItem(window.contentItem());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCPAxis *x = chart->customPlot()->xAxis;
        const QCPRange before = x->range();
        const QPoint start(kWidth / 2, kHeight / 2), end = start + QPoint(100, 0);
        QTest::mousePress(&window, Qt::LeftButton, {}, start);
        QTest::mouseMove(&window, end);
        QTest::mouseRelease(&window, Qt::LeftButton, {}, end);
        // Dragged right by 100 px: the range moved left by 100 px worth of its axis.
        const double shift = before.lower - x->range().lower;
        const double expected = movable ? 100 * before.size() / x->axisRect()->width() : 0.0;
        QVERIFY2(qAbs(shift - expected) < 0.01 * before.size(),
                 qPrintable(QStringLiteral("moved %1, not %2").arg(shift).arg(expected)));

        const double width = x->range().size();
        QWheelEvent wheel(start, window.mapToGlobal(start), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&window, &wheel);
        QVERIFY2(movable ? x->range().size() < 0.95 * width : x->range().size() == width,
                 qPrintable(QStringLiteral("%1 wide after %2").arg(x->range().size()).arg(width)));

        // The view the person chose outlives a language switch, and the switch back.
        QCPAxis *y = chart->customPlot()->yAxis;
        const QCPRange xView = x->range(), yView = y->range();
        {
            LanguageSwitcher german;
            QVERIFY(german.apply(QStringLiteral("de"), nullptr));
            runQueuedReplots();
        }
        runQueuedReplots();
        QVERIFY2(x->range() == xView && y->range() == yView,
                 qPrintable(QStringLiteral("x %1-%2, y %3-%4").arg(x->range().lower).arg(x->range().upper)
                                .arg(y->range().lower).arg(y->range().upper)));
    }

    // A language switch renames the flicker read-out and a ratio chart's value axis in place;
    // the next flicker record shows the whole waveform again.
    void flickerReadOutFollowsTheLanguageAndDataResetTheView()
    {
        auto chart = makeChart<ChartFlicker>();
        auto ratio = makeChart<ChartAbsorbance>(); // its axis label too
        QCustomPlot *plot = chart->customPlot();
        QVariantList wave;
        for (int i = 0; i < 1024; ++i)
            wave << 1000 + int(800 * std::sin(i / 16.0));
        m_feeder.feedFlicker(wave, 100.0, 80.0, 40.0, 0.1, 1);
        QCPItemText *readOut = visibleTip(plot);
        QVERIFY(readOut && readOut->text().startsWith(QStringLiteral("Flicker frequency(Hz): 100.00\n")));
        const QCPRange whole = plot->xAxis->range();
        plot->xAxis->setRange(10, 20), plot->yAxis->setRange(0.5, 1.0);
        {
            LanguageSwitcher german;
            QVERIFY(german.apply(QStringLiteral("de"), nullptr));
            QVERIFY(readOut->text().startsWith(QStringLiteral("Flimmerfrequenz (Hz): 100.00\n")));
            QVERIFY(plot->xAxis->range() == QCPRange(10, 20) && plot->yAxis->range() == QCPRange(0.5, 1.0));
            QCOMPARE(ratio->customPlot()->yAxis->label(), QStringLiteral("Absorbanz"));
        }
        QCOMPARE(ratio->customPlot()->yAxis->label(), QStringLiteral("Absorbance"));
        m_feeder.feedFlicker(wave, 50.0, 80.0, 40.0, 0.1, 1);
        QVERIFY(readOut->text().startsWith(QStringLiteral("Flicker frequency(Hz): 50.00\n")));
        QVERIFY(plot->xAxis->range() == whole && plot->yAxis->range() == QCPRange(0, 1.2));
    }

    // The value axis names the spectrum's unit, at set-up and on a change, but counts
    // photons on "T" models whatever the unit; a ratio chart names its ratio; the dual and
    // Raman charts name none.
    void valueAxisLabelFollowsUnitAndModel_data()
    {
        QTest::addColumn<ChartMaker>("make");
        QTest::addColumn<QString>("model");
        QTest::addColumn<int>("unit");
        QTest::addColumn<QString>("label");
        const ChartMaker spectrum = &madeChart<ChartPureSpectrum>;
        QTest::newRow("W/m^2") << spectrum << "PQV-21" << 0 << "W/m^2";
        QTest::newRow("mW/m^2") << spectrum << "PQV-21" << 1 << "mW/m^2";
        QTest::newRow("mW/cm^2") << spectrum << "PQV-21" << 2 << "mW/cm^2";
        QTest::newRow("uW/cm^2") << spectrum << "PQV-21" << 3 << QStringLiteral("\u03bcW/cm^2");
        QTest::newRow("T model") << spectrum << "TQV-11" << 2 << "Photon Counts";
        QTest::newRow("dual") << &madeChart<ChartDualSpectrum> << "PQV-21" << 1 << QString();
        QTest::newRow("transmittance") << &madeChart<ChartTransmittance> << "PQV-21" << 1 << "Transmittance";
        QTest::newRow("raman raw") << &madeChart<ChartRamanRaw> << "PQV-21" << 1 << QString();
    }
    void valueAxisLabelFollowsUnitAndModel()
    {
        QFETCH(ChartMaker, make);
        QFETCH(QString, model);
        QFETCH(int, unit);
        QFETCH(QString, label);
        buffer()->setDeviceModel(model);
        StudioService::instance()->setUnit((unit + 1) % 4);
        const auto changed = make(); // set up with another unit
        StudioService::instance()->setUnit(unit);
        const auto fresh = make();
        QCOMPARE(changed->customPlot()->yAxis->label(), label);
        QCOMPARE(fresh->customPlot()->yAxis->label(), label);
    }

    // "T" models count photons: the chart and its tip show the counts their CSV holds,
    // whatever irradiance unit an earlier device left stored.
    void photonCountsAreShownAsCounted()
    {
        StudioService::instance()->setUnit(3);
        buffer()->setDeviceModel(QStringLiteral("TQV-11"));
        QVERIFY(m_feeder.feedSpectrum(flat(points(), 40069), 2)); // 400.69 counts
        auto chart = makeChart<ChartPureSpectrum>();
        QCustomPlot *plot = chart->customPlot();
        StudioService::instance()->setUnit(1);
        runQueuedReplots();
        QCOMPARE(plot->graph(0)->data()->at(210)->value, 400.69);
        QCOMPARE(plot->yAxis->range().upper, 1.15 * 400.69);
        hoverAt(chart.get(), plot->xAxis->coordToPixel(550), kHeight / 2);
        QCPItemText *tip = visibleTip(plot);
        QVERIFY(tip);
        QCOMPARE(tip->text(), QStringLiteral("550\n401"));
        QString csv;
        QTextStream out(&csv);
        ResultCsvWriter::writeSpectrumTable(out, *buffer());
        out.flush();
        QVERIFY(csv.contains(QStringLiteral("\n550,400.69\n")));
    }

    // File > Back: every chart that drew the cleared measurement shows again what it showed
    // before it, whatever it reads (spectra, photometric words, colour rendition, Raman).
    void aClearedMeasurementLeavesEveryChart_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QList<ChartMaker>>("makers");
        QTest::newRow("photometry with TM-30") << "PQV-22" << QList<ChartMaker>{
            &madeChart<ChartCie1931>, &madeChart<ChartCie1960>, &madeChart<ChartCie1976>, &madeChart<ChartCri1>,
            &madeChart<ChartCri2>, &madeChart<ChartFidelity>, &madeChart<ChartChromaticity>,
            &madeChart<ChartColorVector>, &madeChart<ChartRfRg>, &madeChart<ChartPowerDistribution>,
            &madeChart<ChartPureSpectrum>};
        QTest::newRow("ratio") << "PQV-21" << QList<ChartMaker>{
            &madeChart<ChartDualSpectrum>, &madeChart<ChartAbsorbance>, &madeChart<ChartReflectance>,
            &madeChart<ChartTransmittance>};
        QTest::newRow("raman") << "WQV-71" << QList<ChartMaker>{
            &madeChart<ChartRamanRaw>, &madeChart<ChartRamanClean>, &madeChart<ChartRamanFl>};
    }
    void aClearedMeasurementLeavesEveryChart()
    {
        QFETCH(QString, model);
        QFETCH(QList<ChartMaker>, makers);
        buffer()->resetAll();
        buffer()->setDeviceModel(model);
        buffer()->setWl(340, 1020);
        std::vector<std::unique_ptr<CustomPlotBaseItem>> charts;
        QList<QStringList> before;
        for (ChartMaker make : makers) {
            charts.push_back(make());
            before << shownContent(charts.back()->customPlot());
        }
        const auto changed = [&] {
            QStringList names;
            for (size_t i = 0; i < charts.size(); ++i) {
                if (shownContent(charts[i]->customPlot()) != before[int(i)])
                    names << QString::fromLatin1(charts[i]->metaObject()->className());
            }
            return names;
        };

        QVariantList words(48, 0.3);
        std::fill(words.begin() + 15, words.begin() + 31, 80.0); // Ra, R1 to R15
        QVERIFY(m_feeder.feedReference(flat(points(), 2000)));
        QVERIFY(model.startsWith(QLatin1Char('W')) ? m_feeder.feedRamanMeasurement({QVariantMap{{"shift", 1000}, {"amplitude", 3000}}})
                                                   : m_feeder.feedSpectrum(flat(points(), 1000)));
        m_feeder.feedPhotoWords(words); // on the next photometric tick at the latest
        QTRY_COMPARE_WITH_TIMEOUT(changed().size(), int(charts.size()), 15000);

        buffer()->clearBuffer();
        QVERIFY2(changed().isEmpty(), qPrintable(changed().join(' ')));
    }

    void cleanup()
    {
        StudioService::instance()->setUnit(0);
        QCOMPARE(std::exchange(g_tracerComplaints, 0), 0);
    }
};

QTEST_MAIN(TestChartItems)
#include "tst_chart_items.moc"
