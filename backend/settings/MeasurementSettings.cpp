#include "MeasurementSettings.h"

#include <QDir>
#include <QStandardPaths>
#include <optional>

namespace MeasurementSettings {

const QString kRangeKey = QStringLiteral("measurement/range");
const QString kRangeEnableKey = QStringLiteral("measurement/rangeEnable");
const QString kUnitKey = QStringLiteral("measurement/unit");
const QString kUnitLabels[4] = {
    QStringLiteral("W/m^2"), QStringLiteral("mW/m^2"), QStringLiteral("mW/cm^2"),
    QString::fromUtf8("\xCE\xBC" "W/cm^2"), // starts with Greek mu, U+03BC
};

namespace {

double g_unitFactor = 1.0;

// A wavelength bound as the settings file may hold it: a number, or the text of one.
std::optional<int> wholeNanometres(const QVariant &value)
{
    bool ok = false;
    const int nm = value.toString().trimmed().toInt(&ok);
    if (!ok || nm < 0 || nm > 0xFFFF)
        return std::nullopt;
    return nm;
}

} // namespace

QSettings &appSettings()
{
    // A store with an empty file name never persists on Linux, so use a real INI file.
    // Created on first use, once the application object has given us its name.
    static QSettings *store = [] {
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QDir().mkpath(folder);
        return new QSettings(folder + QStringLiteral("/measurement.ini"), QSettings::IniFormat);
    }();
    return *store;
}

QVariantList range()
{
    // A lone value reads back as a text, which would convert to a list of its character
    // codes: only a list of two whole numbers is a band, and only with its begin below its
    // end, as the band dialog takes it.
    const QVariant stored = appSettings().value(kRangeKey);
    const int type = stored.metaType().id();
    if (type == QMetaType::QVariantList || type == QMetaType::QStringList) {
        const QVariantList bounds = stored.toList();
        if (bounds.size() == 2) {
            const std::optional<int> begin = wholeNanometres(bounds.at(0));
            const std::optional<int> end = wholeNanometres(bounds.at(1));
            if (begin && end && *begin < *end)
                return {*begin, *end};
        }
    }
    return {kDefaultRangeBegin, kDefaultRangeEnd};
}

bool rangeEnable() { return appSettings().value(kRangeEnableKey, false).toBool(); }

int unit() { return appSettings().value(kUnitKey, 0).toInt(); }

double unitFactor() { return g_unitFactor; }

QString unitLabel(int index)
{
    if (index < 0 || index > 3)
        index = 0;
    return kUnitLabels[index];
}

void setRange(int begin, int end)
{
    appSettings().setValue(kRangeKey, QVariantList{begin, end});
    appSettings().sync();
}

void setRangeEnable(bool enable)
{
    appSettings().setValue(kRangeEnableKey, enable);
    appSettings().sync();
}

void setUnit(int index)
{
    appSettings().setValue(kUnitKey, index);
    appSettings().sync();
    reloadUnitFactor();
}

void reloadUnitFactor()
{
    switch (unit()) {
    case 1: g_unitFactor = 1000.0; break;
    case 2: g_unitFactor = 0.1; break;
    case 3: g_unitFactor = 100.0; break;
    default: g_unitFactor = 1.0; break;
    }
}

void initMeasurementSettings()
{
    QSettings &store = appSettings();
    if (!store.contains(kUnitKey)) {
        store.setValue(kUnitKey, 0);
        store.sync();
        reloadUnitFactor();
    }
    if (!store.contains(kRangeEnableKey)) {
        store.setValue(kRangeEnableKey, false);
        store.sync();
    }
    if (!store.contains(kRangeKey))
        setRange(kDefaultRangeBegin, kDefaultRangeEnd);
    reloadUnitFactor();
}

} // namespace MeasurementSettings
