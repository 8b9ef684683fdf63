// The whole application as a person uses it, in a real window on the simulated
// spectrometer: for one model of each family it connects through the welcome page, opens
// every measuring page the model offers from the mode page, measures, takes a reference
// where the page needs one, switches theme and language, saves and exports, and checks the
// files in the save folder and a few pixels of each page; on the photometry page also the
// exposure field, result labels in every language, the read-out, hue bins and the report
// (dark on screen, light and without the read-out on paper, a failure told on the page), and
// the timed-series and report dialogs at their edges and when the link drops.
#include "PdfTools.h"
#include "RunningApplication.h"
#include "SavedFiles.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "SyntheticRamanSpectrum.h"
#include "TemporaryHome.h"
#include "UiDriver.h"
#include "UrlRecorder.h"

#include "CustomPlotBaseItem.h"
#include "format/NumberText.h"
#include "format/OutsideText.h"
#include "output/SaveFolder.h"
#include "protocol/DeviceFrame.h"
#include <QQuickItem>
#include "control/StudioService.h"
#include "welcome/WelcomeService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"
#include "theme/Theme.h"

#include <QAbstractItemModel>
#include <QDesktopServices>
#include <QTemporaryDir>
#include <QTextBoundaryFinder>
#include <qcustomplot.h>
#include <algorithm>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtEndian>
#include <QtTest>
#include <cmath>

using simdevice::DeviceState;
using simdevice::SimulatedDevice;
using testsupport::UiDriver;

