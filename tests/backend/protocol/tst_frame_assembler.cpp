// Cutting checked frames out of a byte stream: fragments, garbage, bad terminators,
// bad checksums and impossible lengths.
#include "StoreFixtures.h"
#include "protocol/DeviceFrame.h"
#include "protocol/FrameAssembler.h"

#include <QtTest>

using namespace testsupport;

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

} // namespace

class TestFrameAssembler : public QObject
{
    Q_OBJECT
private slots:
    void frameSplitOverManyReadsComesOutOnceWhenComplete()
    {
        const QByteArray frame = reply(15, rangeReply(340, 1020));
        FrameAssembler assembler;
        for (int i = 0; i < frame.size() - 1; ++i) {
            assembler.append(frame.mid(i, 1));
            QVERIFY2(drain(assembler).isEmpty(), qPrintable(QString::number(i)));
        }
        assembler.append(frame.right(1));
        QCOMPARE(drain(assembler), QList<QByteArray>{frame});
        QCOMPARE(assembler.bufferedBytes(), 0);

        // The largest frame, in two pieces.
        const QByteArray big = reply(51, QByteArray(DeviceFrame::kMaxFrameLength - DeviceFrame::kOverhead, 'a'));
        QCOMPARE(big.size(), DeviceFrame::kMaxFrameLength);
        assembler.append(big.left(4000));
        QVERIFY(drain(assembler).isEmpty());
        assembler.append(big.mid(4000));
        QCOMPARE(drain(assembler), QList<QByteArray>{big});
    }

    void onlyGoodFramesComeOut_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<QList<QByteArray>>("frames");
        const QByteArray a = reply(11, QByteArray(1, '\1'));
        const QByteArray b = reply(57, QByteArray(1, '\2'));
        QByteArray badSum = reply(55, QByteArray(1, '\2'));
        badSum[badSum.size() - 3] = char(badSum.at(badSum.size() - 3) ^ 0x01);
        QTest::newRow("two in one read") << a + b << QList<QByteArray>{a, b};
        QTest::newRow("garbage before a header") << QByteArray::fromHex("00ff81cc01cc") + a << QList<QByteArray>{a};
        QTest::newRow("bad checksum") << badSum + b << QList<QByteArray>{b};
        // A header whose length runs over the real frame that follows it.
        QTest::newRow("bad terminator resumes inside") << headerClaiming(6 + b.size() + 2) + b + "xx"
                                                       << QList<QByteArray>{b};
        QTest::newRow("length below the overhead") << QByteArray::fromHex("cc8105000000000000") + a
                                                   << QList<QByteArray>{a};
        // 0xFFFFFF would otherwise wait for 16 MiB that never come.
        QTest::newRow("impossible length") << QByteArray::fromHex("cc81ffffff0d") + a << QList<QByteArray>{a};
        QTest::newRow("just too long") << headerClaiming(DeviceFrame::kMaxFrameLength + 1) + a << QList<QByteArray>{a};
        QTest::newRow("host frames are not replies")
            << DeviceFrame::build(8, QByteArray(1, ' '), DeviceFrame::kHostToDevice) + b << QList<QByteArray>{b};
    }

    void onlyGoodFramesComeOut()
    {
        QFETCH(QByteArray, stream);
        QFETCH(QList<QByteArray>, frames);
        FrameAssembler assembler;
        assembler.append(stream);
        QCOMPARE(drain(assembler), frames);
    }

    void badChecksumIsCounted()
    {
        QByteArray broken = reply(55, QByteArray(1, '\2'));
        broken[broken.size() - 3] = char(broken.at(broken.size() - 3) ^ 0x01);
        FrameAssembler assembler;
        assembler.append(broken);
        QVERIFY(drain(assembler).isEmpty());
        QCOMPARE(assembler.rejectedFrames(), quint64(1));
    }

    void garbageEndingInSyncKeepsThatByte()
    {
        FrameAssembler assembler;
        assembler.append(QByteArray::fromHex("0102030405060708090acc"));
        QVERIFY(drain(assembler).isEmpty());
        QCOMPARE(assembler.bufferedBytes(), 1);
        const QByteArray frame = reply(59, QByteArray(1, '\1'));
        assembler.append(frame.mid(1)); // 0x81 onwards completes the kept 0xCC
        QCOMPARE(drain(assembler), QList<QByteArray>{frame});

        assembler.append(QByteArray(20, '\x55'));
        QVERIFY(drain(assembler).isEmpty());
        QCOMPARE(assembler.bufferedBytes(), 0);
    }

    void clearForgetsAPartialFrame()
    {
        const QByteArray frame = reply(15, rangeReply(380, 780));
        FrameAssembler assembler;
        assembler.append(frame.left(7));
        assembler.clear();
        assembler.append(frame.mid(7));
        QVERIFY(drain(assembler).isEmpty());
        assembler.append(frame);
        QCOMPARE(drain(assembler), QList<QByteArray>{frame});
    }
};

QTEST_GUILESS_MAIN(TestFrameAssembler)
#include "tst_frame_assembler.moc"
