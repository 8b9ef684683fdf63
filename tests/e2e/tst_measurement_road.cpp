// Measuring through StudioService on a connected simulated spectrometer: the exact
// frames each action sends and what the replies leave in the store.
#include "RunningApplication.h"
#include "TemporaryHome.h"
#include "ReplyPayloads.h"
#include "SimulatedDevice.h"

#include "protocol/DeviceFrame.h"
#include "services/ReplyWatchdog.h"
#include "services/SaveFolder.h"
#include "services/StudioService.h"
#include "services/WelcomeService.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QDir>
#include <QQmlComponent>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>
#include <cmath>
#include <limits>

using simdevice::DeviceState;
using simdevice::SimulatedDevice;
using testsupport::RunningApplication;

namespace {

QByteArray frame(uint8_t code, const QByteArray &payload = {})
{
    return DeviceFrame::build(code, payload);
}

QByteArray byte(uint8_t value) { return QByteArray(1, char(value)); }

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
    std::unique_ptr<RunningApplication> m_app;
    std::unique_ptr<SimulatedDevice> m_device;

    StudioService *studio() const { return m_app->studio(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }

    // Waits until the device has received exactly `expected` since the last clear.
    bool received(const QList<QByteArray> &expected, int timeoutMs = 3000)
    {
        QElapsedTimer clock;
        clock.start();
        while (m_device->receivedFrames().size() < expected.size() && clock.elapsed() < timeoutMs)
            QTest::qWait(20);
        QTest::qWait(100); // nothing more may follow
        const QList<QByteArray> got = m_device->receivedFrames();
        if (got != expected) {
            qWarning() << "received" << got << "expected" << expected;
            return false;
        }
        return true;
    }

    void stopEverything()
    {
        if (studio()->isAuto())
            studio()->handleAutoSpectrumSignal();
        QTRY_VERIFY(!m_device->isStreaming());
        QTest::qWait(150);
        m_device->clearReceived();
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        QDir(SaveFolder::path()).removeRecursively();
        MeasurementSettings::setUnit(0);
        m_app = std::make_unique<RunningApplication>();
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
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->deviceModel(), state.model, 8000);
        QTest::qWait(100);
    }

    void cleanupTestCase()
    {
        studio()->handleHardwareDisconnectSignal();
        m_device.reset();
        m_app.reset();
    }

    void init() { m_device->clearReceived(); }
    void cleanup()
    {
        m_device->setSilent(false);
        stopEverything();
    }

    void snapshotSendsOneRequestAndFillsTheStore()
    {
        QSignalSpy single(studio(), &StudioService::isSingleChanged);
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        studio()->handleManualSpectrumSignal();
        QVERIFY(studio()->isSingle());
        QVERIFY(studio()->isMeasuring());
        QVERIFY(received({frame(50)}));
        QTRY_VERIFY(!studio()->isSingle());
        QVERIFY(!studio()->isMeasuring());
        QCOMPARE(spectra.count(), 1);
        QCOMPARE(single.count(), 2);

        QCOMPARE(buffer()->sourceSpectrum(), expectedSpectrum(m_device->state()));
        QVERIFY(buffer()->hasData());
        QCOMPARE(buffer()->expoStatus(), 0u);
        QCOMPARE(buffer()->expoTime(), m_device->state().expoTimeUs);
        // The device's own photometric words reached the result table.
        const QList<QJsonObject> &items = buffer()->lastResultItems();
        QVERIFY(!items.isEmpty());
        QCOMPARE(items.first().value(QStringLiteral("key")).toString(), QStringLiteral("X"));
        QCOMPARE(items.first().value(QStringLiteral("value")).toString(),
                 QString::number(simdevice::defaultPhotometricWords(m_device->state().model).first(), 'f', 2));
    }

