// Cutting checked frames out of a byte stream: fragments, garbage, bad terminators, bad
// checksums and impossible lengths; then a fixed-seed stream of random and mutated device
// frames through reassembly and dispatch into the store: nothing may crash or read outside a
// buffer (run it in the sanitizer build), and the store's invariants hold throughout.
#include "StoreFixtures.h"
#include "protocol/DeviceCommand.h"
#include "protocol/DeviceFrame.h"
#include "protocol/FrameAssembler.h"
#include "link/FrameReceiver.h"
#include "settings/MeasurementSettings.h"
#include "store/DataBuffer.h"

#include <QCoreApplication>
#include <QtTest>
#include <cmath>
#include <random>

using namespace testsupport;
using namespace DeviceCommand;

namespace {

QList<QByteArray> drain(FrameAssembler &assembler)
{
    QList<QByteArray> frames;
    QByteArray frame;
    while (assembler.takeFrame(&frame))
        frames.append(frame);
    return frames;
}

// A header claiming `length` bytes, with code 1.
QByteArray headerClaiming(uint32_t length)
{
    return QByteArray::fromHex("cc81") + le16(uint16_t(length)) + QByteArray(1, char(length >> 16)) + QByteArray(1, 1);
}

constexpr int kFrames = 100000;

class FrameSource
{
public:
    FrameSource(const DataBuffer &store, uint32_t seed) : m_store(store), m_rng(seed) {}

    QByteArray next()
    {
        QByteArray frame = fresh();
        if (chance(30))
            mutate(frame);
        return frame;
    }

    int below(int n) { return n <= 0 ? 0 : int(m_rng() % uint32_t(n)); }
    bool chance(int percent) { return below(100) < percent; }

private:
    QByteArray randomBytes(int n)
    {
        QByteArray b(n, '\0');
        for (char &c : b)
            c = char(below(256));
        return b;
    }

    QByteArray validSpectrum()
    {
        const int n = m_store.getWlLength();
        QVector<uint16_t> samples(n);
        for (uint16_t &s : samples)
            s = uint16_t(below(65536));
        const int16_t code = int16_t(below(7) - 2);
        if (m_store.isY()) {
            QByteArray body(1, char(below(3)));
            body += le32(uint32_t(below(2000000)));
            body += le16(uint16_t(below(65536))) + randomBytes(12); // masked code and fields
            for (uint16_t s : samples)
                body += le16(s);
            return body;
        }
        QVector<float> words(m_store.modelInfo().plain.size());
        for (float &w : words)
            w = float(below(100000)) / 7.0f;
        return spectrumFrameBody(uint8_t(below(3)), uint32_t(below(2000000)), words,
                                 plainSpectrum(code, samples));
    }

    QByteArray fresh()
    {
        static const uint8_t kSpectrumCodes[] = {CMD_SPECTRUM_PUSH, CMD_SINGLE_SPECTRUM, CMD_AUTO_SPECTRUM};
        static const uint8_t kSettings[] = {CMD_GET_EXPO_MODE, CMD_GET_EXPO_TIME, CMD_GET_CIE2015,
                                            CMD_GET_GAIN_VALUE, CMD_GET_GAIN_MODE};
        static const uint8_t kAcks[] = {10, 12, 16, 19, 32, 54, 56, 58, 37, 39};
        static const char *const kModels[] = {"PQV-21", "PQV-27", "YQV-01", "TQV-11", "WQV-71",
                                              "BQV-41-0000F", "HQV-62", "", "\xff\xfe\x80", "PQV-22"};
        const int roll = below(100);
        if (roll < 10)
            return reply(kSpectrumCodes[below(3)], validSpectrum());
        if (roll < 15)
            return reply(kSpectrumCodes[below(3)], randomBytes(below(1600)));
        if (roll < 18) {
            QByteArray name(kModels[below(10)]);
            if (chance(20))
                name += QByteArray(below(4), '\0') + randomBytes(below(4));
            return reply(CMD_GET_DEVICE_MODEL, chance(90) ? modelReply(name) : randomBytes(below(9)));
        }
        if (roll < 21) {
            const int start = 300 + below(200);
            const int end = chance(90) ? start + below(800) : below(65536);
            return reply(CMD_GET_WL_RANGE, rangeReply(uint16_t(start), uint16_t(end)).left(chance(95) ? 4 : below(4)));
        }
        if (roll < 26) {
            QVector<uint16_t> samples(below(1100));
            for (uint16_t &s : samples)
                s = uint16_t(below(65536));
            QByteArray record = flickerReply(uint8_t(below(4)), 50.0f, 0.1f, 20.0f, samples);
            return reply(CMD_FLICKER, chance(95) ? record : record.left(below(14)));
        }
        if (roll < 29) {
            const int count = below(1000);
            QByteArray table = le16(uint16_t(count)) + le16(uint16_t(300 + below(100)));
            table += randomBytes(chance(70) ? 4 * count : below(4 * count + 1));
            return reply(CMD_GET_EFFICIENCY, table);
        }
        if (roll < 49)
            return reply(kSettings[below(5)], randomBytes(below(7)));
        if (roll < 59)
            return reply(kAcks[below(10)], randomBytes(below(3)));
        if (roll < 79)
            return reply(uint8_t(below(256)), randomBytes(below(64)));
        if (roll < 80)
            return DeviceFrame::build(uint8_t(below(64)), randomBytes(below(16)), DeviceFrame::kHostToDevice);
        return randomBytes(1 + below(40));
    }

