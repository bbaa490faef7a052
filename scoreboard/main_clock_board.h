#pragma once
#include "scoreboard/match_clock.h"
#include "scoreboard/match_clock_board.h"

#include "platform/forms/control_array.h"

#include <array>
#include <functional>

namespace plat::forms {
class Form;
class Label;
class Line;
class Timer;
}
namespace qel {
class qelCommand;
class qelFrame;
class qelLabel;
}

namespace scoreboard {

// The controls of `main` that the match clock writes, bound once when its board is made.
struct ClockControls {
    qel::qelFrame& qelf1;
    qel::qelFrame& showtime;
    plat::forms::ControlArray<plat::forms::Line> Line11; // 2 and 3
    qel::qelLabel& balltime;
    qel::qelFrame& look;
    plat::forms::ControlArray<qel::qelLabel> vlook1;
    qel::qelLabel& onename;
    qel::qelLabel& vtime;
    plat::forms::ControlArray<plat::forms::Label> addtimelab;
    qel::qelCommand& ok;
    plat::forms::Line& line8;
    qel::qelFrame& balldate;
    qel::qelCommand& lookdate;
    // By ClockTimer: Timer2, Timer3, Timer9, Timer4, Timer8.
    std::array<plat::forms::Timer*, 5> timers;
};

// Binds them on a loaded form: one it lacks, or of another class, throws ControlLookupError
// naming the form and the control.
ClockControls bindClockControls(const plat::forms::Form& form);

// The match clock's board on the controls of the scoreboard form `main`. What other parts of
// the form do (display routines, the command bar, the notice box, music and live video) comes in
// as hooks, every one of them required: a board made without one throws MissingHookError naming it.
class MainClockBoard final : public MatchClockBoard {
public:
    struct Hooks {
        std::function<void()> ResetClockDisplay;
        std::function<void()> ShowPeriod;
        std::function<void()> ShowPeriodTable;
        std::function<void()> matchMode;  // item 1 of the command bar
        std::function<void()> scoreSheet; // item 3 of the command bar
        std::function<void()> inshowfame;
        std::function<bool()> liveModeOn;
        std::function<void()> leaveLiveMode;
        std::function<bool()> musicPlaying;
        std::function<void()> pauseMusic;
        std::function<void(bool)> setMatchBlinkPhase;
    };

    MainClockBoard(ClockControls controls, Hooks hooks);

    const ClockControls& controls() const { return m_controls; }

    // Sends the ticks of the five timers to `clock`.
    void connect(MatchClock& clock);

    // MatchClockBoard
    void startTimer(ClockTimer timer, int ms) override;
    void stopTimer(ClockTimer timer) override;
    bool timerRunning(ClockTimer timer) const override;
    void setStartButton(std::string_view caption, uint32_t backColor) override;
    void setStartButtonColor(uint32_t backColor) override;
    void setClockText(std::string_view text, uint32_t color) override;
    bool periodReportVisible() const override;
    void hidePeriodReport() override;
    void setReportCountdownText(std::string_view text) override;
    void setLeaderText(std::string_view text) override;
    void showLeaderText(bool visible) override;
    void showMatchScoreSheet() override;
    void matchMode() override { m_hooks.matchMode(); }
    void scoreSheet() override { m_hooks.scoreSheet(); }
    bool liveModeOn() const override { return m_hooks.liveModeOn(); }
    void leaveLiveMode() override { m_hooks.leaveLiveMode(); }
    bool musicPlaying() const override { return m_hooks.musicPlaying(); }
    void pauseMusic() override { m_hooks.pauseMusic(); }
    void setMatchBlinkPhase(bool phase) override { m_hooks.setMatchBlinkPhase(phase); }
    bool confirm(std::string_view text, std::string_view title) override;

    // PeriodEndBoard
    void placePeriodReport() override;
    void setZeroMarkColor(uint32_t color) override;
    void setReportLines(std::string_view first, std::string_view second) override;
    void showOvertimeLabels(bool visible) override;
    void ResetClockDisplay() override { m_hooks.ResetClockDisplay(); }
    void ShowPeriod() override { m_hooks.ShowPeriod(); }
    void setClockColor(uint32_t color) override;
    void setStartButtonCaption(std::string_view text) override;
    void showPeriodReport() override;
    void startReportCountdown() override { startTimer(ClockTimer::Timer4, 1000); }
    void bringClockPanelToFront() override;
    void inshowfame() override { m_hooks.inshowfame(); }

private:
    plat::forms::Timer& timer(ClockTimer which) const { return *m_controls.timers[size_t(which)]; }

    ClockControls m_controls;
    Hooks m_hooks;
};

// The match clock of `main`: its board on the form's controls, the start button's Click and the
// five timers connected. The form makes it once its controls are there and keeps it while loaded.
class MainMatchClock {
public:
    MainMatchClock(plat::forms::Form& form, MainClockBoard::Hooks hooks, const plat::sys::DateSource& dates);
    ~MainMatchClock();

    MatchClock& clock() { return m_clock; }
    // The start/pause command, as the start key runs it.
    void startPause() { m_clock.startPause(); }
    // The reset command of the menu.
    void ConfirmReset() { m_clock.ConfirmReset(); }

private:
    MainClockBoard m_board;
    MatchClock m_clock;
};

} // namespace scoreboard
