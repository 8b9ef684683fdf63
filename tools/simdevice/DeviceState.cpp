#include "DeviceState.h"

#include "catalog/ParameterCatalog.h"

#include <cmath>

namespace simdevice {

ModelFamily familyOf(const QString &model)
{
    if (model.startsWith(QLatin1Char('Y')))
        return ModelFamily::Y;
    if (model.startsWith(QLatin1Char('T')))
        return ModelFamily::T;
    return ModelFamily::Plain;
}

QVector<uint16_t> defaultSamples(uint16_t wlStart, int count)
{
    // A warm-white looking curve: a blue pump peak and a broad phosphor hump.
    QVector<uint16_t> samples(qMax(0, count));
    for (int i = 0; i < samples.size(); ++i) {
        const double wl = double(wlStart) + i;
        const double blue = std::exp(-std::pow((wl - 450.0) / 12.0, 2.0));
        const double phosphor = std::exp(-std::pow((wl - 590.0) / 70.0, 2.0));
        samples[i] = uint16_t(200.0 + 20000.0 * blue + 40000.0 * phosphor);
    }
    return samples;
}

QVector<float> defaultPhotometricWords(const QString &model)
{
    // As many words as the host expects for this model; the base list has 47.
    int count = 47;
    if (!deviceModelList().isEmpty())
        count = int(findModelInfo(model).plain.size());
    QVector<float> words(count);
    for (int i = 0; i < words.size(); ++i)
        words[i] = 1.0f + 0.5f * float(i);
    return words;
}

QVector<uint16_t> defaultFlickerSamples()
{
    QVector<uint16_t> samples(1024);
    for (int i = 0; i < samples.size(); ++i)
        samples[i] = uint16_t(2000.0 + 1000.0 * std::sin(2.0 * M_PI * 10.0 * i / 1024.0));
    return samples;
}

QVector<float> defaultEfficiency()
{
    QVector<float> values(901);
    for (int i = 0; i < values.size(); ++i)
        values[i] = 0.5f + 0.5f * float(std::sin(double(i) / 150.0));
    return values;
}

} // namespace simdevice
