#pragma once
// BleGattService on top of Qt Bluetooth's service object, which it owns.

#include "BleGattService.h"

class QLowEnergyService;

class QtBleGattService : public BleGattService
{
    Q_OBJECT
public:
    // Takes ownership of `service`.
    explicit QtBleGattService(QLowEnergyService *service, QObject *parent = nullptr);

    bool hasCharacteristics() const override;
    void discoverDetails() override;
    bool hasCharacteristic(const QBluetoothUuid &uuid) const override;
    bool hasNotifyDescriptor(const QBluetoothUuid &uuid) const override;
    void readCharacteristic(const QBluetoothUuid &uuid) override;
    void writeCharacteristic(const QBluetoothUuid &uuid, const QByteArray &value) override;
    void writeNotifyDescriptor(const QBluetoothUuid &uuid, const QByteArray &value) override;

private:
    QLowEnergyService *m_service;
};
