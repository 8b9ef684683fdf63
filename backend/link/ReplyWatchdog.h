#pragma once
// A single-shot guard for a request whose reply may never come (a device that fell
// silent): armed with the longest exposure the reply may take, it expires after twice
// that exposure plus a fixed margin, never earlier.

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
