// The photometry page in the real window, connected to the simulated spectrometer:
// what each control sends, which controls a measurement leaves enabled, what the status
// row, chart selector, hue-bin table and result table show for each model family, and the
// files that Save and Export leave in the save folder.
#include "PdfTools.h"
#include "RunningApplication.h"
#include "SavedFiles.h"
#include "TemporaryHome.h"
#include "UiDriver.h"
#include "SimulatedDevice.h"

#include "protocol/DeviceFrame.h"
#include "services/SaveFolder.h"
#include "services/StudioService.h"
#include "services/WelcomeService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <algorithm>

using simdevice::DeviceState;
using simdevice::SimulatedDevice;
using testsupport::UiDriver;

namespace {

// Generous bounds for a loaded machine; a passing wait ends as soon as it can.
constexpr int kConnectTimeoutMs = 30000;
constexpr int kReplyTimeoutMs = 15000;

const QStringList kAllChartTypes{QStringLiteral("Spectrum"),     QStringLiteral("Cie1931"),
                                 QStringLiteral("Cie1960"),      QStringLiteral("Cie1976"),
                                 QStringLiteral("CRI1"),         QStringLiteral("CRI2"),
                                 QStringLiteral("RfRg"),         QStringLiteral("PowerDistribution"),
                                 QStringLiteral("Fidelity"),     QStringLiteral("DataAnalysis"),
                                 QStringLiteral("ColorVector"),  QStringLiteral("Chromaticity"),
                                 QStringLiteral("Flicker")};

QByteArray frame(uint8_t code, const QByteArray &payload = {}) { return DeviceFrame::build(code, payload); }

QByteArray microseconds(quint32 value)
{
    QByteArray bytes(4, 0);
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

// Texts of every visible Text item under `root`, in item-tree order.
QStringList visibleTexts(QQuickItem *root)
{
    QStringList texts;
    if (!root || !root->isVisible())
        return texts;
    if (root->inherits("QQuickText"))
        texts << root->property("text").toString();
    for (QQuickItem *child : root->childItems())
        texts << visibleTexts(child);
    return texts;
}

} // namespace

class TestStudioPage : public QObject
{
    Q_OBJECT
    std::unique_ptr<testsupport::RunningApplication> m_app;
    std::unique_ptr<UiDriver> m_ui;
    std::unique_ptr<SimulatedDevice> m_device;

