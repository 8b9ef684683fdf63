#pragma once
// Bluetooth LE link to the spectrometer: scan, connect by name, the device's one service,
// characteristic reads and writes, and the two notification streams.

#include "protocol/DriverTypes.h"

#include <QBluetoothDeviceInfo>
#include <QBluetoothUuid>
#include <QByteArray>
#include <QList>
#include <QLowEnergyController>
#include <QLowEnergyService>
#include <QObject>
#include <QTimer>
#include <cstdint>

class BleGattService;
class QBluetoothDeviceDiscoveryAgent;
class QBluetoothLocalDevice;

class BLEInterface : public QObject
{
    Q_OBJECT
public:
    static constexpr int kScanTimeMs = 2000;

    static BLEInterface *instance();

    void startScan();
    void connectDevice(const QString &name);
    void disconnectDevice();

    void readCharacteristic(const QString &uuid);
    void writeCharacteristic(const QString &uuid, const QByteArray &frame);
    void setNotify(bool enable, const QString &uuid);
    static QByteArray buildFrame(uint8_t code, const QByteArray &payload);

    void readDeviceModel();
    void readExpoMode();
    void readExpoTime();
    void readWlRange();
    void readCie2015();
    void readGainValue();
    void readGainMode();
    void writeExpoMode(uint8_t mode);
    // Returns false (and writes nothing) for a time that is not a finite, non-negative number.
    bool writeExpoTime(float ms);
    void writeCie2015(uint8_t value);
    void writeGainValue(uint8_t value);
    void writeGainMode(uint8_t value);
    void setSpectrumNotify(bool enable);
    void setFlickerNotify(bool enable);

    // Devices kept by the current scan, in the order reported.
    QList<QBluetoothDeviceInfo> discoveredDevices() const { return m_devices; }

    // Takes over the device's service once service discovery has finished; null means
    // the service could not be created. The transport owns it from here on.
    void attachService(BleGattService *service);
    bool hasService() const { return m_service != nullptr; }

signals:
    void bleSendRawData(QByteArray data);
    void bleScanDeviceName(QString deviceName);
    void bleDeviceScanFinished();
    void bleDeviceConnectStatus(bool status, DriverErrorCode err);

private slots:
    void DeviceDiscovered(const QBluetoothDeviceInfo &deviceInfo);
    void DeviceDiscoveredFinished();
    void OnControlConnected();
    void OnControlDisconnected();
    void OnDeviceError(QLowEnergyController::Error newError);
    void OnServiceDiscovered(const QBluetoothUuid &newService);
    void OnServiceScanDone();
    void OnCharacteristicRead(const QBluetoothUuid &characteristic, const QByteArray &value);
    void OnBLECharacteristicChange(const QBluetoothUuid &characteristic, const QByteArray &value);
    void OnServiceStateChanged(QLowEnergyService::ServiceState newState);

private:
    BLEInterface();
    void releaseLink();

    int m_scanTime = kScanTimeMs;
    QBluetoothLocalDevice *m_localDevice = nullptr;
    QBluetoothDeviceDiscoveryAgent *m_agent = nullptr;
    QLowEnergyController *m_controller = nullptr;
    BleGattService *m_service = nullptr;
    QTimer m_scanTimer;
    QList<QBluetoothDeviceInfo> m_devices;
    bool m_serviceReported = false;
};