    void unitChangeReplaysTheSpectrumInTheNewUnit()
    {
        studio()->handleManualSpectrumSignal();
        QTRY_VERIFY(!studio()->isSingle());
        const QList<double> source = buffer()->sourceSpectrum();
        QSignalSpy unitChanged(studio(), &StudioService::unitChanged);
        studio()->setUnit(0);
        QCOMPARE(unitChanged.count(), 0);
        studio()->setUnit(1);
        QCOMPARE(unitChanged.count(), 1);
        QCOMPARE(studio()->unit(), 1);
        const QList<double> scaled = buffer()->scaledSpectrum();
        QCOMPARE(scaled.size(), source.size());
        for (int i = 0; i < source.size(); ++i)
            QCOMPARE(scaled.at(i), source.at(i) * 1000.0);
        studio()->setUnit(0);
        QCOMPARE(buffer()->scaledSpectrum(), source);
        QVERIFY(m_device->receivedFrames().size() == 1); // only the snapshot went out
    }

    void rangeSettingsAreStored()
    {
        MeasurementSettings::setRange(370, 780);
        MeasurementSettings::setRangeEnable(false);
        QSignalSpy begin(studio(), &StudioService::rangeBeginChanged);
        QSignalSpy end(studio(), &StudioService::rangeEndChanged);
        QSignalSpy enable(studio(), &StudioService::rangeEnableChanged);
        studio()->setRangeBegin(400);
        studio()->setRangeBegin(400);
        studio()->setRangeEnd(700);
        studio()->setRangeEnable(true);
        QCOMPARE(begin.count(), 1);
        QCOMPARE(end.count(), 1);
        QCOMPARE(enable.count(), 1);
        QCOMPARE(MeasurementSettings::range(), (QVariantList{400, 700}));
        QVERIFY(MeasurementSettings::rangeEnable());
        QCOMPARE(studio()->property("rangeBegin").toInt(), 400);
        QCOMPARE(studio()->property("rangeEnd").toInt(), 700);
        studio()->setRangeEnable(false);
        QVERIFY(!MeasurementSettings::rangeEnable());
        MeasurementSettings::setRange(370, 780);
    }

    void continuousMeasurementStartsAndStopsCleanly()
    {
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        studio()->handleAutoSpectrumSignal();
        QVERIFY(studio()->isAuto());
        QVERIFY(studio()->isMeasuring());
        QTRY_VERIFY(spectra.count() >= 3);
        QVERIFY(m_device->isStreaming());

        studio()->handleAutoSpectrumSignal();
        QVERIFY(!studio()->isAuto());
        QVERIFY(!studio()->isMeasuring());
        QTRY_VERIFY(!m_device->isStreaming());
        QTRY_COMPARE(m_device->receivedFrames(), (QList<QByteArray>{frame(51), frame(4)}));
        QTest::qWait(200);
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
        // A sample first, so the capture must clear it.
        studio()->handleManualSpectrumSignal();
        QTRY_VERIFY(!studio()->isSingle());
        QVERIFY(buffer()->hasData());
        m_device->clearReceived();

        QSignalSpy references(buffer(), &DataBuffer::referenceDataUpdated);
        studio()->handleReferenceSpectrumSignal();
        QVERIFY(studio()->isMeasuringReference());
        QVERIFY(!buffer()->hasReference());
        // The old sample is gone, and with it the right to save a ratio of it.
        QVERIFY(!buffer()->hasData());
        QCOMPARE(buffer()->getMaxSpec(DataBuffer::SourceSpectrum), 0.0);

        QTRY_VERIFY(!studio()->isMeasuringReference());
        QVERIFY(buffer()->hasReference());
        QVERIFY(!studio()->isAuto());
        QVERIFY(received({frame(51), frame(4)}));
        QCOMPARE(buffer()->referenceSpectrum(), expectedSpectrum(m_device->state()));
        QVERIFY(!buffer()->hasData()); // the reference is no sample
    }

