// How far the Raman peak list can be trusted, over seeded shot-noise measurements on the
// device's axis through the store's Raman path: reference substances, single lines, lines
// before the start of the clean spectrum and a weak pair on fluorescence humps centred from
// 600 to 800 nm, bright, dim and weak, with lines as narrow as the device gives, 2.5 nm, as
// wide as it gives, and each anywhere between; blanks on such humps; and humps so bright that
// the detector clips a third of them, blank or with a sample's lines before the clipped top;
// and where noise-free lines are listed. Each figure is printed beside its target, then the
// time of the whole path. A group counts wherever the detector does not clip it.
// --seed=N draws anew; --only=samples,single,flank,pair,before,placed,noisefree,blanks,
// clippedblanks,clipped and --widths=1.5,2.5,4,range judge some sets alone, on the same draw;
// --show-phantoms prints to stderr each spectrum that lists a phantom; --dump=DIR writes the
// judged spectra for a peer pipeline (see SpectrumDump).
#include "PublishedRamanSamples.h"
#include "ShotNoiseRamanSpectrum.h"
#include "store/RamanPipeline.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <string>
#include <type_traits>
#include <vector>

namespace {

constexpr int kSamples = 6000;
constexpr int kSingleLines = 9000;
constexpr int kBlanks = 6000;
// Tops of lines closer than this (nm), or than kGroupWidths of the wider line's width at half
// maximum, are one group on the 1 nm axis: no noise tells them apart.
constexpr double kGroupNm = 2.5;
constexpr double kGroupWidths = 1.5;
constexpr double kFwhmPerSigma = 2.3548200450309493;
// A listed peak further than this (cm^-1) beyond every group, and further than kPlaceErrors
// standard errors of its place from each of its lines, is a phantom.
constexpr double kFar = 15.0;
constexpr double kPlaceErrors = 3.0;
// Groups from here (cm^-1) on lie in the clean spectrum with both flanks; before, the start
// of the data cuts them.
constexpr double kCountedFrom = 1010.0;
// Phantoms closer than this (cm^-1) to a group are that group's line listed off its place.
constexpr double kBeside = 40.0;
// Groups from this local signal-to-noise on must be listed.
constexpr double kVisible = 8.0;
// Lines below this (nm) lie under the laser edge, outside the clean spectrum.
constexpr double kCleanFromNm = ramanpipeline::kBaselineStartNm - 0.5;
// --show-phantoms prints each spectrum that lists a phantom: its groups and the peaks listed.
bool g_showPhantoms = false;
// Hump heights (counts): bright, dim, weak.
const double kHumps[] = {50000.0, 5000.0, 500.0};

// Solves the first `n` rows and columns of `a` x = `b` by Gauss-Jordan elimination; the
// systems here are normal equations, which need no pivoting. False where a pivot vanishes
// beside the first diagonal entry.
bool solveNormalEquations(int n, const double (&a)[4][4], const double (&b)[4], double (&x)[4])
{
    double m[4][5] = {};
    for (int r = 0; r < n; ++r) {
        for (int k = 0; k < n; ++k)
            m[r][k] = a[r][k];
        m[r][n] = b[r];
    }
    for (int col = 0; col < n; ++col) {
        if (!(std::fabs(m[col][col]) > 1e-12 * (1.0 + std::fabs(a[0][0]))))
            return false;
        for (int r = 0; r < n; ++r) {
            if (r == col)
                continue;
            const double factor = m[r][col] / m[col][col];
            for (int k = col; k <= n; ++k)
                m[r][k] -= factor * m[col][k];
        }
    }
    for (int r = 0; r < n; ++r)
        x[r] = m[r][n] / m[r][r];
    return true;
}

// Cramer-Rao standard deviation (cm^-1) of a line's place from the clean spectrum's device
// samples (562 nm on) within four of its standard deviations, under the shot noise of the
// counts there: with its height, a level and a slope unknown too, or (`placeOnly`) with
// everything but the place known. Infinite where those samples fix no place.
double placeBound(const SyntheticRamanSpectrum &sample, const RamanLine &line, bool placeOnly)
{
    const double width = line.width > 0.0 ? line.width : sample.lineWidth;
    const double top = SyntheticRamanSpectrum::wavelengthOfShift(line.shift);
    double f[4][4] = {};
    for (double w = std::max(ramanpipeline::kBaselineStartNm, std::ceil(top - 4.0 * width)); w <= top + 4.0 * width; w += 1.0) {
        const double d = (w - top) / width;
        const double g = std::exp(-0.5 * d * d);
        const double variance = std::max(1.0, sample.fluorescence(w) + sample.linesAt(w));
        const double v[4] = {line.amplitude * g * d / width, g, 1.0, w - top};
        for (int r = 0; r < 4; ++r)
            for (int k = 0; k < 4; ++k)
                f[r][k] += v[r] * v[k] / variance;
    }
    // The place's variance: the first diagonal entry of the inverse.
    const double first[4] = {1.0, 0.0, 0.0, 0.0};
    double inverse[4];
    if (!solveNormalEquations(placeOnly ? 1 : 4, f, first, inverse) || !(inverse[0] > 0.0))
        return std::numeric_limits<double>::infinity();
    return std::sqrt(inverse[0]) * 1e7 / (top * top);
}

// Where maximum likelihood places a lone line from noisy `counts`, knowing its width: the
// top of the Gaussian of that width over a sloped level, weighted by the expected counts, that
// best matches the samples placeBound reads, sought within 1.5 of its standard deviations of
// the true top (cm^-1): what the data allow a list that knew the width and where to look.
double likeliestPlace(const SyntheticRamanSpectrum &sample, const RamanLine &line, const std::vector<double> &counts)
{
    const double width = line.width > 0.0 ? line.width : sample.lineWidth;
    const double top = SyntheticRamanSpectrum::wavelengthOfShift(line.shift);
    std::vector<double> x, y, weight;
    for (double w = std::max(ramanpipeline::kBaselineStartNm, std::ceil(top - 4.0 * width)); w <= top + 4.0 * width; w += 1.0) {
        const size_t at = size_t(std::lround(w - sample.firstWavelength));
        if (at >= counts.size())
            continue;
        x.push_back(w - top);
        y.push_back(counts[at]);
        weight.push_back(1.0 / std::max(1.0, sample.fluorescence(w) + sample.linesAt(w)));
    }
    constexpr int kSteps = 300;
    double best = std::numeric_limits<double>::infinity(), place = top;
    for (int k = 0; k <= kSteps; ++k) {
        const double centre = width * (3.0 * k / kSteps - 1.5);
        // Weighted normal equations of a * g + b + s * x.
        double m[4][4] = {}, v[4] = {}, yy = 0.0;
        for (size_t i = 0; i < x.size(); ++i) {
            const double d = (x[i] - centre) / width;
            const double f[3] = {std::exp(-0.5 * d * d), 1.0, x[i]};
            for (int r = 0; r < 3; ++r) {
                for (int c = 0; c < 3; ++c)
                    m[r][c] += weight[i] * f[r] * f[c];
                v[r] += weight[i] * f[r] * y[i];
            }
            yy += weight[i] * y[i] * y[i];
        }
        double solution[4];
        if (!solveNormalEquations(3, m, v, solution))
            continue;
        const double unexplained = yy - (solution[0] * v[0] + solution[1] * v[1] + solution[2] * v[2]);
        if (solution[0] > 0.0 && unexplained < best) {
            best = unexplained;
            place = top + centre;
        }
    }
    return 1e7 / raman::kExcitationWavelengthNm - 1e7 / place;
}

struct Group {
    double from = 0.0, to = 0.0; // cm^-1
    double reach = kFar;         // a peak this near its span (cm^-1) is one of its lines
    double signalToNoise = 0.0;  // of its strongest line
    double strongest = 0.0;      // height of that line
    bool listable = false;       // the detector does not clip it
    double brightest = 0.0;      // counts at its brightest top without noise
    double tallest = 0.0;        // its top's height over the fluorescence
    bool inCleanSpectrum = false; // its lines lie where the clean spectrum has values
    int lines = 0;                // how many it joins
    double placeError = 0.0;      // its last line's (cm^-1, one standard deviation), where the data hold that top
};

struct Measurement {
    std::string name;
    SyntheticRamanSpectrum sample;
    std::vector<Group> groups;
};

QList<double> deviceAxis()
{
    const std::vector<double> axis = fluorescentSample(0.0).axis();
    return QList<double>(axis.begin(), axis.end());
}

QList<double> peaksOf(const std::vector<double> &counts)
{
    static const QList<double> axis = deviceAxis();
    RamanResults results;
    computeRamanResults(axis, QList<double>(counts.begin(), counts.end()), results);
    return results.peakPositions;
}

// Wavelength (nm) of the top that a line's profile climbs to among all lines: a line
// standing on the flank of a stronger one, with no top of its own, is a shoulder of it.
double topOf(const SyntheticRamanSpectrum &sample, double nm)
{
    constexpr double step = 0.01;
    const double direction = sample.linesAt(nm + step) >= sample.linesAt(nm - step) ? step : -step;
    while (sample.linesAt(nm + direction) > sample.linesAt(nm))
        nm += direction;
    return nm;
}

// The lines of the spectrum, joined into the groups the axis cannot separate: lines that rise
// to tops closer than kGroupNm or kGroupWidths of the wider one's width at half maximum (no
// dip between them survives the noise), shoulders with the line they stand on.
std::vector<Group> groupsOf(const SyntheticRamanSpectrum &sample)
{
    struct Placed { RamanLine line; double top; };
    std::vector<Placed> placed;
    for (const RamanLine &line : sample.lines)
        placed.push_back({line, topOf(sample, SyntheticRamanSpectrum::wavelengthOfShift(line.shift))});
    std::sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) { return a.top < b.top; });
    std::vector<Group> groups;
    double lastTop = -1e9, lastFwhm = 0.0;
    for (const Placed &p : placed) {
        const double fwhm = kFwhmPerSigma * (p.line.width > 0.0 ? p.line.width : sample.lineWidth);
        if (groups.empty() || p.top - lastTop >= std::max(kGroupNm, kGroupWidths * std::max(fwhm, lastFwhm)))
            groups.push_back({p.line.shift, p.line.shift});
        Group &g = groups.back();
        // Where the data hold its top, a line may be listed as far off as they place it.
        g.lines += 1;
        if (p.top >= ramanpipeline::kBaselineStartNm) {
            g.placeError = placeBound(sample, p.line, false);
            g.reach = std::max(g.reach, kPlaceErrors * g.placeError);
        }
        g.inCleanSpectrum = g.inCleanSpectrum || p.top >= kCleanFromNm;
        g.brightest = std::max(g.brightest, sample.fluorescence(p.top) + sample.linesAt(p.top));
        g.tallest = std::max(g.tallest, sample.linesAt(p.top));
        // A group spans its lines and the tops they climb to: lines wider than their distance
        // make one top between them, which is where a peak list finds them.
        g.from = std::min({g.from, p.line.shift, raman::ramanShift(p.top)});
        g.to = std::max({g.to, p.line.shift, raman::ramanShift(p.top)});
        if (p.line.amplitude > g.strongest) {
            g.strongest = p.line.amplitude;
            g.signalToNoise = localSignalToNoise(sample, p.line);
        }
        lastTop = p.top;
        lastFwhm = fwhm;
    }
    // A line whose top the detector clips (within three shot-noise widths) is no line to list.
    for (Group &g : groups)
        g.listable = g.brightest < kFullScaleCounts - 3.0 * std::sqrt(kFullScaleCounts);
    return groups;
}

