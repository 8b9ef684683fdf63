// The customised test: continuous measurement for a set time, asking for a sample of
// the results every few seconds (the timed series that SaveService writes).
#include "StudioService.h"

#include "link/ActiveTransport.h"
#include "store/DataBuffer.h"

#include <QTimer>
#include <algorithm>
#include <limits>

void StudioService::setTestDuration(int seconds)
{
    if (seconds == m_testDuration)
        return;
    m_testDuration = seconds;
    emit testDurationChanged();
}

void StudioService::setTestTimer(int seconds)
{
    if (seconds == m_testTimer)
        return;
    m_testTimer = seconds;
    emit testTimerChanged();
}

void StudioService::setTestIntervals(int seconds)
{
    if (seconds == m_testIntervals)
        return;
    m_testIntervals = seconds;
    emit testIntervalsChanged();
}

void StudioService::handleCustomizedTest(int duration, const QString &unit, int intervals)
{
    if (DataBuffer::instance()->isY())
        return;
    setTestTimer(0);
    handleCloseCustomizedTest();

    // A duration in minutes near the int limit must not wrap into a negative time.
    const qint64 seconds =
        unit == QLatin1String("min") ? qint64(duration) * 60 : qint64(duration);
    emit requestCustomizedTestBegin();
    if (!m_isAuto) {
        m_isAuto = true;
        updateIsMeasuring();
        emit isAutoChanged();
    }
    ActiveTransport::startContinuous(m_connectType);
    setTestDuration(int(std::clamp<qint64>(seconds, std::numeric_limits<int>::min(),
                                           std::numeric_limits<int>::max())));
    setTestIntervals(qMax(intervals, kMinTestIntervalSeconds));

    m_customizedTestTimer = new QTimer(this);
    m_customizedTestTimer->setInterval(kTestTickMs);
    connect(m_customizedTestTimer, &QTimer::timeout, this, &StudioService::onCustomizedTestTick);
    m_customizedTestTimer->start();
}

void StudioService::onCustomizedTestTick()
{
    setTestTimer(m_testTimer + 1);
    // The interval is writable from QML while the test runs; never divide by <= 0.
    const int interval = m_testIntervals > 0 ? m_testIntervals : kMinTestIntervalSeconds;
    if (m_testTimer > 0 && m_testTimer % interval == 0)
        emit requestCustomizedTestAppend();
    if (m_testTimer >= m_testDuration)
        handleCloseCustomizedTest(); // emits the end request
}

void StudioService::handleCloseCustomizedTest()
{
    if (m_isAuto) {
        m_isAuto = false;
        updateIsMeasuring();
        if (m_customizedTestTimer && m_customizedTestTimer->isActive()) {
            m_customizedTestTimer->stop();
            setTestTimer(0);
        }
        emit isAutoChanged();
    }
    ActiveTransport::stopContinuous(m_connectType);
    finishCustomizedTest();
}

void StudioService::finishCustomizedTest()
{
    if (!m_customizedTestTimer)
        return;
    m_customizedTestTimer->stop();
    m_customizedTestTimer->deleteLater();
    m_customizedTestTimer = nullptr;
    emit requestCustomizedTestEnd();
}
