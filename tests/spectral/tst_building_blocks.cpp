// The library's small pieces: array records and their ownership, unmasking the "Y" samples,
// the 5-nm grid's box sums, and the peak, half width and range sums of a spectrum. Run under
// the sanitizers, a read past a record or a double free fails here.
#include "Colorimetry.h"
#include "Descramble.h"
#include "DeviceAxisSpectra.h"
#include "DynamicArray.h"
#include "LibraryCore.h"
#include "SpectrumPeak.h"

#include <QtTest>
#include <cmath>
#include <vector>

using namespace test_spectra;

namespace {

const float kNaN = spectral::nanValue();

// Descrambled samples of `raw`, and the scale code that came out.
std::vector<uint16_t> descramble(const std::vector<uint16_t> &raw, uint16_t code, float exposureMs, uint32_t h32,
                                 uint64_t h64, uint16_t *codeOut = nullptr)
{
    UInt16Array *in = createUInt16Array(int32_t(raw.size()), 1);
    UInt16Array *out = createUInt16Array(3, 1);
    std::copy(raw.begin(), raw.end(), in->data);
    uint16_t c = 0;
    descrambleSamples(in, code, exposureMs, h32, h64, out, codeOut ? codeOut : &c);
    std::vector<uint16_t> result(out->data, out->data + out->size[0]);
    destroyArray(in);
    destroyArray(out);
    return result;
}

} // namespace

class BuildingBlocksTest : public QObject
{
    Q_OBJECT
private slots:
    void arraysGrowByTheCapacityRuleAndFreeOnlyWhatTheyOwn()
    {
        QVERIFY(grownCapacity(10, 40) == 64 && grownCapacity(0, 1) == 16 && grownCapacity(0x30000000, 0x70000000LL) == 0x7FFFFFFF);
        FloatArray *a = createFloatArray(5, 2);
        for (int i = 0; i < 10; ++i)
            a->data[i] = float(i + 1);
        resizeArray(a, 20, 2, 10);
        QVERIFY(a->allocatedSize == 64 && a->size[0] == 20 && a->data[9] == 10.0f && a->data[39] == 0.0f);
        destroyArray(a);
        // A borrowed block is never freed; growing it takes ownership of the new one.
        float external[4] = {1, 2, 3, 4};
        FloatArray *b = createFloatArray(2, 2);
        std::free(b->data);
        b->data = external;
        b->canFreeData = false;
        resizeArray(b, 10, 2, 4);
        QVERIFY(b->data != external && b->canFreeData && b->data[3] == 4.0f);
        destroyArray(b);
        destroyArray(static_cast<FloatArray *>(nullptr));
        QVERIFY(spectral::blockSum(nullptr, 0) == 0.0f && spectral::blockSum(std::vector<float>(3000, 1.0f).data(), 3000) == 3000.0f);
    }

    void samplesUnmaskByHeaderAndExposure()
    {
        // Zero samples show the masks themselves: first half A, the longer second half B.
        QVERIFY(descramble({0, 0, 0, 0, 0}, 0, 1.0f, 0x12345678u, 0xABCD1111ull)
                == std::vector<uint16_t>({0x412F, 0x412F, 0x5678, 0x5678, 0x5678}));
        // h64 >> 16 beyond 32 bits saturates to all ones.
        QVERIFY(descramble({0, 0, 0, 0}, 0, 250.5f, 0xCAFEBABEu, 0xFFFF000000001111ull)
                == std::vector<uint16_t>({0xA797, 0xA797, 0xC5C1, 0xC5C1}));
        // An all-ones header passes samples and code through.
        uint16_t code = 0;
        QVERIFY(descramble({7, 0xFFFF, 42}, 0x0200, 123.25f, 0xDEADBEEF, ~0ull, &code) == std::vector<uint16_t>({7, 0xFFFF, 42}));
        QCOMPARE(code, uint16_t(0x0200));
        // The scale code is byte-swapped, then unmasked; negative codes survive.
        for (int16_t sent : {int16_t(2), int16_t(-1)}) {
            const uint16_t masked = uint16_t(sent) ^ kScaleCodeMask;
            descramble({1}, uint16_t((masked >> 8) | (masked << 8)), 5.0f, 1, 2, &code);
            QCOMPARE(int16_t(code), sent);
        }
        QVERIFY(descramble({}, 0x0100, 1.0f, 0, 0).empty() && descramble(std::vector<uint16_t>(3000, 1), 0, 2.0f, 3, ~0ull).size() == 3000);
    }

