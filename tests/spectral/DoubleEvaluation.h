#pragma once
// The light-metrics and colour-rendition algorithms evaluated again in double precision,
// written apart from the library's code (only its data tables are shared), so that the
// single-precision results can be checked against them. Handles spectra on a 1-nm axis that
// covers at least 360-782 nm; anything the library would mirror or refuse is out of scope.

#include "ColorRendition.h"
#include "DynamicArray.h"
#include "LightMetrics.h"
#include "tables/CctLineTables.h"
#include "tables/ChlorophyllWeights.h"
#include "tables/CieTables.h"
#include "tables/CriReferenceFits.h"
#include "tables/PhotopicV5.h"
#include "tables/Tcs15Reflectance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace double_evaluation {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kPi = 3.14159265358979323846;

// S(w) of a 1-nm spectrum, w read as the row from the first wavelength.
struct Spectrum {
    int w0 = 0;
    std::vector<double> wavelengths;
    std::vector<double> values;

    explicit Spectrum(const FloatArray &a)
    {
        const int n = a.size[0];
        w0 = int(std::lround(a.data[0]));
        for (int i = 0; i < n; ++i) {
            wavelengths.push_back(a.data[i]);
            values.push_back(a.data[n + i]);
        }
    }
    double at(int w) const { return values[w - w0]; }
    double sum(int from, int to) const
    {
        return std::accumulate(values.begin() + (from - w0), values.begin() + (to - w0 + 1), 0.0);
    }
};

inline double cmf(const float *table, int first, int w) { return table[w - first]; }

// CIE 1931 x, y and CIE 1960 u, v of tristimulus sums.
struct Chromaticity {
    double x, y, u, v;
};

inline Chromaticity chromaticityOf(double X, double Y, double Z)
{
    Chromaticity c;
    c.x = X / (X + Y + Z);
    c.y = Y / (X + Y + Z);
    const double d = 12.0 * c.y - 2.0 * c.x + 3.0;
    c.u = 4.0 * c.x / d;
    c.v = 6.0 * c.y / d;
    return c;
}

// 81-point grid of 5-nm box sums, 380-780 nm.
inline std::vector<double> grid5nm(const Spectrum &s)
{
    std::vector<double> g(81);
    for (int k = 0; k < 81; ++k)
        g[k] = s.sum(378 + 5 * k, 382 + 5 * k);
    return g;
}

inline double cmf1931(int axis, int w)
{
    const float *tables[] = {cie::kCmf1931X, cie::kCmf1931Y, cie::kCmf1931Z};
    return cmf(tables[axis], cie::kCmf1931XFirst, w);
}

// Sums of grid x cmf1931 over grid points [0, points), optionally times a reflectance.
inline void gridTristimulus(const std::vector<double> &g, const double *reflectance, int points, double xyz[3])
{
    xyz[0] = xyz[1] = xyz[2] = 0;
    for (int k = 0; k < points; ++k) {
        const double p = g[k] * (reflectance ? reflectance[k] : 1.0);
        for (int axis = 0; axis < 3; ++axis)
            xyz[axis] += p * cmf1931(axis, 380 + 5 * k);
    }
}

inline double signOf(double v) { return v > 0 ? 1.0 : v < 0 ? -1.0 : v; }