    void referenceCaptureWaitsWhileTheExposureIsNotSettled()
    {
        m_device->updateState([](DeviceState &s) { s.spectrum.exposureStatus = 1; });
        QSignalSpy references(buffer(), &DataBuffer::referenceDataUpdated);
        studio()->handleReferenceSpectrumSignal();
        QTRY_VERIFY(references.count() >= 4);
        QVERIFY(studio()->isMeasuringReference());
        QVERIFY(studio()->isAuto());
        QVERIFY(!buffer()->hasReference());

        // The user gives up: no reference, continuous measurement stopped.
        studio()->handleAutoSpectrumSignal();
        QVERIFY(!studio()->isMeasuringReference());
        QVERIFY(!studio()->isAuto());
        QVERIFY(!buffer()->hasReference());
        QTRY_VERIFY(!m_device->isStreaming());
        m_device->updateState([](DeviceState &s) { s.spectrum.exposureStatus = 0; });
        // Later spectra are samples again, not references.
        studio()->handleManualSpectrumSignal();
        QTRY_VERIFY(!studio()->isSingle());
        QVERIFY(buffer()->hasData());
        QVERIFY(!buffer()->hasReference());
    }

    void referenceCaptureEndsWithoutReferenceWhenTheDeviceFallsSilent()
    {
        buffer()->setExpoTime(1000); // 1 ms: the watchdog's margin alone
        m_device->setSilent(true);
        studio()->handleReferenceSpectrumSignal();
        QVERIFY(studio()->isMeasuringReference());
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isMeasuringReference(),
                                 ReplyWatchdog::kMarginMs + 2000);
        QVERIFY(!buffer()->hasReference());
        QVERIFY(!studio()->isAuto());
        QVERIFY(!studio()->isMeasuring());
        QTRY_COMPARE(m_device->receivedFrames(), (QList<QByteArray>{frame(51), frame(4)}));
    }

    void snapshotWithoutReplyGivesTheControlsBack()
    {
        buffer()->setExpoTime(1000);
        m_device->setSilent(true);
        studio()->handleManualSpectrumSignal();
        QVERIFY(studio()->isSingle());
        QTest::qWait(ReplyWatchdog::kMarginMs - 500);
        QVERIFY(studio()->isSingle());
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), 2000);
        QVERIFY(!studio()->isMeasuring());
    }

    void exposureSettingsAreSetThenReadBack()
    {
        studio()->handleSetExposeTimeSignal(12.5f);
        QVERIFY(received({frame(12, QByteArray::fromHex("d4300000")), frame(13)}));
        QTRY_COMPARE(buffer()->expoTime(), 12500u);

        m_device->clearReceived();
        studio()->handleSetExposeModeSignal(0);
        QVERIFY(received({frame(10, byte(0)), frame(11)}));
        QTRY_COMPARE(buffer()->expoMode(), 0u);
        m_device->clearReceived();
        studio()->handleSetExposeModeSignal(1);
        QVERIFY(received({frame(10, byte(1)), frame(11)}));
        QTRY_COMPARE(buffer()->expoMode(), 1u);

        m_device->clearReceived();
        studio()->handleGetExposeTimeSignal();
        studio()->handleGetExposeModeSignal();
        QVERIFY(received({frame(13), frame(11)}));
    }

    void exposureOutsideTheDeviceRangeSendsNothing_data()
    {
        QTest::addColumn<float>("ms");
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN();
        QTest::newRow("infinity") << std::numeric_limits<float>::infinity();
        QTest::newRow("negative") << -1.0f;
        QTest::newRow("above range") << 5000.5f;
        QTest::newRow("beyond the field") << 5.0e6f;
    }

    void exposureOutsideTheDeviceRangeSendsNothing()
    {
        QFETCH(float, ms);
        studio()->handleSetExposeTimeSignal(ms);
        QVERIFY(received({}, 300));
    }

    void exposureAtTheRangeLimitsIsSent()
    {
        studio()->handleSetExposeTimeSignal(5000.0f);
        studio()->handleSetExposeTimeSignal(0.0f);
        QVERIFY(received({frame(12, QByteArray::fromHex("404b4c00")), frame(13),
                          frame(12, QByteArray::fromHex("00000000")), frame(13)}));
    }

    void cie2015ChoiceMapsToTheDeviceValue()
    {
        studio()->handleSetCie2015(1);
        QVERIFY(received({frame(54, byte(2)), frame(55)}));
        QTRY_COMPARE(buffer()->cie2015(), 1u);
        m_device->clearReceived();
        studio()->handleSetCie2015(2);
        QVERIFY(received({frame(54, byte(3)), frame(55)}));
        QTRY_COMPARE(buffer()->cie2015(), 2u);
        m_device->clearReceived();
        studio()->handleSetCie2015(5);
        QVERIFY(received({frame(54, byte(0)), frame(55)}));
        QTRY_COMPARE(buffer()->cie2015(), 0u);
    }

    void flickerGainModes()
    {
        studio()->handleSetFlickerGainSignal(3);
        QVERIFY(received({frame(58, byte(0)), frame(56, byte(2)), frame(57), frame(59)}));
        QTRY_COMPARE(int(buffer()->gainValue()), 2);
        QTRY_COMPARE(buffer()->gainMode(), false);
        m_device->clearReceived();
        studio()->handleSetFlickerGainSignal(9);
        QVERIFY(received({frame(58, byte(0)), frame(56, byte(3)), frame(57), frame(59)}));
        QTRY_COMPARE(int(buffer()->gainValue()), 3);
        m_device->clearReceived();
        studio()->handleSetFlickerGainSignal(0);
        QVERIFY(received({frame(58, byte(1)), frame(57), frame(59)}));
        QTRY_COMPARE(buffer()->gainMode(), true);
    }

    void flickerNeedsTheChartSelectorAndPicksItsFlickerEntry()
    {
        studio()->handleFlickerSignal();
        QVERIFY(received({}, 300)); // no selector in the scene: nothing at all

        QQmlComponent component(&m_app->engine());
        component.setData("import QtQuick\nimport QtQuick.Controls.Basic\n"
                          "ComboBox { objectName: \"selectShowChart\"\n"
                          "           model: [\"Spectrum\", \"Cie1931\", \"Flicker\"] }",
                          QUrl());
        std::unique_ptr<QObject> selector(component.create());
        QVERIFY2(selector, qPrintable(component.errorString()));
        selector->setParent(m_app->window()->contentItem());

        QSignalSpy flicker(buffer(), &DataBuffer::flickerDataChanged);
        studio()->handleFlickerSignal();
        QCOMPARE(selector->property("currentIndex").toInt(), 2);
        QVERIFY(received({frame(60)}));
        QTRY_COMPARE(flicker.count(), 1);
        const simdevice::FlickerRecord record = m_device->state().flicker;
        QCOMPARE(buffer()->frequency(), record.frequency);
        QCOMPARE(buffer()->depth(), record.depth);
        QCOMPARE(buffer()->percent(), record.depth);
        QCOMPARE(buffer()->index(), record.index);
        QCOMPARE(int(buffer()->gainValue()), int(record.gain));
        QCOMPARE(buffer()->getFValue().size(), 1024);
        QCOMPARE(buffer()->getFValue().at(5), double(simdevice::defaultFlickerSamples().at(5)));
        selector.reset();
    }

    void customizedTestRunsItsTimerAndSignals()
    {
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        QSignalSpy ticks(studio(), &StudioService::testTimerChanged);
        studio()->handleCustomizedTest(6, QStringLiteral("s"), 2); // interval raised to 5
        QCOMPARE(begin.count(), 1);
        QCOMPARE(studio()->testDuration(), 6);
        QCOMPARE(studio()->testIntervals(), 5);
        QVERIFY(studio()->isAuto());
        QTRY_COMPARE_WITH_TIMEOUT(end.count(), 1, 9000);
        QCOMPARE(append.count(), 1);
        QVERIFY(!studio()->isAuto());
        QCOMPARE(studio()->testTimer(), 0);
        // stop of the earlier test, start, and the stop at the end
        QTRY_COMPARE(m_device->receivedFrames(), (QList<QByteArray>{frame(4), frame(51), frame(4)}));

        // The main window handed the three requests to the save service.
        const QStringList files = RunningApplication::savedFiles(QStringLiteral("PQV-32_CustomizedTest_*.csv"));
        QCOMPARE(files.size(), 1);
        QFile file(files.first());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(3) == "\xEF\xBB\xBF");
        const QStringList lines = RunningApplication::csvLines(files.first());
        const int items = buffer()->lastResultItems().size();
        QCOMPARE(lines.size(), 1 + items + 1 + 401);
        for (const QString &line : lines)
            QCOMPARE(line.count(QLatin1Char(',')), 1); // the name and one sample
        QCOMPARE(lines.at(items + 2).section(QLatin1Char(','), 0, 0), QStringLiteral("380"));
        QCOMPARE(lines.last().section(QLatin1Char(','), 0, 0), QStringLiteral("780"));
        QCOMPARE(lines.at(items + 1),
                 QStringLiteral("exposure time(ms),") + QString::number(buffer()->expoTime() / 1000.0));
        QFile::remove(files.first());
    }

    void customizedTestStoppedEarlyStillEnds()
    {
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        studio()->handleCustomizedTest(2, QStringLiteral("min"), 5);
        QCOMPARE(studio()->testDuration(), 120);
        QTRY_COMPARE_WITH_TIMEOUT(append.count(), 1, 7000);
        studio()->handleAutoSpectrumSignal(); // the user stops continuous measurement
        QCOMPARE(end.count(), 1);
        // What was collected is on disk.
        const QStringList files = RunningApplication::savedFiles(QStringLiteral("PQV-32_CustomizedTest_*.csv"));
        QCOMPARE(files.size(), 1);
        const QStringList lines = RunningApplication::csvLines(files.first());
        QVERIFY(lines.size() > 400);
        QCOMPARE(lines.first().count(QLatin1Char(',')), 1);
        QFile::remove(files.first());
        QCOMPARE(studio()->testTimer(), 0);
        QTest::qWait(1300);
        QCOMPARE(studio()->testTimer(), 0); // the timer is gone
        QCOMPARE(end.count(), 1);
    }

    void customizedTestIsNotOfferedForYModels()
    {
        QSignalSpy begin(studio(), &StudioService::requestCustomizedTestBegin);
        buffer()->setIsY(true);
        studio()->handleCustomizedTest(10, QStringLiteral("s"), 5);
        buffer()->setIsY(false);
        QCOMPARE(begin.count(), 0);
        QVERIFY(!studio()->isAuto());
        QVERIFY(received({}, 300));
    }

    void closingATestThatIsNotRunningWritesNothing()
    {
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        studio()->handleCloseCustomizedTest();
        QCOMPARE(end.count(), 0);
        QVERIFY(received({frame(4)}));
    }

    void zeroIntervalWrittenDuringATestIsHarmless()
    {
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        studio()->handleCustomizedTest(30, QStringLiteral("s"), 5);
        studio()->setTestIntervals(0);
        QTRY_COMPARE(studio()->testTimer(), 2);
        studio()->handleCloseCustomizedTest();
        QVERIFY(!studio()->isAuto());
        QCOMPARE(append.count(), 0);
        for (const QString &path :
             RunningApplication::savedFiles(QStringLiteral("PQV-32_CustomizedTest_*.csv")))
            QFile::remove(path);
    }

    // Last: it takes the device away.
    void disconnectEndsTheSeriesAndWritesIt()
    {
        QSignalSpy append(studio(), &StudioService::requestCustomizedTestAppend);
        QSignalSpy end(studio(), &StudioService::requestCustomizedTestEnd);
        studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
        QTRY_COMPARE_WITH_TIMEOUT(append.count(), 1, 7000);
        studio()->handleManualSpectrumSignal(); // a snapshot under way as well
        studio()->handleHardwareDisconnectSignal();
        QCOMPARE(end.count(), 1);
        QVERIFY(!studio()->isAuto());
        QVERIFY(!studio()->isSingle());
        QVERIFY(!studio()->isMeasuring());
        QCOMPARE(studio()->testTimer(), 0);
        QTest::qWait(1200);
        QCOMPARE(studio()->testTimer(), 0);
        QTRY_COMPARE(m_device->receivedFrames().mid(m_device->receivedFrames().size() - 2),
                     (QList<QByteArray>{frame(50), frame(4)}));
        const QStringList files = RunningApplication::savedFiles(QStringLiteral("PQV-32_CustomizedTest_*.csv"));
        QCOMPARE(files.size(), 1);
        QCOMPARE(RunningApplication::csvLines(files.first()).first().count(QLatin1Char(',')), 1);
    }
};

QTEST_MAIN(TestMeasurementRoad)
#include "tst_measurement_road.moc"
