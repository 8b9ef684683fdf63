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

// Index of the baseline start on a 1-nm axis beginning at `firstNm` (truncated toward
// zero). Below 0 or at n and beyond, the edge is not on the axis and nothing is separated.
qsizetype baselineStartIndex(double firstNm, qsizetype n)
{
    const double k = std::trunc(ramanpipeline::kBaselineStartNm - firstNm);
    if (!(k >= 0.0))
        return -1;
    return k >= double(n) ? n : qsizetype(k);
}

QList<double> firstPoints(const std::vector<double> &area, int count)
{
    return QList<double>(area.begin(), area.begin() + count);
}

bool clipped(double count)
{
    return count >= ramanpipeline::kFullScaleCounts;
}

// Samples before the baseline start that, less the fluorescence carried back to them by the
// baseline's level and slope over its first kFluorescenceSlopeSamples, show whether a peak at
// the start is a line's top or the flank of one before it. Two are enough for that; further
// back the flanks of other lines before the start would pull the matches.
constexpr qsizetype kSamplesBeforeStart = 2;
constexpr qsizetype kFluorescenceSlopeSamples = 5;

// `clean`, and before the start `source` less the baseline's straight line carried back.
QList<double> cleanWithSamplesBeforeStart(const QList<double> &source, const QList<double> &baseline,
                                          const QList<double> &clean, qsizetype k)
{
    QList<double> values = clean;
    const qsizetype m = std::min(kFluorescenceSlopeSamples, source.size() - k);
    if (m < 2 || k < 1)
        return values;
    // Least squares line through the baseline's first m samples, x counted from k.
    double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    for (qsizetype i = 0; i < m; ++i) {
        const double y = baseline[k + i];
        sx += double(i);
        sy += y;
        sxx += double(i * i);
        sxy += double(i) * y;
    }
    const double slope = (m * sxy - sx * sy) / (m * sxx - sx * sx);
    const double level = (sy - slope * sx) / m;
    for (qsizetype i = std::max<qsizetype>(0, k - kSamplesBeforeStart); i < k; ++i)
        if (!clipped(source[i]))
            values[i] = source[i] - (level + slope * double(i - k));
    return values;
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

    QList<double> baseline(n, 0.0);
    QList<double> clean(n, 0.0);
    // The noise of the measurement at each clean point, so the peak search need not guess
    // it from the few values around each peak.
    QList<double> noise(n, 0.0);
    // The noise the data would have without their lines, which tells whether one is there.
    QList<double> lineFreeNoise(n, 0.0);
    // 1 where the detector read its full scale: the light there was brighter, by how much
    // nothing tells.
    QList<double> fullScale(n, 0.0);
    const qsizetype k = baselineStartIndex(wavelengths.front(), n);
    if (k >= 0 && k < n) {
        // A clipped sample is no measurement of the hump: the baseline bends beside it as the
        // samples around it lead, rather than into the corners of a plateau.
        std::vector<double> measured(source.begin() + k, source.end());
        for (double &count : measured)
            if (clipped(count))
                count = std::numeric_limits<double>::quiet_NaN();
        extract_spec_baseline(measured.data(), int(n - k), baseline.data() + k);
        // Under the laser and filter edge the whole signal counts as baseline.
        for (qsizetype i = 0; i < k; ++i)
            baseline[i] = source[i];
        // Between zero and the signal, so the clean part is never negative; all of a clipped
        // sample counts as baseline.
        for (qsizetype i = k; i < n; ++i) {
            const double b = clipped(source[i]) ? source[i] : std::min(std::max(baseline[i], 0.0), source[i]);
            baseline[i] = b;
            clean[i] = source[i] - b;
            fullScale[i] = clipped(source[i]) ? 1.0 : 0.0;
        }
        spectrum_noise_widths(measured.data(), int(n - k), noise.data() + k);
        line_free_noise_widths(measured.data(), baseline.constData() + k, int(n - k), lineFreeNoise.data() + k);
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
    convert(k >= 0 && k < n ? cleanWithSamplesBeforeStart(source, baseline, clean, k) : clean);
    std::vector<double> beforeStartOnShift(valueArea.begin(), valueArea.begin() + count);
    convert(noise);
    std::vector<double> noiseOnShift(valueArea.begin(), valueArea.begin() + count);
    convert(lineFreeNoise);
    std::vector<double> lineFreeNoiseOnShift(valueArea.begin(), valueArea.begin() + count);
    // No line stands on a point that a clipped sample reaches: its noise is without bound.
    convert(fullScale);
    for (int i = 0; i < count; ++i)
        if (valueArea[size_t(i)] > 0.0)
            noiseOnShift[size_t(i)] = lineFreeNoiseOnShift[size_t(i)] = std::numeric_limits<double>::infinity();

    results.peakPositions = QList<double>(ramanpipeline::kPeakCapacity, 0.0);
    results.peakHeights = QList<double>(ramanpipeline::kPeakCapacity, 0.0);
    const int found = find_raman_peaks(results.shift.constData(), results.clean.constData(),
                                       int(results.clean.size()), results.peakPositions.data(),
                                       results.peakHeights.data(), ramanpipeline::kPeakCapacity,
                                       noiseOnShift.data(), lineFreeNoiseOnShift.data(),
                                       beforeStartOnShift.data());
    if (found >= 0 && found <= ramanpipeline::kPeakCapacity) {
        results.peakPositions.resize(found);
        results.peakHeights.resize(found);
    } else {
        results.peakPositions.clear();
        results.peakHeights.clear();
    }
    return true;
}
