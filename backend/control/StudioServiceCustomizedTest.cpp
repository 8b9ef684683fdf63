// The customised test: continuous measurement for a set time, asking for a sample of
// the results every few seconds (the timed series that SaveService writes).
#include "StudioService.h"

#include "control/AvailableMemory.h"
#include "link/ReplyWatchdog.h"
#include "output/TimedSeriesTable.h"
#include "store/DataBuffer.h"

#include <QTimer>
#include <cmath>
#include <limits>

namespace {

// Room kept for the end, which writes the file a piece at a time.
constexpr qint64 kEndReserveBytes = 16 << 20;

// The longest series at `interval` seconds whose samples fit in the memory left now.
qint64 longestSeriesHeld(const DataBuffer &buffer, qint64 interval)
{
    const qint64 room = AvailableMemory::bytes() - kEndReserveBytes;
    const qint64 samples = room > 0 ? room / TimedSeriesTable::bytesPerSample(buffer) : 0;
    // A sample falls at every whole interval: the next one is one interval on.
    return samples > std::numeric_limits<qint64>::max() / interval - 1 ? std::numeric_limits<qint64>::max()
                                                                        : (samples + 1) * interval - 1;
}

} // namespace

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

    // Its samples are held until its end: a series that cannot be, is refused before it runs.
    const qint64 longestHeld = longestSeriesHeld(*buffer, qint64(interval));
    if (seconds > longestHeld) {
        showMessage(tr("This computer's memory cannot hold a series that long: at %1 s intervals it can last at most %2 s.")
                        .arg(QString::number(interval, 'f', 0), QString::number(longestHeld)));
        return;
    }

    // A series under way ends here, saved as it stands; the new one takes the new numbers.
    // One that has no sample yet has nothing to save and goes without a word.
    if (m_seriesSamples == 0)
        releaseCustomizedTest();
    setTestTimer(0);
    handleCloseCustomizedTest();
    emit requestCustomizedTestBegin();
    setContinuous(true, Tell::Device);
    setTestDuration(int(seconds));
    setTestIntervals(int(interval));

    // A spectrum stored before the start belongs to no sample of this series.
    m_spectraAtLastSample = m_spectraSeenBySeries = DataBuffer::instance()->receivedSpectra();
    m_seriesSamples = 0;
    armForNextSpectrum(m_seriesWatchdog);
    m_seriesSchedule.start(m_testDuration, m_testIntervals);

    m_customizedTestTimer = new QTimer(this);
    m_customizedTestTimer->setSingleShot(true);
    m_customizedTestTimer->setTimerType(Qt::PreciseTimer);
    connect(m_customizedTestTimer, &QTimer::timeout, this, &StudioService::onCustomizedTestTick);
    m_customizedTestTimer->start(m_seriesSchedule.msToNextSecond());
}

void StudioService::setSeriesClock(MonotonicClock::Clock clock) { m_seriesSchedule.setClock(std::move(clock)); }

void StudioService::onCustomizedTestTick()
{
    // Running again before anything below may end the series.
    m_customizedTestTimer->start(m_seriesSchedule.msToNextSecond());
    // The interval is writable from QML while the test runs; never use one <= 0.
    const int interval = m_testIntervals > 0 ? m_testIntervals : kMinTestIntervalSeconds;
    const SeriesSchedule::Step step = m_seriesSchedule.advance(interval);
    setTestTimer(step.elapsedSeconds);
    if (step.sampleDue)
        takeSeriesSample();
    if (step.ended)
        handleCloseCustomizedTest(); // emits the end request
}

void StudioService::takeSeriesSample()
{
    // The store still holds the last sample's spectrum when none came since: that interval
    // is left out rather than recorded again under a new time.
    const quint64 received = DataBuffer::instance()->receivedSpectra();
    if (received == m_spectraAtLastSample)
        return;
    m_spectraAtLastSample = received;
    ++m_seriesSamples;
    emit requestCustomizedTestAppend();
}

void StudioService::onSeriesSpectrum()
{
    // Only the device's spectra count; a unit change or a clearing redraws as well.
    const quint64 received = DataBuffer::instance()->receivedSpectra();
    if (!m_customizedTestTimer || received == m_spectraSeenBySeries)
        return;
    m_spectraSeenBySeries = received;
    setSpectrumOverdue(false);
    armForNextSpectrum(m_seriesWatchdog);
}

void StudioService::onSeriesSilence()
{
    if (m_customizedTestTimer)
        setSpectrumOverdue(true);
}

void StudioService::setSpectrumOverdue(bool value)
{
    if (value == m_spectrumOverdue)
        return;
    m_spectrumOverdue = value;
    emit spectrumOverdueChanged();
}

void StudioService::handleCloseCustomizedTest() { setContinuous(false, Tell::Device); }

bool StudioService::releaseCustomizedTest()
{
    if (!m_customizedTestTimer)
        return false;
    m_customizedTestTimer->stop();
    m_customizedTestTimer->deleteLater();
    m_customizedTestTimer = nullptr;
    m_seriesWatchdog->disarm();
    setSpectrumOverdue(false);
    return true;
}

void StudioService::finishCustomizedTest()
{
    if (releaseCustomizedTest())
        emit requestCustomizedTestEnd();
}
