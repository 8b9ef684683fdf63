#include "BLEInterface.h"

#include "BleGattService.h"
#include "QtBleGattService.h"
#include "protocol/CommandPayload.h"
#include "protocol/DeviceBleProfile.h"
#include "protocol/DeviceCommand.h"
#include "protocol/DeviceFrame.h"

#include <QBluetoothDeviceDiscoveryAgent>
#include <QBluetoothLocalDevice>

using namespace DeviceCommand;

BLEInterface *BLEInterface::instance()
{
    static BLEInterface *const object = new BLEInterface;
    return object;
}

BLEInterface::BLEInterface()
    : m_localDevice(new QBluetoothLocalDevice(this))
    , m_agent(new QBluetoothDeviceDiscoveryAgent(this))
{
    qRegisterMetaType<DriverErrorCode>("DriverErrorCode");
    m_agent->setLowEnergyDiscoveryTimeout(m_scanTime);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::deviceDiscovered, this,
            &BLEInterface::DeviceDiscovered);
    const auto scanEnded = [this] {
        m_scanTimer.stop();
        emit bleDeviceScanFinished();
    };
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::errorOccurred, this, scanEnded);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::canceled, this, scanEnded);
    connect(m_agent, &QBluetoothDeviceDiscoveryAgent::finished, this, scanEnded);
    connect(&m_scanTimer, &QTimer::timeout, this, &BLEInterface::DeviceDiscoveredFinished);
}

void BLEInterface::releaseLink()
{
    // Signals of a link being dropped on purpose must not report it as lost.
    if (m_controller) {
        m_controller->disconnect(this);
        m_controller->disconnectFromDevice();
        m_controller->deleteLater();
        m_controller = nullptr;
    }
    if (m_service) {
        m_service->disconnect(this);
        m_service->deleteLater();
        m_service = nullptr;
    }
    m_serviceReported = false;
}

void BLEInterface::startScan()
{
    if (m_localDevice->isValid() && m_localDevice->hostMode() == QBluetoothLocalDevice::HostPoweredOff)
        m_localDevice->powerOn();
    releaseLink();
    m_agent->stop();
    m_devices.clear();
    // Started first: without an adapter the agent fails at once and stops it again.
    m_scanTimer.start(m_scanTime);
    m_agent->start(QBluetoothDeviceDiscoveryAgent::supportedDiscoveryMethods());
}

void BLEInterface::DeviceDiscovered(const QBluetoothDeviceInfo &deviceInfo)
{
    if (!DeviceBleProfile::rssiInWindow(deviceInfo.rssi()))
        return;
    m_devices.append(deviceInfo);
    emit bleScanDeviceName(deviceInfo.name());
}

void BLEInterface::DeviceDiscoveredFinished()
{
    m_scanTimer.stop();
    emit bleDeviceScanFinished();
}

void BLEInterface::connectDevice(const QString &name)
{
    if (name.isEmpty())
        return;
    QBluetoothDeviceInfo device;
    for (const QBluetoothDeviceInfo &candidate : std::as_const(m_devices)) {
        if (candidate.name() == name) {
            device = candidate;
            break;
        }
    }
    releaseLink();
    m_controller = QLowEnergyController::createCentral(device, this);
    if (!m_controller) {
        emit bleDeviceConnectStatus(false, DriverTypes::BLE_SERVICE_FAILED);
        return;
    }
    connect(m_controller, &QLowEnergyController::connected, this, &BLEInterface::OnControlConnected);
    connect(m_controller, &QLowEnergyController::errorOccurred, this, &BLEInterface::OnDeviceError);
    connect(m_controller, &QLowEnergyController::disconnected, this,
            &BLEInterface::OnControlDisconnected);
    connect(m_controller, &QLowEnergyController::serviceDiscovered, this,
            &BLEInterface::OnServiceDiscovered);
    connect(m_controller, &QLowEnergyController::discoveryFinished, this,
            &BLEInterface::OnServiceScanDone);
    m_controller->connectToDevice();
}

void BLEInterface::disconnectDevice()
{
    releaseLink();
}

void BLEInterface::OnControlConnected()
{
    if (m_controller)
        m_controller->discoverServices();
}

void BLEInterface::OnServiceDiscovered(const QBluetoothUuid &)
{
}

void BLEInterface::OnServiceScanDone()
{
    // The service object can only be made once discovery has listed the services.
    if (!m_controller)
        return;
    QLowEnergyService *service =
        m_controller->createServiceObject(QBluetoothUuid(DeviceBleProfile::kService), this);
    attachService(service ? new QtBleGattService(service, this) : nullptr);
}

