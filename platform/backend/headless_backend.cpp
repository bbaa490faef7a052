#include "platform/backend/headless_backend.h"
#include <algorithm>

namespace plat::backend {

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
        m_clock->sleepUntil(std::max(until, now));
        return true;
    }
    if (m_idle)
        return m_idle();
    // Without a driver, real time still brings the next timer.
    if (!m_clock->isVirtual() && deadlineUs) {
        m_clock->sleepUntil(*deadlineUs);
        return true;
    }
    return false;
}

void HeadlessBackend::present(const gfx::Surface&, const std::vector<gfx::Rect>&) { ++m_presents; }

} // namespace plat::backend
