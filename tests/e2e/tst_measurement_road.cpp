// Measuring through StudioService on a connected simulated spectrometer: the exact
// frames each action sends, what the replies leave in the store, and the timed series
// (its timer, the file the main window has written for it, every way it ends).
#include "PdfTools.h"
#include "RunningApplication.h"
#include "SavedFiles.h"
#include "SerialLink.h"
#include "SeriesClock.h"
#include "TemporaryHome.h"
#include "ReplyPayloads.h"
#include "SimulatedDevice.h"

#include "protocol/DeviceCommand.h"
#include "protocol/DeviceFrame.h"
#include "link/ReplyWatchdog.h"
#include "output/SaveFolder.h"
#include "output/SaveService.h"
#include "control/AvailableMemory.h"
#include "control/StudioService.h"
#include "welcome/WelcomeService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <functional>
#include <limits>

using simdevice::DeviceState;
using simdevice::SimulatedDevice;

namespace {

QByteArray frame(uint8_t code, const QByteArray &payload = {}) { return DeviceFrame::build(code, payload); }
QByteArray byte(uint8_t value) { return QByteArray(1, char(value)); }

// Upper bound for waits on the device: generous, because a loaded machine delays it; a
// passing wait returns as soon as its condition holds.
constexpr int kReplyTimeoutMs = 15000;
// The 1 s series timer is delayed on a loaded machine too.
constexpr int kSeriesTimeoutMs = 30000;

const QString kSeriesFiles = QStringLiteral("PQV-32_CustomizedTest_*.csv");

const QString kExposureRefusal =
    QStringLiteral("Enter an exposure time in milliseconds from 0 to 4294967, such as 12.5.");

QList<double> expectedSpectrum(const DeviceState &state)
{
    QList<double> values;
    for (uint16_t sample : simdevice::fittedSamples(state))
        values << sample / 100.0; // scale code 2
    return values;
}

} // namespace

class TestMeasurementRoad : public QObject
{
    Q_OBJECT
    std::unique_ptr<testsupport::RunningApplication> m_app;
    std::unique_ptr<SimulatedDevice> m_device;

