#pragma once
// The receiving side of the device protocol: both transports hand it their bytes; it cuts
// out checked frames and applies them to the store, raising acknowledgements, and the
// refusal of a device range, in the QML message box.

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

    // How far reception has come: every byte received so far, and those of a frame that has
    // begun to arrive and is not complete. Zeros while the service does not exist.
    struct LineProgress {
        quint64 received = 0;
        int pending = 0;
    };
    static LineProgress lineProgress();

public slots:
    void handleSerialRawData(const QByteArray &data);
    void handleBleRawData(const QByteArray &data);
    void handleDeviceModel();
    void handleFlickerChangedSignal();

private:
    DataHandlerService(int connectType, QObject *parent);
    // Tells the user why a device whose range the store refused shows no spectrum.
    void showRangeRefusal(quint16 start, quint16 end, int maxPoints);

    int m_connectType = 0;
    DataBuffer *m_dataBuffer = nullptr;
    QQmlApplicationEngine *m_engine = nullptr;
    FrameReceiver m_receiver;
};
