#include "match_clock_fixture.h"

namespace scoreboard::test {
namespace {

using State = MatchClock::State;

struct Check {
    int64_t atMs;
    const char* text;
    const char* color;
    State state;
};

class MatchClockRun : public MatchClockTest {
protected:
    // Runs to each moment in turn and compares the clock there.
    void expectAlong(const std::vector<Check>& checks)
    {
        for (const Check& c : checks) {
            runTo(c.atMs);
            SCOPED_TRACE(c.atMs);
            EXPECT_EQ(board.clockText, c.text);
            EXPECT_EQ(hex(board.clockColor), c.color);
            EXPECT_EQ(clock->state(), c.state);
        }
    }
};

TEST_F(MatchClockRun, SeventyFiveSecondsRunThroughToTheScoreSheet)
{
    setClock(75);
    clock->startPause();
    EXPECT_EQ(board.okCaption, "暂停");
    EXPECT_EQ(hex(board.okColor), "&HFF00");
    EXPECT_TRUE(board.blinkPhase);
    EXPECT_EQ(user().matchStartTime, "2026/3/1 9:00:05");
    expectAlong({
        {0, "01:15", "&HFF00", State::ClockRunning},
        {999, "01:15", "&HFF00", State::ClockRunning},
        {1000, "01:14", "&HFF00", State::ClockRunning},
        {14'000, "01:01", "&HFF00", State::ClockRunning},
        {14'999, "01:01", "&HFF00", State::ClockRunning},
        {15'000, "01:00", "&HFF00", State::ClockLastMinute},
        {15'099, "01:00", "&HFF00", State::ClockLastMinute},
        {15'100, "59.9", "&HFF00", State::ClockLastMinute},
        {16'000, "59.0", "&HFF00", State::ClockLastMinute},
        {16'100, "58.9", "&HFF00", State::ClockLastMinute},
        {29'747, "45.3", "&HFF00", State::ClockLastMinute},
        {65'099, "10.0", "&HFF00", State::ClockLastMinute},
        {65'100, "9.9", "&HFF", State::ClockLastMinute},
        {74'000, "1.0", "&HFF", State::ClockLastMinute},
        {74'100, "0.9", "&HFF", State::ClockLastMinute},
        {74'999, "0.1", "&HFF", State::ClockLastMinute},
        {75'000, "0.0", "&HFF", State::ClockAtZero},
    });
    EXPECT_EQ(user().clockSeconds, 0);
    EXPECT_EQ(board.okCaption, "暂停");
    EXPECT_EQ(hex(board.zeroMarks), "&H404040");
    runTo(75'079);
    EXPECT_EQ(hex(board.zeroMarks), "&H404040");
    runTo(75'080);
    EXPECT_EQ(hex(board.zeroMarks), "&HFF");
    EXPECT_EQ(hex(board.okColor), "&HFF");
    EXPECT_EQ(board.okCaption, "暂停");
    EXPECT_EQ(board.clockText, "0.0");

    runTo(85'079);
    EXPECT_FALSE(board.look);
    EXPECT_EQ(clock->state(), State::ClockAtZero);
    runTo(85'080);
    EXPECT_TRUE(board.look);
    EXPECT_EQ(clock->state(), State::PeriodReport);
    EXPECT_EQ(board.clockText, "12:00");
    EXPECT_EQ(hex(board.clockColor), "&HFF00");
    EXPECT_EQ(board.okCaption, "开始");
    EXPECT_EQ(hex(board.zeroMarks), "&H404040");
    EXPECT_EQ(board.vlook1[0], "第一节比赛结束!");
    EXPECT_EQ(board.vtime, "15秒进入比赛模式");
    EXPECT_EQ(user().periodNumber, 2);

    runTo(100'079);
    EXPECT_TRUE(board.look);
    EXPECT_EQ(board.vtime, "1秒进入比赛模式");
    runTo(100'080);
    EXPECT_FALSE(board.look);
    EXPECT_EQ(clock->state(), State::ScoreSheet);
    EXPECT_EQ(board.scoreSheets, 1);
    EXPECT_FALSE(board.matchScoreSheet);
    int modes = board.matchModes;
    runTo(135'079);
    EXPECT_EQ(board.matchModes, modes);
    runTo(135'080);
    EXPECT_EQ(board.matchModes, modes + 1);
    EXPECT_EQ(clock->state(), State::ClockStopped);

    EXPECT_EQ(soundCount("sound\\2.wav"), 1);
    EXPECT_EQ(soundTimes("sound\\timer.wav"),
        (std::vector<int64_t>{65'100, 66'100, 67'100, 68'100, 69'100, 70'100, 71'100, 72'100, 73'100, 74'100}));
    EXPECT_EQ(soundTimes("sound\\yes.wav"), (std::vector<int64_t>{75'000}));
}

TEST_F(MatchClockRun, SwitchedOffSignalsPlayNothing)
{
    user().optTenSecondBeep = false;
    user().optEndBell = false;
    setClock(12);
    clock->startPause();
    runTo(12'000);
    EXPECT_EQ(board.clockText, "0.0");
    EXPECT_EQ(soundCount("sound\\timer.wav"), 0);
    EXPECT_EQ(soundCount("sound\\yes.wav"), 0);
}

TEST_F(MatchClockRun, PausesAtOddMillisecondsEndExactlyThePausedTimeLater)
{
    setClock(75);
    clock->startPause();
    struct Pause {
        int64_t atMs, forMs;
        const char* shown;
    };
    const Pause pauses[] = {{12'345, 3'001, "01:03"}, {34'567, 999, "43.5"}, {73'771, 20'003, "5.3"}};
    int64_t paused = 0;
    for (const Pause& p : pauses) {
        runTo(p.atMs);
        clock->startPause();
        EXPECT_EQ(board.okCaption, "开始");
        EXPECT_EQ(clock->state(), State::ClockStopped);
        EXPECT_EQ(board.clockText, p.shown);
        EXPECT_EQ(clock->time().remainingMs(), 75'000 - (p.atMs - paused));
        runTo(p.atMs + p.forMs);
        EXPECT_EQ(board.clockText, p.shown);
        EXPECT_FALSE(board.timerRunning(ClockTimer::Timer2) || board.timerRunning(ClockTimer::Timer3));
        clock->startPause();
        paused += p.forMs;
    }
    expectAlong({
        {75'000 + paused - 101, "0.2", "&HFF", State::ClockLastMinute},
        {75'000 + paused - 1, "0.1", "&HFF", State::ClockLastMinute},
        {75'000 + paused, "0.0", "&HFF", State::ClockAtZero},
    });
    EXPECT_EQ(soundCount("sound\\2.wav"), 7);
    EXPECT_EQ(soundCount("sound\\timer.wav"), 10);
    EXPECT_EQ(soundCount("sound\\yes.wav"), 1);
}

TEST_F(MatchClockRun, APauseOnATenthResumesWithTheNextOne)
{
    setClock(50);
    clock->startPause();
    runTo(4'750); // 45.25 s left: "45.3"
    clock->startPause();
    EXPECT_EQ(board.clockText, "45.3");
    EXPECT_EQ(user().clockSeconds, 45);
    EXPECT_EQ(user().clockTenths, 3);
    runTo(10'000);
    clock->startPause();
    expectAlong({
        {10'049, "45.3", "&HFF00", State::ClockLastMinute},
        {10'050, "45.2", "&HFF00", State::ClockLastMinute},
    });
}

TEST_F(MatchClockRun, StartAtSixtyOneAndAtSixtySeconds)
{
    setClock(61);
    clock->startPause();
    expectAlong({
        {0, "01:01", "&HFF00", State::ClockRunning},
        {999, "01:01", "&HFF00", State::ClockRunning},
        {1'000, "01:00", "&HFF00", State::ClockLastMinute},
        {1'099, "01:00", "&HFF00", State::ClockLastMinute},
        {1'100, "59.9", "&HFF00", State::ClockLastMinute},
        {1'200, "59.8", "&HFF00", State::ClockLastMinute},
    });
    clock->startPause();
    setClock(60);
    EXPECT_EQ(board.clockText, "01:00");
    runTo(5'000);
    clock->startPause();
    expectAlong({
        {5'000, "01:00", "&HFF00", State::ClockLastMinute},
        {5'099, "01:00", "&HFF00", State::ClockLastMinute},
        {5'100, "59.9", "&HFF00", State::ClockLastMinute},
        {6'000, "59.0", "&HFF00", State::ClockLastMinute},
        {6'100, "58.9", "&HFF00", State::ClockLastMinute},
        {65'000, "0.0", "&HFF", State::ClockAtZero},
    });
}

TEST_F(MatchClockRun, AValueFromTheClockDialogCountsFromTheNextTick)
{
    setClock(70);
    clock->startPause();
    runTo(2'500); // "01:08", the next tick at 3 s
    setClock(30);
    EXPECT_EQ(board.clockText, "30.0");
    runTo(2'999);
    EXPECT_EQ(board.clockText, "30.0");
    expectAlong({
        {3'000, "30.0", "&HFF00", State::ClockLastMinute},
        {3'099, "30.0", "&HFF00", State::ClockLastMinute},
        {3'100, "29.9", "&HFF00", State::ClockLastMinute},
    });
    // Raised above a minute during the last minute: whole seconds again.
    runTo(3'150);
    setClock(90);
    expectAlong({
        {3'199, "01:30", "&HFF00", State::ClockLastMinute},
        {3'200, "01:30", "&HFF00", State::ClockRunning},
        {4'199, "01:30", "&HFF00", State::ClockRunning},
        {4'200, "01:29", "&HFF00", State::ClockRunning},
    });
    // Set while stopped: the start takes it.
    clock->startPause();
    setClock(9);
    EXPECT_EQ(hex(board.clockColor), "&HFF");
    runTo(6'000);
    clock->startPause();
    expectAlong({
        {6'099, "9.0", "&HFF", State::ClockLastMinute},
        {6'100, "8.9", "&HFF", State::ClockLastMinute},
        {15'000, "0.0", "&HFF", State::ClockAtZero},
    });
}

TEST_F(MatchClockRun, AClockAtZeroOrBelowDoesNotStart)
{
    for (int seconds : {0, -549}) {
        board.notices.clear();
        setClock(seconds);
        clock->startPause();
        EXPECT_EQ(board.notices, (std::vector<std::string>{"比赛时间没设置好!"}));
        EXPECT_EQ(board.okCaption, "开始");
        EXPECT_EQ(clock->state(), State::ClockStopped);
    }
    // "0.0" held at the end of a period: the command neither pauses nor restarts.
    setClock(1);
    clock->startPause();
    runTo(1'000);
    board.notices.clear();
    clock->startPause();
    EXPECT_EQ(board.notices, (std::vector<std::string>{"比赛时间没设置好!"}));
    EXPECT_EQ(board.okCaption, "暂停");
    EXPECT_EQ(clock->state(), State::ClockAtZero);
    runTo(1'080 + 10'000);
    EXPECT_EQ(clock->state(), State::PeriodReport);
}

TEST_F(MatchClockRun, StartHandsOverTheBoard)
{
    user().optStopMusicOnStart = true;
    user().optCloseVideoOnStart = true;
    board.music = true;
    board.liveMode = true;
    clock->startPause();
    EXPECT_EQ(board.musicPaused, 1);
    EXPECT_EQ(board.liveModeLeft, 1);
    EXPECT_EQ(board.matchModes, 1);
    // The pause leaves music and video alone, and the start time stays the first one.
    dates.set({2026, 3, 1, 9, 30, 0});
    board.music = true;
    clock->startPause();
    EXPECT_EQ(board.musicPaused, 1);
    EXPECT_EQ(user().matchStartTime, "2026/3/1 9:00:05");
}

TEST_F(MatchClockRun, MusicAndVideoStayWhenTheirSwitchesAreOff)
{
    board.music = true;
    board.liveMode = true;
    clock->startPause();
    EXPECT_EQ(board.musicPaused, 0);
    EXPECT_EQ(board.liveModeLeft, 0);
}

// Plays the current period to its end with these scores and waits for the report's first second.
class MatchClockPeriods : public MatchClockRun {
protected:
    void playPeriod(int scoreA, int scoreB)
    {
        clock->startPause();
        ASSERT_EQ(board.okCaption, "暂停");
        user().scoreA = int16_t(scoreA);
        user().scoreB = int16_t(scoreB);
        runTo(now() + int64_t(user().clockSeconds) * 1000 + MatchClock::kZeroMarkStepMs + MatchClock::kZeroHoldMs);
        ASSERT_EQ(clock->state(), State::PeriodReport);
    }
    void leaveScoreSheet() { runTo(now() + 15'000 + 35'000); }

    std::vector<std::string> leaderTexts()
    {
        std::vector<std::string> texts;
        for (int tick = 0; tick < 15; ++tick) {
            runTo(now() + 1000);
            texts.push_back(board.vtime + " / " + board.onename);
        }
        return texts;
    }
};

TEST_F(MatchClockPeriods, ReportCountdownAndLeaderTexts)
{
    struct Case {
        int a, b;
        const char* leader;
    };
    const Case cases[] = {
        {10, 8, "Lions暂时领先!"},
        {10, 12, "Tigers暂时领先!"},
        {12, 12, "双方都是实力派!"},
        {0, 0, "可惜双方都没进球!"},
    };
    user().periodLength = 3;
    setClock(3);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leader);
        user().periodNumber = 1;
        board.onename = "old";
        playPeriod(c.a, c.b);
        EXPECT_EQ(board.vtime, "15秒进入比赛模式");
        EXPECT_EQ(board.onename, "old");
        std::vector<std::string> expected;
        for (int n = 14; n >= 2; --n)
            expected.push_back(std::to_string(n) + "秒进入比赛模式 / " + c.leader);
        expected.push_back(std::string("1秒进入比赛模式 / ") + c.leader);
        expected.push_back(std::string("1秒进入比赛模式 / "));
        EXPECT_EQ(leaderTexts(), expected);
        EXPECT_TRUE(board.onenameVisible);
        EXPECT_EQ(clock->state(), State::ScoreSheet);
        runTo(now() + 35'000);
        EXPECT_EQ(clock->state(), State::ClockStopped);
    }
}

TEST_F(MatchClockPeriods, FourPeriodsThenTheRecordAndTheMatchOver)
{
    user().periodLength = 5;
    setClock(5);
    playPeriod(10, 8);
    leaveScoreSheet();
    playPeriod(20, 20);
    leaveScoreSheet();
    playPeriod(31, 25);
    leaveScoreSheet();
    EXPECT_FALSE(std::filesystem::exists(path("date/balldate.db")));
    playPeriod(40, 37);
    EXPECT_EQ(board.vlook1[0], "全场比赛结束!");
    EXPECT_EQ(board.vlook1[1], "双方比分相差 3分。");
    EXPECT_TRUE(user().matchOver);
    EXPECT_EQ(readBytes(path("date/balldate.db")),
        "\xB1\xC8\xC8\xFC\xCA\xB1\xBC\xE4=2026/3/1 9:00:05\r\n"
        "\xB1\xC8\xC8\xFC\xD6\xF7\xCC\xE2=2026Cup\r\n"
        "\xC7\xF2\xB6\xD3" "1=Lions\r\n"
        "VS=VS\r\n"
        "\xC7\xF2\xB6\xD3" "2=Tigers\r\n"
        "\xB5\xDA\xD2\xBB\xBD\xDA=10:08\r\n"
        "\xB5\xDA\xB6\xFE\xBD\xDA=10:12\r\n"
        "\xB5\xDA\xC8\xFD\xBD\xDA=11:05\r\n"
        "\xB5\xDA\xCB\xC4\xBD\xDA=09:12\r\n"
        "\xD7\xDC\xB7\xD6=40:37\r\n"
        "\xB1\xB8\xD7\xA2=\r\n");
    std::vector<std::string> texts = leaderTexts();
    EXPECT_EQ(texts[0], "14秒进入比赛模式 / Lions获胜本场比赛!");
    EXPECT_TRUE(board.matchScoreSheet);
    runTo(now() + 35'000);
    EXPECT_EQ(clock->state(), State::MatchOver);
    EXPECT_EQ(board.onename, "比赛已经结束 点击【数据复位】 ");
    EXPECT_TRUE(board.look);

    // Finished: the start command only plays its sound, and no second record is written.
    int modes = board.matchModes;
    clock->startPause();
    EXPECT_EQ(board.okCaption, "开始");
    EXPECT_EQ(board.matchModes, modes);
    EXPECT_TRUE(user().matchStartTime.empty());
    runTo(now() + 600'000);
    EXPECT_EQ(clock->state(), State::MatchOver);
}

TEST_F(MatchClockPeriods, TheStartCommandDuringTheReportOnlySounds)
{
    user().periodLength = 3;
    setClock(3);
    playPeriod(1, 0);
    const int before = soundCount("sound\\2.wav");
    const int modes = board.matchModes;
    clock->startPause();
    EXPECT_EQ(soundCount("sound\\2.wav"), before + 1);
    EXPECT_EQ(board.okCaption, "开始");
    EXPECT_EQ(board.matchModes, modes);
    EXPECT_EQ(clock->state(), State::PeriodReport);
}

TEST_F(MatchClockPeriods, LevelEndsGiveOvertimesTwiceThenTheRecord)
{
    user().periodLength = 4;
    user().overtimeLength = 2;
    user().periodNumber = 4;
    setClock(4);
    playPeriod(50, 50);
    EXPECT_EQ(board.vlook1[0], "恭喜进入加时赛!");
    EXPECT_TRUE(board.overtimeLabels);
    EXPECT_TRUE(user().inOvertime);
    EXPECT_EQ(board.clockText, "2.0");
    EXPECT_EQ(hex(board.clockColor), "&HFF00");
    leaveScoreSheet();
    EXPECT_EQ(clock->state(), State::ClockStopped);
    const int64_t start = now();
    playPeriod(52, 52);
    EXPECT_EQ(now() - start, 2'000 + 80 + 10'000);
    EXPECT_EQ(board.vlook1[0], "恭喜进入加时赛!");
    EXPECT_EQ(user().periodNumber, 4);
    EXPECT_FALSE(std::filesystem::exists(path("date/balldate.db")));
    leaveScoreSheet();
    playPeriod(55, 53);
    EXPECT_EQ(board.vlook1[0], "全场比赛结束!");
    std::string bytes = readBytes(path("date/balldate.db"));
    EXPECT_NE(bytes.find("\xB5\xDA\xCB\xC4\xBD\xDA=55:53\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\xB1\xB8\xD7\xA2=\xBC\xD3\xCA\xB1\xC8\xFC\r\n"), std::string::npos);
}

TEST_F(MatchClockPeriods, ResetRefusedWhileRunningAndAtZeroConfirmedOtherwise)
{
    const char* refused = "程序正在计时中不能复原,请暂停后再重试!";
    user().periodLength = 3;
    setClock(3);
    clock->startPause();
    user().scoreA = 5;
    clock->ConfirmReset();
    EXPECT_EQ(board.notices, (std::vector<std::string>{refused}));
    EXPECT_TRUE(board.questions.empty());
    runTo(3'000);
    clock->ConfirmReset();
    EXPECT_EQ(board.notices.back(), refused);
    EXPECT_TRUE(board.questions.empty());
    EXPECT_EQ(user().scoreA, 5);

    // In the report: Cancel changes nothing.
    runTo(3'080 + 10'000);
    ASSERT_EQ(clock->state(), State::PeriodReport);
    board.answerOk = false;
    clock->ConfirmReset();
    EXPECT_EQ(board.questions, (std::vector<std::string>{"提示: 提醒：计时计分数据归零，并不保存当前数据！"}));
    EXPECT_EQ(user().scoreA, 5);
    EXPECT_EQ(clock->state(), State::PeriodReport);

    // OK: a fresh match, and nothing of the report comes back.
    board.answerOk = true;
    user().inOvertime = true;
    clock->ConfirmReset();
    EXPECT_EQ(board.notices.back(), "复原成功!");
    EXPECT_EQ(user().scoreA, 0);
    EXPECT_EQ(user().periodNumber, 1);
    EXPECT_FALSE(user().inOvertime);
    EXPECT_FALSE(board.look);
    EXPECT_EQ(board.clockText, "3.0");
    EXPECT_EQ(clock->state(), State::ClockStopped);
    const int sheets = board.scoreSheets, modes = board.matchModes;
    runTo(now() + 60'000);
    EXPECT_EQ(board.scoreSheets, sheets);
    EXPECT_EQ(board.matchModes, modes);
    EXPECT_FALSE(board.look);

    // Paused: confirmed, and the clock starts again from the full period.
    clock->startPause();
    runTo(now() + 1'234);
    clock->startPause();
    clock->ConfirmReset();
    EXPECT_EQ(board.notices.back(), "复原成功!");
    EXPECT_EQ(clock->time().remainingMs(), 3'000);
    EXPECT_TRUE(user().matchStartTime.empty());
}

TEST_F(MatchClockPeriods, ResetInTheScoreSheetReturnsToMatchModeAtOnce)
{
    user().periodLength = 3;
    setClock(3);
    playPeriod(2, 1);
    runTo(now() + 15'000);
    ASSERT_EQ(clock->state(), State::ScoreSheet);
    const int modes = board.matchModes;
    clock->ConfirmReset();
    EXPECT_EQ(clock->state(), State::ClockStopped);
    EXPECT_EQ(board.matchModes, modes + 1) << "back to match mode at once, the sheet hidden";
    runTo(now() + 40'000);
    EXPECT_EQ(board.matchModes, modes + 1) << "and no second return later";
}

} // namespace
} // namespace scoreboard::test
