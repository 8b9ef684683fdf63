#pragma once
// Absorbance, transmittance and reflectance of a source spectrum against a reference.

#include <QList>

enum class RatioKind { Absorbance, Transmittance, Reflectance };

namespace ratio {
// Reference points at or below this fraction of the reference maximum carry no ratio.
constexpr double kWeakReferenceFraction = 0.05;
// Absorbance reported for a source of nothing (or less) over a valid reference point.
constexpr double kMaxAbsorbance = 3.0;
} // namespace ratio

// Refills `out` with one value per source point: NaN without a usable reference, and where
// the reference is too weak; otherwise t = min(1, source / reference), as transmittance and
// reflectance, or min(3, -log10 t) as absorbance.
void computeRatioSpectrum(RatioKind kind, const QList<double> &source,
                          const QList<double> &reference, bool hasReference, QList<double> &out);
