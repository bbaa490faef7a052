// Where the focus goes after a button of the title and teams dialogs has done its work, and what
// becomes of the match when one of its teams is renamed or deleted, as the operator sees it.
#include "dialog_drive_fixture.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"
#include "scoreboard/roster_loader.h"

#include "platform/system/ansi_codec.h"

#include <gtest/gtest.h>

namespace dialogs::test {
namespace {

class FocusDriveTest : public DialogDriveTest {};

TEST_F(FocusDriveTest, AfterAddingARefereeTheNameBoxTakesTheNextName)
{
    startBoard();
    EXPECT_EQ(run(std::string("click ") + kTitleItem + "\nform m1\n"
                  + "click zt1\ntype 张三\nclick addc\ntype 李四\nclick addc\n"
                    "show zt1 Text\nshow L1(5) Caption\nclick qelCommand2\n"),
        (std::vector<std::string>{"zt1.Text=", "L1(5).Caption=总数: 2 人"}));
}

TEST_F(FocusDriveTest, TheTeamsEditorPutsTheFocusWhereTheNextTypingBelongs)
{
    startBoard();
    EXPECT_EQ(run(std::string("click ") + kTeamsItem + "\nform m3\n"
                  // A new team: its name comes first.
                  + "click newadd\ntype 红队\nshow T1(0) Text\n"
                    // A player added: the name box is ready for the next one.
                    "click Text1(2)\ntype 张三\nclick addcomm\ntype 李\nshow Text1(2) Text\n"
                    // A player refused: back in the name box once the message is answered.
                    "key Backspace\nclick addcomm\nkey Enter\nform m3\ntype 王五\nshow Text1(2) Text\nshow alltxt Caption\n"
                    "click qelCommand2\n"),
        (std::vector<std::string>{"T1(0).Text=红队", "Text1(2).Text=李", "Text1(2).Text=王五", "alltxt.Caption=总数: 1 人"}));
}

class MatchTeamDriveTest : public DialogDriveTest {
protected:
    void SetUp() override
    {
        DialogDriveTest::SetUp();
        writeBytes(path("binlist/Ants.ini"), plat::sys::encodeAnsi("教练:Ann\r\n领队:\r\n队员:Amy=4\r\n"));
        writeBytes(path("binlist/Bears.ini"), plat::sys::encodeAnsi("教练:Bob\r\n领队:\r\n队员:Ben=7\r\n"));
    }
    void startWithTheTwoTeams()
    {
        startBoard();
        scoreboard::user().teamNameA = "Ants";
        scoreboard::user().teamNameB = "Bears";
        scoreboard::ShowTeamNames();
        scoreboard::LoadRosters();
    }
    // Opens the teams dialog and picks Bears by typing its first letter into the list of teams.
    static std::string pickBears() { return std::string("click ") + kTeamsItem + "\nform m3\nclick balllist\ntype B\nshow T1(0) Text\n"; }
};

TEST_F(MatchTeamDriveTest, ARenamedMatchTeamIsRenamedInTheMatch)
{
    startWithTheTwoTeams();
    EXPECT_EQ(run(pickBears() + "click newadd\nkey End\ntype 2\nclick commsave\nclick qelCommand2\nform main\n"
                                "show ballname(1) Caption\nshow namelab2(0) Caption\nwait 3000\n"),
        (std::vector<std::string>{"T1(0).Text=Bears", "ballname(1).Caption=Bears2", "namelab2(0).Caption=Ben"}));
    EXPECT_EQ(scoreboard::user().teamNameB, "Bears2");
    EXPECT_TRUE(std::filesystem::exists(path("binlist/Bears2.ini")));
    EXPECT_FALSE(std::filesystem::exists(path("binlist/Bears.ini")));
}

TEST_F(MatchTeamDriveTest, ADeletedMatchTeamLeavesTheMatchAndTheBoard)
{
    startWithTheTwoTeams();
    EXPECT_EQ(run(pickBears() + "click delball\nkey Enter\nform m3\nclick qelCommand2\nform main\n"
                                "show ballname(0) Caption\nshow ballname(1) Caption\nshow namelab2(0) Caption Visible\n"
                                "show bflab(2) Caption\nwait 3000\n"),
        (std::vector<std::string>{"T1(0).Text=Bears", "ballname(0).Caption=Ants", "ballname(1).Caption=",
            "namelab2(0).Caption=", "namelab2(0).Visible=False", "bflab(2).Caption="}));
    EXPECT_EQ(scoreboard::user().teamNameB, "");
    EXPECT_FALSE(std::filesystem::exists(path("binlist/Bears.ini")));
    EXPECT_TRUE(std::filesystem::exists(path("binlist/Ants.ini")));
}

} // namespace
} // namespace dialogs::test