inline void cctDuv(double x, double y, double *cct, double *duv)
{
    *cct = *duv = kNaN;
    const double d = 12.0 * y - 2.0 * x + 3.0;
    const double u = 4.0 * x / d, v = 6.0 * y / d;
    int line = -1;
    for (int i = 0; i < spectral::kCctDecisionLines; ++i) {
        const auto &l = spectral::kCctDecisionLineTable[i];
        if (signOf(v - double(l.m) * u - double(l.c)) * signOf(l.c) <= 0.0) {
            line = i;
            break;
        }
    }
    if (line < 0)
        return;
    const int segment = line - 1;
    double t, distance;
    if (segment < 0) {
        const auto &s0 = spectral::kCctSegmentTable[0];
        t = 800000.0;
        distance = signOf(v - double(s0.a) * u - double(s0.b))
                   * std::hypot(u - 0.18013418, v - 0.2638073);
    } else {
        const auto &s = spectral::kCctSegmentTable[segment];
        const double a = s.a, b = s.b;
        distance = (v - a * u - b) / std::sqrt(1.0 + a * a);
        if (segment == 0) {
            const double n = (x - 0.3356) / (y - 0.1691);
            t = 36284.49 + 0.00228 * std::exp(-n / 0.07861) + 5.4535e-36 * std::exp(-n / 0.01543);
        } else if (segment <= 2) {
            const double n = (x - 0.3366) / (y - 0.1735);
            t = 6253.803 * std::exp(-n / 0.92159) - 949.86316 + 28.70599 * std::exp(-n / 0.20039)
                + 4e-5 * std::exp(-n / 0.07125);
        } else if (segment < spectral::kCctFirstLinearSegment) {
            const double n = (x - 0.332) / (y - 0.1858);
            t = 3525.0 * n * n - 449.0 * n * n * n - 6823.3 * n + 5520.33;
        } else {
            const double p = (a * v + u - a * b) / (1.0 + a * a);
            t = p * double(s.scale) + double(s.offset);
        }
    }
    if (std::isnan(t))
        return;
    *cct = std::clamp(t, 300.0, 800000.0);
    *duv = distance;
}

struct DaylightMix {
    double m1, m2;
};

inline DaylightMix daylightMix(double t)
{
    const double xd = t <= 7000.0 ? -4.607e9 / (t * t * t) + 2.9678e6 / (t * t) + 99.11 / t + 0.244063
                                  : -2.0064e9 / (t * t * t) + 1.9018e6 / (t * t) + 247.48 / t + 0.23704;
    const double yd = -3.0 * xd * xd + 2.87 * xd - 0.275;
    const double m = 0.0241 + 0.2562 * xd - 0.7341 * yd;
    return {(-1.3515 - 1.7703 * xd + 5.9114 * yd) / m, (0.03 - 31.4424 * xd + 30.0717 * yd) / m};
}

// Daylight basis at whole nanometres, linear between the 5-nm rows.
inline double daylightBasis(const float *table, int w)
{
    const int k = (w - cie::kDaylightS0First) / 5, rest = (w - cie::kDaylightS0First) % 5;
    return rest == 0 ? double(table[k]) : table[k] + (table[k + 1] - double(table[k])) * rest / 5.0;
}

inline double daylightAt(double t, int w)
{
    const DaylightMix m = daylightMix(t);
    return daylightBasis(cie::kDaylightS0, w) + m.m1 * daylightBasis(cie::kDaylightS1, w)
           + m.m2 * daylightBasis(cie::kDaylightS2, w);
}

// ---- Colour rendering index ----

inline double tcsReflectance(int sample, int k)
{
    return sample < cie::kTcsRows ? double(cie::kTcs[sample][(380 - cie::kTcsFirst) / 5 + k])
                                  : double(spectral::kTcs15Reflectance[k]);
}

struct CriSample {
    double u, v, c, d, yt;
};

inline CriSample criSample(const std::vector<double> &g, int sample)
{
    double r[81], xyz[3], white[3];
    for (int k = 0; k < 81; ++k)
        r[k] = tcsReflectance(sample, k);
    gridTristimulus(g, r, 77, xyz);
    gridTristimulus(g, nullptr, 77, white);
    const Chromaticity ch = chromaticityOf(xyz[0], xyz[1], xyz[2]);
    return {ch.u, ch.v, (4.0 - ch.u - 10.0 * ch.v) / ch.v, (1.708 * ch.v + 0.404 - 1.481 * ch.u) / ch.v,
            100.0 * xyz[1] / white[1]};
}

inline double lightnessW(double yt) { return 25.0 * std::cbrt(yt) - 17.0; }