    StudioService *studio() const { return m_app->studio(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }

    // Connects a fresh device of `model` and opens the Studio page as the mode page does.
    void openStudioWith(const QString &model, const std::function<void(DeviceState &)> &adjust = {})
    {
        if (m_device) {
            studio()->handleHardwareDisconnectSignal();
            m_device.reset();
        }
        DeviceState state;
        state.model = model;
        state.wlStart = 380;
        state.wlEnd = 780;
        state.streamIntervalMs = 50;
        if (adjust)
            adjust(state);
        m_device = std::make_unique<SimulatedDevice>(state);
        QVERIFY(m_device->start());
        m_app->welcome()->handleSerialConnectionSignal(m_device->portName(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), model, kConnectTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(m_app->isVisible(QStringLiteral("function_ui")), kReplyTimeoutMs);
        QVERIFY(QMetaObject::invokeMethod(m_app->window(), "pageSwitch", Q_ARG(QVariant, QStringLiteral("Studio"))));
        QVERIFY(m_app->isVisible(QStringLiteral("dynamicLoader")));
        QVERIFY(QTest::qWaitForWindowExposed(m_app->window()));
        m_app->window()->requestActivate();
        QTest::qWait(50);
        m_device->clearReceived();
    }

    // What the device received since the last call, once `count` frames have arrived.
    QList<QByteArray> receivedFrames(int count)
    {
        (void)QTest::qWaitFor([&] { return m_device->receivedFrames().size() >= count; }, kReplyTimeoutMs);
        QTest::qWait(100);
        const QList<QByteArray> frames = m_device->receivedFrames();
        m_device->clearReceived();
        return frames;
    }

    bool snapshotByClick()
    {
        if (!m_ui->click(QStringLiteral("snapshotButton")))
            return false;
        return QTest::qWaitFor([this] { return buffer()->hasData() && !studio()->isSingle(); }, kReplyTimeoutMs);
    }

    QAbstractItemModel *hueBins() const
    {
        QQuickItem *rows = m_ui->item(QStringLiteral("hueBinRows"));
        return rows ? qobject_cast<QAbstractItemModel *>(rows->property("model").value<QObject *>()) : nullptr;
    }

    // One hue bin as shown: angle, fidelity, chroma shift, hue shift.
    QStringList hueBin(int row) const
    {
        QAbstractItemModel *model = hueBins();
        QStringList cells;
        const QHash<int, QByteArray> roles = model->roleNames();
        for (const char *name : {"hueAngle", "rf", "chroma", "hue"})
            cells << model->data(model->index(row, 0), roles.key(name)).toString();
        return cells;
    }

    QStringList chartTypes() const
    {
        return m_ui->property(QStringLiteral("selectShowChart"), "chartTypes").toStringList();
    }
    QString shownChart() const { return m_ui->property(QStringLiteral("selectShowChart"), "currentValue").toString(); }
    QString statusText() const { return m_ui->property(QStringLiteral("exposureStatusText"), "text").toString(); }
    QStringList tableTexts() const { return visibleTexts(m_ui->item(QStringLiteral("resultPane"))); }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        QDir(SaveFolder::path()).removeRecursively();
        MeasurementSettings::setUnit(0);
        MeasurementSettings::setRangeEnable(false);
        m_app = std::make_unique<testsupport::RunningApplication>();
        QVERIFY(m_app->start());
        m_ui = std::make_unique<UiDriver>(*m_app);
        // Before any device, the page already lists the colour views of a plain model, and
        // the hue bins, not computed yet, read zero.
        QCOMPARE(chartTypes(), kAllChartTypes.mid(0, 6));
        QVERIFY(hueBins());
        QCOMPARE(hueBins()->rowCount(), 16);
        QCOMPARE(hueBin(0), (QStringList{QStringLiteral("0.0°-22.5°"), "0.0000", "0.0000", "0.0000"}));
        QCOMPARE(hueBin(15), (QStringList{QStringLiteral("337.5°-360.0°"), "0.0000", "0.0000", "0.0000"}));
    }

    void cleanupTestCase()
    {
        if (m_device)
            studio()->handleHardwareDisconnectSignal();
        m_device.reset();
        m_ui.reset();
        m_app.reset();
    }

    void cleanup()
    {
        if (m_device)
            m_device->setSilent(false);
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
        openStudioWith(model);
        QCOMPARE(chartTypes(), types);
        QCOMPARE(m_ui->property(QStringLiteral("selectShowChart"), "model").toStringList(), types);
        QCOMPARE(shownChart(), QStringLiteral("Spectrum"));
        QCOMPARE(m_ui->item(QStringLiteral("chartSpectrogram"))->isVisible(), true);
        QCOMPARE(m_ui->item(QStringLiteral("resultPane"))->isVisible(), resultPane);
        QCOMPARE(m_ui->property(QStringLiteral("modelLine"), "text").toString(), model + QStringLiteral(" Serial"));
        QVERIFY(snapshotByClick());
        // "Y" models' raw counts are not saved; "T" models have no report.
        QCOMPARE(m_ui->isOperable(QStringLiteral("saveButton")), !model.startsWith(QLatin1Char('Y')));
        QCOMPARE(m_ui->isOperable(QStringLiteral("exportButton")), !model.startsWith(QLatin1Char('T')));
        if (!resultPane)
            return;
        // Group titles in the order of the model's modules, each above its rows.
        const QStringList texts = tableTexts();
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
        openStudioWith(QStringLiteral("PQV-24"));
        QVERIFY(snapshotByClick());
        QVERIFY(tableTexts().contains(QStringLiteral("Irradiance Ee(W/m^2):")));
        QVERIFY(!tableTexts().contains(QStringLiteral("Bandwidth:")));
        studio()->setUnit(3);
        QTRY_VERIFY(tableTexts().contains(QStringLiteral("Irradiance Ee(μW/cm^2):")));
        // The range results join with the next measurement.
        studio()->setRangeEnable(true);
        QVERIFY(snapshotByClick());
        QTRY_VERIFY(tableTexts().contains(QStringLiteral("Bandwidth:")));
        QVERIFY(tableTexts().contains(QStringLiteral("Custom Irradiance Ee(μW/cm^2):")));
        QVERIFY(tableTexts().contains(QStringLiteral("Custom Half-peak width HW:")));
        studio()->setRangeEnable(false);
        studio()->setUnit(0);
        QVERIFY(snapshotByClick());
        QTRY_VERIFY(!tableTexts().contains(QStringLiteral("Bandwidth:")));
    }

    void snapshotAndContinuousMeasurementDriveTheEnableRules()
    {
        openStudioWith(QStringLiteral("PQV-27"));
        QVERIFY(!m_ui->isOperable(QStringLiteral("saveButton")));
        QVERIFY(!m_ui->isOperable(QStringLiteral("exportButton")));
        QVERIFY(m_ui->isOperable(QStringLiteral("openFolderButton")));
        QVERIFY(m_ui->isOperable(QStringLiteral("flickerButton")));

        // A snapshot that the device has not answered yet.
        m_device->setSilent(true);
        QVERIFY(m_ui->click(QStringLiteral("snapshotButton")));
        QVERIFY(studio()->isSingle());
        QCOMPARE(statusText(), QStringLiteral("Adjusting Exposure"));
        for (const char *name : {"saveButton", "exportButton", "snapshotButton", "continuousButton", "flickerButton",
                                 "autoExposure", "manualExposure", "setButton", "getButton"})
            QVERIFY2(!m_ui->isOperable(QLatin1String(name)), name);
        QVERIFY(m_ui->isOperable(QStringLiteral("openFolderButton")));
        m_device->setSilent(false);
        m_device->pushSpectrum();
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), kReplyTimeoutMs);
        QCOMPARE(statusText(), QStringLiteral("Normal Exposure"));
        QVERIFY(m_ui->isOperable(QStringLiteral("saveButton")));
        QVERIFY(m_ui->isOperable(QStringLiteral("exportButton")));