bool within(const Group &g, double peak, double reach)
{
    return peak >= g.from - reach && peak <= g.to + reach;
}

bool listedIn(const QList<double> &peaks, const Group &g)
{
    return std::any_of(peaks.begin(), peaks.end(), [&g](double p) { return within(g, p, g.reach); });
}

bool anyPhantom(const QList<double> &peaks, const std::vector<Group> &groups)
{
    return std::any_of(peaks.begin(), peaks.end(), [&groups](double p) {
        return std::none_of(groups.begin(), groups.end(), [p](const Group &g) { return within(g, p, g.reach); });
    });
}

bool anyBeyond(const QList<double> &peaks, const std::vector<Group> &groups, double reach)
{
    return std::any_of(peaks.begin(), peaks.end(), [&groups, reach](double p) {
        return std::none_of(groups.begin(), groups.end(), [p, reach](const Group &g) { return within(g, p, reach); });
    });
}

// The chance that a place found as well as the data allow (unbiased, Gaussian, at the bound)
// lies beyond the reach of a listed lone line: how often the phantom rule fires by the noise
// alone. Groups of several lines are left out, so it is a lower bound.
double chanceOfUnavoidablePhantom(const QList<double> &peaks, const std::vector<Group> &groups)
{
    double none = 1.0;
    for (const Group &g : groups)
        if (g.lines == 1 && g.placeError > 0.0 && std::isfinite(g.placeError) && listedIn(peaks, g))
            none *= 1.0 - std::erfc(g.reach / (g.placeError * std::sqrt(2.0)));
    return 1.0 - none;
}

