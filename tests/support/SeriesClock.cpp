#include "SeriesClock.h"

#include "control/StudioService.h"

#include <QTest>

namespace testsupport {

SeriesClock::SeriesClock(StudioService *studio) : m_studio(studio)
{
    m_studio->setSeriesClock([this] { return m_nowMs; });
}

SeriesClock::~SeriesClock() { m_studio->setSeriesClock({}); }

bool SeriesClock::moveTo(int seconds, int timeoutMs)
{
    set(seconds);
    return QTest::qWaitFor([&] { return m_studio->testTimer() == seconds; }, timeoutMs);
}

} // namespace testsupport
