#include "EvaluationSamples.h"

#include "SampleLanes.h"
#include "tables/CieTables.h"

namespace spectral {

namespace {

static_assert(cie::kCes99Rows == kRenditionSamples && cie::kCes99First == kRenditionFirstNm
                  && cie::kCes99Count == kRenditionPoints,
              "evaluation samples cover the rendition window");

// One more lane than there are samples, with reflectance 1: its sums are the white's.
constexpr int kWhiteLane = kRenditionSamples;
constexpr int kBlockLanes = 8;
constexpr int kBlocks = (kRenditionSamples + 1 + kBlockLanes - 1) / kBlockLanes;
constexpr int kLanes = kBlocks * kBlockLanes;
constexpr int kCmfOffset = kRenditionFirstNm - cie::kCmf1964XFirst;

// Reflectances regrouped so that the samples of one block lie side by side at each
// wavelength, blocks one after the other; unused lanes hold 0.
struct LaneTable {
    alignas(32) float reflectance[kBlocks][kRenditionPoints][kBlockLanes];

    LaneTable() : reflectance{}
    {
        for (int s = 0; s <= kWhiteLane; ++s)
            for (int i = 0; i < kRenditionPoints; ++i)
                reflectance[s / kBlockLanes][i][s % kBlockLanes] = s == kWhiteLane ? 1.0f : cie::kCes99[s][i];
    }
};

const LaneTable &laneTable()
{
    static const LaneTable table;
    return table;
}

// sums[0..2]: x, y, z under test; sums[3..5]: under reference; kLanes values each.
template <int N>
struct SumBlocks {
    static_assert(kBlockLanes % N == 0, "a block holds whole vectors");
    using Lanes = typename LaneVector<N>::type;

    SPECTRAL_LANES_INLINE static void run(const LaneTable *table, const float *test, const float *reference,
                                          float (*sums)[kLanes])
    {
        const float *xbar = cie::kCmf1964X + kCmfOffset;
        const float *ybar = cie::kCmf1964Y + kCmfOffset;
        const float *zbar = cie::kCmf1964Z + kCmfOffset;
        for (int first = 0; first < kLanes; first += N) {
            const float *column = &table->reflectance[first / kBlockLanes][0][first % kBlockLanes];
            Lanes tx = zeroLanes<N>(), ty = zeroLanes<N>(), tz = zeroLanes<N>();
            Lanes rx = zeroLanes<N>(), ry = zeroLanes<N>(), rz = zeroLanes<N>();
            for (int i = 0; i < kRenditionPoints; ++i) {
                const Lanes r = loadLanes<N>(column + i * kBlockLanes);
                const Lanes litTest = r * test[i];
                const Lanes litReference = r * reference[i];
                tx += litTest * xbar[i];
                ty += litTest * ybar[i];
                tz += litTest * zbar[i];
                rx += litReference * xbar[i];
                ry += litReference * ybar[i];
                rz += litReference * zbar[i];
            }
            storeLanes<N>(sums[0] + first, tx);
            storeLanes<N>(sums[1] + first, ty);
            storeLanes<N>(sums[2] + first, tz);
            storeLanes<N>(sums[3] + first, rx);
            storeLanes<N>(sums[4] + first, ry);
            storeLanes<N>(sums[5] + first, rz);
        }
    }
};

void unpack(const float (*sums)[kLanes], RenderedSamples *out)
{
    for (int s = 0; s < kRenditionSamples; ++s) {
        out->x[s] = sums[0][s];
        out->y[s] = sums[1][s];
        out->z[s] = sums[2][s];
    }
    out->whiteX = sums[0][kWhiteLane];
    out->whiteY = sums[1][kWhiteLane];
    out->whiteZ = sums[2][kWhiteLane];
}

} // namespace

void renderEvaluationSamples(const float *test, const float *reference, RenderedSamples *underTest,
                             RenderedSamples *underReference)
{
    float sums[6][kLanes];
    runLanes<SumBlocks>(&laneTable(), test, reference, sums);
    unpack(sums, underTest);
    unpack(sums + 3, underReference);
}

} // namespace spectral
