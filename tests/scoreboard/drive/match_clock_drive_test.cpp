#include "ball_drive_fixture.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/main_clock_board.h"

#include "platform/system/ansi_codec.h"
#include "platform/window/api.h"
#include "platform/window/window_system.h"

namespace scoreboard::test {
namespace {

// One step of a table: at a moment of the time line, a drive step; a show step (one property)
// with the value it must write.
struct At {
    int64_t ms;
    std::string step;
    std::string expected = {};
};

class MatchClockDriveTest : public BallDriveTest {
protected:
    // Runs the table as one script and compares every value shown, with its moment.
    void expectAlong(const std::vector<At>& table, const std::function<void()>& during = {})
    {
        TimedScript s = script();
        std::vector<std::pair<int64_t, std::string>> expected;
        for (const At& a : table) {
            s.at(a.ms).step(a.step);
            if (a.step.rfind("show ", 0) == 0) {
                std::istringstream words(a.step.substr(5));
                std::string control, property;
                words >> control >> property;
                expected.push_back({a.ms, control + "." + property + "=" + a.expected});
            }
        }
        std::vector<std::string> shown = lines(drive(s, during));
        ASSERT_EQ(shown.size(), expected.size());
        for (size_t i = 0; i < shown.size(); ++i)
            EXPECT_EQ(shown[i], expected[i].second) << "at " << expected[i].first << " ms";
    }

    // The clock's text and colour at a moment.
    static void clockAt(std::vector<At>& table, int64_t ms, const char* text, const char* color)
    {
        table.push_back({ms, "show balltime Caption", text});
        table.push_back({ms, "show balltime ForeColor", color});
    }

    // What the score dialog does.
    void setScores(int a, int b)
    {
        user().scoreA = int16_t(a);
        user().scoreB = int16_t(b);
        ShowScores();
    }

