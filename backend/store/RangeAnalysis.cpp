#include "RangeAnalysis.h"

#include "DynamicArray.h"
#include "SpectrumPeak.h"

#include <algorithm>

namespace RangeAnalysis {

Result analyse(const QVariantList &userRange, uint16_t start, uint16_t end,
               const QList<double> &source)
{
    int lo = start;
    int hi = end;
    if (userRange.size() >= 2) {
        lo = std::max<int>(uint16_t(userRange.at(0).toUInt()), start);
        hi = std::min<int>(end, uint16_t(userRange.at(1).toUInt()));
    }
    // Never past the values actually held.
    hi = std::min<int>(hi, start + int(source.size()) - 1);

    const int n = hi >= lo ? hi - lo + 1 : 0;
    FloatArray *spectrum = createFloatArray(n, 2);
    const int offset = lo - start;
    for (int i = 0; i < n; ++i) {
        spectrum->data[i] = float(lo + i);
        spectrum->data[n + i] = float(source.at(offset + i));
    }
    Result result;
    result.lo = float(lo);
    result.hi = float(hi);
    findSpectrumPeak(spectrum, &result.sum, &result.peakWavelength, &result.width);
    destroyArray(spectrum);
    return result;
}

} // namespace RangeAnalysis
