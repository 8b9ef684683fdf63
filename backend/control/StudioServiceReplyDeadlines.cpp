// How long a measurement waits for the device: the exposure it may take, the frame's time
// on the line, and the exposure asked for first when the device has not reported it.
#include "StudioService.h"

#include "link/ActiveTransport.h"
#include "link/FrameDispatcher.h"
#include "link/ReplyWatchdog.h"
#include "protocol/DeviceFrame.h"
#include "store/DataBuffer.h"

#include <algorithm>

quint32 StudioService::longestExpectedExposureUs() const
{
    const DataBuffer *buffer = DataBuffer::instance();
    const quint32 current = buffer->expoTime();
    // In automatic exposure the device may lengthen the exposure before it answers.
    if (buffer->expoMode() == 0)
        return current;
    return std::max(current, quint32(kLongestAutoExposureMs * 1000.0f));
}

void StudioService::forgetDeviceExposure()
{
    m_exposureTimeKnown = false;
    m_awaitingExposure = false;
}

void StudioService::requestExposureIfUnknown()
{
    // In automatic exposure the longest the device chooses bounds the wait without it.
    if (m_exposureTimeKnown || m_awaitingExposure || DataBuffer::instance()->expoMode() != 0)
        return;
    m_awaitingExposure = true;
    m_exposureRequests = 1;
    ActiveTransport::getExpoTime(m_connectType);
}

void StudioService::onExposureTimeReported()
{
    m_exposureTimeKnown = true;
    // A longer exposure set during a series is no silence.
    if (m_seriesWatchdog->isArmed())
        armForNextSpectrum(m_seriesWatchdog);
    if (!m_awaitingExposure)
        return;
    m_awaitingExposure = false;
    // The spectrum follows the exposure reply: its deadline counts from here.
    for (ReplyWatchdog *watchdog : {m_snapshotWatchdog, m_referenceWatchdog}) {
        if (watchdog->isArmed())
            armSpectrumWatchdog(watchdog);
    }
}

void StudioService::armSpectrumWatchdog(ReplyWatchdog *watchdog)
{
    if (m_awaitingExposure) {
        // The exposure reply (4 bytes of microseconds), behind at most a spectrum frame
        // already under way.
        constexpr int kExposureReplyBytes = DeviceFrame::kOverhead + 4;
        const int frameBytes = FrameDispatcher::spectrumFrameBytes(*DataBuffer::instance());
        watchdog->arm(0, ActiveTransport::lineMs(m_connectType, frameBytes + kExposureReplyBytes));
        return;
    }
    armForNextSpectrum(watchdog);
}

void StudioService::armForNextSpectrum(ReplyWatchdog *watchdog)
{
    const int frameBytes = FrameDispatcher::spectrumFrameBytes(*DataBuffer::instance());
    watchdog->arm(longestExpectedExposureUs(), ActiveTransport::lineMs(m_connectType, frameBytes));
}

bool StudioService::retryExposureRequest(ReplyWatchdog *watchdog)
{
    if (!m_awaitingExposure)
        return false;
    if (m_exposureRequests >= kExposureRequests) {
        m_awaitingExposure = false;
        return false;
    }
    ++m_exposureRequests;
    ActiveTransport::getExpoTime(m_connectType);
    armSpectrumWatchdog(watchdog);
    return true;
}
