#include "raman/RamanTools.h"
#include "ShotNoiseRamanSpectrum.h"
#include "SyntheticRamanSpectrum.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double kSentinel = -12345.0;
constexpr double kStep = 5.0;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
using Values = std::vector<double>;

Values range(double from, double to, double step = 1.0)
{
    Values a;
    for (double x = from; x <= to; x += step)
        a.push_back(x);
    return a;
}

bool untouchedFrom(const Values &buffer, size_t from)
{
    return std::all_of(buffer.begin() + qsizetype(from), buffer.end(), [](double v) { return v == kSentinel; });
}

struct Converted {
    Values shift, values;
    int count = 77;
};

Converted convert(const Values &axis, int capacity = 4000, double step = kStep, const Values &values = {})
{
    Converted c;
    c.shift.assign(size_t(capacity) + 8, kSentinel);
    c.values.assign(size_t(capacity) + 8, kSentinel);
    const Values ones(axis.size(), 1.0);
    spec2ramanwithstep(axis.data(), values.empty() ? ones.data() : values.data(), c.shift.data(), c.values.data(),
                       &c.count, int(axis.size()), step, capacity);
    return c;
}

// Gaussian lines on a shift grid, with off-grid centres.
Values linesOnGrid(const Values &grid, const std::vector<RamanLine> &lines, double sigma)
{
    Values v(grid.size(), 0.0);
    for (size_t i = 0; i < grid.size(); ++i)
        for (const RamanLine &l : lines)
            v[i] += l.amplitude * std::exp(-0.5 * std::pow((grid[i] - l.shift) / sigma, 2));
    return v;
}

// Adds seeded white Gaussian noise of the given width.
Values withNoise(Values v, double sigma)
{
    uint32_t state = 7u;
    for (double &x : v)
        x += sigma * SyntheticRamanSpectrum::standardNormal(state);
    return v;
}

} // namespace

class TestRamanTools : public QObject
{
    Q_OBJECT
private slots:
    void baselines()
    {
        const Values slope = range(100.0, 100.0 + 2.5 * 299, 2.5);
        Values broken(60, 250.0), ramp(40);
        broken[20] = kNaN; // unknown samples are bridged instead of poisoning the whole curve
        broken[21] = std::numeric_limits<double>::infinity();
        for (int i = 0; i < 40; ++i)
            ramp[size_t(i)] = 10.0 + (i % 3);
        // Input, expected baseline (empty: finite only).
        const QList<QPair<Values, Values>> rows{
            {{}, {}}, {{5.0}, {}}, {{10, 11, 12}, {}}, {ramp, {}},
            {{7.0, 3.0}, {3.0, 3.0}},    // too short for a curve: flat under the data
            {slope, slope},              // a smooth signal is its own baseline to the bit
            {broken, Values(60, 250.0)}, // within 1e-6
        };
        for (const auto &row : rows) {
            Values b(row.first.size() + 4, kSentinel);
            extract_spec_baseline(row.first.data(), int(row.first.size()), b.data());
            QVERIFY(untouchedFrom(b, row.first.size())); // exactly as many values as given
            for (size_t i = 0; i < row.first.size(); ++i) {
                QVERIFY(std::isfinite(b[i]));
                if (!row.second.empty())
                    QVERIFY2(std::fabs(b[i] - row.second[i]) <= (row.first == slope ? 0.0 : 1e-6), qPrintable(QString::number(i)));
            }
        }

        // A tall fluorescence hump, fitted from the laser edge on as the pipeline does, is
        // followed to 0.02 % everywhere: on its top, on its flanks and at both ends.
        for (double centre : {620.0, 690.0, 800.0}) {
            SyntheticRamanSpectrum hump;
            hump.firstWavelength = 562;
            hump.humpCentre = centre;
            hump.humpAmplitude = 30000.0;
            hump.noise = 0.0;
            const Values y = hump.values();
            Values b(y.size());
            extract_spec_baseline(y.data(), int(y.size()), b.data());
            for (size_t i = 0; i < y.size(); ++i)
                QVERIFY2(std::fabs(y[i] - b[i]) <= 2e-4 * hump.humpAmplitude,
                         qPrintable(QString("hump at %1 nm: %2 left at %3 nm").arg(centre).arg(y[i] - b[i]).arg(562 + i)));
        }
    }

