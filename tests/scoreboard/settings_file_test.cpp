#include "program_folder_fixture.h"

#include "scoreboard/settings_store.h"

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scoreboard::test {
namespace {

using SettingsFileTest = ProgramFolderTest;

struct FileCase {
    const char* name;
    std::string bytes; // the file as it lies on disk
    std::function<void(const MatchState&)> check;
};

TEST_F(SettingsFileTest, ReaderEdgeCases)
{
    const std::vector<FileCase> cases{
        {"a title holding an equals sign survives", "allname=A=B\r\n",
            [](const MatchState& s) { EXPECT_EQ(s.matchTitle, "A=B"); }},
        {"a title ending in an equals sign", "allname=Cup=\r\n",
            [](const MatchState& s) { EXPECT_EQ(s.matchTitle, "Cup="); }},
        {"saved overtime length", "jstime=420\r\n", [](const MatchState& s) { EXPECT_EQ(s.overtimeLength, 420); }},
        {"whole part and even rounding", "zainum=2.7\r\ndelalltime=600.5\r\nalltime=601.5\r\n",
            [](const MatchState& s) {
                EXPECT_EQ(s.refereeCount, 2);
                EXPECT_EQ(s.periodLength, 600);
                EXPECT_EQ(s.clockSeconds, 602);
            }},
        {"a later False leaves the end bell on", "closesoud=True\r\nclosesoud=False\r\n",
            [](const MatchState& s) { EXPECT_TRUE(s.optEndBell); }},
        {"a key differing in case is ignored", "AllName=Cup\r\n",
            [](const MatchState& s) { EXPECT_EQ(s.matchTitle, "kept"); }},
        {"an empty value is skipped, not defaulted", "ballname1=\r\n",
            [](const MatchState& s) { EXPECT_EQ(s.teamNameA, "kept A"); }},
        {"empty lines and lines without an equals sign", "\r\n\r\nallname\r\njstime 400\r\n=\r\n=5\r\njstime=301\r\n",
            [](const MatchState& s) {
                EXPECT_EQ(s.matchTitle, "kept");
                EXPECT_EQ(s.overtimeLength, 301);
            }},
        {"blanks are part of key and value", "jstime =400\r\nallname= Cup \r\n",
            [](const MatchState& s) {
                EXPECT_EQ(s.overtimeLength, 300);
                EXPECT_EQ(s.matchTitle, " Cup ");
            }},
        {"a line feed alone ends a line", "allname=a\njstime=9\ndelalltime=600\n",
            [](const MatchState& s) {
                EXPECT_EQ(s.matchTitle, "a");
                EXPECT_EQ(s.overtimeLength, 9);
                EXPECT_EQ(s.periodLength, 600);
            }},
        {"lengths of no time or below keep the previous ones", "delalltime=0\njstime=-100\n",
            [](const MatchState& s) {
                EXPECT_EQ(s.periodLength, 720);
                EXPECT_EQ(s.overtimeLength, 300);
            }},
        {"a carriage return alone ends a line; the last needs no end", "allname=a\rjstime=9",
            [](const MatchState& s) {
                EXPECT_EQ(s.matchTitle, "a");
                EXPECT_EQ(s.overtimeLength, 9);
            }},
        {"values are read in the ANSI code page", "ballname1=" + std::string(kTeamBGbk) + "\r\n",
            [](const MatchState& s) { EXPECT_EQ(s.teamNameA, "篮球社团B队"); }},
        {"a value that is no number leaves the field", "delalltime=twelve\r\njstime=99999\r\n",
            [](const MatchState& s) {
                EXPECT_EQ(s.periodLength, 720);
                EXPECT_EQ(s.overtimeLength, 300);
            }},
        {"lengths missing from a damaged file keep the clock usable", "allname=Cup\r\nballname1=X\r\n",
            [](const MatchState& s) {
                EXPECT_EQ(s.periodLength, 720);
                EXPECT_EQ(s.overtimeLength, 300);
            }},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.name);
        user() = MatchState{};
        user().matchTitle = "kept";
        user().teamNameA = "kept A";
        writeBytes(path("date/config.db"), c.bytes);
        LoadConfigDb();
        c.check(user());
    }
}

TEST_F(SettingsFileTest, FreshStateHasTheFirstRunLengths)
{
    EXPECT_EQ(MatchState{}.periodLength, 720);
    EXPECT_EQ(MatchState{}.overtimeLength, 300);
}

TEST_F(SettingsFileTest, KeyFileGoesThroughTheSameReader)
{
    writeBytes(path("date/keyconfig.db"), "Aonkey=65\r\nAoutkey=66\r\nBonkey=67\r\nBoutkey=68\r\nallname=from keys\r\n");
    LoadKeyConfigDb();
    EXPECT_EQ(user().keyAddA, 65);
    EXPECT_EQ(user().keySubA, 66);
    EXPECT_EQ(user().keyAddB, 67);
    EXPECT_EQ(user().keySubB, 68);
    EXPECT_EQ(user().matchTitle, "from keys");
}

TEST_F(SettingsFileTest, MissingFileIsCreatedEmptyAndChangesNothing)
{
    std::filesystem::create_directory(path("date"));
    user().matchTitle = "kept";
    MatchState before = user();
    LoadConfigDb();
    LoadKeyConfigDb();
    // Score keys no file gave are the first-run keys; nothing else changes.
    before.keyAddA = 49;
    before.keySubA = 112;
    before.keyAddB = 50;
    before.keySubB = 113;
    EXPECT_EQ(user(), before);
    EXPECT_EQ(tree(), (std::vector<std::string>{"date/", "date/config.db", "date/keyconfig.db"}));
    EXPECT_EQ(readBytes(path("date/config.db")), "");
}

TEST_F(SettingsFileTest, MissingFolderIsSkipped)
{
    MatchState before = user();
    LoadConfigDb();
    EXPECT_EQ(user(), before);
    EXPECT_TRUE(tree().empty());
}

MatchState savedState()
{
    MatchState s;
    s.matchTitle = "春季联赛=决赛";
    s.periodLength = 600;
    s.overtimeLength = 420;
    s.teamNameA = "篮球社团A队";
    s.teamNameB = "Team B";
    s.refereeName1 = "张三";
    s.refereeName2 = "";
    s.refereeName3 = "Li";
    s.refereeCount = -2;
    return s;
}

TEST_F(SettingsFileTest, SaveWritesTheNineLinesInTheAnsiCodePage)
{
    std::filesystem::create_directory(path("date"));
    user() = savedState();
    ASSERT_TRUE(SaveConfigDb());
    const std::string expected = "allname=\xB4\xBA\xBC\xBE\xC1\xAA\xC8\xFC=\xBE\xF6\xC8\xFC\r\n"
                                 "delalltime=600\r\n"
                                 "jstime=420\r\n"
                                 "ballname1="
        + std::string(kTeamAGbk)
        + "\r\n"
          "ballname2=Team B\r\n"
          "zainame1=\xD5\xC5\xC8\xFD\r\n"
          "zainame2=\r\n"
          "zainame3=Li\r\n"
          "zainum=-2\r\n";
    EXPECT_EQ(readBytes(path("date/config.db")), expected);
    EXPECT_EQ(tree(), (std::vector<std::string>{"date/", "date/config.db"}));
}

TEST_F(SettingsFileTest, SavedSettingsComeBackAfterARestart)
{
    std::filesystem::create_directory(path("date"));
    user() = savedState();
    ASSERT_TRUE(SaveConfigDb());
    user() = MatchState{};
    user().refereeName2 = "kept"; // its saved line has an empty value and is skipped
    LoadConfigDb();
    EXPECT_EQ(user().matchTitle, "春季联赛=决赛");
    EXPECT_EQ(user().periodLength, 600);
    EXPECT_EQ(user().overtimeLength, 420);
    EXPECT_EQ(user().teamNameA, "篮球社团A队");
    EXPECT_EQ(user().teamNameB, "Team B");
    EXPECT_EQ(user().refereeName1, "张三");
    EXPECT_EQ(user().refereeName2, "kept");
    EXPECT_EQ(user().refereeName3, "Li");
    EXPECT_EQ(user().refereeCount, -2);
}

TEST_F(SettingsFileTest, SaveMakesAMissingDateFolderAgain)
{
    user().matchTitle = "Cup";
    EXPECT_TRUE(SaveConfigDb());
    EXPECT_EQ(readBytes(path("date/config.db")).substr(0, 13), "allname=Cup\r\n");
}

TEST_F(SettingsFileTest, SaveWhereTheDateFolderCannotBeReportsFailure)
{
    writeBytes(path("date"), "a file where the folder belongs");
    EXPECT_FALSE(SaveConfigDb());
    EXPECT_EQ(tree(), std::vector<std::string>{"date"});
}

TEST_F(SettingsFileTest, FailedSaveLeavesTheOldFileWhole)
{
    const std::string old = "allname=Old Cup\r\ndelalltime=600\r\n";
    writeBytes(path("date/config.db"), old);
    // A file size limit makes the write fail even for root; set in a child so this process keeps
    // its own limits.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{40, 40};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        user().matchTitle = std::string(200, 'x');
        ::_exit(SaveConfigDb() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save reported success";
    EXPECT_EQ(readBytes(path("date/config.db")), old);
    EXPECT_EQ(tree(), (std::vector<std::string>{"date/", "date/config.db"}));
}

} // namespace
} // namespace scoreboard::test
