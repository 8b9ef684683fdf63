#include "raman/RamanTools.h"
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

std::vector<double> range(double from, double to, double step = 1.0)
{
    std::vector<double> a;
    for (double x = from; x <= to; x += step)
        a.push_back(x);
    return a;
}

struct Converted {
    std::vector<double> shift, values;
    int count = 77;
};

Converted convert(const std::vector<double> &axis, const std::vector<double> &values, int capacity = 4000,
                  double step = kStep)
{
    Converted c;
    c.shift.assign(size_t(capacity) + 8, kSentinel);
    c.values.assign(size_t(capacity) + 8, kSentinel);
    spec2ramanwithstep(axis.data(), values.data(), c.shift.data(), c.values.data(), &c.count,
                       int(axis.size()), step, capacity);
    return c;
}

// Gaussian lines on a shift grid, with off-grid centres.
std::vector<double> linesOnGrid(const std::vector<double> &grid, const std::vector<RamanLine> &lines, double sigma)
{
    std::vector<double> v(grid.size(), 0.0);
    for (size_t i = 0; i < grid.size(); ++i)
        for (const RamanLine &l : lines)
            v[i] += l.amplitude * std::exp(-0.5 * std::pow((grid[i] - l.shift) / sigma, 2));
    return v;
}

struct Peaks {
    std::vector<double> positions, heights;
    int found = -1;
};

Peaks findPeaks(const std::vector<double> &shift, const std::vector<double> &values, int capacity)
{
    Peaks p;
    p.positions.assign(size_t(capacity) + 4, kSentinel);
    p.heights.assign(size_t(capacity) + 4, kSentinel);
    p.found = find_raman_peaks(shift.data(), values.data(), int(values.size()), p.positions.data(),
                               p.heights.data(), capacity);
    return p;
}

void verifyUntouchedFrom(const std::vector<double> &buffer, size_t from)
{
    for (size_t i = from; i < buffer.size(); ++i)
        QCOMPARE(buffer[i], kSentinel);
}

std::vector<double> baselineOf(const std::vector<double> &y)
{
    std::vector<double> b(y.size() + 4, kSentinel);
    extract_spec_baseline(y.data(), int(y.size()), b.data());
    verifyUntouchedFrom(b, y.size()); // exactly as many values as given
    b.resize(y.size());
    return b;
}

} // namespace

class TestRamanTools : public QObject
{
    Q_OBJECT
private slots:
    void baselineOfShortFlatAndBrokenDataIsSound()
    {
        for (int n : {0, 1, 3, 40}) {
            std::vector<double> y(size_t(n), 0.0);
            for (int i = 0; i < n; ++i)
                y[size_t(i)] = 10.0 + (i % 3);
            for (double v : baselineOf(y))
                QVERIFY(std::isfinite(v));
        }
        // Too short for a curve: flat under the data.
        QVERIFY(baselineOf({7.0, 3.0}) == std::vector<double>({3.0, 3.0}));
        // A smooth signal is its own baseline to the bit, so nothing clean is left of it.
        const std::vector<double> slope = range(100.0, 100.0 + 2.5 * 299, 2.5);
        QVERIFY(baselineOf(slope) == slope);
        // Unknown samples are bridged instead of poisoning the whole curve.
        for (double level : {0.0, 250.0}) {
            std::vector<double> y(60, level);
            y[20] = kNaN;
            y[21] = std::numeric_limits<double>::infinity();
            for (double v : baselineOf(y))
                QVERIFY(std::fabs(v - level) < 1e-6);
        }
    }

    void shiftGridDependsOnlyOnTheAxis()
    {
        SyntheticRamanSpectrum s;
        s.lines = {{1500, 900}};
        const std::vector<double> axis = s.axis();
        const Converted a = convert(axis, s.values());
        const Converted b = convert(axis, std::vector<double>(axis.size(), 1.0));
        QVERIFY(a.count > 0);
        QCOMPARE(a.count, b.count);
        QVERIFY(std::equal(a.shift.begin(), a.shift.begin() + a.count, b.shift.begin()));

        // Multiples of the step from the first Stokes shift to the last shift of the axis.
        const double lastShift = raman::ramanShift(axis.back());
        QCOMPARE(a.shift[0], 0.0);
        QVERIFY(a.shift[size_t(a.count - 1)] <= lastShift && a.shift[size_t(a.count - 1)] > lastShift - kStep);
        for (int i = 1; i < a.count; ++i)
            QCOMPARE(a.shift[size_t(i)] - a.shift[size_t(i - 1)], kStep);
        verifyUntouchedFrom(a.shift, size_t(a.count));

        // An axis beginning on the Stokes side starts at the next multiple of the step.
        const std::vector<double> red = range(600, 700);
        QCOMPARE(convert(red, std::vector<double>(red.size(), 1.0)).shift[0],
                 std::ceil(raman::ramanShift(600) / kStep) * kStep);

        // Values past the capacity are not written.
        const Converted cut = convert(axis, s.values(), 100);
        QCOMPARE(cut.count, 100);
        QVERIFY(std::equal(cut.shift.begin(), cut.shift.begin() + 100, a.shift.begin()));
        verifyUntouchedFrom(cut.shift, 100);
        verifyUntouchedFrom(cut.values, 100);
    }

