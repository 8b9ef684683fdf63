#include "QtBleGattService.h"

#include <QLowEnergyCharacteristic>
#include <QLowEnergyDescriptor>
#include <QLowEnergyService>

namespace {
QLowEnergyDescriptor notifyDescriptor(const QLowEnergyCharacteristic &characteristic)
{
    return characteristic.descriptor(
        QBluetoothUuid::DescriptorType::ClientCharacteristicConfiguration);
}
} // namespace

QtBleGattService::QtBleGattService(QLowEnergyService *service, QObject *parent)
    : BleGattService(parent)
    , m_service(service)
{
    m_service->setParent(this);
    connect(m_service, &QLowEnergyService::stateChanged, this, &BleGattService::stateChanged);
    connect(m_service, &QLowEnergyService::characteristicRead, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &value) {
                emit characteristicRead(c.uuid(), value);
            });
    connect(m_service, &QLowEnergyService::characteristicChanged, this,
            [this](const QLowEnergyCharacteristic &c, const QByteArray &value) {
                emit characteristicChanged(c.uuid(), value);
            });
}

bool QtBleGattService::hasCharacteristics() const
{
    return !m_service->characteristics().isEmpty();
}

void QtBleGattService::discoverDetails()
{
    m_service->discoverDetails(QLowEnergyService::FullDiscovery);
}

bool QtBleGattService::hasCharacteristic(const QBluetoothUuid &uuid) const
{
    return m_service->characteristic(uuid).isValid();
}

bool QtBleGattService::hasNotifyDescriptor(const QBluetoothUuid &uuid) const
{
    return notifyDescriptor(m_service->characteristic(uuid)).isValid();
}

void QtBleGattService::readCharacteristic(const QBluetoothUuid &uuid)
{
    m_service->readCharacteristic(m_service->characteristic(uuid));
}

void QtBleGattService::writeCharacteristic(const QBluetoothUuid &uuid, const QByteArray &value)
{
    m_service->writeCharacteristic(m_service->characteristic(uuid), value,
                                   QLowEnergyService::WriteWithResponse);
}

void QtBleGattService::writeNotifyDescriptor(const QBluetoothUuid &uuid, const QByteArray &value)
{
    m_service->writeDescriptor(notifyDescriptor(m_service->characteristic(uuid)), value);
}
