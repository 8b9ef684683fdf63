#include "SimulatedDevice.h"

#include "PtyBaud.h"
#include "ReplyPayloads.h"
#include "protocol/DeviceCommand.h"
#include "protocol/DeviceFrame.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

using namespace DeviceCommand;

namespace simdevice {

namespace {
constexpr int kIdlePollMs = 50;

uint8_t firstByte(const QByteArray &payload)
{
    return payload.isEmpty() ? 0 : uint8_t(payload.at(0));
}
} // namespace

SimulatedDevice::SimulatedDevice(const DeviceState &state)
    : m_state(state)
{
}

SimulatedDevice::~SimulatedDevice()
{
    m_stopping = true;
    wake();
    if (m_thread.joinable())
        m_thread.join();
    std::lock_guard<std::mutex> lock(m_mutex);
    closeLine();
    for (int &fd : m_wakePipe) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

bool SimulatedDevice::start()
{
    if (m_thread.joinable())
        return true;
    if (::openpty(&m_masterFd, &m_slaveFd, nullptr, nullptr, nullptr) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    char name[128] = {};
    if (::ptsname_r(m_masterFd, name, sizeof name) != 0 || ::pipe2(m_wakePipe, O_NONBLOCK | O_CLOEXEC) != 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        closeLine();
        return false;
    }
    // Raw until the host configures the line, so nothing is echoed or translated; the
    // device keeps its own handle on the line so it never reads as hung up in between.
    termios settings{};
    if (::tcgetattr(m_slaveFd, &settings) == 0) {
        ::cfmakeraw(&settings);
        ::tcsetattr(m_slaveFd, TCSANOW, &settings);
    }
    ::fcntl(m_masterFd, F_SETFL, ::fcntl(m_masterFd, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_masterFd, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slaveFd, F_SETFD, FD_CLOEXEC);
    // A host that dies never undoes its exclusive use (TIOCEXCL): every user but root would
    // be kept off the line until the device ends. So the device follows who has the line
    // open, from before anyone can know its path.
    m_openWatchFd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (m_openWatchFd < 0 || ::inotify_add_watch(m_openWatchFd, name, IN_OPEN | IN_CLOSE) < 0) {
        m_error = QString::fromLocal8Bit(std::strerror(errno));
        closeLine();
        return false;
    }
    m_portFolder = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/simulated-device-XXXXXX"));
    const QString link = m_portFolder->filePath(QStringLiteral("port"));
    if (!m_portFolder->isValid() || ::symlink(name, QFile::encodeName(link).constData()) != 0) {
        m_error = m_portFolder->isValid() ? QString::fromLocal8Bit(std::strerror(errno)) : m_portFolder->errorString();
        closeLine();
        return false;
    }
    m_portName = link;
    m_clock.start();
    m_thread = std::thread([this] { run(); });
    return true;
}

QString SimulatedDevice::errorString() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_error;
}

QString SimulatedDevice::portName() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_portName;
}

DeviceState SimulatedDevice::state() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_state;
}

void SimulatedDevice::setState(const DeviceState &state)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_state = state;
}

void SimulatedDevice::updateState(const std::function<void(DeviceState &)> &change)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    change(m_state);
}

void SimulatedDevice::setBaudRate(int baud)
{
    updateState([baud](DeviceState &s) { s.baud = baud; });
}

void SimulatedDevice::setModel(const QString &model)
{
    updateState([&model](DeviceState &s) { s.model = model; });
}

void SimulatedDevice::setSpectrum(const SpectrumContent &spectrum)
{
    updateState([&spectrum](DeviceState &s) { s.spectrum = spectrum; });
}

void SimulatedDevice::setPhotometricWords(const QVector<float> &words)
{
    updateState([&words](DeviceState &s) { s.spectrum.photometricWords = words; });
}

void SimulatedDevice::setFlicker(const FlickerRecord &record)
{
    updateState([&record](DeviceState &s) { s.flicker = record; });
}

bool SimulatedDevice::isStreaming() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_streaming;
}

