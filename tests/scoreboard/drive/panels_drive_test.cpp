// End-to-end checks of the record view, the options panel, live video and the logo chooser: the
// whole program runs in ball-drive on a fresh program folder, from a script; the test reads what
// the script printed, the files it left and the screenshots it took.
#include "built_program.h"

#include "platform/system/ansi_codec.h"

#include <cstdlib>

namespace scoreboard::test {
namespace {

std::string record(int n)
{
    const std::string k = std::to_string(n);
    return plat::sys::encodeAnsi("比赛时间=2026-03-0" + k + " 09:05:07\r\n比赛主题=春季杯 第" + k + "场\r\n球队1=红队\r\nVS=VS\r\n"
        "球队2=蓝队\r\n第一节=20:18\r\n第二节=18:20\r\n第三节=22:20\r\n第四节=20:2" + k + "\r\n总分=80:7" + k
        + "\r\n备注=\r\n");
}

std::string testPicture()
{
    const char* source = std::getenv("SCOREBOARD_SOURCE_DIR");
    const fs::path root = source && *source ? fs::path(source) : fs::path(__FILE__).parent_path().parent_path().parent_path().parent_path();
    return (root / "resources/test/picture.png").string();
}

class PanelsDriveTest : public BuiltProgramTest {
protected:
    fs::path shot(const std::string& name) const { return scratch(name); }

    // Runs the script once the board is up.
    ProgramRun onTheBoard(const std::string& script, const std::vector<std::string>& options = {},
        const std::optional<delivery::Environment>& env = std::nullopt) const
    {
        return drive(env ? *env : environment(), "wait 3100\nform main\n" + script, options);
    }

    std::string archive() const { return read("date/balldate.db"); }
};

TEST_F(PanelsDriveTest, TheRecordViewListsDeletesAndClearsTheArchive)
{
    put("date/balldate.db", record(1) + record(2) + record(3));
    const ProgramRun run = onTheBoard("click on1(3)\nclick lookdate\nwait 1000\n"
                               "show balldate Height\nshow balldateallnum Caption\n"
                               "shot " + shot("records.png").string() + "\n"
                               // The first row, then "删除" and OK in the question.
                               "click balllist1\nkey Home\nclick qelcom(0)\nkey Enter\nwait 1000\n"
                               "show balldateallnum Caption\n"
                               // "全部清空", Esc first, then OK.
                               "click qelcom(1)\nkey Esc\nwait 1000\nshow balldateallnum Caption\n"
                               "click qelcom(1)\nkey Enter\nwait 1000\nshow balldateallnum Caption\n"
                               "click backer\nshow balldate Height\nshow lookdate Visible\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{"balldate.Height=8850", "balldateallnum.Caption=总共: 3 条",
                                  "balldateallnum.Caption=总共: 2 条", "balldateallnum.Caption=总共: 2 条",
                                  "balldateallnum.Caption=总共: 0 条", "balldate.Height=4125", "lookdate.Visible=True"}));
    EXPECT_EQ(archive(), "\r\n");
    EXPECT_TRUE(fs::exists(shot("records.png")));
}

// The open list leaves the bottom strip free: the command bar, the score buttons and the logo
// take their clicks, and a mode the command bar brings in front closes the list.
TEST_F(PanelsDriveTest, TheOpenRecordListLeavesTheCommandBarInReach)
{
    put("date/balldate.db", record(1));
    const ProgramRun run = onTheBoard("click on1(3)\nclick lookdate\nwait 500\n"
                               "click v1(0)\nshow ballnumber(0) Caption\n"
                               "click on1(2)\nshow frameplay Visible\nshow ballnumfa Visible\n"
                               "show balldate Height\nshow lookdate Visible\n"
                               "click on1(3)\nclick lookdate\nwait 500\n"
                               "click on1(1)\nshow ballnumfa Visible\nshow balldate Height\n"
                               "click on1(3)\nclick lookdate\nwait 500\n"
                               "click mainlogo\nshow balldate Height\n");
    ASSERT_EQ(run.status, 0) << run.err;
    // A mode in front closes the list, which would otherwise stay over the names and scores.
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{"ballnumber(0).Caption=1", "frameplay.Visible=True",
                                  "ballnumfa.Visible=True", "balldate.Height=4125", "lookdate.Visible=True",
                                  "ballnumfa.Visible=False", "balldate.Height=4125", "balldate.Height=4125"}));
}

