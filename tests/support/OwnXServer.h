#pragma once
// An X server of the test's own (Xvfb) with one screen of a given size, for a test that needs
// another screen than the one it was started on. Start it before the application connects
// to a display: it points DISPLAY at itself.

#include <QSize>
#include <sys/types.h>

namespace testsupport {

class OwnXServer
{
public:
    explicit OwnXServer(QSize screen) : m_screen(screen) {}
    ~OwnXServer();
    OwnXServer(const OwnXServer &) = delete;
    OwnXServer &operator=(const OwnXServer &) = delete;

    // Starts the server and waits until it takes connections; false when it did not start.
    bool start();

private:
    QSize m_screen;
    pid_t m_pid = -1;
};

} // namespace testsupport
