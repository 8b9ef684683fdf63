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

std::vector<double> wavelengthAxis(int from, int to)
{
    std::vector<double> a;
    for (int w = from; w <= to; ++w)
        a.push_back(w);
    return a;
}

struct Converted {
    std::vector<double> shift, values;
    int count = -1;
};

Converted convert(const std::vector<double> &axis, const std::vector<double> &values, int capacity,
                  double step = kStep)
{
    Converted c;
    c.shift.assign(size_t(capacity) + 8, kSentinel);
    c.values.assign(size_t(capacity) + 8, kSentinel);
    c.count = 77;
    spec2ramanwithstep(axis.data(), values.data(), c.shift.data(), c.values.data(), &c.count,
                       int(axis.size()), step, capacity);
    return c;
}

// Gaussian lines on a uniform shift grid, with off-grid centres.
std::vector<double> linesOnGrid(const std::vector<double> &grid, const std::vector<RamanLine> &lines,
                                double sigma)
{
    std::vector<double> v(grid.size(), 0.0);
    for (size_t i = 0; i < grid.size(); ++i)
        for (const RamanLine &l : lines) {
            const double x = (grid[i] - l.shift) / sigma;
            v[i] += l.amplitude * std::exp(-0.5 * x * x);
        }
    return v;
}

std::vector<double> uniformGrid(double from, double to, double step)
{
    std::vector<double> g;
    for (double s = from; s <= to; s += step)
        g.push_back(s);
    return g;
}

struct Peaks {
    std::vector<double> positions, heights;
    int found = -1;
};

Peaks findPeaks(const std::vector<double> &shift, const std::vector<double> &values, int capacity)
{
    Peaks p;
    p.positions.assign(size_t(std::max(capacity, 0)) + 4, kSentinel);
    p.heights.assign(size_t(std::max(capacity, 0)) + 4, kSentinel);
    p.found = find_raman_peaks(shift.data(), values.data(), int(values.size()), p.positions.data(),
                               p.heights.data(), capacity);
    return p;
}

void verifyUntouchedFrom(const std::vector<double> &buffer, size_t from)
{
    for (size_t i = from; i < buffer.size(); ++i)
        QCOMPARE(buffer[i], kSentinel);
}

} // namespace

class TestRamanTools : public QObject
{
    Q_OBJECT
private slots:
    void baselineFollowsTheFluorescenceUnderTheLines()
    {
        SyntheticRamanSpectrum s;
        s.lines = {{1200, 800}, {1600, 1500}, {2450, 600}, {3050, 1000}};
        const std::vector<double> axis = s.axis();
        const std::vector<double> all = s.values();
        // The Raman region of the measurement, as the store passes it.
        const size_t k = size_t(562 - s.firstWavelength);
        const std::vector<double> y(all.begin() + long(k), all.end());
        std::vector<double> b(y.size(), 0.0);
        extract_spec_baseline(y.data(), int(y.size()), b.data());

        for (size_t i = 0; i < y.size(); ++i) {
            const double w = axis[k + i];
            if (s.linesAt(w) < 1.0)
                QVERIFY2(std::fabs(b[i] - s.fluorescence(w)) < 0.02 * s.humpAmplitude,
                         qPrintable(QString("baseline off the hump at %1 nm").arg(w)));
        }
        for (const RamanLine &l : s.lines) {
            const size_t i = size_t(std::lround(SyntheticRamanSpectrum::wavelengthOfShift(l.shift))) - 562;
            QVERIFY(b[i] < s.fluorescence(axis[k + i]) + 0.1 * l.amplitude);
            QVERIFY(y[i] - b[i] > 0.6 * l.amplitude);
        }

        std::vector<double> again(y.size(), 0.0);
        extract_spec_baseline(y.data(), int(y.size()), again.data());
        QVERIFY(again == b); // deterministic to the bit
    }

    void baselineWritesExactlyTheGivenLength()
    {
        for (int n : {0, 1, 2, 3, 40}) {
            std::vector<double> y(size_t(n), 0.0);
            for (int i = 0; i < n; ++i)
                y[size_t(i)] = 10.0 + (i % 3);
            std::vector<double> b(size_t(n) + 4, kSentinel);
            extract_spec_baseline(y.data(), n, b.data());
            verifyUntouchedFrom(b, size_t(n));
            for (int i = 0; i < n; ++i)
                QVERIFY(std::isfinite(b[size_t(i)]));
        }
        // Too short for a curve: flat under the data.
        const double two[2] = {7.0, 3.0};
        double out[2] = {0, 0};
        extract_spec_baseline(two, 2, out);
        QCOMPARE(out[0], 3.0);
        QCOMPARE(out[1], 3.0);
    }

