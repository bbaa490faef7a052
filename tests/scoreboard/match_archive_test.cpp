#include "program_folder_fixture.h"

#include "scoreboard/match_archive.h"
#include "scoreboard/match_record.h"

#include "platform/system/ansi_codec.h"

namespace scoreboard::test {
namespace {

using MatchArchiveTest = ProgramFolderTest;

StoredMatch match(std::string when, std::string title, std::string total, std::string remark = "")
{
    return StoredMatch{{std::move(when), std::move(title), "Lions", "VS", "Tigers", "20:18", "18:20", "22:20", "20:22",
        std::move(total), std::move(remark)}};
}

std::string recordText(const StoredMatch& m)
{
    std::string text;
    for (const std::string& line : archiveLines({m}))
        text += line + "\r\n";
    return text;
}

TEST(MatchArchive, ElevenLinesPerMatchInTheColumnOrderWithVsAlwaysVs)
{
    StoredMatch m = match("2026-03-01 09:05:07", "春季杯", "80:80", "加时赛");
    m.fields[kVersusField] = "whatever";
    EXPECT_EQ(archiveLines({m}), (std::vector<std::string>{"比赛时间=2026-03-01 09:05:07", "比赛主题=春季杯", "球队1=Lions",
                                     "VS=VS", "球队2=Tigers", "第一节=20:18", "第二节=18:20", "第三节=22:20", "第四节=20:22",
                                     "总分=80:80", "备注=加时赛"}));
    EXPECT_TRUE(archiveLines({}).empty());
}

TEST(MatchArchive, ParsingGivesBackWhatWasWritten)
{
    const std::vector<StoredMatch> matches{match("t1", "Cup", "80:78"), match("t2", "Cup, final", "\"90\":88", "加时赛")};
    std::string text;
    for (const StoredMatch& m : matches)
        text += recordText(m);
    EXPECT_EQ(parseArchive(text), matches) << "commas and quotes stay in their value";
}

TEST(MatchArchive, ParsingCases)
{
    struct Case {
        const char* what;
        std::string text;
        std::vector<StoredMatch> expected;
    };
    StoredMatch onlyTime;
    onlyTime.fields[0] = "t1";
    onlyTime.fields[kVersusField] = "VS";
    StoredMatch shuffled = match("t1", "Cup", "80:78");
    StoredMatch second = match("t2", "Final", "70:60", "加时赛");
    StoredMatch noRemark = shuffled;
    StoredMatch otherVs = shuffled;
    const Case cases[] = {
        {"empty file", "", {}},
        {"one empty line", "\r\n", {}},
        {"fields in any order after their start line",
            "比赛时间=t1\r\n总分=80:78\r\n球队2=Tigers\r\n备注=\r\n第四节=20:22\r\n比赛主题=Cup\r\n第三节=22:20\r\n"
            "第二节=18:20\r\n第一节=20:18\r\nVS=VS\r\n球队1=Lions\r\n"
                + recordText(second),
            {shuffled, second}},
        {"a field before the first record has no record", "球队1=Nobody\r\n" + recordText(shuffled), {shuffled}},
        {"a record without a remark line", recordText(noRemark).substr(0, recordText(noRemark).size() - std::string("备注=\r\n").size()), {noRemark}},
        {"the VS line shows VS whatever it holds", [&] {
             std::string t = recordText(otherVs);
             t.replace(t.find("VS=VS"), 5, "VS=versus");
             return t;
         }(),
            {otherVs}},
        {"a record cut off after its start line", "比赛时间=t1\r\n", {onlyTime}},
        {"lines of no key are skipped", "garbage\r\n比赛时间=t1\r\nxx=1\r\n", {onlyTime}},
        {"LF and CR line ends", "比赛时间=t1\n比赛主题=Cup\r球队1=Lions\n", {[] {
             StoredMatch m;
             m.fields[0] = "t1";
             m.fields[1] = "Cup";
             m.fields[2] = "Lions";
             m.fields[kVersusField] = "VS";
             return m;
         }()}},
        {"leading blanks before a key", "  比赛时间=t1\r\n", {onlyTime}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseArchive(c.text), c.expected) << c.what;
        std::string rewritten;
        for (const std::string& line : archiveLines(c.expected))
            rewritten += line + "\r\n";
        EXPECT_EQ(parseArchive(rewritten), c.expected) << c.what << ": read back as it is written";
    }
}

TEST_F(MatchArchiveTest, ReadingKnowsWhetherARewriteKeepsEverything)
{
    const std::filesystem::path archive = matchArchivePath();
    EXPECT_FALSE(readArchive(archive)) << "missing";

    struct Case {
        const char* what;
        std::string bytes;
        bool heldWhole;
    };
    const std::string record = plat::sys::encodeAnsi(recordText(match("t1", "春季杯", "80:78")));
    const Case cases[] = {
        {"as the program writes it", record + record, true},
        {"empty", "", true},
        {"one empty line, then a record", "\r\n" + record, true},
        {"LF line ends", [&] {
             std::string t = record;
             for (size_t p; (p = t.find("\r\n")) != std::string::npos;)
                 t.replace(p, 2, "\n");
             return t;
         }(),
            true},
        {"a line before the first record", plat::sys::encodeAnsi("球队1=Nobody\r\n") + record, false},
        {"a line of no key", record + "garbage\r\n", false},
        {"a field twice", record + plat::sys::encodeAnsi("总分=1:1\r\n"), false},
        {"a cut-off record", plat::sys::encodeAnsi("比赛时间=t1\r\n"), false},
        {"bytes that do not decode", record.substr(0, 20) + "\xFF\xFF\r\n", false},
    };
    for (const Case& c : cases) {
        writeBytes(archive, c.bytes);
        std::optional<ArchiveSnapshot> snapshot = readArchive(archive);
        ASSERT_TRUE(snapshot) << c.what;
        EXPECT_EQ(snapshot->bytes, c.bytes) << c.what;
        EXPECT_EQ(snapshot->heldWhole, c.heldWhole) << c.what;
    }
}

TEST_F(MatchArchiveTest, WritingIsWholeInTheAnsiCodePage)
{
    const std::filesystem::path archive = matchArchivePath();
    writeBytes(archive, "old");
    const StoredMatch m = match("2026-03-01 09:05:07", "春季杯", "80:78");
    ASSERT_TRUE(writeArchive(archive, {m}));
    EXPECT_EQ(readBytes(archive), plat::sys::encodeAnsi(recordText(m)));
    ASSERT_TRUE(writeArchive(archive, {}));
    EXPECT_EQ(readBytes(archive), "");
    ASSERT_TRUE(clearArchive(archive));
    EXPECT_EQ(readBytes(archive), "\r\n");
    EXPECT_EQ(tree(), (std::vector<std::string>{"date/", "date/balldate.db"})) << "no temporary file left";

    // A folder that cannot take the file: nothing written, nothing claimed.
    EXPECT_FALSE(writeArchive(path("missing/balldate.db"), {m}));
    EXPECT_FALSE(clearArchive(path("missing/balldate.db")));
}

} // namespace
} // namespace scoreboard::test
