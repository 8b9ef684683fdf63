#include "EfficiencyCsvReader.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <cmath>
#include <vector>

namespace EfficiencyCsvReader {

namespace {

bool parseField(const QString &text, float *value)
{
    bool numeric = false;
    *value = text.toFloat(&numeric);
    return numeric && std::isfinite(*value);
}

FloatArray *tableOf(const std::vector<float> &wavelengths, const std::vector<float> &values)
{
    const int32_t rows = int32_t(wavelengths.size());
    FloatArray *table = createFloatArray(rows, 2);
    for (int32_t i = 0; i < rows; ++i) {
        table->data[i] = wavelengths[size_t(i)];
        table->data[rows + i] = values[size_t(i)];
    }
    return table;
}

} // namespace

FloatArray *read(const QString &path, bool *ok)
{
    *ok = true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return createFloatArray(0, 2);
    if (file.size() > kMaxBytes) {
        *ok = false;
        return createFloatArray(0, 2);
    }

    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    std::vector<float> wavelengths, values;
    QString line;
    while (in.readLineInto(&line)) {
        float wavelength = 0.0f, value = 0.0f;
        const QStringList fields = line.split(QLatin1Char(','), Qt::KeepEmptyParts);
        const bool wellFormed = int(wavelengths.size()) < kMaxLines && fields.size() == 2 &&
                                parseField(fields[0], &wavelength) && parseField(fields[1], &value);
        // Steps must be exactly one nanometre; the regeneration relies on it.
        if (!wellFormed || (!wavelengths.empty() && wavelength - wavelengths.back() != 1.0f)) {
            *ok = false;
            return createFloatArray(0, 2);
        }
        wavelengths.push_back(wavelength);
        values.push_back(value);
    }
    return tableOf(wavelengths, values);
}

} // namespace EfficiencyCsvReader
