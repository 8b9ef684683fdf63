#pragma once
// A single-shot guard for a request whose reply may never come (a device that fell
// silent): armed with the longest exposure the reply may take and the time its frame needs
// on the line, it expires after twice that exposure, plus the line time, plus a fixed
// margin, never earlier. A frame that is still arriving when that time has come is waited
// for: the guard expires only once no frame is under way or its bytes have stopped coming
// for a margin.

#include <QObject>
#include <QTimer>

class ReplyWatchdog : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMarginMs = 3000;

    explicit ReplyWatchdog(QObject *parent = nullptr);

    static int timeoutMs(quint32 exposureMicroseconds, int lineMs = 0);

    void arm(quint32 exposureMicroseconds, int lineMs = 0);
    void disarm();
    bool isArmed() const;

signals:
    void expired();

private:
    void onTimeout();

    QTimer m_timer;
    // Bytes received in all when the guard was armed or last found a frame under way.
    quint64 m_receivedMark = 0;
};
