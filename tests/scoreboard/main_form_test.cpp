#include "board_fixture.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/match_record.h"
#include "scoreboard/match_reset.h"
#include "scoreboard/record_view.h"
#include "scoreboard/settings_store.h"

#include "controls/core/qel_command.h"
#include "controls/core/qel_frame.h"
#include "controls/core/qel_label.h"
#include "controls/core/qel_toggle_button.h"
#include "platform/forms/label.h"
#include "platform/forms/timer.h"
#include "platform/media/alpha_image.h"
#include "platform/system/ansi_codec.h"

#include <map>
#include <set>

namespace scoreboard::test {
namespace {

using plat::forms::Label;
using plat::forms::Timer;
using plat::media::AlphaImage;
using qel::qelFrame;
using qel::qelLabel;

struct Rect {
    double left, top, width, height;
    bool operator==(const Rect&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << r.left << "," << r.top << " " << r.width << "x" << r.height;
}
Rect rectOf(const plat::forms::Control& c) { return {c.left(), c.top(), c.width(), c.height()}; }

const Rect kClockPanel{30, 1320, 15225, 4125};

using MainFormTest = BoardTest;

TEST_F(MainFormTest, LoadPlacesTheBoardOnTheScreen)
{
    MainForm& form = loadBoard();
    EXPECT_EQ(form.caption(), "Ostrevan");
    EXPECT_TRUE(form.keyPreview());
    EXPECT_EQ(form.width(), 1024 * 15);
    EXPECT_EQ(form.height(), 768 * 15);
    EXPECT_EQ(rectOf(control<qelFrame>("qelf1")), (Rect{0, 0, 15360, 11520}));
    EXPECT_EQ(rectOf(control<qelLabel>("balltime")), (Rect{1670, -550, 11940, 4905}));
    EXPECT_TRUE(control<qelFrame>("showtime").visible());
    EXPECT_EQ(rectOf(control<qelFrame>("showtime")), kClockPanel);
    for (std::string_view panel : {"frameplay", "balldate", "sysset"}) {
        EXPECT_FALSE(control<qelFrame>(panel).visible()) << panel;
        EXPECT_EQ(rectOf(control<qelFrame>(panel)), kClockPanel) << panel;
    }
    for (std::string_view hidden : {"look", "helps", "inshow", "ballnumfa"})
        EXPECT_FALSE(control<qelFrame>(hidden).visible()) << hidden;
    const Label& date = control<Label>("timetxt");
    EXPECT_EQ(date.left(), 15360 - date.width() - 90);
    EXPECT_EQ(date.caption(), "2026/3/1 9:05:07");
    EXPECT_NE(control<Label>("val").caption().find("版本:V1.0"), std::string::npos);
}

TEST_F(MainFormTest, OnALargerScreenTheWindowFillsItAndTheMainFrameIsCentred)
{
    startSession(1280, 1024);
    MainForm& form = loadBoard();
    EXPECT_EQ(form.width(), 1280 * 15);
    EXPECT_EQ(form.height(), 1024 * 15);
    EXPECT_EQ(rectOf(control<qelFrame>("qelf1")), (Rect{(19200 - 15360) / 2, (15360 - 11520) / 2, 15360, 11520}));
    // The clock panel keeps its place inside the frame.
    EXPECT_EQ(rectOf(control<qelFrame>("showtime")), kClockPanel);
}

TEST_F(MainFormTest, ANewDisplayModeFitsTheBoardAsAtItsLoad)
{
    MainForm& form = loadBoard();
    session->windows().setScreenSize({1280, 1024});
    session->displayChanged({1280, 1024});
    EXPECT_EQ(form.width(), 1280 * 15);
    EXPECT_EQ(form.height(), 1024 * 15);
    EXPECT_EQ(rectOf(control<qelFrame>("qelf1")), (Rect{(19200 - 15360) / 2, (15360 - 11520) / 2, 15360, 11520}));
    session->windows().setScreenSize({1024, 768});
    session->displayChanged({1920, 1080}); // the board's own screen stays 1024 x 768, scaled by the backend
    EXPECT_EQ(form.width(), 1024 * 15);
    EXPECT_EQ(rectOf(control<qelFrame>("qelf1")), (Rect{0, 0, 15360, 11520}));
    EXPECT_EQ(rectOf(control<qelFrame>("showtime")), kClockPanel);
}

TEST_F(MainFormTest, OnlyTheStatusMusicFocusAndRosterTimersRunFromLoad)
{
    loadBoard();
    std::set<std::string> running;
    std::map<std::string, int> intervals;
    for (plat::forms::Control* c : board->controls())
        if (auto* t = dynamic_cast<Timer*>(c)) {
            intervals[t->name()] = t->interval();
            if (t->enabled())
                running.insert(t->name());
        }
    EXPECT_EQ(running, (std::set<std::string>{"Timer1", "Timer5", "Timer6", "Timer12"}));
    EXPECT_EQ(intervals, (std::map<std::string, int>{{"Timer1", 1000}, {"Timer2", 1000}, {"Timer3", 95},
                             {"Timer4", 1000}, {"Timer5", 1000}, {"Timer6", 50}, {"Timer7", 2000}, {"Timer8", 35000},
                             {"Timer9", 10000}, {"Timer10", 1000}, {"Timer11", 6000}, {"Timer12", 2000},
                             {"Timer13", 2000}, {"Timer14", 1000}}));
}

TEST_F(MainFormTest, LoadStartsAFreshMatchWhateverTheSettingsHeld)
{
    MatchState& s = user();
    s.matchTitle = "联赛";
    s.teamNameA = "红队";
    s.teamNameB = "蓝队";
    s.periodLength = 600;
    s.clockSeconds = 33;
    s.clockTenths = 4;
    s.scoreA = 12;
    s.scoreB = 9;
    s.periodNumber = 3;
    s.periodPoints = {1, 2, 3, 4, 5, 6, 7, 8};
    s.matchStartTime = "2026/1/1 8:00:00";
    s.keyStartPause = 32;
    s.breakCountdown = 3;
    s.refereeName1 = "甲";
    s.refereeName2 = "乙";
    s.refereeCount = 2;
    loadBoard();
    EXPECT_EQ(s.clockSeconds, 600);
    EXPECT_EQ(s.clockTenths, 10);
    EXPECT_EQ(s.scoreA, 0);
    EXPECT_EQ(s.scoreB, 0);
    EXPECT_EQ(s.periodNumber, 1);
    EXPECT_EQ(s.periodPoints, (std::array<int16_t, 8>{}));
    EXPECT_EQ(s.matchStartTime, "");
    EXPECT_EQ(s.keyStartPause, 13);
    EXPECT_EQ(s.breakCountdown, 10);
    EXPECT_EQ(control<qelLabel>("balltime").Caption(), "10:00");
    EXPECT_EQ(control<qelLabel>("balltime").ForeColor(), 0x00FF00u);
    EXPECT_EQ(control<qelLabel>("titxt", 1).Caption(), "联赛");
    EXPECT_EQ(control<qelLabel>("ballname", 0).Caption(), "红队");
    EXPECT_EQ(control<qelLabel>("ballname", 1).Caption(), "蓝队");
    EXPECT_EQ(control<qelLabel>("ballnumber", 0).Caption(), "0");
    EXPECT_EQ(control<qelLabel>("ballnumber", 1).Caption(), "0");
    EXPECT_EQ(control<Label>("ballmakenum").caption(), "1");
    EXPECT_EQ(control<Label>("zailab", 0).caption(), "副裁判:甲");
    EXPECT_EQ(control<Label>("zailab", 1).caption(), "主裁判:乙");
    EXPECT_FALSE(control<Label>("zailab", 2).visible());
    EXPECT_TRUE(board->keyReady());
    EXPECT_TRUE(board->soundArmed());
    EXPECT_FALSE(board->matchBlinkPhase());
    EXPECT_FALSE(board->musicBlinkPhase());
}

TEST_F(MainFormTest, RosterLabelsAreTransparentGreenNamesAndRedNumbers)
{
    loadBoard();
    for (int i = 0; i < 12; ++i) {
        for (std::string_view name : {"namelab1", "namelab2"}) {
            EXPECT_EQ(control<Label>(name, i).backStyle(), 0) << name << i;
            EXPECT_EQ(control<Label>(name, i).foreColor(), 0x00FF00u) << name << i;
        }
        for (std::string_view name : {"numlab1", "numlab2"}) {
            EXPECT_EQ(control<Label>(name, i).backStyle(), 0) << name << i;
            EXPECT_EQ(control<Label>(name, i).foreColor(), 0x0000FFu) << name << i;
        }
    }
}

TEST_F(MainFormTest, ClosingWritesTheSettingsFile)
{
    std::filesystem::create_directories(path("date"));
    loadBoard();
    user().matchTitle = "决赛";
    user().overtimeLength = 420;
    ASSERT_TRUE(board->unload());
    EXPECT_EQ(readBytes(path("date/config.db")),
        plat::sys::encodeAnsi("allname=决赛\r\ndelalltime=720\r\njstime=420\r\nballname1=\r\nballname2=\r\n"
                              "zainame1=\r\nzainame2=\r\nzainame3=\r\nzainum=0\r\n"));
    EXPECT_TRUE(session->windows().quitRequested());
}

TEST_F(MainFormTest, ResizingSwitchesTheFocusKeeperOnUnlessMinimised)
{
    loadBoard();
    Timer& focusKeeper = control<Timer>("Timer6");
    focusKeeper.setEnabled(false);
    board->move(0, 0, 15000, 11000);
    session->settle();
    EXPECT_TRUE(focusKeeper.enabled());
}

class StatusTickTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        user().keyAddA = 49;
        user().keySubA = 112;
        user().keyAddB = 50;
        user().keySubB = 113;
        loadBoard();
        board->show();
        session->settle();
    }
    void tick() { session->advance(1000); }
};

TEST_F(StatusTickTest, DateKeyHintsAndTheSmallDisplays)
{
    dates.set({2026, 3, 1, 21, 30, 0});
    user().clockSeconds = 45;
    user().periodNumber = 2;
    ResetClockDisplay();
    ShowPeriod();
    tick();
    EXPECT_EQ(control<Label>("timetxt").caption(), "2026/3/1 21:30:00");
    EXPECT_EQ(control<Label>("keylab", 0).caption(), "+分:(1 键) -分:(F1 键)");
    EXPECT_EQ(control<Label>("keylab", 1).caption(), "+分:(2 键) -分:(F2 键)");
    EXPECT_EQ(control<qelLabel>("balltime2").Caption(), "45.0");
    EXPECT_EQ(control<qelLabel>("ballnum2").Caption(), "2");
}

TEST_F(StatusTickTest, RunningIndicatorBlinksOnlyWhileTheClockRuns)
{
    AlphaImage& running = control<AlphaImage>("im1");
    std::string seen;
    for (int i = 0; i < 3; ++i) {
        tick();
        seen += running.visible() ? '1' : '0';
    }
    EXPECT_EQ(seen, "111");
    EXPECT_EQ(running.toolTipText(), "");
    board->setStartButtonCaption("暂停");
    for (int i = 0; i < 4; ++i) {
        tick();
        seen += running.visible() ? '1' : '0';
    }
    EXPECT_EQ(seen, "1110101");
    EXPECT_EQ(running.toolTipText(), "正在比赛中....");
    board->setStartButtonCaption("开始");
    tick();
    EXPECT_TRUE(running.visible());
    EXPECT_EQ(running.toolTipText(), "");
}

TEST_F(StatusTickTest, HeartbeatAlwaysBlinksMusicAndLiveRestWhileOff)
{
    AlphaImage& heartbeat = control<AlphaImage>("im3");
    const bool before = heartbeat.visible();
    tick();
    EXPECT_NE(heartbeat.visible(), before);
    tick();
    EXPECT_EQ(heartbeat.visible(), before);
    EXPECT_TRUE(control<AlphaImage>("im2").visible());
    EXPECT_EQ(control<AlphaImage>("im2").toolTipText(), "");
    EXPECT_TRUE(control<AlphaImage>("im4").visible());

    // Live mode is on while its button is disabled.
    control<qel::qelCommand>("videmode").setEnabled(false);
    std::string seen;
    for (int i = 0; i < 3; ++i) {
        tick();
        seen += control<AlphaImage>("im4").visible() ? '1' : '0';
    }
    EXPECT_EQ(seen, "010");
}

TEST_F(StatusTickTest, RecordCountFollowsTheArchive)
{
    tick();
    EXPECT_EQ(control<qelLabel>("balldateallnum").Caption(), "总共: 0 条");
    std::filesystem::create_directories(path("date"));
    MatchState finished = user();
    finished.matchStartTime = "2026/3/1 9:05:07";
    finished.matchTitle = "Cup";
    ASSERT_TRUE(appendMatchRecord(finished));
    ASSERT_TRUE(appendMatchRecord(finished));
    tick();
    EXPECT_EQ(control<qelLabel>("balldateallnum").Caption(), "总共: 2 条");
}

class NoticeTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        loadBoard();
        board->show();
        session->settle();
    }
    void notice(std::string text)
    {
        user().noticeText = std::move(text);
        board->inshowfame();
        session->settle();
    }
    bool shown() { return control<qelFrame>("inshow").visible(); }
    std::string countdown() { return control<qelLabel>("qel1").Caption(); }
};

