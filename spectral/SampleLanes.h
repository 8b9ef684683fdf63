#pragma once
// Eight floats handled as one value, so that sums over many colour samples run side by side.
// Every lane does exactly the scalar arithmetic of one sample (no fused multiply-add), so a
// lane's result is the one a plain loop over that sample gives, whatever the instruction set.

#include <cstring>

namespace spectral {

constexpr int kLaneCount = 8;

#if defined(__GNUC__)
typedef float SampleLanes __attribute__((vector_size(kLaneCount * sizeof(float))));
#define SPECTRAL_LANES_INLINE inline __attribute__((always_inline))
#else
#define SPECTRAL_LANES_INLINE inline
struct SampleLanes {
    float v[kLaneCount];
    float operator[](int i) const { return v[i]; }
};
inline SampleLanes operator*(const SampleLanes &a, float s)
{
    SampleLanes r;
    for (int i = 0; i < kLaneCount; ++i)
        r.v[i] = a.v[i] * s;
    return r;
}
inline SampleLanes operator*(const SampleLanes &a, const SampleLanes &b)
{
    SampleLanes r;
    for (int i = 0; i < kLaneCount; ++i)
        r.v[i] = a.v[i] * b.v[i];
    return r;
}
inline SampleLanes &operator+=(SampleLanes &a, const SampleLanes &b)
{
    for (int i = 0; i < kLaneCount; ++i)
        a.v[i] += b.v[i];
    return a;
}
#endif

// On x86-64 a kernel gets a second version for AVX2 (no FMA, so the same results), picked
// at load time. Not under ThreadSanitizer, whose run time is not ready when the choice is made.
#if defined(__GNUC__) && defined(__x86_64__) && defined(__ELF__) && !defined(__SANITIZE_THREAD__)
#define SPECTRAL_LANES_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define SPECTRAL_LANES_KERNEL
#endif

#if defined(__GNUC__)
// Lanes only pass through the always-inlined helpers below, never through a call, so how
// a call would return them does not matter in the files that use them.
#pragma GCC diagnostic ignored "-Wpsabi"
#endif

SPECTRAL_LANES_INLINE SampleLanes zeroLanes()
{
    SampleLanes r;
    std::memset(&r, 0, sizeof r);
    return r;
}

SPECTRAL_LANES_INLINE SampleLanes loadLanes(const float *values)
{
    SampleLanes r;
    std::memcpy(&r, values, sizeof r);
    return r;
}

SPECTRAL_LANES_INLINE void storeLanes(float *values, const SampleLanes &lanes) { std::memcpy(values, &lanes, sizeof lanes); }

} // namespace spectral
