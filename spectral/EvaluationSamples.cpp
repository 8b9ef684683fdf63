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
constexpr int kBlocks = (kRenditionSamples + 1 + kLaneCount - 1) / kLaneCount;
constexpr int kLanes = kBlocks * kLaneCount;
constexpr int kCmfOffset = kRenditionFirstNm - cie::kCmf1964XFirst;

// Reflectances regrouped so that the samples of one block lie side by side at each
// wavelength, blocks one after the other; unused lanes hold 0.
struct LaneTable {
    alignas(32) float reflectance[kBlocks][kRenditionPoints][kLaneCount];

    LaneTable() : reflectance{}
    {
        for (int s = 0; s <= kWhiteLane; ++s)
            for (int i = 0; i < kRenditionPoints; ++i)
                reflectance[s / kLaneCount][i][s % kLaneCount] = s == kWhiteLane ? 1.0f : cie::kCes99[s][i];
    }
};

const LaneTable &laneTable()
{
    static const LaneTable table;
    return table;
}

// sums[0..2]: x, y, z under test; sums[3..5]: under reference; kLanes values each.
SPECTRAL_LANES_KERNEL
void sumBlocks(const LaneTable &table, const float *test, const float *reference, float (*sums)[kLanes])
{
    const float *xbar = cie::kCmf1964X + kCmfOffset;
    const float *ybar = cie::kCmf1964Y + kCmfOffset;
    const float *zbar = cie::kCmf1964Z + kCmfOffset;
    for (int block = 0; block < kBlocks; ++block) {
        SampleLanes tx = zeroLanes(), ty = zeroLanes(), tz = zeroLanes();
        SampleLanes rx = zeroLanes(), ry = zeroLanes(), rz = zeroLanes();
        for (int i = 0; i < kRenditionPoints; ++i) {
            const SampleLanes r = loadLanes(table.reflectance[block][i]);
            const SampleLanes litTest = r * test[i];
            const SampleLanes litReference = r * reference[i];
            tx += litTest * xbar[i];
            ty += litTest * ybar[i];
            tz += litTest * zbar[i];
            rx += litReference * xbar[i];
            ry += litReference * ybar[i];
            rz += litReference * zbar[i];
        }
        const int lane = block * kLaneCount;
        storeLanes(sums[0] + lane, tx);
        storeLanes(sums[1] + lane, ty);
        storeLanes(sums[2] + lane, tz);
        storeLanes(sums[3] + lane, rx);
        storeLanes(sums[4] + lane, ry);
        storeLanes(sums[5] + lane, rz);
    }
}

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
    sumBlocks(laneTable(), test, reference, sums);
    unpack(sums, underTest);
    unpack(sums + 3, underReference);
}

} // namespace spectral