TEST_F(NoticeTest, ClosesItselfAfterFiveSecondsWithItsCountdown)
{
    notice("复原成功!");
    EXPECT_TRUE(shown());
    EXPECT_EQ(rectOf(control<qelFrame>("inshow")), (Rect{5970, 8580, 3255, 1665}));
    EXPECT_EQ(control<Label>("L1").caption(), "复原成功!");
    EXPECT_EQ(countdown(), "5秒后关闭");
    EXPECT_EQ(board->noticeSecondsLeft(), 5);
    for (const char* expected : {"4秒后关闭", "3秒后关闭", "2秒后关闭", "1秒后关闭"}) {
        session->advance(1000);
        EXPECT_TRUE(shown());
        EXPECT_EQ(countdown(), expected);
    }
    session->advance(999);
    EXPECT_TRUE(shown());
    session->advance(1);
    EXPECT_FALSE(shown());
    EXPECT_EQ(countdown(), "0秒后关闭");
    EXPECT_FALSE(control<Timer>("Timer10").enabled());
}

TEST_F(NoticeTest, ItComesInFrontOfAPanelOpenedAfterIt)
{
    qelFrame& records = control<qelFrame>("balldate");
    records.setHeight(kRecordListFrameHeight);
    records.setVisible(true);
    records.zOrder(0);
    notice("程序正在计时中不能复原,请暂停后再重试!");
    const plat::forms::Control& box = control<qelFrame>("inshow");
    const plat::gfx::Rect r = session->windows().screenRect(box.hwnd());
    const plat::win::HWND under = session->windows().windowFromPoint({r.left + 20, r.top + r.height() / 2});
    EXPECT_TRUE(under == box.hwnd() || session->windows().isAncestor(box.hwnd(), under));
}

