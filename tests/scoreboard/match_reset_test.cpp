#include "program_folder_fixture.h"
#include "recording_view.h"

#include "scoreboard/match_reset.h"

namespace scoreboard::test {
namespace {

using ResetMatchTest = ProgramFolderTest;

// The state at "0.0" after the fourth period of a finished match, with an overtime played.
MatchState afterLastPeriod()
{
    MatchState s;
    s.matchTitle = "Cup";
    s.periodLength = 600;
    s.overtimeLength = 240;
    s.teamNameA = "A";
    s.teamNameB = "B";
    s.clockSeconds = 0;
    s.clockTenths = -1;
    s.scoreA = 88;
    s.scoreB = 91;
    s.periodNumber = 4;
    s.periodPoints = {20, 22, 18, 28, 25, 20, 21, 25};
    s.matchStartTime = "2026/3/1 9:05:07";
    s.matchOver = true;
    s.inOvertime = true;
    s.breakCountdown = 7;
    s.keyStartPause = 13;
    s.optEndBell = true;
    return s;
}

TEST_F(ResetMatchTest, StartsAFreshMatchAndKeepsTheRest)
{
    user() = afterLastPeriod();
    ResetMatch();

    MatchState expected = afterLastPeriod();
    expected.matchOver = false;
    expected.periodPoints.fill(0);
    expected.clockSeconds = 600;
    expected.matchStartTime = "";
    expected.scoreA = 0;
    expected.scoreB = 0;
    expected.periodNumber = 1;
    // Overtime flag, tenths, report countdown and every setting stay as they were.
    EXPECT_EQ(user(), expected);
}

TEST_F(ResetMatchTest, UpdatesTheScoreboardInOrder)
{
    RecordingView view;
    setScoreboardView(&view);
    user() = afterLastPeriod();
    ResetMatch();
    EXPECT_EQ(view.calls,
        (std::vector<std::string>{"hide look", "ok=开始", "stop Timer2 Timer3", "ResetClockDisplay", "ShowScores",
            "ShowPeriod", "hide addtimelab"}));
}

TEST_F(ResetMatchTest, TheDisplayRoutinesSeeTheResetState)
{
    class ScoresView final : public DialogSideStub {
    public:
        int shownA = -1, shownPeriod = -1;
        int32_t clockAtReset = -1;
        void ShowCommandBar() override { }
        void HideCommandBar() override { }
        void ResetClockDisplay() override { clockAtReset = user().clockSeconds; }
        void ShowScores() override { shownA = user().scoreA; }
        void ShowPeriod() override { shownPeriod = user().periodNumber; }
        void hidePeriodReport() override { }
        void setStartButtonCaption(std::string_view) override { }
        void stopClockTimers() override { }
        void hideOvertimeLabels() override { }
        void showScoreBacklight(bool) override { }
    } view;
    setScoreboardView(&view);
    user() = afterLastPeriod();
    ResetMatch();
    EXPECT_EQ(view.clockAtReset, 600);
    EXPECT_EQ(view.shownA, 0);
    EXPECT_EQ(view.shownPeriod, 1);
}

TEST_F(ResetMatchTest, LoadStartsAFreshMatchWhateverTheSettingsHeld)
{
    user() = afterLastPeriod();
    user().breakCountdown = 3;
    user().keyStartPause = 32;
    prepareMatchAtLoad();
    MatchState expected = afterLastPeriod();
    expected.clockSeconds = 600;
    expected.clockTenths = 10;
    expected.scoreA = 0;
    expected.scoreB = 0;
    expected.periodNumber = 1;
    expected.breakCountdown = 10;
    expected.periodPoints.fill(0);
    expected.keyStartPause = 13;
    expected.matchStartTime = "";
    EXPECT_EQ(user(), expected);
}

} // namespace
} // namespace scoreboard::test
