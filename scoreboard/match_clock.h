#pragma once
#include "scoreboard/game_clock.h"
#include "scoreboard/match_clock_board.h"

#include "platform/system/date_time.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace scoreboard {

// The match clock of the scoreboard: the start/pause command, the refresh ticks, the hold on
// "0.0", the period report countdown, the return from the score sheet and the reset command.
// The time itself is kept by a GameClock against the platform clock; the ticks only show it.
// The values the rest of the program reads stay in the match state: `clockSeconds` and
// `clockTenths` follow the shown text, and a value written there meanwhile (the clock dialog)
// is taken over at the next tick, or at the next start.
class MatchClock {
public:
    enum class State { ClockStopped, ClockRunning, ClockLastMinute, ClockAtZero, PeriodReport, ScoreSheet, MatchOver };

    MatchClock(MatchClockBoard& board, const plat::sys::DateSource& dates, GameClock::TimeSource now = {});

    // The Click of `ok`: the start/pause command.
    void startPause();
    // The reset command of the menu.
    void ConfirmReset();
    // The tick of one of the clock's timers.
    void onTimer(ClockTimer timer);

    State state() const;
    const GameClock& time() const { return m_time; }

    // Milliseconds from the red "0.0" to the end of the period, and from "0.0" to its red marks.
    static constexpr int kZeroHoldMs = 10'000;
    static constexpr int kZeroMarkStepMs = 80;
    static constexpr int kReportSeconds = 15;
    static constexpr int kScoreSheetMs = 35'000;

private:
    enum class Phase { Stopped, Running, AtZero };

    void start();
    void pause();
    void refresh();
    void showZeroMarks();
    void endHold();
    void countDown();
    void returnFromScoreSheet();

    // Takes over a value written into the match state since the clock last wrote it.
    bool adoptSetValue();
    void publish();
    void showFace();
    void scheduleRefresh();
    void notice(std::string_view text);

    MatchClockBoard& m_board;
    const plat::sys::DateSource& m_dates;
    GameClock m_time;
    Phase m_phase = Phase::Stopped;
    bool m_zeroMarked = false; // the red marks of "0.0" are up and the hold runs
    // What the clock last wrote into the match state; a first start takes the state's value.
    int32_t m_publishedSeconds = INT32_MIN;
    int16_t m_publishedTenths = INT16_MIN;
    std::string m_leaderText; // `onename` as the countdown last wrote it
    std::string m_shownText;
    uint32_t m_shownColor = 0;
};

} // namespace scoreboard