    // Shot-noise counts of a hump with lines, bright at one end and empty at the other: the
    // width at each sample is the spread of its own count, lines included, and never less
    // than one count's where nothing was counted.
    void noiseWidths()
    {
        const SyntheticRamanSpectrum sample = fluorescentSample(20000.0, {{1001.0, 3000.0}, {1031.0, 900.0}, {1602.0, 1400.0}}, 600.0);
        const Values counts = shotNoiseCounts(sample, 11u);
        Values widths(counts.size() + 4, kSentinel);
        spectrum_noise_widths(counts.data(), int(counts.size()), widths.data());
        QVERIFY(untouchedFrom(widths, counts.size()));
        const Values axis = sample.axis();
        double worst = 0.0;
        for (size_t i = 0; i < counts.size(); ++i) {
            const double expected = sample.fluorescence(axis[i]) + sample.linesAt(axis[i]);
            if (counts[i] == 0.0)
                QVERIFY2(widths[i] >= 0.9, qPrintable(QString("%1 at %2 nm").arg(widths[i]).arg(axis[i])));
            else if (expected >= 100.0)
                worst = std::max(worst, std::fabs(widths[i] / std::sqrt(counts[i]) - 1.0));
        }
        QVERIFY2(worst < 0.1, qPrintable(QString("off by %1").arg(worst)));
    }

    // A weak line's highest value lifted by the noise (a device sample spans 25 cm^-1 of the
    // grid) does not make it a line: a line of two noise widths with the lift is none. Lines
    // of six and nine noise widths, about 3 nm wide at half maximum, show themselves in all
    // their samples and are listed near their own place, not at the lifted value.
    void oneLiftedValueMakesNoLine()
    {
        const Values grid = range(0, 3000, kStep);
        const Values widths(grid.size(), 1.0);
        for (const double height : {2.0, 6.0, 9.0}) {
            Values values = linesOnGrid(grid, {{1500.0, height}}, 38.0);
            for (size_t i = 0; i < grid.size(); ++i)
                values[i] += 2.6 * std::max(0.0, 1.0 - std::fabs(grid[i] - 1520.0) / 25.0);
            double position = kSentinel, top = kSentinel;
            const int found = find_raman_peaks(grid.data(), values.data(), int(values.size()), &position, &top, 1, widths.data());
            if (height < 5.0)
                QVERIFY2(found == 0, qPrintable(QString("a line at %1").arg(position)));
            else
                QVERIFY2(found == 1 && std::fabs(position - 1500.0) < 10.0, qPrintable(QString("%1 at %2").arg(found).arg(position)));
        }
    }

    void shiftGrid()
    {
        SyntheticRamanSpectrum s;
        s.lines = {{1500, 900}};
        const Values axis = s.axis();
        const Converted a = convert(axis, 4000, kStep, s.values());
        // Multiples of the step from the first Stokes shift to the last shift of the axis,
        // whatever the values.
        const double lastShift = raman::ramanShift(axis.back());
        QVERIFY(a.count > 0 && a.shift[0] == 0.0 && untouchedFrom(a.shift, size_t(a.count)));
        QVERIFY(a.shift[size_t(a.count - 1)] <= lastShift && a.shift[size_t(a.count - 1)] > lastShift - kStep);
        for (int i = 1; i < a.count; ++i)
            QCOMPARE(a.shift[size_t(i)] - a.shift[size_t(i - 1)], kStep);
        QCOMPARE(convert(axis).shift, a.shift);
        // An axis beginning on the Stokes side starts at the next multiple of the step.
        QCOMPARE(convert(range(600, 700)).shift[0], std::ceil(raman::ramanShift(600) / kStep) * kStep);
        // Values past the capacity are not written.
        const Converted cut = convert(axis, 100, kStep, s.values());
        QVERIFY(cut.count == 100 && std::equal(cut.shift.begin(), cut.shift.begin() + 100, a.shift.begin()));
        QVERIFY(untouchedFrom(cut.shift, 100) && untouchedFrom(cut.values, 100));

        // Unusable axes, steps and capacities convert to nothing.
        Values descending = range(560, 700), repeated = range(560, 700);
        std::reverse(descending.begin(), descending.end());
        repeated[10] = repeated[9];
        const QList<Converted> none{convert(range(340, 500)), convert(descending), convert(repeated), convert({600.0}),
                                    convert(range(560, 700), 4000, 0.0), convert(range(560, 700), 4000, -5.0),
                                    convert(range(560, 700), 4000, kNaN), convert(range(560, 700), 0)};
        for (const Converted &c : none)
            QVERIFY(c.count == 0 && untouchedFrom(c.shift, 0));
    }

