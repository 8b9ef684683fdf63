#pragma once
// A spectrometer on a pseudo-terminal, answering in its own thread (the host's serial
// transport sleeps on its thread). It understands only its own baud rate, answers every
// host command, records every frame it receives, and can misbehave on request.
//
// Typical use:
//     SimulatedDevice device;          // 115200 baud, a plain-parameter model
//     device.start();
//     UARTInterface::instance()->connectDevice(device.portName(), 0, false);
//     QTRY_COMPARE(device.framesWithCode(8).size(), 1);

#include "DeviceState.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class QTemporaryDir;

namespace simdevice {

// A checked host-to-device frame as it arrived.
struct ReceivedFrame {
    QByteArray bytes;
    qint64 atMs = 0;   // since start()
    int hostBaud = 0;  // the rate the host's port was set to
};

// One read from the line: what rate the host used, and whether the device understood it.
struct LineActivity {
    qint64 atMs = 0;
    int hostBaud = 0;
    int byteCount = 0;
    bool understood = false;
};

class SimulatedDevice
{
public:
    explicit SimulatedDevice(const DeviceState &state = DeviceState());
    ~SimulatedDevice();
    SimulatedDevice(const SimulatedDevice &) = delete;
    SimulatedDevice &operator=(const SimulatedDevice &) = delete;

    // Opens the pseudo-terminal and starts answering. False (see errorString) on failure.
    bool start();
    QString errorString() const;
    // The path the host opens: a link to the pseudo-terminal in a folder of the device's own.
    // The link goes before the line closes, so a host that opens the path again finds
    // nothing, never a terminal the system has since handed to another program.
    QString portName() const;

    // Content and settings. Safe from any thread; replies use the state at sending time.
    DeviceState state() const;
    void setState(const DeviceState &state);
    void updateState(const std::function<void(DeviceState &)> &change);
    void setBaudRate(int baud);
    void setModel(const QString &model);
    void setSpectrum(const SpectrumContent &spectrum);
    void setPhotometricWords(const QVector<float> &words);
    void setFlicker(const FlickerRecord &record);
    bool isStreaming() const;
    // Every reply queued so far has gone out, and the host has read it off the line.
    bool repliesTaken() const;

    // What the host sent.
    QList<ReceivedFrame> receivedLog() const;
    QList<QByteArray> receivedFrames() const;
    QList<QByteArray> framesWithCode(uint8_t code) const;
    // Frames whose checksum did not match (kept apart; the device ignores them).
    QList<QByteArray> rejectedFrames() const;
    QList<LineActivity> lineActivity() const;
    void clearReceived();
    // Efficiency uploads completed by a save command, as float32 values.
    QList<QVector<float>> savedEfficiencyUploads() const;

    // Sending on the device's own initiative.
    void sendFrame(uint8_t code, const QByteArray &payload); // faults below apply
    void pushSpectrum();                                      // code 1
    void injectRaw(const QByteArray &bytes);                  // as is, even when silent

    // Misbehaviour.
    // Every later write is cut into pieces of `bytes` bytes, `gapMs` apart (0 bytes: off).
    void setFragmentation(int bytes, int gapMs);
    // The next `count` replies carry a wrong checksum.
    void corruptNextChecksums(int count = 1);
    // `bytes` go out just before the next reply (once).
    void sendStrayBeforeNextReply(const QByteArray &bytes);
    // `bytes` go out right behind the next reply, in the same write (once).
    void sendRightAfterNextReply(const QByteArray &bytes);
    // Model replies (code 8) after the first `skip` ones carry a wrong checksum: the next
    // `count` of them, or every one when `count` is negative. The identification probe's
    // reply is the first model reply of a connection, so `skip` 1 spoils the settings'.
    void corruptModelReplies(int count, int skip = 0);
    // No replies and no noise; frames are still recorded.
    void setSilent(bool silent);

    // Timing of a real device (both off by default: replies go out at once, at any speed).
    // Output leaves no faster than the line carries it at the device's rate, 10 bits a byte,
    // so a spectrum frame of N bytes takes 10 N / baud seconds from its first byte to its last.
    void setLinePacing(bool paced);
    // A spectrum is sent only once its exposure (the state's exposure time) has passed: a
    // snapshot that long after its request, continuous spectra no closer than one exposure
    // apart. In any case the next continuous spectrum waits until the line has taken the
    // last (with line pacing on, carried it).
    void setExposureTiming(bool timed);
    // Closes the device side of the line for good; the host's port then fails.
    void hangUp();

private:
    struct Chunk {
        QByteArray bytes;
        qint64 dueMs = 0;
    };

    void run();
    void readLine();
    void handleFrame(const QByteArray &frame, int hostBaud);
    // A reply, due now or once `notBeforeMs` (the device's clock) has come.
    void queueReply(uint8_t code, const QByteArray &payload, qint64 notBeforeMs = 0);
    void queueBytes(const QByteArray &bytes, qint64 notBeforeMs = 0);
    qint64 exposureMs() const;
    // When the first queued chunk may go out (its due time and, paced, the line's).
    qint64 nextWriteMs() const;
    // Streaming, and the line is free for the next spectrum.
    bool streamMayQueue() const;
    void queueNoise(int count);
    void flushDue();
    void wake();
    int pollTimeoutMs() const;
    // Counts the host's opens and closes of the line; when the last is closed, the host's
    // exclusive use ends with it.
    void followHostOpens();
    void closeLine();

    mutable std::mutex m_mutex;
    std::condition_variable m_closed;
    DeviceState m_state;
    QString m_portName;
    std::unique_ptr<QTemporaryDir> m_portFolder;
    QString m_error;
    int m_masterFd = -1;
    int m_slaveFd = -1;
    int m_openWatchFd = -1; // inotify on the line's terminal
    int m_hostOpens = 0;
    int m_wakePipe[2] = {-1, -1};
    std::thread m_thread;
    std::atomic<bool> m_stopping{false};
    bool m_hangUpRequested = false;
    QElapsedTimer m_clock;

    QByteArray m_input;
    std::deque<Chunk> m_output;
    QList<ReceivedFrame> m_received;
    QList<QByteArray> m_rejected;
    QList<LineActivity> m_activity;
    QByteArray m_upload;
    bool m_uploading = false;
    QList<QVector<float>> m_savedUploads;
    bool m_streaming = false;
    qint64 m_nextStreamMs = 0;
    int m_fragmentBytes = 0;
    int m_fragmentGapMs = 0;
    int m_corruptCount = 0;
    int m_corruptModelCount = 0;
    int m_corruptModelSkip = 0;
    bool m_linePacing = false;
    bool m_exposureTiming = false;
    double m_lineFreeMs = 0.0; // paced: when the line has carried everything written
    QByteArray m_stray;
    QByteArray m_trailing;
    bool m_silent = false;
    uint32_t m_noiseSeed = 0x2545F491u;
};

} // namespace simdevice
