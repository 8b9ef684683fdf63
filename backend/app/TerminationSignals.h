#pragma once
// SIGTERM, SIGINT and SIGHUP (logout and shutdown, Ctrl+C, a closed terminal) end the event
// loop as the last window's close does, so that the teardown after it runs: a running series
// is written, the device is told to stop and its port is let go. The handler only writes the
// signal's number to a socket; the GUI thread reads it there and ends the loop.

#include <QObject>

class QSocketNotifier;

class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    // Needs the application object. A signal the process ignored at its start (nohup, a
    // background job) stays ignored.
    explicit TerminationSignals(QObject *parent = nullptr);
    // The signals' former handling is back afterwards.
    ~TerminationSignals() override;

    // The application's event loop, or its end at once when a signal came before it ran
    // (a signal handled in a loop that ran before it would otherwise be forgotten).
    int exec();

    // The exit code of a loop a signal ended, as a shell reports a process it ended.
    static int exitCode(int signalNumber) { return 128 + signalNumber; }

private:
    void readSignals();

    QSocketNotifier *m_notifier = nullptr;
    // The first signal; later ones do not cut its teardown short.
    int m_received = 0;
};
