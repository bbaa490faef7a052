#include "board_fixture.h"

#include "scoreboard/roster_loader.h"

#include "platform/forms/label.h"
#include "platform/system/ansi_codec.h"

namespace scoreboard::test {
namespace {

using plat::forms::Label;

class RosterLoaderTest : public BoardTest {
protected:
    void writeTeam(std::string_view team, const std::string& text)
    {
        writeBytes(path("binlist/" + std::string(team) + ".ini"), plat::sys::encodeAnsi(text));
    }
};

TEST_F(RosterLoaderTest, ReadsCoachLeaderAndPlayersByTheValueRules)
{
    struct Case {
        std::string text;
        TeamRoster roster;
    };
    const std::vector<Case> cases{
        {"教练:王明\r\n领队:李强\r\n队员:张三=7\r\n队员:李四=23\r\n", {"王明", "李强", {{"张三", "7"}, {"李四", "23"}}}},
        // The player splits at the last "=".
        {"队员:Li=Na=7\r\n", {"", "", {{"Li=Na", "7"}}}},
        // Prefixes alone, and a player with fewer than three characters after the prefix, are ignored.
        {"教练:\r\n领队:\r\n队员:A=\r\n队员:=1\r\n队员:ab\r\n", {"", "", {}}},
        // Leader before coach; a later coach replaces the earlier one; other values are ignored.
        {"领队:乙\r\n教练:甲\r\n备注:x\r\n教练:丙\r\n", {"丙", "乙", {}}},
        // A comma ends a value: the rest is read as one more value.
        {"队员:王,五=9\r\n队员:赵六=10\r\n", {"", "", {{"赵六", "10"}}}},
        // Leading blanks are skipped; a quoted value keeps its comma.
        {"  教练:周\r\n\"队员:A,B=3\"\r\n", {"周", "", {{"A,B", "3"}}}},
        // A player without any "=" is no player.
        {"队员:无号码\r\n", {"", "", {}}},
    };
    for (const Case& c : cases) {
        writeTeam("T", c.text);
        EXPECT_EQ(readTeamRoster(teamFilePath("T")), c.roster) << c.text;
    }
    EXPECT_EQ(readTeamRoster(teamFilePath("missing")), TeamRoster{});
}

TEST_F(RosterLoaderTest, FillsBothSidesWithAtMostTwelvePlayers)
{
    loadBoard();
    std::string fifteen = "教练:王明\r\n领队:李强\r\n";
    for (int i = 1; i <= 15; ++i)
        fifteen += "队员:甲" + std::to_string(i) + "=" + std::to_string(i) + "\r\n";
    writeTeam("红队", fifteen);
    writeTeam("蓝队", "教练:刘\r\n队员:小&明=5\r\n");
    user().teamNameA = "红队";
    user().teamNameB = "蓝队";

    LoadRosters();
    EXPECT_EQ(control<Label>("bflab", 0).caption(), "王明");
    EXPECT_EQ(control<Label>("bflab", 1).caption(), "李强");
    EXPECT_EQ(control<Label>("bflab", 2).caption(), "刘");
    EXPECT_EQ(control<Label>("bflab", 3).caption(), "");
    for (int k = 0; k < 12; ++k) {
        EXPECT_TRUE(control<Label>("namelab1", k).visible()) << k;
        EXPECT_EQ(control<Label>("namelab1", k).caption(), "甲" + std::to_string(k + 1)) << k;
        EXPECT_EQ(control<Label>("numlab1", k).caption(), std::to_string(k + 1)) << k;
    }
    EXPECT_EQ(control<Label>("namelab2", 0).caption(), "小&明");
    EXPECT_EQ(control<Label>("numlab2", 0).caption(), "5");
    EXPECT_TRUE(control<Label>("numlab2", 0).visible());
    for (int k = 1; k < 12; ++k) {
        EXPECT_FALSE(control<Label>("namelab2", k).visible()) << k;
        EXPECT_FALSE(control<Label>("numlab2", k).visible()) << k;
    }
    EXPECT_EQ(user().rosterFileA, path("binlist/红队.ini").string());
    EXPECT_EQ(user().rosterFileB, path("binlist/蓝队.ini").string());

    // A second load empties what the files no longer hold.
    writeTeam("红队", "队员:乙=1\r\n");
    LoadRosters();
    EXPECT_EQ(control<Label>("bflab", 0).caption(), "");
    EXPECT_EQ(control<Label>("namelab1", 0).caption(), "乙");
    EXPECT_FALSE(control<Label>("namelab1", 1).visible());
    EXPECT_EQ(control<Label>("namelab1", 1).caption(), "");
}

TEST_F(RosterLoaderTest, AMissingTeamFileIsCreatedEmpty)
{
    loadBoard();
    std::filesystem::create_directories(path("binlist"));
    user().teamNameA = "新队";
    user().teamNameB = "篮球社团B队";
    LoadRosters();
    EXPECT_TRUE(std::filesystem::exists(path("binlist/新队.ini")));
    EXPECT_EQ(readBytes(path("binlist/新队.ini")), "");
    EXPECT_TRUE(std::filesystem::exists(path("binlist/篮球社团B队.ini")));
    EXPECT_FALSE(control<Label>("namelab1", 0).visible());
}

// A team name from a hand-edited settings file that cannot be a file of binlist makes no file
// and reads none, however it tries to leave the folder.
TEST_F(RosterLoaderTest, ATeamNameThatCannotBeAFileNameReachesNoPath)
{
    loadBoard();
    std::filesystem::create_directories(path("binlist"));
    std::filesystem::create_directories(path("elsewhere"));
    writeBytes(path("elsewhere/x.ini"), plat::sys::encodeAnsi("队员:张三=5"));
    for (const char* name : {"..\\elsewhere\\x", "../elsewhere/x", "..", "a:b", "a\tb", ""}) {
        user().teamNameA = name;
        user().teamNameB = "篮球社团B队";
        LoadRosters();
        EXPECT_EQ(user().rosterFileA, "") << name;
        EXPECT_FALSE(control<Label>("namelab1", 0).visible()) << name;
    }
    EXPECT_EQ(readBytes(path("elsewhere/x.ini")), plat::sys::encodeAnsi("队员:张三=5"));
    EXPECT_FALSE(std::filesystem::exists(path("binlist/...ini")));
    for (const char* ok : {"飞虎队", "Eagles 2", "a.b"})
        EXPECT_TRUE(teamNameFitsFileName(ok)) << ok;
}

} // namespace
} // namespace scoreboard::test