bool SimulatedDevice::repliesTaken() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_masterFd < 0)
        return true;
    int unread = 0;
    return m_output.empty() && ::ioctl(m_slaveFd, FIONREAD, &unread) == 0 && unread == 0;
}

QList<ReceivedFrame> SimulatedDevice::receivedLog() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

QList<QByteArray> SimulatedDevice::receivedFrames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<QByteArray> frames;
    for (const ReceivedFrame &frame : m_received)
        frames.append(frame.bytes);
    return frames;
}

QList<QByteArray> SimulatedDevice::framesWithCode(uint8_t code) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    QList<QByteArray> frames;
    for (const ReceivedFrame &frame : m_received) {
        if (DeviceFrame::code(frame.bytes) == code)
            frames.append(frame.bytes);
    }
    return frames;
}

QList<QByteArray> SimulatedDevice::rejectedFrames() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_rejected;
}

QList<LineActivity> SimulatedDevice::lineActivity() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_activity;
}

void SimulatedDevice::clearReceived()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_received.clear();
    m_rejected.clear();
    m_activity.clear();
}

QList<QVector<float>> SimulatedDevice::savedEfficiencyUploads() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_savedUploads;
}

void SimulatedDevice::sendFrame(uint8_t code, const QByteArray &payload)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        queueReply(code, payload);
    }
    wake();
}

void SimulatedDevice::pushSpectrum()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        queueReply(CMD_SPECTRUM_PUSH, spectrumPayload(m_state));
    }
    wake();
}

void SimulatedDevice::injectRaw(const QByteArray &bytes)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        queueBytes(bytes);
    }
    wake();
}

void SimulatedDevice::setFragmentation(int bytes, int gapMs)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_fragmentBytes = qMax(0, bytes);
    m_fragmentGapMs = qMax(0, gapMs);
}

void SimulatedDevice::corruptNextChecksums(int count)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_corruptCount = qMax(0, count);
}

void SimulatedDevice::sendStrayBeforeNextReply(const QByteArray &bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_stray = bytes;
}

void SimulatedDevice::sendRightAfterNextReply(const QByteArray &bytes)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_trailing = bytes;
}

void SimulatedDevice::corruptModelReplies(int count, int skip)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_corruptModelCount = count;
    m_corruptModelSkip = qMax(0, skip);
}

void SimulatedDevice::setLinePacing(bool paced)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_linePacing = paced;
    }
    wake();
}

void SimulatedDevice::setExposureTiming(bool timed)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_exposureTiming = timed;
}

void SimulatedDevice::setSilent(bool silent)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_silent = silent;
}

void SimulatedDevice::hangUp()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_thread.joinable()) {
        closeLine();
        return;
    }
    m_hangUpRequested = true;
    lock.unlock();
    wake();
    lock.lock();
    m_closed.wait_for(lock, std::chrono::seconds(2), [this] { return m_masterFd < 0; });
}