TEST_F(NoticeTest, ANewNoticeRestartsTheCount)
{
    notice("first");
    session->advance(3000);
    notice("second");
    EXPECT_EQ(control<Label>("L1").caption(), "second");
    EXPECT_EQ(countdown(), "5秒后关闭");
    session->advance(4999);
    EXPECT_TRUE(shown());
    session->advance(1);
    EXPECT_FALSE(shown());
}

TEST_F(NoticeTest, TheOkButtonClosesItAndTheNextNoticeGetsFullFiveSeconds)
{
    notice("first");
    clickOn(control<qel::qelToggleButton>("closet"));
    EXPECT_FALSE(shown());
    EXPECT_TRUE(control<Timer>("Timer10").enabled());
    session->advance(1000);
    notice("second");
    EXPECT_TRUE(shown());
    session->advance(4999);
    EXPECT_TRUE(shown());
    session->advance(1);
    EXPECT_FALSE(shown());
}

TEST_F(MainFormTest, RostersAreLoadedTwoSecondsAfterLoadAndWhenTheTimerIsSwitchedOnAgain)
{
    user().teamNameA = "红队";
    user().teamNameB = "蓝队";
    writeBytes(path("binlist/红队.ini"), plat::sys::encodeAnsi("教练:王明\r\n队员:张三=7\r\n"));
    loadBoard();
    session->advance(1999);
    EXPECT_FALSE(control<Label>("namelab1", 0).visible());
    session->advance(1);
    EXPECT_EQ(control<Label>("bflab", 0).caption(), "王明");
    EXPECT_EQ(control<Label>("namelab1", 0).caption(), "张三");
    EXPECT_TRUE(control<Label>("namelab1", 0).visible());
    EXPECT_FALSE(control<Timer>("Timer12").enabled());
    EXPECT_TRUE(std::filesystem::exists(path("binlist/蓝队.ini")));

    writeBytes(path("binlist/红队.ini"), plat::sys::encodeAnsi("队员:李四=9\r\n"));
    session->advance(5000);
    EXPECT_EQ(control<Label>("namelab1", 0).caption(), "张三");
    control<Timer>("Timer12").setEnabled(true);
    session->advance(2000);
    EXPECT_EQ(control<Label>("namelab1", 0).caption(), "李四");
}

