#include "SampleLanes.h"

#include <cstdlib>

namespace spectral {

bool wideLanesAvailable()
{
#if defined(__GNUC__) && defined(__x86_64__) && !defined(SPECTRAL_PORTABLE_LANES)
    // The environment can hold the baseline width, so tests cover it on any processor.
    static const bool available = __builtin_cpu_supports("avx2") && !std::getenv("SPECTRAL_BASELINE_LANES");
    return available;
#else
    return false;
#endif
}

} // namespace spectral
