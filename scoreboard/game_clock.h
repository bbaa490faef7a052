#pragma once
#include "scoreboard/clock_face.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace scoreboard {

// The time of the match clock: the remaining time of the period, taken from the platform clock.
// It decreases only while running and never below zero; a pause keeps it exactly and a start
// resumes from it. Timer ticks only ask it what to show, so their lateness never adds up.
class GameClock {
public:
    // Microseconds on a monotonic scale; the window system's clock by default.
    using TimeSource = std::function<int64_t()>;
    explicit GameClock(TimeSource nowUs = {});

    // A new remaining time; a running clock goes on running from it. No signal falls across it.
    void setRemainingUs(int64_t us);
    void setRemainingMs(int64_t ms) { setRemainingUs(ms * 1000); }

    void start();
    void pause();
    bool running() const { return m_running; }

    int64_t remainingUs() const;
    // Rounded up, so it is 0 exactly when the time has run out.
    int64_t remainingMs() const { return (remainingUs() + 999) / 1000; }
    bool runOut() const { return remainingUs() == 0; }
    ClockFace face() const { return clockFace(remainingUs()); }

    // Whole milliseconds (rounded up, at least 1) until the shown text changes; none while
    // stopped or once the time has run out. A timer armed for this fires on the change.
    std::optional<int64_t> msToNextChange() const;

    // The beep and bell that fell since the last call (or the last new remaining time).
    ClockSignals takeSignals();

private:
    int64_t now() const;

    TimeSource m_now;
    bool m_running = false;
    int64_t m_remainingAtMarkUs = 0; // the remaining time at m_markUs
    int64_t m_markUs = 0;            // when the clock was last started or set while running
    int64_t m_signalledUs = 0;       // the remaining time up to which signals were handed out
};

} // namespace scoreboard
