#include "ball_drive_fixture.h"

#include "scoreboard/display_routines.h"
#include "scoreboard/exit_command.h"

#include "platform/system/display_modes_service.h"
#include "platform/system/recorded_display_modes.h"

namespace scoreboard::test {
namespace {

using plat::sys::DisplaySize;

const std::string kComm = "sound\\comm.wav";
const std::string kStart = "sound\\2.wav";

// The scoreboard driven by keys and clicks with score keys, score sound and score buttons on.
class ScoreKeysDriveTest : public BallDriveTest {
protected:
    void startScoring(int periodSeconds = 720)
    {
        writeSettings(periodSeconds, 300);
        writeBytes(path("date/system.db"),
            "sond10=False\r\nclosesoud=False\r\nballnumsound=True\r\nkeynum=True\r\ncommnum=True\r\n"
            "closemusic=False\r\nnumback=True\r\nvideclose=False\r\n");
        ASSERT_TRUE(start());
        session->advance(3000);
        ASSERT_TRUE(mainForm().visible());
        t0 = session->nowMs();
    }

    // The scores and the start button as the board shows them, one line.
    std::string board(const std::string& steps)
    {
        const std::string shown = drive(steps + "\nshow ballnumber(0) Caption\nshow ballnumber(1) Caption\nshow ok Caption\n");
        std::string line;
        for (const std::string& l : lines(shown))
            line += (line.empty() ? "" : " ") + l.substr(l.find('=') + 1);
        return line;
    }

    std::vector<std::string> takeSounds()
    {
        std::vector<std::string> names;
        for (const auto& s : sounds)
            names.push_back(s.second);
        sounds.clear();
        return names;
    }

