// Shows each of the clock, score, period and shortcut-key dialogs over a filled scoreboard and
// saves the screen to /tmp/dialog_<form>.png, so the look can be checked by eye.
#include "dialog_fixture.h"

#include "dialogs/clock_dialog.h"
#include "dialogs/key_dialog.h"
#include "dialogs/period_dialog.h"
#include "dialogs/score_dialog.h"

#include "platform/gfx/picture.h"

namespace dialogs::test {
namespace {

using scoreboard::user;

class DialogScreenshotTest : public DialogTest {
protected:
    void SetUp() override
    {
        DialogTest::SetUp();
        scoreboard::MatchState& s = user();
        s.matchTitle = "2026Mirelda";
        s.teamNameA = "篮球社团A队";
        s.teamNameB = "篮球社团B队";
        s.scoreA = 57;
        s.scoreB = 61;
        s.periodNumber = 3;
        s.clockSeconds = 425;
        s.keyAddA = 49, s.keySubA = 112, s.keyAddB = 50, s.keySubB = 113;
        scoreboard::ShowMatchTitle();
        scoreboard::ShowTeamNames();
        scoreboard::ShowScores();
        scoreboard::ShowPeriod();
        scoreboard::ResetClockDisplay();
        session->settle();
    }

    void shoot(const plat::forms::Form& dialog)
    {
        ASSERT_TRUE(dialog.visible());
        session->settle();
        const std::string file = "/tmp/dialog_" + dialog.name() + ".png";
        ASSERT_TRUE(plat::gfx::savePng(session->windows().screen(), file)) << file;
    }
};

TEST_F(DialogScreenshotTest, ClockDialog) { shoot(open<ClockDialog>()); }
TEST_F(DialogScreenshotTest, ScoreDialog) { shoot(open<ScoreDialog>()); }
TEST_F(DialogScreenshotTest, PeriodDialog) { shoot(open<PeriodDialog>()); }

TEST_F(DialogScreenshotTest, KeyDialog)
{
    KeyDialog& dialog = open<KeyDialog>();
    clickOn(dialog.get<plat::forms::TextBox>("T1", KeyDialog::AddB));
    shoot(dialog);
}

} // namespace
} // namespace dialogs::test
