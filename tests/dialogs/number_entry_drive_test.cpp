// The number boxes of the score and clock dialogs as the operator uses them: opened from the
// menu row, typed into after the dialog opens, after Tab and after a click, and applied.
#include "dialog_drive_fixture.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"

#include "platform/forms/text_box.h"
#include "platform/gfx/picture.h"

#include <gtest/gtest.h>

namespace dialogs::test {
namespace {

using scoreboard::user;

class NumberEntryDriveTest : public DialogDriveTest {
protected:
    void setScores(int16_t a, int16_t b)
    {
        user().scoreA = a;
        user().scoreB = b;
        scoreboard::ShowScores();
    }
    std::string open(const char* item, const char* form) { return std::string("click ") + item + "\nform " + form + "\n"; }
};

TEST_F(NumberEntryDriveTest, TypedScoresReplaceTheOldOnes)
{
    startBoard();
    setScores(10, 12);
    EXPECT_EQ(run(open(kScoresItem, "m4") + "type 45\nkey Tab\ntype 38\nclick OKcommd\nform main\n"
                                             "show ballnumber(0) Caption\nshow ballnumber(1) Caption\n"),
        (std::vector<std::string>{"ballnumber(0).Caption=45", "ballnumber(1).Caption=38"}));
    EXPECT_EQ(user().scoreA, 45);
    EXPECT_EQ(user().scoreB, 38);
}

// Opened by a double click on the score or the clock display, the dialogs are typed into the same
// way: the second click of the double click places no caret in the box.
TEST_F(NumberEntryDriveTest, OpenedFromTheDisplaysTheBoxesAreTypedOverToo)
{
    startBoard(720);
    setScores(10, 12);
    EXPECT_EQ(run("dblclick ballnumber(1)\nform m4\ntype 45\nkey Tab\ntype 38\nclick OKcommd\nform main\n"
                  "dblclick balltime\nform m2\ntype 5\nkey Tab\ntype 30\nclick ok\nform main\n"
                  "show ballnumber(0) Caption\nshow ballnumber(1) Caption\nshow balltime Caption\n"),
        (std::vector<std::string>{"ballnumber(0).Caption=45", "ballnumber(1).Caption=38", "balltime.Caption=05:30"}));
}

TEST_F(NumberEntryDriveTest, AClickIntoABoxSelectsItsScoreAndAFullBoxTakesNoMoreDigits)
{
    startBoard();
    setScores(57, 102);
    EXPECT_EQ(run(open(kScoresItem, "m4") + "click T1(1)\ntype 9\nshow T1(1) Text\n"
                                             "type 8765\nshow T1(1) Text\n"
                                             "click T1(0)\ntype 0\nclick OKcommd\nform main\n"
                                             "show ballnumber(0) Caption\nshow ballnumber(1) Caption\n"),
        (std::vector<std::string>{
            "T1(1).Text=9", "T1(1).Text=987", "ballnumber(0).Caption=0", "ballnumber(1).Caption=987"}));
}

TEST_F(NumberEntryDriveTest, TypedMinutesAndSecondsSetTheClock)
{
    startBoard(720);
    EXPECT_EQ(run(open(kClockItem, "m2") + "show T1(0) Text\nshow T1(1) Text\n"
                                            "type 5\nkey Tab\ntype 30\nclick ok\nform main\nshow balltime Caption\n"),
        (std::vector<std::string>{"T1(0).Text=12", "T1(1).Text=0", "balltime.Caption=05:30"}));
    EXPECT_EQ(user().clockSeconds, 330);
}

TEST_F(NumberEntryDriveTest, ABoxPutBackTo00IsSelectedSoTheNextDigitsReplaceIt)
{
    startBoard(720);
    EXPECT_EQ(run(open(kClockItem, "m2") + "key Tab\ntype 75\nshow T1(1) Text\n"
                                            "type 42\nshow T1(1) Text\n"
                                            "click T1(0)\ntype 99\nshow T1(0) Text\ntype 8\n"
                                            "click ok\nform main\nshow balltime Caption\n"),
        (std::vector<std::string>{"T1(1).Text=00", "T1(1).Text=42", "T1(0).Text=00", "balltime.Caption=08:42"}));
}

TEST_F(NumberEntryDriveTest, ADigitRefusedByAFullBoxFlashesTheBox)
{
    startBoard(720);
    const std::string before = path("before.png").string(), refused = path("refused.png").string(),
                      after = path("after.png").string();
    // The shots come one after another at the same moment, so the caret looks the same in all.
    EXPECT_EQ(run(open(kClockItem, "m2") + "click T1(1)\ntype 30\nshot " + before + "\ntype 5\nshot " + refused
                  + "\nshow T1(1) Text\nwait " + std::to_string(plat::forms::TextBox::kFlashMs) + "\nshot " + after
                  + "\nclick qelCommand2\n"),
        (std::vector<std::string>{"T1(1).Text=30"}));
    const plat::gfx::Picture a = plat::gfx::Picture::fromFile(before), b = plat::gfx::Picture::fromFile(refused),
                             c = plat::gfx::Picture::fromFile(after);
    ASSERT_FALSE(a.isEmpty());
    ASSERT_EQ(a.width(), b.width());
    ASSERT_EQ(a.width(), c.width());
    int changed = 0, inverted = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const uint32_t was = a.image().colorAt(x, y), now = b.image().colorAt(x, y);
            changed += was != now;
            inverted += was != now && now == (~was & 0xFFFFFFu);
        }
    }
    EXPECT_GT(changed, 200) << "the refused digit shows";
    EXPECT_EQ(inverted, changed) << "the box shows inverted";
    EXPECT_EQ(a.image().pixels(), c.image().pixels()) << "and then as before";
}

