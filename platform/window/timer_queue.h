#pragma once
#include "platform/window/types.h"
#include <optional>
#include <vector>

namespace plat::win {

// Timers scheduled against deadlines on one clock. A timer's deadlines stay on the grid
// start + k * period, so it never drifts; one that is late fires once and then waits
// for the next deadline of its grid.
class TimerQueue {
public:
    struct Timer {
        HWND hwnd = 0;
        TimerId id = 0;
        int64_t periodUs = 0;
        int64_t deadlineUs = 0;
        TimerProc proc;
        uint64_t sequence = 0; // orders timers that share a deadline
        bool running = false;  // its handler is on the stack
    };

    // Arms (or re-arms, restarting the period) the timer (hwnd, id).
    TimerId set(HWND hwnd, TimerId id, uint32_t periodMs, TimerProc proc, int64_t nowUs);
    bool kill(HWND hwnd, TimerId id);
    void killAllOf(HWND hwnd);
    bool exists(HWND hwnd, TimerId id) const;

    std::optional<int64_t> nextDeadline() const;
    // Fires every timer due at `nowUs`, earliest deadline first, each at most once.
    // `fire` is called for each; timers killed or re-armed meanwhile are respected.
    void fireDue(int64_t nowUs, const std::function<void(const Timer&)>& fire, const std::function<int64_t()>& now);

private:
    Timer* find(HWND hwnd, TimerId id);
    std::vector<Timer> m_timers;
    uint64_t m_sequence = 0;
    TimerId m_nextAnonymousId = 0x10000;
};

} // namespace plat::win
