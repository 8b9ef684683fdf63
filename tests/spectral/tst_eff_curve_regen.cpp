// Efficiency-curve regeneration: the curve it produces, each refusal, and its helpers.
#include "DynamicArray.h"
#include "EffCurveRegen.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <omp.h>
#include <vector>

namespace {

FloatArray *table(double first, int rows, const std::function<double(double)> &value)
{
    FloatArray *a = createFloatArray(rows, 2);
    for (int i = 0; i < rows; ++i) {
        a->data[i] = float(first + i);
        a->data[rows + i] = float(value(first + i));
    }
    return a;
}

// The usual measured window, 380-780 nm, at one level.
FloatArray *flat(double level, double first = 380, int rows = 401)
{
    return table(first, rows, [level](double) { return level; });
}

FloatArray *axis(int first, int last)
{
    FloatArray *a = createFloatArray(last - first + 1, 1);
    for (int w = first; w <= last; ++w)
        a->data[w - first] = float(w);
    return a;
}

std::vector<float> contents(const FloatArray *a) { return {a->data, a->data + a->allocatedSize}; }

struct Regen {
    std::vector<float> curve;
    RegenStatus status;
    std::vector<std::vector<float>> tables; // sample, reference and device axis as left behind
    float at(int w, int first) const { return curve[size_t(w - first)]; }
};

// Runs the routine on the given tables and frees them.
Regen regenerate(FloatArray *sample, FloatArray *reference, FloatArray *device)
{
    Regen r;
    std::memset(&r.status, 0x7F, sizeof r.status);
    FloatArray *out = createFloatArray(1, 1);
    regeneffcurve(sample, reference, device, out, &r.status);
    if (out->size[0] == device->size[0] && out->size[1] == 1)
        r.curve.assign(out->data, out->data + out->size[0]);
    r.tables = {contents(sample), contents(reference), contents(device)};
    for (FloatArray *a : {sample, reference, device, out})
        destroyArray(a);
    return r;
}

bool failedWith(const Regen &r, size_t points, const char *message)
{
    return r.status.code == 1 && std::strcmp(r.status.message, message) == 0 && r.status.messageSize[0] == 1
        && r.status.messageSize[1] == int(std::strlen(message) + 1) && r.curve.size() == points
        && std::all_of(r.curve.begin(), r.curve.end(), [](float v) { return std::isnan(v); });
}

} // namespace

class TestEffCurveRegen : public QObject
{
    Q_OBJECT
private slots:
    void rampOverFlatReferenceIsExtendedWithAFadingSlope()
    {
        // ratio (w - 300) / 200 on 380-780 nm; the device spans 340-1020 nm.
        const Regen r = regenerate(table(380, 401, [](double w) { return (w - 300) / 100; }), flat(2.0), axis(340, 1020));
        QVERIFY(r.status.code == 0 && QByteArray(r.status.message) == "regeneffcurve succeed" && r.curve.size() == 681);

        // Inside the measured window the ratio itself.
        for (int w : {380, 580, 780})
            QVERIFY(std::fabs(r.at(w, 340) - (w - 300) / 200.0f) < 1e-5f);
        // Below: the slope falls linearly from 0.005/nm at 381 nm to 0 at 341 nm, so the
        // curve drops by 0.005 / 40 * (0 + 1 + ... + 39) = 0.0975 down to 340 nm.
        QVERIFY(std::fabs(r.at(340, 340) - 0.3025f) < 1e-4f);
        QVERIFY(std::fabs(r.at(360, 340) - (0.4f - 0.005f / 40 * (20 * 21 / 2 + 20 * 19))) < 1e-4f);
        // Above: from 0.005/nm at 780 nm to 0 at 1020 nm, a rise of 0.005 / 240 * (0 + ... + 239).
        QVERIFY(std::fabs(r.at(1020, 340) - 2.9975f) < 1e-4f);
        // The outermost steps are flat and the curve keeps rising in between.
        QCOMPARE(r.at(340, 340), r.at(341, 340));
        QCOMPARE(r.at(1020, 340), r.at(1019, 340));
        for (int w = 342; w <= 1019; ++w)
            QVERIFY2(r.at(w, 340) > r.at(w - 1, 340), qPrintable(QString::number(w)));
    }

