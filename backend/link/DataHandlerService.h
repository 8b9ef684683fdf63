#pragma once
// The receiving side of the device protocol: both transports hand it their bytes; it cuts
// out checked frames and applies them to the store, raising acknowledgements in the QML
// message box.

#include "link/FrameReceiver.h"

#include <QByteArray>
#include <QObject>

class DataBuffer;
class QQmlApplicationEngine;

class DataHandlerService : public QObject
{
    Q_OBJECT
public:
    // Created on the first call; every call stores the transport and, since it marks a
    // new connection, forgets any partial frame of the previous one.
    static DataHandlerService *instance(int connectType, QObject *parent = nullptr);

    void setEngine(QQmlApplicationEngine *engine) { m_engine = engine; }
    int connectType() const { return m_connectType; }

    // "OK" in the message box for `code` 0.
    void showAckMessage(int code);

    const FrameReceiver &receiver() const { return m_receiver; }

public slots:
    void handleSerialRawData(const QByteArray &data);
    void handleBleRawData(const QByteArray &data);
    void handleDeviceModel();
    void handleFlickerChangedSignal();

private:
    DataHandlerService(int connectType, QObject *parent);

    int m_connectType = 0;
    DataBuffer *m_dataBuffer = nullptr;
    QQmlApplicationEngine *m_engine = nullptr;
    FrameReceiver m_receiver;
};
