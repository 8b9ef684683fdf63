#pragma once
// Turns photometric words into the items and groups of the result table.
// An item: {"id", "group", "visible", "key", "unitLabel", "value"};
// a group: {"titleId", "items"}.

#include "catalog/ParameterCatalog.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace PhotometricFormat {

// What a value's text depends on besides its parameter.
struct Context {
    QString modelName;
    QString unitLabel;   // label of the current irradiance unit
    double unitFactor = 1.0;
    // Values computed on the host from the spectrum are already right; the device
    // firmware's melanopic shortfall must not be corrected on top of them.
    bool hostComputed = false;
};

// Display decimals for a resolution such as 0.01 (two); 0 or a resolution of 1 and above
// give none.
int decimalsForResolution(double resolution);

QJsonObject formatParameter(const ParameterInfo &parameter, float value, const Context &context);

// "(lm)" or "(lx)" after the lux value.
QString luxSuffix(const QString &modelName);
// Risk group of the blue-light word: "/RG0", "/RG2", "/RG3"; none for no value.
QString blueLightSuffix(float word);
// "SDCM/k": the SDCM and CCT words as "3.46/4000.0".
QString sdcmAndCct(float sdcm, float cct);
// "S_BD": the analysed range as "370-780".
QString rangeText(float lo, float hi);

// Visible items grouped by "group", groups in the order of their first visible item.
QJsonArray groupParameters(const QList<QJsonObject> &items);

// Parameter ids with a rule of their own.
constexpr int kLuxId = 39;
constexpr int kBlueLightId = 101;
constexpr int kSdcmCctId = 1001;
constexpr int kRangeBandId = 1002;
constexpr int kRangeSumId = 1003;
constexpr int kRangePeakId = 1004;
constexpr int kRangeWidthId = 1005;
// Positions of the SDCM and CCT words in every base parameter list.
constexpr int kSdcmWord = 36;
constexpr int kCctWord = 37;

} // namespace PhotometricFormat
