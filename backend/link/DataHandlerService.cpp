#include "DataHandlerService.h"

#include "protocol/DriverTypes.h"
#include "scene/QmlScene.h"
#include "store/DataBuffer.h"
#include "transport/BLEInterface.h"
#include "transport/UARTInterface.h"

#include <mutex>

namespace {

constexpr int kAckBoxWidth = 200;
constexpr int kAckBoxHeight = 100;

// The one service, made by the first call of instance.
DataHandlerService *g_service = nullptr;

} // namespace

DataHandlerService *DataHandlerService::instance(int connectType, QObject *parent)
{
    static std::once_flag once;
    std::call_once(once, [&] { g_service = new DataHandlerService(connectType, parent); });
    g_service->m_connectType = connectType;
    g_service->m_receiver.clear();
    return g_service;
}

DataHandlerService::LineProgress DataHandlerService::lineProgress()
{
    if (!g_service)
        return {};
    const FrameReceiver &receiver = g_service->m_receiver;
    return {receiver.receivedBytes(), receiver.assembler().bufferedBytes()};
}

DataHandlerService::DataHandlerService(int connectType, QObject *parent)
    : QObject(parent),
      m_connectType(connectType),
      m_dataBuffer(DataBuffer::instance()),
      m_receiver(m_dataBuffer)
{
    connect(UARTInterface::instance(), &UARTInterface::uartSendRawData, this,
            &DataHandlerService::handleSerialRawData);
    connect(BLEInterface::instance(), &BLEInterface::bleSendRawData, this,
            &DataHandlerService::handleBleRawData);
    connect(m_dataBuffer, &DataBuffer::deviceModelChanged, this, &DataHandlerService::handleDeviceModel);
    connect(m_dataBuffer, &DataBuffer::flickerDataChanged, this,
            &DataHandlerService::handleFlickerChangedSignal);
    connect(&m_receiver.dispatcher(), &FrameDispatcher::acknowledged, this, [this] { showAckMessage(0); });
    connect(m_dataBuffer, &DataBuffer::wlRangeRefused, this, &DataHandlerService::showRangeRefusal);
}

void DataHandlerService::handleSerialRawData(const QByteArray &data) { m_receiver.receive(data); }

void DataHandlerService::handleBleRawData(const QByteArray &data) { m_receiver.receive(data); }

void DataHandlerService::handleDeviceModel() {}

void DataHandlerService::handleFlickerChangedSignal()
{
    // One record per request: stop the stream once it has arrived.
    if (m_connectType == DriverTypes::CONNECT_BLE)
        BLEInterface::instance()->setFlickerNotify(false);
}

void DataHandlerService::showAckMessage(int code)
{
    QObject *box = QmlScene::find(m_engine, QStringLiteral("messageDialog"));
    if (!box)
        return;
    box->setProperty("boxTitle", QStringLiteral(" "));
    box->setProperty("boxWidth", kAckBoxWidth);
    box->setProperty("boxHeight", kAckBoxHeight);
    box->setProperty("boxMessage", code);
    box->setProperty("visible", true);
}

void DataHandlerService::showRangeRefusal(quint16 start, quint16 end, int maxPoints)
{
    QmlScene::showMessage(m_engine, tr("The device's range of %1 to %2 nm cannot be read (at most %3 points): "
                                       "its spectra are not shown.")
                                        .arg(start)
                                        .arg(end)
                                        .arg(maxPoints));
}