namespace {

// Generous bounds for a loaded machine; a passing wait ends as soon as it can.
constexpr int kConnectTimeoutMs = 30000;
constexpr int kReplyTimeoutMs = 15000;

const QColor kLightBackground(QStringLiteral("#F7F7F8"));
const QColor kDarkBackground(QStringLiteral("#1F2228"));

// Every feature the mode page has a button for.
const QStringList kFeatures{"spectrum", "photometry", "absorbance", "transmittance", "raman", "reflectance", "image"};

bool sameColour(QRgb pixel, const QColor &colour)
{
    return std::abs(qRed(pixel) - colour.red()) <= 2 && std::abs(qGreen(pixel) - colour.green()) <= 2
        && std::abs(qBlue(pixel) - colour.blue()) <= 2;
}

// A light meter over 380 to 780 nm (401 points) that streams quickly.
DeviceState visibleRangeDevice(const QString &model)
{
    DeviceState state;
    state.model = model;
    state.wlStart = 380, state.wlEnd = 780, state.streamIntervalMs = 50;
    return state;
}

// A Raman measurement: fluorescence hump and three lines, as counts per nanometre.
QVector<uint16_t> ramanSamples(int first, int last)
{
    SyntheticRamanSpectrum spectrum;
    spectrum.firstWavelength = first, spectrum.lastWavelength = last;
    spectrum.lines = {{1001.0, 2500.0}, {1450.0, 1800.0}, {1602.0, 2200.0}};
    QVector<uint16_t> samples;
    for (double value : spectrum.values())
        samples << uint16_t(std::lround(std::max(0.0, value)));
    return samples;
}

// Every shown Text item under `root` named `name` (any name when empty).
QList<QQuickItem *> textsNamed(QQuickItem *root, const QString &name = QString())
{
    QList<QQuickItem *> found;
    QList<QQuickItem *> pending{root};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        pending << item->childItems();
        if ((name.isEmpty() || item->objectName() == name) && item->inherits("QQuickText") && item->isVisible())
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

namespace QTest {
template <>
char *toString(const QCPRange &range)
{
    return qstrdup(QStringLiteral("%1..%2").arg(range.lower).arg(range.upper).toUtf8().constData());
}
} // namespace QTest

namespace {

// A chart's key and value ranges.
using Ranges = std::pair<QCPRange, QCPRange>;
Ranges ranges(CustomPlotBaseItem *chart)
{
    return {chart->customPlot()->xAxis->range(), chart->customPlot()->yAxis->range()};
}

// Notes the ranges each time its plot draws it: on screen and for a saved picture alike.
class RangeProbe : public QCPAbstractItem
{
public:
    explicit RangeProbe(QCustomPlot *plot) : QCPAbstractItem(plot) {}
    double selectTest(const QPointF &, bool, QVariant *) const override { return -1; }
    QList<Ranges> drawn;

protected:
    void draw(QCPPainter *) override { drawn << Ranges{mParentPlot->xAxis->range(), mParentPlot->yAxis->range()}; }
};

// A wheel turn and a drag over the chart, as a person zooms in and pans.
void zoomAndDrag(QQuickItem *chart)
{
    const QPointF centre(chart->width() / 2, chart->height() / 2), moved = centre + QPointF(40, 20);
    QWheelEvent wheel(centre, chart->mapToGlobal(centre), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(chart, &wheel);
    for (const auto &[type, at, buttons] : {std::tuple{QEvent::MouseButtonPress, centre, Qt::LeftButton},
                                            std::tuple{QEvent::MouseMove, moved, Qt::LeftButton},
                                            std::tuple{QEvent::MouseButtonRelease, moved, Qt::NoButton}}) {
        QMouseEvent event(type, at, chart->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(chart, &event);
    }
}

} // namespace

class TestRealUse : public QObject
{
    Q_OBJECT
    std::unique_ptr<testsupport::RunningApplication> m_app;
    std::unique_ptr<UiDriver> m_ui;
    std::unique_ptr<SimulatedDevice> m_device;
    testsupport::UrlRecorder m_urls;
    int m_widthOnModePage = 0;

    StudioService *studio() const { return m_app->studio(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }
    QQuickWindow *window() const { return m_app->window(); }
    QObject *saveService() const
    {
        return m_app->engine().rootContext()->contextProperty(QStringLiteral("saveService")).value<QObject *>();
    }
    QQuickItem *item(const QString &name) const { return m_ui->item(name); }
    void switchTheme(const char *name)
    {
        QObject *theme = m_app->engine().rootContext()->contextProperty(QStringLiteral("theme")).value<QObject *>();
        QVERIFY(QMetaObject::invokeMethod(theme, "switchTheme", Q_ARG(QString, QLatin1String(name))));
    }
    // The spectrum chart of the photometry page, with the pointer over `wavelength`.
    CustomPlotBaseItem *hoverSpectrum(double wavelength)
    {
        auto *chart = qobject_cast<CustomPlotBaseItem *>(item(QStringLiteral("chartSpectrogram")));
        if (!chart || !chart->isVisible() || !QTest::qWaitFor([&] { return chart->customPlot()->graph(0)->dataCount() > 0; }, kReplyTimeoutMs))
            return nullptr;
        const QPointF at(chart->customPlot()->xAxis->coordToPixel(wavelength), chart->height() / 2);
        QHoverEvent hover(QEvent::HoverMove, at, chart->mapToGlobal(at), at - QPointF(1, 0));
        QCoreApplication::sendEvent(chart, &hover);
        return chart;
    }
    bool operable(const QString &name) const { return m_ui->isOperable(name); }
    QString text(const QString &name) const { return m_ui->property(name, "text").toString(); }
    void trigger(const char *action) { QVERIFY(QMetaObject::invokeMethod(m_ui->find(action), "trigger")); }

    // What the device received since the last call, once `count` frames have arrived.
    QList<QByteArray> receivedFrames(int count)
    {
        (void)QTest::qWaitFor([&] { return m_device->receivedFrames().size() >= count; }, kReplyTimeoutMs);
        return testsupport::takeSentFrames(*m_device); // and nothing more
    }
    QAbstractItemModel *hueBins() const { return qobject_cast<QAbstractItemModel *>(m_ui->property("hueBinRows", "model").value<QObject *>()); }
    // One hue bin as shown: angle, fidelity, chroma shift, hue shift.
    QStringList hueBin(int row) const
    {
        QAbstractItemModel *model = hueBins();
        QStringList cells;
        for (const char *name : {"hueAngle", "rf", "chroma", "hue"})
            cells << model->data(model->index(row, 0), model->roleNames().key(name)).toString();
        return cells;
    }
    QStringList chartTypes() const { return m_ui->property(QStringLiteral("selectShowChart"), "chartTypes").toStringList(); }
    QString shownChart() const { return m_ui->property(QStringLiteral("selectShowChart"), "currentValue").toString(); }

    QQuickItem *page() const { return qobject_cast<QQuickItem *>(m_ui->property("dynamicLoader", "item").value<QObject *>()); }

    // The window as drawn, in device-independent pixels.
    QImage shot() const
    {
        QImage image = window()->grabWindow();
        image.setDevicePixelRatio(1.0);
        return image.convertToFormat(QImage::Format_RGB32);
    }

    static QRectF sceneBox(QQuickItem *target) { return target->mapRectToScene(QRectF(0, 0, target->width(), target->height())); }
    QImage region(QQuickItem *target) const { return shot().copy(sceneBox(target).toAlignedRect()); }

    // A point of the top bar that nothing covers: to the right of the button row.
    QRgb topBarPixel() const { return shot().pixel(page()->mapToScene(QPointF(page()->width() - 20, 30)).toPoint()); }

    // Connects a fresh device through the welcome page, as a person picks port and rate.
    void connectThroughWelcome(const DeviceState &state)
    {
        if (m_device) {
            studio()->handleHardwareDisconnectSignal();
            m_device.reset();
            QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible(QStringLiteral("welcome")), kReplyTimeoutMs);
        }
        m_device = std::make_unique<SimulatedDevice>(state);
        QVERIFY2(m_device->start(), qPrintable(m_device->errorString()));
        // The window returns to the welcome size; its layout follows a moment later.
        const auto fits = [this] { return QRectF(QPointF(), window()->size()).contains(sceneBox(item("connectSerialButton"))); };
        QTRY_VERIFY_WITH_TIMEOUT(fits(), kReplyTimeoutMs);
        item(QStringLiteral("selectSerialPortComboBox"))->setProperty("model", QStringList{m_device->portName()});
        item(QStringLiteral("selectSerialBaudComboBox"))->setProperty("chosenIndex", 1); // 115200
        QVERIFY(m_ui->click(QStringLiteral("connectSerialButton")));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), state.model, kConnectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible("function_ui") && !m_app->isVisible("welcome"), kReplyTimeoutMs);
    }

    // The mode page offers exactly the model's features.
    void checkModePage(const QStringList &features)
    {
        for (const QString &feature : kFeatures)
            QTRY_COMPARE_WITH_TIMEOUT(item("modeButton_" + feature)->isEnabled(), features.contains(feature), kReplyTimeoutMs);
    }

    void openFromModePage(const QString &feature, const QString &file)
    {
        if (!m_app->isVisible(QStringLiteral("function_ui"))) {
            trigger("backAction");
            QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible(QStringLiteral("function_ui")), kReplyTimeoutMs);
        }
        m_widthOnModePage = window()->width();
        // The mode page's layout follows the window's new size a moment later.
        QQuickItem *button = item(QStringLiteral("modeButton_") + feature);
        QTRY_VERIFY_WITH_TIMEOUT(QRectF(QPointF(), window()->size()).contains(sceneBox(button)), kReplyTimeoutMs);
        QVERIFY(m_ui->click(QStringLiteral("modeButton_") + feature));
        QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible(QStringLiteral("dynamicLoader")), kReplyTimeoutMs);
        QVERIFY(m_ui->property("dynamicLoader", "source").toString().endsWith(file) && page());
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        QTRY_VERIFY_WITH_TIMEOUT(sameColour(topBarPixel(), kLightBackground), kReplyTimeoutMs);
    }

