#pragma once
// The device's Bluetooth LE layout: one primary service, one characteristic per function.

#include <QByteArray>
#include <QString>

namespace DeviceBleProfile {

inline const QString kService = QStringLiteral("{000000ff-0000-1000-8000-00805f9b34fb}");
inline const QString kDeviceModel = QStringLiteral("{0000ff02-0000-1000-8000-00805f9b34fb}");
inline const QString kExpoMode = QStringLiteral("{0000ff03-0000-1000-8000-00805f9b34fb}");
inline const QString kExpoTime = QStringLiteral("{0000ff04-0000-1000-8000-00805f9b34fb}");
inline const QString kWlRange = QStringLiteral("{0000ff05-0000-1000-8000-00805f9b34fb}");
inline const QString kSpectrumStream = QStringLiteral("{0000ff09-0000-1000-8000-00805f9b34fb}");
inline const QString kCie2015 = QStringLiteral("{0000ff0b-0000-1000-8000-00805f9b34fb}");
inline const QString kGainValue = QStringLiteral("{0000ff0c-0000-1000-8000-00805f9b34fb}");
inline const QString kGainMode = QStringLiteral("{0000ff0d-0000-1000-8000-00805f9b34fb}");
inline const QString kFlickerStream = QStringLiteral("{0000ff0e-0000-1000-8000-00805f9b34fb}");

// Client characteristic configuration values (descriptor 0x2902).
inline const QByteArray kNotifyOn = QByteArray::fromHex("0100");
inline const QByteArray kNotifyOff = QByteArray::fromHex("0000");

// Scan window: devices outside it are too weak or implausibly strong.
constexpr int kMinRssi = -110;
constexpr int kMaxRssi = -10;

// The device family's advertised names begin with this (case-sensitive).
inline const QString kDeviceNamePrefix = QStringLiteral("RQM");

inline bool rssiInWindow(int rssi) { return rssi >= kMinRssi && rssi <= kMaxRssi; }
inline bool isDeviceName(const QString &name) { return name.startsWith(kDeviceNamePrefix); }

} // namespace DeviceBleProfile
