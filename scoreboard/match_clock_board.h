#pragma once
#include "scoreboard/period_end.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace scoreboard {

// The timers of `main` that drive the match clock.
enum class ClockTimer {
    Timer2, // refresh above one minute
    Timer3, // refresh during the last minute, and the step from "0.0" to the red marks
    Timer9, // hold on "0.0"
    Timer4, // period report countdown
    Timer8, // return from the score sheet
};

// What the match clock reads and changes on the scoreboard form `main`; the form implements it
// on its controls, and routes the ticks of the five timers to MatchClock::onTimer.
class MatchClockBoard : public PeriodEndBoard {
public:
    // Arms a timer afresh for `ms`, or stops it.
    virtual void startTimer(ClockTimer timer, int ms) = 0;
    virtual void stopTimer(ClockTimer timer) = 0;
    virtual bool timerRunning(ClockTimer timer) const = 0;

    virtual void setStartButton(std::string_view caption, uint32_t backColor) = 0; // `ok` Caption, BackColor1, BackColorPushed1
    virtual void setStartButtonColor(uint32_t backColor) = 0;
    virtual void setClockText(std::string_view text, uint32_t color) = 0;           // `balltime` Caption and ForeColor

    virtual bool periodReportVisible() const = 0;               // `look`
    virtual void hidePeriodReport() = 0;
    virtual void setReportCountdownText(std::string_view text) = 0; // `vtime`
    virtual void setLeaderText(std::string_view text) = 0;          // `onename` Caption
    virtual void showLeaderText(bool visible) = 0;                  // `onename` Visible
    virtual void showMatchScoreSheet() = 0; // ShowPeriodTable; `balldate` shown in front, `lookdate` shown

    virtual void matchMode() = 0;  // item 1 of the command bar
    virtual void scoreSheet() = 0; // item 3 of the command bar
    virtual bool liveModeOn() const = 0;
    virtual void leaveLiveMode() = 0;
    virtual bool musicPlaying() const = 0;
    virtual void pauseMusic() = 0;
    virtual void setMatchBlinkPhase(bool phase) = 0;
    // A message box with OK and Cancel; true for OK.
    virtual bool confirm(std::string_view text, std::string_view title) = 0;
};

} // namespace scoreboard