    // Each refusal leaves a curve of NaN, without reading past a table; odd ratios are accepted.
    void refusalsAndAcceptedOddities()
    {
        const auto edited = [](FloatArray *t, int index, float value) { t->data[index] = value; return t; };
        const auto sparse = [](int columns) { // rows far apart: refused before any grid between them is made
            FloatArray *t = createFloatArray(2, columns);
            t->data[0] = 300.0f;
            t->data[1] = 3.0e8f;
            if (columns == 2)
                t->data[2] = t->data[3] = 1.0f;
            return t;
        };
        FloatArray *liar = flat(1.0);
        liar->size[0] = 100000; // claims more rows than its block holds
        FloatArray *gappy = axis(340, 1020);
        for (int i = 0; i < 681; ++i)
            gappy->data[i] = 340.0f + 2.0f * i;
        struct Row { const char *name; FloatArray *sample, *reference, *device; size_t points; const char *message; };
        const char *wrong = "wl settings wrong";
        const QList<Row> refused{
            {"negative reference outside the device range", flat(1.0), edited(flat(1.0), 401 + 400, -0.001f), axis(400, 700), 301, "reference spec < 0"},
            {"sample outside the device range", flat(1.0, 200, 100), flat(1.0, 200, 700), axis(340, 1020), 681, wrong},
            {"fractional wavelengths", flat(1.0, 380.5, 400), flat(2.0, 380.5, 400), axis(340, 1020), 681, wrong},
            {"fractional sample only", flat(1.0, 380.5, 400), flat(2.0), axis(340, 1020), 681, wrong},
            {"rows far apart", sparse(2), sparse(2), sparse(1), 2, wrong},
            {"lying record", liar, flat(1.0), axis(340, 1020), 681, wrong},
            {"NaN wavelength", edited(flat(1.0), 200, NAN), flat(1.0), axis(340, 1020), 681, wrong},
            {"NaN on the device axis", flat(1.0), flat(1.0), edited(axis(340, 1020), 300, NAN), 681, wrong},
            {"device axis with gaps", flat(1.0), flat(1.0), gappy, 681, wrong},
            {"zero reference under a lit sample", flat(1.0), edited(flat(1.0), 401 + 50, 0.0f), axis(340, 1020), 681,
             "exist region: reference spec == 0 and sample spec > 0"},
            {"dark sample", flat(0.0), flat(1.0), axis(340, 1020), 681, "intersection region: sample spec all zero"},
            {"only infinite ratios", flat(1.0), flat(1e-42), axis(340, 1020), 681, "intersection region: sample spec all zero"},
        };
        for (const Row &row : refused)
            QVERIFY2(failedWith(regenerate(row.sample, row.reference, row.device), row.points, row.message), row.name);

        // One positive ratio gives a flat curve of it; zero over zero is a gap, and a saturated
        // sample row or an all but zero reference give infinite ratios, bridged like gaps.
        FloatArray *sample = flat(3.0);
        FloatArray *reference = flat(2.0);
        sample->data[401 + 100] = reference->data[401 + 100] = 0.0f;
        sample->data[401 + 120] = INFINITY;
        reference->data[401 + 200] = 1e-42f;
        for (const Regen &r : {regenerate(table(380, 401, [](double w) { return w == 500 ? 3.0 : 0.0; }), flat(2.0), axis(340, 1020)),
                               regenerate(sample, reference, axis(340, 1020))}) {
            QVERIFY(r.status.code == 0 && r.curve.size() == 681);
            QVERIFY(std::all_of(r.curve.begin(), r.curve.end(), [](float v) { return v == 1.5f; }));
        }
    }

    // Rows in any order and any team size give the same bits, and the caller's tables come
    // back sorted in place, each value beside its wavelength. A noisy ratio with gaps runs
    // every interpolation; 2401 device points let a team of eight share each loop.
    void resultDoesNotDependOnRowOrderOrThreadCount()
    {
        const auto sample = [](double w) {
            const int i = int(w);
            return (i % 37 < 3) ? 0.0 : 1.0 + 0.3 * std::sin(w * 0.37) + 0.001 * ((i * 7919) % 101);
        };
        const auto reference = [](double w) { return 2.0 + std::cos(w / 50.0); };
        std::vector<float> first;
        const int saved = omp_get_max_threads();
        for (int threads : {1, 2, 8}) {
            omp_set_num_threads(threads);
            FloatArray *rows = table(360, 500, sample), *references = table(350, 600, reference), *device = axis(300, 2700);
            const std::vector<std::vector<float>> ascending{contents(rows), contents(references), contents(device)};
            if (threads == 8) { // every table's rows reversed
                for (FloatArray *t : {rows, references})
                    for (float *column : {t->data, t->data + t->size[0]})
                        std::reverse(column, column + t->size[0]);
                std::reverse(device->data, device->data + 2401);
            }
            const Regen r = regenerate(rows, references, device);
            QVERIFY(r.status.code == 0 && r.curve.size() == 2401);
            QVERIFY2(r.tables == ascending, "tables not left sorted by wavelength");
            if (first.empty())
                first = r.curve;
            QVERIFY2(r.curve == first, qPrintable(QString::number(threads)));
        }
        omp_set_num_threads(saved);
    }
};

QTEST_APPLESS_MAIN(TestEffCurveRegen)
#include "tst_eff_curve_regen.moc"
