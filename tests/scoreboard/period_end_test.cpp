#include "program_folder_fixture.h"
#include "tests/support/match_preset.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_archive.h"
#include "scoreboard/match_record.h"
#include "scoreboard/period_end.h"

#include "platform/system/ansi_codec.h"

#include <filesystem>

namespace scoreboard::test {
namespace {

// Writes down what the period end asked of the scoreboard, in order.
class RecordingBoard final : public PeriodEndBoard {
public:
    std::vector<std::string> calls;

    void placePeriodReport() override { calls.push_back("place look"); }
    void setZeroMarkColor(uint32_t color) override { calls.push_back("marks " + hex(color)); }
    void setReportLines(std::string_view first, std::string_view second) override
    {
        calls.push_back("vlook1 " + std::string(first) + " | " + std::string(second));
    }
    void showOvertimeLabels(bool visible) override { calls.push_back(visible ? "show addtimelab" : "hide addtimelab"); }
    void ResetClockDisplay() override { calls.push_back("ResetClockDisplay " + std::to_string(user().clockSeconds)); }
    void ShowPeriod() override { calls.push_back("ShowPeriod " + std::to_string(user().periodNumber)); }
    void setClockColor(uint32_t color) override { calls.push_back("balltime " + hex(color)); }
    void setStartButtonCaption(std::string_view text) override { calls.push_back("ok " + std::string(text)); }
    void showPeriodReport() override { calls.push_back("show look"); }
    void startReportCountdown() override { calls.push_back("Timer4 on " + std::to_string(user().breakCountdown)); }
    void bringClockPanelToFront() override { calls.push_back("showtime front"); }
    void inshowfame() override { calls.push_back("notice " + user().noticeText); }

private:
    static std::string hex(uint32_t v)
    {
        char text[16];
        std::snprintf(text, sizeof text, "&H%X", v);
        return text;
    }
};

// GBK bytes of the record's keys.
constexpr std::string_view kStartKey = "\xB1\xC8\xC8\xFC\xCA\xB1\xBC\xE4=";   // 比赛时间=
constexpr std::string_view kTitleKey = "\xB1\xC8\xC8\xFC\xD6\xF7\xCC\xE2=";   // 比赛主题=
constexpr std::string_view kTeam1Key = "\xC7\xF2\xB6\xD3" "1=";               // 球队1=
constexpr std::string_view kTeam2Key = "\xC7\xF2\xB6\xD3" "2=";               // 球队2=
constexpr std::string_view kPeriodKeys[4] = {
    "\xB5\xDA\xD2\xBB\xBD\xDA=", // 第一节=
    "\xB5\xDA\xB6\xFE\xBD\xDA=", // 第二节=
    "\xB5\xDA\xC8\xFD\xBD\xDA=", // 第三节=
    "\xB5\xDA\xCB\xC4\xBD\xDA=", // 第四节=
};
constexpr std::string_view kTotalKey = "\xD7\xDC\xB7\xD6=";              // 总分=
constexpr std::string_view kRemarkKey = "\xB1\xB8\xD7\xA2=";             // 备注=
constexpr std::string_view kOvertimeWord = "\xBC\xD3\xCA\xB1\xC8\xFC";   // 加时赛

struct Record {
    std::string start, title, teamA, teamB; // GBK bytes
    std::string periods[4];
    std::string total;
    bool overtime = false;

    std::string bytes() const
    {
        std::string out;
        auto line = [&](std::string_view key, std::string_view value) { out += std::string(key) + std::string(value) + "\r\n"; };
        line(kStartKey, start);
        line(kTitleKey, title);
        line(kTeam1Key, teamA);
        line("VS=", "VS");
        line(kTeam2Key, teamB);
        for (int p = 0; p < 4; ++p)
            line(kPeriodKeys[p], periods[p]);
        line(kTotalKey, total);
        line(kRemarkKey, overtime ? kOvertimeWord : "");
        return out;
    }
};

class PeriodEndTest : public ProgramFolderTest {
protected:
    void SetUp() override
    {
        ProgramFolderTest::SetUp();
        std::filesystem::create_directories(path("date"));
        MatchState& s = user();
        test_support::presetMatch(s, "篮球社团A队", "篮球社团B队");
        s.matchStartTime = "2026/3/1 9:00:05";
    }

    // Plays on to the end of the current period with these scores.
    void endWith(int a, int b)
    {
        user().scoreA = int16_t(a);
        user().scoreB = int16_t(b);
        board.calls.clear();
        EndOfPeriod(board);
    }

    std::string archive() const { return readBytes(path("date/balldate.db")); }

    Record record(std::array<const char*, 4> periods, const char* total, bool overtime) const
    {
        Record r{"2026/3/1 9:00:05", "2026Cup", std::string(kTeamAGbk), std::string(kTeamBGbk), {}, total, overtime};
        for (int p = 0; p < 4; ++p)
            r.periods[p] = periods[p];
        return r;
    }