struct Tally {
    long hits = 0, of = 0;
    void add(bool hit) { hits += hit ? 1 : 0, of += 1; }
    double percent() const { return of > 0 ? 100.0 * double(hits) / double(of) : 0.0; }
    double perThousand() const { return of > 0 ? 1000.0 * double(hits) / double(of) : 0.0; }
};

// Line widths the device gives, at half maximum (nm): as narrow as its optics allow, and
// as wide as its widest slit.
constexpr double kNarrowFwhm = 1.5;
constexpr double kMiddleFwhm = 2.5;
constexpr double kWideFwhm = 4.0;
enum class Widths { Narrow, Middle, Wide, Range };
const Widths kWidths[] = {Widths::Narrow, Widths::Middle, Widths::Wide, Widths::Range};

const char *nameOf(Widths kind)
{
    return kind == Widths::Narrow ? "lines 1.5 nm FWHM"
        : kind == Widths::Middle  ? "lines 2.5 nm FWHM"
        : kind == Widths::Wide    ? "lines 4 nm FWHM"
                                  : "each line 1.5-4 nm FWHM";
}

// Gives each line a width (standard deviation, nm) of the kind: each its own over the range.
void widen(std::vector<RamanLine> &lines, Widths kind, ShotNoise &draw)
{
    for (RamanLine &line : lines) {
        const double fwhm = kind == Widths::Narrow ? kNarrowFwhm
            : kind == Widths::Middle               ? kMiddleFwhm
            : kind == Widths::Wide                 ? kWideFwhm
                                                   : kNarrowFwhm + (kWideFwhm - kNarrowFwhm) * draw.uniform();
        line.width = fwhm / kFwhmPerSigma;
    }
}

Measurement measured(std::string name, const SyntheticRamanSpectrum &sample)
{
    Measurement m{std::move(name), sample, {}};
    m.groups = groupsOf(m.sample);
    return m;
}

// A hump's centre (nm), anywhere from 600 to 800 nm.
double humpCentre(ShotNoise &draw)
{
    return 600.0 + 200.0 * draw.uniform();
}

// A reference substance on a random hump, its strongest line 5 to 80 shot-noise widths of the hump's top.
Measurement sampleMeasurement(int k, Widths kind, ShotNoise &draw)
{
    const auto &samples = publishedRamanSamples();
    const double hump = kHumps[(k / int(samples.size())) % 3];
    const double centre = humpCentre(draw);
    const double strongest = 5.0 * std::pow(16.0, draw.uniform()) * std::sqrt(hump);
    const PublishedRamanSample &substance = samples[size_t(k) % samples.size()];
    std::vector<RamanLine> lines = scaledLines(substance, strongest);
    widen(lines, kind, draw);
    return measured(substance.name, fluorescentSample(hump, lines, centre));
}

// Height h of a line with h / sqrt(under + h) = ratio.
double heightFor(double ratio, double under)
{
    return 0.5 * (ratio * ratio + ratio * std::sqrt(ratio * ratio + 4.0 * under));
}

// One line at `shift` (cm^-1), `ratio` local noise widths high, on a hump of the k-th height
// centred at `centre` (nm).
Measurement lineOnHump(const char *name, double shift, double ratio, int k, double centre, Widths kind, ShotNoise &draw)
{
    SyntheticRamanSpectrum sample = fluorescentSample(kHumps[k % 3], {}, centre);
    const double under = sample.fluorescence(SyntheticRamanSpectrum::wavelengthOfShift(shift));
    sample.lines = {{shift, heightFor(ratio, under)}};
    widen(sample.lines, kind, draw);
    return measured(name, sample);
}

