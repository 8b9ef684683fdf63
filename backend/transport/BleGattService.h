#pragma once
// The few operations the transport needs of the device's GATT service. The real one wraps
// Qt Bluetooth's service object; tests put a scripted one in its place.

#include <QBluetoothUuid>
#include <QByteArray>
#include <QLowEnergyService>
#include <QObject>

class BleGattService : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // True once the service's characteristics are known.
    virtual bool hasCharacteristics() const = 0;
    virtual void discoverDetails() = 0;
    virtual bool hasCharacteristic(const QBluetoothUuid &uuid) const = 0;
    // The characteristic's client characteristic configuration descriptor (0x2902).
    virtual bool hasNotifyDescriptor(const QBluetoothUuid &uuid) const = 0;

    virtual void readCharacteristic(const QBluetoothUuid &uuid) = 0;
    // Written with response.
    virtual void writeCharacteristic(const QBluetoothUuid &uuid, const QByteArray &value) = 0;
    virtual void writeNotifyDescriptor(const QBluetoothUuid &uuid, const QByteArray &value) = 0;

signals:
    void stateChanged(QLowEnergyService::ServiceState state);
    void characteristicRead(const QBluetoothUuid &uuid, const QByteArray &value);
    void characteristicChanged(const QBluetoothUuid &uuid, const QByteArray &value);
};
