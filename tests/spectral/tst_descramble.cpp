#include "Descramble.h"
#include "DynamicArray.h"

#include <QtTest>
#include <vector>

namespace {

struct Samples {
    UInt16Array *raw;
    UInt16Array *out;
    explicit Samples(const std::vector<uint16_t> &values)
        : raw(createUInt16Array(int32_t(values.size()), 1)), out(createUInt16Array(0, 1))
    {
        for (size_t i = 0; i < values.size(); ++i)
            raw->data[i] = values[i];
    }
    ~Samples()
    {
        destroyArray(raw);
        destroyArray(out);
    }
    std::vector<uint16_t> result() const
    {
        return std::vector<uint16_t>(out->data, out->data + out->size[0]);
    }
};

const uint64_t kAllOnes = 0xFFFFFFFFFFFFFFFFull;

} // namespace

class TestDescramble : public QObject
{
    Q_OBJECT
private slots:
    void allOnesHeaderPassesSamplesAndCodeThrough()
    {
        Samples s({7, 0xFFFF, 0, 1234, 42});
        uint16_t code = 0;
        descrambleSamples(s.raw, 0x0200, 123.25f, 0xDEADBEEF, kAllOnes, s.out, &code);
        QCOMPARE(code, uint16_t(0x0200));
        QCOMPARE(s.out->size[0], 5);
        QVERIFY(s.result() == std::vector<uint16_t>({7, 0xFFFF, 0, 1234, 42}));
    }

    void masksFollowTheHeaderAndExposureBits()
    {
        // Zero samples expose the masks themselves: first half A, second half B, and an odd
        // count gives the longer part to B. Masks worked by hand from the field arithmetic.
        Samples plain({0, 0, 0, 0, 0});
        uint16_t code = 0;
        descrambleSamples(plain.raw, 0, 1.0f, 0x12345678u, 0xABCD1111ull, plain.out, &code);
        QVERIFY(plain.result() == std::vector<uint16_t>({0x412F, 0x412F, 0x5678, 0x5678, 0x5678}));
        // h64 >> 16 exceeds 32 bits and saturates to all ones.
        Samples saturated({0, 0, 0, 0});
        descrambleSamples(saturated.raw, 0, 250.5f, 0xCAFEBABEu, 0xFFFF000000001111ull, saturated.out, &code);
        QVERIFY(saturated.result() == std::vector<uint16_t>({0xA797, 0xA797, 0xC5C1, 0xC5C1}));
    }

    void applyingTheMasksTwiceRestoresTheSamples()
    {
        std::vector<uint16_t> original;
        for (int i = 0; i < 681; ++i)
            original.push_back(uint16_t(i * 97 + 13));
        Samples first(original);
        uint16_t code = 0;
        descrambleSamples(first.raw, 0x0300, 812.5f, 0x0BADF00D, 0x0123456789ABCDEFull, first.out,
                          &code);
        QVERIFY(first.result() != original);
        Samples second(first.result());
        descrambleSamples(second.raw, 0x0300, 812.5f, 0x0BADF00D, 0x0123456789ABCDEFull, second.out,
                          &code);
        QVERIFY(second.result() == original);
    }

    void scaleCodeIsByteSwappedThenUnmasked()
    {
        Samples s({1});
        uint16_t code = 0;
        // The device sends code 2 as the masked, byte-swapped word.
        const uint16_t sent = uint16_t(((2 ^ kScaleCodeMask) >> 8) | ((2 ^ kScaleCodeMask) << 8));
        descrambleSamples(s.raw, sent, 5.0f, 1, 2, s.out, &code);
        QCOMPARE(code, uint16_t(2));
        // A negative code survives as its two's complement.
        const uint16_t minusOne = 0xFFFF ^ kScaleCodeMask;
        descrambleSamples(s.raw, uint16_t((minusOne >> 8) | (minusOne << 8)), 5.0f, 1, 2, s.out, &code);
        QCOMPARE(int16_t(code), int16_t(-1));
    }

    void outputFitsTheInputWhateverItsSize()
    {
        Samples empty({});
        empty.out = (destroyArray(empty.out), createUInt16Array(3, 1));
        uint16_t code = 0;
        descrambleSamples(empty.raw, 0x0100, 1.0f, 0, 0, empty.out, &code);
        QCOMPARE(empty.out->size[0], 0);
        QCOMPARE(code, uint16_t(0x0001 ^ kScaleCodeMask));

        const std::vector<uint16_t> many(3000, 0x1111);
        Samples s(many);
        descrambleSamples(s.raw, 0, 2.0f, 3, kAllOnes, s.out, &code);
        QVERIFY(s.out->allocatedSize >= 3000);
        QVERIFY(s.result() == many);
    }
};

QTEST_APPLESS_MAIN(TestDescramble)
#include "tst_descramble.moc"