// One line anywhere from the start of the clean spectrum to 3500 cm^-1, 4 to 20 local noise widths high.
Measurement singleLineMeasurement(int k, Widths kind, ShotNoise &draw)
{
    const double centre = humpCentre(draw);
    const double shift = 1010.0 + 2490.0 * draw.uniform();
    const double ratio = 4.0 + 16.0 * draw.uniform();
    return lineOnHump("single line", shift, ratio, k, centre, kind, draw);
}

// One line before the start of the clean spectrum, 860 to 1000 cm^-1, 10 to 80 local noise
// widths high: only its flank reaches the data.
Measurement lineBeforeTheStart(int k, Widths kind, ShotNoise &draw)
{
    const double shift = 860.0 + 140.0 * draw.uniform();
    const double ratio = 10.0 * std::pow(8.0, draw.uniform());
    return lineOnHump("line before the start", shift, ratio, k, humpCentre(draw), kind, draw);
}

// One line from 1010 to 3500 cm^-1, 8 to 64 local noise widths high: how close to what the
// noise allows the list places it.
Measurement placedLine(int k, Widths kind, ShotNoise &draw)
{
    const double shift = kCountedFrom + (3500.0 - kCountedFrom) * draw.uniform();
    const double ratio = 8.0 * std::pow(8.0, draw.uniform());
    return lineOnHump("placed line", shift, ratio, k, humpCentre(draw), kind, draw);
}

// Noise-free counts: the expected counts, rounded as the detector reports them.
std::vector<double> noiseFreeCounts(const SyntheticRamanSpectrum &sample)
{
    std::vector<double> counts;
    for (double w : sample.axis())
        counts.push_back(std::round(sample.fluorescence(w) + sample.linesAt(w)));
    return counts;
}

// A single line at one of 16 shifts from 1050 to 3500 cm^-1, 0.5 to 5 % of a hump of 30000
// or 3000 counts at 740 nm high.
Measurement steepFlankLineMeasurement(int k, Widths kind, ShotNoise &draw)
{
    const double hump = k % 2 ? 3000.0 : 30000.0;
    std::vector<RamanLine> lines{{1050.0 + (3500.0 - 1050.0) * double((k / 2) % 16) / 15.0,
                                  hump * (0.005 + 0.045 * draw.uniform())}};
    widen(lines, kind, draw);
    return measured("line on the flank", fluorescentSample(hump, lines));
}

// 1253 and 1703 cm^-1 at 1 % of a hump of 30000 counts at 740 nm.
Measurement weakPairMeasurement(Widths kind, ShotNoise &draw)
{
    std::vector<RamanLine> lines{{1253.0, 300.0}, {1703.0, 300.0}};
    widen(lines, kind, draw);
    return measured("pair", fluorescentSample(30000.0, lines));
}

// A hump whose top the detector clips over 0.5 to 1.5 of its standard deviations on either
// side (60 to 180 nm, about a third of the hump), centred at 600-800 nm.
SyntheticRamanSpectrum clippedHump(ShotNoise &draw, double centre)
{
    SyntheticRamanSpectrum hump = fluorescentSample(0.0, {}, centre);
    const double clippedSigmas = 0.5 + draw.uniform();
    hump.humpAmplitude = kFullScaleCounts * std::exp(0.5 * clippedSigmas * clippedSigmas);
    return hump;
}

// A reference substance whose lines all lie before the clipped top of its hump, none of
// them clipped itself.
Measurement clippedSampleMeasurement(int k, ShotNoise &draw)
{
    const auto &samples = publishedRamanSamples();
    const PublishedRamanSample &substance = samples[size_t(k) % samples.size()];
    double lastNm = 0.0;
    for (const RamanLine &line : substance.lines)
        lastNm = std::max(lastNm, SyntheticRamanSpectrum::wavelengthOfShift(line.shift));
    SyntheticRamanSpectrum sample = clippedHump(draw, 0.0);
    const double clippedFrom = std::sqrt(2.0 * std::log(sample.humpAmplitude / kFullScaleCounts)) * sample.humpWidth;
    sample.humpCentre = lastNm + 15.0 + clippedFrom + 40.0 * draw.uniform();
    sample.lines = scaledLines(substance, 5.0 * std::pow(16.0, draw.uniform()) * std::sqrt(sample.fluorescence(lastNm)));
    widen(sample.lines, Widths::Range, draw);
    double brightest = 0.0;
    for (double w = ramanpipeline::kBaselineStartNm; w <= lastNm + 5.0; w += 0.25)
        brightest = std::max(brightest, sample.fluorescence(w) + sample.linesAt(w));
    const double room = 0.95 * kFullScaleCounts;
    if (brightest > room)
        for (RamanLine &line : sample.lines)
            line.amplitude *= (room - sample.fluorescence(lastNm + 5.0)) / (brightest - sample.fluorescence(lastNm + 5.0));
    return measured(substance.name + " (clipped)", sample);
}

// Another draw of the same kinds of spectra (--seed=N), to see how far a figure moves by chance.
uint32_t g_draw = 0;

// Seed of the k-th measurement of a set, another for every set and draw.
uint32_t seedOf(uint32_t set, int k)
{
    return 1000000u * set + uint32_t(k) + 100000000u * g_draw;
}

// The weak band's targets (single lines of S/N 5-8 listed, in %) by line width.
double weakTarget(Widths kind)
{
    return kind == Widths::Narrow ? 60.0 : 85.0;
}

// Root mean square of place errors in their standard deviations.
struct PlaceErrors {
    double squares = 0.0;
    long of = 0;
    void add(double errorInDeviations) { squares += errorInDeviations * errorInDeviations, of += 1; }
    double rms() const { return of > 0 ? std::sqrt(squares / double(of)) : 0.0; }
};

