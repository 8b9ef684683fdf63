#pragma once
// The back end of the welcome page, offered to QML as "welcomeService": serial ports and
// Bluetooth LE devices to pick from, connecting, the reaction to the link's status, and
// the user-interface language.

#include "protocol/DriverTypes.h"
#include "welcome/LanguageSwitcher.h"

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

class BLEInterface;
class QQmlApplicationEngine;
class StudioService;
class UARTInterface;

class WelcomeService : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QStringList bleDevices READ bleDevices NOTIFY bleDevicesChanged)
    // True from a connect request until the device has named its model or the attempt has
    // failed; the page keeps its connect controls disabled meanwhile.
    Q_PROPERTY(bool isConnecting READ isConnecting NOTIFY isConnectingChanged)

public:
    // Bluetooth LE devices of the family advertise names with this prefix.
    static const QString kBleNamePrefix; // "RQM"
    // The baud selector's "Auto": scan the rates instead of using one.
    static constexpr int kBaudIndexScan = 7;
    // Once a link is up the device must name its model: it is asked this many times in all,
    // each time given this long (beyond its replies' time on the line), before the
    // connection is given up.
    static constexpr int kModelRequests = 3;
    static constexpr int kModelReplyWaitMs = 1000;

    explicit WelcomeService(QQmlApplicationEngine *engine, QObject *parent = nullptr);

    void setStudioService(StudioService *studio);

    Q_INVOKABLE QStringList bleDevices() const { return m_bleDevices; }
    Q_INVOKABLE void addBleDevice(const QString &deviceName);
    Q_INVOKABLE void clearBleDevices();

    bool isConnecting() const { return m_connecting; }

    QString language() const { return m_languages.language(); }

    void showPage(int page);
    void showMessage(DriverErrorCode code);
    void returnToWelcome(DriverErrorCode err);

public slots:
    void handleSerialScanSignal();
    void handleBleScanSignal();
    void bleScanDeviceName(const QString &deviceName);
    void handleBleDeviceFinished();
    void handleSerialConnectionSignal(const QString &portName, int baudRate);
    void handleBleConnectionSignal(const QString &bleName);
    void handleUartDeviceConnectStatus(bool status, DriverErrorCode err);
    void handleBletDeviceConnectStatus(bool status, DriverErrorCode err);
    void handleLanguageSignal(const QString &message);
    void handleDeviceModelChanged();

signals:
    void bleDevicesChanged();
    void isConnectingChanged();

private:
    void applyStartupLanguage(const QString &code);
    void setConnecting(bool connecting);
    // Shared by both transports: link loss, failure message, or the settings requests.
    void onConnectStatus(bool status, DriverErrorCode err, DriverErrorCode linkLost,
                         DriverTypes::CONNECT_TYPE transport);
    // The settings requests have gone out; the model reply is awaited.
    void awaitDeviceModel(DriverTypes::CONNECT_TYPE transport);
    // Waits for the model reply behind `lineBytes` of other replies on the line.
    void waitForModelReply(int lineBytes);
    void onModelReplyMissing();
    // No model after every request: the link is closed and the failure shown.
    void giveUpConnection(DriverTypes::CONNECT_TYPE transport);

    QPointer<QQmlApplicationEngine> m_engine;
    UARTInterface *m_uart = nullptr;
    BLEInterface *m_ble = nullptr;
    StudioService *m_studio = nullptr;
    QStringList m_bleDevices;
    bool m_connecting = false;
    QTimer m_modelWait;
    int m_modelRequests = 0;
    DriverTypes::CONNECT_TYPE m_modelTransport = DriverTypes::CONNECT_UART;
    LanguageSwitcher m_languages;
};