    RecordingBoard board;
};

TEST_F(PeriodEndTest, SecondPeriodBooksItsPointsAndMovesOn)
{
    endWith(22, 20);
    endWith(40, 38);
    EXPECT_EQ(board.calls, (std::vector<std::string>{
                               "place look",
                               "marks &H404040",
                               "vlook1 上半场比赛结束! | 双方比分相差 2分。",
                               "hide addtimelab",
                               "ResetClockDisplay 720",
                               "ShowPeriod 3",
                               "balltime &HFF00",
                               "ok 开始",
                               "show look",
                               "Timer4 on 15",
                               "showtime front",
                           }));
    const MatchState& s = user();
    EXPECT_EQ(s.periodPoints, (std::array<int16_t, 8>{22, 18, 0, 0, 20, 18, 0, 0}));
    EXPECT_EQ(s.periodNumber, 3);
    EXPECT_FALSE(s.matchOver);
    EXPECT_FALSE(std::filesystem::exists(path("date/balldate.db")));
}

TEST_F(PeriodEndTest, ReportLinesOfEachPeriod)
{
    struct Case {
        int period, a, b;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        {1, 5, 9, "第一节比赛结束!", "双方比分相差 4分。"},
        {2, 30, 30, "上半场比赛结束!", "双方以30:30打平局。"},
        {3, 0, 0, "第三节比赛结束!", "双方以0:0打平局。"},
        {4, 101, 99, "全场比赛结束!", "双方比分相差 2分。"},
        {4, 7, 7, "恭喜进入加时赛!", "双方以7:7打平局。"},
    };
    for (const Case& c : cases) {
        user().periodNumber = int16_t(c.period);
        user().inOvertime = false;
        endWith(c.a, c.b);
        auto last = std::find_if(board.calls.rbegin(), board.calls.rend(), [](const std::string& call) { return call.starts_with("vlook1 "); });
        ASSERT_NE(last, board.calls.rend());
        EXPECT_EQ(*last, std::string("vlook1 ") + c.first + " | " + c.second) << c.period;
    }
}

TEST_F(PeriodEndTest, LevelFourthPeriodStartsAnOvertimeWithoutARecord)
{
    user().periodNumber = 4;
    user().periodPoints = {20, 20, 20, 0, 20, 20, 20, 0};
    endWith(80, 80);
    const MatchState& s = user();
    EXPECT_EQ(s.periodNumber, 4);
    EXPECT_EQ(s.clockSeconds, 300);
    EXPECT_TRUE(s.inOvertime);
    EXPECT_FALSE(s.matchOver);
    EXPECT_EQ(s.periodPoints[3], 20);
    EXPECT_EQ(s.periodPoints[7], 20);
    EXPECT_EQ(s.matchStartTime, "2026/3/1 9:00:05");
    EXPECT_EQ(board.calls[2], "vlook1 全场比赛结束! | 双方以80:80打平局。");
    EXPECT_EQ(board.calls[3], "vlook1 恭喜进入加时赛! | 双方以80:80打平局。");
    EXPECT_EQ(board.calls[4], "show addtimelab");
    EXPECT_EQ(board.calls[5], "ResetClockDisplay 300");
    EXPECT_FALSE(std::filesystem::exists(path("date/balldate.db")));
}

TEST_F(PeriodEndTest, OvertimeWonAppendsTheRecordWithTheOvertimeInTheFourthPeriod)
{
    user().periodNumber = 4;
    user().periodPoints = {20, 20, 20, 0, 20, 20, 20, 0};
    endWith(80, 80);
    endWith(88, 85); // the overtime
    const MatchState& s = user();
    EXPECT_TRUE(s.matchOver);
    EXPECT_FALSE(s.inOvertime);
    EXPECT_TRUE(s.matchStartTime.empty());
    EXPECT_EQ(s.clockSeconds, 720);
    EXPECT_EQ(board.calls[2], "vlook1 全场比赛结束! | 双方比分相差 3分。");
    EXPECT_EQ(archive(), record({"20:20", "20:20", "20:20", "28:25"}, "88:85", true).bytes());
}

TEST_F(PeriodEndTest, TwoOvertimesThenTheRecord)
{
    user().periodNumber = 4;
    user().periodPoints = {10, 10, 10, 0, 10, 10, 10, 0};
    endWith(40, 40);
    endWith(45, 45);
    EXPECT_TRUE(user().inOvertime);
    EXPECT_EQ(user().clockSeconds, 300);
    EXPECT_FALSE(std::filesystem::exists(path("date/balldate.db")));
    endWith(47, 50);
    EXPECT_EQ(archive(), record({"10:10", "10:10", "10:10", "17:20"}, "47:50", true).bytes());
}

TEST_F(PeriodEndTest, FourPeriodsWithTwoDigitTextsAndNoRemark)
{
    endWith(0, 1);
    endWith(0, 1);
    endWith(0, 1);
    endWith(0, 3);
    EXPECT_EQ(user().periodPoints, (std::array<int16_t, 8>{0, 0, 0, 0, 1, 0, 0, 2}));
    EXPECT_EQ(archive(), record({"00:01", "00:00", "00:00", "00:02"}, "0:3", false).bytes());
    EXPECT_EQ(board.calls[2], "vlook1 全场比赛结束! | 双方比分相差 3分。");
}

TEST_F(PeriodEndTest, TwoMatchesInARowLeaveTwentyTwoLinesOlderFirst)
{
    user().periodNumber = 4;
    user().periodPoints = {25, 22, 30, 0, 20, 20, 30, 0};
    endWith(98, 95);
    Record first = record({"25:20", "22:20", "30:30", "21:25"}, "98:95", false);

    // The next match, started again from its first period.
    user().matchOver = false;
    user().periodPoints.fill(0);
    user().periodNumber = 4;
    user().matchStartTime = "2026/3/1 11:30:00";
    user().teamNameA = "Reds";
    endWith(7, 12);
    Record second = record({"00:00", "00:00", "00:00", "07:12"}, "7:12", false);
    second.start = "2026/3/1 11:30:00";
    second.teamA = "Reds";

    std::string bytes = archive();
    EXPECT_EQ(bytes, first.bytes() + second.bytes());
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 22);
}

TEST_F(PeriodEndTest, TheRecordStartsOnALineOfItsOwnWhateverTheArchiveEndsWith)
{
    const std::string expected = record({"00:00", "00:00", "00:00", "02:00"}, "2:0", false).bytes();
    // The archive as it was, and what stands before the new record.
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"\xB1\xB8\xD7\xA2=\r\n", "\xB1\xB8\xD7\xA2=\r\n"},
        {"\xB1\xB8\xD7\xA2=", "\xB1\xB8\xD7\xA2=\r\n"},
        {"\xB1\xB8\xD7\xA2=\xBC\xD3\xCA\xB1\xC8\xFC", "\xB1\xB8\xD7\xA2=\xBC\xD3\xCA\xB1\xC8\xFC\r\n"},
        {"note\n", "note\n"},
        {"note\r", "note\r"},
    };
    for (const auto& [before, kept] : cases) {
        SCOPED_TRACE(before);
        writeBytes(path("date/balldate.db"), before);
        user().matchOver = false;
        user().matchStartTime = "2026/3/1 9:00:05";
        user().periodPoints.fill(0);
        user().periodNumber = 4;
        endWith(2, 0);
        EXPECT_EQ(archive(), kept + expected);
        const std::vector<StoredMatch> matches = parseArchive(plat::sys::decodeAnsi(archive()));
        ASSERT_FALSE(matches.empty());
        EXPECT_EQ(matches.back().fields[0], "2026/3/1 9:00:05") << "the record's first line is its own";
    }
}

