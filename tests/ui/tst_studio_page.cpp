// The photometry page in the real window, connected to the simulated spectrometer: result
// labels whole in every language, the read-out on its point, the hue-bin table, and the
// report (dark on screen, light and without the read-out on paper, a failure told on the
// page). The page's ordinary walk is the real-use test's.
#include "PdfTools.h"
#include "SavedFiles.h"
#include "StudioPageSession.h"
#include "welcome/WelcomeService.h"
#include "CustomPlotBaseItem.h"
#include "control/StudioService.h"
#include "output/SaveFolder.h"
#include "store/DataBuffer.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// Share of the pixels of `area` that are the hover read-out's cyan.
double cyanShare(const QImage &image, const QRect &area)
{
    int cyan = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            cyan += qRed(pixel) < 90 && qGreen(pixel) > 200 && qBlue(pixel) > 200;
        }
    }
    return inside.isEmpty() ? 0.0 : double(cyan) / (inside.width() * inside.height());
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
        // Before any device the hue bins, not computed yet, read zero.
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
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-22"), [](DeviceState &state) { state.autoExposure = false; }));
        QTRY_COMPARE(buffer()->expoMode(), 0u);
        // The exposure field takes plain decimals from 0 to 5000 ms; a refusal sends nothing.
        const QList<QPair<QString, QByteArray>> typings{
            {"5000", QByteArray::fromHex("404b4c00")}, {"1,5", {}}, {"5000.5", {}}, {"12.5", QByteArray::fromHex("d4300000")}};
        for (const auto &[typed, sent] : typings) {
            m_s.device().clearReceived();
            QVERIFY(m_s.ui().type(QStringLiteral("exposeTime"), typed));
            QVERIFY(m_s.ui().click(QStringLiteral("setExposeTime")));
            if (!sent.isEmpty()) {
                QCOMPARE(m_s.receivedFrames(2).first(), commandFrame(12, sent));
                continue;
            }
            QTRY_VERIFY(m_s.ui().property(QStringLiteral("exposureMessage"), "visible").toBool());
            QTest::qWait(200);
            QCOMPARE(m_s.device().receivedFrames(), QList<QByteArray>{});
            QMetaObject::invokeMethod(m_s.ui().find(QStringLiteral("exposureMessage")), "close");
        }
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
    void exportDialogWritesTheReportWithTheTypedInformation()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-28")));
        testsupport::removeSavedFiles(QStringLiteral("*.pdf"));
        QVERIFY(m_s.snapshotByClick());
        // Dark on screen, with the pointer's read-out over the spectrum.
        QObject *theme = m_s.app().engine().rootContext()->contextProperty(QStringLiteral("theme")).value<QObject *>();
        QMetaObject::invokeMethod(theme, "switchTheme", Q_ARG(QString, QStringLiteral("dark")));
        auto *chart = qobject_cast<CustomPlotBaseItem *>(m_s.ui().item(QStringLiteral("chartSpectrogram")));
        QVERIFY(chart);
        QCustomPlot *plot = chart->customPlot();
        QTRY_VERIFY(plot->graph(0)->dataCount() > 0);
        const QPointF at(plot->xAxis->coordToPixel(700), chart->height() / 2);
        QHoverEvent hover(QEvent::HoverMove, at, chart->mapToGlobal(at), at - QPointF(1, 0));
        QCoreApplication::sendEvent(chart, &hover);
        QCPItemText *tip = nullptr;
        for (int i = 0; i < plot->itemCount() && !tip; ++i)
            tip = qobject_cast<QCPItemText *>(plot->item(i));
        QTRY_VERIFY(tip && tip->visible());
        plot->replot(QCustomPlot::rpImmediateRefresh);
        const QRectF tipBox(tip->topLeft->pixelPosition(), tip->bottomRight->pixelPosition());
        QVERIFY(cyanShare(chart->renderedImage(), tipBox.toRect()) > 0.3);

        QVERIFY(m_s.ui().click(QStringLiteral("exportReport")));
        QTRY_VERIFY(m_s.ui().property(QStringLiteral("exportDialog"), "visible").toBool());
        auto *dialog = qobject_cast<QQuickWindow *>(m_s.ui().find(QStringLiteral("exportDialog")));
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        dialog->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QVERIFY(m_s.ui().type(QStringLiteral("sampleName"), QStringLiteral("Lamp A")));
        QSignalSpy finished(m_s.app().engine().rootContext()->contextProperty(QStringLiteral("saveService")).value<QObject *>(),
                            SIGNAL(saveFinished(bool, QString, QString)));
        QVERIFY(m_s.ui().click(QStringLiteral("exportConfirmButton")));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, StudioPageSession::kReplyTimeoutMs);
        QVERIFY(finished.first().at(0).toBool());
        QVERIFY(!m_s.ui().property(QStringLiteral("exportDialog"), "visible").toBool());
        const QStringList reports = testsupport::savedFiles(QStringLiteral("PQV-28_*.pdf"));
        QCOMPARE(reports.size(), 1);
        const QString text = testsupport::pdfText(reports.first());
        QVERIFY2(text.contains(QLatin1String("Sample Name:Lamp A")), qPrintable(text));
        // On paper the charts are light, drawn for print, and without the read-out.
        QTemporaryDir pictures;
        const QList<QImage> images = testsupport::pdfImagePixels(reports.first(), pictures.path());
        QVERIFY(images.size() >= 6);
        for (const QImage &image : images) {
            QVERIFY2(image.width() >= 2 * chart->width() && image.height() >= 2 * chart->height(),
                     qPrintable(QStringLiteral("%1 x %2").arg(image.width()).arg(image.height())));
            QVERIFY(qGray(image.pixel(4, 4)) > 200);
        }
        const double scale = images.first().width() / chart->width();
        const QRectF printedTipBox(tipBox.topLeft() * scale, tipBox.bottomRight() * scale);
        QCOMPARE(cyanShare(images.first(), printedTipBox.toRect()), 0.0);
        QMetaObject::invokeMethod(theme, "switchTheme", Q_ARG(QString, QStringLiteral("light")));


        // A report that cannot be written is reported on the page with the back end's message.
        QVERIFY(QDir(SaveFolder::path()).removeRecursively());
        QFile blocker(SaveFolder::path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        finished.clear();
        QVERIFY(m_s.ui().click(QStringLiteral("exportReport")));
        QTRY_VERIFY(m_s.ui().isOperable(QStringLiteral("exportConfirmButton")));
        QVERIFY(m_s.ui().click(QStringLiteral("exportConfirmButton")));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, StudioPageSession::kReplyTimeoutMs);
        QVERIFY(!finished.first().at(0).toBool());
        QTRY_VERIFY(m_s.ui().property(QStringLiteral("messageDialog"), "visible").toBool());
        QCOMPARE(m_s.ui().property(QStringLiteral("messageDialog"), "boxMessage").toString(),
                 finished.first().at(2).toString());
        QVERIFY(!finished.first().at(2).toString().isEmpty());
        QMetaObject::invokeMethod(m_s.ui().find(QStringLiteral("messageDialog")), "close");
        QVERIFY(QFile::remove(SaveFolder::path()));

        dialog->close();
    }
};

QTEST_MAIN(TestStudioPage)
#include "tst_studio_page.moc"