    void unusableAxesConvertToNothing()
    {
        std::vector<double> descending = range(560, 700);
        std::reverse(descending.begin(), descending.end());
        std::vector<double> repeated = range(560, 700);
        repeated[10] = repeated[9];
        // All anti-Stokes, descending, repeated, a single point.
        for (const std::vector<double> &axis : {range(340, 500), descending, repeated, std::vector<double>{600.0}}) {
            const Converted c = convert(axis, std::vector<double>(axis.size(), 1.0));
            QCOMPARE(c.count, 0);
            verifyUntouchedFrom(c.shift, 0);
        }
        const std::vector<double> fine = range(560, 700), ones(fine.size(), 1.0);
        for (double step : {0.0, -5.0, kNaN})
            QCOMPARE(convert(fine, ones, 4000, step).count, 0);
        QCOMPARE(convert(fine, ones, 0).count, 0);
    }

    void peakSearchKeepsTheStrongestWithinTheCapacity()
    {
        const std::vector<double> grid = range(0, 4000, kStep);
        std::vector<RamanLine> lines;
        for (int i = 0; i < 15; ++i) // heights not in shift order
            lines.push_back({200.0 + 250.0 * i, 100.0 + double((i * 7) % 15) * 50.0});
        const std::vector<double> v = linesOnGrid(grid, lines, 10.0);

        const Peaks p = findPeaks(grid, v, 10);
        QCOMPARE(p.found, 10);
        verifyUntouchedFrom(p.positions, 10);
        verifyUntouchedFrom(p.heights, 10);
        std::sort(lines.begin(), lines.end(), [](const RamanLine &a, const RamanLine &b) { return a.amplitude > b.amplitude; });
        lines.resize(10);
        std::sort(lines.begin(), lines.end(), [](const RamanLine &a, const RamanLine &b) { return a.shift < b.shift; });
        for (size_t i = 0; i < 10; ++i) {
            QVERIFY(std::fabs(p.positions[i] - lines[i].shift) <= kStep);
            QVERIFY(std::fabs(p.heights[i] - lines[i].amplitude) < 0.1 * lines[i].amplitude);
        }

        const Peaks three = findPeaks(grid, v, 3);
        QCOMPARE(three.found, 3);
        verifyUntouchedFrom(three.positions, 3);
        QCOMPARE(findPeaks(grid, v, 0).found, 0);
    }

    void weakCrowdedAndFlatMaxima()
    {
        // 1010 sits closer than the minimum separation to the higher 1000;
        // 1100 rises only 3 % of the range.
        const std::vector<double> grid = range(900, 1200);
        const Peaks p = findPeaks(grid, linesOnGrid(grid, {{1000, 100}, {1010, 80}, {1040, 60}, {1100, 3}}, 2.0), 10);
        QCOMPARE(p.found, 2);
        QVERIFY(std::fabs(p.positions[0] - 1000) < 1.0);
        QVERIFY(std::fabs(p.positions[1] - 1040) < 1.0);

        // A plateau is one peak, placed at its middle.
        const Peaks q = findPeaks({0, 5, 10, 15, 20, 25, 30}, {0, 0, 5, 5, 5, 0, 0}, 10);
        QCOMPARE(q.found, 1);
        QCOMPARE(q.positions[0], 15.0);
        QCOMPARE(q.heights[0], 5.0);

        // Zeros, a flat line, a ramp and NaN have none; nor have fewer than three points.
        const std::vector<double> flat = range(0, 500, kStep);
        for (const std::vector<double> &v : {std::vector<double>(flat.size(), 0.0), std::vector<double>(flat.size(), 42.0),
                                             flat, std::vector<double>(flat.size(), kNaN)}) {
            const Peaks none = findPeaks(flat, v, 10);
            QCOMPARE(none.found, 0);
            verifyUntouchedFrom(none.positions, 0);
        }
        const double few[] = {1.0, 9.0, 1.0};
        double pos[10], h[10];
        for (int n : {0, 1, 2})
            QCOMPARE(find_raman_peaks(flat.data(), few, n, pos, h, 10), 0);
    }
};

QTEST_APPLESS_MAIN(TestRamanTools)
#include "tst_raman_tools.moc"
