#include "program_folder_fixture.h"

#include "scoreboard/match_record.h"
#include "scoreboard/match_record_count.h"

#include "platform/system/ansi_codec.h"

namespace scoreboard::test {
namespace {

using MatchRecordCountTest = ProgramFolderTest;

// A record of the archive as the file holds it (GBK).
std::string record(std::string_view when)
{
    return plat::sys::encodeAnsi("比赛时间=" + std::string(when) + "\r\n比赛主题=Cup\r\n球队1=A\r\nVS=VS\r\n球队2=B\r\n第一节=01:02\r\n"
        "第二节=00:00\r\n第三节=00:00\r\n第四节=00:00\r\n总分=1:2\r\n备注=\r\n");
}

TEST_F(MatchRecordCountTest, OneRecordPerStartLine)
{
    EXPECT_EQ(countMatchRecords(path("date/balldate.db")), 0);
    writeBytes(path("date/balldate.db"), "\r\n");
    EXPECT_EQ(countMatchRecords(path("date/balldate.db")), 0);
    // A title with a comma is read as two values; neither starts a record.
    writeBytes(path("date/balldate.db"), record("2026/3/1 9:05:07") + plat::sys::encodeAnsi("比赛主题=A,B\r\n") + record("2026/3/2 9:05:07"));
    EXPECT_EQ(countMatchRecords(path("date/balldate.db")), 2);
}

TEST_F(MatchRecordCountTest, TheCounterFollowsTheFile)
{
    MatchRecordCounter counter;
    EXPECT_EQ(counter.count(), 0);
    writeBytes(matchArchivePath(), record("2026/3/1 9:05:07"));
    EXPECT_EQ(counter.count(), 1);
    writeBytes(matchArchivePath(), record("2026/3/1 9:05:07") + record("2026/3/1 10:05:07") + record("2026/3/1 11:05:07"));
    EXPECT_EQ(counter.count(), 3);
    std::filesystem::remove(matchArchivePath());
    EXPECT_EQ(counter.count(), 0);
}

} // namespace
} // namespace scoreboard::test
