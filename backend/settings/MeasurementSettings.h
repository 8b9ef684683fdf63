#pragma once
// The three measurement settings, the irradiance unit table and the current unit factor.

#include <QSettings>
#include <QString>
#include <QVariantList>

namespace MeasurementSettings {

extern const QString kRangeKey;        // "measurement/range"
extern const QString kRangeEnableKey;  // "measurement/rangeEnable"
extern const QString kUnitKey;         // "measurement/unit"
extern const QString kUnitLabels[4];

// The one settings store: an INI file under the user's configuration folder.
QSettings &appSettings();

QVariantList range();
bool rangeEnable();
int unit();
double unitFactor();
QString unitLabel(int index);

void setRange(int begin, int end);
void setRangeEnable(bool enable);
void setUnit(int index);
void reloadUnitFactor();

// Writes missing defaults and loads the unit factor; called once at start-up.
void initMeasurementSettings();

} // namespace MeasurementSettings
