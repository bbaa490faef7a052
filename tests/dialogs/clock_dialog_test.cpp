#include "dialog_fixture.h"

#include "dialogs/clock_dialog.h"

#include "controls/core/qel_command.h"

namespace dialogs::test {
namespace {

namespace forms = plat::forms;
using scoreboard::user;

class ClockDialogTest : public DialogTest {
protected:
    ClockDialog& openAt(int32_t clockSeconds)
    {
        user().clockSeconds = clockSeconds;
        ClockDialog& dialog = open<ClockDialog>();
        minutes = &dialog.get<forms::TextBox>("T1", 0);
        seconds = &dialog.get<forms::TextBox>("T1", 1);
        return dialog;
    }
    void clickButton(ClockDialog& dialog, const char* name) { clickOn(dialog.get<qel::qelCommand>(name)); }
    std::pair<std::string, std::string> boxes() const { return {minutes->text(), seconds->text()}; }

    forms::TextBox* minutes = nullptr;
    forms::TextBox* seconds = nullptr;
};

TEST_F(ClockDialogTest, LoadShowsTheClockInMinutesAndSecondsWithoutLeadingZeros)
{
    struct Case {
        int32_t clock;
        std::string minutes, seconds;
    };
    const std::vector<Case> cases = {
        {725, "12", "5"}, {720, "12", "0"}, {60, "1", "0"}, {59, "00", "59"}, {7, "00", "7"}, {0, "00", "0"},
        {-3, "00", "00"}, {3599, "59", "59"},
        // An hour or more does not fit the minutes box: it reads "00".
        {3600, "00", "0"}, {6005, "00", "5"},
    };
    for (const Case& c : cases) {
        ClockDialog& dialog = openAt(c.clock);
        EXPECT_EQ(dialog.caption(), "比赛时间设置");
        EXPECT_EQ(boxes(), std::make_pair(c.minutes, c.seconds)) << c.clock << " s";
        dialog.unload();
    }
}

TEST_F(ClockDialogTest, EveryBoxHoldsANumberOfNoMoreThan59)
{
    struct Case {
        int box; // 0 minutes, 1 seconds
        std::string typed;
        std::string text;
    };
    const std::vector<Case> cases = {
        {1, "7", "7"},
        {1, "75", "00"}, // the second digit makes it 75
        {1, "59", "59"},
        {0, "60", "00"},
        {0, "45", "45"},
        {1, "-5", "5"},  // signs, points, blanks and letters cannot be typed
        {1, "1.5", "15"},
        {0, " 3a", "3"},
        {0, "中", "12"}, // the box keeps its text: nothing could be typed over it
        {1, "123", "12"}, // two characters at most
    };
    for (const Case& c : cases) {
        ClockDialog& dialog = openAt(720);
        typeOver(c.box == 0 ? *minutes : *seconds, c.typed);
        EXPECT_EQ((c.box == 0 ? minutes : seconds)->text(), c.text) << "typed \"" << c.typed << "\"";
        dialog.unload();
    }
}

TEST_F(ClockDialogTest, ABoxTurnedBadGoesBackTo00AndTakesTheFocus)
{
    ClockDialog& dialog = openAt(725);
    clickOn(*seconds);
    seconds->setSelStart(1);
    press(plat::win::VK_BACK);
    EXPECT_EQ(seconds->text(), "00"); // emptied
    EXPECT_EQ(plat::win::GetFocus(), seconds->hwnd());

    // Pasted text is not filtered; the rule repairs it, and the minutes come first.
    clickOn(*seconds);
    seconds->setText("-4");
    EXPECT_EQ(seconds->text(), "00");
    minutes->setText("abc");
    EXPECT_EQ(boxes(), std::make_pair(std::string("00"), std::string("00")));
    EXPECT_EQ(plat::win::GetFocus(), minutes->hwnd());
    dialog.unload();
}

TEST_F(ClockDialogTest, ApplySetsTheClockRedrawsItAndCloses)
{
    struct Case {
        std::string minutes, seconds;
        int32_t clock;
        std::string shown;
        uint32_t color;
    };
    const std::vector<Case> cases = {
        {"0", "1", 1, "1.0", 0x0000FF},
        {"00", "9", 9, "9.0", 0x0000FF},
        {"0", "59", 59, "59.0", 0x00FF00},
        {"1", "0", 60, "01:00", 0x00FF00},
        {"10", "30", 630, "10:30", 0x00FF00},
        {"59", "59", 3599, "59:59", 0x00FF00},
    };
    for (const Case& c : cases) {
        ClockDialog& dialog = openAt(720);
        typeOver(*minutes, c.minutes);
        typeOver(*seconds, c.seconds);
        clickButton(dialog, "ok");
        EXPECT_FALSE(dialog.isLoaded()) << c.minutes << ":" << c.seconds;
        EXPECT_EQ(user().clockSeconds, c.clock);
        EXPECT_EQ(balltime(), c.shown);
        EXPECT_EQ(balltimeColor(), c.color);
    }
}

TEST_F(ClockDialogTest, ApplyWithBothBoxesZeroLeavesTheDialogOpenAndTheClockAlone)
{
    ClockDialog& dialog = openAt(720);
    typeOver(*minutes, "0");
    typeOver(*seconds, "00");
    clickButton(dialog, "ok");
    EXPECT_TRUE(dialog.visible());
    EXPECT_EQ(user().clockSeconds, 720);
    EXPECT_EQ(balltime(), "12:00");

    typeOver(*seconds, "1");
    clickButton(dialog, "ok");
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(user().clockSeconds, 1);
}

TEST_F(ClockDialogTest, CancelAndTheCloseBoxOnlyClose)
{
    for (bool closeBox : {false, true}) {
        ClockDialog& dialog = openAt(720);
        typeOver(*minutes, "5");
        if (closeBox) {
            const plat::gfx::Rect r = session->windows().screenRect(dialog.hwnd());
            const plat::gfx::Rect box = dialog.closeBox();
            session->click(r.left + (box.left + box.right) / 2, r.top + (box.top + box.bottom) / 2);
            session->settle();
        } else {
            clickButton(dialog, "qelCommand2");
        }
        EXPECT_FALSE(dialog.isLoaded());
        EXPECT_EQ(user().clockSeconds, 720);
        EXPECT_EQ(balltime(), "12:00");
    }
}

TEST_F(ClockDialogTest, DefaultTimeShowsThePeriodLengthAndApplySetsIt)
{
    user().periodLength = 720;
    ClockDialog& dialog = openAt(95);
    EXPECT_EQ(boxes(), std::make_pair(std::string("1"), std::string("35")));
    clickButton(dialog, "motime");
    EXPECT_EQ(boxes(), std::make_pair(std::string("12"), std::string("0")));
    EXPECT_EQ(user().clockSeconds, 95); // only on apply
    clickButton(dialog, "ok");
    EXPECT_EQ(user().clockSeconds, 720);
    EXPECT_EQ(balltime(), "12:00");
}

TEST_F(ClockDialogTest, NewTimeFollowsTheRunningClockAndTheClockRunsOnFromTheValueApplied)
{
    ClockDialog& dialog = openAt(720);
    clickOn(control<qel::qelCommand>("ok")); // the board's start button
    session->advance(5000);
    EXPECT_EQ(balltime(), "11:55");
    EXPECT_EQ(boxes(), std::make_pair(std::string("12"), std::string("0")));
    clickButton(dialog, "newtime");
    EXPECT_EQ(boxes(), std::make_pair(std::string("11"), std::string("55")));

    typeOver(*minutes, "3");
    typeOver(*seconds, "0");
    clickButton(dialog, "ok");
    EXPECT_EQ(balltime(), "03:00");
    EXPECT_EQ(user().clockSeconds, 180);
    // The running clock takes the new value up at its next tick and counts on from there.
    session->advance(3000);
    EXPECT_GE(user().clockSeconds, 177);
    EXPECT_LE(user().clockSeconds, 178);
    EXPECT_EQ(balltime(), scoreboard::clockText(user().clockSeconds));
}

TEST_F(ClockDialogTest, OpenedModallyItBlocksTheBoardUntilApplied)
{
    user().clockSeconds = 720;
    bool sawDialog = false;
    whileModal(showClockDialog, {
        [&] {
            auto* dialog = dialogForm<ClockDialog>("m2");
            ASSERT_NE(dialog, nullptr);
            sawDialog = dialog->isModal() && dialog->visible();
            dialog->get<forms::TextBox>("T1", 0).setText("2");
        },
        [&] { clickOn(dialogForm("m2")->get<qel::qelCommand>("ok")); },
    });
    EXPECT_TRUE(sawDialog);
    EXPECT_EQ(dialogForm("m2"), nullptr);
    EXPECT_EQ(user().clockSeconds, 120);
    EXPECT_EQ(balltime(), "02:00");
}

} // namespace
} // namespace dialogs::test
