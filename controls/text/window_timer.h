#pragma once
#include "platform/window/types.h"
#include <functional>

namespace qel {

// An inner timer of a control, ticking on the control's own window: Enabled and Interval as a
// timer control has them. It runs while it is enabled, has an interval above 0 and its window
// exists; an interval of 0 (or less) never ticks. Switching it on while it runs keeps its
// period; a new interval restarts the period.
class WindowTimer {
public:
    explicit WindowTimer(std::function<void()> tick);
    ~WindowTimer();
    WindowTimer(const WindowTimer&) = delete;
    WindowTimer& operator=(const WindowTimer&) = delete;

    void setOwner(plat::win::HWND hwnd);
    bool Enabled() const { return m_enabled; }
    void setEnabled(bool on);
    int32_t Interval() const { return m_interval; }
    void setInterval(int32_t ms);
    bool Running() const { return m_running; }

private:
    void restart();
    void stop();

    std::function<void()> m_tick;
    plat::win::HWND m_owner = 0;
    plat::win::TimerId m_id;
    bool m_enabled = false;
    int32_t m_interval = 0;
    bool m_running = false;
};

} // namespace qel
