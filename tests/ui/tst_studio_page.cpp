// The photometry page in the real window, connected to the simulated spectrometer: the
// chart selector, hue-bin table and result table for each model family (labels whole in
// every language), the read-out on its point, the status row, and which controls a
// measurement leaves enabled.
#include "StudioPageSession.h"
#include "welcome/WelcomeService.h"
#include "CustomPlotBaseItem.h"
#include "control/StudioService.h"
#include "store/DataBuffer.h"

#include <QColor>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTextBoundaryFinder>
#include <qcustomplot.h>
#include <QtTest>
#include <algorithm>

using simdevice::DeviceState;
using testsupport::commandFrame;
using testsupport::StudioPageSession;

namespace {

const QStringList kAllChartTypes{QStringLiteral("Spectrum"),     QStringLiteral("Cie1931"),
                                 QStringLiteral("Cie1960"),      QStringLiteral("Cie1976"),
                                 QStringLiteral("CRI1"),         QStringLiteral("CRI2"),
                                 QStringLiteral("RfRg"),         QStringLiteral("PowerDistribution"),
                                 QStringLiteral("Fidelity"),     QStringLiteral("DataAnalysis"),
                                 QStringLiteral("ColorVector"),  QStringLiteral("Chromaticity"),
                                 QStringLiteral("Flicker")};

// Every Text item named `name` under `root`, visible or not.
QList<QQuickItem *> textsNamed(QQuickItem *root, const QString &name)
{
    QList<QQuickItem *> found;
    QList<QQuickItem *> pending{root};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        pending << item->childItems();
        if (item->objectName() == name && item->inherits("QQuickText") && item->isVisible())
            found << item;
    }
    return found;
}

// Why a result label is not shown whole: cut off, wider than its box, or a line may break
// inside a unit in parentheses or after a "/" (inside a unit or a symbol such as "S/P").
QString labelFault(QQuickItem *label)
{
    const QString text = label->property("text").toString();
    if (label->property("truncated").toBool())
        return QStringLiteral("cut: ") + text;
    if (label->property("contentWidth").toReal() > label->width() + 0.5)
        return QStringLiteral("wider than its box: ") + text;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    for (int at = breaks.toNextBoundary(); at > 0 && at < text.size(); at = breaks.toNextBoundary()) {
        const QStringView before = QStringView(text).left(at);
        if (before.count(QLatin1Char('(')) > before.count(QLatin1Char(')')) || before.endsWith(QLatin1Char('/')))
            return QStringLiteral("may break at %1: ").arg(at) + text;
    }
    return {};
}

// The hover read-out of a chart: its marker and its box, when shown.
std::pair<QCPItemTracer *, QCPItemText *> shownTip(QCustomPlot *plot)
{
    QCPItemTracer *tracer = nullptr;
    QCPItemText *text = nullptr;
    for (int i = 0; i < plot->itemCount(); ++i) {
        if (!plot->item(i)->visible())
            continue;
        if (auto *t = qobject_cast<QCPItemTracer *>(plot->item(i)))
            tracer = t;
        if (auto *t = qobject_cast<QCPItemText *>(plot->item(i)); t && t->layer()->name() == QLatin1String("overlay"))
            text = t;
    }
    return {tracer, text};
}

} // namespace

class TestStudioPage : public QObject
{
    Q_OBJECT
    StudioPageSession m_s;

