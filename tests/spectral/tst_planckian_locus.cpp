// The Planckian locus drawn on the chromaticity diagrams and the spectral locus that bounds
// their pictures, against published chromaticities.
#include "PlanckianLocus.h"

#include <QtTest>
#include <cmath>

using spectral::Chromaticity;

class PlanckianLocusTest : public QObject {
    Q_OBJECT

    static void compare(Chromaticity actual, double x, double y, double tolerance, const char *what)
    {
        QVERIFY2(std::abs(actual.x - x) <= tolerance && std::abs(actual.y - y) <= tolerance,
                 qPrintable(QStringLiteral("%1: (%2, %3), expected (%4, %5)")
                                .arg(QLatin1String(what)).arg(actual.x, 0, 'f', 6).arg(actual.y, 0, 'f', 6)
                                .arg(x, 0, 'f', 6).arg(y, 0, 'f', 6)));
    }

private slots:
    void blackbodyAtKnownTemperatures()
    {
        // CIE illuminant A is a blackbody at 2856 K.
        compare(spectral::planckianChromaticity(2856.0), 0.44757, 0.40745, 2e-4, "2856 K");
        compare(spectral::toCie1960(spectral::planckianChromaticity(1000.0)), 0.4480, 0.3546, 3e-4, "1000 K in u, v");
        compare(spectral::planckianChromaticity(6500.0), 0.31352, 0.32363, 3e-4, "6500 K");
    }

    void hundredPointsEvenInX()
    {
        const std::vector<Chromaticity> locus = spectral::planckianLocusByX(100);
        QCOMPARE(int(locus.size()), 100);
        const struct {
            int point;
            double x, y;
        } rows[] = {
            {1, 0.240199225320774, 0.234515228000243},  {12, 0.295142645140216, 0.304717050741126},
            {34, 0.405029484779101, 0.39057827256609},  {53, 0.49993175537632, 0.415273908515871},
            {78, 0.624803164056871, 0.367638923793827}, {100, 0.734690003695756, 0.265309996304244},
        };
        for (const auto &row : rows)
            compare(locus[row.point - 1], row.x, row.y, 1e-3, qPrintable(QString::number(row.point)));

        const double step = locus[1].x - locus[0].x;
        int highest = 0;
        for (int i = 1; i < 100; ++i) {
            QVERIFY(std::abs(locus[i].x - locus[i - 1].x - step) < 1e-9);
            if (locus[i].y > locus[highest].y)
                highest = i;
        }
        QCOMPARE(highest + 1, 53);

        compare(spectral::toCie1976(locus.front()), 0.180134, 0.395711, 1e-3, "first u', v'");
        compare(spectral::toCie1976(locus.back()), 0.623366, 0.506495, 1e-3, "last u', v'");
    }

    void eachPointLiesOnTheLocus()
    {
        // Between the ends (the limits), every y is that of the blackbody whose x it is.
        const std::vector<Chromaticity> locus = spectral::planckianLocusByX(7);
        for (size_t k = 1; k + 1 < locus.size(); ++k) {
            const Chromaticity point = locus[k];
            double lo = 500.0;
            double hi = 1e7;
            for (int i = 0; i < 200; ++i) {
                const double mid = std::sqrt(lo * hi);
                (spectral::planckianChromaticity(mid).x > point.x ? lo : hi) = mid;
            }
            QVERIFY(std::abs(spectral::planckianChromaticity(lo).y - point.y) < 1e-6);
        }
    }

    void spectralLocusOfTheTable()
    {
        const std::vector<Chromaticity> locus = spectral::spectralLocus();
        QCOMPARE(int(locus.size()), 471);
        compare(locus[520 - 360], 0.074302, 0.833803, 1e-5, "520 nm");
        compare(locus[450 - 360], 0.156641, 0.017705, 1e-5, "450 nm");
        compare(locus.back(), 0.734690, 0.265310, 1e-5, "830 nm");
    }
};

QTEST_APPLESS_MAIN(PlanckianLocusTest)
#include "tst_planckian_locus.moc"