    void fixChecksum(QByteArray &frame)
    {
        if (frame.size() >= DeviceFrame::kOverhead)
            frame[frame.size() - 3] = char(DeviceFrame::checksum(frame.constData(), int(frame.size()) - 3));
    }

    void mutate(QByteArray &frame)
    {
        if (frame.isEmpty())
            return;
        switch (below(6)) {
        case 0: // flipped bytes, sometimes with a checksum that still matches
            for (int i = below(4) + 1; i > 0; --i)
                frame[below(int(frame.size()))] = char(below(256));
            if (chance(50))
                fixChecksum(frame);
            break;
        case 1: // cut short
            frame.truncate(below(int(frame.size())));
            break;
        case 2: // a length field that lies
            if (frame.size() > 5) {
                const int length = chance(50) ? below(1 << 24) : int(frame.size()) + below(40) - 20;
                frame[2] = char(length & 0xFF);
                frame[3] = char((length >> 8) & 0xFF);
                frame[4] = char((length >> 16) & 0xFF);
            }
            break;
        case 3: // a stray header inside
            frame.insert(below(int(frame.size())), QByteArray::fromHex("cc81"));
            break;
        case 4: // payload shortened but well-formed: handlers see a short payload
            if (frame.size() > DeviceFrame::kOverhead) {
                const QByteArray payload = DeviceFrame::payload(frame);
                frame = reply(DeviceFrame::code(frame), payload.left(below(int(payload.size()))));
            }
            break;
        default: // payload grown but well-formed
            if (frame.size() >= DeviceFrame::kOverhead)
                frame = reply(DeviceFrame::code(frame), DeviceFrame::payload(frame) + randomBytes(below(600)));
            break;
        }
    }

    const DataBuffer &m_store;
    std::mt19937 m_rng;
};

QString brokenInvariant(const DataBuffer &store)
{
    const int n = store.getWlLength();
    if (store.getWl().size() != n)
        return QStringLiteral("axis length %1 for %2 points").arg(store.getWl().size()).arg(n);
    if (store.sourceSpectrum().size() != n || store.scaledSpectrum().size() != n)
        return QStringLiteral("source or scaled length differs from the axis");
    const qsizetype ref = store.referenceSpectrum().size();
    if (ref != 0 && ref != n)
        return QStringLiteral("reference length %1 for %2 points").arg(ref).arg(n);
    if (store.getFKey().size() != DataBuffer::kFlickerSamples || store.getFValue().size() != DataBuffer::kFlickerSamples)
        return QStringLiteral("flicker lists resized");
    if (store.efficiencyTable()->size[0] > DataBuffer::kEfficiencyRows)
        return QStringLiteral("efficiency table overfilled");
    if (store.specDataSize() > DataBuffer::kRawPayloadCapacity || store.flickerDataSize() > DataBuffer::kRawPayloadCapacity
        || store.photoResultSize() > 4 * DataBuffer::kPhotometricWordCapacity)
        return QStringLiteral("stored payload length beyond its store");
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(store.sourceSpectrum().at(i))
            || store.getWl().at(i) != store.getWlRange()[0] + i)
            return QStringLiteral("source value or axis point %1 corrupt").arg(i);
    }
    if (store.getMaxSpec(DataBuffer::SourceSpectrum) < 0.0)
        return QStringLiteral("negative maximum");
    return QString();
}

} // namespace

