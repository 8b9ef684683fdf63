// Snapshots and references on links where a spectrum frame takes seconds on the line, and
// on devices whose exposure the host has not read yet: the simulated spectrometer keeps a
// real device's timing here (it sends at its baud rate and takes each exposure first).
// Each test costs one or two such frames; they are the slowest in the suite by design.
#include "RunningApplication.h"
#include "SerialLink.h"
#include "SeriesClock.h"
#include "TemporaryHome.h"
#include "ReplyPayloads.h"
#include "SimulatedDevice.h"

#include "control/StudioService.h"
#include "store/DataBuffer.h"
#include "welcome/WelcomeService.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using simdevice::DeviceState;
using simdevice::SimulatedDevice;

namespace {

// Upper bounds for waits: generous for a loaded machine; a passing wait ends at once.
constexpr int kConnectTimeoutMs = 30000;
constexpr int kSpectrumTimeoutMs = 40000;

// The line time of a frame of `bytes` at `baud`, 10 bits a byte, in milliseconds.
qint64 lineMs(qsizetype bytes, int baud) { return qint64(bytes) * 10000 / baud; }

} // namespace

class TestSlowLink : public QObject
{
    Q_OBJECT
    std::unique_ptr<testsupport::RunningApplication> m_app;
    std::unique_ptr<SimulatedDevice> m_device;

    StudioService *studio() const { return m_app->studio(); }
    DataBuffer *buffer() const { return m_app->dataBuffer(); }

    // A device in manual exposure with a real device's timing, connected through the
    // welcome page at its own rate.
    bool connectTimedDevice(int baud, quint32 exposureUs)
    {
        DeviceState state;
        state.model = QStringLiteral("PQV-21"); // photometry and the ratio pages
        state.baud = baud;
        state.autoExposure = false;
        state.expoTimeUs = exposureUs;
        // Continuous spectra far apart: a reference takes one frame, none follows it.
        state.streamIntervalMs = 60000;
        m_device = std::make_unique<SimulatedDevice>(state);
        if (!m_device->start())
            return false;
        m_device->setLinePacing(true);
        m_device->setExposureTiming(true);
        m_app->welcome()->handleSerialConnectionSignal(m_device->portName(), testsupport::baudIndexOf(baud));
        return QTest::qWaitFor([this] { return !buffer()->deviceModel().isEmpty(); }, kConnectTimeoutMs);
    }

    qsizetype spectrumFrameBytes() const
    {
        return simdevice::deviceFrame(50, simdevice::spectrumPayload(m_device->state())).size();
    }

private slots:
    void initTestCase()
    {
        testsupport::useTemporaryHome();
        QStandardPaths::setTestModeEnabled(true);
        m_app = std::make_unique<testsupport::RunningApplication>();
        QVERIFY(m_app->start());
    }

    void cleanup()
    {
        if (studio()->isAuto())
            studio()->handleAutoSpectrumSignal();
        studio()->handleHardwareDisconnectSignal();
        m_device.reset();
        m_app->closeMessage();
    }

    void cleanupTestCase() { m_app.reset(); }

