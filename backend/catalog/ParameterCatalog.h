#pragma once
// The embedded parameter and device-model catalogues, loaded once at start-up.

#include <QJsonArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// One result parameter of the parameter catalogue.
struct ParameterInfo {
    qint32 id = 0;
    qint32 group = 0;       // the group number of the array it was read from
    QString key;
    double format = 0.0;    // display resolution: 0.01 means two decimals
    QString label;
    bool visible = false;
    bool isCalculated = false; // computed on the host, not sent by the device
    QString unit;           // "irradiance" or empty
};

// One device model of the model catalogue.
struct DeviceModelInfo {
    QString model;
    QStringList modules;
    QList<ParameterInfo> all;
    QList<ParameterInfo> calculated;
    QList<ParameterInfo> plain; // entry i describes word i of the photometric payload
    bool hasTm30 = false;
    bool hasCie2015 = false;
    bool hasFlicker = false;
    QVariantMap function;       // the page features
};

// Reads ":/parameters.json" and ":/model.json". Failures are silent.
void loadParameterTables();
// Same, from other files; replaces whatever was loaded before.
void loadParameterTables(const QString &parametersPath, const QString &modelPath);

// Appends one record per array element that is a JSON object.
void parseParameterArray(QList<ParameterInfo> &target, const QJsonArray &array, int group);

// Adds a parameter module's records or sets a module flag; unknown names change nothing.
void applyModule(DeviceModelInfo &info, const QString &module);

// The first model whose code is a prefix of name, else "DEFAULT", else an empty record.
DeviceModelInfo findModelInfo(const QString &name);

// The nine parameter module names, in catalogue order.
const QStringList &parameterModuleNames();
// A parameter module's records; empty for a name that is not a parameter module.
const QList<ParameterInfo> &parameterList(const QString &module);
// The device models in file order.
const QList<DeviceModelInfo> &deviceModelList();