    void snapshot()
    {
        QVERIFY(operable("manualSpectrum") && m_ui->click("manualSpectrum"));
        QTRY_VERIFY_WITH_TIMEOUT(buffer()->hasData() && !studio()->isSingle(), kReplyTimeoutMs);
        QVERIFY(operable(QStringLiteral("manualSpectrum")));
    }

    // The chart as drawn once it has laid out its plot (axes and frame, not a blank area);
    // null while it stays blank.
    QImage drawnRegion(const QString &chart) const
    {
        QImage image;
        const auto drawn = [&] {
            image = region(item(chart));
            const QRgb first = image.pixel(0, 0);
            for (int y = 0; y < image.height(); y += 3) {
                for (int x = 0; x < image.width(); x += 3) {
                    if (image.pixel(x, y) != first)
                        return true;
                }
            }
            return false;
        };
        return QTest::qWaitFor(drawn, kReplyTimeoutMs) ? image : QImage();
    }

    // The chart draws the new measurement: its pixels change from what they were.
    // A snapshot redraws the shown `chart`: its pixels change from the empty plot's.
    void snapshotRedraws(const QString &chart)
    {
        const QImage before = drawnRegion(chart);
        QVERIFY(!before.isNull());
        snapshot();
        QVERIFY(item(chart) && item(chart)->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(region(item(chart)) != before, kReplyTimeoutMs);
    }

    // Clicks a button that saves and returns the file written, after checking the answer.
    QString saveBy(const QString &button, const QString &confirm = QString())
    {
        QSignalSpy finished(saveService(), SIGNAL(saveFinished(bool, QString, QString)));
        if (!m_ui->click(button)
            || (!confirm.isEmpty() && !(QTest::qWaitFor([&] { return operable(confirm); }, kReplyTimeoutMs) && m_ui->click(confirm)))
            || !QTest::qWaitFor([&] { return finished.count() > 0; }, kReplyTimeoutMs) || !finished.first().at(0).toBool())
            return QString();
        // The main window tells where the file went; close its box as the user would.
        const QString path = finished.first().at(1).toString();
        QObject *box = m_ui->find(QStringLiteral("saveSuccessDialog"));
        if (!box || !box->property("visible").toBool() || !box->property("boxMessage").toString().endsWith(OutsideText::isolated(path)))
            return QString();
        box->setProperty("visible", false);
        return QFileInfo(path).absolutePath() == QDir(SaveFolder::path()).absolutePath() && QFile::exists(path)
                   ? path
                   : QString();
    }

    void checkCsv(const QString &path, const QString &header, int minimumLines)
    {
        QVERIFY2(path.endsWith(QLatin1String(".csv")), qPrintable(path));
        const QStringList lines = testsupport::csvLines(path);
        QVERIFY2(lines.contains(header), qPrintable(lines.mid(0, 4).join('|')));
        QVERIFY2(lines.size() >= minimumLines, qPrintable(QString::number(lines.size())));
    }

    void exportReport()
    {
        QVERIFY(operable("exportReport"));
        const QString path = saveBy(QStringLiteral("exportReport"), QStringLiteral("exportConfirmButton"));
        QFile pdf(path);
        QVERIFY2(path.endsWith(QLatin1String(".pdf")) && pdf.open(QIODevice::ReadOnly), qPrintable(path));
        // A chart image inside; the dialog closed.
        QVERIFY(pdf.read(5) == "%PDF-" && pdf.size() > 10000 && !m_ui->property("exportDialog", "visible").toBool());
    }

    // Dark theme and German on the open page, checked by a pixel and a text, then back.
    void switchThemeAndLanguage(const QString &button, const QString &german)
    {
        trigger("darkThemeAction");
        QTRY_VERIFY_WITH_TIMEOUT(sameColour(topBarPixel(), kDarkBackground), kReplyTimeoutMs);
        trigger("languageAction2");
        QCOMPARE(text(button), german);
        // The longer labels still fit the page's narrowest width.
        if (QQuickItem *last = m_ui->item(QStringLiteral("autoSpectrum"))) {
            QTRY_VERIFY_WITH_TIMEOUT(last->mapToScene(QPointF(last->width(), 0)).x() <= last->window()->width(), 5000);
            QVERIFY(last->width() >= last->implicitWidth());
        }
        trigger("languageAction1");
        trigger("lightThemeAction");
        QTRY_VERIFY_WITH_TIMEOUT(sameColour(topBarPixel(), kLightBackground), kReplyTimeoutMs);
        QVERIFY(text(button) != german);
    }

    void spectrumPage(bool savesCsv, bool exports, const QString &csvHeader)
    {
        openFromModePage(QStringLiteral("spectrum"), QStringLiteral("PureSpectrum.qml"));
        snapshotRedraws("chartPureSpectrum");
        QCOMPARE(std::make_pair(operable("save"), operable("exportReport")), std::make_pair(savesCsv, exports));
        if (savesCsv)
            checkCsv(saveBy(QStringLiteral("save")), csvHeader, 401);
        if (exports)
            exportReport();
        QVERIFY(m_ui->click(QStringLiteral("openDir")));
        QTRY_VERIFY_WITH_TIMEOUT(!m_urls.opened.isEmpty(), kReplyTimeoutMs);
        QCOMPARE(QDir(m_urls.opened.last().toLocalFile()), QDir(SaveFolder::path()));
        switchThemeAndLanguage(QStringLiteral("manualSpectrum"), QStringLiteral("Schnappschuss-Messung"));
    }

    // The ratio of the sample to the reference. The simulated device sends one spectrum for
    // both, so the ratio is 1 (absorbance 0) wherever the reference is strong enough.
    void ratioPage(const QString &feature, const QString &file, const QString &chart, const QString &column,
                   double expected, bool cancelFirst)
    {
        openFromModePage(feature, file);
        // Without a reference only "ref" measures.
        QVERIFY(!buffer()->hasReference() && !operable("manualSpectrum") && !operable("autoSpectrum"));
        QVERIFY(operable("referenceButton"));
        QCOMPARE(m_ui->property(QStringLiteral("selectShowChart"), "currentIndex").toInt(), 0);

        if (cancelFirst) {
            // An over-exposed reference never completes on its own; Stop gives it up.
            m_device->updateState([](DeviceState &s) { s.spectrum.exposureStatus = 1; });
            QVERIFY(m_ui->click(QStringLiteral("referenceButton")));
            QTRY_VERIFY_WITH_TIMEOUT(studio()->isAuto() && studio()->isMeasuringReference(), kReplyTimeoutMs);
            QTRY_COMPARE_WITH_TIMEOUT(text("exposureStatusText"), QStringLiteral("Over Exposure"), kReplyTimeoutMs);
            QVERIFY(!operable("referenceButton") && !operable("manualSpectrum") && operable("autoSpectrum"));
            QCOMPARE(text("autoSpectrum"), QStringLiteral("Stop"));
            QVERIFY(m_ui->click("autoSpectrum"));
            QTRY_VERIFY_WITH_TIMEOUT(!studio()->isAuto() && !studio()->isMeasuringReference(), kReplyTimeoutMs);
            QVERIFY(!buffer()->hasReference() && !operable("manualSpectrum") && operable("referenceButton"));
            m_device->updateState([](DeviceState &s) { s.spectrum.exposureStatus = 0; });
        }

        QVERIFY(m_ui->click(QStringLiteral("referenceButton")));
        QTRY_VERIFY_WITH_TIMEOUT(buffer()->hasReference() && !studio()->isAuto(), kReplyTimeoutMs);
        QVERIFY(operable(QStringLiteral("autoSpectrum")));
        QCOMPARE(text(QStringLiteral("autoSpectrum")), QStringLiteral("Continuous Measure"));

        item(QStringLiteral("selectShowChart"))->setProperty("currentIndex", 1);
        QVERIFY(item(chart)->isVisible());
        snapshotRedraws(chart);

        const QString path = saveBy(QStringLiteral("save"));
        checkCsv(path, QStringLiteral("wl, source, reference, ") + column, 401);
        int matching = 0;
        for (const QString &line : testsupport::csvLines(path)) {
            const QStringList cells = line.split(',');
            bool ok = false;
            matching += cells.size() == 4 && std::abs(cells.at(3).toDouble(&ok) - expected) < 1e-3 && ok;
        }
        QVERIFY2(matching >= 200, qPrintable(QString::number(matching)));

        QCOMPARE(text("exposureStatusText"), QStringLiteral("Normal Exposure"));

        // Picked again: the same page, emptied, back on the spectrum, the reference gone, and
        // with the measurement its exposure status.
        openFromModePage(feature, file);
        QCOMPARE(m_ui->property(QStringLiteral("selectShowChart"), "currentIndex").toInt(), 0);
        QVERIFY(!buffer()->hasReference() && !operable("manualSpectrum"));
        QCOMPARE(text("exposureStatusText"), QString());

        switchThemeAndLanguage(QStringLiteral("referenceButton"), QStringLiteral("Ref"));
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        QDir(SaveFolder::path()).removeRecursively();
        MeasurementSettings::setUnit(0), MeasurementSettings::setRangeEnable(false);
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_urls, "record");
        m_app = std::make_unique<testsupport::RunningApplication>();
        QVERIFY(m_app->start());
        m_ui = std::make_unique<UiDriver>(*m_app);
        QVERIFY(QTest::qWaitForWindowExposed(window()));
        QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible(QStringLiteral("welcome")), kReplyTimeoutMs);
        // The photometry page is made at start-up: its hue bins, not computed yet, read zero.
        QCOMPARE(hueBins()->rowCount(), 16);
        QCOMPARE(hueBin(15), (QStringList{QStringLiteral("337.5°-360.0°"), "0.0000", "0.0000", "0.0000"}));
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        if (m_device)
            studio()->handleHardwareDisconnectSignal();
        m_device.reset();
        m_ui.reset();
        m_app.reset();
    }

    void cleanup()
    {
        if (studio()->isAuto())
            studio()->handleAutoSpectrumSignal();
    }

    void rawCountModel()
    {
        connectThroughWelcome(visibleRangeDevice(QStringLiteral("YQV-01")));
        checkModePage({"spectrum", "photometry"});
        // Raw counts are never saved, but the report is.
        spectrumPage(false, true, QString());
    }

    void photonCountModel()
    {
        connectThroughWelcome(visibleRangeDevice(QStringLiteral("TQV-11")));
        checkModePage({"spectrum", "absorbance", "transmittance", "reflectance"});
        // No photometric report for these models.
        spectrumPage(true, false, QStringLiteral("wavelength(nm), photon counts"));
        // Reflectance first, giving up an over-exposed reference before taking one.
        using Ratio = std::tuple<const char *, const char *, const char *, double>;
        for (const auto &[feature, file, chart, expected] :
             {Ratio{"reflectance", "Reflectance.qml", "chartReflectance", 1.0},
              Ratio{"transmittance", "Transmittance.qml", "chartTransmittance", 1.0},
              Ratio{"absorbance", "Absorbance.qml", "chartAbsorbance", 0.0}})
            ratioPage(feature, file, chart, feature, expected, feature == QLatin1String("reflectance"));
    }

    void colourRenditionAndFlickerModel()
    {
        connectThroughWelcome(visibleRangeDevice(QStringLiteral("PQV-27")));
        checkModePage({"spectrum", "photometry", "absorbance", "transmittance", "reflectance"});
        openFromModePage("photometry", "Studio.qml");
        snapshot();
        QVERIFY(!testsupport::csvLines(saveBy("save")).isEmpty());
        exportReport();
        switchThemeAndLanguage("manualSpectrum", "Schnappschuss-Messung");
    }

    // The photometry page of the last model in detail: exposure field, labels, read-out,
    // hue bins and the report.
    // Every label of the fullest table, in every language, at the page's smallest size.
    void resultLabelsAreShownWholeInEveryLanguage()
    {
        window()->resize(window()->minimumSize());
        QQuickItem *pane = item(QStringLiteral("resultPane"));
        for (const char *language : {"de", "fr", "zh", "en"}) {
            m_app->welcome()->handleLanguageSignal(QLatin1String(language));
            QTRY_VERIFY(textsNamed(pane, QStringLiteral("label")).size() > 60);
            for (QQuickItem *label : textsNamed(pane, QStringLiteral("label")))
                QTRY_VERIFY2(labelFault(label).isEmpty(), qPrintable(language + (": " + labelFault(label))));
        }
    }

    // Set sends the time as typed, also beyond the spectrum page's keystroke range, and the
    // field shows back what the device took; the back end alone refuses text that is no time.
    void exposureFieldSendsWhatIsTyped()
    {
        QVERIFY(m_ui->click(QStringLiteral("manualRadioButton")));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoMode(), 0u, kReplyTimeoutMs);
        const QString refusal = QStringLiteral("Enter an exposure time in milliseconds from 0 to 4294967, such as 12.5.");
        const auto typeAndSet = [&](const QString &typed, const QByteArray &sent) {
            m_device->clearReceived();
            QVERIFY(m_ui->type("exposeTime", typed) && m_ui->click("setExposeTime"));
            if (sent.isEmpty()) {
                QTRY_COMPARE(m_app->shownMessage(), refusal);
                QCOMPARE(testsupport::takeSentFrames(*m_device), QList<QByteArray>{});
                m_app->closeMessage();
                return;
            }
            QCOMPARE(receivedFrames(2), (QList<QByteArray>{DeviceFrame::build(12, sent), DeviceFrame::build(13, {})}));
            QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoTime(), qFromLittleEndian<quint32>(sent.constData()), kReplyTimeoutMs);
            QTRY_COMPARE(text(QStringLiteral("exposeTime")), typed);
        };
        for (const auto &[typed, sent] : QList<QPair<QString, QByteArray>>{
                 {"2.3", QByteArray::fromHex("fc080000")}, {"33.3", QByteArray::fromHex("14820000")},
                 {"6000", QByteArray::fromHex("808d5b00")}, {"1.000", {}}})
            typeAndSet(typed, sent);
        openFromModePage(QStringLiteral("spectrum"), QStringLiteral("PureSpectrum.qml"));
        typeAndSet(QStringLiteral("6000"), QByteArray::fromHex("808d5b00"));
        typeAndSet(QStringLiteral("."), {});
        openFromModePage(QStringLiteral("photometry"), QStringLiteral("Studio.qml"));
    }

    // The read-out hangs on its point: after a resize or a range change it is still there.
    void hoverTipStaysAtItsPoint()
    {
        snapshot();
        CustomPlotBaseItem *chart = hoverSpectrum(600);
        QVERIFY(chart);
        QCustomPlot *plot = chart->customPlot();
        QTRY_VERIFY(shownTip(plot).second);
        const auto [tracer, text] = shownTip(plot);
        QVERIFY(tracer);
        const auto tipAtPoint = [plot, tracer = tracer, text = text] {
            plot->replot(QCustomPlot::rpImmediateRefresh);
            return (text->position->pixelPosition() - tracer->position->pixelPosition()).manhattanLength() < 1.0;
        };
        QVERIFY(tipAtPoint());
        const QPointF before = tracer->position->pixelPosition();

        window()->resize(window()->size() + QSize(300, 150));
        QTRY_VERIFY(tracer->position->pixelPosition() != before && tipAtPoint());
        plot->xAxis->setRange(550, 700);
        QVERIFY(tipAtPoint());
        window()->resize(window()->minimumSize());
    }

    void hueBinTableFillsFromEachResultAndEmptiesOnAnotherPick()
    {
        QAbstractItemModel *model = hueBins();
        QVERIFY(QMetaObject::invokeMethod(window(), "pageSwitch", Q_ARG(QVariant, QStringLiteral("Studio"))));
        QQuickItem *rows = m_ui->item(QStringLiteral("hueBinRows"));
        // Picking the page empties the table until the next result.
        QCOMPARE(model->rowCount(), 0);

        snapshot();
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 16, kReplyTimeoutMs);
        const QList<float> rf = buffer()->colorFidelity(), chroma = buffer()->chromaShift(), hue = buffer()->hueShift();
        QCOMPARE(rf.size(), 16);
        QVERIFY(std::any_of(rf.begin(), rf.end(), [](float value) { return value > 1.0f; }));
        // Four decimals by the rule of every other read-out (halfway away from zero, no "-0"),
        // whose cases the store's tests hold.
        const auto shown = [](float value) { return NumberText::fixed(value, 4); };
        for (int i = 0; i < 16; ++i)
            QCOMPARE(hueBin(i).mid(1), (QStringList{shown(rf.at(i)), shown(chroma.at(i)), shown(hue.at(i))}));
        const QVariant nearZero = QVariantList{-0.00001, -0.00006, 0.31255};
        const auto binText = [this, &nearZero](int index) {
            QVariant text;
            QMetaObject::invokeMethod(m_ui->find(QStringLiteral("dataAnalysis")), "valueText",
                                      Q_RETURN_ARG(QVariant, text), Q_ARG(QVariant, nearZero), Q_ARG(QVariant, index));
            return text.toString();
        };
        QCOMPARE(binText(0), QStringLiteral("0.0000"));
        QCOMPARE(binText(1), QStringLiteral("-0.0001"));
        QCOMPARE(binText(2), QStringLiteral("0.3126")); // halfway, as the result table rounds

        // Shown in the dark theme, the values stay readable.
        QObject *selector = m_ui->find(QStringLiteral("selectShowChart"));
        selector->setProperty("currentIndex", chartTypes().indexOf(QStringLiteral("DataAnalysis")));
        QTRY_VERIFY(item("dataAnalysis")->isVisible() && !item("chartSpectrogram")->isVisible());
        switchTheme("dark");
        // Every shown bin text in the theme's text colour.
        auto shownBinColours = [rows] {
            QSet<QString> colours;
            const QList<QQuickItem *> texts = textsNamed(rows);
            for (QQuickItem *text : texts)
                colours << text->property("color").value<QColor>().name();
            return texts.size() >= 16 ? colours : QSet<QString>();
        };
        QTRY_COMPARE(shownBinColours(), QSet<QString>{QStringLiteral("#ffffff")});
        // Only whole rows are shown; the rest scroll.
        QVERIFY(qRound(rows->height()) % 40 == 0 && rows->height() >= 40);
        switchTheme("light");
        QTRY_COMPARE(shownBinColours(), QSet<QString>{QStringLiteral("#212121")});

        // Picking the page again empties the table and keeps the view.
        QVERIFY(QMetaObject::invokeMethod(window(), "pageSwitch", Q_ARG(QVariant, QStringLiteral("Studio"))));
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(shownChart(), QStringLiteral("DataAnalysis"));
        snapshot();
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 16, kReplyTimeoutMs);
        selector->setProperty("currentIndex", 0);
    }
    void exportDialogWritesTheReportWithTheTypedInformation()
    {
        testsupport::removeSavedFiles(QStringLiteral("*.pdf"));
        snapshot();
        QSignalSpy flickerReply(buffer(), &DataBuffer::flickerDataChanged);
        QVERIFY(m_ui->click(QStringLiteral("flickerButton")));
        auto *flicker = qobject_cast<CustomPlotBaseItem *>(item(QStringLiteral("chartFlicker")));
        QTRY_VERIFY_WITH_TIMEOUT(flicker->isVisible() && flickerReply.count() == 1, kReplyTimeoutMs);
        // Dark on screen, both charts zoomed and dragged, the pointer's read-out over the spectrum.
        switchTheme("dark");
        zoomAndDrag(flicker);
        QObject *selector = m_ui->find(QStringLiteral("selectShowChart"));
        selector->setProperty("currentIndex", 0);
        auto *chart = qobject_cast<CustomPlotBaseItem *>(item(QStringLiteral("chartSpectrogram")));
        QTRY_VERIFY(chart->isVisible());
        zoomAndDrag(chart);
        QVERIFY(hoverSpectrum(chart->customPlot()->xAxis->range().center()) == chart);
        QCustomPlot *plot = chart->customPlot();
        QCPItemText *tip = nullptr;
        for (int i = 0; i < plot->itemCount() && !tip; ++i)
            tip = qobject_cast<QCPItemText *>(plot->item(i));
        QTRY_VERIFY(tip && tip->visible());
        plot->replot(QCustomPlot::rpImmediateRefresh);
        const QRectF tipBox(tip->topLeft->pixelPosition(), tip->bottomRight->pixelPosition());
        QVERIFY(cyanShare(chart->renderedImage(), tipBox.toRect()) > 0.3);
        plot->graph(0)->setSelection(QCPDataSelection(plot->graph(0)->data()->dataRange()));
        // The ranges each chart is drawn with, on screen and in the report.
        const QList<Ranges> shown{ranges(flicker), ranges(chart)};
        auto *flickerDraws = new RangeProbe(flicker->customPlot());
        auto *spectrumDraws = new RangeProbe(plot);

        QVERIFY(m_ui->click("exportReport"));
        QTRY_VERIFY(m_ui->property("exportDialog", "visible").toBool());
        auto *dialog = qobject_cast<QQuickWindow *>(m_ui->find(QStringLiteral("exportDialog")));
        QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
        QVERIFY(m_ui->type(QStringLiteral("sampleName"), QStringLiteral("Lamp A")));
        QSignalSpy finished(saveService(), SIGNAL(saveFinished(bool, QString, QString)));
        QVERIFY(m_ui->click(QStringLiteral("exportConfirmButton")));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kReplyTimeoutMs);
        QVERIFY(finished.first().at(0).toBool() && !m_ui->property("exportDialog", "visible").toBool());
        // Printed as zoomed, and afterwards the screen as it was: ranges, selection, read-out.
        QCOMPARE(QList<Ranges>({flickerDraws->drawn.value(0), spectrumDraws->drawn.value(0)}), shown);
        QCOMPARE(QList<Ranges>({flickerDraws->drawn.constLast(), spectrumDraws->drawn.constLast()}), shown);
        QCOMPARE(QList<Ranges>({ranges(flicker), ranges(chart)}), shown);
        QVERIFY(plot->graph(0)->selected() && tip->visible());
        // The screen's pictures stay dark, also once the next measurement redraws them.
        for (CustomPlotBaseItem *shownChart : {chart, flicker}) {
            QCOMPARE(shownChart->renderedImage().pixelColor(2, 2), QColor(70, 74, 83));
            shownChart->customPlot()->replot(QCustomPlot::rpImmediateRefresh);
            QCOMPARE(shownChart->renderedImage().pixelColor(2, 2), QColor(70, 74, 83));
        }
        QVERIFY(plot->removeItem(spectrumDraws) && flicker->customPlot()->removeItem(flickerDraws));
        const QStringList reports = testsupport::savedFiles(QStringLiteral("PQV-27_*.pdf"));
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
        QCOMPARE(cyanShare(images.first(), QRectF(tipBox.topLeft() * scale, tipBox.bottomRight() * scale).toRect()), 0.0);
        switchTheme("light");

        // A report that cannot be written is reported on the page with the back end's message.
        QVERIFY(QDir(SaveFolder::path()).removeRecursively());
        QVERIFY(QFile(SaveFolder::path()).open(QIODevice::WriteOnly));
        finished.clear();
        QVERIFY(m_ui->click(QStringLiteral("exportReport")));
        QTRY_VERIFY(m_ui->isOperable("exportConfirmButton"));
        QVERIFY(m_ui->click("exportConfirmButton"));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kReplyTimeoutMs);
        QVERIFY(!finished.first().at(0).toBool() && !finished.first().at(2).toString().isEmpty());
        QTRY_VERIFY(m_ui->property("messageDialog", "visible").toBool());
        QCOMPARE(m_ui->property("messageDialog", "boxMessage").toString(), finished.first().at(2).toString());
        QMetaObject::invokeMethod(m_ui->find(QStringLiteral("messageDialog")), "close");
        QVERIFY(QFile::remove(SaveFolder::path()));

        dialog->close();
    }

    // A page takes the dialogs it opened with it, on File > Back as on a change of page, so
    // no series runs behind the mode page or on a page that offers none.
    void dialogsCloseWithTheirPage()
    {
        const QStringList dialogs{"customizedTestDialog", "baudDialog", "efficiencyDialog", "bandwidthDialog",
                                  "illuminanceDialog", "exportDialog"};
        for (const char *action : {"customizedTestAction", "setBaudRateAction", "setEfficiencyAction",
                                   "setBandwidthAction", "setIlluminanceAction"})
            trigger(action);
        QVERIFY(m_ui->click(QStringLiteral("exportReport")));
        for (const QString &dialog : dialogs)
            QTRY_VERIFY2(m_ui->property(dialog, "visible").toBool(), qPrintable(dialog));
        trigger("backAction");
        QVERIFY(m_app->isVisible(QStringLiteral("function_ui")));
        for (const QString &dialog : dialogs)
            QVERIFY2(!m_ui->property(dialog, "visible").toBool(), qPrintable(dialog + " stays open"));

        // A series under way ends with its dialog when another page takes the window.
        openFromModePage(QStringLiteral("photometry"), QStringLiteral("Studio.qml"));
        trigger("customizedTestAction");
        QVERIFY(m_ui->type("durationField", "60") && m_ui->click("customizedTestStartButton"));
        QTRY_VERIFY(studio()->isAuto());
        QSignalSpy ended(studio(), &StudioService::requestCustomizedTestEnd);
        QVERIFY(QMetaObject::invokeMethod(window(), "pageSwitch", Q_ARG(QVariant, QStringLiteral("Spectrum Only"))));
        QVERIFY(m_ui->property("dynamicLoader", "source").toString().endsWith(QLatin1String("PureSpectrum.qml")));
        QVERIFY2(!m_ui->property("customizedTestDialog", "visible").toBool(), "customizedTestDialog stays open");
        QTRY_VERIFY(ended.count() == 1 && !studio()->isMeasuring());
        m_app->closeMessage(); // the series ended before its first sample
    }

    // Start during a series begins it again with the numbers now in the form; the series so
    // far is saved.
    void startDuringASeriesBeginsAgain()
    {
        openFromModePage(QStringLiteral("photometry"), QStringLiteral("Studio.qml"));
        trigger("customizedTestAction");
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        QSignalSpy finished(saveService(), SIGNAL(saveFinished(bool, QString, QString)));
        QVERIFY(m_ui->type("durationField", "60") && m_ui->click("customizedTestStartButton"));
        QTRY_VERIFY_WITH_TIMEOUT(studio()->testTimer() >= 5, kReplyTimeoutMs); // one sample taken
        QVERIFY(m_ui->type("durationField", "2"));
        item(QStringLiteral("durationUnit"))->setProperty("currentIndex", 1);
        QVERIFY(m_ui->click("customizedTestStartButton"));
        QTRY_COMPARE(finished.count(), 1);
        QVERIFY(finished.first().at(0).toBool() && QFile::exists(finished.first().at(1).toString()));
        QVERIFY(begin.count() == 2 && studio()->isAuto() && studio()->testDuration() == 120);
        QVERIFY(studio()->testTimer() < 5);
        m_ui->find(QStringLiteral("saveSuccessDialog"))->setProperty("visible", false);
        m_ui->find(QStringLiteral("customizedTestDialog"))->setProperty("visible", false);
        QTRY_VERIFY(!studio()->isAuto());
        item(QStringLiteral("durationUnit"))->setProperty("currentIndex", 0);
        m_app->closeMessage();
    }

    // The timed series and the report at their edges: Start refuses a duration that would
    // measure nothing or that the back end cannot count, a double click starts one series,
    // and the covered accept button's place takes no click. When the link drops, the page
    // goes and both dialogs with it, and without a link nothing is written.
    void seriesAndReportDialogsKeepToTheLink()
    {
        testsupport::removeSavedFiles(QStringLiteral("*"));
        trigger("customizedTestAction");
        auto *series = qobject_cast<QQuickWindow *>(m_ui->find(QStringLiteral("customizedTestDialog")));
        QVERIFY(series && QTest::qWaitForWindowExposed(series));
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        QSignalSpy finished(saveService(), SIGNAL(saveFinished(bool, QString, QString)));
        m_device->clearReceived();
        for (const char *duration : {"4", "3000000000", "4294967300"}) {
            QVERIFY(m_ui->type("durationField", duration) && m_ui->click("customizedTestStartButton"));
            QTRY_COMPARE(m_app->shownMessage(),
                         QStringLiteral("Enter a duration of at least one interval (5 s) and at most 2147483647 s."));
            m_app->closeMessage();
        }
        QVERIFY(testsupport::takeSentFrames(*m_device).isEmpty());
        QVERIFY(begin.isEmpty() && !studio()->isAuto());

        QVERIFY(m_ui->type("durationField", "60"));
        QQuickItem *start = item(QStringLiteral("customizedTestStartButton"));
        QTest::mouseDClick(series, Qt::LeftButton, Qt::NoModifier,
                           start->mapToScene(QPointF(start->width() / 2, start->height() / 2)).toPoint());
        QTRY_VERIFY(studio()->isAuto());
        QCOMPARE(begin.count(), 1);
        QQuickItem *covered = series->findChild<QQuickItem *>(QStringLiteral("acceptButton"));
        QVERIFY(covered);
        QTest::mouseClick(series, Qt::LeftButton, Qt::NoModifier,
                          covered->mapToScene(QPointF(covered->width() / 2, covered->height() / 2)).toPoint());
        QTest::qWait(200);
        QVERIFY(series->isVisible() && studio()->isAuto());
        QCOMPARE(finished.count(), 0);

        QTRY_VERIFY_WITH_TIMEOUT(operable("exportReport"), kReplyTimeoutMs);
        QVERIFY(m_ui->click("exportReport"));
        QTRY_VERIFY(m_ui->property("exportDialog", "visible").toBool());
        m_ui->find(QStringLiteral("illuminanceDialog"))->setProperty("visible", true);
        m_device->hangUp();
        QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible(QStringLiteral("welcome")), kReplyTimeoutMs);
        for (const char *dialog : {"customizedTestDialog", "exportDialog", "illuminanceDialog"})
            QTRY_VERIFY2(!m_ui->property(dialog, "visible").toBool(), dialog);
        QVERIFY(!studio()->isAuto());

        // Shown again without a link, their buttons say why and write nothing.
        const QStringList written = testsupport::savedFiles();
        using Refusal = std::tuple<const char *, const char *, const char *>;
        for (const auto &[dialog, button, message] :
             {Refusal{"customizedTestDialog", "customizedTestStartButton", "Connect a device before starting a test."},
              Refusal{"exportDialog", "exportConfirmButton", "There is no measurement to report. Connect a device and measure first."}}) {
            m_app->closeMessage();
            m_ui->find(dialog)->setProperty("visible", true);
            QVERIFY(m_ui->click(button));
            QTRY_COMPARE(m_app->shownMessage(), QString::fromLatin1(message));
            m_ui->find(dialog)->setProperty("visible", false);
        }
        m_app->closeMessage();
        QCOMPARE(begin.count(), 1);
        QCOMPARE(testsupport::savedFiles(), written);
    }
    void ramanModel()
    {
        DeviceState state;
        state.model = QStringLiteral("WQV-71");
        state.spectrum.samples = ramanSamples(state.wlStart, state.wlEnd);
        connectThroughWelcome(state);
        checkModePage({"raman"});
        openFromModePage(QStringLiteral("raman"), QStringLiteral("Raman.qml"));

        // Raw chart first: no peak panel, no peak selection.
        QVERIFY(item("chartRamanRaw")->isVisible() && !item("dataAnalysis")->isVisible());
        QVERIFY(!operable("peakSelectionButton") && !operable("exposeTime"));
        snapshotRedraws("chartRamanRaw");
        QVERIFY(!operable(QStringLiteral("peakSelectionButton")));

        // The clean chart widens the window to one and a half times its height; the others
        // make it as wide as high, but never narrower than the window's minimum.
        QQuickItem *selector = item(QStringLiteral("selectShowChart"));
        const int height = window()->height();
        selector->setProperty("currentIndex", 1);
        QCOMPARE(window()->width(), qMax(window()->minimumWidth(), int(height * 1.5)));
        QVERIFY(item("dataAnalysis")->isVisible() && operable("peakSelectionButton"));
        QVERIFY(m_ui->click(QStringLiteral("peakSelectionButton")));
        QObject *clean = m_ui->find(QStringLiteral("chartRamanClean"));
        QTRY_VERIFY_WITH_TIMEOUT(!clean->property("ramanPeakList").toList().isEmpty(), kReplyTimeoutMs);
        const int peaks = clean->property("ramanPeakList").toList().size();
        QVERIFY(peaks >= 3 && peaks <= 10);
        QTRY_COMPARE_WITH_TIMEOUT(m_ui->property("analysisTable", "rows").toInt(), peaks, kReplyTimeoutMs);
        selector->setProperty("currentIndex", 2);
        QCOMPARE(window()->width(), qMax(window()->minimumWidth(), height));
        // A maximised window keeps its size.
        window()->showMaximized();
        QTRY_COMPARE_WITH_TIMEOUT(window()->visibility(), QWindow::Maximized, kReplyTimeoutMs);
        const int maximisedWidth = window()->width();
        selector->setProperty("currentIndex", 1);
        QCOMPARE(window()->width(), maximisedWidth);
        window()->showNormal();
        QTRY_COMPARE_WITH_TIMEOUT(window()->visibility(), QWindow::Windowed, kReplyTimeoutMs);

        const QString path = saveBy(QStringLiteral("save"));
        checkCsv(path, QStringLiteral("wavenumber, raman_raw, raman_clean, raman_fl"), 400);
        const QStringList lines = testsupport::csvLines(path);
        const int peakHeader = lines.indexOf(QStringLiteral("raman_peak_loc(cm^-1), raman_peak_val"));
        QVERIFY(peakHeader > 0);
        QVERIFY(lines.size() - peakHeader - 1 >= 3);

        switchThemeAndLanguage(QStringLiteral("peakSelectionButton"), QStringLiteral("Peak-Auswahl"));

        // Picked again: raw chart, empty peak table, the window only raised to its minimum.
        openFromModePage(QStringLiteral("raman"), QStringLiteral("Raman.qml"));
        QCOMPARE(selector->property("currentIndex").toInt(), 0);
        QVERIFY(clean->property("ramanPeakList").toList().isEmpty() && !item("dataAnalysis")->isVisible());
        QCOMPARE(window()->width(), qMax(m_widthOnModePage, window()->minimumWidth()));
    }
};

QTEST_MAIN(TestRealUse)
#include "tst_real_use.moc"
