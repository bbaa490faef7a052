#include "platform/system/program_folder.h"
#include "tests/support/temp_folder.h"
#include "tests/support/scoped_env.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <gtest/gtest.h>
#include <optional>
#include <pwd.h>
#include <string>

using namespace plat::sys;

namespace {

using test_support::ScopedEnv;

} // namespace

TEST(ProgramFolder, IsTheExecutablesFolderByDefault)
{
    ScopedEnv env("BALL_HOME", nullptr);
    auto executable = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(programFolder(), executable.parent_path());
}

TEST(ProgramFolder, BallHomeOverridesIt)
{
    ScopedEnv env("BALL_HOME", "/srv/ball");
    EXPECT_EQ(programFolder(), std::filesystem::path("/srv/ball"));
    EXPECT_EQ(programPath("date\\config.db"), std::filesystem::path("/srv/ball/date/config.db"));
}

TEST(ProgramFolder, EmptyBallHomeIsIgnored)
{
    ScopedEnv env("BALL_HOME", "");
    EXPECT_EQ(programFolder(), std::filesystem::read_symlink("/proc/self/exe").parent_path());
}

TEST(ProgramFolder, BackslashPathsBecomePathsBelowTheFolder)
{
    std::filesystem::path base("/opt/ball");
    struct Case {
        const char* relative;
        const char* expected;
    } cases[] = {
        { "date\\config.db", "/opt/ball/date/config.db" },
        { "\\date\\keyconfig.db", "/opt/ball/date/keyconfig.db" },
        { "binlist\\篮球社团A队.ini", "/opt/ball/binlist/篮球社团A队.ini" },
        { "img/logo.png", "/opt/ball/img/logo.png" },
        { "config.ini", "/opt/ball/config.ini" },
        { "\\", "/opt/ball" },
        { "", "/opt/ball" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(pathBelow(base, c.relative), std::filesystem::path(c.expected)) << c.relative;
}

TEST(ProgramFolder, ABallHomeNotThereYetIsMadeAtStartUp)
{
    TempFolder temp;
    const std::filesystem::path home = temp.path() / "new/home";
    ScopedEnv env("BALL_HOME", home.c_str());
    settleProgramFolder();
    EXPECT_TRUE(std::filesystem::is_directory(home));
    EXPECT_EQ(programFolder(), home);
}

TEST(ProgramFolder, ARelativeBallHomeIsMadeAbsoluteOnceAtStartUp)
{
    const std::filesystem::path before = std::filesystem::current_path();
    TempFolder temp;
    std::filesystem::current_path(temp.path());
    const std::filesystem::path start = std::filesystem::current_path();
    ScopedEnv env("BALL_HOME", "some/home");
    settleProgramFolder();
    const std::filesystem::path settled = programFolder();
    EXPECT_TRUE(settled.is_absolute());
    EXPECT_EQ(settled, start / "some/home");
    // The open-file dialog changes the current folder; the program folder stays where it was.
    std::filesystem::current_path("/");
    EXPECT_EQ(programFolder(), settled);
    EXPECT_EQ(programPath("date\\config.db"), start / "some/home/date/config.db");
    std::filesystem::current_path(before);
}

// The test's own folder is no build's program folder: it holds no marker.
TEST(ProgramFolder, AnExecutableFolderWithoutTheMarkerKeepsNoData)
{
    TempFolder data;
    ScopedEnv env("BALL_HOME", nullptr);
    ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
    ASSERT_FALSE(keepsItsOwnData(executableFolder()));
    settleProgramFolder();
    EXPECT_EQ(programFolder(), data.path() / "scoreboard");
    EXPECT_TRUE(std::filesystem::is_directory(data.path() / "scoreboard"));
}

TEST(ProgramFolder, OnlyAWritableFolderWithTheMarkerKeepsItsOwnData)
{
    TempFolder temp;
    struct Case {
        const char* name;
        bool marker;
        bool writable;
        bool keeps;
    } cases[] = {
        { "a build's program folder", true, true, true },
        { "an install, writable by root", false, true, false },
        { "a marker in a folder that cannot be written", true, false, false },
    };
    for (const Case& c : cases) {
        const std::filesystem::path folder = temp.path() / c.name;
        std::filesystem::create_directories(folder);
        if (c.marker)
            writeBytes(folder / std::string(kOwnDataMarker), "");
        if (!c.writable)
            std::filesystem::permissions(folder, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
        if (!c.writable && ::access(folder.c_str(), W_OK) == 0)
            continue; // root writes every folder
        EXPECT_EQ(keepsItsOwnData(folder), c.keeps) << c.name;
    }
}

TEST(ProgramFolder, TheUsersDataFolderFollowsXdgDataHome)
{
    {
        ScopedEnv data("XDG_DATA_HOME", "/home/op/.data");
        EXPECT_EQ(userDataFolder(), std::filesystem::path("/home/op/.data/scoreboard"));
    }
    ScopedEnv data("XDG_DATA_HOME", "relative");
    ScopedEnv home("HOME", "/home/op");
    EXPECT_EQ(userDataFolder(), std::filesystem::path("/home/op/.local/share/scoreboard")) << "a relative XDG_DATA_HOME is ignored";
}

TEST(ProgramFolder, TheUsersDataHomeNeverFallsBackToAFolderOthersShare)
{
    const passwd* entry = ::getpwuid(::getuid());
    ASSERT_NE(entry, nullptr);
    const std::filesystem::path own = std::filesystem::path(entry->pw_dir) / ".local/share";
    struct Case {
        const char* xdgDataHome; // nullptr: unset
        const char* home;
        std::filesystem::path expected;
    } cases[] = {
        { "/srv/data", "/home/op", "/srv/data" },
        { nullptr, "/home/op", "/home/op/.local/share" },
        { "", "/home/op", "/home/op/.local/share" },
        { nullptr, nullptr, own },
        { nullptr, "", own },
        { "data", "home", own },
    };
    for (const Case& c : cases) {
        ScopedEnv data("XDG_DATA_HOME", c.xdgDataHome);
        ScopedEnv home("HOME", c.home);
        EXPECT_EQ(userDataHome(), c.expected) << (c.xdgDataHome ? c.xdgDataHome : "(unset)") << " " << (c.home ? c.home : "(unset)");
        EXPECT_EQ(userDataFolder(), c.expected / "scoreboard");
    }
}

TEST(ProgramFolder, ShippedFilesAreTakenFromBesideTheExecutableOnly)
{
    TempFolder temp;
    const std::filesystem::path home = temp.path();
    writeBytes(home / "DS-DIGIB.ttf", "font");
    writeBytes(home / "ball", "a program in the data folder");
    ScopedEnv env("BALL_HOME", home.c_str());
    EXPECT_EQ(shippedPath("DS-DIGIB.ttf"), executableFolder() / "DS-DIGIB.ttf");
    EXPECT_EQ(shippedPath("ball"), executableFolder() / "ball");
}