    plat::sys::RecordedDisplayModes& display()
    {
        return dynamic_cast<plat::sys::RecordedDisplayModes&>(plat::sys::displayModes());
    }
};

TEST_F(ScoreKeysDriveTest, KeysWithScoresSoundsAndClock)
{
    startScoring();
    struct Row {
        std::string steps;
        std::string board; // score A, score B, start button
        std::vector<std::string> sounds;
    };
    const Row rows[] = {
        { "key 1", "1 0 开始", { kComm } },
        { "keydown 1\nkeydown 1\nkeydown 1\nkeyup 1", "2 0 开始", {} }, // held: once, and no sound within 2 s
        { "wait 2000\nkey F1", "1 0 开始", { kComm } },
        { "key 2\nkey 2", "1 2 开始", {} },
        { "key F2", "1 1 开始", {} },
        { "wait 2000\nkey A", "1 1 开始", { kComm } }, // bound to nothing: still refreshes and sounds
        { "key F5", "1 1 开始", { "sound\\nbai.wav" } },
        { "keydown F6\nkeydown F6\nkeyup F6", "1 1 开始", { "sound\\nbaf.wav", "sound\\nbaf.wav" } },
        { "key F7", "1 1 开始", { "sound\\nbaa.wav" } },
        { "wait 2000\nkey Enter", "1 1 暂停", { kStart, kComm } },
        { "keydown Enter\nkeydown Enter\nkeydown Enter\nkeyup Enter", "1 1 开始", { kStart } }, // held: toggles once
        { "key 1\nkey 1\nkey 1", "4 1 开始", {} },
        { "wait 2000\nkey Space", "4 1 暂停", { kComm, kStart } }, // not bound: reaches `ok` after the handler
        { "key Space", "4 1 开始", { kStart } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.steps);
        EXPECT_EQ(board(row.steps), row.board);
        EXPECT_EQ(takeSounds(), row.sounds);
    }
}

TEST_F(ScoreKeysDriveTest, ScoresStopAt0And999)
{
    startScoring();
    user().scoreA = 999;
    user().scoreB = 999;
    ShowScores();
    EXPECT_EQ(board("key 1\nkey 2\nclick v1(0)\nclick v1(2)"), "999 999 开始");
    EXPECT_EQ(board("key F1\nkey F2"), "998 998 开始");
    user().scoreA = 0;
    user().scoreB = 0;
    ShowScores();
    EXPECT_EQ(board("key F1\nkey F2\nclick v1(1)\nclick v1(3)"), "0 0 开始");
    EXPECT_EQ(board("key 1\nclick v1(2)"), "1 1 开始");
}

TEST_F(ScoreKeysDriveTest, KeysAndButtonsDoNothingDuringThePeriodReport)
{
    startScoring(3);
    // Three seconds, the hold on "0.0", then the report.
    drive("key Enter\nwait 14000");
    ASSERT_TRUE(mainForm().find("look")->visible());
    const std::string before = board("");
    takeSounds();
    EXPECT_EQ(board("key 1\nkey F2\nkey F5\nkey Enter\nkey Space\nclick v1(0)\nclick v1(3)"), before);
    EXPECT_EQ(user().scoreA, 0);
    // Enter and Space went on to `ok`, whose start command only clicks during the report.
    EXPECT_EQ(takeSounds(), (std::vector<std::string>{ kStart, kStart }));
    EXPECT_TRUE(mainForm().find("look")->visible());
    // The command bar is inert meanwhile, the exit too.
    drive("click on1(2)\nclick on1(6)");
    EXPECT_FALSE(mainForm().find("frameplay")->visible());
    EXPECT_TRUE(mainForm().isLoaded());
}

TEST_F(ScoreKeysDriveTest, CommandBarSwitchesPanels)
{
    startScoring();
    const std::string panels = "\nshow sysset Visible\nshow frameplay Visible\nshow balldate Visible\nshow helps Visible\nshow ballnumfa Visible\n";
    struct Row {
        std::string click;
        std::vector<std::string> shown;
    };
    const Row rows[] = {
        { "click on1(0)", { "sysset.Visible=True", "frameplay.Visible=False", "balldate.Visible=False", "helps.Visible=False", "ballnumfa.Visible=True" } },
        { "click on1(4)", { "sysset.Visible=True", "frameplay.Visible=False", "balldate.Visible=False", "helps.Visible=True", "ballnumfa.Visible=True" } },
        { "click on1(2)", { "sysset.Visible=True", "frameplay.Visible=True", "balldate.Visible=False", "helps.Visible=False", "ballnumfa.Visible=True" } },
        { "click on1(3)", { "sysset.Visible=True", "frameplay.Visible=True", "balldate.Visible=True", "helps.Visible=False", "ballnumfa.Visible=True" } },
        { "click on1(1)", { "sysset.Visible=True", "frameplay.Visible=True", "balldate.Visible=True", "helps.Visible=False", "ballnumfa.Visible=False" } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.click);
        EXPECT_EQ(lines(drive(row.click + panels)), row.shown);
    }
    // After any item the start button has the focus, so Enter starts the clock.
    EXPECT_EQ(board("click on1(3)\nkey Enter"), "0 0 暂停");
}

TEST_F(ScoreKeysDriveTest, ExitIsRefusedWhileTheClockRuns)
{
    startScoring();
    drive("key Enter\nwait 1000\nclick on1(6)\nwait 100");
    EXPECT_TRUE(mainForm().isLoaded());
    EXPECT_EQ(user().noticeText, kExitWhileRunningNotice);
    EXPECT_TRUE(mainForm().find("inshow")->visible());
    EXPECT_TRUE(display().changeRequests().empty());
}

TEST_F(ScoreKeysDriveTest, ExitCancelledLeavesTheBoard)
{
    writeBytes(path("config.ini"), "1920\r\n1080\r\n");
    startScoring();
    drive("click on1(2)\nclick on1(6)\nkey Esc");
    EXPECT_TRUE(mainForm().isLoaded());
    EXPECT_TRUE(mainForm().find("frameplay")->visible());
    EXPECT_TRUE(display().changeRequests().empty());
    EXPECT_EQ(board("key Enter"), "0 0 暂停");
}

TEST_F(ScoreKeysDriveTest, ExitConfirmedPutsTheDisplayBackAndWritesTheSettings)
{
    writeBytes(path("config.ini"), "1920\r\n1080\r\n");
    writeBytes(path("display-switched"), "");
    startScoring();
    user().matchTitle = "Final";
    drive("key 1\nclick on1(6)\nkey Enter");
    EXPECT_FALSE(mainForm().isLoaded());
    EXPECT_EQ(display().changeRequests(), (std::vector<DisplaySize>{ { 1920, 1080 } }));
    EXPECT_EQ(display().screenSize(), (DisplaySize{ 1920, 1080 }));
    EXPECT_FALSE(std::filesystem::exists(path("display-switched"))) << "the launcher's switch is put back";
    EXPECT_EQ(readBytes(path("date/config.db")).rfind("allname=Final\r\n", 0), 0u);
}

// A recorded size the display does not take leaves the switch marked: the next launcher still
// keeps the size to go back to.
TEST_F(ScoreKeysDriveTest, ExitToASizeTheDisplayRefusesKeepsTheSwitchMarked)
{
    writeBytes(path("config.ini"), "1920\r\n1080\r\n");
    writeBytes(path("display-switched"), "");
    startScoring();
    display().setRefuseChanges(true);
    drive("click on1(6)\nkey Enter");
    EXPECT_FALSE(mainForm().isLoaded());
    EXPECT_EQ(display().changeRequests(), (std::vector<DisplaySize>{ { 1920, 1080 } }));
    EXPECT_TRUE(std::filesystem::exists(path("display-switched")));
}

class ExitWithoutSavedSize : public ScoreKeysDriveTest, public ::testing::WithParamInterface<std::string_view> {};

TEST_P(ExitWithoutSavedSize, LeavesTheDisplayAlone)
{
    if (!GetParam().empty())
        writeBytes(path("config.ini"), GetParam());
    startScoring();
    drive("click on1(6)\nkey Enter");
    EXPECT_FALSE(mainForm().isLoaded());
    EXPECT_TRUE(display().changeRequests().empty());
}

// No config.ini, no size in it, or no number.
INSTANTIATE_TEST_SUITE_P(ConfigIni, ExitWithoutSavedSize, ::testing::Values("", "0\r\n0\r\n", "wide\r\n768\r\n"));

} // namespace
} // namespace scoreboard::test
