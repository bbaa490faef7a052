#pragma once
#include "dialog_side_stub.h"
#include "program_folder_fixture.h"
#include "tests/support/match_preset.h"
#include "tests/support/timed_sounds.h"

#include "scoreboard/clock_face.h"
#include "scoreboard/match_clock.h"
#include "scoreboard/program_sound.h"

#include "platform/backend/session.h"
#include "platform/window/api.h"

#include <cstdio>
#include <map>
#include <memory>

namespace scoreboard::test {

// The controls of the scoreboard as plain values, the five timers as window-system timers on the
// session's virtual clock, and the command bar and notice box written down.
class FakeClockBoard final : public MatchClockBoard, public DialogSideStub {
public:
    MatchClock* clock = nullptr;

    std::string okCaption = "开始";
    uint32_t okColor = 0xFF;
    std::string clockText;
    uint32_t clockColor = 0;
    uint32_t zeroMarks = 0x404040;
    bool look = false;
    bool lookPlaced = false;
    std::string vlook1[2];
    std::string vtime = "20秒进入比赛模式";
    std::string onename;
    bool onenameVisible = false;
    bool overtimeLabels = false;
    bool matchScoreSheet = false;
    bool blinkPhase = false;
    bool liveMode = false;
    bool music = false;
    int matchModes = 0, scoreSheets = 0, liveModeLeft = 0, musicPaused = 0;
    bool answerOk = true;
    std::vector<std::string> questions;
    std::vector<std::string> notices;

    ~FakeClockBoard() override
    {
        for (auto& [timer, on] : m_running)
            if (on)
                plat::win::KillTimer(0, id(timer));
    }

    // MatchClockBoard
    void startTimer(ClockTimer timer, int ms) override
    {
        m_running[timer] = true;
        plat::win::SetTimer(0, id(timer), uint32_t(ms), [this, timer](plat::win::HWND, plat::win::TimerId) {
            if (clock)
                clock->onTimer(timer);
        });
    }
    void stopTimer(ClockTimer timer) override
    {
        if (m_running[timer])
            plat::win::KillTimer(0, id(timer));
        m_running[timer] = false;
    }
    bool timerRunning(ClockTimer timer) const override
    {
        auto it = m_running.find(timer);
        return it != m_running.end() && it->second;
    }
    void setStartButton(std::string_view caption, uint32_t backColor) override
    {
        okCaption = caption;
        okColor = backColor;
    }
    void setStartButtonColor(uint32_t backColor) override { okColor = backColor; }
    void setClockText(std::string_view text, uint32_t color) override
    {
        clockText = text;
        clockColor = color;
    }
    bool periodReportVisible() const override { return look; }
    void hidePeriodReport() override { look = false; }
    void setReportCountdownText(std::string_view text) override { vtime = text; }
    void setLeaderText(std::string_view text) override { onename = text; }
    void showLeaderText(bool visible) override { onenameVisible = visible; }
    void showMatchScoreSheet() override { matchScoreSheet = true; }
    void matchMode() override
    {
        ++matchModes;
        stopTimer(ClockTimer::Timer8);
        if (look && !user().matchOver)
            return;
        if (user().matchOver) {
            onename = "比赛已经结束 点击【数据复位】 ";
            look = true;
        } else {
            look = false;
        }
    }
    void scoreSheet() override
    {
        ++scoreSheets;
        stopTimer(ClockTimer::Timer8);
    }
    bool liveModeOn() const override { return liveMode; }
    void leaveLiveMode() override
    {
        ++liveModeLeft;
        liveMode = false;
    }
    bool musicPlaying() const override { return music; }
    void pauseMusic() override
    {
        ++musicPaused;
        music = false;
    }
    void setMatchBlinkPhase(bool phase) override { blinkPhase = phase; }
    bool confirm(std::string_view text, std::string_view title) override
    {
        questions.push_back(std::string(title) + ": " + std::string(text));
        return answerOk;
    }

    // PeriodEndBoard
    void placePeriodReport() override { lookPlaced = true; }
    void setZeroMarkColor(uint32_t color) override { zeroMarks = color; }
    void setReportLines(std::string_view first, std::string_view second) override
    {
        vlook1[0] = first;
        vlook1[1] = second;
    }
    void showOvertimeLabels(bool visible) override { overtimeLabels = visible; }
    void setClockColor(uint32_t color) override { clockColor = color; }
    void setStartButtonCaption(std::string_view text) override { okCaption = text; }
    void showPeriodReport() override { look = true; }
    void startReportCountdown() override { startTimer(ClockTimer::Timer4, 1000); }
    void bringClockPanelToFront() override { }
    void inshowfame() override { notices.push_back(user().noticeText); }

    // ScoreboardView, with the display routines of the clock and the period.
    void ShowCommandBar() override { }
    void HideCommandBar() override { }
    void ResetClockDisplay() override
    {
        MatchState& s = user();
        if (s.clockSeconds >= 60) {
            clockText = minutesSecondsText(s.clockSeconds);
        } else {
            s.clockTenths = 0;
            clockText = std::to_string(s.clockSeconds) + ".0";
            s.clockTenths = 1;
        }
        clockColor = s.clockSeconds <= 9 ? 0xFF : 0xFF00;
    }
    void ShowScores() override { }
    void ShowPeriod() override { }
    void stopClockTimers() override
    {
        stopTimer(ClockTimer::Timer2);
        stopTimer(ClockTimer::Timer3);
    }
    void hideOvertimeLabels() override { overtimeLabels = false; }
    void showScoreBacklight(bool) override { }

private:
    static plat::win::TimerId id(ClockTimer timer) { return 0x5C00 + plat::win::TimerId(timer); }
    std::map<ClockTimer, bool> m_running;
};

// The match clock on the fake board, on a virtual clock, with the sounds counted.
class MatchClockTest : public ProgramFolderTest, protected test_support::TimedSounds {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        std::filesystem::create_directories(path("date"));
        MatchState& s = user();
        test_support::presetMatch(s, "Lions", "Tigers");
        s.optTenSecondBeep = true;
        s.optEndBell = true;
        s.clockSeconds = s.periodLength;
        s.clockTenths = 10;
        s.breakCountdown = 10;
        setScoreboardView(&board);
        board.ResetClockDisplay();
        clock = std::make_unique<MatchClock>(board, dates);
        board.clock = clock.get();
        setProgramSoundListener([this](std::string_view name) { sounds.push_back({session.nowMs() - t0, std::string(name)}); });
    }

    void TearDown() override
    {
        setProgramSoundListener({});
        board.clock = nullptr;
        clock.reset();
        ProgramFolderTest::TearDown();
    }

    // What the clock dialog does.
    void setClock(int seconds)
    {
        user().clockSeconds = seconds;
        board.ResetClockDisplay();
    }

    // Milliseconds since the test began.
    int64_t now() const { return session.nowMs() - t0; }
    // Runs on to `ms` since the test began.
    void runTo(int64_t ms)
    {
        ASSERT_GE(ms, now());
        session.advance(ms - now());
    }

    static std::string hex(uint32_t v)
    {
        char text[16];
        std::snprintf(text, sizeof text, "&H%X", v);
        return text;
    }

    plat::backend::HeadlessSession session;
    int64_t t0 = session.nowMs();
    plat::sys::FixedDateSource dates{plat::sys::LocalDateTime{2026, 3, 1, 9, 0, 5}};
    FakeClockBoard board;
    std::unique_ptr<MatchClock> clock;
};

} // namespace scoreboard::test