TEST_F(MainFormTest, TheClosePictureHidesTheHelpPanelAndPutsItBack)
{
    loadBoard();
    board->show();
    qelFrame& help = control<qelFrame>("helps");
    help.move(3220, 3090, 9045, 5115);
    help.setVisible(true);
    help.zOrder(0);
    session->settle();
    clickOn(control<AlphaImage>("Image5"));
    EXPECT_FALSE(help.visible());
    EXPECT_EQ(rectOf(help), (Rect{2160, 3060, 8565, 3945}));
}

TEST_F(MainFormTest, TheMatchResetReachesTheBoard)
{
    loadBoard();
    control<qelFrame>("look").setVisible(true);
    control<Label>("addtimelab", 0).setVisible(true);
    control<Label>("addtimelab", 1).setVisible(true);
    control<Timer>("Timer2").setEnabled(true);
    board->setStartButtonCaption("暂停");
    user().scoreA = 50;
    user().clockSeconds = 5;
    ResetMatch();
    EXPECT_FALSE(control<qelFrame>("look").visible());
    EXPECT_FALSE(control<Label>("addtimelab", 0).visible());
    EXPECT_FALSE(control<Label>("addtimelab", 1).visible());
    EXPECT_FALSE(control<Timer>("Timer2").enabled());
    EXPECT_EQ(control<qel::qelCommand>("ok").Caption(), "开始");
    EXPECT_EQ(control<qelLabel>("balltime").Caption(), "12:00");
    EXPECT_EQ(control<qelLabel>("ballnumber", 0).Caption(), "0");
}

TEST_F(MainFormTest, TheOptionFileShowsOrHidesTheScoreButtonsAndLights)
{
    writeBytes(path("date/system.db"), "commnum=False\r\nclosesoud=False\r\nballnumsound=True\r\nkeynum=True\r\n"
                                       "commnum=False\r\ncloseMusic=False\r\nnumback=False\r\n");
    loadBoard();
    board->systemopen();
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(control<qel::qelCommand>("v1", i).visible()) << i;
    EXPECT_FALSE(control<AlphaImage>("backw", 1).visible());
    EXPECT_FALSE(control<AlphaImage>("backw", 2).visible());
}

} // namespace
} // namespace scoreboard::test