class TestFrameAssembler : public QObject
{
    Q_OBJECT


private slots:
    // Pieces as read (an empty piece: the assembler is cleared), the frames that come out,
    // and how many were rejected (-1: not counted).
    void onlyGoodFramesComeOut_data()
    {
        QTest::addColumn<QList<QByteArray>>("pieces");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<int>("rejected");
        const QByteArray a = reply(11, QByteArray(1, '\1'));
        const QByteArray b = reply(57, QByteArray(1, '\2'));
        const QByteArray range = reply(15, rangeReply(340, 1020));
        const QByteArray big = reply(51, QByteArray(DeviceFrame::kMaxFrameLength - DeviceFrame::kOverhead, 'a'));
        QByteArray badSum = reply(55, QByteArray(1, '\2'));
        badSum[badSum.size() - 3] = char(badSum.at(badSum.size() - 3) ^ 0x01);
        const auto row = [](const char *name, const QList<QByteArray> &pieces, const QList<QByteArray> &frames, int rejected = -1) {
            QTest::newRow(name) << pieces << frames << rejected;
        };
        row("largest frame in two pieces", {big.left(4000), big.mid(4000)}, {big});
        row("garbage ending in the sync byte keeps it", {QByteArray::fromHex("0102030405060708090acc"), a.mid(1)}, {a});
        row("bad checksum", {badSum + b}, {b}, 1);
        // The sum does not cover the terminator: a wrong CR alone must refuse the frame.
        QByteArray badCr = a;
        badCr[badCr.size() - 2] = 'x';
        row("wrong CR, right sum", {badCr + b}, {b});
        // A header whose length runs over the real frame that follows it.
        row("bad terminator resumes inside", {headerClaiming(6 + b.size() + 2) + b + "xx"}, {b});
        // 0xFFFFFF would otherwise wait for 16 MiB that never come.
        row("impossible length", {QByteArray::fromHex("cc81ffffff0d") + a}, {a});
        row("clear forgets a partial frame", {range.left(7), QByteArray(), range.mid(7), range}, {range});
    }

    void onlyGoodFramesComeOut()
    {
        QFETCH(QList<QByteArray>, pieces);
        QFETCH(QList<QByteArray>, frames);
        QFETCH(int, rejected);
        FrameAssembler assembler;
        QList<QByteArray> out;
        for (const QByteArray &piece : pieces) {
            if (piece.isEmpty())
                assembler.clear();
            assembler.append(piece);
            out += drain(assembler);
        }
        QCOMPARE(out, frames);
        if (rejected >= 0)
            QCOMPARE(assembler.rejectedFrames(), quint64(rejected));
    }

    void initTestCase()
    {
        prepareStoreTests();
        MeasurementSettings::setUnit(2);
        MeasurementSettings::setRangeEnable(true);
    }

    void randomAndMutatedFramesKeepTheStoreSound()
    {
        MeasurementFlags flags;
        DataBuffer store;
        store.setMeasurementState(&flags);
        FrameReceiver receiver(&store);
        FrameSource source(store, 0x5EED2026u);

        int spectra = 0;
        connect(&store, &DataBuffer::specDataChanged, this, [&] { ++spectra; });
        QByteArray pending;
        for (int i = 1; i <= kFrames; ++i) {
            pending += source.next();
            // Delivery in pieces of any size, as a port or a notification would.
            while (!pending.isEmpty() && (source.chance(50) || i == kFrames)) {
                const int piece = 1 + source.below(int(pending.size()) + 20);
                receiver.receive(pending.left(piece));
                pending.remove(0, piece);
            }
            if (i % 500 == 0) {
                flags.measuring = source.chance(85);
                flags.reference = source.chance(15);
                QCoreApplication::processEvents(); // let the throttle tick
                const QString broken = brokenInvariant(store);
                QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("after frame %1: %2").arg(i).arg(broken)));
            }
        }
        receiver.receive(reply(CMD_GET_EXPO_TIME, le32(77)));
        QCOMPARE(store.expoTime(), 77u); // still in step with the stream
        const QString broken = brokenInvariant(store);
        QVERIFY2(broken.isEmpty(), qPrintable(broken));
        QVERIFY2(spectra > 1000, qPrintable(QString::number(spectra)));
    }
};

QTEST_GUILESS_MAIN(TestFrameAssembler)
#include "tst_frame_assembler.moc"
