#include "FakeGattService.h"

#include "protocol/DeviceBleProfile.h"

#include <QTimer>

void FakeGattService::addCharacteristic(const QString &uuid, bool withNotifyDescriptor)
{
    m_characteristics.insert(QBluetoothUuid(uuid));
    if (withNotifyDescriptor)
        m_descriptors.insert(QBluetoothUuid(uuid));
}

void FakeGattService::addDeviceProfile()
{
    using namespace DeviceBleProfile;
    for (const QString &uuid : {kDeviceModel, kExpoMode, kExpoTime, kWlRange, kCie2015, kGainValue,
                                kGainMode})
        addCharacteristic(uuid);
    addCharacteristic(kSpectrumStream, true);
    addCharacteristic(kFlickerStream, true);
}

void FakeGattService::setReadValue(const QString &uuid, const QByteArray &value)
{
    m_readValues.insert(QBluetoothUuid(uuid), value);
}

void FakeGattService::finishDiscovery()
{
    if (m_characteristics.isEmpty())
        addDeviceProfile();
    emit stateChanged(QLowEnergyService::RemoteServiceDiscovering);
    emit stateChanged(QLowEnergyService::RemoteServiceDiscovered);
}

void FakeGattService::deliverRead(const QString &uuid, const QByteArray &value)
{
    emit characteristicRead(QBluetoothUuid(uuid), value);
}

void FakeGattService::deliverNotification(const QString &uuid, const QByteArray &value)
{
    emit characteristicChanged(QBluetoothUuid(uuid), value);
}

bool FakeGattService::hasCharacteristics() const
{
    return !m_characteristics.isEmpty();
}

void FakeGattService::discoverDetails()
{
    ++discoverRequests;
}

bool FakeGattService::hasCharacteristic(const QBluetoothUuid &uuid) const
{
    return m_characteristics.contains(uuid);
}

bool FakeGattService::hasNotifyDescriptor(const QBluetoothUuid &uuid) const
{
    return m_descriptors.contains(uuid);
}

void FakeGattService::readCharacteristic(const QBluetoothUuid &uuid)
{
    reads.append(uuid);
    if (!m_readValues.contains(uuid))
        return;
    const QByteArray value = m_readValues.value(uuid);
    QTimer::singleShot(0, this, [this, uuid, value] { emit characteristicRead(uuid, value); });
}

void FakeGattService::writeCharacteristic(const QBluetoothUuid &uuid, const QByteArray &value)
{
    writes.append({uuid, value});
}

void FakeGattService::writeNotifyDescriptor(const QBluetoothUuid &uuid, const QByteArray &value)
{
    descriptorWrites.append({uuid, value});
}
