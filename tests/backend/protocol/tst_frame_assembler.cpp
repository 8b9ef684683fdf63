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
        QVERIFY(drain(assembler).isEmpty());
    }

    void twoFramesInOneReadComeOutInOrder()
    {
        const QByteArray a = reply(11, QByteArray(1, '\1'));
        const QByteArray b = reply(57, QByteArray(1, '\2'));
        FrameAssembler assembler;
        assembler.append(a + b);
        QCOMPARE(drain(assembler), (QList<QByteArray>{a, b}));
    }

    void garbageBeforeAHeaderIsDropped()
    {
        const QByteArray frame = reply(13, le32(5000));
        FrameAssembler assembler;
        assembler.append(QByteArray::fromHex("00ff81cc01cc") + frame);
        QCOMPARE(drain(assembler), QList<QByteArray>{frame});
        QCOMPARE(assembler.bufferedBytes(), 0);
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

    void badChecksumDropsTheWholeFrameOnly()
    {
        QByteArray broken = reply(55, QByteArray(1, '\2'));
        broken[broken.size() - 3] = char(broken.at(broken.size() - 3) ^ 0x01);
        const QByteArray good = reply(55, QByteArray(1, '\3'));
        FrameAssembler assembler;
        assembler.append(broken + good);
        QCOMPARE(drain(assembler), QList<QByteArray>{good});
        QCOMPARE(assembler.rejectedFrames(), quint64(1));
    }

    void badTerminatorResumesInsideTheRejectedBytes()
    {
        // A header whose length runs over the real frame that follows it.
        const QByteArray inner = reply(57, QByteArray(1, '\3'));
        QByteArray bogus = QByteArray::fromHex("cc81") + le16(uint16_t(6 + inner.size() + 2)) + QByteArray(1, 0)
            + QByteArray(1, char(99));
        bogus += inner + QByteArray("xx");
        FrameAssembler assembler;
        assembler.append(bogus);
        QCOMPARE(drain(assembler), QList<QByteArray>{inner});
    }

    void lengthBelowTheOverheadIsABadFrame()
    {
        const QByteArray good = reply(11, QByteArray(1, '\1'));
        FrameAssembler assembler;
        assembler.append(QByteArray::fromHex("cc8105000000000000") + good);
        QCOMPARE(drain(assembler), QList<QByteArray>{good});
    }

    void impossibleLengthDoesNotStallReception()
    {
        // 24-bit length 0xFFFFFF would otherwise wait for 16 MiB that never come.
        const QByteArray good = reply(13, le32(1234));
        FrameAssembler assembler;
        assembler.append(QByteArray::fromHex("cc81ffffff0d") + good);
        QCOMPARE(drain(assembler), QList<QByteArray>{good});

        const QByteArray justTooLong = QByteArray::fromHex("cc81") + le16(DeviceFrame::kMaxFrameLength + 1)
            + QByteArray(1, 0) + QByteArray(1, 1);
        assembler.append(justTooLong + good);
        QCOMPARE(drain(assembler), QList<QByteArray>{good});
    }

    void largestFrameStillPasses()
    {
        const QByteArray big = reply(51, QByteArray(DeviceFrame::kMaxFrameLength - DeviceFrame::kOverhead, 'a'));
        QCOMPARE(big.size(), DeviceFrame::kMaxFrameLength);
        FrameAssembler assembler;
        assembler.append(big.left(4000));
        QVERIFY(drain(assembler).isEmpty());
        assembler.append(big.mid(4000));
        QCOMPARE(drain(assembler), QList<QByteArray>{big});
    }

    void hostFramesAreNotReplies()
    {
        const QByteArray request = DeviceFrame::build(8, QByteArray(1, ' '), DeviceFrame::kHostToDevice);
        const QByteArray answer = reply(8, modelReply("PQV-21"));
        FrameAssembler assembler;
        assembler.append(request + answer);
        QCOMPARE(drain(assembler), QList<QByteArray>{answer});
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