// The listed peak nearest a group, within the reach of its lines; NaN where none is.
double nearestListed(const QList<double> &peaks, const Group &g, double shift)
{
    double nearest = std::numeric_limits<double>::quiet_NaN();
    for (double p : peaks)
        if (within(g, p, g.reach) && !(std::fabs(p - shift) >= std::fabs(nearest - shift)))
            nearest = p;
    return nearest;
}

// A spectrum that lists a phantom: its groups (span, reach, S/N) and the peaks listed.
void showPhantom(const Measurement &m, const QList<double> &peaks, bool inSample)
{
    std::fprintf(stderr, "phantom in %s %s:", inSample ? "sample" : "single line", m.name.c_str());
    for (const Group &g : m.groups)
        std::fprintf(stderr, " [%.0f-%.0f reach %.1f S/N %.1f]", g.from, g.to, g.reach, g.signalToNoise);
    std::fprintf(stderr, "  peaks:");
    for (double p : peaks)
        std::fprintf(stderr, " %.1f", p);
    std::fprintf(stderr, "\n");
}

// The figures of one set of measurements.
struct Figures {
    Tally unlistable, groupsInSamples, strongestLines, strongestNearStart, singleLines, singleLinesNearThreshold, weakLines;
    double unavoidablePhantoms[2] = {0.0, 0.0};
    long likeliestPlacePhantoms = 0;
    Tally phantoms[2], phantomsBeside[2], flankMid, flankHigh, pair, beforeStartPhantoms, beforeStartListed;
    Tally noiseFreeListed, noiseFreePhantoms;
    double noiseFreeWorst = 0.0, noiseFreeWorstCut = 0.0; // cm^-1, from 1040 on and before
    static constexpr int kBands = 3;
    PlaceErrors places[kBands];
    std::map<std::string, Tally> groupsByName;

    void judge(const Measurement &m, const QList<double> &peaks, bool inSample)
    {
        const Group *strongest = nullptr;
        for (const Group &g : m.groups) {
            if (g.inCleanSpectrum && (!strongest || g.tallest > strongest->tallest))
                strongest = &g;
            if (g.signalToNoise < kVisible || g.from < kCountedFrom) {
                if (!inSample && g.signalToNoise >= 5.0 && g.signalToNoise < kVisible)
                    weakLines.add(listedIn(peaks, g));
                continue;
            }
            if (!g.listable) {
                unlistable.add(true);
                continue;
            }
            const bool listed = listedIn(peaks, g);
            (inSample ? groupsInSamples : singleLines).add(listed);
            if (inSample)
                groupsByName[m.name + " " + std::to_string(long(std::lround(g.from)))].add(!listed);
            if (!inSample && g.signalToNoise < 10.0)
                singleLinesNearThreshold.add(listed);
        }
        if (inSample && strongest && strongest->signalToNoise >= kVisible && strongest->listable) {
            strongestLines.add(listedIn(peaks, *strongest));
            if (strongest->from < 1100.0)
                strongestNearStart.add(listedIn(peaks, *strongest));
        }
        const bool phantom = anyPhantom(peaks, m.groups);
        if (phantom && g_showPhantoms)
            showPhantom(m, peaks, inSample);
        phantoms[inSample].add(phantom);
        unavoidablePhantoms[inSample] += chanceOfUnavoidablePhantom(peaks, m.groups);
        if (phantom)
            phantomsBeside[inSample].add(!anyBeyond(peaks, m.groups, kBeside));
    }

    // Whether a single line the list lists would, placed by maximum likelihood, be a phantom.
    void judgeLikeliestPlace(const Measurement &m, const QList<double> &peaks, const std::vector<double> &counts)
    {
        const Group &g = m.groups.front();
        if (listedIn(peaks, g))
            likeliestPlacePhantoms += !within(g, likeliestPlace(m.sample, m.sample.lines.front(), counts), g.reach);
    }

    // S/N here is the line's height over the shot noise of the fluorescence under it alone.
    void judgeOnFlank(const Measurement &m, const QList<double> &peaks)
    {
        const Group &g = m.groups.front();
        const RamanLine &line = m.sample.lines.front();
        const double ratio = line.amplitude / std::sqrt(m.sample.fluorescence(SyntheticRamanSpectrum::wavelengthOfShift(line.shift)));
        if (ratio >= 12.0)
            flankHigh.add(listedIn(peaks, g));
        else if (ratio >= 10.0)
            flankMid.add(listedIn(peaks, g));
    }

    void judgeBeforeStart(const Measurement &m, const QList<double> &peaks)
    {
        beforeStartPhantoms.add(anyPhantom(peaks, m.groups));
        beforeStartListed.add(listedIn(peaks, m.groups.front()));
    }

    // A single line's place error in the standard deviations of its place with only the
    // place unknown, by its S/N band: 8-12, 12-20, 20 and more.
    void judgePlace(const Measurement &m, const QList<double> &peaks)
    {
        const RamanLine &line = m.sample.lines.front();
        const double listed = nearestListed(peaks, m.groups.front(), line.shift);
        if (std::isnan(listed))
            return;
        const double ratio = m.groups.front().signalToNoise;
        places[ratio >= 20.0 ? 2 : ratio >= 12.0 ? 1 : 0].add((listed - line.shift) / placeBound(m.sample, line, true));
    }

    void judgeNoiseFree(const Measurement &m, const QList<double> &peaks)
    {
        const RamanLine &line = m.sample.lines.front();
        const double listed = nearestListed(peaks, m.groups.front(), line.shift);
        noiseFreeListed.add(!std::isnan(listed));
        noiseFreePhantoms.add(anyBeyond(peaks, m.groups, kFar));
        double &worst = line.shift >= 1040.0 ? noiseFreeWorst : noiseFreeWorstCut;
        worst = std::max(worst, std::isnan(listed) ? std::numeric_limits<double>::infinity() : std::fabs(listed - line.shift));
    }

