#pragma once
// Seeded Raman measurements as a detector reads them: a fluorescence hump (at 740 nm unless
// told) with narrow lines on it, every sample a Poisson count around the expected signal.
// Only the raw output of std::mt19937 (fixed by the standard) is used, turned into
// uniform, normal and Poisson draws here, so every platform reads the same counts.
// Plain C++ so the tests and the benchmarks can share it.

#include "SyntheticRamanSpectrum.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

class ShotNoise
{
public:
    explicit ShotNoise(uint32_t seed) : m_engine(seed) {}

    double uniform() { return (double(m_engine()) + 0.5) / 4294967296.0; }

    double standardNormal()
    {
        const double radius = std::sqrt(-2.0 * std::log(uniform()));
        return radius * std::cos(2.0 * M_PI * uniform());
    }

    // Exact (multiplying uniforms) for small means; above, the normal approximation,
    // whose skew is far below what a peak search can tell.
    double poisson(double mean)
    {
        if (!(mean > 0.0))
            return 0.0;
        if (mean < kExactBelow) {
            const double limit = std::exp(-mean);
            double product = uniform();
            int k = 0;
            while (product > limit) {
                product *= uniform();
                ++k;
            }
            return k;
        }
        return std::max(0.0, std::round(mean + std::sqrt(mean) * standardNormal()));
    }

private:
    static constexpr double kExactBelow = 30.0;
    std::mt19937 m_engine;
};

// The sample of the Raman model's measurements: 532 nm excitation, the device's
// 340-1020 nm axis, a hump of `humpCounts` at `humpCentreNm` (60 nm standard deviation, so
// the side of a line towards the hump is up to four times brighter 1000 cm^-1 away), lines
// 1.5 nm wide.
inline SyntheticRamanSpectrum fluorescentSample(double humpCounts, std::vector<RamanLine> lines = {},
                                                double humpCentreNm = 740.0)
{
    SyntheticRamanSpectrum s;
    s.humpCentre = humpCentreNm;
    s.humpWidth = 60.0;
    s.humpAmplitude = humpCounts;
    s.lineWidth = 1.5;
    s.noise = 0.0;
    s.lines = std::move(lines);
    return s;
}

// The detector's full-scale count: brighter light reads as this.
constexpr double kFullScaleCounts = 65535.0;

// Counts of one measurement of `sample` with shot noise drawn from `seed`, clipped at full scale.
inline std::vector<double> shotNoiseCounts(const SyntheticRamanSpectrum &sample, uint32_t seed)
{
    ShotNoise noise(seed);
    std::vector<double> counts;
    for (double w : sample.axis())
        counts.push_back(std::min(kFullScaleCounts, noise.poisson(sample.fluorescence(w) + sample.linesAt(w))));
    return counts;
}

// A line's height over the shot noise of the counts at its centre.
inline double localSignalToNoise(const SyntheticRamanSpectrum &sample, const RamanLine &line)
{
    const double w = SyntheticRamanSpectrum::wavelengthOfShift(line.shift);
    return line.amplitude / std::sqrt(sample.fluorescence(w) + sample.linesAt(w));
}
