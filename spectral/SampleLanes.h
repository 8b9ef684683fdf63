#pragma once
// Several floats handled as one value, so that sums over many colour samples run side by
// side, one sample per lane. Every lane does exactly the scalar arithmetic of one sample (no
// fused multiply-add), so a lane's result is the one a plain loop over that sample gives,
// whatever the width: 4 lanes at the baseline instruction set, 8 where AVX2 is available.

#include <cstring>

namespace spectral {

#if defined(__GNUC__) && !defined(SPECTRAL_PORTABLE_LANES)
template <int N>
struct LaneVector {
    typedef float type __attribute__((vector_size(N * sizeof(float))));
};
#define SPECTRAL_LANES_INLINE inline __attribute__((always_inline))
// Lanes only pass through the always-inlined helpers below, never through a call, so how
// a call would return them does not matter in the files that use them.
#pragma GCC diagnostic ignored "-Wpsabi"
#else
// Other compilers: plain arrays, lane by lane.
template <int N>
struct PortableLanes {
    float v[N];
};
template <int N>
struct LaneVector {
    using type = PortableLanes<N>;
};
#define SPECTRAL_LANES_INLINE inline
template <int N>
PortableLanes<N> operator*(const PortableLanes<N> &a, float s)
{
    PortableLanes<N> r;
    for (int i = 0; i < N; ++i)
        r.v[i] = a.v[i] * s;
    return r;
}
template <int N>
PortableLanes<N> &operator+=(PortableLanes<N> &a, const PortableLanes<N> &b)
{
    for (int i = 0; i < N; ++i)
        a.v[i] += b.v[i];
    return a;
}
#endif

template <int N>
SPECTRAL_LANES_INLINE typename LaneVector<N>::type zeroLanes()
{
    typename LaneVector<N>::type r;
    std::memset(&r, 0, sizeof r);
    return r;
}

template <int N>
SPECTRAL_LANES_INLINE typename LaneVector<N>::type loadLanes(const float *values)
{
    typename LaneVector<N>::type r;
    std::memcpy(&r, values, sizeof r);
    return r;
}

template <int N>
SPECTRAL_LANES_INLINE void storeLanes(float *values, const typename LaneVector<N>::type &lanes)
{
    std::memcpy(values, &lanes, sizeof lanes);
}

// Whether the wider lanes can run here (checked once); never when the environment variable
// SPECTRAL_BASELINE_LANES is set.
bool wideLanesAvailable();

// Runs kernel<8> with AVX2 enabled where the processor has it, kernel<4> otherwise. A kernel
// is a class template with a static always-inlined run(args...).
#if defined(__GNUC__) && defined(__x86_64__) && !defined(SPECTRAL_PORTABLE_LANES)
template <template <int> class Kernel, typename... Args>
__attribute__((target("avx2"))) void runWideLanes(Args... args)
{
    Kernel<8>::run(args...);
}

template <template <int> class Kernel, typename... Args>
void runLanes(Args... args)
{
    if (wideLanesAvailable())
        runWideLanes<Kernel>(args...);
    else
        Kernel<4>::run(args...);
}
#else
template <template <int> class Kernel, typename... Args>
void runLanes(Args... args)
{
    Kernel<4>::run(args...);
}
#endif

} // namespace spectral
