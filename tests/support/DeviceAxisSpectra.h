#pragma once
// Test spectra on a spectrometer's 1-nm axis, built from tabulated illuminants or formulas.

#include "DynamicArray.h"
#include "tables/CieTables.h"

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace test_spectra {

constexpr int kDeviceFirst = 340;
constexpr int kDeviceLast = 1020;

struct ArrayDeleter {
    void operator()(FloatArray *a) const { destroyArray(a); }
};
using SpectrumPtr = std::unique_ptr<FloatArray, ArrayDeleter>;

// N x 2 spectrum from w0 with the given values.
inline SpectrumPtr makeSpectrum(int w0, const std::vector<float> &values)
{
    const int n = int(values.size());
    SpectrumPtr s(createFloatArray(n, 2));
    for (int i = 0; i < n; ++i) {
        s->data[i] = float(w0 + i);
        s->data[n + i] = values[i];
    }
    return s;
}

// Spectrum on [from, to] whose value at w is f(w).
inline SpectrumPtr makeSpectrum(int from, int to, const std::function<double(int)> &f)
{
    std::vector<float> values;
    for (int w = from; w <= to; ++w)
        values.push_back(float(f(w)));
    return makeSpectrum(from, values);
}

// Linear interpolation of a table (first wavelength, step) at w; zero outside the table.
// A record whose axis may be nonsense: `rows` samples from w0 in 1-nm steps, valued by
// value(i), with a first extent claiming `claimedRows` (which may exceed the block or be negative).
inline SpectrumPtr adversarialSpectrum(float w0, int rows, int claimedRows,
                                       const std::function<float(int)> &value)
{
    SpectrumPtr s(createFloatArray(rows, 2));
    for (int i = 0; i < rows; ++i) {
        s->data[i] = w0 + float(i);
        s->data[rows + i] = value(i);
    }
    s->size[0] = claimedRows;
    return s;
}

inline double tableAt(const float *table, int first, int step, int count, int w)
{
    const int last = first + step * (count - 1);
    if (w < first || w > last)
        return 0.0;
    const int i = (w - first) / step;
    const int rem = (w - first) % step;
    if (rem == 0)
        return table[i];
    const double f = double(rem) / step;
    return table[i] * (1.0 - f) + table[i + 1] * f;
}

inline SpectrumPtr fromTable(const float *table, int first, int step, int count,
                             int from = kDeviceFirst, int to = kDeviceLast, double scale = 1.0)
{
    return makeSpectrum(from, to, [=](int w) { return scale * tableAt(table, first, step, count, w); });
}

// A published table kept as CSV in tests/support/data (copied from the CIE data by
// tools/gen_cie_tables.py): its first wavelength, step and value columns.
struct ReferenceTable {
    int first = 0, step = 1;
    std::vector<std::vector<float>> columns;
};

inline const ReferenceTable &referenceTable(const std::string &file)
{
    static std::map<std::string, ReferenceTable> loaded;
    ReferenceTable &t = loaded[file];
    if (!t.columns.empty())
        return t;
    std::ifstream in(std::string(VANTOREL_TEST_DATA_DIR) + "/" + file);
    std::string line;
    std::vector<int> wavelengths;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line[0] == 'w')
            continue;
        std::istringstream cells(line);
        std::string cell;
        std::getline(cells, cell, ',');
        wavelengths.push_back(std::stoi(cell));
        for (size_t c = 0; std::getline(cells, cell, ','); ++c) {
            t.columns.resize(std::max(t.columns.size(), c + 1));
            t.columns[c].push_back(std::stof(cell));
        }
    }
    t.first = wavelengths.at(0);
    t.step = wavelengths.at(1) - wavelengths.at(0);
    return t;
}

// CIE illuminant A, D65 or F1-F12 ("F", number) on [from, to], zero outside its table.
inline SpectrumPtr illuminant(const std::string &name, int number = 1, int from = kDeviceFirst,
                              int to = kDeviceLast, double scale = 1.0)
{
    const ReferenceTable &t = referenceTable(name == "A" ? "cie_illuminant_A_1nm.csv"
                                             : name == "D65" ? "cie_illuminant_D65_5nm.csv"
                                                             : "cie_illuminants_F1_F12_5nm.csv");
    const std::vector<float> &column = t.columns.at(size_t(name == "F" ? number - 1 : 0));
    return fromTable(column.data(), t.first, t.step, int(column.size()), from, to, scale);
}

// Planck's law, relative (peak-independent scale), at whole nanometres.
inline double planck(double kelvin, int w)
{
    const double lambda = w * 1e-9;
    return 1e-13 / (std::pow(lambda, 5.0) * std::expm1(1.4388e-2 / (lambda * kelvin)));
}

inline SpectrumPtr blackbodySpectrum(double kelvin, int from = kDeviceFirst, int to = kDeviceLast)
{
    return makeSpectrum(from, to, [=](int w) { return planck(kelvin, w); });
}

// CIE daylight of the given correlated colour temperature, from the S0, S1, S2 basis.
inline SpectrumPtr daylightSpectrum(double kelvin, int from = kDeviceFirst, int to = kDeviceLast)
{
    const double t = kelvin;
    const double xd = t <= 7000.0
        ? -4.6070e9 / (t * t * t) + 2.9678e6 / (t * t) + 99.11 / t + 0.244063
        : -2.0064e9 / (t * t * t) + 1.9018e6 / (t * t) + 247.48 / t + 0.237040;
    const double yd = -3.0 * xd * xd + 2.870 * xd - 0.275;
    const double m = 0.0241 + 0.2562 * xd - 0.7341 * yd;
    const double m1 = (-1.3515 - 1.7703 * xd + 5.9114 * yd) / m;
    const double m2 = (0.0300 - 31.4424 * xd + 30.0717 * yd) / m;
    return makeSpectrum(from, to, [=](int w) {
        const auto at = [w](const float *table) {
            return tableAt(table, cie::kDaylightS0First, cie::kDaylightS0Step, cie::kDaylightS0Count, w);
        };
        return at(cie::kDaylightS0) + m1 * at(cie::kDaylightS1) + m2 * at(cie::kDaylightS2);
    });
}

// CIE 1931 x, y of the Planckian radiator, from the 1-nm colour-matching functions.
inline void planckianChromaticity(double kelvin, double *x, double *y)
{
    double sx = 0, sy = 0, sz = 0;
    for (int i = 0; i < cie::kCmf1931XCount; ++i) {
        const double p = planck(kelvin, cie::kCmf1931XFirst + i);
        sx += p * cie::kCmf1931X[i];
        sy += p * cie::kCmf1931Y[i];
        sz += p * cie::kCmf1931Z[i];
    }
    *x = sx / (sx + sy + sz);
    *y = sy / (sx + sy + sz);
}

inline float valueAt(const FloatArray &s, int w)
{
    const int n = s.size[0];
    return s.data[n + (w - int(s.data[0]))];
}

} // namespace test_spectra
