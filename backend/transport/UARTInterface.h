#pragma once
// Serial link to the spectrometer: port list, fixed-rate connect or baud scan, the
// identification handshake, the link check and the command senders.

#include "DynamicArray.h"
#include "HandshakeBuffer.h"
#include "SerialLockWarden.h"
#include "SerialOpenFailure.h"
#include "protocol/DriverTypes.h"

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

class QTimer;

class UARTInterface : public QObject
{
    Q_OBJECT
public:
    static constexpr std::array<int32_t, 7> kBaudTable{115200, 921600, 460800, 256000,
                                                      9600,   4800,   2400};
    static constexpr int kScanTickMs = 200;
    static constexpr int kSlowScanTickMs = 600; // from 9600 baud down
    static constexpr int kLinkCheckMs = 1000;
    static constexpr int kProbePauseMs = 100;
    static constexpr int kFixedRateWaitMs = 600;
    static constexpr int kFixedRateCheckMs = 500;
    static constexpr int kStopPauseMs = 100;
    static constexpr int kWriteWaitMs = 1000;
    static constexpr uint16_t kFastCommandDelayMs = 20;
    static constexpr uint16_t kSlowCommandDelayMs = 100;
    // Positions in the rate table: from 9600 baud down the scan gives each rate the slow
    // tick; from 4800 baud down commands need the slow pause.
    static constexpr uint8_t kFirstSlowScanIndex = 4;
    static constexpr uint8_t kFirstSlowCommandIndex = 5;
    static uint16_t commandDelayFor(uint8_t baudIndex);

    static UARTInterface *instance();
    ~UARTInterface() override;

    // The ports that open, in the system's order, then those named (comma-separated device
    // paths) in the environment variable kExtraPortsVariable.
    QStringList scanSerialPorts();
    static constexpr const char *kExtraPortsVariable = "VANTOREL_EXTRA_SERIAL_PORTS";
    // The ports the last scan left out because they exist but would not open, and why.
    const QList<SerialOpenFailure::Refusal> &refusedPorts() const { return m_refusedPorts; }
    void connectDevice(const QString &portName, uint8_t baudIndex, bool scan);
    void disconnectDevice();
    void setCommandDelay(uint16_t ms);
    uint16_t commandDelay() const { return m_commandDelay; }
    // The local port's rate (follows a rate change sent to the device).
    int32_t baudRate() const { return m_port.baudRate(); }
    bool isIdentified() const { return m_identified; }
    // Why the last connect could not open its port, when a person can act on it; else empty.
    QString openFailure() const { return m_openFailure; }
    // A connect attempt is running or a link is up.
    bool isBusy() const;

    void sendCommand(uint8_t code, const QByteArray &payload, uint16_t pauseMs);
    void uploadEfficiency(const FloatArray *table);

    void getDeviceModel();
    void getExpoMode();
    void getExpoTime();
    void getWlRange();
    void resetEfficiency();
    void getEfficiency();
    void singleSpectrum();
    void autoSpectrum(bool start);
    void getCie2015();
    void getGainValue();
    void getGainMode();
    void startFlicker();
    // Tells the device, then moves the local port to the new rate so the link survives.
    // Returns false when the rate cannot be sent or the port cannot follow.
    bool setBaudRate(uint32_t baud);
    void setExpoMode(uint8_t mode);
    // Returns false (and sends nothing) for a time that is not a finite, non-negative number.
    bool setExpoTime(float ms);
    void setCie2015(uint8_t value);
    void setGainValue(uint8_t value);
    void setGainMode(uint8_t value);

signals:
    void uartSendRawData(QByteArray data);
    void uartScanDeviceName(QString deviceName);
    void uartDeviceConnectStatus(bool status, DriverErrorCode err);
    void uartSendDeviceIdSn(QString deviceIdSn);

private slots:
    void serialRead();
    void baudRateScanTimeoutUpdate();
    void checkConnectionStatus();
    void onPortError(QSerialPort::SerialPortError error);

private:
    UARTInterface();
    void setUpPort(uint8_t baudIndex);
    bool openPort();
    void closePort();
    void endFailedLine();
    void runIdentificationProbe();
    void takeHandshakeBytes(const QByteArray &bytes);
    // Reports the identified device as connected, unless its line has failed meanwhile.
    void reportConnected();
    // Ends a connect attempt or scan that has not reported yet: port closed, failure told.
    void failAttempt(DriverErrorCode err);
    // The port is open and its line has not hung up.
    bool lineAlive() const;
    // Stops the device and lets the port go; with `lost`, first tells the listeners so.
    void dropLink(std::optional<DriverErrorCode> lost);
    void writeFrame(const QByteArray &frame);

    // A child of the transport, so the link's tests can watch its errors.
    QSerialPort m_port;
    QTimer *m_baudScanTimer = nullptr;
    QTimer *m_linkCheckTimer = nullptr;
    QString m_portName;
    uint8_t m_baudIndex = 0;
    bool m_identified = false;
    HandshakeBuffer m_handshake;
    QString m_openFailure;
    SerialLockWarden m_lockWarden;
    QList<SerialOpenFailure::Refusal> m_refusedPorts;
    uint16_t m_commandDelay = kFastCommandDelayMs;
    // Bumped by every connect and disconnect so a pending fixed-rate check of an earlier
    // attempt cannot report on the current one.
    quint64 m_attempt = 0;
    // The line has really failed (hung up); further errors of the port are its echo.
    bool m_lineFailed = false;
    // Port errors in a row that found the line still up; reset by every read with data.
    int m_forgivenErrors = 0;
};
