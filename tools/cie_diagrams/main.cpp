// Draws the background pictures of the chromaticity-diagram charts at build time: the
// area inside the spectral locus in its own colours on a transparent background, laid out
// so that, stretched over the chart's axis ranges, every chromaticity falls on its place.
//   vantorel-cie-diagrams <output folder>

#include "PlanckianLocus.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using spectral::Chromaticity;

namespace {

struct Diagram {
    const char *fileName;
    int width;
    int height;
    double maxA; // the axis ranges start at 0
    double maxB;
    Chromaticity (*fromXy)(Chromaticity);
    Chromaticity (*toXy)(Chromaticity);
};

Chromaticity identity(Chromaticity c) { return c; }

Chromaticity xyFrom1960(Chromaticity uv)
{
    const double d = 2.0 * uv.x - 8.0 * uv.y + 4.0;
    return {3.0 * uv.x / d, 2.0 * uv.y / d};
}

Chromaticity xyFrom1976(Chromaticity uv)
{
    const double d = 6.0 * uv.x - 16.0 * uv.y + 12.0;
    return {9.0 * uv.x / d, 4.0 * uv.y / d};
}

double cross(Chromaticity o, Chromaticity a, Chromaticity b)
{
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// Counter-clockwise convex hull. All real colours are mixtures of spectral ones, so the
// hull of the spectral locus (closed by the purple line) is the area to fill.
std::vector<Chromaticity> convexHull(std::vector<Chromaticity> points)
{
    std::sort(points.begin(), points.end(), [](Chromaticity a, Chromaticity b) {
        return a.x < b.x || (a.x == b.x && a.y < b.y);
    });
    std::vector<Chromaticity> hull(2 * points.size());
    size_t k = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], points[i]) <= 0)
            --k;
        hull[k++] = points[i];
    }
    for (size_t i = points.size() - 1, lower = k + 1; i > 0; --i) {
        while (k >= lower && cross(hull[k - 2], hull[k - 1], points[i - 1]) <= 0)
            --k;
        hull[k++] = points[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}

bool insideConvex(const std::vector<Chromaticity> &hull, Chromaticity p)
{
    for (size_t i = 0; i < hull.size(); ++i) {
        if (cross(hull[i], hull[(i + 1) % hull.size()], p) < 0)
            return false;
    }
    return true;
}

double srgbEncode(double linear)
{
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1.0 / 2.4) - 0.055;
}

// The brightest displayable colour of that chromaticity; colours outside the display's
// gamut are moved towards white until they fit.
void displayColour(Chromaticity xy, double rgb[3])
{
    const double y = std::max(xy.y, 1e-6);
    const double X = xy.x / y;
    const double Z = (1.0 - xy.x - xy.y) / y;
    double r = 3.2406 * X - 1.5372 - 0.4986 * Z;
    double g = -0.9689 * X + 1.8758 + 0.0415 * Z;
    double b = 0.0557 * X - 0.2040 + 1.0570 * Z;
    const double low = std::min({r, g, b});
    if (low < 0) {
        r -= low;
        g -= low;
        b -= low;
    }
    const double high = std::max({r, g, b});
    rgb[0] = srgbEncode(r / high);
    rgb[1] = srgbEncode(g / high);
    rgb[2] = srgbEncode(b / high);
}

QImage draw(const Diagram &diagram)
{
    constexpr int kSub = 4; // sub-samples per pixel side, for smooth edges
    std::vector<Chromaticity> locus;
    for (const Chromaticity &xy : spectral::spectralLocus())
        locus.push_back(diagram.fromXy(xy));
    const std::vector<Chromaticity> hull = convexHull(locus);

    QImage image(diagram.width, diagram.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < diagram.height; ++row) {
        for (int column = 0; column < diagram.width; ++column) {
            double sum[3] = {0, 0, 0};
            int covered = 0;
            for (int sy = 0; sy < kSub; ++sy) {
                for (int sx = 0; sx < kSub; ++sx) {
                    // Pixel (0, 0) is the top-left corner (0, maxB) of the axis rectangle.
                    const Chromaticity at{(column + (sx + 0.5) / kSub) / diagram.width * diagram.maxA,
                                          diagram.maxB - (row + (sy + 0.5) / kSub) / diagram.height * diagram.maxB};
                    if (!insideConvex(hull, at))
                        continue;
                    double rgb[3];
                    displayColour(diagram.toXy(at), rgb);
                    for (int c = 0; c < 3; ++c)
                        sum[c] += rgb[c];
                    ++covered;
                }
            }
            if (covered == 0)
                continue;
            const auto channel = [&](int c) { return int(std::lround(255.0 * sum[c] / covered)); };
            image.setPixel(column, row,
                           qRgba(channel(0), channel(1), channel(2), covered * 255 / (kSub * kSub)));
        }
    }
    return image;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    const Diagram diagrams[] = {
        {"cie1931.png", 373, 420, 0.8, 0.9, identity, identity},
        {"cie1960.png", 560, 388, 0.7, 0.6, spectral::toCie1960, xyFrom1960},
        {"cie1976.png", 455, 420, 0.65, 0.6, spectral::toCie1976, xyFrom1976},
    };
    for (const Diagram &diagram : diagrams) {
        const QString path = QDir(folder).filePath(QString::fromLatin1(diagram.fileName));
        if (!draw(diagram).save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