    void printGroups() const
    {
        std::printf("  line groups of S/N >= 8 at %.0f cm^-1 and beyond in samples listed: %5.1f %% of %ld  (target >= 95 %%)\n",
                    kCountedFrom, groupsInSamples.percent(), groupsInSamples.of);
        std::vector<std::pair<std::string, Tally>> missed(groupsByName.begin(), groupsByName.end());
        std::sort(missed.begin(), missed.end(), [](const auto &a, const auto &b) { return a.second.hits > b.second.hits; });
        std::printf("    missed most often:");
        for (size_t i = 0; i < std::min<size_t>(5, missed.size()); ++i)
            std::printf("%s %s (%ld of %ld)", i ? "," : "", missed[i].first.c_str(), missed[i].second.hits, missed[i].second.of);
        std::printf("\n    not counted: groups of S/N >= 8 that clip: %ld\n", unlistable.of);
    }

    void print(Widths kind, bool clippedHumps = false) const
    {
        if (groupsInSamples.of > 0)
            printGroups();
        if (singleLines.of > 0) {
            std::printf("  single lines of S/N >= 8 listed:            %5.1f %% of %ld  (target >= 95 %%)\n",
                        singleLines.percent(), singleLines.of);
            std::printf("  single lines of S/N 8-10 listed:            %5.1f %% of %ld  (target >= 90 %%)\n",
                        singleLinesNearThreshold.percent(), singleLinesNearThreshold.of);
            std::printf("  single lines of S/N 5-8 listed:             %5.1f %% of %ld  (target >= %.0f %%)\n",
                        weakLines.percent(), weakLines.of, weakTarget(kind));
        }
        if (strongestLines.of > 0) {
            std::printf("  strongest line of a sample listed:          %5.1f %% of %ld  (target >= 99 %%)\n",
                        strongestLines.percent(), strongestLines.of);
            std::printf("    of which below 1100 cm^-1:                %5.1f %% of %ld  (target >= 99 %%)\n",
                        strongestNearStart.percent(), strongestNearStart.of);
        }
        for (int inSample : {1, 0}) {
            if (phantoms[inSample].of == 0)
                continue;
            std::printf("  %s listing a phantom (> %.0f cm^-1 and > %.0f place errors from every line): %.2f in 1000 of %ld  (target <= 1)\n",
                        inSample ? (clippedHumps ? "clipped samples" : "samples") : "single lines", kFar, kPlaceErrors,
                        phantoms[inSample].perThousand(), phantoms[inSample].of);
            std::printf("    of which every such peak lies within %.0f cm^-1 of a group: %ld of %ld\n", kBeside,
                        phantomsBeside[inSample].hits, phantomsBeside[inSample].of);
            std::printf("    listed lone lines placed as well as their data allow would list one in: %.2f in 1000\n",
                        1000.0 * unavoidablePhantoms[inSample] / double(phantoms[inSample].of));
            if (!inSample)
                std::printf("    the lines listed, placed by maximum likelihood knowing their width, would list one in: %.2f in 1000\n",
                            1000.0 * double(likeliestPlacePhantoms) / double(phantoms[0].of));
        }
        if (beforeStartPhantoms.of > 0) {
            std::printf("  lines at 860-1000 cm^-1 (before the start), S/N 10-80, listing a peak > %.0f cm^-1 off: %.2f in 1000 of %ld  (target <= 1)\n",
                        kFar, beforeStartPhantoms.perThousand(), beforeStartPhantoms.of);
            std::printf("    listed within %.0f cm^-1 of their top: %.1f %%\n", kFar, beforeStartListed.percent());
        }
        if (noiseFreeListed.of > 0) {
            std::printf("  noise-free lines of S/N 30: largest place error from 1040 cm^-1 on: %.2f cm^-1  (target <= 1), "
                        "at 1010-1040: %.2f cm^-1  (target <= 3); listed %.1f %% of %ld\n",
                        noiseFreeWorst, noiseFreeWorstCut, noiseFreeListed.percent(), noiseFreeListed.of);
            std::printf("    listing another peak > %.0f cm^-1 from the line: %ld of %ld  (target 0)\n", kFar,
                        noiseFreePhantoms.hits, noiseFreePhantoms.of);
        }
        if (places[0].of > 0) {
            std::printf("  single lines' place error, rms in standard deviations of the place alone:");
            const char *bands[kBands] = {"S/N 8-12", "12-20", ">= 20"};
            for (int b = 0; b < kBands; ++b)
                std::printf("%s %s %.2f of %ld", b ? "," : "", bands[b], places[b].rms(), places[b].of);
            std::printf("  (target <= 1.3)\n");
        }
        if (pair.of > 0) {
            std::printf("  hump at 740 nm, S/N over the fluorescence alone: single lines of S/N 10-12 listed: %5.1f %% of %ld  (target >= 90 %%)\n",
                        flankMid.percent(), flankMid.of);
            std::printf("  hump at 740 nm, S/N over the fluorescence alone: single lines of S/N >= 12 listed: %5.1f %% of %ld  (target >= 95 %%)\n",
                        flankHigh.percent(), flankHigh.of);
            std::printf("  1253 and 1703 cm^-1 at 1 %% of a 30000 hump, both listed: %5.1f %% of %ld  (target >= 90 %%)\n",
                        pair.percent(), pair.of);
        }
    }
};

constexpr int kFlankLines = 3200;
constexpr int kPairs = 1000;
constexpr int kClippedBlanks = 1500;
constexpr int kClippedSamples = 4000;
constexpr int kLinesBeforeTheStart = 3000;
constexpr int kPlacedLines = 3000;
constexpr int kNoiseFreeLines = 300;

