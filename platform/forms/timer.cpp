#include "platform/forms/timer.h"
#include "platform/forms/form.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/property_table.h"
#include "platform/window/api.h"

namespace plat::forms {

using namespace plat::win;

// Each timer control has its own id on its form's window.
static TimerId nextTimerId()
{
    static TimerId next = 0x7000'0000;
    return ++next;
}

Timer::Timer() : m_id(nextTimerId()) {}

Timer::~Timer() { stop(); }

void Timer::setInterval(int ms)
{
    m_interval = std::max(0, ms);
    restart();
}

void Timer::setEnabled(bool enabled)
{
    // Only a change restarts: switching a running timer on again leaves its period alone.
    if (enabled == m_enabled && (m_running || !enabled))
        return;
    m_enabled = enabled;
    restart();
}

void Timer::restart()
{
    stop();
    if (!m_enabled || m_interval <= 0 || !form() || !form()->hwnd() || form()->designMode())
        return;
    m_owner = form()->hwnd();
    SetTimer(m_owner, m_id, uint32_t(m_interval), [this](HWND, TimerId) {
        if (onTimer)
            onTimer();
    });
    m_running = true;
}

void Timer::stop()
{
    if (m_running && WindowSystem::current() && IsWindow(m_owner))
        KillTimer(m_owner, m_id);
    m_running = false;
    m_owner = 0;
}

// Enabled is part of the extender.
const auto& Timer::storedProperties()
{
    static const auto table = propertyTable(PropertiesOf<Timer>::property("Interval", &Timer::interval, &Timer::setInterval, 0));
    return table;
}

void Timer::readProperties(PropertyBag& bag) { storedProperties().read(*this, bag); }

void Timer::writeProperties(PropertyBag& bag) const { storedProperties().write(*this, bag); }

} // namespace plat::forms