void BLEInterface::attachService(BleGattService *service)
{
    if (m_service) {
        m_service->disconnect(this);
        m_service->deleteLater();
        m_service = nullptr;
    }
    m_serviceReported = false;
    if (!service) {
        emit bleDeviceConnectStatus(false, DriverTypes::BLE_SERVICE_FAILED);
        return;
    }
    m_service = service;
    m_service->setParent(this);
    connect(m_service, &BleGattService::stateChanged, this, &BLEInterface::OnServiceStateChanged);
    connect(m_service, &BleGattService::characteristicRead, this,
            &BLEInterface::OnCharacteristicRead);
    connect(m_service, &BleGattService::characteristicChanged, this,
            &BLEInterface::OnBLECharacteristicChange);
    if (m_service->hasCharacteristics())
        OnServiceStateChanged(QLowEnergyService::RemoteServiceDiscovered);
    else
        m_service->discoverDetails();
}

void BLEInterface::OnServiceStateChanged(QLowEnergyService::ServiceState newState)
{
    // Reads only work once the characteristics are known, so that is when the link is up.
    if (newState != QLowEnergyService::RemoteServiceDiscovered || m_serviceReported)
        return;
    m_serviceReported = true;
    emit bleDeviceConnectStatus(true, DriverTypes::DRIVER_OK);
}

void BLEInterface::OnCharacteristicRead(const QBluetoothUuid &, const QByteArray &value)
{
    emit bleSendRawData(value);
}

void BLEInterface::OnBLECharacteristicChange(const QBluetoothUuid &, const QByteArray &value)
{
    emit bleSendRawData(value);
}

void BLEInterface::OnControlDisconnected()
{
    emit bleDeviceConnectStatus(false, DriverTypes::BLE_DISCONNECTED);
}

void BLEInterface::OnDeviceError(QLowEnergyController::Error)
{
    emit bleDeviceConnectStatus(false, DriverTypes::BLE_CONNECT_FAILED);
}

void BLEInterface::readCharacteristic(const QString &uuid)
{
    const QBluetoothUuid id(uuid);
    if (m_service && m_service->hasCharacteristic(id))
        m_service->readCharacteristic(id);
}

void BLEInterface::writeCharacteristic(const QString &uuid, const QByteArray &frame)
{
    const QBluetoothUuid id(uuid);
    if (m_service && m_service->hasCharacteristic(id))
        m_service->writeCharacteristic(id, frame);
}

void BLEInterface::setNotify(bool enable, const QString &uuid)
{
    const QBluetoothUuid id(uuid);
    if (m_service && m_service->hasCharacteristic(id) && m_service->hasNotifyDescriptor(id))
        m_service->writeNotifyDescriptor(id, enable ? DeviceBleProfile::kNotifyOn
                                                    : DeviceBleProfile::kNotifyOff);
}

QByteArray BLEInterface::buildFrame(uint8_t code, const QByteArray &payload)
{
    return DeviceFrame::build(code, payload);
}

void BLEInterface::readDeviceModel() { readCharacteristic(DeviceBleProfile::kDeviceModel); }
void BLEInterface::readExpoMode() { readCharacteristic(DeviceBleProfile::kExpoMode); }
void BLEInterface::readExpoTime() { readCharacteristic(DeviceBleProfile::kExpoTime); }
void BLEInterface::readWlRange() { readCharacteristic(DeviceBleProfile::kWlRange); }
void BLEInterface::readCie2015() { readCharacteristic(DeviceBleProfile::kCie2015); }
void BLEInterface::readGainValue() { readCharacteristic(DeviceBleProfile::kGainValue); }
void BLEInterface::readGainMode() { readCharacteristic(DeviceBleProfile::kGainMode); }

void BLEInterface::writeExpoMode(uint8_t mode)
{
    writeCharacteristic(DeviceBleProfile::kExpoMode,
                        buildFrame(CMD_SET_EXPO_MODE, CommandPayload::byteValue(mode)));
}

bool BLEInterface::writeExpoTime(float ms)
{
    const std::optional<QByteArray> payload = CommandPayload::exposureTime(ms);
    if (!payload)
        return false;
    writeCharacteristic(DeviceBleProfile::kExpoTime, buildFrame(CMD_SET_EXPO_TIME, *payload));
    return true;
}

void BLEInterface::writeCie2015(uint8_t value)
{
    writeCharacteristic(DeviceBleProfile::kCie2015,
                        buildFrame(CMD_SET_CIE2015, CommandPayload::byteValue(value)));
}

void BLEInterface::writeGainValue(uint8_t value)
{
    writeCharacteristic(DeviceBleProfile::kGainValue,
                        buildFrame(CMD_SET_GAIN_VALUE, CommandPayload::byteValue(value)));
}

void BLEInterface::writeGainMode(uint8_t value)
{
    writeCharacteristic(DeviceBleProfile::kGainMode,
                        buildFrame(CMD_SET_GAIN_MODE, CommandPayload::byteValue(value)));
}

void BLEInterface::setSpectrumNotify(bool enable)
{
    setNotify(enable, DeviceBleProfile::kSpectrumStream);
}

void BLEInterface::setFlickerNotify(bool enable)
{
    setNotify(enable, DeviceBleProfile::kFlickerStream);
}