inline void cri(const std::vector<double> &g, double cct, double *ra, double *r)
{
    *ra = kNaN;
    std::fill(r, r + 15, kNaN);
    if (std::isnan(cct))
        return;
    double xyz[3];
    gridTristimulus(g, nullptr, 81, xyz);
    const Chromaticity k = chromaticityOf(xyz[0], xyz[1], xyz[2]);
    const spectral::CriReferenceFit *fit = nullptr;
    for (const auto &candidate : spectral::kCriReferenceFits) {
        if (candidate.upper >= cct) {
            fit = &candidate;
            break;
        }
    }
    if (!fit)
        return;
    const double t = 10000.0 / cct;
    const auto horner = [t](const float *c) { return ((double(c[0]) * t + c[1]) * t + c[2]) * t + c[3]; };
    const double ur = horner(fit->u), vr = horner(fit->v);

    std::vector<double> reference(81);
    for (int j = 0; j < 81; ++j) {
        const int w = 380 + 5 * j;
        if (cct <= 5000.0) {
            const double lambda = w * 1e-9;
            reference[j] = std::pow(560e-9 / lambda, 5.0) * std::expm1(1.4388e-2 / (560e-9 * cct))
                           / std::expm1(1.4388e-2 / (lambda * cct));
        } else {
            reference[j] = daylightAt(cct, w);
        }
    }
    gridTristimulus(reference, nullptr, 81, xyz);
    const Chromaticity refWhite = chromaticityOf(xyz[0], xyz[1], xyz[2]);

    const double ck = (4.0 - k.u - 10.0 * k.v) / k.v, dk = (1.708 * k.v + 0.404 - 1.481 * k.u) / k.v;
    const double cr = (4.0 - ur - 10.0 * vr) / vr, dr = (1.708 * vr + 0.404 - 1.481 * ur) / vr;
    double sum8 = 0;
    for (int i = 0; i < 15; ++i) {
        const CriSample ref = criSample(reference, i);
        const double wRef = lightnessW(ref.yt);
        const double uRef = 13.0 * wRef * (ref.u - refWhite.u), vRef = 13.0 * wRef * (ref.v - refWhite.v);
        const CriSample test = criSample(g, i);
        const double cc = cr / ck * test.c, dd = dr / dk * test.d;
        const double den = 16.518 + 1.481 * cc - dd;
        const double adaptedU = (10.872 + 0.404 * cc - 4.0 * dd) / den, adaptedV = 5.520 / den;
        const double w = lightnessW(test.yt);
        const double du = uRef - 13.0 * w * (adaptedU - ur), dv = vRef - 13.0 * w * (adaptedV - vr);
        r[i] = 100.0 - 4.6 * std::sqrt(du * du + dv * dv + (wRef - w) * (wRef - w));
        if (i < 8)
            sum8 += r[i];
    }
    *ra = sum8 / 8.0;
}

// ---- The light-metrics block ----

inline double photonFlux(const Spectrum &s, int from, int to)
{
    double sum = 0;
    for (int w = from; w <= to; ++w)
        sum += s.at(w) * s.wavelengths[w - s.w0];
    return 0.008348808 * sum;
}

// Peak and half width, dominant wavelength, S/P, SDCM, gamut areas and the melanopic values
// are held to published values by the reference-value test and the building blocks.
inline bool isEvaluated(int index) { return index <= 30 || (index >= 38 && index <= 41) || index >= 47; }