TEST_F(PanelsDriveTest, DeletingOneRecordRewritesTheOthersByteForByte)
{
    put("date/balldate.db", record(1) + record(2) + record(3));
    const ProgramRun run = onTheBoard("click on1(3)\nclick lookdate\nclick balllist1\nkey Home\nkey Down\n"
                               "click qelcom(0)\nkey Enter\nwait 100\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(archive(), record(1) + record(3));
}

TEST_F(PanelsDriveTest, TheOptionsAreWrittenByteForByteAndReadAtTheNextStart)
{
    // From the first-run file: 十秒倒计时响铃 and 计时结束后响铃 ticked, the score buttons cleared.
    const ProgramRun save = onTheBoard("click on1(0)\nshow sysset Visible\nshow settxt(0) Text\nshow settxt(1) Text\n"
                                "click sqel1(0)\nclick sqel1(1)\nclick sqel1(4)\n"
                                "shot " + shot("options.png").string() + "\n"
                                "click qelsave\nshow sysset Visible\nshow inshow Visible\nshow L1 Caption\n"
                                "show v1(0) Visible\n");
    ASSERT_EQ(save.status, 0) << save.err;
    EXPECT_EQ(lines(save.out), (std::vector<std::string>{"sysset.Visible=True", "settxt(0).Text=12", "settxt(1).Text=00",
                                   "sysset.Visible=False", "inshow.Visible=True", "L1.Caption=保存成功!",
                                   "v1(0).Visible=False"}));
    EXPECT_EQ(read("date/system.db"),
        "sond10=True\r\nclosesoud=True\r\nballnumsound=True\r\nkeynum=True\r\ncommnum=False\r\n"
        "closemusic=False\r\nnumback=True\r\nvideclose=True\r\n");

    const ProgramRun next = onTheBoard("show v1(0) Visible\nclick on1(0)\n"
                                "show sqel1(0) Value\nshow sqel1(1) Value\nshow sqel1(4) Value\nshow sqel1(5) Value\n");
    ASSERT_EQ(next.status, 0) << next.err;
    EXPECT_EQ(lines(next.out), (std::vector<std::string>{"v1(0).Visible=False", "sqel1(0).Value=1", "sqel1(1).Value=1",
                                   "sqel1(4).Value=0", "sqel1(5).Value=0"}));
}

TEST_F(PanelsDriveTest, TheLogoIsChosenWithTheOpenDialogAndShownOnceSaved)
{
    const ProgramRun run = onTheBoard("click on1(0)\nclick mainpngcomm\nwait 100\ntype " + testPicture()
        + "\nkey Enter\nwait 100\nform main\n"
          "shot " + shot("logo-chosen.png").string() + "\n"
          "click qelsave\nshow mainlogo Picture\nshow L1 Caption\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read("img/logo.png"), readBytes(testPicture()));
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 2u) << run.out;
    EXPECT_NE(out[0].find("img/logo.png"), std::string::npos) << out[0];
    EXPECT_EQ(out[1], "L1.Caption=保存成功!");
}

TEST_F(PanelsDriveTest, LiveVideoShowsTheTestPictureAndGoesBackToTheBoard)
{
    const ProgramRun run = onTheBoard("click on1(2)\nclick videmode\nshow videlook Visible\nshow MP3mode Enabled\n"
                               "wait 6500\nshow qelFrame1 Visible\n"
                               "shot " + shot("live.png").string() + "\n"
                               "click MP3mode\nshow videlook Visible\nshow qelFrame1 Visible\nshow videmode Enabled\n"
                               "click on1(1)\nshow showtime Visible\n",
        { "--real-clock" }, environment().set("BALL_CAPTURE_PIPELINE", "videotestsrc is-live=true pattern=smpte ! video/x-raw,width=320,height=240"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines(run.out), (std::vector<std::string>{"videlook.Visible=True", "MP3mode.Enabled=True", "qelFrame1.Visible=False",
                                  "videlook.Visible=False", "qelFrame1.Visible=True", "videmode.Enabled=True",
                                  "showtime.Visible=True"}));
    EXPECT_TRUE(fs::exists(shot("live.png")));
}

} // namespace
} // namespace scoreboard::test
