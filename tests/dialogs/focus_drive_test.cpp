// Where the focus goes after a button of the title and teams dialogs has done its work, and what
// becomes of the match when one of its teams is renamed or deleted, as the operator sees it.
#include "dialog_drive_fixture.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_state.h"
#include "scoreboard/roster_loader.h"

#include "platform/system/ansi_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace dialogs::test {
namespace {

class FocusDriveTest : public DialogDriveTest {
protected:
    // The title dialog opened from the menu row, `steps` done in it, and closed with 取消.
    static std::string inTitleDialog(const std::string& steps)
    {
        return std::string("click ") + kTitleItem + "\nform m1\n" + steps + "click qelCommand2\n";
    }
};

TEST_F(FocusDriveTest, AfterAddingARefereeTheNameBoxTakesTheNextName)
{
    startBoard();
    EXPECT_EQ(run(inTitleDialog("click zt1\ntype 张三\nclick addc\ntype 李四\nclick addc\nshow zt1 Text\nshow L1(5) Caption\n")),
        (std::vector<std::string>{"zt1.Text=", "L1(5).Caption=总数: 2 人"}));
}

// After 添加 the focus is in the name box, so Enter there is no second press of 添加.
TEST_F(FocusDriveTest, EnterAfterAddingARefereeDoesNotAddAgain)
{
    startBoard();
    EXPECT_EQ(run(inTitleDialog("click zt1\ntype 张三\nclick addc\ntype 李四\nkey Enter\nshow zt1 Text\nshow L1(5) Caption\n")),
        (std::vector<std::string>{"zt1.Text=李四", "L1(5).Caption=总数: 1 人"}));
}

// A name already listed is refused with "已存在" and the name box keeps the focus for the fix.
TEST_F(FocusDriveTest, ARefusedRefereeNameIsMendedInTheNameBox)
{
    startBoard();
    EXPECT_EQ(run(inTitleDialog("click zt1\ntype 张三\nclick addc\ntype 张三\nclick addc\nshow lname Visible\n"
                                "key Backspace\nkey Backspace\ntype 李四\nshow lname Visible\nclick addc\nshow L1(5) Caption\n")),
        (std::vector<std::string>{"lname.Visible=True", "lname.Visible=False", "L1(5).Caption=总数: 2 人"}));
}

// The referee name box takes four characters; the fifth and sixth typed are refused.
TEST_F(FocusDriveTest, TheRefereeNameBoxTakesFourCharacters)
{
    startBoard();
    EXPECT_EQ(run(inTitleDialog("click zt1\ntype 张三李四王五\nshow zt1 Text MaxLength\nclick addc\nshow L1(5) Caption\n")),
        (std::vector<std::string>{"zt1.Text=张三李四", "zt1.MaxLength=4", "L1(5).Caption=总数: 1 人"}));
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

// 保存 without a team name is refused; once the message is answered the name box takes the name.
TEST_F(FocusDriveTest, ASaveWithoutATeamNameReturnsToTheNameBox)
{
    startBoard();
    EXPECT_EQ(run(std::string("click ") + kTeamsItem + "\nform m3\n"
                  + "click newadd\nclick Text1(0)\ntype 王教\nclick commsave\nkey Enter\nform m3\n"
                    "type 蓝队\nshow T1(0) Text\nclick commsave\nclick qelCommand2\n"),
        (std::vector<std::string>{"T1(0).Text=蓝队"}));
    EXPECT_EQ(readBytes(path("binlist/蓝队.ini")), plat::sys::encodeAnsi("教练:王教\r\n领队:\r\n"));
}

// A player refused for a name or a number already on the roster: once the message is answered
// the box at fault has the focus, the number box with its number selected.
TEST_F(FocusDriveTest, ARefusedPlayerIsMendedInTheBoxAtFault)
{
    startBoard();
    EXPECT_EQ(run(std::string("click ") + kTeamsItem + "\nform m3\n"
                  + "click newadd\ntype 红队\nclick Text1(2)\ntype 张三\nclick addcomm\n"
                    // The same name again.
                    "type 张三\nclick addcomm\nkey Enter\nform m3\nshow Text1(2) Text\n"
                    "key Backspace\nkey Backspace\ntype 李四\n"
                    // Number 0 is taken by 张三.
                    "click addcomm\nkey Enter\nform m3\ntype 7\nshow comadd Text\nclick addcomm\nshow alltxt Caption\n"
                    "click commsave\nclick qelCommand2\n"),
        (std::vector<std::string>{"Text1(2).Text=张三", "comadd.Text=7", "alltxt.Caption=总数: 2 人"}));
    EXPECT_EQ(readBytes(path("binlist/红队.ini")),
        plat::sys::encodeAnsi("教练:\r\n领队:\r\n队员:张三=0\r\n队员:李四=7\r\n"));
}

// A click into the shirt-number box that gives it the focus selects its number: typing replaces it.
TEST_F(FocusDriveTest, AClickIntoTheNumberBoxSelectsItsNumber)
{
    startBoard();
    EXPECT_EQ(run(std::string("click ") + kTeamsItem + "\nform m3\n"
                  + "click newadd\ntype 红队\nclick Text1(2)\ntype 张三\nclick comadd\ntype 12\nshow comadd Text\n"
                    "click addcomm\nclick commsave\nclick qelCommand2\n"),
        (std::vector<std::string>{"comadd.Text=12"}));
    EXPECT_EQ(readBytes(path("binlist/红队.ini")), plat::sys::encodeAnsi("教练:\r\n领队:\r\n队员:张三=12\r\n"));
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
    // The program ended and started again as a new process finds the folder: a new window
    // system, the match state read afresh from the settings files.
    void restart()
    {
        program.reset();
        session.reset();
        session = std::make_unique<plat::backend::HeadlessSession>();
        scoreboard::user() = scoreboard::MatchState{};
        ASSERT_TRUE(start());
        session->advance(3000);
        ASSERT_TRUE(mainForm().visible());
        t0 = session->nowMs();
    }
    // Started with Ants and Bears as the match's teams, Bears picked in the teams dialog and
    // `steps` done to it, the dialog closed, then the program started again: what the board
    // shows of the teams.
    std::vector<std::string> nextStartAfter(const std::string& steps)
    {
        writeSettings(720, 300);
        writeBytes(path("date/config.db"), "allname=Cup\r\ndelalltime=720\r\njstime=300\r\nballname1=Ants\r\nballname2=Bears\r\n");
        restart();
        run(pickBears() + steps + "click qelCommand2\nform main\n");
        restart();
        return run("show ballname(0) Caption\nshow ballname(1) Caption\nshow namelab1(0) Caption\nshow namelab2(0) Caption\n");
    }
    std::vector<std::string> teamFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path("binlist")))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // The files of binlist that are Bears' own.
    std::vector<std::string> bearsFiles() const
    {
        std::vector<std::string> names = teamFiles();
        std::erase_if(names, [](const std::string& name) { return !name.starts_with("Bears"); });
        return names;
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

// A rename keeps what a save keeps: an old file holding lines the reader does not take goes to
// <old>.ini.bak first, and standard error says so; one holding only what it reads leaves no copy.
TEST_F(MatchTeamDriveTest, ARenameKeepsTheLinesItDropsAsASaveDoes)
{
    struct Row {
        std::string oldFile;
        bool kept;
    };
    for (const Row& row : { Row{ "教练:Bob\r\n# the operator's note\r\n领队:\r\n队员:Ben=7\r\n", true },
             Row{ "教练:Bob\r\n领队:\r\n队员:Ben=7\r\n", false } }) {
        SCOPED_TRACE(row.oldFile);
        std::filesystem::remove(path("binlist/Bears2.ini"));
        std::filesystem::remove(path("binlist/Bears.ini.bak"));
        writeBytes(path("binlist/Bears.ini"), plat::sys::encodeAnsi(row.oldFile));
        startWithTheTwoTeams();
        testing::internal::CaptureStderr();
        run(pickBears() + "click newadd\nkey End\ntype 2\nclick commsave\nclick qelCommand2\nform main\n");
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(readBytes(path("binlist/Bears2.ini")), plat::sys::encodeAnsi("教练:Bob\r\n领队:\r\n队员:Ben=7\r\n"));
        if (row.kept) {
            EXPECT_EQ(bearsFiles(), (std::vector<std::string>{ "Bears.ini.bak", "Bears2.ini" }));
            EXPECT_EQ(readBytes(path("binlist/Bears.ini.bak")), plat::sys::encodeAnsi(row.oldFile));
            EXPECT_NE(told.find("Bears.ini.bak"), std::string::npos) << told;
        } else {
            EXPECT_EQ(bearsFiles(), (std::vector<std::string>{ "Bears2.ini" }));
            EXPECT_EQ(told.find(".bak"), std::string::npos) << told;
        }
        // The next row on a program started afresh.
        program.reset();
        session.reset();
        session = std::make_unique<plat::backend::HeadlessSession>();
        scoreboard::user() = scoreboard::MatchState{};
    }
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

// What the match keeps of a renamed or deleted team survives the program's end: the next start
// shows the new name with its roster, or no team, and makes no file of the old name.
TEST_F(MatchTeamDriveTest, TheNextStartShowsTheRenamedTeamAndNoFileOfTheOldName)
{
    EXPECT_EQ(nextStartAfter("click newadd\nkey End\ntype 2\nclick commsave\n"),
        (std::vector<std::string>{"ballname(0).Caption=Ants", "ballname(1).Caption=Bears2", "namelab1(0).Caption=Amy",
            "namelab2(0).Caption=Ben"}));
    EXPECT_EQ(teamFiles(), (std::vector<std::string>{"Ants.ini", "Bears2.ini"}));
}

TEST_F(MatchTeamDriveTest, TheNextStartHasNoDeletedTeamAndMakesNoFileOfIt)
{
    EXPECT_EQ(nextStartAfter("click delball\nkey Enter\nform m3\n"),
        (std::vector<std::string>{
            "ballname(0).Caption=Ants", "ballname(1).Caption=", "namelab1(0).Caption=Amy", "namelab2(0).Caption="}));
    EXPECT_EQ(teamFiles(), (std::vector<std::string>{"Ants.ini"}));
}

} // namespace
} // namespace dialogs::test