    void peaks()
    {
        const Values grid = range(0, 4000, kStep), flat = range(0, 500, kStep), fine = range(900, 1200);
        std::vector<RamanLine> lines;
        for (int i = 0; i < 15; ++i) // heights not in shift order
            lines.push_back({200.0 + 250.0 * i, 100.0 + double((i * 7) % 15) * 50.0});
        std::vector<RamanLine> strongest = lines;
        std::sort(strongest.begin(), strongest.end(), [](const RamanLine &a, const RamanLine &b) { return a.amplitude > b.amplitude; });
        strongest.resize(10);
        std::sort(strongest.begin(), strongest.end(), [](const RamanLine &a, const RamanLine &b) { return a.shift < b.shift; });
        Values strongShifts, strongHeights;
        for (const RamanLine &l : strongest)
            strongShifts.push_back(l.shift), strongHeights.push_back(l.amplitude);
        const Values quiet(grid.size(), 0.0);
        struct Row { const char *name; Values x, y; int capacity; Values positions, heights; };
        const QList<Row> rows{
            {"strongest ten of fifteen", grid, linesOnGrid(grid, lines, 10.0), 10, strongShifts, strongHeights},
            {"capacity zero", grid, linesOnGrid(grid, lines, 10.0), 0, {}, {}},
            // 1010 sits closer than the minimum separation to the higher 1000; 1100, noise-free,
            // is a line however small beside them.
            {"crowded and small", fine, linesOnGrid(fine, {{1000, 100}, {1010, 80}, {1040, 60}, {1100, 3}}, 2.0), 10, {1000, 1040, 1100}, {100, 60, 3}},
            {"plateau at its middle", {0, 5, 10, 15, 20, 25, 30}, {0, 0, 5, 5, 5, 0, 0}, 10, {15}, {5}},
            {"zeros", flat, Values(flat.size(), 0.0), 10, {}, {}},
            {"flat line", flat, Values(flat.size(), 42.0), 10, {}, {}},
            {"ramp", flat, flat, 10, {}, {}},
            {"NaN", flat, Values(flat.size(), kNaN), 10, {}, {}},
            {"two points", {0, 1}, {1, 9}, 10, {}, {}},
            // A peak stands out of the noise beside it, and is narrower than what a baseline leaves.
            {"noise alone", grid, withNoise(quiet, 10.0), 10, {}, {}},
            {"lines in noise", grid, withNoise(linesOnGrid(grid, {{1000, 300}, {2500, 300}}, 10.0), 10.0), 10, {1000, 2500}, {300, 300}},
            {"broad bump", grid, linesOnGrid(grid, {{2000, 100}}, 200.0), 10, {}, {}},
        };
        for (const Row &row : rows) {
            Values positions(size_t(row.capacity) + 4, kSentinel), heights(size_t(row.capacity) + 4, kSentinel);
            const int found = find_raman_peaks(row.x.data(), row.y.data(), int(row.y.size()), positions.data(),
                                               heights.data(), row.capacity);
            QVERIFY2(found == int(row.positions.size()), row.name);
            QVERIFY2(untouchedFrom(positions, size_t(found)) && untouchedFrom(heights, size_t(found)), row.name);
            for (size_t i = 0; i < row.positions.size(); ++i) {
                QVERIFY2(std::fabs(positions[i] - row.positions[i]) <= 1.0 + (row.x == grid ? kStep : 0.0), row.name);
                QVERIFY2(std::fabs(heights[i] - row.heights[i]) < 0.1 * row.heights[i], row.name);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestRamanTools)
#include "tst_raman_tools.moc"