void SimulatedDevice::wake()
{
    if (m_wakePipe[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(m_wakePipe[1], &byte, 1);
    }
}

void SimulatedDevice::closeLine()
{
    m_portFolder.reset(); // first: the freed terminal number must not stay reachable
    if (m_openWatchFd >= 0)
        ::close(m_openWatchFd);
    m_openWatchFd = -1;
    m_hostOpens = 0;
    if (m_masterFd >= 0)
        ::close(m_masterFd);
    if (m_slaveFd >= 0)
        ::close(m_slaveFd);
    m_masterFd = -1;
    m_slaveFd = -1;
    m_output.clear();
    m_streaming = false;
}

qint64 SimulatedDevice::exposureMs() const
{
    return (qint64(m_state.expoTimeUs) + 999) / 1000;
}

qint64 SimulatedDevice::nextWriteMs() const
{
    const qint64 due = m_output.front().dueMs;
    if (!m_linePacing)
        return due;
    return qMax(due, qint64(std::ceil(m_lineFreeMs)));
}

bool SimulatedDevice::streamMayQueue() const
{
    // The next spectrum waits until the line has taken the last one: a host that stops
    // reading finds at most one spectrum waiting when it reads again, not every one it missed.
    return m_streaming && m_output.empty();
}

int SimulatedDevice::pollTimeoutMs() const
{
    const qint64 now = m_clock.elapsed();
    qint64 timeout = kIdlePollMs;
    if (!m_output.empty())
        timeout = qMin(timeout, qMax<qint64>(0, nextWriteMs() - now));
    if (streamMayQueue())
        timeout = qMin(timeout, qMax<qint64>(0, m_nextStreamMs - now));
    return int(timeout);
}

void SimulatedDevice::run()
{
    while (!m_stopping) {
        pollfd fds[3];
        int count = 0;
        int timeout = kIdlePollMs;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_hangUpRequested) {
                closeLine();
                m_hangUpRequested = false;
                m_closed.notify_all();
            }
            fds[count++] = {m_wakePipe[0], POLLIN, 0};
            if (m_masterFd >= 0) {
                const bool due = !m_output.empty() && nextWriteMs() <= m_clock.elapsed();
                fds[count++] = {m_masterFd, short(POLLIN | (due ? POLLOUT : 0)), 0};
                fds[count++] = {m_openWatchFd, POLLIN, 0};
                timeout = due ? kIdlePollMs : pollTimeoutMs();
            }
        }
        ::poll(fds, nfds_t(count), timeout);
        if (fds[0].revents & POLLIN) {
            char drain[64];
            while (::read(m_wakePipe[0], drain, sizeof drain) > 0) {
            }
        }
        if (count > 1) {
            if (fds[1].revents & POLLIN)
                readLine();
            else if (fds[1].revents & (POLLHUP | POLLERR))
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            if (fds[2].revents & POLLIN)
                followHostOpens();
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_masterFd < 0)
            continue;
        if (streamMayQueue() && m_clock.elapsed() >= m_nextStreamMs) {
            queueReply(CMD_AUTO_SPECTRUM, spectrumPayload(m_state));
            qint64 spacing = qMax(1, m_state.streamIntervalMs);
            if (m_exposureTiming)
                spacing = qMax(spacing, exposureMs());
            m_nextStreamMs = m_clock.elapsed() + spacing;
        }
        flushDue();
    }
}

void SimulatedDevice::followHostOpens()
{
    alignas(inotify_event) char events[4096];
    ssize_t n = 0;
    while ((n = ::read(m_openWatchFd, events, sizeof events)) > 0) {
        for (ssize_t at = 0; at < n;) {
            const auto *event = reinterpret_cast<const inotify_event *>(events + at);
            if (event->mask & IN_OPEN)
                ++m_hostOpens;
            if (event->mask & IN_CLOSE)
                --m_hostOpens;
            if (event->mask & IN_Q_OVERFLOW)
                m_hostOpens = 0; // lost count: take the line as free rather than keep it barred
            at += ssize_t(sizeof(inotify_event)) + event->len;
        }
    }
    if (m_hostOpens <= 0) {
        m_hostOpens = 0;
        // On the device's own handle: once set, the flag refuses every new open but root's.
        ::ioctl(m_slaveFd, TIOCNXCL);
    }
}

void SimulatedDevice::readLine()
{
    char buffer[4096];
    const ssize_t n = ::read(m_masterFd, buffer, sizeof buffer);
    if (n <= 0)
        return;
    const int hostBaud = simdevice_host_baud(m_masterFd);

    std::lock_guard<std::mutex> lock(m_mutex);
    const bool understood = hostBaud == m_state.baud;
    m_activity.append({m_clock.elapsed(), hostBaud, int(n), understood});
    if (!understood) {
        // At a foreign rate a UART sees garbage and the host sees garbage back.
        m_input.clear();
        if (!m_silent)
            queueNoise(int(n));
        return;
    }
    m_input.append(buffer, int(n));
    for (;;) {
        const int at = DeviceFrame::findHeader(m_input, 0, DeviceFrame::kHostToDevice);
        if (at < 0) {
            const bool keepSync = !m_input.isEmpty() && uint8_t(m_input.back()) == DeviceFrame::kSync;
            m_input = keepSync ? QByteArray(1, char(DeviceFrame::kSync)) : QByteArray();
            return;
        }
        m_input.remove(0, at);
        const DeviceFrame::Inspection seen = DeviceFrame::inspect(
            m_input.constData(), int(m_input.size()), DeviceFrame::kHostToDevice);
        switch (seen.status) {
        case DeviceFrame::Status::Incomplete:
            return;
        case DeviceFrame::Status::Bad:
            m_input.remove(0, 2);
            break;
        case DeviceFrame::Status::BadChecksum:
            m_rejected.append(m_input.left(seen.length));
            m_input.remove(0, seen.length);
            break;
        case DeviceFrame::Status::Complete: {
            const QByteArray frame = m_input.left(seen.length);
            m_input.remove(0, seen.length);
            handleFrame(frame, hostBaud);
            break;
        }
        }
    }
}

