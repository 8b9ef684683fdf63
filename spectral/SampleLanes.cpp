#include "SampleLanes.h"

namespace spectral {

bool wideLanesAvailable()
{
#if defined(__GNUC__) && defined(__x86_64__) && !defined(SPECTRAL_PORTABLE_LANES)
    static const bool available = __builtin_cpu_supports("avx2");
    return available;
#else
    return false;
#endif
}

} // namespace spectral