    void manualSnapshotAndReferenceCompleteAt4800Baud()
    {
        QVERIFY(connectTimedDevice(4800, 100000));
        // The user sets 100 ms; the host reads it back and knows it.
        studio()->handleSetExposeTimeSignal(100.0f);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoTime(), 100000u, kConnectTimeoutMs);
        QVERIFY2(lineMs(spectrumFrameBytes(), 4800) > 3000, "a spectrum frame takes seconds here");

        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        studio()->handleManualSpectrumSignal();
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), kSpectrumTimeoutMs);
        QCOMPARE(spectra.count(), 1); // ended by the spectrum, not given up before it came
        QVERIFY(buffer()->hasData());
        QCOMPARE(buffer()->sourceSpectrum().size(), simdevice::fittedSamples(m_device->state()).size());

        // The reference of a ratio page, taken the same way.
        studio()->handleReferenceSpectrumSignal();
        QVERIFY(studio()->isMeasuringReference());
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isMeasuringReference(), kSpectrumTimeoutMs);
        QVERIFY(buffer()->hasReference());
        QVERIFY(!studio()->isAuto());
        QVERIFY(buffer()->getMaxSpec(DataBuffer::ReferenceSpectrum) > 0.0);
    }

    void firstSnapshotOfADeviceLeftAtSixSecondsArrives()
    {
        // The host has not read the exposure: its store holds the default of 1 s.
        QVERIFY(connectTimedDevice(115200, 6000000));
        QCOMPARE(buffer()->expoMode(), 0u);
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        QElapsedTimer clock;
        clock.start();
        studio()->handleManualSpectrumSignal();
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), kSpectrumTimeoutMs);
        QCOMPARE(spectra.count(), 1);
        QVERIFY(buffer()->hasData());
        QCOMPARE(buffer()->expoTime(), 6000000u);
        QVERIFY2(clock.elapsed() >= 6000, qPrintable(QString::number(clock.elapsed())));
        // It asked for the exposure it did not know, once, before the snapshot.
        QCOMPARE(m_device->framesWithCode(13).size(), 1);
        QVERIFY(m_device->receivedFrames().indexOf(m_device->framesWithCode(13).first())
                < m_device->receivedFrames().indexOf(m_device->framesWithCode(50).first()));
    }

    void aSpectrumAlreadyOnTheLineIsTakenWhenItsDeadlinePasses()
    {
        // The device lengthened its exposure behind the host's back: the host expects 100 ms,
        // so the deadline passes while the frame is still arriving.
        QVERIFY(connectTimedDevice(9600, 100000));
        studio()->handleSetExposeTimeSignal(100.0f);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoTime(), 100000u, kConnectTimeoutMs);
        m_device->updateState([](DeviceState &s) { s.expoTimeUs = 4000000; });
        QSignalSpy spectra(buffer(), &DataBuffer::specDataChanged);
        studio()->handleManualSpectrumSignal();
        QTRY_VERIFY_WITH_TIMEOUT(!studio()->isSingle(), kSpectrumTimeoutMs);
        QCOMPARE(spectra.count(), 1);
        QCOMPARE(buffer()->expoTime(), 4000000u);
    }

    // Exposures longer than the series' interval: an interval in which no exposure ended is
    // left out, every sample holds a spectrum that came after the one before, and waiting
    // out an exposure is no silence.
    void aSeriesOfLongExposuresRecordsEachSpectrumOnce()
    {
        QVERIFY(connectTimedDevice(921600, 6000000));
        m_device->updateState([](DeviceState &s) { s.streamIntervalMs = 100; });
        studio()->handleSetExposeTimeSignal(6000.0f);
        QTRY_COMPARE_WITH_TIMEOUT(buffer()->expoTime(), 6000000u, kConnectTimeoutMs);
        testsupport::SeriesClock clock(studio());
        QObject sampling;
        QList<quint64> received{buffer()->receivedSpectra()};
        connect(studio(), &StudioService::requestCustomizedTestAppend, &sampling,
                [&] { received << buffer()->receivedSpectra(); });
        QSignalSpy overdue(studio(), &StudioService::spectrumOverdueChanged);
        studio()->handleCustomizedTest(60, QStringLiteral("s"), 5);
        // An interval passes at each tick, about a second apart: a sixth of an exposure.
        for (int seconds = 5; seconds <= 45; seconds += 5)
            QVERIFY(clock.moveTo(seconds, kSpectrumTimeoutMs));
        QVERIFY(received.size() >= 2);
        for (int i = 1; i < received.size(); ++i)
            QVERIFY2(received.at(i) > received.at(i - 1), qPrintable(QString::number(i)));
        QVERIFY(overdue.isEmpty());
        studio()->handleCloseCustomizedTest();
    }
};

QTEST_MAIN(TestSlowLink)
#include "tst_slow_link.moc"