void SimulatedDevice::handleFrame(const QByteArray &frame, int hostBaud)
{
    m_received.append({frame, m_clock.elapsed(), hostBaud});
    const uint8_t code = DeviceFrame::code(frame);
    const QByteArray payload = DeviceFrame::payload(frame);
    switch (code) {
    case CMD_STOP_SPECTRUM:
        m_streaming = false;
        break;
    case CMD_GET_DEVICE_MODEL:
        queueReply(code, modelPayload(m_state));
        break;
    case CMD_SET_EXPO_MODE:
        m_state.autoExposure = firstByte(payload) != 0;
        queueReply(code, acknowledgementPayload());
        break;
    case CMD_GET_EXPO_MODE:
        queueReply(code, QByteArray(1, char(m_state.autoExposure ? 1 : 0)));
        break;
    case CMD_SET_EXPO_TIME:
        if (payload.size() >= 4)
            m_state.expoTimeUs = qFromLittleEndian<uint32_t>(payload.constData());
        queueReply(code, acknowledgementPayload());
        break;
    case CMD_GET_EXPO_TIME:
        queueReply(code, exposureTimePayload(m_state));
        break;
    case CMD_GET_WL_RANGE:
        queueReply(code, wavelengthRangePayload(m_state));
        break;
    case CMD_SET_BAUD_RATE:
        // Acknowledged at the old rate; the new one applies from the next byte on.
        queueReply(code, acknowledgementPayload());
        if (payload.size() >= 3) {
            m_state.baud = int(uint8_t(payload.at(0))) | int(uint8_t(payload.at(1))) << 8
                | int(uint8_t(payload.at(2))) << 16;
        }
        break;
    case CMD_SET_EFFICIENCY:
        if (payload.size() == 1 && uint8_t(payload.at(0)) == 0x04) {
            m_uploading = true;
            m_upload.clear();
        } else if (m_uploading) {
            m_upload.append(payload);
        }
        break;
    case CMD_RESET_EFFICIENCY:
        m_state.efficiency.clear();
        queueReply(code, acknowledgementPayload());
        break;
    case CMD_GET_EFFICIENCY:
        queueReply(code, efficiencyPayload(m_state));
        break;
    case CMD_SAVE_EFFICIENCY:
        if (m_uploading) {
            QVector<float> values(int(m_upload.size() / 4));
            for (int i = 0; i < values.size(); ++i)
                values[i] = qFromLittleEndian<float>(m_upload.constData() + 4 * i);
            m_savedUploads.append(values);
            if (!values.isEmpty())
                m_state.efficiency = values;
            m_uploading = false;
        }
        queueReply(code, acknowledgementPayload());
        break;
    case CMD_SINGLE_SPECTRUM:
        queueReply(code, spectrumPayload(m_state), m_exposureTiming ? m_clock.elapsed() + exposureMs() : 0);
        break;
    case CMD_AUTO_SPECTRUM:
        m_streaming = true;
        m_nextStreamMs = m_clock.elapsed() + (m_exposureTiming ? exposureMs() : 0);
        break;
    case CMD_SET_CIE2015:
        m_state.cie2015 = firstByte(payload);
        queueReply(code, acknowledgementPayload());
        break;
    case CMD_GET_CIE2015:
        queueReply(code, QByteArray(1, char(m_state.cie2015)));
        break;
    case CMD_SET_GAIN_VALUE:
        m_state.gainValue = firstByte(payload);
        queueReply(code, acknowledgementPayload());
        break;
    case CMD_GET_GAIN_VALUE:
        queueReply(code, QByteArray(1, char(m_state.gainValue)));
        break;
    case CMD_SET_GAIN_MODE:
        m_state.autoGain = firstByte(payload) != 0;
        queueReply(code, acknowledgementPayload());
        break;
    case CMD_GET_GAIN_MODE:
        queueReply(code, QByteArray(1, char(m_state.autoGain ? 1 : 0)));
        break;
    case CMD_FLICKER:
        queueReply(code, flickerPayload(m_state));
        break;
    default:
        break; // unknown requests go unanswered
    }
    Q_UNUSED(hostBaud);
}

