#include "dialog_fixture.h"

#include "dialogs/score_dialog.h"

#include "controls/core/qel_command.h"
#include "platform/forms/label.h"

namespace dialogs::test {
namespace {

namespace forms = plat::forms;
using scoreboard::user;

class ScoreDialogTest : public DialogTest {
protected:
    ScoreDialog& openWith(int16_t a, int16_t b)
    {
        user().scoreA = a;
        user().scoreB = b;
        scoreboard::ShowScores();
        ScoreDialog& dialog = open<ScoreDialog>();
        boxA = &dialog.get<forms::TextBox>("T1", 0);
        boxB = &dialog.get<forms::TextBox>("T1", 1);
        return dialog;
    }
    void clickButton(ScoreDialog& dialog, const char* name) { clickOn(dialog.get<qel::qelCommand>(name)); }
    std::string boardScore(int index) { return control<qel::qelLabel>("ballnumber", index).Caption(); }

    forms::TextBox* boxA = nullptr;
    forms::TextBox* boxB = nullptr;
};

TEST_F(ScoreDialogTest, LoadShowsTheTeamsAndTheirScores)
{
    user().teamNameA = "Lions";
    user().teamNameB = "篮球社团B队";
    ScoreDialog& dialog = openWith(57, 102);
    EXPECT_EQ(dialog.caption(), "比赛分数设置");
    EXPECT_EQ(dialog.get<forms::Label>("n1", 0).caption(), "Lions");
    EXPECT_EQ(dialog.get<forms::Label>("n1", 1).caption(), "篮球社团B队");
    EXPECT_EQ(boxA->text(), "57");
    EXPECT_EQ(boxB->text(), "102");
}

TEST_F(ScoreDialogTest, TeamNamesShowAnAmpersandAsWritten)
{
    user().teamNameA = "R&D";
    user().teamNameB = "Tom & Jerry";
    ScoreDialog& dialog = openWith(0, 0);
    for (int i : {0, 1})
        EXPECT_FALSE(dialog.get<forms::Label>("n1", i).useMnemonic()) << i;
}

TEST_F(ScoreDialogTest, ApplySetsBothScoresAndTheBoardShowsThemAtOnce)
{
    ScoreDialog& dialog = openWith(10, 12);
    typeOver(*boxA, "120");
    typeOver(*boxB, "98");
    clickButton(dialog, "OKcommd");
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(user().scoreA, 120);
    EXPECT_EQ(user().scoreB, 98);
    for (int i : {0, 2})
        EXPECT_EQ(boardScore(i), "120");
    for (int i : {1, 3})
        EXPECT_EQ(boardScore(i), "98");
}

TEST_F(ScoreDialogTest, ClearPutsZerosInTheBoxesOnlyAndCancelKeepsTheScores)
{
    ScoreDialog& dialog = openWith(33, 44);
    clickButton(dialog, "cleacommd");
    EXPECT_EQ(boxA->text(), "0");
    EXPECT_EQ(boxB->text(), "0");
    EXPECT_EQ(user().scoreA, 33);
    clickButton(dialog, "outcommd");
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(user().scoreA, 33);
    EXPECT_EQ(user().scoreB, 44);
    EXPECT_EQ(boardScore(0), "33");

    ScoreDialog& again = openWith(33, 44);
    clickButton(again, "cleacommd");
    clickButton(again, "OKcommd");
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_EQ(user().scoreB, 0);
    EXPECT_EQ(boardScore(1), "0");
}

TEST_F(ScoreDialogTest, TypingTakesDigitsOnlyThreeAtMost)
{
    struct Case {
        std::string typed, text;
    };
    const std::vector<Case> cases = {
        {"999", "999"}, {"1000", "100"}, {"-5", "5"}, {"7.5", "75"}, {"1 2", "12"}, {"ab", "0"}, {"零", "0"},
    };
    for (const Case& c : cases) {
        ScoreDialog& dialog = openWith(0, 0);
        typeOver(*boxA, c.typed);
        EXPECT_EQ(boxA->text(), c.text) << "typed \"" << c.typed << "\"";
        dialog.unload();
    }
}

// A box may still end up holding something else: emptied, or pasted into.
TEST_F(ScoreDialogTest, ApplyRefusesABoxThatHoldsNoScoreOf0To999)
{
    struct Case {
        std::string a, b;
        int badBox;
    };
    const std::vector<Case> cases = {
        {"", "5", 0}, {"5", "", 1}, {"-", "5", 0}, {"-3", "5", 0}, {"5", "abc", 1}, {"1e9", "5", 0}, {"5", ".", 1},
    };
    for (const Case& c : cases) {
        ScoreDialog& dialog = openWith(21, 22);
        boxA->setText(c.a);
        boxB->setText(c.b);
        clickButton(dialog, "OKcommd");
        ASSERT_TRUE(dialog.visible()) << '"' << c.a << "\" \"" << c.b << '"';
        EXPECT_EQ(user().scoreA, 21);
        EXPECT_EQ(user().scoreB, 22);
        forms::TextBox* bad = c.badBox == 0 ? boxA : boxB;
        EXPECT_EQ(plat::win::GetFocus(), bad->hwnd());
        EXPECT_EQ(bad->selText(), bad->text());
        dialog.unload();
    }
    // A pasted fraction counts with its whole part.
    ScoreDialog& dialog = openWith(21, 22);
    boxA->setText("7.9");
    clickButton(dialog, "OKcommd");
    EXPECT_FALSE(dialog.isLoaded());
    EXPECT_EQ(user().scoreA, 7);
}

TEST_F(ScoreDialogTest, OpenedModallyItReturnsOnceApplied)
{
    whileModal(showScoreDialog, {
        [&] { dialogForm("m4")->get<forms::TextBox>("T1", 1).setText("3"); },
        [&] { clickOn(dialogForm("m4")->get<qel::qelCommand>("OKcommd")); },
    });
    EXPECT_EQ(dialogForm("m4"), nullptr);
    EXPECT_EQ(user().scoreB, 3);
    EXPECT_EQ(boardScore(3), "3");
}

} // namespace
} // namespace dialogs::test