    // A grid point is the plain sum of the five 1-nm samples around it (no mean, no step
    // factor); a spectrum that stops at 380 or 780 nm is mirrored with its end sample repeated.
    void gridPointsAreFiveNanometreBoxSums()
    {
        const auto S = [](int w) { return (w % 7) + 0.25 * (w % 3); }; // sums exact in float
        const auto mirrored = [&S](int w) { return S(w < 380 ? 759 - w : w > 780 ? 1561 - w : w); };
        float g[spectral::kGridFloats];
        for (int first : {340, 380}) {
            spectral::resampleSpectrum5nm(makeSpectrum(first, first == 340 ? 1020 : 780, S).get(), g);
            for (int k = 0; k < spectral::kGridPoints; ++k) {
                const int w = 380 + 5 * k;
                double box = 0;
                for (int t = w - 2; t <= w + 2; ++t)
                    box += first == 340 ? S(t) : mirrored(t);
                QVERIFY2(g[k] == w && g[spectral::kGridPoints + k] == box,
                         qPrintable(QStringLiteral("%1 nm from %2 nm").arg(w).arg(first)));
            }
        }
    }

    void peakHalfWidthAndSum()
    {
        float sum = -1, peak = -1, width = -1;
        findSpectrumPeak(makeSpectrum(500, {0, 1, 3, 1, 0}).get(), &sum, &peak, &width);
        QVERIFY(sum == 5.0f && peak == 502.0f && width == 1.5f);
        // Samples, peak row, half width (-1: not checked): first of equal maxima, NaN skipped,
        // edges at the spectrum's ends when the curve never falls to half.
        const QList<QPair<std::vector<float>, QPair<float, float>>> cases{
            {{1, 4, 2, 4, 1}, {401, -1}},    {{kNaN, 2, 5, kNaN, 1}, {402, -1}}, {{kNaN, kNaN, kNaN}, {400, 2}},
            {{2, 2}, {400, -1}},                {{4, 3, 1, 0}, {400, 1.5f}},        {{0, 1, 3, 4}, {403, 1.5f}},
            {{3, 4, 3}, {401, 2}}};
        for (const auto &c : cases) {
            findPeakAndHalfWidth(makeSpectrum(400, c.first).get(), &peak, &width);
            QCOMPARE(peak, c.second.first);
            if (c.second.second >= 0)
                QCOMPARE(width, c.second.second);
        }
        // A missing or lying record reads nothing.
        auto lying = makeSpectrum(500, {1, 2});
        lying->size[0] = 500;
        auto empty = makeSpectrum(500, std::vector<float>{});
        for (const FloatArray *s : std::initializer_list<const FloatArray *>{nullptr, empty.get(), lying.get()}) {
            findSpectrumPeak(s, &sum, &peak, &width);
            QVERIFY(sum == 0.0f && std::isnan(peak) && std::isnan(width));
        }
        // Range sums round their bounds and stay inside; an empty or reversed range is zero.
        auto s = makeSpectrum(498, {1, 2, 4, 8, 16});
        const float ranges[][3] = {{500.4f, 499.6f, 4}, {498, 502, 31}, {501, 499, 0}, {300, 900, 31}, {700, 70000, 0}};
        for (const auto &r : ranges)
            QCOMPARE(sumSpectrumRange(s.get(), r), r[2]);
    }
};

QTEST_APPLESS_MAIN(BuildingBlocksTest)
#include "tst_building_blocks.moc"