// --dump=DIR: every judged spectrum as the device measured it, for a peer pipeline to list and
// judge alike. DIR/axis.txt holds the wavelengths (nm), DIR/counts.u16 each spectrum's counts
// in turn (16-bit little-endian; they are whole and at most full scale), DIR/spectra.txt a line
// per spectrum: its kind, its widths, the number of its groups and per group from, to, reach
// (cm^-1), S/N, listable, in the clean spectrum and whether it counts as a weak single line
// (S/N 5-8), then the number of peaks listed and their shifts, so the peer's judging can be
// checked on the list's own peaks.
class SpectrumDump
{
public:
    bool open(const std::string &dir)
    {
        std::ofstream axis(dir + "/axis.txt");
        for (double w : fluorescentSample(0.0).axis())
            axis << w << "\n";
        m_counts.open(dir + "/counts.u16", std::ios::binary);
        m_spectra.open(dir + "/spectra.txt");
        m_spectra.precision(10);
        return axis.good() && m_counts.good() && m_spectra.good();
    }

    void add(const char *kind, const char *widths, const std::vector<Group> &groups, const std::vector<double> &counts,
             const QList<double> &peaks)
    {
        if (!m_spectra.is_open())
            return;
        for (double c : counts) {
            const auto value = uint16_t(c);
            const char bytes[2] = {char(value & 0xff), char(value >> 8)};
            m_counts.write(bytes, 2);
        }
        m_spectra << kind << ' ' << widths << ' ' << groups.size();
        const bool single = std::string(kind) == "single";
        for (const Group &g : groups)
            m_spectra << ' ' << g.from << ' ' << g.to << ' ' << g.reach << ' ' << g.signalToNoise << ' '
                      << g.listable << ' ' << g.inCleanSpectrum << ' '
                      << (single && g.signalToNoise >= 5.0 && g.signalToNoise < kVisible);
        m_spectra << ' ' << peaks.size();
        for (double p : peaks)
            m_spectra << ' ' << p;
        m_spectra << '\n';
    }

private:
    std::ofstream m_counts, m_spectra;
};
SpectrumDump g_dump;

// The kinds of measurement (--only=samples,single,...) and widths (--widths=1.5,4,range) to
// judge; empty for all. The others are still drawn, so a figure is the same with or without them.
std::string g_only, g_widths;

bool chosen(const std::string &list, const std::string &name)
{
    return list.empty() || ("," + list + ",").find("," + name + ",") != std::string::npos;
}

const char *shortNameOf(Widths kind)
{
    return kind == Widths::Narrow ? "1.5" : kind == Widths::Middle ? "2.5" : kind == Widths::Wide ? "4" : "range";
}

// Draws `count` measurements by `make`, lists the peaks of each under its own shot noise
// (another for every set and draw) and hands both to `judge`, where the kind is chosen.
template <typename Make, typename Judge>
void measureSet(const char *kind, const char *widths, int count, uint32_t set, const Make &make, const Judge &judge)
{
    const bool judged = *kind && chosen(g_only, kind);
    for (int k = 0; k < count; ++k) {
        const Measurement m = make(k);
        if (!judged)
            continue;
        const std::vector<double> counts = shotNoiseCounts(m.sample, seedOf(set, k));
        const QList<double> peaks = peaksOf(counts);
        g_dump.add(kind, widths, m.groups, counts, peaks);
        if constexpr (std::is_invocable_v<Judge, const Measurement &, const QList<double> &, const std::vector<double> &>)
            judge(m, peaks, counts);
        else
            judge(m, peaks);
    }
}

