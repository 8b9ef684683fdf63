#include "store/RamanPipeline.h"

#include "raman/RamanTools.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

void RamanResults::clearSpectraAndPeaks()
{
    raw.clear();
    clean.clear();
    fluorescence.clear();
    peakPositions.clear();
    peakHeights.clear();
}

namespace {

// Relative size below which a clean value is the baseline fit's rounding.
constexpr double kFitResidue = 1e-9;

// Index of the baseline start on a 1-nm axis beginning at `firstNm`, within 0..n: an
// axis that starts past the edge is Raman signal throughout, one that ends before it
// is baseline throughout.
qsizetype baselineStartIndex(double firstNm, qsizetype n)
{
    const double k = std::floor(ramanpipeline::kBaselineStartNm - firstNm);
    if (!(k > 0.0))
        return 0;
    return k >= double(n) ? n : qsizetype(k);
}

QList<double> firstPoints(const std::vector<double> &area, int count)
{
    return QList<double>(area.begin(), area.begin() + count);
}

} // namespace

bool computeRamanResults(const QList<double> &wavelengths, const QList<double> &source,
                         RamanResults &results)
{
    const qsizetype n = source.size();
    // The converter reads n axis points, so the axis must hold them all.
    if (n == 0 || wavelengths.isEmpty() || wavelengths.size() != n
        || n > qsizetype(std::numeric_limits<int>::max()))
        return false;

    // Under the laser and filter edge the whole signal counts as baseline.
    QList<double> baseline(source);
    QList<double> clean(n, 0.0);
    const qsizetype k = baselineStartIndex(wavelengths.front(), n);
    if (k < n) {
        extract_spec_baseline(source.constData() + k, int(n - k), baseline.data() + k);
        // What the fit leaves of a smooth signal is rounding residue, not Raman signal.
        double magnitude = 0.0;
        for (qsizetype i = k; i < n; ++i)
            magnitude = std::max(magnitude, std::fabs(source[i]));
        const double residue = kFitResidue * magnitude;
        // Between zero and the signal, so the clean part is never negative and
        // baseline + clean is the signal itself.
        for (qsizetype i = k; i < n; ++i) {
            double b = std::min(std::max(baseline[i], 0.0), source[i]);
            if (source[i] - b <= residue)
                b = source[i];
            baseline[i] = b;
            clean[i] = source[i] - b;
        }
    }

    std::vector<double> shiftArea(ramanpipeline::kPointCapacity);
    std::vector<double> valueArea(ramanpipeline::kPointCapacity);
    int count = 0;
    const auto convert = [&](const QList<double> &values) {
        spec2ramanwithstep(wavelengths.constData(), values.constData(), shiftArea.data(),
                           valueArea.data(), &count, int(n), ramanpipeline::kShiftStep,
                           ramanpipeline::kPointCapacity);
        count = std::clamp(count, 0, ramanpipeline::kPointCapacity);
    };
    convert(source);
    results.shift = firstPoints(shiftArea, count);
    results.raw = firstPoints(valueArea, count);
    convert(baseline);
    results.fluorescence = firstPoints(valueArea, count);
    convert(clean);
    results.clean = firstPoints(valueArea, count);

    results.peakPositions = QList<double>(ramanpipeline::kPeakCapacity, 0.0);
    results.peakHeights = QList<double>(ramanpipeline::kPeakCapacity, 0.0);
    const int found = find_raman_peaks(results.shift.constData(), results.clean.constData(),
                                       int(results.clean.size()), results.peakPositions.data(),
                                       results.peakHeights.data(), ramanpipeline::kPeakCapacity);
    if (found >= 0 && found <= ramanpipeline::kPeakCapacity) {
        results.peakPositions.resize(found);
        results.peakHeights.resize(found);
    } else {
        results.peakPositions.clear();
        results.peakHeights.clear();
    }
    return true;
}
