#include "program_folder_fixture.h"

#include "scoreboard/first_run.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace scoreboard::test {
namespace {

using FirstRunTest = ProgramFolderTest;

const std::string kDefaultConfig = "allname=2026Mirelda\r\n"
                                   "delalltime=720\r\n"
                                   "jstime=300\r\n"
                                   "ballname1="
    + std::string(kTeamAGbk)
    + "\r\n"
      "ballname2="
    + std::string(kTeamBGbk) + "\r\n";
const std::string kDefaultKeys = "Aonkey=49\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n";
const std::string kDefaultSystem = "sond10=False\r\n"
                                   "closesoud=False\r\n"
                                   "ballnumsound=True\r\n"
                                   "keynum=True\r\n"
                                   "commnum=True\r\n"
                                   "closemusic=False\r\n"
                                   "numback=True\r\n";

void firstRun(int year)
{
    createWorkingFolders();
    prepareSettingsFiles(year);
}

TEST_F(FirstRunTest, EmptyFolderGetsExactlyTheDefaultFilesAndFolders)
{
    firstRun(2026);
    EXPECT_EQ(tree(),
        (std::vector<std::string>{"binlist/", "binlist/篮球社团A队.ini", "binlist/篮球社团B队.ini", "date/",
            "date/config.db", "date/keyconfig.db", "date/system.db", "img/"}));
    EXPECT_EQ(readBytes(path("date/config.db")), kDefaultConfig);
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), kDefaultKeys);
    EXPECT_EQ(readBytes(path("date/system.db")), kDefaultSystem);
    EXPECT_EQ(readBytes(path("binlist/篮球社团A队.ini")), "");
    EXPECT_EQ(readBytes(path("binlist/篮球社团B队.ini")), "");
}

TEST_F(FirstRunTest, TemporaryFilesOfInterruptedSavesAreRemovedAtTheStart)
{
    pid_t ended = ::fork();
    ASSERT_GE(ended, 0);
    if (ended == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const std::string gone = std::to_string(ended);
    writeBytes(path("date/.system.db.tmp." + gone + ".0"), "sond10=Tr");
    writeBytes(path("binlist/.Lions.ini.tmp." + gone + ".3"), "");
    // A save running now in another copy of the program, and files that are not ours.
    const std::string running = "date/.config.db.tmp." + std::to_string(::getpid()) + ".1";
    writeBytes(path(running), "allname=");
    writeBytes(path("date/notes.tmp.1.2"), "mine");
    firstRun(2026);
    EXPECT_EQ(tree(),
        (std::vector<std::string>{"binlist/", "date/", std::string(running), "date/config.db", "date/keyconfig.db",
            "date/notes.tmp.1.2", "date/system.db", "img/"}));
}

// A first run on a full disk leaves files of no bytes: the next one writes their defaults.
TEST_F(FirstRunTest, SettingsFilesOfNoBytesGetTheirDefaults)
{
    for (const char* file : {"date/config.db", "date/keyconfig.db", "date/system.db"})
        writeBytes(path(file), "");
    EXPECT_TRUE(createWorkingFolders().empty());
    EXPECT_TRUE(prepareSettingsFiles(2026).empty());
    EXPECT_EQ(readBytes(path("date/config.db")), kDefaultConfig);
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), kDefaultKeys);
    EXPECT_EQ(readBytes(path("date/system.db")), kDefaultSystem);
    EXPECT_EQ(user().teamNameA, "篮球社团A队");
}

TEST_F(FirstRunTest, WhatCannotBeWrittenIsNamed)
{
    // In a process of its own that may write no byte, as on a full disk.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        rlimit none{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &none);
        ::signal(SIGXFSZ, SIG_IGN); // as the program does
        const Unwritten unwritten = prepareSettingsFiles(2026);
        const Unwritten expected{path("date/config.db"), path("date/keyconfig.db"), path("date/system.db")};
        ::_exit(unwritten == expected ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "each settings file is named";
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(tellUnwritten({path("date/config.db")}));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find(path("date/config.db").string()), std::string::npos);
    EXPECT_FALSE(tellUnwritten({}));
}

