#include "ActiveTransport.h"

#include "protocol/DriverTypes.h"
#include "transport/BLEInterface.h"
#include "transport/UARTInterface.h"

#include <algorithm>

namespace ActiveTransport {

bool isBle(int connectType) { return connectType == DriverTypes::CONNECT_BLE; }

void startContinuous(int connectType)
{
    if (isBle(connectType))
        BLEInterface::instance()->setSpectrumNotify(true);
    else
        UARTInterface::instance()->autoSpectrum(true);
}

void stopContinuous(int connectType)
{
    if (isBle(connectType))
        BLEInterface::instance()->setSpectrumNotify(false);
    else
        UARTInterface::instance()->autoSpectrum(false);
}

void requestSnapshot(int connectType)
{
    if (isBle(connectType))
        BLEInterface::instance()->setSpectrumNotify(true);
    else
        UARTInterface::instance()->singleSpectrum();
}

void endSnapshot(int connectType)
{
    if (isBle(connectType))
        BLEInterface::instance()->setSpectrumNotify(false);
}

void startFlicker(int connectType)
{
    if (isBle(connectType))
        BLEInterface::instance()->setFlickerNotify(true);
    else
        UARTInterface::instance()->startFlicker();
}

void setExpoMode(int connectType, uint8_t mode)
{
    if (isBle(connectType)) {
        BLEInterface::instance()->writeExpoMode(mode);
        BLEInterface::instance()->readExpoMode();
    } else {
        UARTInterface::instance()->setExpoMode(mode);
        UARTInterface::instance()->getExpoMode();
    }
}

void getExpoMode(int connectType)
{
    if (isBle(connectType))
        BLEInterface::instance()->readExpoMode();
    else
        UARTInterface::instance()->getExpoMode();
}

void setExpoTime(int connectType, float milliseconds)
{
    if (isBle(connectType)) {
        BLEInterface::instance()->writeExpoTime(milliseconds);
        BLEInterface::instance()->readExpoTime();
    } else {
        UARTInterface::instance()->setExpoTime(milliseconds);
        UARTInterface::instance()->getExpoTime();
    }
}

void getExpoTime(int connectType)
{
    if (isBle(connectType))
        BLEInterface::instance()->readExpoTime();
    else
        UARTInterface::instance()->getExpoTime();
}

void setCie2015(int connectType, uint8_t deviceValue)
{
    if (isBle(connectType)) {
        BLEInterface::instance()->writeCie2015(deviceValue);
        BLEInterface::instance()->readCie2015();
    } else {
        UARTInterface::instance()->setCie2015(deviceValue);
        UARTInterface::instance()->getCie2015();
    }
}

void setFlickerGain(int connectType, bool automatic, uint8_t gainValue)
{
    if (isBle(connectType)) {
        BLEInterface *ble = BLEInterface::instance();
        ble->writeGainMode(automatic ? 1 : 0);
        if (!automatic)
            ble->writeGainValue(gainValue);
        ble->readGainValue();
        ble->readGainMode();
    } else {
        UARTInterface *uart = UARTInterface::instance();
        uart->setGainMode(automatic ? 1 : 0);
        if (!automatic)
            uart->setGainValue(gainValue);
        uart->getGainValue();
        uart->getGainMode();
    }
}

void requestInitialSettings(int connectType)
{
    if (isBle(connectType)) {
        BLEInterface *ble = BLEInterface::instance();
        ble->readWlRange();
        ble->readExpoMode();
        ble->readCie2015();
        ble->readGainMode();
        ble->readGainValue();
        ble->readDeviceModel();
    } else {
        UARTInterface *uart = UARTInterface::instance();
        uart->getWlRange();
        uart->getExpoMode();
        uart->getCie2015();
        uart->getGainMode();
        uart->getGainValue();
        uart->getDeviceModel();
    }
}

void requestDeviceModel(int connectType)
{
    if (isBle(connectType))
        BLEInterface::instance()->readDeviceModel();
    else
        UARTInterface::instance()->getDeviceModel();
}

int lineMs(int connectType, int bytes)
{
    const qint64 count = std::max(0, bytes);
    if (isBle(connectType))
        return int((count * 1000 + kBleBytesPerSecond - 1) / kBleBytesPerSecond);
    qint64 baud = UARTInterface::instance()->baudRate();
    if (baud <= 0)
        baud = UARTInterface::kBaudTable.back(); // the slowest the transport uses
    return int((count * 10 * 1000 + baud - 1) / baud);
}

} // namespace ActiveTransport
