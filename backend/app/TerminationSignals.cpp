#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
constexpr int kSignalCount = int(sizeof(kSignals) / sizeof(kSignals[0]));

// The socket end the handler writes to; -1 while no watcher exists.
std::atomic<int> g_writeEnd{-1};
int g_sockets[2] = {-1, -1};
struct sigaction g_former[kSignalCount];
bool g_installed[kSignalCount] = {};

extern "C" void onTerminationSignal(int number)
{
    // Only async-signal-safe calls here.
    const int savedErrno = errno;
    const int fd = g_writeEnd.load();
    if (fd >= 0) {
        const unsigned char byte = static_cast<unsigned char>(number);
        // A full socket already holds a signal to act on, so a failed write loses nothing.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    Q_ASSERT(g_writeEnd.load() < 0); // one watcher at a time
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_sockets) != 0) {
        qWarning("Signals end the program at once: no socket for them (%s).", strerror(errno));
        return;
    }
    g_writeEnd.store(g_sockets[0]);
    m_notifier = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::readSignals);

    struct sigaction action = {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kSignalCount; ++i) {
        struct sigaction former = {};
        if (::sigaction(kSignals[i], nullptr, &former) != 0 || former.sa_handler == SIG_IGN)
            continue;
        g_installed[i] = ::sigaction(kSignals[i], &action, &g_former[i]) == 0;
    }
}

TerminationSignals::~TerminationSignals()
{
    for (int i = 0; i < kSignalCount; ++i) {
        if (g_installed[i])
            ::sigaction(kSignals[i], &g_former[i], nullptr);
        g_installed[i] = false;
    }
    g_writeEnd.store(-1);
    delete m_notifier;
    for (int &socket : g_sockets) {
        if (socket >= 0)
            ::close(socket);
        socket = -1;
    }
}

int TerminationSignals::exec()
{
    if (m_received)
        return exitCode(m_received);
    return QCoreApplication::exec();
}

void TerminationSignals::readSignals()
{
    unsigned char numbers[16];
    ssize_t count;
    while ((count = ::read(g_sockets[1], numbers, sizeof numbers)) > 0) {
        if (m_received)
            continue;
        m_received = numbers[0];
        QCoreApplication::exit(exitCode(m_received));
    }
}
