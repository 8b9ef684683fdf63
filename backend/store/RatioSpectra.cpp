#include "store/RatioSpectra.h"

#include <algorithm>
#include <cmath>
#include <limits>

void computeRatioSpectrum(RatioKind kind, const QList<double> &source,
                          const QList<double> &reference, bool hasReference, QList<double> &out)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    out.resize(source.size());
    std::fill(out.begin(), out.end(), nan);
    // A reference of another length was taken over another wavelength range.
    if (!hasReference || reference.size() != source.size())
        return;

    double referenceMax = 0.0;
    for (double r : reference)
        if (std::isfinite(r))
            referenceMax = std::max(referenceMax, r);
    // A reference without light gives no ratio anywhere.
    if (!(referenceMax > 0.0))
        return;
    const double threshold = ratio::kWeakReferenceFraction * referenceMax;

    for (qsizetype i = 0; i < source.size(); ++i) {
        const double s = source[i];
        const double r = reference[i];
        if (!(r > threshold) || !std::isfinite(r) || !std::isfinite(s))
            continue;
        const double t = std::min(1.0, s / r);
        if (kind == RatioKind::Absorbance)
            // 0 - log10(1) is +0, so a full transmission never prints as "-0".
            out[i] = t > 0.0 ? std::min(ratio::kMaxAbsorbance, 0.0 - std::log10(t))
                             : ratio::kMaxAbsorbance;
        else
            out[i] = t;
    }
}
