// The photometry page's exposure row and files, in the real window on the simulated
// spectrometer: what the exposure controls send and refuse, the timed series, and the report
// (dark on screen, light and without the read-out on paper, a failure told on the page).
#include "PdfTools.h"
#include "SavedFiles.h"
#include "StudioPageSession.h"
#include "welcome/WelcomeService.h"
#include "CustomPlotBaseItem.h"
#include "control/StudioService.h"
#include "output/SaveFolder.h"
#include "store/DataBuffer.h"

#include <QColor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <qcustomplot.h>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>

using simdevice::DeviceState;
using testsupport::commandFrame;
using testsupport::StudioPageSession;

namespace {

QByteArray microseconds(quint32 value)
{
    QByteArray bytes(4, 0);
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
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

class TestStudioExposureAndFiles : public QObject
{
    Q_OBJECT
    StudioPageSession m_s;

    StudioService *studio() const { return m_s.studio(); }
    DataBuffer *buffer() const { return m_s.buffer(); }

private slots:
    void initTestCase() { QVERIFY(m_s.start()); }

    void cleanupTestCase() { m_s.stop(); }

    void cleanup()
    {
        if (m_s.hasDevice())
            m_s.device().setSilent(false);
        if (studio()->isAuto())
            studio()->handleAutoSpectrumSignal();
    }

    void exposureModeAndTimeReachTheDevice()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-21"), [](DeviceState &state) { state.autoExposure = true; }));
        QTRY_COMPARE(buffer()->expoMode(), 1u);
        QVERIFY(m_s.ui().property(QStringLiteral("autoRadioButton"), "checked").toBool());
        // Automatic exposure: the time cannot be set or read.
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("setExposeTime")));
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("getExposeTime")));

        QVERIFY(m_s.ui().click(QStringLiteral("manualRadioButton")));
        QCOMPARE(m_s.receivedFrames(2), (QList<QByteArray>{commandFrame(10, QByteArray(1, 0)), commandFrame(11)}));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoMode(), 0u, StudioPageSession::kReplyTimeoutMs);
        QVERIFY(m_s.ui().property(QStringLiteral("manualRadioButton"), "checked").toBool());
        QVERIFY(!m_s.ui().property(QStringLiteral("autoRadioButton"), "checked").toBool());
        QTRY_VERIFY(m_s.ui().isOperable(QStringLiteral("setExposeTime")));

        // Get reads the device's time, shown in milliseconds in the shortest form.
        QVERIFY(m_s.ui().click(QStringLiteral("getExposeTime")));
        QCOMPARE(m_s.receivedFrames(1), (QList<QByteArray>{commandFrame(13)}));
        QTRY_COMPARE(m_s.ui().property(QStringLiteral("exposeTime"), "text").toString(), QStringLiteral("100"));
        QVERIFY(m_s.ui().type(QStringLiteral("exposeTime"), QStringLiteral("12.5")));
        QVERIFY(m_s.ui().click(QStringLiteral("setExposeTime")));
        QCOMPARE(m_s.receivedFrames(2), (QList<QByteArray>{commandFrame(12, microseconds(12500)), commandFrame(13)}));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoTime(), 12500u, StudioPageSession::kReplyTimeoutMs);
        QCOMPARE(m_s.ui().property(QStringLiteral("exposeTime"), "text").toString(), QStringLiteral("12.5"));

        // Get puts the device's time back over what was typed.
        QVERIFY(m_s.ui().type(QStringLiteral("exposeTime"), QStringLiteral("77")));
        QVERIFY(m_s.ui().click(QStringLiteral("getExposeTime")));
        QCOMPARE(m_s.receivedFrames(1), (QList<QByteArray>{commandFrame(13)}));
        QTRY_COMPARE(m_s.ui().property(QStringLiteral("exposeTime"), "text").toString(), QStringLiteral("12.5"));

        QVERIFY(m_s.ui().click(QStringLiteral("autoRadioButton")));
        QCOMPARE(m_s.receivedFrames(2), (QList<QByteArray>{commandFrame(10, QByteArray(1, 1)), commandFrame(11)}));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoMode(), 1u, StudioPageSession::kReplyTimeoutMs);
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("setExposeTime")));
    }

    void exposureFieldRefusesWhatIsNoTimeFromZeroTo5000Ms_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QStringLiteral("  ");
        QTest::newRow("word") << QStringLiteral("fast");
        QTest::newRow("decimal comma") << QStringLiteral("1,5");
        QTest::newRow("exponent") << QStringLiteral("1e3");
        QTest::newRow("negative") << QStringLiteral("-1");
        QTest::newRow("too long") << QStringLiteral("5000.5");
        QTest::newRow("lone point") << QStringLiteral(".");
        QTest::newRow("hex") << QStringLiteral("0x10");
    }

    void exposureFieldRefusesWhatIsNoTimeFromZeroTo5000Ms()
    {
        QFETCH(QString, typed);
        if (!m_s.hasDevice() || buffer()->deviceModel() != QStringLiteral("PQV-21") || buffer()->expoMode() != 0)
            QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-21"), [](DeviceState &state) { state.autoExposure = false; }));
        QTRY_COMPARE(buffer()->expoMode(), 0u);
        m_s.device().clearReceived();
        QVERIFY(m_s.ui().type(QStringLiteral("exposeTime"), typed));
        QVERIFY(m_s.ui().click(QStringLiteral("setExposeTime")));
        QTRY_VERIFY(m_s.ui().property(QStringLiteral("exposureMessage"), "visible").toBool());
        QVERIFY(!m_s.ui().property(QStringLiteral("exposureMessage"), "boxMessage").toString().isEmpty());
        QTest::qWait(200);
        QCOMPARE(m_s.device().receivedFrames(), QList<QByteArray>{});
        QMetaObject::invokeMethod(m_s.ui().find(QStringLiteral("exposureMessage")), "close");
        QTRY_VERIFY(!m_s.ui().property(QStringLiteral("exposureMessage"), "visible").toBool());
    }

    void exposureFieldTakesTheLimits()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-21"), [](DeviceState &state) { state.autoExposure = false; }));
        QTRY_COMPARE(buffer()->expoMode(), 0u);
        for (const auto &[typed, us] : QList<QPair<QString, quint32>>{{QStringLiteral("5000"), 5000000u},
                                                                       {QStringLiteral(" 0.5 "), 500u},
                                                                       {QStringLiteral("0"), 0u}}) {
            m_s.device().clearReceived();
            QVERIFY(m_s.ui().type(QStringLiteral("exposeTime"), typed));
            QVERIFY(m_s.ui().click(QStringLiteral("setExposeTime")));
            QCOMPARE(m_s.receivedFrames(2).first(), commandFrame(12, microseconds(us)));
            QVERIFY(!m_s.ui().property(QStringLiteral("exposureMessage"), "visible").toBool());
        }
    }

    void timedSeriesFromItsDialogEndsWithTheStopButtonAndIsWritten()
    {
        QVERIFY(m_s.openStudioWith(QStringLiteral("PQV-21")));
        const QString series = QStringLiteral("PQV-21_CustomizedTest_*.csv");
        testsupport::removeSavedFiles(series);
        QVERIFY(QMetaObject::invokeMethod(m_s.ui().find(QStringLiteral("customizedTestAction")), "trigger"));
        QTRY_VERIFY(m_s.ui().property(QStringLiteral("customizedTestDialog"), "visible").toBool());
        m_s.ui().find(QStringLiteral("durationField"))->setProperty("text", "2");
        m_s.ui().find(QStringLiteral("durationUnit"))->setProperty("currentIndex", 1);
        QVERIFY(m_s.ui().click(QStringLiteral("customizedTestStartButton")));
        QVERIFY(studio()->isAuto());
        QCOMPARE(m_s.ui().property(QStringLiteral("autoSpectrum"), "text").toString(), QStringLiteral("Stop"));
        QVERIFY(!m_s.ui().isOperable(QStringLiteral("manualSpectrum")));
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QTRY_VERIFY_WITH_TIMEOUT(append.count() >= 1, 30000);
        // Stopping continuous measurement on the page ends the series, which is written.
        QVERIFY(m_s.ui().click(QStringLiteral("autoSpectrum")));
        QVERIFY(!studio()->isAuto());
        QTRY_COMPARE_WITH_TIMEOUT(testsupport::savedFiles(series).size(), 1, StudioPageSession::kReplyTimeoutMs);
        const QStringList lines = testsupport::csvLines(testsupport::savedFiles(series).first());
        QVERIFY(lines.first().startsWith(testsupport::kBom + "Time,"));
        QVERIFY(lines.size() > 401);
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

QTEST_MAIN(TestStudioExposureAndFiles)
#include "tst_studio_exposure_and_files.moc"
