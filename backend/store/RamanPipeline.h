#pragma once
// The Raman results of one source spectrum: the spectrum on the Raman-shift axis, its
// fluorescence baseline, the baseline-free spectrum and that spectrum's peaks.

#include <QList>

namespace ramanpipeline {
// Points of a Raman-shift spectrum and peaks the store holds at most.
constexpr int kPointCapacity = 4000;
constexpr int kPeakCapacity = 10;
// Grid step of the Raman-shift axis, cm^-1.
constexpr double kShiftStep = 5.0;
// Below this wavelength the measurement is all baseline (laser and filter edge).
constexpr double kBaselineStartNm = 562.0;
// The detector's full-scale count: a sample there was clipped.
constexpr double kFullScaleCounts = 65535.0;
} // namespace ramanpipeline

struct RamanResults {
    QList<double> shift;
    QList<double> raw;
    QList<double> clean;
    QList<double> fluorescence;
    QList<double> peakPositions;
    QList<double> peakHeights;

    // Empties the spectra and the peaks; the shift axis stays.
    void clearSpectraAndPeaks();
};

// Recomputes `results` from a source spectrum over its wavelength axis. Returns false, and
// leaves `results` as they were, when there is nothing to compute from: no points, no axis,
// or an axis that does not match the spectrum.
bool computeRamanResults(const QList<double> &wavelengths, const QList<double> &source,
                         RamanResults &results);