inline void lightMetrics(const FloatArray &array, double *m)
{
    const Spectrum s(array);
    std::fill(m, m + kLightMetricsCount, kNaN);
    double lux = 0;
    for (int w = 380; w <= 780; ++w)
        lux += s.at(w) * cmf(cie::kPhotopicV, cie::kPhotopicVFirst, w);
    lux *= 683.0;

    const std::vector<double> g = grid5nm(s);
    double xyz[3];
    gridTristimulus(g, nullptr, 81, xyz);
    const Chromaticity ch = chromaticityOf(xyz[0], xyz[1], xyz[2]);
    m[0] = xyz[0] * lux / xyz[1];
    m[1] = m[10] = m[38] = lux;
    m[2] = xyz[2] * lux / xyz[1];
    m[3] = ch.x;
    m[4] = ch.y;
    m[5] = m[7] = ch.u;
    m[6] = ch.v;
    m[8] = 1.5 * ch.v;
    cctDuv(ch.x, ch.y, &m[9], &m[14]);

    double bands[3] = {0, 0, 0};
    const int bandEnds[3] = {24, 44, 77};
    for (int k = 0, band = 0; k < 77; ++k) {
        if (k == bandEnds[band])
            ++band;
        bands[band] += g[k] * spectral::kPhotopicV5[k];
    }
    const double total = bands[0] + bands[1] + bands[2];
    for (int band = 0; band < 3; ++band)
        m[13 - band] = 100.0 * bands[band] / total;

    cri(g, m[9], &m[15], &m[16]);
    m[39] = s.sum(s.w0, s.w0 + int(s.values.size()) - 1);
    m[40] = lux / 10.76391;
    double squares = 0;
    for (int i = 0; i < 15; ++i)
        squares += m[16 + i] * m[16 + i];
    m[41] = std::sqrt(squares / 15.0);

    double hazard = 0;
    for (int w = s.w0; w <= 700; w += 5)
        hazard += s.at(w) * cie::kBlueLightHazard[(w - cie::kBlueLightHazardFirst) / 5];
    m[47] = 5.0 * hazard;
    m[48] = s.sum(400, 700);
    double ca = 0, cb = 0;
    for (int j = 0; j < spectral::kChlorophyllWeightCount; ++j) {
        ca += s.at(400 + 5 * j) * spectral::kChlorophyllA[j];
        cb += s.at(400 + 5 * j) * spectral::kChlorophyllB[j];
    }
    m[49] = 5.0 * ca;
    m[50] = 5.0 * cb;
    m[51] = s.sum(400, 500);
    m[52] = s.sum(500, 600);
    m[53] = s.sum(600, 700);
    m[54] = m[53] / m[51];
    m[55] = photonFlux(s, 400, 700);
    for (int i = 56; i <= 59; ++i) // 100-nm bands from 400 nm
        m[i] = photonFlux(s, 400 + 100 * (i - 56), i == 59 ? 780 : 500 + 100 * (i - 56));
    for (int i = 60; i <= 62; ++i)
        m[i] = 100.0 * m[118 - i] / m[55];
    m[63] = photonFlux(s, 360, 760);
}

// ---- Colour rendition ----

struct Rendition {
    double referenceSpd[kReferenceSpdPoints];
    double sampleDeltaE[kEvaluationSamples];
    double Rf;
    double Rg;
    double testHueBinAB[2 * kHueBins];
    double referenceHueBinAB[2 * kHueBins];
    double chromaShift[kHueBins];
    double hueShift[kHueBins];
    double localFidelity[kHueBins];
};

inline void fillNaN(Rendition &r)
{
    double *v = reinterpret_cast<double *>(&r);
    std::fill(v, v + sizeof r / sizeof(double), kNaN);
}

inline double cmf1964(int axis, int w)
{
    const float *tables[] = {cie::kCmf1964X, cie::kCmf1964Y, cie::kCmf1964Z};
    return cmf(tables[axis], cie::kCmf1964XFirst, w);
}

inline double ybar10Sum(const double *spd)
{
    double sum = 0;
    for (int i = 0; i < 401; ++i)
        sum += spd[i] * cmf1964(1, 380 + i);
    return sum;
}

inline void referenceSpd(double t, double *out)
{
    double planck[401], day[401];
    for (int i = 0; i < 401; ++i) {
        const double lambda = (380 + i) * 1e-9;
        planck[i] = std::pow(lambda, -5.0) / std::expm1(0.014388 / (lambda * t));
        day[i] = daylightAt(t, 380 + i);
    }
    const double at560 = planck[180];
    const double dayScale = 100.0 / ybar10Sum(day);
    for (int i = 0; i < 401; ++i) {
        planck[i] /= at560;
        day[i] *= dayScale;
    }
    if (t <= 4000.0 || t >= 5000.0) {
        std::copy_n(t <= 4000.0 ? planck : day, 401, out);
        return;
    }
    const double w = (5000.0 - t) / 1000.0;
    for (int i = 0; i < 401; ++i)
        out[i] = (1.0 - w) * day[i] + w * planck[i];
    const double scale = 100.0 / ybar10Sum(out);
    for (int i = 0; i < 401; ++i)
        out[i] *= scale;
}

