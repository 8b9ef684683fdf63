#pragma once
// A synthetic Raman measurement on a 1-nm wavelength axis: a broad fluorescence
// hump, narrow lines at chosen Raman shifts, a little deterministic noise and, on
// request, seeded shot noise.
// Plain C++ so the spectral and the back-end tests can share it.

#include "raman/RamanTools.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

struct RamanLine {
    double shift;     // cm^-1
    double amplitude; // counts
    double width = 0.0; // nm, standard deviation; 0: the spectrum's lineWidth
};

struct SyntheticRamanSpectrum {
    int firstWavelength = 340;
    int lastWavelength = 1020;
    double humpCentre = 690.0; // nm
    double humpWidth = 90.0;   // nm, standard deviation
    double humpAmplitude = 3000.0;
    double lineWidth = 1.5; // nm, standard deviation
    double noise = 4.0;     // peak-to-peak counts
    // Shot noise: Gaussian with a variance of this many counts per count of signal
    // (counts per photoelectron); 0 for none.
    double shotNoiseGain = 0.0;
    std::vector<RamanLine> lines;

    static double wavelengthOfShift(double shift)
    {
        return 1e7 / (1e7 / raman::kExcitationWavelengthNm - shift);
    }

    std::vector<double> axis() const
    {
        std::vector<double> a;
        for (int w = firstWavelength; w <= lastWavelength; ++w)
            a.push_back(w);
        return a;
    }

    double fluorescence(double w) const
    {
        const double x = (w - humpCentre) / humpWidth;
        return humpAmplitude * std::exp(-0.5 * x * x);
    }

    double linesAt(double w) const
    {
        double sum = 0.0;
        for (const RamanLine &l : lines) {
            const double x = (w - wavelengthOfShift(l.shift)) / (l.width > 0.0 ? l.width : lineWidth);
            sum += l.amplitude * std::exp(-0.5 * x * x);
        }
        return sum;
    }

    std::vector<double> values() const
    {
        std::vector<double> v;
        uint32_t state = 12345u;
        uint32_t shotState = 1u;
        for (double w : axis()) {
            state = state * 1664525u + 1013904223u;
            const double jitter = noise * (double(state >> 8) / double(1u << 24) - 0.5);
            const double signal = fluorescence(w) + linesAt(w);
            const double shot = shotNoiseGain > 0.0
                ? std::sqrt(shotNoiseGain * std::max(signal, 0.0)) * standardNormal(shotState)
                : 0.0;
            v.push_back(signal + jitter + shot);
        }
        return v;
    }

    // Box-Muller on a linear congruential stream, so every platform draws the same noise.
    static double standardNormal(uint32_t &state)
    {
        const auto uniform = [&state] {
            state = state * 1664525u + 1013904223u;
            return (double(state >> 8) + 0.5) / double(1u << 24);
        };
        const double radius = std::sqrt(-2.0 * std::log(uniform()));
        return radius * std::cos(2.0 * M_PI * uniform());
    }
};
