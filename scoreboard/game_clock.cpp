#include "scoreboard/game_clock.h"

#include "platform/window/api.h"

#include <algorithm>

namespace scoreboard {

GameClock::GameClock(TimeSource nowUs)
    : m_now(nowUs ? std::move(nowUs) : TimeSource(&plat::win::GetTickCountUs))
{
}

int64_t GameClock::now() const { return m_now(); }

void GameClock::setRemainingUs(int64_t us)
{
    m_remainingAtMarkUs = std::max<int64_t>(0, us);
    m_markUs = now();
    m_signalledUs = m_remainingAtMarkUs;
}

void GameClock::start()
{
    if (m_running)
        return;
    m_markUs = now();
    m_running = true;
}

void GameClock::pause()
{
    if (!m_running)
        return;
    m_remainingAtMarkUs = remainingUs();
    m_running = false;
}

int64_t GameClock::remainingUs() const
{
    if (!m_running)
        return m_remainingAtMarkUs;
    return std::max<int64_t>(0, m_remainingAtMarkUs - (now() - m_markUs));
}

std::optional<int64_t> GameClock::msToNextChange() const
{
    const int64_t remaining = remainingUs();
    if (!m_running || remaining == 0)
        return std::nullopt;
    const int64_t untilUs = remaining - nextFaceChange(remaining);
    return std::max<int64_t>(1, (untilUs + 999) / 1000);
}

ClockSignals GameClock::takeSignals()
{
    const int64_t remaining = remainingUs();
    ClockSignals signals = signalsBetween(m_signalledUs, remaining);
    m_signalledUs = remaining;
    return signals;
}

} // namespace scoreboard
