// The customised test: continuous measurement for a set time, asking for a sample of
// the results every few seconds (the timed series that SaveService writes).
#include "StudioService.h"

#include "link/ActiveTransport.h"
#include "store/DataBuffer.h"

#include <QTimer>
#include <cmath>
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

void StudioService::handleCustomizedTest(double duration, const QString &unit, double intervals)
{
    const DataBuffer *buffer = DataBuffer::instance();
    // The store knows a model only while a device is linked.
    if (buffer->deviceModel().isEmpty()) {
        showMessage(tr("Connect a device before starting a test."));
        return;
    }
    if (buffer->isY())
        return;

    const double interval =
        intervals >= kMinTestIntervalSeconds ? std::floor(intervals) : kMinTestIntervalSeconds;
    const double seconds = std::floor(unit == QLatin1String("min") ? duration * 60 : duration);
    // Shorter than one interval, a series records nothing; the timer counts in an int.
    constexpr double longest = std::numeric_limits<int>::max();
    if (!(seconds >= interval && seconds <= longest)) {
        showMessage(tr("Enter a duration of at least one interval (%1 s) and at most %2 s.")
                        .arg(QString::number(interval, 'f', 0), QString::number(longest, 'f', 0)));
        return;
    }

    // A series under way ends here, saved as it stands; the new one takes the new numbers.
    setTestTimer(0);
    handleCloseCustomizedTest();
    emit requestCustomizedTestBegin();
    if (!m_isAuto) {
        m_isAuto = true;
        updateIsMeasuring();
        emit isAutoChanged();
    }
    ActiveTransport::startContinuous(m_connectType);
    setTestDuration(int(seconds));
    setTestIntervals(int(interval));

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