void printFigures()
{
    ShotNoise draw(20261207u + 7919u * g_draw);
    std::printf("Raman peak list over seeded shot noise: 532 nm, humps of 50000, 5000 and 500 counts centred at "
                "600-800 nm; lines whose tops lie closer than %.1f nm or %.1f times the wider one's FWHM, and shoulders, are one group; "
                "local S/N = height / sqrt(counts at the centre)\n", kGroupNm, kGroupWidths);
    uint32_t set = 1;
    for (Widths kind : kWidths) {
        const bool widthChosen = chosen(g_widths, shortNameOf(kind));
        const auto kindIf = [widthChosen](const char *name) { return widthChosen ? name : ""; };
        Figures f;
        measureSet(kindIf("samples"), shortNameOf(kind), kSamples, set++, [&](int k) { return sampleMeasurement(k, kind, draw); },
                   [&](const Measurement &m, const QList<double> &peaks) { f.judge(m, peaks, true); });
        measureSet(kindIf("single"), shortNameOf(kind), kSingleLines, set++, [&](int k) { return singleLineMeasurement(k, kind, draw); },
                   [&](const Measurement &m, const QList<double> &peaks, const std::vector<double> &counts) {
                       f.judge(m, peaks, false);
                       f.judgeLikeliestPlace(m, peaks, counts);
                   });
        measureSet(kindIf("flank"), shortNameOf(kind), kFlankLines, set++, [&](int k) { return steepFlankLineMeasurement(k, kind, draw); },
                   [&](const Measurement &m, const QList<double> &peaks) { f.judgeOnFlank(m, peaks); });
        measureSet(kindIf("pair"), shortNameOf(kind), kPairs, set++, [&](int) { return weakPairMeasurement(kind, draw); },
                   [&](const Measurement &m, const QList<double> &peaks) {
                       f.pair.add(std::all_of(m.groups.begin(), m.groups.end(), [&](const Group &g) { return listedIn(peaks, g); }));
                   });
        measureSet(kindIf("before"), shortNameOf(kind), kLinesBeforeTheStart, set++, [&](int k) { return lineBeforeTheStart(k, kind, draw); },
                   [&](const Measurement &m, const QList<double> &peaks) { f.judgeBeforeStart(m, peaks); });
        measureSet(kindIf("placed"), shortNameOf(kind), kPlacedLines, set++, [&](int k) { return placedLine(k, kind, draw); },
                   [&](const Measurement &m, const QList<double> &peaks) { f.judgePlace(m, peaks); });
        for (int k = 0; k < kNoiseFreeLines; ++k) {
            const double shift = kCountedFrom + (k % 5 == 0 ? 30.0 : 3500.0 - kCountedFrom) * draw.uniform();
            const Measurement m = lineOnHump("noise-free line", shift, 30.0, k, humpCentre(draw), kind, draw);
            if (widthChosen && chosen(g_only, "noisefree"))
                f.judgeNoiseFree(m, peaksOf(noiseFreeCounts(m.sample)));
        }
        if (widthChosen) {
            std::printf("%s:\n", nameOf(kind));
            f.print(kind);
        }
    }
    Tally blanks, blanksByHump[3], clippedBlanks;
    for (int k = 0; k < kBlanks; ++k) {
        const SyntheticRamanSpectrum blank = fluorescentSample(kHumps[k % 3], {}, humpCentre(draw));
        if (!chosen(g_only, "blanks"))
            continue;
        const std::vector<double> counts = shotNoiseCounts(blank, seedOf(set, k));
        const QList<double> peaks = peaksOf(counts);
        g_dump.add("blanks", "-", {}, counts, peaks);
        const bool listing = !peaks.isEmpty();
        blanks.add(listing);
        blanksByHump[k % 3].add(listing);
    }
    ++set;
    if (blanks.of > 0) {
        std::printf("blanks listing a peak:                        %.2f in 1000 of %ld  (target <= 1)\n",
                    blanks.perThousand(), blanks.of);
        for (int h = 0; h < 3; ++h)
            std::printf("    on %5.0f-count humps: %.2f in 1000\n", kHumps[h], blanksByHump[h].perThousand());
    }
    for (int k = 0; k < kClippedBlanks; ++k) {
        const SyntheticRamanSpectrum blank = clippedHump(draw, humpCentre(draw));
        if (!chosen(g_only, "clippedblanks"))
            continue;
        const std::vector<double> counts = shotNoiseCounts(blank, seedOf(set, k));
        const QList<double> peaks = peaksOf(counts);
        g_dump.add("clippedblanks", "-", {}, counts, peaks);
        clippedBlanks.add(!peaks.isEmpty());
    }
    ++set;
    if (clippedBlanks.of > 0)
        std::printf("blanks on humps clipped at %.0f over 60-180 nm, listing a peak: %.2f in 1000 of %ld  (target <= 1)\n",
                    kFullScaleCounts, clippedBlanks.perThousand(), clippedBlanks.of);
    Figures clipped;
    measureSet("clipped", "range", kClippedSamples, set, [&](int k) { return clippedSampleMeasurement(k, draw); },
               [&](const Measurement &m, const QList<double> &peaks) { clipped.judge(m, peaks, true); });
    if (clipped.groupsInSamples.of > 0) {
        std::printf("samples on a hump clipped beyond their lines (each line 1.5-4 nm FWHM):\n");
        clipped.print(Widths::Range, true);
    }
    std::fflush(stdout);
}

// Keeps the mean time of the Raman path to print it beside its target.
class MeanTimeReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.aggregate_name == "mean")
                meanMicroseconds = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    double meanMicroseconds = 0.0;
};

} // namespace

// The whole Raman path of one measurement as the store runs it: baseline, conversions and
// the peak search, over blanks, samples, single lines and clipped samples in turn.
static void BM_RamanPath(benchmark::State &state)
{
    const QList<double> axis = deviceAxis();
    std::vector<QList<double>> spectra;
    ShotNoise draw(4000000u);
    for (int k = 0; k < 48; ++k) {
        const SyntheticRamanSpectrum sample = k % 4 == 0 ? fluorescentSample(kHumps[k % 3], {}, 600.0 + 4.0 * k)
            : k % 4 == 1 ? sampleMeasurement(k, Widths::Range, draw).sample
            : k % 4 == 2 ? singleLineMeasurement(k, Widths::Range, draw).sample
                         : clippedSampleMeasurement(k, draw).sample;
        const std::vector<double> counts = shotNoiseCounts(sample, 4000000u + uint32_t(k));
        spectra.emplace_back(counts.begin(), counts.end());
    }
    RamanResults results;
    size_t next = 0;
    for (auto _ : state) {
        computeRamanResults(axis, spectra[next], results);
        benchmark::DoNotOptimize(results.peakPositions.data());
        next = (next + 1) % spectra.size();
    }
}
BENCHMARK(BM_RamanPath)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::sscanf(argv[i], "--seed=%u", &g_draw) == 1)
            std::printf("draw %u\n", g_draw);
        else if (std::string(argv[i]).rfind("--only=", 0) == 0)
            g_only = argv[i] + 7;
        else if (std::string(argv[i]).rfind("--widths=", 0) == 0)
            g_widths = argv[i] + 9;
        else if (std::string(argv[i]) == "--show-phantoms")
            g_showPhantoms = true;
        else if (std::string(argv[i]).rfind("--dump=", 0) == 0 && !g_dump.open(argv[i] + 7)) {
            std::fprintf(stderr, "cannot write to %s\n", argv[i] + 7);
            return 1;
        }
    printFigures();
    MeanTimeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (reporter.meanMicroseconds > 0.0)
        std::printf("  whole Raman path per spectrum: %.2f ms  (target <= 2.5 ms)\n", reporter.meanMicroseconds / 1000.0);
    benchmark::Shutdown();
    return 0;
}
