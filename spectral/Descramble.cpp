#include "Descramble.h"
#include "LibraryCore.h"

#include <cstring>

namespace {

constexpr uint64_t kUnscrambled = 0xFFFFFFFFFFFFFFFFull;

uint32_t byteSwap32(uint32_t v)
{
    return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}

uint16_t byteSwap16(uint16_t v) { return uint16_t((v >> 8) | (v << 8)); }

// Samples the record really holds, whatever its first extent claims.
int32_t sampleCount(const UInt16Array *raw)
{
    if (!raw || !raw->data || !raw->size || raw->numDimensions < 1 || raw->size[0] <= 0)
        return 0;
    return raw->size[0] < raw->allocatedSize ? raw->size[0] : raw->allocatedSize;
}

} // namespace

void descrambleSamples(const UInt16Array *raw, uint16_t code, float exposure, uint32_t h32,
                       uint64_t h64, UInt16Array *out, uint16_t *codeOut)
{
    spectral::initSpectralLibrary();
    if (!out || !codeOut)
        return;
    const int32_t n = sampleCount(raw);
    resizeArray(out, n, 1, 0);

    if (h64 == kUnscrambled) {
        if (n > 0)
            std::memcpy(out->data, raw->data, size_t(n) * sizeof(uint16_t));
        *codeOut = code;
        return;
    }

    uint32_t e;
    std::memcpy(&e, &exposure, sizeof e);
    const uint64_t shifted = h64 >> 16;
    const uint32_t s = shifted > 0xFFFFFFFFull ? 0xFFFFFFFFu : uint32_t(shifted);
    const uint32_t t = uint32_t(h64 & 0xFFFFu) ^ (h32 & 0xFFFFu) ^ s ^ byteSwap32(e);
    const uint32_t eh = e ^ h32;
    const uint16_t maskA = uint16_t(((eh >> 16) ^ t) & 0xFFFFu);
    const uint16_t maskB = uint16_t(((t >> 16) ^ eh) & 0xFFFFu);

    const int32_t half = n / 2;
    for (int32_t i = 0; i < half; ++i)
        out->data[i] = uint16_t(raw->data[i] ^ maskA);
    for (int32_t i = half; i < n; ++i)
        out->data[i] = uint16_t(raw->data[i] ^ maskB);
    *codeOut = uint16_t(byteSwap16(code) ^ kScaleCodeMask);
}