TEST_F(PeriodEndTest, AMissingDataFolderIsMadeAgainForTheRecord)
{
    std::filesystem::remove_all(path("date"));
    user().periodNumber = 4;
    endWith(2, 0);
    EXPECT_EQ(archive(), record({"00:00", "00:00", "00:00", "02:00"}, "2:0", false).bytes());
    EXPECT_NE(board.calls.back(), "notice 比赛记录保存失败!");
}

TEST_F(PeriodEndTest, ARecordThatCannotBeWrittenIsNoticedAndThePeriodEndGoesOn)
{
    // Something that is not a folder stands where the data folder belongs.
    std::filesystem::remove_all(path("date"));
    writeBytes(path("date"), "not a folder");
    user().periodNumber = 4;
    endWith(50, 49);
    const MatchState& s = user();
    EXPECT_TRUE(s.matchOver);
    EXPECT_TRUE(s.matchStartTime.empty());
    EXPECT_EQ(readBytes(path("date")), "not a folder");
    ASSERT_EQ(board.calls.size(), 11u);
    EXPECT_EQ(board.calls[7], "show look");
    EXPECT_EQ(board.calls.back(), "notice 比赛记录保存失败!");
}

TEST(PeriodPointText, TwoDigitsAtLeastAsTheRecordWritesThem)
{
    const std::pair<int, const char*> cases[] = {{0, "00"}, {7, "07"}, {9, "09"}, {10, "10"}, {123, "123"}, {-3, "-3"}};
    for (auto [points, text] : cases)
        EXPECT_EQ(periodPointText(points), text);
}

} // namespace
} // namespace scoreboard::test