TEST_F(NumberEntryDriveTest, ApplyWithTheBoxesAsReadLeavesARunningClockAlone)
{
    startBoard(720);
    // Opened at 11:59, applied five seconds later: the clock has run on to 11:54.
    EXPECT_EQ(run("click ok\nwait 1000\n" + open(kClockItem, "m2") + "show T1(0) Text\nshow T1(1) Text\nwait 5000\n"
                  + "click ok\nform main\nshow balltime Caption\nwait 1000\nshow balltime Caption\n"),
        (std::vector<std::string>{"T1(0).Text=11", "T1(1).Text=59", "balltime.Caption=11:54", "balltime.Caption=11:53"}));
}

TEST_F(NumberEntryDriveTest, ApplyAfterTypingSetsARunningClock)
{
    startBoard(720);
    EXPECT_EQ(run("click ok\nwait 1000\n" + open(kClockItem, "m2") + "wait 5000\ntype 11\nkey Tab\ntype 59\n"
                  + "click ok\nform main\nshow balltime Caption\nwait 1000\nshow balltime Caption\nwait 1000\nshow balltime Caption\n"),
        (std::vector<std::string>{"balltime.Caption=11:59", "balltime.Caption=11:59", "balltime.Caption=11:58"}));
}

TEST_F(NumberEntryDriveTest, TheDefaultTimeAppliedSetsARunningClock)
{
    startBoard(720);
    EXPECT_EQ(run("click ok\nwait 1000\n" + open(kClockItem, "m2") + "wait 5000\nclick motime\nwait 2000\n"
                  + "click ok\nform main\nshow balltime Caption\nwait 2000\nshow balltime Caption\n"),
        (std::vector<std::string>{"balltime.Caption=12:00", "balltime.Caption=11:59"}));
}

TEST_F(NumberEntryDriveTest, TheOptionsPanelsLengthBoxesAreTypedOverToo)
{
    startBoard(720);
    EXPECT_EQ(run("click on1(0)\nclick settxt(1)\ntype 30\nshow settxt(1) Text\n"
                  "click settxt(0)\ntype 75\nshow settxt(0) Text\ntype 9\nshow settxt(0) Text\nclick qelsave\n"),
        (std::vector<std::string>{"settxt(1).Text=30", "settxt(0).Text=00", "settxt(0).Text=9"}));
    EXPECT_EQ(user().periodLength, 9 * 60 + 30);
}

TEST_F(NumberEntryDriveTest, TheOptionsPanelsLengthBoxesAreTypedOverAfterTab)
{
    startBoard(720, 300);
    EXPECT_EQ(run("click on1(0)\nclick settxt(0)\ntype 10\nkey Tab\ntype 30\nkey Tab\ntype 3\nkey Tab\ntype 15\n"
                  "show settxt(0) Text\nshow settxt(1) Text\nshow settxt(2) Text\nshow settxt(3) Text\nclick qelsave\n"),
        (std::vector<std::string>{"settxt(0).Text=10", "settxt(1).Text=30", "settxt(2).Text=3", "settxt(3).Text=15"}));
    EXPECT_EQ(user().periodLength, 10 * 60 + 30);
    EXPECT_EQ(user().overtimeLength, 3 * 60 + 15);
}

// Typed as keys (each with its character), the default score keys 1 and 2 go into the box and change no score, nor do F1 and F2 pressed there; out of the
// box they score again.
TEST_F(NumberEntryDriveTest, ScoreKeysTypedIntoTheOptionsPanelsBoxesChangeNoScore)
{
    startBoard(720);
    setScores(5, 5);
    EXPECT_EQ(run("click on1(0)\nclick settxt(0)\nkey 2\nkey 1\nkey F1\nkey F2\n"
                  "show settxt(0) Text\nshow ballnumber(0) Caption\nshow ballnumber(1) Caption\n"
                  "click on1(1)\nkey 1\nkey 2\nshow ballnumber(0) Caption\nshow ballnumber(1) Caption\n"),
        (std::vector<std::string>{"settxt(0).Text=21", "ballnumber(0).Caption=5", "ballnumber(1).Caption=5", "ballnumber(0).Caption=6",
            "ballnumber(1).Caption=6"}));
}

} // namespace
} // namespace dialogs::test
