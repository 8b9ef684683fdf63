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

// The band analysed when none, or no valid one, is stored.
constexpr int kDefaultRangeBegin = 370;
constexpr int kDefaultRangeEnd = 780;

// The one settings store: an INI file under the user's configuration folder.
QSettings &appSettings();

// The stored band as two whole nanometres [begin, end], begin below end; the default band
// when the store holds anything else.
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