// CAM02-UCS J', a', b' of a sample under an illuminant (both 401 points); false when a cone
// response is negative.
inline bool cam02Ucs(const double *illuminant, const float *reflectance, double *jab)
{
    double sample[3] = {0, 0, 0}, white[3] = {0, 0, 0};
    for (int i = 0; i < 401; ++i)
        for (int axis = 0; axis < 3; ++axis) {
            sample[axis] += illuminant[i] * reflectance[i] * cmf1964(axis, 380 + i);
            white[axis] += illuminant[i] * cmf1964(axis, 380 + i);
        }
    const double k = 100.0 / white[1];
    for (int axis = 0; axis < 3; ++axis) {
        sample[axis] *= k;
        white[axis] *= k;
    }
    const double cat02[3][3] = {{0.7328, 0.4296, -0.1624}, {-0.7036, 1.6975, 0.0061}, {0.0030, 0.0136, 0.9834}};
    const double hpe[3][3] = {{0.7409792, 0.21802504, 0.041005783},
                              {0.28535318, 0.6242014, 0.09044542},
                              {-0.009628, -0.005698, 1.015326}};
    const auto apply = [](const double (*m)[3], const double *in, double *out) {
        for (int r = 0; r < 3; ++r)
            out[r] = m[r][0] * in[0] + m[r][1] * in[1] + m[r][2] * in[2];
    };
    double rgb[3], rgbW[3], adapted[3], adaptedW[3], p[3], pw[3];
    apply(cat02, sample, rgb);
    apply(cat02, white, rgbW);
    for (int c = 0; c < 3; ++c) {
        adapted[c] = white[1] / rgbW[c] * rgb[c];
        adaptedW[c] = white[1] / rgbW[c] * rgbW[c];
    }
    apply(hpe, adapted, p);
    apply(hpe, adaptedW, pw);
    if (p[0] < 0 || p[1] < 0 || p[2] < 0)
        return false;
    const auto compress = [](double x) {
        const double q = std::pow(0.7937 * x / 100.0, 0.42);
        return 400.0 * q / (q + 27.13) + 0.1;
    };
    const double ra = compress(p[0]), ga = compress(p[1]), ba = compress(p[2]);
    const double raw = compress(pw[0]), gaw = compress(pw[1]), baw = compress(pw[2]);
    const double a = ra - 12.0 * ga / 11.0 + ba / 11.0, b = (ra + ga - 2.0 * ba) / 9.0;
    double h = std::atan2(b, a) * 180.0 / kPi;
    if (h < 0)
        h += 360.0;
    const double et = 0.25 * (std::cos(h * kPi / 180.0 + 2.0) + 3.8);
    const double A = (2.0 * ra + ga + ba / 20.0 - 0.305) * 1.0003;
    const double Aw = (2.0 * raw + gaw + baw / 20.0 - 0.305) * 1.0003;
    const double J = 100.0 * std::pow(A / Aw, 1.329768);
    const double t = 3847.3076 * et * std::hypot(a, b) / (ra + ga + 1.05 * ba);
    const double M = std::pow(t, 0.9) * std::sqrt(J / 100.0) * 0.8952179 * 0.9438742;
    const double Mp = std::log(1.0 + 0.0228 * M) * 43.85965;
    jab[0] = 1.7 * J / (1.0 + 0.007 * J);
    jab[1] = Mp * std::cos(h * kPi / 180.0);
    jab[2] = Mp * std::sin(h * kPi / 180.0);
    return true;
}

inline double fidelity(double meanDeltaE) { return 10.0 * std::log(std::exp((100.0 - 6.73 * meanDeltaE) / 10.0) + 1.0); }

