#pragma once
#include <cstdint>
#include <string>

namespace scoreboard {

// What the match clock shows for a remaining time, given in microseconds.
// Above one minute: minutes and seconds of the time rounded up to the whole second ("12:00"
// during the first second of a 12-minute period). From one minute down: the time rounded up to
// the tenth, "01:00" for the last tenth above 59.9 s, then "59.9" ... "0.1", and "0.0" only when
// the time has run out. Red from 9.9 on.
struct ClockFace {
    std::string text;
    bool red = false;
    int64_t tenths = 0;      // the shown value in tenths of a second (rounded up)
    bool lastMinute = false; // counted in tenths: one minute or less is left

    bool operator==(const ClockFace&) const = default;
};

inline constexpr int64_t kUsPerSecond = 1'000'000;
inline constexpr int64_t kUsPerTenth = 100'000;
inline constexpr int64_t kLastMinuteUs = 60 * kUsPerSecond;

ClockFace clockFace(int64_t remainingUs);

// The remaining time at which the shown text changes next (below `remainingUs`), or 0 when none
// is left before zero.
int64_t nextFaceChange(int64_t remainingUs);

// The signals that fall while the clock runs from `fromUs` down to `toUs` remaining: a beep when
// 9.9, 8.9 ... 0.9 appear (at most one for one step, however far it went) and the bell when the
// time runs out.
struct ClockSignals {
    bool beep = false;
    bool bell = false;
    bool operator==(const ClockSignals&) const = default;
};
ClockSignals signalsBetween(int64_t fromUs, int64_t toUs);

// "mm:ss" of whole seconds: two digits at least for each, so 6000 s gives "100:00".
std::string minutesSecondsText(int64_t seconds);

} // namespace scoreboard
