// The device road for real: the simulated spectrometer on a pseudo-terminal, the serial
// transport, frame reassembly and dispatch, and the values that land in the store.
#include "ReplyPayloads.h"
#include "SerialLink.h"
#include "SimulatedDevice.h"
#include "StoreFixtures.h"
#include "protocol/DriverTypes.h"
#include "link/DataHandlerService.h"
#include "store/DataBuffer.h"
#include "transport/UARTInterface.h"

#include <QtTest>
#include <cstring>
#include <memory>

using namespace testsupport;
using simdevice::SimulatedDevice;

namespace {

constexpr int kTimeoutMs = 5000;

QList<double> expectedSource(const QVector<uint16_t> &samples, double divisor)
{
    QList<double> values;
    for (uint16_t s : samples)
        values.append(s / divisor);
    return values;
}

} // namespace

class TestDeviceToStore : public QObject
{
    Q_OBJECT
    MeasurementFlags flags;
    std::unique_ptr<SimulatedDevice> device;
    DataBuffer *store = nullptr;
    UARTInterface *uart = nullptr;

    void connectTo(const QString &model)
    {
        simdevice::DeviceState state;
        state.model = model;
        state.wlStart = 360;
        state.wlEnd = 830;
        device = std::make_unique<SimulatedDevice>(state);
        QVERIFY(device->start());
        store->resetAll();
        DataHandlerService::instance(DriverTypes::CONNECT_UART);
        QVERIFY(connectSerial(*device));
        uart->getWlRange();
        uart->getExpoMode();
        uart->getExpoTime();
        uart->getDeviceModel();
        QTRY_COMPARE_WITH_TIMEOUT(store->deviceModel(), model, kTimeoutMs); // the 8-byte trailer is not part of it
    }

    bool measureOnce()
    {
        QSignalSpy spectra(store, &DataBuffer::specDataChanged);
        uart->singleSpectrum();
        return spectra.wait(kTimeoutMs);
    }

private slots:
    void initTestCase()
    {
        prepareStoreTests();
        store = DataBuffer::instance();
        store->setMeasurementState(&flags);
        DataHandlerService::instance(DriverTypes::CONNECT_UART);
        uart = UARTInterface::instance();
    }

    void cleanup()
    {
        disconnectSerial();
        device.reset();
    }

    void yModelCountsAreUnmaskedOnTheHost()
    {
        connectTo(QStringLiteral("YQV-02"));
        simdevice::SpectrumContent content;
        content.scaleCode = 1;
        content.samples = rampSamples(471, 11);
        device->setSpectrum(content);
        QVERIFY(measureOnce());
        QCOMPARE(store->getSpec(DataBuffer::SourceSpectrum), expectedSource(content.samples, 10.0));
        QCOMPARE(store->photoResultSize(), 256);
    }

    void noisyLineStillDeliversEveryReply()
    {
        connectTo(QStringLiteral("PQV-28"));
        device->setFragmentation(5, 1);
        device->sendStrayBeforeNextReply(QByteArray::fromHex("cc81ffffff00cc"));
        device->corruptNextChecksums(1);
        QSignalSpy spectra(store, &DataBuffer::specDataChanged);
        uart->singleSpectrum(); // its reply is corrupt and dropped
        uart->startFlicker();
        uart->getEfficiency();
        uart->singleSpectrum();
        QTRY_VERIFY_WITH_TIMEOUT(spectra.count() == 1, kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(store->efficiencyTable()->size[0], 901, kTimeoutMs);

        const simdevice::DeviceState state = device->state();
        QCOMPARE(store->frequency(), state.flicker.frequency);
        QCOMPARE(store->depth(), state.flicker.depth);
        const QVector<uint16_t> wave = simdevice::defaultFlickerSamples();
        QCOMPARE(store->getFValue().at(100), double(wave.at(100)));
        QCOMPARE(store->efficiencyTable()->data[0], float(state.efficiencyStart));
        QCOMPARE(store->efficiencyTable()->data[901], simdevice::defaultEfficiency().at(0));
        QCOMPARE(store->getSpec(DataBuffer::SourceSpectrum),
                 expectedSource(simdevice::fittedSamples(state), 100.0));
    }
};

QTEST_GUILESS_MAIN(TestDeviceToStore)
#include "tst_device_to_store.moc"