    StudioService *studio() const { return m_s.studio(); }
    DataBuffer *buffer() const { return m_s.buffer(); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_s.start());
        // Before any device, the page already lists the colour views of a plain model, and
        // the hue bins, not computed yet, read zero.
        QCOMPARE(m_s.chartTypes(), kAllChartTypes.mid(0, 6));
        QVERIFY(m_s.hueBins());
        QCOMPARE(m_s.hueBins()->rowCount(), 16);
        QCOMPARE(m_s.hueBin(0), (QStringList{QStringLiteral("0.0°-22.5°"), "0.0000", "0.0000", "0.0000"}));
        QCOMPARE(m_s.hueBin(15), (QStringList{QStringLiteral("337.5°-360.0°"), "0.0000", "0.0000", "0.0000"}));
    }

    void cleanupTestCase() { m_s.stop(); }

    void cleanup()
    {
        if (m_s.hasDevice())
            m_s.device().setSilent(false);
        if (studio()->isAuto())
            studio()->handleAutoSpectrumSignal();
    }

    void chartListAndResultPaneFollowTheModelFamily_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("types");
        QTest::addColumn<bool>("resultPane");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("Y") << "YQV-01" << QStringList{"Spectrum", "Cie1931"} << true
                           << QStringList{"BASE", "BL", "PPFD"};
        QTest::newRow("T") << "TQV-11" << QStringList{"Spectrum"} << false << QStringList{};
        QTest::newRow("irradiance") << "PQV-24" << kAllChartTypes.mid(0, 6) << true
                                    << QStringList{"BASE", "BL", "IR", "PPFD"};
        QTest::newRow("TM-30 and flicker") << "PQV-27" << kAllChartTypes << true
                                           << QStringList{"BASE", "BL", "IR", "PPFD"};
    }

    void chartListAndResultPaneFollowTheModelFamily()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, types);
        QFETCH(bool, resultPane);
        QFETCH(QStringList, titles);
        QVERIFY(m_s.openStudioWith(model));
        QCOMPARE(m_s.chartTypes(), types);
        QCOMPARE(m_s.ui().property(QStringLiteral("selectShowChart"), "model").toStringList(), types);
        QCOMPARE(m_s.shownChart(), QStringLiteral("Spectrum"));
        QCOMPARE(m_s.ui().item(QStringLiteral("chartSpectrogram"))->isVisible(), true);
        QCOMPARE(m_s.ui().item(QStringLiteral("resultPane"))->isVisible(), resultPane);
        QCOMPARE(m_s.ui().property(QStringLiteral("modelLine"), "text").toString(), model + QStringLiteral(" Serial"));
        QVERIFY(m_s.snapshotByClick());
        // "Y" models' raw counts are not saved; "T" models have no report.
        QCOMPARE(m_s.ui().isOperable(QStringLiteral("save")), !model.startsWith(QLatin1Char('Y')));
        QCOMPARE(m_s.ui().isOperable(QStringLiteral("exportReport")), !model.startsWith(QLatin1Char('T')));
        if (!resultPane)
            return;
        // Group titles in the order of the model's modules, each above its rows.
        const QStringList texts = m_s.tableTexts();
        QStringList shownTitles;
        for (const QString &text : texts) {
            if (QStringList{"BASE", "IR", "PPFD", "BL"}.contains(text))
                shownTitles << text;
        }
        QCOMPARE(shownTitles, titles);
        // Every value the store formatted stands in the table, after its label.
        const QVariantList groups = buffer()->formattedPhotoResult();
        int items = 0;
        for (const QVariant &group : groups) {
            for (const QVariant &entry : group.toMap().value(QStringLiteral("items")).toList()) {
                const QVariantMap item = entry.toMap();
                const int at = texts.indexOf(item.value(QStringLiteral("value")).toString(), 0);
                QVERIFY2(at > 0, qPrintable(item.value(QStringLiteral("key")).toString()));
                QVERIFY2(texts.at(at - 1).endsWith(QLatin1Char(':')), qPrintable(texts.at(at - 1)));
                ++items;
            }
        }
        QVERIFY(items > 3);
        if (titles.contains(QStringLiteral("IR")))
            QVERIFY(texts.contains(QStringLiteral("Red irradiance Red_Ee(W/m^2):")));
    }

    void resultTableFollowsUnitAndRangeSettings()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-24")));
        QVERIFY(m_s.snapshotByClick());
        QVERIFY(m_s.tableTexts().contains(QStringLiteral("Irradiance Ee(W/m^2):")));
        QVERIFY(!m_s.tableTexts().contains(QStringLiteral("Bandwidth:")));
        studio()->setUnit(3);
        QTRY_VERIFY(m_s.tableTexts().contains(QStringLiteral("Irradiance Ee(μW/cm^2):")));
        // The range results join with the next measurement.
        studio()->setRangeEnable(true);
        QVERIFY(m_s.snapshotByClick());
        QTRY_VERIFY(m_s.tableTexts().contains(QStringLiteral("Bandwidth:")));
        QVERIFY(m_s.tableTexts().contains(QStringLiteral("Custom Irradiance Ee(μW/cm^2):")));
        QVERIFY(m_s.tableTexts().contains(QStringLiteral("Custom Half-peak width HW:")));
        studio()->setRangeEnable(false);
        studio()->setUnit(0);
        QVERIFY(m_s.snapshotByClick());
        QTRY_VERIFY(!m_s.tableTexts().contains(QStringLiteral("Bandwidth:")));
    }

    // Every label of the fullest table, in every language, at the page's smallest size.
    void resultLabelsAreShownWholeInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *code : {"de", "fr", "zh", "en"})
            QTest::newRow(code) << QString::fromLatin1(code);
    }

    void resultLabelsAreShownWholeInEveryLanguage()
    {
        QFETCH(QString, language);
        if (buffer()->deviceModel() != QLatin1String("PQV-27") || buffer()->formattedPhotoResult().isEmpty()) {
            QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-27")));
            QVERIFY(m_s.snapshotByClick());
        }
        m_s.app().window()->resize(m_s.app().window()->minimumSize());
        m_s.app().welcome()->handleLanguageSignal(language);
        QQuickItem *pane = m_s.ui().item(QStringLiteral("resultPane"));
        QTRY_VERIFY(textsNamed(pane, QStringLiteral("label")).size() > 60);
        for (QQuickItem *label : textsNamed(pane, QStringLiteral("label")))
            QTRY_VERIFY2(labelFault(label).isEmpty(), qPrintable(labelFault(label)));
    }

    // The read-out hangs on its point: after a resize or a range change it is still there.
    void hoverTipStaysAtItsPoint()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-22")));
        QVERIFY(m_s.snapshotByClick());
        auto *chart = qobject_cast<CustomPlotBaseItem *>(m_s.ui().item(QStringLiteral("chartSpectrogram")));
        QVERIFY(chart && chart->isVisible());
        QCustomPlot *plot = chart->customPlot();
        QTRY_VERIFY(plot->graph(0)->dataCount() > 0);
        const QPointF at(plot->xAxis->coordToPixel(600), chart->height() / 2);
        QHoverEvent hover(QEvent::HoverMove, at, chart->mapToGlobal(at), at - QPointF(1, 0));
        QCoreApplication::sendEvent(chart, &hover);
        QTRY_VERIFY(shownTip(plot).second);
        const auto [tracer, text] = shownTip(plot);
        QVERIFY(tracer);
        const auto tipAtPoint = [plot, tracer = tracer, text = text] {
            plot->replot(QCustomPlot::rpImmediateRefresh);
            return (text->position->pixelPosition() - tracer->position->pixelPosition()).manhattanLength() < 1.0;
        };
        QVERIFY(tipAtPoint());
        const QPointF before = tracer->position->pixelPosition();

        QQuickWindow *window = m_s.app().window();
        window->resize(window->size() + QSize(300, 150));
        QTRY_VERIFY(tracer->position->pixelPosition() != before);
        QTRY_VERIFY(tipAtPoint());
        plot->xAxis->setRange(550, 700);
        QVERIFY(tipAtPoint());
        window->resize(window->minimumSize());
    }

    void snapshotAndContinuousMeasurementDriveTheEnableRules()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-27")));
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("save")));
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("exportReport")));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("openDir")));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("flickerButton")));

        // A snapshot that the device has not answered yet.
        m_s.device().setSilent(true);
        QVERIFY(m_s.ui().click(QStringLiteral("manualSpectrum")));
        QVERIFY(studio()->isSingle());
        QCOMPARE(m_s.statusText(), QStringLiteral("Adjusting Exposure"));
        for (const char *name : {"save", "exportReport", "manualSpectrum", "autoSpectrum", "flickerButton",
                                 "autoRadioButton", "manualRadioButton", "setExposeTime", "getExposeTime"})
            QVERIFY2(!m_s.ui().isOperable(QLatin1String(name)), name);
        QVERIFY(m_s.ui().isOperable(QStringLiteral("openDir")));
        m_s.device().setSilent(false);
        m_s.device().pushSpectrum();
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), StudioPageSession::kReplyTimeoutMs);
        QCOMPARE(m_s.statusText(), QStringLiteral("Normal Exposure"));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("save")));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("exportReport")));

        // Continuous measurement: one button starts and stops it.
        QVERIFY(m_s.ui().click(QStringLiteral("autoSpectrum")));
        QVERIFY(studio()->isAuto());
        QCOMPARE(m_s.ui().property(QStringLiteral("autoSpectrum"), "text").toString(), QStringLiteral("Stop"));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("autoSpectrum")));
        QVERIFY(m_s.ui().isOperable(QStringLiteral("save")));
        for (const char *name : {"manualSpectrum", "flickerButton", "autoRadioButton", "manualRadioButton"})
            QVERIFY2(!m_s.ui().isOperable(QLatin1String(name)), name);
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        QTRY_VERIFY_WITH_TIMEOUT(spectra.count() >= 3, StudioPageSession::kReplyTimeoutMs);
        QVERIFY(m_s.ui().click(QStringLiteral("autoSpectrum")));
        QVERIFY(!studio()->isAuto());
        QCOMPARE(m_s.ui().property(QStringLiteral("autoSpectrum"), "text").toString(),
                 QStringLiteral("Continuous Measure"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_s.device().isStreaming(), StudioPageSession::kReplyTimeoutMs);
        const QList<QByteArray> frames = m_s.receivedFrames(2);
        QVERIFY(frames.contains(commandFrame(51)));
        QCOMPARE(frames.last(), commandFrame(4));
    }

    void exposureStatusFollowsTheDevice()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-21")));
        const QList<QPair<uint8_t, QString>> cases{{2, QStringLiteral("Under Exposure")},
                                                   {1, QStringLiteral("Over Exposure")},
                                                   {0, QStringLiteral("Normal Exposure")}};
        for (const auto &[status, text] : cases) {
            m_s.device().updateState([status = status](DeviceState &state) { state.spectrum.exposureStatus = status; });
            QVERIFY(m_s.snapshotByClick());
            QCOMPARE(m_s.statusText(), text);
        }
        buffer()->setExpoStatus(3);
        QCOMPARE(m_s.statusText(), QString());
    }

    void flickerViewComesAndGoesWithItsButtons()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-27")));
        QSignalSpy flicker(buffer(), &DataBuffer::flickerDataChanged);
        QVERIFY(m_s.ui().click(QStringLiteral("flickerButton")));
        QCOMPARE(m_s.shownChart(), QStringLiteral("Flicker"));
        QVERIFY(m_s.ui().item(QStringLiteral("chartFlicker"))->isVisible());
        QVERIFY(!m_s.ui().item(QStringLiteral("chartSpectrogram"))->isVisible());
        QCOMPARE(m_s.receivedFrames(1), QList<QByteArray>{commandFrame(60)});
        QTRY_VERIFY_WITH_TIMEOUT(flicker.count() >= 1, StudioPageSession::kReplyTimeoutMs);

        // Continuous measurement goes back to the spectrum first.
        QVERIFY(m_s.ui().click(QStringLiteral("autoSpectrum")));
        QCOMPARE(m_s.shownChart(), QStringLiteral("Spectrum"));
        QVERIFY(studio()->isAuto());
        QVERIFY(m_s.ui().click(QStringLiteral("autoSpectrum")));
        QCOMPARE(m_s.shownChart(), QStringLiteral("Spectrum"));

        // A model without flicker has no such view, and its button stays disabled.
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-22")));
        QVERIFY(!m_s.chartTypes().contains(QStringLiteral("Flicker")));
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("flickerButton")));
    }

    void hueBinTableFillsFromEachResultAndEmptiesOnAnotherPick()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-22")));
        QAbstractItemModel *model = m_s.hueBins();
        QQuickItem *rows = m_s.ui().item(QStringLiteral("hueBinRows"));
        // Picking the page empties the table until the next result.
        QCOMPARE(model->rowCount(), 0);
        auto row = [this](int r) { return m_s.hueBin(r); };

        QVERIFY(m_s.snapshotByClick());
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 16, StudioPageSession::kReplyTimeoutMs);
        const QList<float> rf = buffer()->colorFidelity();
        const QList<float> chroma = buffer()->chromaShift();
        const QList<float> hue = buffer()->hueShift();
        QCOMPARE(rf.size(), 16);
        QVERIFY(std::any_of(rf.begin(), rf.end(), [](float value) { return value > 1.0f; }));
        // Four decimals; a value that rounds to zero shows without a sign.
        const auto shown = [](float value) {
            const QString text = QString::number(value, 'f', 4);
            return text == QLatin1String("-0.0000") ? text.mid(1) : text;
        };
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(row(i).at(1), shown(rf.at(i)));
            QCOMPARE(row(i).at(2), shown(chroma.at(i)));
            QCOMPARE(row(i).at(3), shown(hue.at(i)));
        }
        const QVariant nearZero = QVariantList{-0.00001, -0.00006};
        const auto binText = [this, &nearZero](int index) {
            QVariant text;
            QMetaObject::invokeMethod(m_s.ui().find(QStringLiteral("dataAnalysis")), "valueText",
                                      Q_RETURN_ARG(QVariant, text), Q_ARG(QVariant, nearZero), Q_ARG(QVariant, index));
            return text.toString();
        };
        QCOMPARE(binText(0), QStringLiteral("0.0000"));
        QCOMPARE(binText(1), QStringLiteral("-0.0001"));


        // Shown in the dark theme, the values stay readable.
        QObject *selector = m_s.ui().find(QStringLiteral("selectShowChart"));
        selector->setProperty("currentIndex", m_s.chartTypes().indexOf(QStringLiteral("DataAnalysis")));
        QTRY_VERIFY(m_s.ui().item(QStringLiteral("dataAnalysis"))->isVisible());
        QVERIFY(!m_s.ui().item(QStringLiteral("chartSpectrogram"))->isVisible());
        QObject *theme = m_s.app().engine().rootContext()->contextProperty(QStringLiteral("theme")).value<QObject *>();
        QMetaObject::invokeMethod(theme, "switchTheme", Q_ARG(QString, QStringLiteral("dark")));
        // Every shown bin text in the theme's text colour.
        auto shownBinColours = [rows] {
            QSet<QString> colours;
            int count = 0;
            QList<QQuickItem *> pending{rows};
            while (!pending.isEmpty()) {
                QQuickItem *item = pending.takeFirst();
                pending << item->childItems();
                if (item->inherits("QQuickText") && item->isVisible()) {
                    colours << item->property("color").value<QColor>().name();
                    ++count;
                }
            }
            return count >= 16 ? colours : QSet<QString>();
        };
        QTRY_COMPARE(shownBinColours(), QSet<QString>{QStringLiteral("#ffffff")});
        // Only whole rows are shown; the rest scroll.
        QCOMPARE(qRound(rows->height()) % 40, 0);
        QVERIFY(rows->height() >= 40);
        QMetaObject::invokeMethod(theme, "switchTheme", Q_ARG(QString, QStringLiteral("light")));
        QTRY_COMPARE(shownBinColours(), QSet<QString>{QStringLiteral("#212121")});

        // Picking the page again empties the table and keeps the view.
        QVERIFY(QMetaObject::invokeMethod(m_s.app().window(), "pageSwitch", Q_ARG(QVariant, QStringLiteral("Studio"))));
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(m_s.shownChart(), QStringLiteral("DataAnalysis"));
        QVERIFY(m_s.snapshotByClick());
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 16, StudioPageSession::kReplyTimeoutMs);
        selector->setProperty("currentIndex", 0);
    }
};

QTEST_MAIN(TestStudioPage)
#include "tst_studio_page.moc"
