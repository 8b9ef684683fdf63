#include "MeasurementSettings.h"

#include <QDir>
#include <QStandardPaths>

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
    return appSettings().value(kRangeKey, QString()).toList();
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
        setRange(370, 780);
    reloadUnitFactor();
}

} // namespace MeasurementSettings
