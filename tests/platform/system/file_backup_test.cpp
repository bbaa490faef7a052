#include "platform/system/file_backup.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace plat::sys;

namespace {

// The lines a rewrite writes again: those that start with "keep".
bool keptByTheRewrite(std::string_view line) { return line.starts_with("keep"); }

} // namespace

TEST(FileBackup, AFileIsKeptOnlyWhenTheRewriteDropsOneOfItsLines)
{
    struct Case {
        const char* name;
        const char* bytes; // nullptr: no file
        bool kept;
    } cases[] = {
        { "no file", nullptr, false },
        { "an empty file", "", false },
        { "every line kept, empty ones and any line end", "keep 1\r\n\r\nkeep 2\nkeep 3\rkeep 4", false },
        { "one line dropped", "keep 1\r\n队员:Li,Na=7\r\nkeep 2\r\n", true },
        { "garbage without a line end", "\x01\x02garbage", true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::filesystem::path file = folder / "team.ini";
        if (c.bytes)
            writeBytes(file, c.bytes);
        ::testing::internal::CaptureStderr();
        EXPECT_TRUE(keepWhatARewriteDrops(file, keptByTheRewrite));
        const std::string told = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::filesystem::exists(folder / "team.ini.bak"), c.kept);
        if (c.kept) {
            EXPECT_EQ(readBytes(folder / "team.ini.bak"), c.bytes);
            EXPECT_NE(told.find((folder / "team.ini.bak").string()), std::string::npos) << told;
        } else {
            EXPECT_EQ(told, "");
        }
    }
}

TEST(FileBackup, AnOlderCopyIsReplacedAndACopyThatCannotBeMadeStopsTheRewrite)
{
    TempFolder folder;
    const std::filesystem::path file = folder / "config.db";
    writeBytes(file, "dropped\r\n");
    writeBytes(folder / "config.db.bak", "older copy");
    EXPECT_TRUE(keepWhatARewriteDrops(file, keptByTheRewrite));
    EXPECT_EQ(readBytes(folder / "config.db.bak"), "dropped\r\n");

    std::filesystem::remove(folder / "config.db.bak");
    std::filesystem::create_directories(folder / "config.db.bak/in the way");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(keepWhatARewriteDrops(file, keptByTheRewrite));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("no copy of it could be written"), std::string::npos);
}