inline double binPolygonArea(const double *a, const double *b)
{
    double sum = 0;
    for (int i = 0; i < kHueBins; ++i) {
        const int prev = (i + kHueBins - 1) % kHueBins;
        sum += (a[i] - a[prev]) * (b[i] + b[prev]) / 2.0;
    }
    return std::fabs(sum);
}

inline void colorRendition(const FloatArray &array, Rendition &r)
{
    fillNaN(r);
    const Spectrum s(array);
    double xyz[3];
    gridTristimulus(grid5nm(s), nullptr, 81, xyz);
    const Chromaticity ch = chromaticityOf(xyz[0], xyz[1], xyz[2]);
    double cct, duv;
    cctDuv(ch.x, ch.y, &cct, &duv);
    if (std::isnan(cct))
        return;
    referenceSpd(cct, r.referenceSpd);
    std::vector<double> test(401);
    for (int i = 0; i < 401; ++i)
        test[i] = s.at(380 + i);

    double jabTest[kEvaluationSamples][3], jabRef[kEvaluationSamples][3];
    for (int k = 0; k < kEvaluationSamples; ++k) {
        if (!cam02Ucs(test.data(), cie::kCes99[k], jabTest[k]) || !cam02Ucs(r.referenceSpd, cie::kCes99[k], jabRef[k]))
            return;
        r.sampleDeltaE[k] = std::sqrt(std::pow(jabTest[k][0] - jabRef[k][0], 2) + std::pow(jabTest[k][1] - jabRef[k][1], 2)
                                      + std::pow(jabTest[k][2] - jabRef[k][2], 2));
    }
    r.Rf = fidelity(std::accumulate(r.sampleDeltaE, r.sampleDeltaE + kEvaluationSamples, 0.0) / kEvaluationSamples);

    std::vector<int> bins[kHueBins];
    for (int k = 0; k < kEvaluationSamples; ++k) {
        double theta = std::atan2(jabRef[k][2], jabRef[k][1]);
        if (theta < 0)
            theta += 2.0 * kPi;
        const int bin = std::clamp(int(std::ceil(theta / (kPi / 8.0))), 1, kHueBins);
        bins[bin - 1].push_back(k);
    }
    for (int b = 0; b < kHueBins; ++b) {
        if (bins[b].empty())
            return;
        double means[4] = {0, 0, 0, 0};
        for (int k : bins[b]) {
            means[0] += jabTest[k][1];
            means[1] += jabTest[k][2];
            means[2] += jabRef[k][1];
            means[3] += jabRef[k][2];
        }
        const double n = double(bins[b].size());
        r.testHueBinAB[b] = means[0] / n;
        r.testHueBinAB[kHueBins + b] = means[1] / n;
        r.referenceHueBinAB[b] = means[2] / n;
        r.referenceHueBinAB[kHueBins + b] = means[3] / n;
    }
    r.Rg = 100.0 * binPolygonArea(r.testHueBinAB, r.testHueBinAB + kHueBins)
           / binPolygonArea(r.referenceHueBinAB, r.referenceHueBinAB + kHueBins);
    for (int b = 0; b < kHueBins; ++b) {
        const double theta = (22.5 * (b + 1) - 11.25) * kPi / 180.0;
        const double refA = r.referenceHueBinAB[b], refB = r.referenceHueBinAB[kHueBins + b];
        const double da = r.testHueBinAB[b] - refA, db = r.testHueBinAB[kHueBins + b] - refB;
        const double chroma = std::hypot(refA, refB);
        r.chromaShift[b] = 100.0 * (da * std::cos(theta) + db * std::sin(theta)) / chroma;
        r.hueShift[b] = (db * std::cos(theta) - da * std::sin(theta)) / chroma;
        double binDeltaE = 0;
        for (int k : bins[b])
            binDeltaE += r.sampleDeltaE[k];
        r.localFidelity[b] = fidelity(binDeltaE / double(bins[b].size()));
    }
}

} // namespace double_evaluation
