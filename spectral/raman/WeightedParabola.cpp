#include "raman/WeightedParabola.h"

#include <cmath>

namespace raman {

bool weightedParabola(const std::vector<double> &x, const std::vector<double> &y, const std::vector<double> &weight,
                      double c[3])
{
    // Normal equations, augmented by their right-hand side, solved by Gauss-Jordan elimination.
    double a[3][4] = {};
    for (size_t k = 0; k < x.size(); ++k) {
        const double powers[3] = {1.0, x[k], x[k] * x[k]};
        for (int r = 0; r < 3; ++r) {
            for (int col = 0; col < 3; ++col)
                a[r][col] += weight[k] * powers[r] * powers[col];
            a[r][3] += weight[k] * powers[r] * y[k];
        }
    }
    for (int p = 0; p < 3; ++p) {
        if (!(std::fabs(a[p][p]) > 0.0))
            return false;
        for (int r = 0; r < 3; ++r) {
            const double f = r == p ? 0.0 : a[r][p] / a[p][p];
            for (int col = 0; col < 4; ++col)
                a[r][col] -= f * a[p][col];
        }
    }
    for (int p = 0; p < 3; ++p)
        c[p] = a[p][3] / a[p][p];
    return std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2]);
}

} // namespace raman
