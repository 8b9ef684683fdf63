#pragma once
// A single-shot guard for a request whose reply may never come (a device that fell
// silent): armed with the exposure time, it expires after twice the exposure plus a
// fixed margin, long enough for an automatic exposure to settle.

#include <QObject>
#include <QTimer>

class ReplyWatchdog : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMarginMs = 3000;

    explicit ReplyWatchdog(QObject *parent = nullptr);

    static int timeoutMs(quint32 exposureMicroseconds);

    void arm(quint32 exposureMicroseconds);
    void disarm();
    bool isArmed() const;

signals:
    void expired();

private:
    QTimer m_timer;
};