    StudioService *studio() const { return m_app->studio(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }
    SaveService *saveService() const
    {
        return m_app->engine().rootContext()->contextProperty(QStringLiteral("saveService")).value<SaveService *>();
    }
    bool spectrumAfter(quint64 received)
    {
        return QTest::qWaitFor([&] { return buffer()->receivedSpectra() > received; }, kReplyTimeoutMs);
    }

    // Waits until the device has received exactly `expected` since the last clear.
    bool received(const QList<QByteArray> &expected, int timeoutMs = kReplyTimeoutMs)
    {
        (void)QTest::qWaitFor([&] { return m_device->receivedFrames().size() >= expected.size(); }, timeoutMs);
        const QList<QByteArray> got = testsupport::takeSentFrames(*m_device);
        if (got != expected)
            qWarning() << "received" << got << "expected" << expected;
        return got == expected;
    }

    QString messageShown() const { return m_app->shownMessage(); }
    void hideMessage() { m_app->closeMessage(); }

    bool snapshot()
    {
        studio()->handleManualSpectrumSignal();
        return QTest::qWaitFor([this] { return !studio()->isSingle(); }, kReplyTimeoutMs);
    }

    // A silent device in manual exposure of 1 ms: a reply watchdog's margin alone.
    void silenceWithShortExposure()
    {
        buffer()->setExpoTime(1000);
        buffer()->setExpoMode(false);
        m_device->setSilent(true);
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        QDir(SaveFolder::path()).removeRecursively();
        MeasurementSettings::setUnit(0);
        m_app = std::make_unique<testsupport::RunningApplication>();
        QVERIFY(m_app->start());
        DeviceState state;
        state.model = QStringLiteral("PQV-32"); // photometry and flicker
        state.baud = 921600;
        state.wlStart = 380;
        state.wlEnd = 780;
        state.streamIntervalMs = 50;
        m_device = std::make_unique<SimulatedDevice>(state);
        QVERIFY(m_device->start());
        m_app->welcome()->handleSerialConnectionSignal(m_device->portName(), 1);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), state.model, kReplyTimeoutMs);
        (void)testsupport::takeSentFrames(*m_device); // the connection's requests
    }

    void cleanupTestCase()
    {
        studio()->handleHardwareDisconnectSignal();
        m_device.reset();
        m_app.reset();
    }

    void init()
    {
        // What the device still had on its way from the last case (a spectrum streamed
        // before its stop, the reply to a snapshot a stale spectrum ended) arrives now, not
        // as a reply in this case: a record sent behind it is applied only after it.
        QSignalSpy flushed(buffer(), &DataBuffer::flickerDataChanged);
        m_device->injectRaw(simdevice::deviceFrame(DeviceCommand::CMD_FLICKER, simdevice::flickerPayload(m_device->state())));
        QTRY_VERIFY_WITH_TIMEOUT(!flushed.isEmpty(), kReplyTimeoutMs);
        m_device->clearReceived();
    }

    void cleanup()
    {
        m_device->setSilent(false);
        buffer()->setExpoMode(true);
        if (studio()->isAuto())
            studio()->handleAutoSpectrumSignal();
        QTRY_VERIFY_WITH_TIMEOUT(!m_device->isStreaming(), kReplyTimeoutMs);
        (void)testsupport::takeSentFrames(*m_device); // nothing of this case reaches the next
        testsupport::removeSavedFiles(kSeriesFiles);
    }

    void snapshotFillsTheStoreAndAUnitChangeReplaysIt()
    {
        QSignalSpy single(studio(), &StudioService::isSingleChanged);
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        studio()->handleManualSpectrumSignal();
        QVERIFY(studio()->isSingle() && studio()->isMeasuring());
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), kReplyTimeoutMs);
        QVERIFY(!studio()->isMeasuring());
        QVERIFY(received({frame(50)}));
        QCOMPARE(spectra.count(), 1);
        QCOMPARE(single.count(), 2);
        const QList<double> source = buffer()->sourceSpectrum();
        QCOMPARE(source, expectedSpectrum(m_device->state()));
        QVERIFY(buffer()->hasData());
        QCOMPARE(buffer()->expoStatus(), 0u);
        QCOMPARE(buffer()->expoTime(), m_device->state().expoTimeUs);
        // The device's own photometric words reached the result table.
        const QList<QJsonObject> &items = buffer()->lastResultItems();
        QVERIFY(!items.isEmpty());
        QCOMPARE(items.first().value(QStringLiteral("key")).toString(), QStringLiteral("X"));
        QCOMPARE(items.first().value(QStringLiteral("value")).toString(),
                 QString::number(simdevice::defaultPhotometricWords(m_device->state().model).first(), 'f', 2));

        QSignalSpy unitChanged(studio(), &StudioService::unitChanged);
        studio()->setUnit(0);
        QCOMPARE(unitChanged.count(), 0);
        studio()->setUnit(1);
        QCOMPARE(unitChanged.count(), 1);
        const QList<double> scaled = buffer()->scaledSpectrum();
        QCOMPARE(scaled.size(), source.size());
        for (int i = 0; i < source.size(); ++i)
            QCOMPARE(scaled.at(i), source.at(i) * 1000.0);
        studio()->setUnit(0);
        QCOMPARE(buffer()->scaledSpectrum(), source);
        QVERIFY(received({})); // replays ask the device for nothing
    }

    // What was cleared stays cleared through a unit change, and a unit change is no answer
    // to a snapshot.
    void aUnitChangeRevivesNothingAndEndsNoSnapshot()
    {
        QVERIFY(snapshot());
        m_device->setSilent(true);
        studio()->handleManualSpectrumSignal();
        studio()->setUnit(1);
        QVERIFY(studio()->isSingle());
        m_device->setSilent(false);
        m_device->pushSpectrum();
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), kReplyTimeoutMs);
        QCOMPARE(buffer()->sourceSpectrum(), expectedSpectrum(m_device->state()));
        QCOMPARE(buffer()->getMaxSpec(DataBuffer::ScaledSpectrum), 1000.0 * buffer()->getMaxSpec(DataBuffer::SourceSpectrum));
        studio()->setUnit(0);

        const auto unitChangeKeepsItCleared = [this] {
            studio()->setUnit(1);
            const bool cleared = !buffer()->hasData() && buffer()->getMaxSpec(DataBuffer::ScaledSpectrum) == 0.0;
            studio()->setUnit(0);
            return cleared;
        };
        buffer()->clearBuffer(); // File > Back
        QVERIFY(unitChangeKeepsItCleared());
        QCOMPARE(buffer()->lastResultItems().first().value(QStringLiteral("value")).toString(), QStringLiteral("0.00"));

        QVERIFY(snapshot());
        studio()->handleReferenceSpectrumSignal(); // "ref" clears the sample
        QTRY_VERIFY_WITH_TIMEOUT(buffer()->hasReference(), kReplyTimeoutMs);
        QVERIFY(unitChangeKeepsItCleared());
    }

    // A file and a report give the exposure of the spectrum they hold, not a later setting.
    void savedExposureIsTheSpectrumsOwn()
    {
        QVERIFY(snapshot()); // at the device's 100 ms
        QCOMPARE(buffer()->expoTime(), 100000u);
        studio()->handleSetExposeModeSignal(0);
        studio()->handleSetExposeTimeSignal(250.0f);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoTime(), 250000u, kReplyTimeoutMs);

        SaveService *save = saveService();
        QVERIFY(save);
        QSignalSpy finished(save, &SaveService::saveFinished);
        save->handleSaveSignal(SaveService::SAVE_PHOTOMETRIC);
        save->handleExportSignal(SaveService::SAVE_PHOTOMETRIC, QStringLiteral("1"), QStringLiteral("M"),
                                 QStringLiteral("T"), QStringLiteral("2026-12-07 10:00:00"), QStringLiteral("S"));
        QCOMPARE(finished.count(), 2);
        const QString csv = finished.at(0).at(1).toString(), pdf = finished.at(1).at(1).toString();
        const auto removeFiles = qScopeGuard([&] { QFile::remove(csv), QFile::remove(pdf); });
        QVERIFY(finished.at(0).at(0).toBool() && finished.at(1).at(0).toBool());
        QVERIFY(testsupport::csvLines(csv).contains(QStringLiteral("exposure time,100 ms")));
        QVERIFY(testsupport::pdfText(pdf).contains(QStringLiteral("Integration Time: 100 ms")));

        studio()->handleSetExposeTimeSignal(100.0f);
        studio()->handleSetExposeModeSignal(1);
        QTRY_VERIFY_WITH_TIMEOUT(buffer()->expoTime() == 100000u && buffer()->expoMode() == 1u, kReplyTimeoutMs);
        m_app->find(QStringLiteral("saveSuccessDialog"))->setProperty("visible", false);
        hideMessage(); // the device's acknowledgements
    }

    void rangeSettingsCompareWithTheStoredOnesAndKeepBeginBelowEnd()
    {
        // What an earlier run left in the settings.
        MeasurementSettings::setRangeEnable(true);
        MeasurementSettings::setRange(400, 700);
        QSignalSpy enable(studio(), &StudioService::rangeEnableChanged);
        QSignalSpy begin(studio(), &StudioService::rangeBeginChanged);
        QSignalSpy end(studio(), &StudioService::rangeEndChanged);
        studio()->setRangeEnable(true);
        studio()->setRangeBegin(400);
        studio()->setRangeEnd(700);
        QCOMPARE(enable.count() + begin.count() + end.count(), 0);
        studio()->setRangeEnable(false);
        QCOMPARE(enable.count(), 1);
        QVERIFY(!MeasurementSettings::rangeEnable());

        studio()->setRangeBegin(450);
        studio()->setRangeEnd(650);
        QCOMPARE(MeasurementSettings::range(), (QVariantList{450, 650}));
        QCOMPARE(begin.count(), 1);
        QCOMPARE(end.count(), 1);
        QVERIFY(messageShown().isEmpty());

        const QString refusal = QStringLiteral("The start wavelength must be less than the end wavelength.");
        const auto isRefused = [&](auto setter, int nm) {
            hideMessage();
            (studio()->*setter)(nm);
            return messageShown() == refusal && MeasurementSettings::range() == QVariantList{450, 650};
        };
        QVERIFY(isRefused(&StudioService::setRangeBegin, 650));
        QVERIFY(isRefused(&StudioService::setRangeEnd, 450));
        // Views bound to the range are told to read the stored values again.
        QCOMPARE(begin.count(), 2);
        QCOMPARE(end.count(), 2);
        QCOMPARE(studio()->rangeBegin(), 450);
        QCOMPARE(studio()->rangeEnd(), 650);
        hideMessage();
        MeasurementSettings::setRange(370, 780);
    }

    void continuousMeasurementStartsAndStopsCleanly()
    {
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        studio()->handleAutoSpectrumSignal();
        QVERIFY(studio()->isAuto() && studio()->isMeasuring());
        QTRY_VERIFY_WITH_TIMEOUT(spectra.count() >= 3, kReplyTimeoutMs);
        QVERIFY(m_device->isStreaming());

        studio()->handleAutoSpectrumSignal();
        QVERIFY(!studio()->isAuto() && !studio()->isMeasuring());
        QTRY_VERIFY_WITH_TIMEOUT(!m_device->isStreaming(), kReplyTimeoutMs);
        QVERIFY(received({frame(51), frame(4)}));
        // Spectra already on the line may still come in; once the host has read them all,
        // the stream must stay quiet.
        QTRY_VERIFY_WITH_TIMEOUT(m_device->repliesTaken(), kReplyTimeoutMs);
        QCoreApplication::sendPostedEvents();
        const int settled = spectra.count();
        QTest::qWait(400);
        QCOMPARE(spectra.count(), settled);
    }

    void continuousAndSnapshotTogetherKeepMeasuring()
    {
        m_device->setSilent(true); // no spectrum may end the snapshot meanwhile
        studio()->handleAutoSpectrumSignal();
        studio()->setIsSingle(true);
        studio()->handleAutoSpectrumSignal();
        QVERIFY(!studio()->isAuto());
        QVERIFY(studio()->isMeasuring());
        studio()->setIsSingle(false);
        QVERIFY(!studio()->isMeasuring());
    }

    void referenceCaptureEndsAtTheFirstSettledSpectrum()
    {
        QVERIFY(snapshot()); // a sample first, which the capture must clear
        QVERIFY(buffer()->hasData());
        m_device->clearReceived();

        studio()->handleReferenceSpectrumSignal();
        QVERIFY(studio()->isMeasuringReference());
        QVERIFY(!buffer()->hasReference());
        // The old sample is gone, and with it the right to save a ratio of it.
        QVERIFY(!buffer()->hasData());
        QCOMPARE(buffer()->getMaxSpec(DataBuffer::SourceSpectrum), 0.0);
        // What the device said about itself stays.
        QCOMPARE(buffer()->deviceModel(), QStringLiteral("PQV-32"));
        QCOMPARE(int(buffer()->getWlLength()), 401);
        QCOMPARE(buffer()->expoTime(), m_device->state().expoTimeUs);

        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isMeasuringReference(), kReplyTimeoutMs);
        QVERIFY(buffer()->hasReference());
        QVERIFY(!studio()->isAuto());
        QVERIFY(received({frame(51), frame(4)}));
        QCOMPARE(buffer()->referenceSpectrum(), expectedSpectrum(m_device->state()));
        QVERIFY(!buffer()->hasData()); // the reference is no sample
    }

    void referenceCaptureWaitsWhileTheExposureIsNotSettled()
    {
        m_device->updateState([](DeviceState &s) { s.spectrum.exposureStatus = 1; });
        // The user gives up with Stop: no reference, continuous measurement stopped. Any
        // other stop (here the closing series dialog's) gives it up alike.
        const std::function<void()> stops[] = {[this] { studio()->handleAutoSpectrumSignal(); },
                                               [this] { studio()->handleCloseCustomizedTest(); }};
        for (const auto &stop : stops) {
            QSignalSpy references(buffer(), &DataBuffer::referenceDataUpdated);
            studio()->handleReferenceSpectrumSignal();
            QTRY_VERIFY_WITH_TIMEOUT(references.count() >= 4, kReplyTimeoutMs);
            QVERIFY(studio()->isMeasuringReference() && studio()->isAuto());
            QVERIFY(!buffer()->hasReference());
            stop();
            QVERIFY(!studio()->isMeasuringReference() && !studio()->isAuto());
            QVERIFY(!buffer()->hasReference());
            QTRY_VERIFY_WITH_TIMEOUT(!m_device->isStreaming(), kReplyTimeoutMs);
        }
        m_device->updateState([](DeviceState &s) { s.spectrum.exposureStatus = 0; });
        QVERIFY(snapshot()); // later spectra are samples again, not references
        QVERIFY(buffer()->hasData());
        QVERIFY(!buffer()->hasReference());
    }

    void referenceCaptureEndsWithoutReferenceWhenTheDeviceFallsSilent()
    {
        silenceWithShortExposure();
        studio()->handleReferenceSpectrumSignal();
        QVERIFY(studio()->isMeasuringReference());
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isMeasuringReference(), ReplyWatchdog::kMarginMs + kReplyTimeoutMs);
        QVERIFY(!buffer()->hasReference());
        QVERIFY(!studio()->isAuto() && !studio()->isMeasuring());
        QVERIFY(received({frame(51), frame(4)}));
    }

    void snapshotWithoutReplyGivesTheControlsBack()
    {
        silenceWithShortExposure();
        QElapsedTimer clock;
        clock.start();
        studio()->handleManualSpectrumSignal();
        QVERIFY(studio()->isSingle());
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), ReplyWatchdog::kMarginMs + kReplyTimeoutMs);
        // Not given up before the exposure plus the margin.
        QVERIFY2(clock.elapsed() >= ReplyWatchdog::timeoutMs(1000), qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!studio()->isMeasuring());
    }

    void snapshotInAutomaticExposureAllowsTheLongestExposure()
    {
        buffer()->setExpoTime(1000);
        m_device->setSilent(true);
        QElapsedTimer clock;
        clock.start();
        studio()->handleManualSpectrumSignal();
        // The device may lengthen its exposure up to the longest before it answers.
        QTest::qWait(ReplyWatchdog::kMarginMs + 1000);
        const qint64 longestWaitMs = ReplyWatchdog::timeoutMs(quint32(StudioService::kLongestAutoExposureMs * 1000));
        if (clock.elapsed() < longestWaitMs)
            QVERIFY(studio()->isSingle());
        // A late spectrum still ends the snapshot and is kept.
        m_device->setSilent(false);
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        m_device->pushSpectrum();
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), kReplyTimeoutMs);
        if (clock.elapsed() < longestWaitMs)
            QCOMPARE(spectra.count(), 1);
    }

    void exposureIsSetThenReadBackWithinTheDeviceRange()
    {
        studio()->handleSetExposeTimeSignal(12.5f);
        QVERIFY(received({frame(12, QByteArray::fromHex("d4300000")), frame(13)}));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoTime(), 12500u, kReplyTimeoutMs);
        for (uint8_t mode : {0, 1}) {
            studio()->handleSetExposeModeSignal(mode);
            QVERIFY(received({frame(10, byte(mode)), frame(11)}));
            QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoMode(), quint32(mode), kReplyTimeoutMs);
        }
        studio()->handleGetExposeTimeSignal();
        studio()->handleGetExposeModeSignal();
        QVERIFY(received({frame(13), frame(11)}));

        hideMessage();
        studio()->handleSetExposeTimeSignal(5000.5f);
        studio()->handleSetExposeTimeSignal(0.0f);
        studio()->handleSetExposeTimeSignal(4294967.0f); // the field's largest whole millisecond
        QVERIFY(received({frame(12, QByteArray::fromHex("344d4c00")), frame(13), frame(12, QByteArray(4, 0)), frame(13),
                          frame(12, QByteArray::fromHex("d8feffff")), frame(13)}));
        QVERIFY(messageShown() != kExposureRefusal); // the device's acknowledgement may show
    }

    void exposureTextFromThePageIsSentOnlyWhenTheDeviceCanTakeIt()
    {
        // Called as the page calls it, with the field's text.
        const auto setFromPage = [this](const QString &text) {
            QQmlExpression call(m_app->engine().rootContext(), nullptr,
                                QStringLiteral("studioService.handleSetExposeTimeSignal(text)"));
            call.context()->setContextProperty(QStringLiteral("text"), text);
            call.evaluate();
            return !call.hasError();
        };
        QVERIFY(setFromPage(QStringLiteral(" 7.25 ")));
        QVERIFY(received({frame(12, QByteArray::fromHex("521c0000")), frame(13)}));
        QVERIFY(messageShown() != kExposureRefusal); // the device's acknowledgement may show

        for (const QString &text : {QString(), QStringLiteral("12ms"), QStringLiteral("nan"), QStringLiteral("-1"),
                                    QStringLiteral("4294967.3")}) {
            hideMessage();
            QVERIFY(setFromPage(text));
            QVERIFY2(messageShown() == kExposureRefusal, qPrintable(text));
        }
        for (float ms : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), -1.0f,
                         5.0e9f}) {
            hideMessage();
            studio()->handleSetExposeTimeSignal(ms);
            QVERIFY2(messageShown() == kExposureRefusal, qPrintable(QString::number(ms)));
        }
        QVERIFY(received({}, 300));
        hideMessage();
    }

    void cie2015AndGainChoicesMapToTheDeviceValues()
    {
        for (const auto &[choice, sent] : QList<std::pair<int, uint8_t>>{{1, 2}, {2, 3}, {5, 0}}) {
            studio()->handleSetCie2015(choice);
            QVERIFY(received({frame(54, byte(sent)), frame(55)}));
            QTRY_COMPARE_WITH_TIMEOUT(buffer()->cie2015(), quint32(choice == 5 ? 0 : choice), kReplyTimeoutMs);
        }
        for (const auto &[choice, gain] : QList<std::pair<int, uint8_t>>{{3, 2}, {9, 3}}) {
            studio()->handleSetFlickerGainSignal(choice);
            QVERIFY(received({frame(58, byte(0)), frame(56, byte(gain)), frame(57), frame(59)}));
            QTRY_COMPARE_WITH_TIMEOUT(int(buffer()->gainValue()), int(gain), kReplyTimeoutMs);
            QTRY_COMPARE_WITH_TIMEOUT(buffer()->gainMode(), false, kReplyTimeoutMs);
        }
        studio()->handleSetFlickerGainSignal(0);
        QVERIFY(received({frame(58, byte(1)), frame(57), frame(59)}));
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->gainMode(), true, kReplyTimeoutMs);
    }

    void flickerNeedsTheChartSelectorAndPicksItsFlickerEntry()
    {
        // The main window holds the photometry page, with its selector, from the start:
        // take it out for this test.
        QObject *loader = m_app->find(QStringLiteral("dynamicLoader"));
        QVERIFY(loader);
        const QVariant page = loader->property("source");
        loader->setProperty("source", QUrl());
        const auto restorePage = qScopeGuard([&] { loader->setProperty("source", page); });
        QTRY_VERIFY(!m_app->find(QStringLiteral("selectShowChart")));

        studio()->handleFlickerSignal();
        QVERIFY(received({}, 300)); // no selector in the scene: nothing at all

        QQmlComponent component(&m_app->engine());
        component.setData("import QtQuick\nimport QtQuick.Controls.Basic\n"
                          "ComboBox { objectName: \"selectShowChart\"; model: [\"Spectrum\", \"Cie1931\", \"Flicker\"] }",
                          QUrl());
        std::unique_ptr<QObject> selector(component.create());
        QVERIFY2(selector, qPrintable(component.errorString()));
        selector->setParent(m_app->window()->contentItem());

        QSignalSpy flicker(buffer(), &DataBuffer::flickerDataChanged);
        studio()->handleFlickerSignal();
        QCOMPARE(selector->property("currentIndex").toInt(), 2);
        QVERIFY(received({frame(60)}));
        QTRY_COMPARE_WITH_TIMEOUT(flicker.count(), 1, kReplyTimeoutMs);
        const simdevice::FlickerRecord record = m_device->state().flicker;
        QCOMPARE(buffer()->frequency(), record.frequency);
        QCOMPARE(buffer()->depth(), record.depth);
        QCOMPARE(buffer()->percent(), record.depth);
        QCOMPARE(buffer()->index(), record.index);
        QCOMPARE(int(buffer()->gainValue()), int(record.gain));
        QCOMPARE(buffer()->getFValue().size(), 1024);
        QCOMPARE(buffer()->getFValue().at(5), double(simdevice::defaultFlickerSamples().at(5)));
    }

    void customizedTestRunsItsTimerAndWritesItsFile()
    {
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        studio()->handleCustomizedTest(6, QStringLiteral("s"), 2); // interval raised to 5
        QCOMPARE(begin.count(), 1);
        QCOMPARE(studio()->testDuration(), 6);
        QCOMPARE(studio()->testIntervals(), 5);
        QVERIFY(studio()->isAuto());
        QTRY_COMPARE_WITH_TIMEOUT(end.count(), 1, kSeriesTimeoutMs);
        QCOMPARE(append.count(), 1);
        QVERIFY(!studio()->isAuto());
        QCOMPARE(studio()->testTimer(), 0);
        // stop of the earlier test, start, and the stop at the end
        QVERIFY(received({frame(4), frame(51), frame(4)}));

        // The main window handed the three requests to the save service.
        const QStringList files = testsupport::savedFiles(kSeriesFiles);
        QCOMPARE(files.size(), 1);
        const QStringList lines = testsupport::csvLines(files.first());
        const int items = int(buffer()->lastResultItems().size());
        QCOMPARE(lines.size(), 1 + items + 1 + 401);
        QVERIFY(lines.first().startsWith(testsupport::kBom + "Time,"));
        for (const QString &line : lines)
            QCOMPARE(line.count(QLatin1Char(',')), 1); // the name and one sample
        QCOMPARE(lines.at(items + 1), "exposure time(ms)," + QString::number(buffer()->expoTime() / 1000.0));
        QCOMPARE(lines.at(items + 2).section(QLatin1Char(','), 0, 0), QStringLiteral("380"));
        QCOMPARE(lines.last().section(QLatin1Char(','), 0, 0), QStringLiteral("780"));
    }

    void customizedTestStoppedEarlyStillEnds()
    {
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        studio()->handleCustomizedTest(2, QStringLiteral("min"), 5);
        QCOMPARE(studio()->testDuration(), 120);
        QTRY_COMPARE_WITH_TIMEOUT(append.count(), 1, kSeriesTimeoutMs);
        studio()->handleAutoSpectrumSignal(); // the user stops continuous measurement
        QCOMPARE(end.count(), 1);
        const QStringList files = testsupport::savedFiles(kSeriesFiles);
        QCOMPARE(files.size(), 1);
        const QStringList lines = testsupport::csvLines(files.first());
        QVERIFY(lines.size() > 400);
        QCOMPARE(lines.first().count(QLatin1Char(',')), 1);
        QTest::qWait(1300);
        QCOMPARE(studio()->testTimer(), 0); // the timer is gone
        QCOMPARE(end.count(), 1);
    }

    void customizedTestIsNotOfferedForYModelsNorClosedWhenNotRunning()
    {
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        buffer()->setIsY(true);
        studio()->handleCustomizedTest(10, QStringLiteral("s"), 5);
        buffer()->setIsY(false);
        QCOMPARE(begin.count(), 0);
        QVERIFY(!studio()->isAuto());
        QVERIFY(received({}, 300));

        studio()->handleCloseCustomizedTest();
        QCOMPARE(end.count(), 0);
        QVERIFY(received({frame(4)}));
    }

    void zeroIntervalWrittenDuringATestIsHarmless()
    {
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        studio()->handleCustomizedTest(30, QStringLiteral("s"), 5);
        studio()->setTestIntervals(0);
        QTRY_VERIFY_WITH_TIMEOUT(studio()->testTimer() >= 2, kSeriesTimeoutMs);
        const int ticks = studio()->testTimer();
        studio()->handleCloseCustomizedTest();
        QVERIFY(!studio()->isAuto());
        // The ticks went on, with samples at the smallest interval only.
        QCOMPARE(append.count(), ticks / StudioService::kMinTestIntervalSeconds);
    }

    void longestDurationInMinutesDoesNotWrapAround()
    {
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        const int longest = std::numeric_limits<int>::max();
        // Beyond the timer's count, or shorter than one interval: refused before anything
        // is sent, never wrapped nor cut to fit.
        const QString refusal = QStringLiteral("Enter a duration of at least one interval (%1 s) and at most 2147483647 s.");
        using Refused = std::tuple<double, const char *, double, int>;
        for (const auto &[duration, unit, intervals, shownInterval] :
             {Refused{longest, "min", 5, 5}, Refused{3000000000.0, "s", 5, 5}, Refused{4294967300.0, "s", 5, 5},
              Refused{4, "s", 2, 5}, Refused{19, "s", 20, 20}, Refused{qQNaN(), "s", 5, 5}}) {
            studio()->handleCustomizedTest(duration, QLatin1String(unit), intervals);
            QCOMPARE(messageShown(), refusal.arg(shownInterval));
            hideMessage();
        }
        QVERIFY(received({}, 300));
        QVERIFY(begin.isEmpty() && !studio()->isAuto());

        // A machine that can hold its samples.
        AvailableMemory::setGauge([] { return std::numeric_limits<qint64>::max(); });
        const auto measuredMemory = qScopeGuard([] { AvailableMemory::setGauge({}); });
        studio()->handleCustomizedTest(longest, QStringLiteral("s"), 5);
        QCOMPARE(studio()->testDuration(), longest);
        QTRY_VERIFY_WITH_TIMEOUT(studio()->testTimer() >= 1, kSeriesTimeoutMs);
        QVERIFY(studio()->isAuto()); // still running after its first tick
        // A second Start ends the running series and begins one with its own numbers.
        studio()->handleCustomizedTest(10, QStringLiteral("s"), 5);
        QVERIFY(received({frame(4), frame(51), frame(4), frame(51)}));
        // The first had no sample yet: it ends without an end request, so nothing is reported.
        QVERIFY(begin.count() == 2 && end.count() == 0 && studio()->isAuto());
        QCOMPARE(studio()->testDuration(), 10);
        QCOMPARE(studio()->testTimer(), 0);
        studio()->handleCloseCustomizedTest();
        QCOMPARE(end.count(), 1);
    }

    // A series' samples are held until its end: a Start that the memory left cannot hold is
    // refused before anything is sent, naming the longest duration that fits; that one runs.
    void aSeriesBeyondTheMemoryLeftIsRefused()
    {
        constexpr qint64 kRoom = 50 << 20; // beside the 16 MB the end may take
        AvailableMemory::setGauge([] { return (16 << 20) + kRoom; });
        const auto measuredMemory = qScopeGuard([] { AvailableMemory::setGauge({}); });
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        const QRegularExpression refusal(QRegularExpression::anchoredPattern(
            "This computer's memory cannot hold a series that long: at 5 s intervals it can last at most (\\d+) s."));

        studio()->handleCustomizedTest(7 * 24 * 60, QStringLiteral("min"), 5);
        const QRegularExpressionMatch week = refusal.match(messageShown());
        QVERIFY2(week.hasMatch(), qPrintable(messageShown()));
        hideMessage();
        // Between 4 KB a sample and four bytes a wavelength (401 here).
        const qint64 longest = week.captured(1).toLongLong();
        QVERIFY2(longest >= kRoom / 4096 * 5 && longest <= kRoom / (4 * 401) * 5, qPrintable(week.captured(1)));

        studio()->handleCustomizedTest(double(longest + 1), QStringLiteral("s"), 5);
        QCOMPARE(refusal.match(messageShown()).captured(1), week.captured(1));
        hideMessage();
        QVERIFY(received({}, 300));
        QVERIFY(begin.isEmpty() && !studio()->isAuto());

        studio()->handleCustomizedTest(double(longest), QStringLiteral("s"), 5);
        QCOMPARE(messageShown(), QString());
        QVERIFY(begin.count() == 1 && studio()->isAuto());
        studio()->handleCloseCustomizedTest();
    }

    // The series keeps to its clock: a stall of half a minute takes the one sample then due
    // and the series ends at its time. A sample holds a spectrum that came after the one
    // before; intervals without one are left out, and the dialog says so while none comes.
    void seriesSamplesFreshSpectraOnItsClock()
    {
        testsupport::SeriesClock clock(studio());
        const auto seriesAt = [&clock](int seconds) { return clock.moveTo(seconds, kSeriesTimeoutMs); };
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        QObject *notice = m_app->find(QStringLiteral("noSpectrumNotice"));
        QVERIFY(notice);
        studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
        QVERIFY(spectrumAfter(buffer()->receivedSpectra()));
        QVERIFY(seriesAt(5));
        QCOMPARE(append.count(), 1);
        QVERIFY(spectrumAfter(buffer()->receivedSpectra()));

        silenceWithShortExposure();
        QTRY_VERIFY_WITH_TIMEOUT(studio()->spectrumOverdue(), kReplyTimeoutMs);
        QVERIFY(notice->property("visible").toBool());
        QVERIFY(seriesAt(37)); // a stall: one sample, with the spectrum that came before the silence
        QCOMPARE(append.count(), 2);
        QVERIFY(seriesAt(40) && seriesAt(45));
        QCOMPARE(append.count(), 2);

        m_device->setSilent(false);
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->spectrumOverdue(), kReplyTimeoutMs);
        QVERIFY(!notice->property("visible").toBool());
        QVERIFY(seriesAt(50));
        QCOMPARE(append.count(), 3);
        QVERIFY(spectrumAfter(buffer()->receivedSpectra()));
        clock.set(60); // the last sample, and the end
        QTRY_COMPARE_WITH_TIMEOUT(end.count(), 1, kSeriesTimeoutMs);
        QVERIFY(append.count() == 4 && !studio()->isAuto());

        const QStringList files = testsupport::savedFiles(kSeriesFiles);
        QCOMPARE(files.size(), 1);
        QCOMPARE(testsupport::csvLines(files.first()).first().count(QLatin1Char(',')), 4);
    }

    // Start again before the first sample replaces the series without a word; a series a
    // person stops before its first sample is still reported as saving nothing.
    void restartBeforeTheFirstSampleIsQuiet()
    {
        testsupport::SeriesClock clock(studio()); // still: no sample falls due
        hideMessage(); // one an earlier test left
        QSignalSpy finished(saveService(), &SaveService::saveFinished);
        for (int start = 0; start < 3; ++start)
            studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
        QVERIFY(finished.isEmpty() && messageShown().isEmpty() && studio()->isAuto());
        studio()->handleCloseCustomizedTest();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(messageShown(), QStringLiteral("The test ended before its first sample; nothing was saved."));
        hideMessage();
    }

    // Last: it takes the device away.
    void disconnectEndsTheSeriesAndWritesIt()
    {
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
        QTRY_COMPARE_WITH_TIMEOUT(append.count(), 1, kSeriesTimeoutMs);
        studio()->handleManualSpectrumSignal(); // a snapshot under way as well
        studio()->handleHardwareDisconnectSignal();
        QCOMPARE(end.count(), 1);
        QVERIFY(!studio()->isAuto() && !studio()->isSingle() && !studio()->isMeasuring());
        QCOMPARE(studio()->testTimer(), 0);
        QTest::qWait(1200);
        QCOMPARE(studio()->testTimer(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_device->receivedFrames().mid(m_device->receivedFrames().size() - 2),
                                  (QList<QByteArray>{frame(50), frame(4)}), kReplyTimeoutMs);
        const QStringList files = testsupport::savedFiles(kSeriesFiles);
        QCOMPARE(files.size(), 1);
        QCOMPARE(testsupport::csvLines(files.first()).first().count(QLatin1Char(',')), append.count());

        // Without a link no series starts.
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
        QCOMPARE(messageShown(), QStringLiteral("Connect a device before starting a test."));
        QVERIFY(begin.isEmpty() && !studio()->isAuto());
    }
};

QTEST_MAIN(TestMeasurementRoad)
#include "tst_measurement_road.moc"
