#include "controls/text/window_timer.h"
#include "platform/window/api.h"

namespace qel {

using namespace plat::win;

namespace {
TimerId nextTimerId()
{
    static TimerId next = 0x5100'0000;
    return ++next;
}
} // namespace

WindowTimer::WindowTimer(std::function<void()> tick) : m_tick(std::move(tick)), m_id(nextTimerId()) {}

WindowTimer::~WindowTimer() { stop(); }

void WindowTimer::setOwner(HWND hwnd)
{
    stop();
    m_owner = hwnd;
    restart();
}

void WindowTimer::setEnabled(bool on)
{
    if (on == m_enabled && (m_running || !on))
        return;
    m_enabled = on;
    restart();
}

void WindowTimer::setInterval(int32_t ms)
{
    m_interval = ms;
    restart();
}

void WindowTimer::restart()
{
    stop();
    if (!m_enabled || m_interval <= 0 || !m_owner || !WindowSystem::current() || !IsWindow(m_owner))
        return;
    SetTimer(m_owner, m_id, uint32_t(m_interval), [this](HWND, TimerId) {
        if (m_tick)
            m_tick();
    });
    m_running = true;
}

void WindowTimer::stop()
{
    if (m_running && WindowSystem::current() && IsWindow(m_owner))
        KillTimer(m_owner, m_id);
    m_running = false;
}

} // namespace qel