        // Continuous measurement: one button starts and stops it.
        QVERIFY(m_ui->click(QStringLiteral("continuousButton")));
        QVERIFY(studio()->isAuto());
        QCOMPARE(m_ui->property(QStringLiteral("continuousButton"), "text").toString(), QStringLiteral("Stop"));
        QVERIFY(m_ui->isOperable(QStringLiteral("continuousButton")));
        QVERIFY(m_ui->isOperable(QStringLiteral("saveButton")));
        for (const char *name : {"snapshotButton", "flickerButton", "autoExposure", "manualExposure"})
            QVERIFY2(!m_ui->isOperable(QLatin1String(name)), name);
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        QTRY_VERIFY_WITH_TIMEOUT(spectra.count() >= 3, kReplyTimeoutMs);
        QVERIFY(m_ui->click(QStringLiteral("continuousButton")));
        QVERIFY(!studio()->isAuto());
        QCOMPARE(m_ui->property(QStringLiteral("continuousButton"), "text").toString(),
                 QStringLiteral("Continuous Measure"));
        QTRY_VERIFY_WITH_TIMEOUT(!m_device->isStreaming(), kReplyTimeoutMs);
        const QList<QByteArray> frames = receivedFrames(2);
        QVERIFY(frames.contains(frame(51)));
        QCOMPARE(frames.last(), frame(4));
    }