    void baselineOfFlatAndBrokenDataIsSound()
    {
        const std::vector<double> flat(60, 250.0);
        std::vector<double> b(60, kSentinel);
        extract_spec_baseline(flat.data(), 60, b.data());
        for (double v : b)
            QVERIFY(std::fabs(v - 250.0) < 1e-6);

        // A smooth signal is its own baseline to the bit, so nothing clean is left of it.
        std::vector<double> slope(300);
        for (size_t i = 0; i < slope.size(); ++i)
            slope[i] = 100.0 + 2.5 * double(i);
        std::vector<double> sloped(slope.size(), kSentinel);
        extract_spec_baseline(slope.data(), int(slope.size()), sloped.data());
        QVERIFY(sloped == slope);

        const std::vector<double> zeros(60, 0.0);
        extract_spec_baseline(zeros.data(), 60, b.data());
        for (double v : b)
            QVERIFY(std::fabs(v) < 1e-9);

        // Unknown samples are bridged instead of poisoning the whole curve.
        std::vector<double> gappy(60, 100.0);
        gappy[20] = std::numeric_limits<double>::quiet_NaN();
        gappy[21] = std::numeric_limits<double>::infinity();
        extract_spec_baseline(gappy.data(), 60, b.data());
        for (double v : b)
            QVERIFY(std::fabs(v - 100.0) < 1e-6);
    }

    void shiftGridDependsOnlyOnTheAxis()
    {
        SyntheticRamanSpectrum s;
        s.lines = {{1500, 900}};
        const std::vector<double> axis = s.axis();
        const Converted a = convert(axis, s.values(), 4000);
        const Converted b = convert(axis, std::vector<double>(axis.size(), 1.0), 4000);
        QVERIFY(a.count > 0);
        QCOMPARE(a.count, b.count);
        QVERIFY(std::equal(a.shift.begin(), a.shift.begin() + a.count, b.shift.begin()));

        // Multiples of the step from the first Stokes shift to the last shift of the axis.
        const double lastShift = raman::ramanShift(axis.back());
        QCOMPARE(a.shift[0], 0.0);
        QVERIFY(a.shift[size_t(a.count - 1)] <= lastShift);
        QVERIFY(a.shift[size_t(a.count - 1)] > lastShift - kStep);
        for (int i = 1; i < a.count; ++i)
            QCOMPARE(a.shift[size_t(i)] - a.shift[size_t(i - 1)], kStep);
        verifyUntouchedFrom(a.shift, size_t(a.count));

        // An axis beginning on the Stokes side starts at the next multiple of the step.
        const std::vector<double> red = wavelengthAxis(600, 700);
        const Converted r = convert(red, std::vector<double>(red.size(), 1.0), 4000);
        QCOMPARE(r.shift[0], std::ceil(raman::ramanShift(600) / kStep) * kStep);
    }

    void conversionInterpolatesLinearlyAndKeepsSums()
    {
        const std::vector<double> axis = wavelengthAxis(520, 800);
        std::vector<double> linear, a, b, sum;
        for (double w : axis) {
            linear.push_back(2.0 * raman::ramanShift(w) + 7.0);
            a.push_back(std::sin(w * 0.37) * 100.0 + 200.0);
            b.push_back(std::cos(w * 0.11) * 30.0 + 40.0);
            sum.push_back(a.back() + b.back());
        }
        // Values linear in the shift are reproduced exactly at every grid point.
        const Converted l = convert(axis, linear, 4000);
        for (int i = 0; i < l.count; ++i)
            QVERIFY(std::fabs(l.values[size_t(i)] - (2.0 * l.shift[size_t(i)] + 7.0)) < 1e-6);

        const Converted ca = convert(axis, a, 4000);
        const Converted cb = convert(axis, b, 4000);
        const Converted cs = convert(axis, sum, 4000);
        QVERIFY(cs.count > 100);
        for (int i = 0; i < cs.count; ++i)
            QVERIFY(std::fabs(cs.values[size_t(i)] - (ca.values[size_t(i)] + cb.values[size_t(i)])) < 1e-9);
    }

    void conversionStopsAtTheCapacity()
    {
        const std::vector<double> axis = wavelengthAxis(340, 1020);
        const std::vector<double> values(axis.size(), 3.0);
        const Converted full = convert(axis, values, 4000);
        const Converted cut = convert(axis, values, 100);
        QCOMPARE(cut.count, 100);
        QVERIFY(std::equal(cut.shift.begin(), cut.shift.begin() + 100, full.shift.begin()));
        verifyUntouchedFrom(cut.shift, 100);
        verifyUntouchedFrom(cut.values, 100);
    }

    void unusableAxesConvertToNothing()
    {
        const std::vector<double> blue = wavelengthAxis(340, 500); // all anti-Stokes
        std::vector<double> descending = wavelengthAxis(560, 700);
        std::reverse(descending.begin(), descending.end());
        std::vector<double> repeated = wavelengthAxis(560, 700);
        repeated[10] = repeated[9];
        const std::vector<double> single{600.0};

        for (const std::vector<double> *axis :
             std::initializer_list<const std::vector<double> *>{&blue, &descending, &repeated, &single}) {
            const Converted c = convert(*axis, std::vector<double>(axis->size(), 1.0), 4000);
            QCOMPARE(c.count, 0);
            verifyUntouchedFrom(c.shift, 0);
        }
        const std::vector<double> fine = wavelengthAxis(560, 700);
        const std::vector<double> ones(fine.size(), 1.0);
        for (double step : {0.0, -5.0, std::numeric_limits<double>::quiet_NaN()})
            QCOMPARE(convert(fine, ones, 4000, step).count, 0);
        QCOMPARE(convert(fine, ones, 0).count, 0);
    }

