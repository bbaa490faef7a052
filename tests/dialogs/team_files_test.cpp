#include "../scoreboard/program_folder_fixture.h"

#include "dialogs/team_files.h"
#include "platform/system/ansi_codec.h"

#include "scoreboard/roster_loader.h"

namespace dialogs::test {
namespace {

using scoreboard::RosterPlayer;
using scoreboard::TeamRoster;
using scoreboard::test::ProgramFolderTest;

class TeamFilesTest : public ProgramFolderTest {};

TEST_F(TeamFilesTest, AMissingFolderIsMadeWithTheTwoDefaultTeams)
{
    EXPECT_EQ(listTeams(), (std::vector<std::string>{"篮球社团A队", "篮球社团B队"}));
    EXPECT_EQ(tree(), (std::vector<std::string>{"binlist/", "binlist/篮球社团A队.ini", "binlist/篮球社团B队.ini"}));
    EXPECT_EQ(readBytes(path("binlist/篮球社团A队.ini")), "");
}

TEST_F(TeamFilesTest, TeamsAreTheFilesNamedDotIni)
{
    for (const char* file : {"飞虎队.ini", "Eagles.ini", "a.INI", "notes.txt", "xini", ".ini", "b.ini.bak", "back\\slash.ini", "a=b.ini"})
        writeBytes(path("binlist") / file, "");
    std::filesystem::create_directories(path("binlist/folder.ini"));
    EXPECT_EQ(listTeams(), (std::vector<std::string>{"Eagles", "a=b", "飞虎队"}));
}

TEST_F(TeamFilesTest, TeamNamesThatCannotNameAFileInBinlistAreRefused)
{
    struct Case {
        std::string name;
        bool accepted;
    };
    const Case cases[] = {
        {"飞虎队", true},
        {"Eagles 2", true},
        {"A=B", true},
        {"A,B", true},
        {"Mr. X", true},
        {"", false},
        {"../x", false},
        {"..", false},
        {".", false},
        {"...", false},
        {"a/b", false},
        {"a\\b", false},
        {"..\\..\\date\\config", false},
        {"c:", false},
        {"what?", false},
        {"a*", false},
        {"\"q\"", false},
        {"<b>", false},
        {"a|b", false},
        {"tab\there", false},
        {std::string("nul\0x", 5), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(teamNameProblem(c.name).empty(), c.accepted) << c.name;
    EXPECT_EQ(teamNameProblem(""), "球队名称不能为空！");
}

TEST_F(TeamFilesTest, RosterTextsThatWouldNotReadBackAreRefused)
{
    struct Case {
        std::string text;
        RosterField field;
        std::string problem;
    };
    const Case cases[] = {
        {"姚明", RosterField::PlayerName, ""},
        {"Li=Na", RosterField::PlayerName, ""},
        {"", RosterField::Coach, ""},
        {"11", RosterField::Number, ""},
        {"", RosterField::Number, "球号不能为空！"},
        {"姚,明", RosterField::PlayerName, "队员姓名不能包含逗号“,”！"},
        {"王,教练", RosterField::Coach, "教练姓名不能包含逗号“,”！"},
        {"\"李", RosterField::Leader, "领队姓名不能包含双引号“\"”！"},
        {"1,2", RosterField::Number, "球号不能包含逗号“,”！"},
        {"1=2", RosterField::Number, "球号不能包含“=”！"},
        {"a\r\nb", RosterField::PlayerName, "队员姓名不能包含控制字符！"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rosterTextProblem(c.text, c.field), c.problem) << c.text;
}

TEST_F(TeamFilesTest, AWrittenTeamFileIsGbkWithCrLfAndReadsBackTheSame)
{
    const TeamRoster roster{"王教练", "", {{"姚明", "11"}, {"Li=Na", "7"}, {"易建联", "9"}}};
    ASSERT_TRUE(writeTeamFile("飞虎队", roster));
    // 教练:王教练 / 领队: / 队员:姚明=11 / 队员:Li=Na=7 / 队员:易建联=9
    const std::string expected = "\xBD\xCC\xC1\xB7:\xCD\xF5\xBD\xCC\xC1\xB7\r\n"
                                 "\xC1\xEC\xB6\xD3:\r\n"
                                 "\xB6\xD3\xD4\xB1:\xD2\xA6\xC3\xF7=11\r\n"
                                 "\xB6\xD3\xD4\xB1:Li=Na=7\r\n"
                                 "\xB6\xD3\xD4\xB1:\xD2\xD7\xBD\xA8\xC1\xAA=9\r\n";
    EXPECT_EQ(readBytes(path("binlist/飞虎队.ini")), expected);
    EXPECT_EQ(scoreboard::readTeamRoster(teamFilePath("飞虎队")), roster);
}

// Saving over a file whose lines the reader did not all take keeps the file first, once.
TEST_F(TeamFilesTest, ASaveOverLinesTheReaderDidNotTakeKeepsTheFileFirst)
{
    struct Case {
        const char* what;
        std::string bytes;
        bool kept;
    };
    const Case cases[] = {
        {"a player with a comma", "\xB6\xD3\xD4\xB1:Li,Na=7\r\n", true},
        {"100 KB of garbage", std::string(100 * 1024, '\x07'), true},
        {"a file the dialog wrote", "\xBD\xCC\xC1\xB7:A\r\n\xC1\xEC\xB6\xD3:\r\n\xB6\xD3\xD4\xB1:b=1\r\n", false},
        {"an empty file", "", false},
    };
    const TeamRoster roster{"C", "L", {{"x", "5"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(path("binlist"));
        writeBytes(path("binlist/t.ini"), c.bytes);
        ::testing::internal::CaptureStderr();
        ASSERT_TRUE(writeTeamFile("t", roster));
        const std::string told = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(scoreboard::readTeamRoster(teamFilePath("t")), roster);
        EXPECT_EQ(std::filesystem::exists(path("binlist/t.ini.bak")), c.kept);
        if (c.kept) {
            EXPECT_EQ(readBytes(path("binlist/t.ini.bak")), c.bytes);
            EXPECT_NE(told.find("t.ini.bak"), std::string::npos) << told;
        }
        // Saved again over its own file: no further copy.
        std::filesystem::remove(path("binlist/t.ini.bak"));
        ASSERT_TRUE(writeTeamFile("t", TeamRoster{"D", "", {}}));
        EXPECT_FALSE(std::filesystem::exists(path("binlist/t.ini.bak")));
    }
    EXPECT_EQ(listTeams(), (std::vector<std::string>{"t"})) << "the copy is no team";
}

TEST_F(TeamFilesTest, TextsOfAHandEditedFileAreWrittenSoThatTheyReadBackWhole)
{
    // Quoted values of list input keep commas and blanks; rewritten, they are quoted again.
    std::filesystem::create_directories(path("binlist"));
    writeBytes(path("binlist/飞虎队.ini"), plat::sys::encodeAnsi("\"教练:王,李\"\r\n\"领队: 陈 \"\r\n\"队员:O'Neal, Jr.=34\",队员:\"x\"=5\r\n"));
    const TeamRoster read = scoreboard::readTeamRoster(teamFilePath("飞虎队"));
    ASSERT_EQ(read, (TeamRoster{"王,李", " 陈 ", {{"O'Neal, Jr.", "34"}, {"\"x\"", "5"}}}));
    EXPECT_EQ(teamFileLines(read),
        (std::vector<std::string>{"\"教练:王,李\"", "\"领队: 陈 \"", "\"队员:O'Neal, Jr.=34\"", "队员:\"x\"=5"}));
    ASSERT_TRUE(writeTeamFile("飞虎队", read));
    EXPECT_EQ(scoreboard::readTeamRoster(teamFilePath("飞虎队")), read);
}

TEST_F(TeamFilesTest, ANameWithAProblemIsNeverWritten)
{
    std::filesystem::create_directories(path("binlist"));
    for (const char* name : {"../escaped", "..", "sub/team", "sub\\team", ""})
        EXPECT_FALSE(writeTeamFile(name, TeamRoster{"a", "b", {}})) << name;
    EXPECT_EQ(tree(), (std::vector<std::string>{"binlist/"}));
}

TEST_F(TeamFilesTest, DamagedTeamFilesReadAsFarAsTheyMakeSense)
{
    struct Case {
        const char* what;
        std::string bytes;
        TeamRoster roster;
    };
    const Case cases[] = {
        {"coach line alone", "\xBD\xCC\xC1\xB7:\r\n", {}},
        {"short player value", "\xB6\xD3\xD4\xB1:ab\r\n\xB6\xD3\xD4\xB1:a=1\r\n", {"", "", {{"a", "1"}}}},
        {"player without =", "\xB6\xD3\xD4\xB1:abcdef\r\n", {}},
        {"comma splits a line", "\xB6\xD3\xD4\xB1:a,b=3\r\n\xB6\xD3\xD4\xB1:c=4\r\n", {"", "", {{"c", "4"}}}},
        {"bytes that are no text", std::string("\xFF\xFE\x00\x01\r\n", 6) + "\xB6\xD3\xD4\xB1:x=5", {"", "", {{"x", "5"}}}},
        {"bare line feeds", "\xBD\xCC\xC1\xB7:A\n\xB6\xD3\xD4\xB1:b=1", {"A", "", {{"b", "1"}}}},
    };
    for (const Case& c : cases) {
        writeBytes(path("binlist/t.ini"), c.bytes);
        EXPECT_EQ(scoreboard::readTeamRoster(teamFilePath("t")), c.roster) << c.what;
    }
}

} // namespace
} // namespace dialogs::test