    void exposureStatusFollowsTheDevice()
    {
        openStudioWith(QStringLiteral("PQV-21"));
        const QList<QPair<uint8_t, QString>> cases{{2, QStringLiteral("Under Exposure")},
                                                   {1, QStringLiteral("Over Exposure")},
                                                   {0, QStringLiteral("Normal Exposure")}};
        for (const auto &[status, text] : cases) {
            m_device->updateState([status = status](DeviceState &state) { state.spectrum.exposureStatus = status; });
            QVERIFY(snapshotByClick());
            QCOMPARE(statusText(), text);
        }
        buffer()->setExpoStatus(3);
        QCOMPARE(statusText(), QString());
    }

    void exposureModeAndTimeReachTheDevice()
    {
        openStudioWith(QStringLiteral("PQV-21"), [](DeviceState &state) { state.autoExposure = true; });
        QTRY_COMPARE(buffer()->expoMode(), 1u);
        QVERIFY(m_ui->property(QStringLiteral("autoExposure"), "checked").toBool());
        // Automatic exposure: the time cannot be set or read.
        QVERIFY(!m_ui->isOperable(QStringLiteral("setButton")));
        QVERIFY(!m_ui->isOperable(QStringLiteral("getButton")));

        QVERIFY(m_ui->click(QStringLiteral("manualExposure")));
        QCOMPARE(receivedFrames(2), (QList<QByteArray>{frame(10, QByteArray(1, 0)), frame(11)}));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoMode(), 0u, kReplyTimeoutMs);
        QVERIFY(m_ui->property(QStringLiteral("manualExposure"), "checked").toBool());
        QVERIFY(!m_ui->property(QStringLiteral("autoExposure"), "checked").toBool());
        QTRY_VERIFY(m_ui->isOperable(QStringLiteral("setButton")));