TEST_F(FirstRunTest, DefaultsAreReadIntoTheMatchState)
{
    firstRun(2026);
    const MatchState& s = user();
    EXPECT_EQ(s.matchTitle, "2026Mirelda");
    EXPECT_EQ(s.periodLength, 720);
    EXPECT_EQ(s.overtimeLength, 300);
    EXPECT_EQ(s.teamNameA, "篮球社团A队");
    EXPECT_EQ(s.teamNameB, "篮球社团B队");
    EXPECT_EQ(s.keyAddA, 49);
    EXPECT_EQ(s.keySubA, 112);
    EXPECT_EQ(s.keyAddB, 50);
    EXPECT_EQ(s.keySubB, 113);
    // The option file is the scoreboard's to read.
    EXPECT_FALSE(s.optScoreSound);
}

TEST_F(FirstRunTest, TitleYearIsWrittenOnlyOnce)
{
    firstRun(2026);
    user() = MatchState{};
    firstRun(2027);
    EXPECT_EQ(user().matchTitle, "2026Mirelda");
    EXPECT_EQ(readBytes(path("date/config.db")), kDefaultConfig);
}

TEST_F(FirstRunTest, ExistingFilesAreKeptAndRead)
{
    writeBytes(path("date/config.db"), "allname=Cup\r\njstime=420\r\n");
    writeBytes(path("date/keyconfig.db"), "Aonkey=65\r\n");
    writeBytes(path("date/system.db"), "sond10=True\r\n");
    firstRun(2026);
    EXPECT_EQ(readBytes(path("date/config.db")), "allname=Cup\r\njstime=420\r\n");
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), "Aonkey=65\r\n");
    EXPECT_EQ(readBytes(path("date/system.db")), "sond10=True\r\n");
    EXPECT_EQ(user().matchTitle, "Cup");
    EXPECT_EQ(user().overtimeLength, 420);
    EXPECT_EQ(user().periodLength, 720);
    EXPECT_EQ(user().keyAddA, 65);
    EXPECT_EQ(user().keySubA, 112) << "a key the file does not give is the first-run key";
}

TEST_F(FirstRunTest, DeletedConfigWithBinlistPresentMakesNoTeamFiles)
{
    firstRun(2026);
    std::filesystem::remove(path("date/config.db"));
    std::filesystem::remove(path("binlist/篮球社团A队.ini"));
    std::filesystem::remove(path("binlist/篮球社团B队.ini"));
    firstRun(2026);
    EXPECT_EQ(readBytes(path("date/config.db")), kDefaultConfig);
    EXPECT_EQ(tree(),
        (std::vector<std::string>{
            "binlist/", "date/", "date/config.db", "date/keyconfig.db", "date/system.db", "img/"}));
}

TEST_F(FirstRunTest, AFileInPlaceOfAFolderIsSkipped)
{
    writeBytes(path("date"), "not a folder");
    writeBytes(path("binlist"), "not a folder");
    firstRun(2026);
    EXPECT_EQ(tree(), (std::vector<std::string>{"binlist", "date", "img/"}));
    EXPECT_EQ(readBytes(path("date")), "not a folder");
    EXPECT_EQ(user().matchTitle, "");
    EXPECT_EQ(user().periodLength, 720);
}

TEST_F(FirstRunTest, FailedDefaultWritesLeaveNoHalfFiles)
{
    // With a file size limit below every default file, each default write fails part way; a
    // whole-file replace leaves no file behind, so the readers then create empty ones.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{20, 20};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        firstRun(2026);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(tree(),
        (std::vector<std::string>{"binlist/", "binlist/篮球社团A队.ini", "binlist/篮球社团B队.ini", "date/",
            "date/config.db", "date/keyconfig.db", "img/"}));
    EXPECT_EQ(readBytes(path("date/config.db")), "");
    EXPECT_EQ(readBytes(path("date/keyconfig.db")), "");
}

} // namespace
} // namespace scoreboard::test