void SimulatedDevice::queueReply(uint8_t code, const QByteArray &payload, qint64 notBeforeMs)
{
    if (m_silent)
        return;
    QByteArray frame = deviceFrame(code, payload);
    bool corrupt = false;
    if (m_corruptCount > 0) {
        --m_corruptCount;
        corrupt = true;
    }
    if (code == CMD_GET_DEVICE_MODEL) {
        if (m_corruptModelSkip > 0) {
            --m_corruptModelSkip;
        } else if (m_corruptModelCount != 0) {
            corrupt = true;
            if (m_corruptModelCount > 0)
                --m_corruptModelCount;
        }
    }
    if (corrupt)
        frame[frame.size() - 3] = char(~uint8_t(frame.at(frame.size() - 3)));
    if (!m_stray.isEmpty()) {
        queueBytes(m_stray, notBeforeMs);
        m_stray.clear();
    }
    queueBytes(frame + m_trailing, notBeforeMs);
    m_trailing.clear();
}

void SimulatedDevice::queueBytes(const QByteArray &bytes, qint64 notBeforeMs)
{
    if (bytes.isEmpty() || m_masterFd < 0)
        return;
    qint64 due = qMax(m_clock.elapsed(), notBeforeMs);
    if (!m_output.empty())
        due = qMax(due, m_output.back().dueMs);
    if (m_fragmentBytes <= 0) {
        m_output.push_back({bytes, due});
        return;
    }
    for (int at = 0; at < bytes.size(); at += m_fragmentBytes) {
        m_output.push_back({bytes.mid(at, m_fragmentBytes), due});
        due += m_fragmentGapMs;
    }
}

void SimulatedDevice::queueNoise(int count)
{
    QByteArray noise(count, '\0');
    for (int i = 0; i < count; ++i) {
        m_noiseSeed = m_noiseSeed * 1664525u + 1013904223u;
        uint8_t byte = uint8_t(m_noiseSeed >> 24);
        if (byte == DeviceFrame::kSync)
            byte = 0x33;
        noise[i] = char(byte);
    }
    queueBytes(noise);
}

void SimulatedDevice::flushDue()
{
    const qint64 now = m_clock.elapsed();
    // Paced, about 10 ms of the line's bytes go out at a time.
    const int baud = qMax(1, m_state.baud);
    const qsizetype slice = qMax(1, baud / 1000);
    while (!m_output.empty() && nextWriteMs() <= now) {
        Chunk &chunk = m_output.front();
        const qsizetype count = m_linePacing ? qMin(slice, chunk.bytes.size()) : chunk.bytes.size();
        const ssize_t written = ::write(m_masterFd, chunk.bytes.constData(), size_t(count));
        if (written < 0) {
            if (errno != EAGAIN && errno != EINTR)
                m_output.clear();
            return;
        }
        if (m_linePacing)
            m_lineFreeMs = qMax(m_lineFreeMs, double(now)) + double(written) * 10000.0 / baud;
        chunk.bytes.remove(0, int(written));
        if (written < count)
            return; // the line's buffer is full
        if (chunk.bytes.isEmpty())
            m_output.pop_front();
    }
}

} // namespace simdevice
