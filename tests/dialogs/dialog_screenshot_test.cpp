// Shows each of the clock, score, period and shortcut-key dialogs over a filled scoreboard, saves
// the screen as dialog_<form>.png and checks the saved pixels, the icon in its title bar among them.
#include "dialog_fixture.h"

#include "dialogs/clock_dialog.h"
#include "dialogs/key_dialog.h"
#include "dialogs/period_dialog.h"
#include "dialogs/score_dialog.h"

#include "tests/support/screenshot_folder.h"

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
        boardAlone = session->windows().screen();
    }

    void shoot(const plat::forms::Form& dialog)
    {
        ASSERT_TRUE(dialog.visible());
        session->settle();
        const test_support::ScreenshotFolder shots;
        const plat::gfx::Surface shot = shots.save(session->windows().screen(), "dialog_" + dialog.name() + ".png");
        ASSERT_EQ(shot.pixels(), session->windows().screen().pixels());
        // The dialog stands over the board with its own face; above it and beside it the board shows
        // as it was (below it the start button gives up its focus look).
        const plat::gfx::Rect r = plat::win::GetScreenRect(dialog.hwnd());
        const plat::gfx::Rect screen = shot.rect();
        ASSERT_FALSE(r.intersect(screen).isEmpty());
        for (const plat::gfx::Rect& around : {plat::gfx::Rect{0, 0, screen.right, r.top}, plat::gfx::Rect{0, r.top, r.left, r.bottom},
                 plat::gfx::Rect{r.right, r.top, screen.right, r.bottom}})
            EXPECT_TRUE(test_support::samePixels(shot, boardAlone, around.intersect(screen)));
        EXPECT_FALSE(test_support::samePixels(shot, boardAlone, r));
        const plat::gfx::Color face = shot.colorAt(r.left + 4, r.bottom - 4);
        EXPECT_GT(test_support::pixelsOfColor(shot, r, face), r.width() * r.height() / 8) << std::hex << face;
        // The board's icon at the left of the title bar, on the bar's colour; the desktop's title
        // is the dialog's caption.
        const plat::gfx::Color bar = shot.colorAt(r.right - 40, r.top + 4);
        const plat::gfx::Rect icon = plat::gfx::Rect::fromSize(r.left + 5, r.top + 4, 16, 16);
        EXPECT_LT(test_support::pixelsOfColor(shot, icon, bar), 16 * 16 / 2) << "the icon is drawn";
        EXPECT_EQ(test_support::pixelsOfColor(shot, plat::gfx::Rect::fromSize(r.left + 5, r.top + 2, 16, 2), bar), 16 * 2)
            << "within the bar";
        EXPECT_EQ(session->backend().title(), dialog.caption());
    }

    plat::gfx::Surface boardAlone;
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
