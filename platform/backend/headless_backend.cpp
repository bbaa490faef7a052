#include "platform/backend/headless_backend.h"
#include "platform/window/end_signals.h"
#include <algorithm>
#include <poll.h>

namespace plat::backend {

namespace {

// Waits on the real clock until the time, or until an end signal arrives (the loop then takes
// it); the virtual clock just moves there.
void waitUntil(win::Clock& clock, int64_t us)
{
    if (clock.isVirtual()) {
        clock.sleepUntil(us);
        return;
    }
    const int64_t waitUs = us - clock.nowUs();
    if (waitUs <= 0)
        return;
    // Rounded up so that a timer is never woken early; poll ignores a missing pipe (-1).
    pollfd wake{win::endSignalWakeFd(), POLLIN, 0};
    ::poll(&wake, 1, int(std::min<int64_t>((waitUs + 999) / 1000, 1000000)));
}

} // namespace

HeadlessBackend::HeadlessBackend(bool realClock)
{
    if (realClock)
        m_clock = std::make_unique<win::RealClock>();
    else
        m_clock = std::make_unique<win::VirtualClock>();
}

bool HeadlessBackend::waitForEvents(std::optional<int64_t> deadlineUs)
{
    int64_t now = m_clock->nowUs();
    if (m_targetUs && now < *m_targetUs) {
        int64_t until = deadlineUs ? std::min(*deadlineUs, *m_targetUs) : *m_targetUs;
        waitUntil(*m_clock, std::max(until, now));
        return true;
    }
    if (m_idle)
        return m_idle();
    // Without a driver, real time still brings the next timer.
    if (!m_clock->isVirtual() && deadlineUs) {
        waitUntil(*m_clock, *deadlineUs);
        return true;
    }
    return false;
}

void HeadlessBackend::present(const gfx::Surface&, const std::vector<gfx::Rect>&) { ++m_presents; }

} // namespace plat::backend
