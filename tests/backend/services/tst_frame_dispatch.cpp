// Received bytes to store values without a transport: the dispatch table, signal order
// per frame, malformed payloads, noisy streams and re-entrant delivery.
#include "ReplyPayloads.h"
#include "StoreFixtures.h"
#include "StoreSignalLog.h"
#include "protocol/DeviceCommand.h"
#include "services/FrameReceiver.h"
#include "store/DataBuffer.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

using namespace testsupport;
using namespace DeviceCommand;

namespace {

constexpr int kAxis = 681;

// Everything a test needs: a measuring store fed through a receiver.
struct Road {
    MeasurementFlags flags;
    DataBuffer store;
    FrameReceiver receiver{&store};
    Road() { store.setMeasurementState(&flags); }
    void model(const QByteArray &name) { receiver.receive(reply(CMD_GET_DEVICE_MODEL, modelReply(name))); }
    int plainWords() const { return int(store.modelInfo().plain.size()); }
};

} // namespace

class TestFrameDispatch : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        prepareStoreTests();
    }

    void spectrumFrameSetsExposureThenWordsThenSpectrum()
    {
        Road road;
        road.model("PQV-21");
        QTest::qWait(2 * DataBuffer::kThrottleIntervalMs);
        StoreSignalLog log(&road.store);
        QVector<float> words(road.plainWords(), 0.0f);
        words[38] = 321.0f;
        road.receiver.receive(reply(CMD_AUTO_SPECTRUM,
                                    spectrumFrameBody(1, 20000, words, plainSpectrum(0, rampSamples(kAxis)))));
        QCOMPARE(log.names, QStringList({"expoStatusChanged", "expoTimeChanged",
                                         "formattedPhotoResultChanged", "hasDataChanged",
                                         "specDataChanged", "ramanChanged"}));
        QCOMPARE(road.store.expoStatus(), 1u);
        QCOMPARE(road.store.expoTime(), 20000u);
        QCOMPARE(road.store.getPhotoResult()[38], 321.0f);
        QCOMPARE(road.store.getMaxSpec(DataBuffer::SourceSpectrum), double(kAxis - 1));
    }

    void referenceCaptureFrameSignalsOnlyTheReference()
    {
        Road road;
        road.model("PQV-21");
        road.flags.reference = true;
        StoreSignalLog log(&road.store);
        road.receiver.receive(reply(CMD_AUTO_SPECTRUM,
                                    spectrumFrameBody(2, 30000, QVector<float>(road.plainWords(), 5.0f),
                                                      plainSpectrum(0, QVector<uint16_t>(kAxis, 9)))));
        QCOMPARE(log.names, QStringList({"expoStatusChanged", "expoTimeChanged", "referenceDataUpdated"}));
        QCOMPARE(road.store.photoResultSize(), 0);
        QVERIFY(!road.store.hasData());
    }

    void modelReplyIsCutAtItsTrailerAndFirstNul()
    {
        Road road;
        StoreSignalLog log(&road.store);
        road.receiver.receive(reply(CMD_GET_DEVICE_MODEL, modelReply(QByteArray("PQV-28\0\0\0", 9))));
        QCOMPARE(road.store.deviceModel(), QStringLiteral("PQV-28"));
        QCOMPARE(log.names, QStringList({"hasFlickerChanged", "hasTm30Changed", "hasEfficiencyChanged",
                                         "hasIlluminanceCalibrateChanged", "chromaShiftChanged",
                                         "hueShiftChanged", "colorFidelityChanged", "tm30Changed",
                                         "formattedPhotoResultChanged", "deviceModelChanged"}));

        road.receiver.receive(reply(CMD_GET_DEVICE_MODEL, QByteArray("SN00042"))); // under 8 bytes
        QCOMPARE(road.store.deviceModel(), QStringLiteral("PQV-28"));
    }

    void rangeReplySetsTheAxisAndDropsTheReference()
    {
        Road road;
        road.flags.reference = true;
        road.receiver.receive(reply(CMD_SINGLE_SPECTRUM,
                                    spectrumFrameBody(0, 1000, {}, plainSpectrum(0, QVector<uint16_t>(kAxis, 3)))));
        road.store.setHasReference(true);
        StoreSignalLog log(&road.store);
        road.receiver.receive(reply(CMD_GET_WL_RANGE, rangeReply(380, 780)));
        QCOMPARE(log.names, QStringList({"hasReferenceChanged", "wlChanged"}));
        QCOMPARE(road.store.getWlLength(), quint16(401));

        log.clear();
        road.receiver.receive(reply(CMD_GET_WL_RANGE, rangeReply(780, 380)));
        road.receiver.receive(reply(CMD_GET_WL_RANGE, rangeReply(0, 60000)));
        road.receiver.receive(reply(CMD_GET_WL_RANGE, le16(400)));
        QVERIFY(log.names.isEmpty());
        QCOMPARE(road.store.getWlLength(), quint16(401));
    }

    void flickerRecordSetsItsValuesInOrder()
    {
        Road road;
        StoreSignalLog log(&road.store);
        QVector<uint16_t> samples(1024);
        for (int i = 0; i < 1024; ++i)
            samples[i] = uint16_t(i * 3);
        road.receiver.receive(reply(CMD_FLICKER, flickerReply(2, 120.0f, 0.08f, 33.5f, samples)));
        QCOMPARE(log.names, QStringList({"gainValueChanged", "frequencyChanged", "indexChanged",
                                         "depthChanged", "percentChanged", "flickerDataChanged"}));
        QCOMPARE(road.store.gainValue(), quint8(2));
        QCOMPARE(road.store.frequency(), 120.0f);
        QCOMPARE(road.store.index(), 0.08f);
        QCOMPARE(road.store.depth(), 33.5f);
        QCOMPARE(road.store.percent(), 33.5f);
        QCOMPARE(road.store.getFValue().at(1023), 3069.0);

        // A record whose waveform exceeds the store is not applied at all.
        log.clear();
        QByteArray huge = flickerReply(3, 1, 1, 1, {});
        huge += QByteArray(DataBuffer::kRawPayloadCapacity + 2, '\1');
        road.receiver.receive(reply(CMD_FLICKER, huge));
        road.receiver.receive(reply(CMD_FLICKER, QByteArray(12, '\1'))); // header cut short
        QVERIFY(log.names.isEmpty());
        QCOMPARE(road.store.gainValue(), quint8(2));
    }

    void settingsReplies()
    {
        Road road;
        road.receiver.receive(reply(CMD_GET_EXPO_MODE, QByteArray(1, '\0')));
        QCOMPARE(road.store.expoMode(), 0u);
        road.receiver.receive(reply(CMD_GET_EXPO_MODE, QByteArray(1, '\7')));
        QCOMPARE(road.store.expoMode(), 1u);
        road.receiver.receive(reply(CMD_GET_EXPO_TIME, le32(123456)));
        QCOMPARE(road.store.expoTime(), 123456u);
        road.receiver.receive(reply(CMD_GET_GAIN_VALUE, QByteArray(1, '\3')));
        QCOMPARE(road.store.gainValue(), quint8(3));
        road.receiver.receive(reply(CMD_GET_GAIN_MODE, QByteArray(1, '\1')));
        QVERIFY(road.store.gainMode());

        const QList<QPair<char, quint32>> cie{{2, 1}, {3, 2}, {0, 0}, {1, 2}};
        for (const auto &[sent, option] : cie) {
            road.receiver.receive(reply(CMD_GET_CIE2015, QByteArray(1, sent)));
            QCOMPARE(road.store.cie2015(), option);
        }

        // Replies too short for their fields change nothing.
        QSignalSpy time(&road.store, &DataBuffer::expoTimeChanged);
        road.receiver.receive(reply(CMD_GET_EXPO_TIME, le16(5)));
        road.receiver.receive(reply(CMD_GET_CIE2015, QByteArray()));
        road.receiver.receive(reply(CMD_GET_EXPO_MODE, QByteArray()));
        QCOMPARE(time.count(), 0);
        QCOMPARE(road.store.cie2015(), 2u);
        QCOMPARE(road.store.expoMode(), 1u);
    }

    void efficiencyTableReply()
    {
        Road road;
        road.receiver.receive(reply(CMD_GET_EFFICIENCY, le16(3) + le16(360) + f32s({0.5f, 0.25f, 2.0f})));
        const FloatArray *table = road.store.efficiencyTable();
        QCOMPARE(table->size[0], 3);
        QCOMPARE(table->data[2], 362.0f);
        QCOMPARE(table->data[5], 2.0f);

        road.receiver.receive(reply(CMD_GET_EFFICIENCY, le16(4) + le16(360) + f32s({1, 1, 1}))); // short
        road.receiver.receive(reply(CMD_GET_EFFICIENCY, le16(902) + le16(300) + f32s(QVector<float>(902, 1))));
        QCOMPARE(table->size[0], 3);
        QCOMPARE(table->data[3], 0.5f);
    }

    void acknowledgements_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<bool>("acknowledged");
        for (int code : {10, 12, 16, 19, 32, 54, 56, 58})
            QTest::addRow("set %d", code) << code << QByteArray() << true;
        QTest::newRow("reset done") << 37 << QByteArray(1, '\0') << true;
        QTest::newRow("reset failed") << 37 << QByteArray(1, '\1') << false;
        QTest::newRow("save done") << 39 << QByteArray(1, '\0') << true;
        QTest::newRow("save failed") << 39 << QByteArray(1, '\2') << false;
        QTest::newRow("save without byte") << 39 << QByteArray() << false;
        QTest::newRow("code 0") << 0 << QByteArray(4, '\0') << false;
        QTest::newRow("unknown code") << 99 << QByteArray(4, '\0') << false;
    }

    void acknowledgements()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, payload);
        QFETCH(bool, acknowledged);
        Road road;
        QSignalSpy ack(&road.receiver.dispatcher(), &FrameDispatcher::acknowledged);
        StoreSignalLog log(&road.store);
        road.receiver.receive(reply(uint8_t(code), payload));
        QCOMPARE(ack.count(), acknowledged ? 1 : 0);
        QVERIFY(log.names.isEmpty());
    }

    void spectrumFramesThatDoNotFitAreNotApplied()
    {
        Road road;
        road.model("PQV-21");
        StoreSignalLog log(&road.store);
        const QVector<float> words(road.plainWords(), 1.0f);
        // One sample short of the range.
        road.receiver.receive(reply(CMD_AUTO_SPECTRUM,
                                    spectrumFrameBody(1, 7, words, plainSpectrum(0, rampSamples(kAxis - 1)))));
        // Missing the photometric words.
        road.receiver.receive(reply(CMD_AUTO_SPECTRUM,
                                    spectrumFrameBody(1, 7, {}, plainSpectrum(0, rampSamples(kAxis)))));
        // Not even the exposure bytes.
        road.receiver.receive(reply(CMD_AUTO_SPECTRUM, QByteArray(4, '\1')));
        // A spectrum part larger than the store.
        road.receiver.receive(reply(CMD_AUTO_SPECTRUM,
                                    spectrumFrameBody(1, 7, words, QByteArray(DataBuffer::kRawPayloadCapacity + 1, 0))));
        QVERIFY(log.names.isEmpty());
        QCOMPARE(road.store.expoTime(), 1000000u);
    }

    void yModelFramePassesAllAfterTheExposureToTheSpectrum()
    {
        Road road;
        road.model("YQV-03");
        simdevice::DeviceState state;
        state.model = QStringLiteral("YQV-03");
        state.expoTimeUs = 40000;
        state.spectrum.samples = rampSamples(kAxis, 7);
        state.spectrum.scaleCode = 1;
        road.store.setExpoTime(state.expoTimeUs); // the masks use the exposure the host holds
        road.receiver.receive(simdevice::deviceFrame(CMD_AUTO_SPECTRUM, simdevice::spectrumPayload(state)));
        const QList<double> source = road.store.getSpec(DataBuffer::SourceSpectrum);
        QCOMPARE(source.size(), kAxis);
        QCOMPARE(source.at(10), 7.0);
        QCOMPARE(source.at(600), 420.0);
        QCOMPARE(road.store.photoResultSize(), 256);
    }

    void noisyFragmentedStreamAppliesEveryGoodFrameOnce()
    {
        Road road;
        QList<quint32> sent;
        QByteArray stream;
        QRandomGenerator random(20261206);
        for (int i = 0; i < 400; ++i) {
            const quint32 time = 1000 + quint32(i);
            QByteArray frame = reply(CMD_GET_EXPO_TIME, le32(time));
            const int kind = int(random.bounded(6));
            if (kind == 0) {
                frame[frame.size() - 3] = char(frame.at(frame.size() - 3) + 1); // checksum
            } else if (kind == 1) {
                frame[frame.size() - 1] = 'x'; // terminator
            } else {
                sent.append(time);
            }
            stream += frame;
            if (random.bounded(3) == 0) {
                QByteArray garbage(int(random.bounded(1, 12)), '\0');
                for (char &c : garbage)
                    c = char(random.bounded(256));
                stream += garbage.replace("\xcc\x81", "\xcc\x82");
            }
        }
        QList<quint32> applied;
        connect(&road.store, &DataBuffer::expoTimeChanged, this,
                [&] { applied.append(road.store.expoTime()); });
        for (int at = 0; at < stream.size();) {
            const int piece = int(random.bounded(1, 40));
            road.receiver.receive(stream.mid(at, piece));
            at += piece;
        }
        QCOMPARE(applied, sent);
        QVERIFY(road.receiver.assembler().rejectedFrames() > 0);
    }

    void bytesArrivingWhileAFrameIsAppliedAreQueuedInOrder()
    {
        Road road;
        QByteArray later = reply(CMD_GET_EXPO_TIME, le32(2)) + reply(CMD_GET_EXPO_TIME, le32(3));
        QByteArray split = reply(CMD_GET_EXPO_TIME, le32(4));
        QList<quint32> applied;
        connect(&road.store, &DataBuffer::expoTimeChanged, this, [&] {
            applied.append(road.store.expoTime());
            // A handler whose blocking write lets the port hand over more bytes.
            if (road.store.expoTime() == 1) {
                road.receiver.receive(later + split.left(5));
                road.receiver.receive(split.mid(5));
            }
        });
        road.receiver.receive(reply(CMD_GET_EXPO_TIME, le32(1)) + reply(CMD_GET_EXPO_TIME, le32(5)));
        QCOMPARE(applied, QList<quint32>({1, 5, 2, 3, 4}));
        QCOMPARE(road.receiver.assembler().bufferedBytes(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFrameDispatch)
#include "tst_frame_dispatch.moc"
