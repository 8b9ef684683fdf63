#pragma once
// A scripted stand-in for the device's GATT service: records what the transport reads and
// writes, and delivers values as the device would.

#include "transport/BleGattService.h"

#include <QHash>
#include <QList>
#include <QSet>

class FakeGattService : public BleGattService
{
    Q_OBJECT
public:
    struct Write {
        QBluetoothUuid uuid;
        QByteArray value;
        bool operator==(const Write &other) const
        {
            return uuid == other.uuid && value == other.value;
        }
    };

    using BleGattService::BleGattService;

    void addCharacteristic(const QString &uuid, bool withNotifyDescriptor = false);
    // Every characteristic of the device's profile; the two streams carry descriptors.
    void addDeviceProfile();
    // Makes a read of `uuid` answer with `value` on the next event-loop pass.
    void setReadValue(const QString &uuid, const QByteArray &value);

    // The device side.
    void finishDiscovery(); // profile in place, then Discovering and Discovered
    void deliverRead(const QString &uuid, const QByteArray &value);
    void deliverNotification(const QString &uuid, const QByteArray &value);

    bool hasCharacteristics() const override;
    void discoverDetails() override;
    bool hasCharacteristic(const QBluetoothUuid &uuid) const override;
    bool hasNotifyDescriptor(const QBluetoothUuid &uuid) const override;
    void readCharacteristic(const QBluetoothUuid &uuid) override;
    void writeCharacteristic(const QBluetoothUuid &uuid, const QByteArray &value) override;
    void writeNotifyDescriptor(const QBluetoothUuid &uuid, const QByteArray &value) override;

    QList<QBluetoothUuid> reads;
    QList<Write> writes;
    QList<Write> descriptorWrites;
    int discoverRequests = 0;

private:
    QSet<QBluetoothUuid> m_characteristics;
    QSet<QBluetoothUuid> m_descriptors;
    QHash<QBluetoothUuid, QByteArray> m_readValues;
};