        // Get reads the device's time, shown in milliseconds in the shortest form.
        QVERIFY(m_ui->click(QStringLiteral("getButton")));
        QCOMPARE(receivedFrames(1), (QList<QByteArray>{frame(13)}));
        QTRY_COMPARE(m_ui->property(QStringLiteral("exposeTime"), "text").toString(), QStringLiteral("100"));
        QVERIFY(m_ui->type(QStringLiteral("exposeTime"), QStringLiteral("12.5")));
        QVERIFY(m_ui->click(QStringLiteral("setButton")));
        QCOMPARE(receivedFrames(2), (QList<QByteArray>{frame(12, microseconds(12500)), frame(13)}));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoTime(), 12500u, kReplyTimeoutMs);
        QCOMPARE(m_ui->property(QStringLiteral("exposeTime"), "text").toString(), QStringLiteral("12.5"));

        // Get puts the device's time back over what was typed.
        QVERIFY(m_ui->type(QStringLiteral("exposeTime"), QStringLiteral("77")));
        QVERIFY(m_ui->click(QStringLiteral("getButton")));
        QCOMPARE(receivedFrames(1), (QList<QByteArray>{frame(13)}));
        QTRY_COMPARE(m_ui->property(QStringLiteral("exposeTime"), "text").toString(), QStringLiteral("12.5"));

        QVERIFY(m_ui->click(QStringLiteral("autoExposure")));
        QCOMPARE(receivedFrames(2), (QList<QByteArray>{frame(10, QByteArray(1, 1)), frame(11)}));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoMode(), 1u, kReplyTimeoutMs);
        QVERIFY(!m_ui->isOperable(QStringLiteral("setButton")));
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
        if (!m_device || buffer()->deviceModel() != QStringLiteral("PQV-21") || buffer()->expoMode() != 0)
            openStudioWith(QStringLiteral("PQV-21"), [](DeviceState &state) { state.autoExposure = false; });
        QTRY_COMPARE(buffer()->expoMode(), 0u);
        m_device->clearReceived();
        QVERIFY(m_ui->type(QStringLiteral("exposeTime"), typed));
        QVERIFY(m_ui->click(QStringLiteral("setButton")));
        QTRY_VERIFY(m_ui->property(QStringLiteral("exposureMessage"), "visible").toBool());
        QVERIFY(!m_ui->property(QStringLiteral("exposureMessage"), "boxMessage").toString().isEmpty());
        QTest::qWait(200);
        QCOMPARE(m_device->receivedFrames(), QList<QByteArray>{});
        QMetaObject::invokeMethod(m_ui->find(QStringLiteral("exposureMessage")), "close");
        QTRY_VERIFY(!m_ui->property(QStringLiteral("exposureMessage"), "visible").toBool());
    }

    void exposureFieldTakesTheLimits()
    {
        openStudioWith(QStringLiteral("PQV-21"), [](DeviceState &state) { state.autoExposure = false; });
        QTRY_COMPARE(buffer()->expoMode(), 0u);
        for (const auto &[typed, us] : QList<QPair<QString, quint32>>{{QStringLiteral("5000"), 5000000u},
                                                                       {QStringLiteral(" 0.5 "), 500u},
                                                                       {QStringLiteral("0"), 0u}}) {
            m_device->clearReceived();
            QVERIFY(m_ui->type(QStringLiteral("exposeTime"), typed));
            QVERIFY(m_ui->click(QStringLiteral("setButton")));
            QCOMPARE(receivedFrames(2).first(), frame(12, microseconds(us)));
            QVERIFY(!m_ui->property(QStringLiteral("exposureMessage"), "visible").toBool());
        }
    }

    void flickerViewComesAndGoesWithItsButtons()
    {
        openStudioWith(QStringLiteral("PQV-27"));
        QSignalSpy flicker(buffer(), &DataBuffer::flickerDataChanged);
        QVERIFY(m_ui->click(QStringLiteral("flickerButton")));
        QCOMPARE(shownChart(), QStringLiteral("Flicker"));
        QVERIFY(m_ui->item(QStringLiteral("chartFlicker"))->isVisible());
        QVERIFY(!m_ui->item(QStringLiteral("chartSpectrogram"))->isVisible());
        QCOMPARE(receivedFrames(1), QList<QByteArray>{frame(60)});
        QTRY_VERIFY_WITH_TIMEOUT(flicker.count() >= 1, kReplyTimeoutMs);

        // Continuous measurement goes back to the spectrum first.
        QVERIFY(m_ui->click(QStringLiteral("continuousButton")));
        QCOMPARE(shownChart(), QStringLiteral("Spectrum"));
        QVERIFY(studio()->isAuto());
        QVERIFY(m_ui->click(QStringLiteral("continuousButton")));
        QCOMPARE(shownChart(), QStringLiteral("Spectrum"));

        // A model without flicker has no such view, and its button stays disabled.
        openStudioWith(QStringLiteral("PQV-22"));
        QVERIFY(!chartTypes().contains(QStringLiteral("Flicker")));
        QVERIFY(!m_ui->isOperable(QStringLiteral("flickerButton")));
    }

    void hueBinTableFillsFromEachResultAndEmptiesOnAnotherPick()
    {
        openStudioWith(QStringLiteral("PQV-22"));
        QAbstractItemModel *model = hueBins();
        QQuickItem *rows = m_ui->item(QStringLiteral("hueBinRows"));
        // Picking the page empties the table until the next result.
        QCOMPARE(model->rowCount(), 0);
        auto row = [this](int r) { return hueBin(r); };

        QVERIFY(snapshotByClick());
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 16, kReplyTimeoutMs);
        const QList<float> rf = buffer()->colorFidelity();
        const QList<float> chroma = buffer()->chromaShift();
        const QList<float> hue = buffer()->hueShift();
        QCOMPARE(rf.size(), 16);
        QVERIFY(std::any_of(rf.begin(), rf.end(), [](float value) { return value > 1.0f; }));
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(row(i).at(1), QString::number(rf.at(i), 'f', 4));
            QCOMPARE(row(i).at(2), QString::number(chroma.at(i), 'f', 4));
            QCOMPARE(row(i).at(3), QString::number(hue.at(i), 'f', 4));
        }

        // Shown in the dark theme, the values stay readable.
        QObject *selector = m_ui->find(QStringLiteral("selectShowChart"));
        selector->setProperty("currentIndex", chartTypes().indexOf(QStringLiteral("DataAnalysis")));
        QTRY_VERIFY(m_ui->item(QStringLiteral("dataAnalysis"))->isVisible());
        QVERIFY(!m_ui->item(QStringLiteral("chartSpectrogram"))->isVisible());
        QObject *theme = m_app->engine().rootContext()->contextProperty(QStringLiteral("theme")).value<QObject *>();
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
        QMetaObject::invokeMethod(theme, "switchTheme", Q_ARG(QString, QStringLiteral("light")));
        QTRY_COMPARE(shownBinColours(), QSet<QString>{QStringLiteral("#212121")});

        // Picking the page again empties the table and keeps the view.
        QVERIFY(QMetaObject::invokeMethod(m_app->window(), "pageSwitch", Q_ARG(QVariant, QStringLiteral("Studio"))));
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(shownChart(), QStringLiteral("DataAnalysis"));
        QVERIFY(snapshotByClick());
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 16, kReplyTimeoutMs);
        selector->setProperty("currentIndex", 0);
    }

    void savingWritesThePhotometricCsvOfWhatTheTableShows()
    {
        openStudioWith(QStringLiteral("PQV-28"));
        testsupport::removeSavedFiles(QStringLiteral("*.csv"));
        QVERIFY(snapshotByClick());
        QVERIFY(m_ui->click(QStringLiteral("saveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(testsupport::savedFiles(QStringLiteral("PQV-28_*.csv")).size(), 1, kReplyTimeoutMs);
        const QStringList lines = testsupport::csvLines(testsupport::savedFiles(QStringLiteral("PQV-28_*.csv")).first());
        const QVariantMap first = buffer()->formattedPhotoResult().first().toMap().value(QStringLiteral("items"))
                                      .toList().first().toMap();
        QVERIFY(tableTexts().contains(first.value(QStringLiteral("value")).toString()));
        QCOMPARE(lines.first(), first.value(QStringLiteral("key")).toString() + QLatin1Char(',')
                                    + first.value(QStringLiteral("value")).toString());
        QVERIFY(std::any_of(lines.begin(), lines.end(), [](const QString &line) { return line.startsWith("780,"); }));
        // The main window confirms where it went.
        QTRY_VERIFY(m_ui->property(QStringLiteral("saveSuccessDialog"), "visible").toBool());
        QMetaObject::invokeMethod(m_ui->find(QStringLiteral("saveSuccessDialog")), "close");
    }

    void timedSeriesFromItsDialogEndsWithTheStopButtonAndIsWritten()
    {
        openStudioWith(QStringLiteral("PQV-21"));
        const QString series = QStringLiteral("PQV-21_CustomizedTest_*.csv");
        testsupport::removeSavedFiles(series);
        QVERIFY(QMetaObject::invokeMethod(m_ui->find(QStringLiteral("customizedTestAction")), "trigger"));
        QTRY_VERIFY(m_ui->property(QStringLiteral("customizedTestDialog"), "visible").toBool());
        m_ui->find(QStringLiteral("durationField"))->setProperty("text", "2");
        m_ui->find(QStringLiteral("durationUnit"))->setProperty("currentIndex", 1);
        QVERIFY(m_ui->click(QStringLiteral("customizedTestStartButton")));
        QVERIFY(studio()->isAuto());
        QCOMPARE(m_ui->property(QStringLiteral("continuousButton"), "text").toString(), QStringLiteral("Stop"));
        QVERIFY(!m_ui->isOperable(QStringLiteral("snapshotButton")));
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QTRY_VERIFY_WITH_TIMEOUT(append.count() >= 1, 30000);
        // Stopping continuous measurement on the page ends the series, which is written.
        QVERIFY(m_ui->click(QStringLiteral("continuousButton")));
        QVERIFY(!studio()->isAuto());
        QTRY_COMPARE_WITH_TIMEOUT(testsupport::savedFiles(series).size(), 1, kReplyTimeoutMs);
        const QStringList lines = testsupport::csvLines(testsupport::savedFiles(series).first());
        QVERIFY(lines.first().startsWith(testsupport::kBom + "Time,"));
        QVERIFY(lines.size() > 401);
    }

    void exportDialogWritesTheReportWithTheTypedInformation()
    {
        openStudioWith(QStringLiteral("PQV-28"));
        testsupport::removeSavedFiles(QStringLiteral("*.pdf"));
        QVERIFY(snapshotByClick());
        QVERIFY(m_ui->click(QStringLiteral("exportButton")));
        QTRY_VERIFY(m_ui->property(QStringLiteral("exportDialog"), "visible").toBool());
        auto *dialog = qobject_cast<QQuickWindow *>(m_ui->find(QStringLiteral("exportDialog")));
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        dialog->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        const QString shownTime = m_ui->property(QStringLiteral("testTime"), "text").toString();
        QVERIFY2(QDateTime::fromString(shownTime, QStringLiteral("yyyy-MM-dd hh:mm:ss")).isValid(),
                 qPrintable(shownTime));
        QVERIFY(m_ui->type(QStringLiteral("sampleName"), QStringLiteral("Lamp A")));
        QVERIFY(m_ui->type(QStringLiteral("sampleNumber"), QStringLiteral("N-17")));
        QVERIFY(m_ui->type(QStringLiteral("sampleModel"), QStringLiteral("M2")));
        QVERIFY(m_ui->type(QStringLiteral("tester"), QStringLiteral("Kim")));
        QVERIFY(m_ui->type(QStringLiteral("testTime"), QStringLiteral("yesterday")));
        QSignalSpy finished(m_app->engine().rootContext()->contextProperty(QStringLiteral("saveService")).value<QObject *>(),
                            SIGNAL(saveFinished(bool, QString, QString)));
        QVERIFY(m_ui->click(QStringLiteral("exportConfirmButton")));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kReplyTimeoutMs);
        QVERIFY(finished.first().at(0).toBool());
        QVERIFY(!m_ui->property(QStringLiteral("exportDialog"), "visible").toBool());
        const QStringList reports = testsupport::savedFiles(QStringLiteral("PQV-28_*.pdf"));
        QCOMPARE(reports.size(), 1);
        const QString text = testsupport::pdfText(reports.first());
        for (const char *expected : {"Sample Name:Lamp A", "Sample No:N-17", "Sample Model:M2", "Tester:Kim",
                                     "Time:yesterday"})
            QVERIFY2(text.contains(QLatin1String(expected)), expected);

        // A report that cannot be written is reported on the page with the back end's message.
        QVERIFY(QDir(SaveFolder::path()).removeRecursively());
        QFile blocker(SaveFolder::path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        finished.clear();
        QVERIFY(m_ui->click(QStringLiteral("exportButton")));
        QTRY_VERIFY(m_ui->isOperable(QStringLiteral("exportConfirmButton")));
        QVERIFY(m_ui->click(QStringLiteral("exportConfirmButton")));
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kReplyTimeoutMs);
        QVERIFY(!finished.first().at(0).toBool());
        QTRY_VERIFY(m_ui->property(QStringLiteral("messageDialog"), "visible").toBool());
        QCOMPARE(m_ui->property(QStringLiteral("messageDialog"), "boxMessage").toString(),
                 finished.first().at(2).toString());
        QVERIFY(!finished.first().at(2).toString().isEmpty());
        QMetaObject::invokeMethod(m_ui->find(QStringLiteral("messageDialog")), "close");
        QVERIFY(QFile::remove(SaveFolder::path()));

        // Showing it again puts the time back and keeps the rest.
        QVERIFY(m_ui->click(QStringLiteral("exportButton")));
        QTRY_VERIFY(m_ui->property(QStringLiteral("exportDialog"), "visible").toBool());
        QVERIFY(m_ui->property(QStringLiteral("testTime"), "text").toString() != QStringLiteral("yesterday"));
        QCOMPARE(m_ui->property(QStringLiteral("sampleName"), "text").toString(), QStringLiteral("Lamp A"));
        dialog->close();
    }
};

QTEST_MAIN(TestStudioPage)
#include "tst_studio_page.moc"
