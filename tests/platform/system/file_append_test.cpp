#include "platform/system/file_append.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace plat::sys;

TEST(AppendTextLines, CreatesThenAddsGbkLinesWithCrLf)
{
    TempFolder folder;
    auto path = folder / "balldate.db";
    ASSERT_TRUE(appendTextLines(path, {"VS=VS", "球队1=篮球"}));
    ASSERT_TRUE(appendTextLines(path, {"备注="}));
    EXPECT_EQ(readBytes(path), "VS=VS\r\n\xC7\xF2\xB6\xD3" "1=\xC0\xBA\xC7\xF2\r\n\xB1\xB8\xD7\xA2=\r\n");
}

TEST(AppendTextLines, FailsWithoutTheFolder)
{
    TempFolder folder;
    EXPECT_FALSE(appendTextLines(folder / "date" / "balldate.db", {"x"}));
    EXPECT_FALSE(std::filesystem::exists(folder / "date"));
}

TEST(AppendTextLines, FailsOnSomethingThatIsNotAFile)
{
    EXPECT_FALSE(appendTextLines("/dev/full", {"x"}));
}

// A file-size limit lets the first part of the piece through and stops the rest.
TEST(AppendTextLines, APieceThatDoesNotFitWholeLeavesTheFileAsItWas)
{
    TempFolder folder;
    auto path = folder / "balldate.db";
    const std::string old = std::string(100, 'a') + "\r\n";
    writeBytes(path, old);

    rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 150;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool ok = appendTextLines(path, {std::string(40, 'b'), std::string(40, 'c')});
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(ok);
    EXPECT_EQ(readBytes(path), old);
    // Within the limit the same call goes through.
    EXPECT_TRUE(appendTextLines(path, {"b"}));
    EXPECT_EQ(readBytes(path), old + "b\r\n");
}

// The archive may be a link to anywhere; appending never writes through it.
TEST(AppendTextLines, ALinkIsReplacedByAFileOfItsOwnAndItsTargetKept)
{
    TempFolder outside;
    TempFolder folder;
    const auto target = outside / "elsewhere.db";
    writeBytes(target, "old\r\n");
    const auto path = folder / "balldate.db";
    std::filesystem::create_symlink(target, path);

    ASSERT_TRUE(appendTextLines(path, {"球队1=篮球"}));
    EXPECT_FALSE(std::filesystem::is_symlink(path));
    EXPECT_EQ(readBytes(path), "old\r\n\xC7\xF2\xB6\xD3" "1=\xC0\xBA\xC7\xF2\r\n");
    EXPECT_EQ(readBytes(target), "old\r\n");

    // A link to nothing becomes a new file; a link to a folder is refused and left.
    const auto dangling = folder / "dangling.db";
    std::filesystem::create_symlink(outside / "missing.db", dangling);
    ASSERT_TRUE(appendTextLines(dangling, {"x"}));
    EXPECT_EQ(readBytes(dangling), "x\r\n");
    EXPECT_FALSE(std::filesystem::exists(outside / "missing.db"));
    const auto toFolder = folder / "folder.db";
    std::filesystem::create_symlink(outside.path(), toFolder);
    EXPECT_FALSE(appendTextLines(toFolder, {"x"}));
    EXPECT_TRUE(std::filesystem::is_symlink(toFolder));
}