    void peaksAreFoundAtTheLineShifts()
    {
        const std::vector<double> grid = uniformGrid(0, 4000, kStep);
        const std::vector<RamanLine> lines = {{612.3, 400}, {1001.7, 1200}, {1583.2, 700}, {2931.9, 300}};
        std::vector<double> v = linesOnGrid(grid, lines, 12.0);
        uint32_t state = 7u;
        for (double &x : v) {
            state = state * 1664525u + 1013904223u;
            x += 6.0 * (double(state >> 8) / double(1u << 24)); // small non-negative noise
        }
        const Peaks p = findPeaks(grid, v, 10);
        QCOMPARE(p.found, int(lines.size()));
        for (size_t i = 0; i < lines.size(); ++i) {
            QVERIFY2(std::fabs(p.positions[i] - lines[i].shift) <= kStep,
                     qPrintable(QString("peak %1 at %2").arg(lines[i].shift).arg(p.positions[i])));
            QVERIFY(std::fabs(p.heights[i] - lines[i].amplitude) < 0.1 * lines[i].amplitude);
        }
        verifyUntouchedFrom(p.positions, lines.size());
    }

    void peakSearchKeepsTheStrongestWithinTheCapacity()
    {
        const std::vector<double> grid = uniformGrid(0, 4000, kStep);
        std::vector<RamanLine> lines;
        for (int i = 0; i < 15; ++i) // heights not in shift order
            lines.push_back({200.0 + 250.0 * i, 100.0 + double((i * 7) % 15) * 50.0});
        const std::vector<double> v = linesOnGrid(grid, lines, 10.0);

        const Peaks p = findPeaks(grid, v, 10);
        QCOMPARE(p.found, 10);
        verifyUntouchedFrom(p.positions, 10);
        verifyUntouchedFrom(p.heights, 10);
        std::vector<RamanLine> strongest = lines;
        std::sort(strongest.begin(), strongest.end(),
                  [](const RamanLine &a, const RamanLine &b) { return a.amplitude > b.amplitude; });
        strongest.resize(10);
        std::sort(strongest.begin(), strongest.end(),
                  [](const RamanLine &a, const RamanLine &b) { return a.shift < b.shift; });
        for (int i = 0; i < 10; ++i)
            QVERIFY(std::fabs(p.positions[size_t(i)] - strongest[size_t(i)].shift) <= kStep);

        const Peaks three = findPeaks(grid, v, 3);
        QCOMPARE(three.found, 3);
        verifyUntouchedFrom(three.positions, 3);
        QCOMPARE(findPeaks(grid, v, 0).found, 0);
    }

    void weakAndCrowdedMaximaAreNotPeaks()
    {
        const std::vector<double> grid = uniformGrid(900, 1200, 1.0);
        // 1010 sits closer than the minimum separation to the higher 1000;
        // 1100 rises only 3 % of the range.
        const std::vector<double> v = linesOnGrid(
            grid, {{1000, 100}, {1010, 80}, {1040, 60}, {1100, 3}}, 2.0);
        const Peaks p = findPeaks(grid, v, 10);
        QCOMPARE(p.found, 2);
        QVERIFY(std::fabs(p.positions[0] - 1000) < 1.0);
        QVERIFY(std::fabs(p.positions[1] - 1040) < 1.0);

        // A plateau is one peak, placed at its middle.
        const std::vector<double> shift{0, 5, 10, 15, 20, 25, 30};
        const std::vector<double> plateau{0, 0, 5, 5, 5, 0, 0};
        const Peaks q = findPeaks(shift, plateau, 10);
        QCOMPARE(q.found, 1);
        QCOMPARE(q.positions[0], 15.0);
        QCOMPARE(q.heights[0], 5.0);
    }

    void degenerateSpectraHaveNoPeaks()
    {
        const std::vector<double> grid = uniformGrid(0, 500, kStep);
        const std::vector<double> zeros(grid.size(), 0.0);
        const std::vector<double> flat(grid.size(), 42.0);
        std::vector<double> ramp, nans(grid.size(), std::numeric_limits<double>::quiet_NaN());
        for (double s : grid)
            ramp.push_back(s * 0.5);
        for (const std::vector<double> *v :
             std::initializer_list<const std::vector<double> *>{&zeros, &flat, &ramp, &nans}) {
            const Peaks p = findPeaks(grid, *v, 10);
            QCOMPARE(p.found, 0);
            verifyUntouchedFrom(p.positions, 0);
        }
        for (int n : {0, 1, 2}) {
            const std::vector<double> few{1.0, 9.0, 1.0};
            double pos[10], h[10];
            QCOMPARE(find_raman_peaks(grid.data(), few.data(), n, pos, h, 10), 0);
        }
    }
};

QTEST_APPLESS_MAIN(TestRamanTools)
#include "tst_raman_tools.moc"