    // Plays the current period from now to the first second of its report: the start, the
    // scores given meanwhile, the clock run out, the red marks and the hold.
    void playPeriod(int a, int b)
    {
        const int64_t from = now();
        const int64_t length = int64_t(user().clockSeconds) * 1000;
        expectAlong({{from, "click ok"}, {from, "show ok Caption", "暂停"}});
        setScores(a, b);
        expectAlong({{from + length, "show balltime Caption", "0.0"},
            {from + length + 80 + 10'000, "show look Visible", "True"},
            {from + length + 80 + 10'000, "show vtime Caption", "15秒进入比赛模式"}});
    }
    // The report and the score sheet, back to match mode.
    void leaveScoreSheet() { expectAlong({{now() + 15'000 + 35'000, "show look Visible", "False"}}); }

    std::string archive() const { return readBytes(path("date/balldate.db")); }
};

TEST_F(MatchClockDriveTest, SeventyFiveSecondsRunThroughTheReportAndTheScoreSheet)
{
    startBoard(75);
    std::vector<At> t;
    clockAt(t, 0, "01:15", "&HFF00");
    t.push_back({0, "show ok Caption", "开始"});
    t.push_back({0, "show ok BackColor1", "&HFF"});
    t.push_back({0, "click ok"});
    t.push_back({0, "show ok Caption", "暂停"});
    t.push_back({0, "show ok BackColor1", "&HFF00"});
    clockAt(t, 999, "01:15", "&HFF00");
    clockAt(t, 1'000, "01:14", "&HFF00");
    clockAt(t, 14'999, "01:01", "&HFF00");
    clockAt(t, 15'000, "01:00", "&HFF00");
    clockAt(t, 15'099, "01:00", "&HFF00");
    clockAt(t, 15'100, "59.9", "&HFF00");
    clockAt(t, 15'999, "59.1", "&HFF00");
    clockAt(t, 16'000, "59.0", "&HFF00");
    clockAt(t, 16'100, "58.9", "&HFF00");
    clockAt(t, 45'050, "30.0", "&HFF00");
    clockAt(t, 65'099, "10.0", "&HFF00");
    clockAt(t, 65'100, "9.9", "&HFF");
    clockAt(t, 74'000, "1.0", "&HFF");
    clockAt(t, 74'100, "0.9", "&HFF");
    clockAt(t, 74'999, "0.1", "&HFF");
    clockAt(t, 75'000, "0.0", "&HFF");
    t.push_back({75'000, "show showtime BorderColor", "&H404040"});
    t.push_back({75'000, "show ok Caption", "暂停"});
    t.push_back({75'079, "show showtime BorderColor", "&H404040"});
    t.push_back({75'080, "show showtime BorderColor", "&HFF"});
    t.push_back({75'080, "show qelf1 BorderColor", "&HFF"});
    t.push_back({75'080, "show line8 BorderColor", "&HFF"});
    t.push_back({75'080, "show Line11(2) BorderColor", "&HFF"});
    t.push_back({75'080, "show Line11(3) BorderColor", "&HFF"});
    t.push_back({75'080, "show ok BackColor1", "&HFF"});
    t.push_back({85'079, "show look Visible", "False"});
    t.push_back({85'080, "show look Visible", "True"});
    t.push_back({85'080, "show vlook1(0) Caption", "第一节比赛结束!"});
    t.push_back({85'080, "show vlook1(1) Caption", "双方以0:0打平局。"});
    t.push_back({85'080, "show vtime Caption", "15秒进入比赛模式"});
    clockAt(t, 85'080, "01:15", "&HFF00");
    t.push_back({85'080, "show ok Caption", "开始"});
    t.push_back({85'080, "show showtime BorderColor", "&H404040"});
    t.push_back({85'080, "show Line11(3) BorderColor", "&H404040"});
    t.push_back({85'080, "show ballmakenum Caption", "2"});
    t.push_back({86'080, "show vtime Caption", "14秒进入比赛模式"});
    t.push_back({86'080, "show onename Caption", "可惜双方都没进球!"});
    t.push_back({99'080, "show vtime Caption", "1秒进入比赛模式"});
    t.push_back({100'079, "show look Visible", "True"});
    t.push_back({100'080, "show look Visible", "False"});
    t.push_back({100'080, "show onename Caption", ""});
    expectAlong(t);
    EXPECT_EQ(mainForm().matchClock()->clock().state(), MatchClock::State::ScoreSheet);
    expectAlong({{135'080, "show ok Caption", "开始"}});
    EXPECT_EQ(mainForm().matchClock()->clock().state(), MatchClock::State::ClockStopped);

    EXPECT_EQ(soundCount("sound\\2.wav"), 1);
    EXPECT_EQ(soundTimes("sound\\timer.wav"),
        (std::vector<int64_t>{65'100, 66'100, 67'100, 68'100, 69'100, 70'100, 71'100, 72'100, 73'100, 74'100}));
    EXPECT_EQ(soundTimes("sound\\yes.wav"), (std::vector<int64_t>{75'000}));
}

TEST_F(MatchClockDriveTest, ThreePausesAtOddMillisecondsEndExactlyThePausedTimeLater)
{
    startBoard(75);
    std::vector<At> t;
    t.push_back({0, "click ok"});
    // Paused at 12.345 s for 3.001 s, at 34.567 s for 0.999 s, at 73.771 s for 20.003 s.
    t.push_back({12'345, "click ok"});
    clockAt(t, 12'345, "01:03", "&HFF00");
    clockAt(t, 15'345, "01:03", "&HFF00");
    t.push_back({15'346, "click ok"});
    clockAt(t, 15'346 + 654, "01:03", "&HFF00");
    clockAt(t, 15'346 + 655, "01:02", "&HFF00");
    t.push_back({34'567, "click ok"});
    clockAt(t, 34'567, "43.5", "&HFF00");
    t.push_back({35'566, "click ok"});
    clockAt(t, 35'566 + 33, "43.5", "&HFF00");
    clockAt(t, 35'566 + 34, "43.4", "&HFF00");
    t.push_back({73'771, "click ok"});
    clockAt(t, 73'771, "5.3", "&HFF");
    t.push_back({73'771, "show ok Caption", "开始"});
    clockAt(t, 93'773, "5.3", "&HFF");
    t.push_back({93'774, "click ok"});
    // 5.229 s were left.
    clockAt(t, 93'774 + 28, "5.3", "&HFF");
    clockAt(t, 93'774 + 29, "5.2", "&HFF");
    clockAt(t, 75'000 + 24'003 - 1, "0.1", "&HFF");
    clockAt(t, 75'000 + 24'003, "0.0", "&HFF");
    expectAlong(t);
    EXPECT_EQ(soundCount("sound\\2.wav"), 7);
    EXPECT_EQ(soundCount("sound\\timer.wav"), 10);
    EXPECT_EQ(soundTimes("sound\\yes.wav"), (std::vector<int64_t>{99'003}));
}

TEST_F(MatchClockDriveTest, StartAtSixtyOneSeconds)
{
    startBoard(61);
    std::vector<At> t;
    clockAt(t, 0, "01:01", "&HFF00");
    t.push_back({0, "click ok"});
    clockAt(t, 999, "01:01", "&HFF00");
    clockAt(t, 1'000, "01:00", "&HFF00");
    clockAt(t, 1'099, "01:00", "&HFF00");
    clockAt(t, 1'100, "59.9", "&HFF00");
    clockAt(t, 1'200, "59.8", "&HFF00");
    clockAt(t, 61'000, "0.0", "&HFF");
    expectAlong(t);
}

TEST_F(MatchClockDriveTest, StartAtSixtySeconds)
{
    startBoard(60);
    std::vector<At> t;
    clockAt(t, 0, "01:00", "&HFF00");
    t.push_back({0, "click ok"});
    clockAt(t, 99, "01:00", "&HFF00");
    clockAt(t, 100, "59.9", "&HFF00");
    clockAt(t, 1'000, "59.0", "&HFF00");
    clockAt(t, 1'100, "58.9", "&HFF00");
    clockAt(t, 60'000, "0.0", "&HFF");
    expectAlong(t);
}

TEST_F(MatchClockDriveTest, ReportTextsForLeaderTieAndNoScore)
{
    struct Case {
        int a, b;
        const char* scoreLine;
        const char* leader;
    };
    const Case cases[] = {
        {12, 9, "双方比分相差 3分。", "Lions暂时领先!"},
        {12, 15, "双方比分相差 3分。", "Tigers暂时领先!"},
        {15, 15, "双方以15:15打平局。", "双方都是实力派!"},
        {0, 0, "双方以0:0打平局。", "可惜双方都没进球!"},
    };
    startBoard(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leader);
        user().periodNumber = 1;
        ShowPeriod();
        playPeriod(c.a, c.b);
        const int64_t report = now();
        std::vector<At> t = {
            {report, "show vlook1(0) Caption", "第一节比赛结束!"},
            {report, "show vlook1(1) Caption", c.scoreLine},
        };
        for (int n = 14; n >= 2; --n) {
            t.push_back({report + (15 - n) * 1000, "show vtime Caption", std::to_string(n) + "秒进入比赛模式"});
            t.push_back({report + (15 - n) * 1000, "show onename Caption", c.leader});
            t.push_back({report + (15 - n) * 1000, "show onename Visible", "True"});
        }
        t.push_back({report + 14'000, "show vtime Caption", "1秒进入比赛模式"});
        t.push_back({report + 15'000, "show look Visible", "False"});
        expectAlong(t);
        leaveScoreSheet();
        setScores(0, 0);
    }
}

TEST_F(MatchClockDriveTest, FourPeriodsThenTheRecordIsAppended)
{
    writeBytes(path("date/balldate.db"), "old\r\n");
    startBoard(3);
    dates.set({2026, 3, 1, 9, 12, 34});
    playPeriod(10, 8);
    leaveScoreSheet();
    playPeriod(20, 20);
    leaveScoreSheet();
    playPeriod(31, 25);
    leaveScoreSheet();
    EXPECT_EQ(archive(), "old\r\n");
    playPeriod(40, 37);
    EXPECT_EQ(archive(),
        "old\r\n"
        "\xB1\xC8\xC8\xFC\xCA\xB1\xBC\xE4=2026/3/1 9:12:34\r\n"
        "\xB1\xC8\xC8\xFC\xD6\xF7\xCC\xE2=Cup\r\n"
        "\xC7\xF2\xB6\xD3" "1=Lions\r\n"
        "VS=VS\r\n"
        "\xC7\xF2\xB6\xD3" "2=Tigers\r\n"
        "\xB5\xDA\xD2\xBB\xBD\xDA=10:08\r\n"
        "\xB5\xDA\xB6\xFE\xBD\xDA=10:12\r\n"
        "\xB5\xDA\xC8\xFD\xBD\xDA=11:05\r\n"
        "\xB5\xDA\xCB\xC4\xBD\xDA=09:12\r\n"
        "\xD7\xDC\xB7\xD6=40:37\r\n"
        "\xB1\xB8\xD7\xA2=\r\n");
    const int64_t report = now();
    expectAlong({
        {report, "show vlook1(0) Caption", "全场比赛结束!"},
        {report, "show vlook1(1) Caption", "双方比分相差 3分。"},
        {report, "show ballmakenum Caption", "4"},
        {report + 1000, "show onename Caption", "Lions获胜本场比赛!"},
        {report + 15'000, "show balldate Visible", "True"},
        {report + 15'000, "show balldatenum(3) Caption", "09"},
        {report + 15'000, "show balldatenum(8) Caption", "40"},
        {report + 15'000, "show lookdate Visible", "True"},
    });
    EXPECT_TRUE(user().matchOver);
    // The finished match does not start again: the start command only sounds.
    const int starts = soundCount("sound\\2.wav");
    expectAlong({{now() + 40'000, "click ok"}, {now() + 40'000, "show ok Caption", "开始"}, {now() + 50'000, "show balltime Caption", "3.0"}});
    EXPECT_EQ(soundCount("sound\\2.wav"), starts + 1);
    const std::string bytes = archive();
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 12);
}

// An archive whose last line lost its line end (a hand edit, a write cut short elsewhere): the
// record of the next finished match starts on a line of its own, and both matches are counted.
TEST_F(MatchClockDriveTest, TheRecordAfterAnArchiveWithoutItsLastLineEndStartsOnItsOwnLine)
{
    const std::string old = plat::sys::encodeAnsi("比赛时间=2026/2/1 10:00:00\r\n比赛主题=Old\r\n球队1=A\r\nVS=VS\r\n球队2=B\r\n"
                                                   "第一节=01:00\r\n第二节=00:00\r\n第三节=00:00\r\n第四节=00:00\r\n总分=1:0\r\n备注=");
    writeBytes(path("date/balldate.db"), old);
    startBoard(3);
    dates.set({2026, 3, 1, 9, 12, 34});
    for (int period = 1; period <= 3; ++period) {
        playPeriod(period, 0);
        leaveScoreSheet();
    }
    playPeriod(4, 0);
    const std::string bytes = archive();
    ASSERT_EQ(bytes.rfind(old + "\r\n" + plat::sys::encodeAnsi("比赛时间=2026/3/1 9:12:34\r\n"), 0), 0u) << bytes;
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 22);
    expectAlong({{now() + 1500, "show balldateallnum Caption", "总共: 2 条"}});
}

TEST_F(MatchClockDriveTest, ATieAfterTheFourthPeriodGivesOvertimeTwice)
{
    startBoard(3, 2);
    user().periodNumber = 4;
    ShowPeriod();
    playPeriod(50, 50);
    expectAlong({
        {now(), "show vlook1(0) Caption", "恭喜进入加时赛!"},
        {now(), "show vlook1(1) Caption", "双方以50:50打平局。"},
        {now(), "show addtimelab(0) Visible", "True"},
        {now(), "show addtimelab(1) Visible", "True"},
        {now(), "show balltime Caption", "2.0"},
        {now(), "show balltime ForeColor", "&HFF00"},
    });
    leaveScoreSheet();
    const int64_t first = now();
    playPeriod(53, 53);
    EXPECT_EQ(now() - first, 2'000 + 80 + 10'000);
    expectAlong({{now(), "show vlook1(0) Caption", "恭喜进入加时赛!"}, {now(), "show ballmakenum Caption", "4"}});
    EXPECT_FALSE(std::filesystem::exists(path("date/balldate.db")) && !archive().empty());
    leaveScoreSheet();
    playPeriod(58, 55);
    expectAlong({{now(), "show vlook1(0) Caption", "全场比赛结束!"}, {now(), "show vlook1(1) Caption", "双方比分相差 3分。"}});
    const std::string bytes = archive();
    EXPECT_NE(bytes.find("\xB5\xDA\xCB\xC4\xBD\xDA=58:55\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\xD7\xDC\xB7\xD6=58:55\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\xB1\xB8\xD7\xA2=\xBC\xD3\xCA\xB1\xC8\xFC\r\n"), std::string::npos);
}

TEST_F(MatchClockDriveTest, ResetRefusedWhileRunningAndOnZeroConfirmedOtherwise)
{
    const std::string refused = "程序正在计时中不能复原,请暂停后再重试!";
    auto reset = [this] { mainForm().matchClock()->ConfirmReset(); };
    startBoard(3);
    expectAlong({{0, "click ok"}});
    setScores(4, 2);
    expectAlong({{1'000, "show inshow Visible", "True"}, {1'000, "show L1 Caption", refused}}, reset);
    // On "0.0" the start button still reads 暂停: refused too.
    expectAlong({{3'040, "show balltime Caption", "0.0"}}, {});
    expectAlong({{3'040, "show L1 Caption", refused}, {3'040, "show ok Caption", "暂停"}}, reset);
    EXPECT_EQ(user().scoreA, 4);

    // In the report: the question, answered with Cancel, changes nothing.
    expectAlong({{13'080, "show look Visible", "True"}});
    expectAlong({{13'500, "key Esc"}, {13'500, "show look Visible", "True"}}, reset);
    EXPECT_EQ(user().scoreA, 4);
    // Answered with OK: a fresh match, nothing of the report comes back.
    expectAlong({{14'000, "key Enter"},
                    {14'000, "show L1 Caption", "复原成功!"},
                    {14'000, "show look Visible", "False"},
                    {14'000, "show balltime Caption", "3.0"},
                    {14'000, "show ballmakenum Caption", "1"},
                    {14'000, "show ok Caption", "开始"},
                    {80'000, "show look Visible", "False"},
                    {80'000, "show balldate Visible", "False"}},
        reset);
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_FALSE(user().inOvertime);
    EXPECT_EQ(mainForm().matchClock()->clock().state(), MatchClock::State::ClockStopped);
}

TEST_F(MatchClockDriveTest, AResetDuringTheScoreSheetHidesItOverTheNewMatch)
{
    // What shows in the middle of the panels' place: the score sheet, or the clock panel.
    auto sheetInFront = [this] {
        const plat::win::HWND sheet = mainForm().find("balldate")->hwnd();
        const plat::gfx::Rect r = session->windows().screenRect(sheet);
        const plat::win::HWND shown = plat::win::WindowFromPoint({r.left + r.width() / 2, r.top + r.height() / 2});
        return shown == sheet || session->windows().isAncestor(sheet, shown);
    };
    auto reset = [this] { mainForm().matchClock()->ConfirmReset(); };
    startBoard(3);
    playPeriod(2, 1);
    const int64_t sheet = now() + 15'000;
    expectAlong({{sheet + 100, "show balldate Visible", "True"}});
    EXPECT_TRUE(sheetInFront());
    // OK in the question: match mode, the sheet gone for good.
    expectAlong({{sheet + 500, "key Enter"}, {sheet + 500, "show L1 Caption", "复原成功!"}, {sheet + 500, "show ballnumber(0) Caption", "0"}},
        reset);
    EXPECT_FALSE(sheetInFront());
    expectAlong({{sheet + 40'000, "show ballmakenum Caption", "1"}});
    EXPECT_FALSE(sheetInFront());
    EXPECT_EQ(mainForm().matchClock()->clock().state(), MatchClock::State::ClockStopped);
}

} // namespace
} // namespace scoreboard::test
