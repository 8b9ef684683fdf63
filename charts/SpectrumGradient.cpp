#include "SpectrumGradient.h"

#include <qcustomplot.h>

#include <QLinearGradient>
#include <array>

namespace {

constexpr int kFirstNm = 380;
constexpr int kLastNm = 780;
constexpr int kStepNm = 10;
constexpr int kRows = (kLastNm - kFirstNm) / kStepNm + 1;

struct Rgb { int r, g, b; };

// One row every 10 nm from 380 nm; the gradient reads no others.
constexpr std::array<Rgb, kRows> kSpectrumRows{{
    {97, 0, 97},   {121, 0, 141}, {131, 0, 181}, {126, 0, 219}, {106, 0, 255}, {61, 0, 255},
    {0, 0, 255},   {0, 70, 255},  {0, 123, 255}, {0, 169, 255}, {0, 213, 255}, {0, 255, 255},
    {0, 255, 146}, {0, 255, 0},   {54, 255, 0},  {94, 255, 0},  {129, 255, 0}, {163, 255, 0},
    {195, 255, 0}, {225, 255, 0}, {255, 255, 0}, {255, 223, 0}, {255, 190, 0}, {255, 155, 0},
    {255, 119, 0}, {255, 79, 0},  {255, 33, 0},  {255, 0, 0},   {255, 0, 0},   {255, 0, 0},
    {255, 0, 0},   {255, 0, 0},   {251, 0, 0},   {233, 0, 0},   {215, 0, 0},   {196, 0, 0},
    {177, 0, 0},   {157, 0, 0},   {136, 0, 0},   {115, 0, 0},   {0, 0, 0},
}};

QColor rowColor(int row, int alpha)
{
    const Rgb &c = kSpectrumRows[std::size_t(row)];
    return QColor(c.r, c.g, c.b, alpha);
}

} // namespace

QBrush spectrumGradientBrush(QCPAxis *axis, int alpha)
{
    if (!axis)
        return QBrush(Qt::NoBrush);
    const QCPRange range = axis->range();
    if (range.upper < kFirstNm || range.lower > kLastNm)
        return QBrush(QColor(0, 0, 0, alpha));

    QLinearGradient gradient(axis->coordToPixel(kFirstNm), 0, axis->coordToPixel(kLastNm), 0);
    const QColor black(0, 0, 0, alpha);
    gradient.setColorAt(0.0, black);
    gradient.setColorAt(0.000001, rowColor(0, alpha));
    for (int k = 1; k < kRows - 1; ++k)
        gradient.setColorAt(double(k) / (kRows - 1), rowColor(k, alpha));
    gradient.setColorAt(0.999999, rowColor(kRows - 1, alpha));
    gradient.setColorAt(1.0, black);
    return QBrush(gradient);
}
