// The built program ended from outside (logout, Ctrl+C, the terminal gone) and refused its writes
// (a file-size limit): the operator's settings are kept, and a write that fails is told.
#include "built_program.h"
#include "refused_saves.h"

#include "tests/support/wait_until.h"
#include "tests/support/x_screen.h"
#include "tests/support/xvfb_display.h"

#include "platform/system/ansi_codec.h"

#include <algorithm>
#include <memory>
#include <sys/resource.h>

namespace scoreboard::test {
namespace {

using test_support::eventually;
using test_support::ScreenPicture;

// A hand-edited settings file with LF line ends, and the nine CR LF lines the close writes of it.
const std::string kEditedConfig = "allname=Signal Cup\ndelalltime=480\njstime=300\nballname1=Red\nballname2=Blue\n";
const std::string kSavedConfig = "allname=Signal Cup\r\ndelalltime=480\r\njstime=300\r\nballname1=Red\r\nballname2=Blue\r\n"
                                 "zainame1=\r\nzainame2=\r\nzainame3=\r\nzainum=0\r\n";

const char* signalName(int signal) { return signal == SIGTERM ? "SIGTERM" : signal == SIGINT ? "SIGINT" : "SIGHUP"; }

constexpr int kEndSignals[] = { SIGTERM, SIGINT, SIGHUP };

class EndSignalsDriveTest : public BuiltProgramTest {
protected:
    // Waits until the start-up screen has written its files (the board is loaded by then).
    ::testing::AssertionResult waitForTheLoad() const
    {
        return eventually("the settings written at the load", [&] { return fs::exists(home() / "date/system.db"); });
    }
    // A data folder whose only settings file is the hand-edited one.
    void putOnlyTheEditedConfig() const
    {
        std::error_code error;
        fs::remove_all(home() / "date", error);
        put("date/config.db", kEditedConfig);
    }
    // The run after an end signal: closed as by the operator, the edited settings written anew.
    void expectClosedWithTheSettings(const ProgramRun& run) const
    {
        ASSERT_TRUE(run.ended) << "still running after the signal";
        EXPECT_EQ(run.signal, 0) << "ended by the signal itself, not by the close";
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(read("date/config.db"), kSavedConfig);
        EXPECT_EQ(run.err, "");
    }
};

TEST_F(EndSignalsDriveTest, EachEndSignalOnTheStartUpScreenClosesTheProgramAndWritesTheSettings)
{
    for (const int signal : kEndSignals) {
        SCOPED_TRACE(signalName(signal));
        putOnlyTheEditedConfig();
        StartedProgram program({ ball() }, environment().set("BALL_BACKEND", "headless"));
        ASSERT_TRUE(program.started());
        ASSERT_TRUE(waitForTheLoad()) << program.errorSoFar();
        program.sendSignal(signal);
        expectClosedWithTheSettings(program.waitFor(test_support::kGenerousDeadline));
    }
}

// Every write of the program fails: a file-size limit of 0 bytes, set for the program alone.
void refuseEveryWrite()
{
    rlimit none { 0, 0 };
    ::setrlimit(RLIMIT_FSIZE, &none);
}

// How much of the match title the board shows: its cyan letters in the band at the top.
int titleInk(const ScreenPicture& shown)
{
    return shown.count(0, 0, shown.width, 86, [](uint32_t rgb) {
        const auto [r, g, b] = test_support::channels(rgb);
        return g > 200 && b > 200 && r < 100;
    });
}

// How much text the title box of the title dialog shows: its dark pixels (the caret's among them).
int titleBoxInk(const ScreenPicture& shown)
{
    return shown.count(346, 208, 640, 232, [](uint32_t rgb) {
        const auto [r, g, b] = test_support::channels(rgb);
        return r < 100 && g < 100 && b < 100;
    });
}

// The real program on a display of its own, driven with the mouse and the keyboard.
class SignalOnTheScreenTest : public EndSignalsDriveTest {
protected:
    void SetUp() override
    {
        EndSignalsDriveTest::SetUp();
        if (::access("/usr/bin/Xvfb", X_OK) != 0 || ::access("/usr/bin/xdotool", X_OK) != 0)
            GTEST_SKIP() << "Xvfb and xdotool are needed (scripts/setup.sh installs them)";
    }

    bool tool(const std::vector<std::string>& arguments) const
    {
        std::vector<std::string> argv { "/usr/bin/xdotool" };
        argv.insert(argv.end(), arguments.begin(), arguments.end());
        return delivery::runToEnd(argv, delivery::Environment().set("DISPLAY", m_display)) == 0;
    }
    // A click: the pointer to the point, the button down and up. The X server keeps the order of
    // the input, so the program sees these after what went before; what the click brings about
    // is waited for by the caller.
    void click(int x, int y) const { tool({ "mousemove", std::to_string(x), std::to_string(y), "mousedown", "1", "mouseup", "1" }); }

    ScreenPicture screen() const { return test_support::screenPicture(m_display); }
    // Waits until `shown` holds for what the screen shows, or the program has ended.
    ::testing::AssertionResult awaitScreen(const std::string& what, const std::function<bool(const ScreenPicture&)>& shown)
    {
        return eventually(what, [&] { return !m_program->running() || shown(screen()); });
    }

    // Starts ball full screen on a display of its own and waits until the board shows.
    StartedProgram& startOnTheScreen(const std::function<void()>& inChild = {})
    {
        m_program.reset();
        m_xvfb = std::make_unique<test_support::XvfbDisplay>("1024x768x24", test_support::KeyRepeat::Off);
        EXPECT_TRUE(m_xvfb->running()) << "Xvfb could not start";
        m_display = m_xvfb->name();
        m_program = std::make_unique<StartedProgram>(
            std::vector<std::string>{ ball() }, environment().set("DISPLAY", m_display).set("SDL_VIDEODRIVER", "x11"), inChild);
        EXPECT_TRUE(m_program->started());
        // The start-up screen stays 3 s after the load.
        EXPECT_TRUE(awaitScreen("the board on the screen", test_support::boardShown)) << m_program->errorSoFar();
        return *m_program;
    }

    // Opens the title dialog from the menu row and types `more` at the end of the title; `apply`
    // then presses "应用". Then the signal; the run that follows it.
    ProgramRun editTheTitleThenSignal(const std::string& more, bool apply, int signal)
    {
        StartedProgram& program = startOnTheScreen();
        const int titleBefore = titleInk(screen());
        // The menu row's "设置主题"; the dialog lies centred on the 1024 x 768 screen, its title
        // box at the top, "应用" at the bottom.
        click(116, 745);
        EXPECT_TRUE(awaitScreen("the title dialog", test_support::boxShown));
        const int typedBefore = titleBoxInk(screen());
        click(490, 219);
        tool({ "key", "End" });
        tool({ "type", "--delay", "60", more });
        if (apply) {
            click(619, 565);
            // "应用" closes the dialog, the board shows the longer title.
            EXPECT_TRUE(awaitScreen("the dialog closed and the new title on the board",
                [&](const ScreenPicture& shown) { return !test_support::boxShown(shown) && titleInk(shown) > titleBefore + 1000; }));
        } else {
            EXPECT_TRUE(awaitScreen("the typing in the title box",
                [&](const ScreenPicture& shown) { return titleBoxInk(shown) > typedBefore + 50; }));
        }
        program.sendSignal(signal);
        return program.waitFor(test_support::kGenerousDeadline);
    }

    void TearDown() override
    {
        m_program.reset();
        m_xvfb.reset();
        EndSignalsDriveTest::TearDown();
    }

private:
    std::string m_display;
    std::unique_ptr<test_support::XvfbDisplay> m_xvfb;
    std::unique_ptr<StartedProgram> m_program;
};

TEST_F(SignalOnTheScreenTest, EachEndSignalOnTheBoardClosesItAndWritesTheSettings)
{
    for (const int signal : kEndSignals) {
        SCOPED_TRACE(signalName(signal));
        putOnlyTheEditedConfig();
        StartedProgram& program = startOnTheScreen();
        program.sendSignal(signal);
        expectClosedWithTheSettings(program.waitFor(test_support::kGenerousDeadline));
    }
}

TEST_F(SignalOnTheScreenTest, ATitleAppliedInTheDialogSurvivesKillTerm)
{
    put("date/config.db", kEditedConfig);
    const ProgramRun run = editTheTitleThenSignal(" Final", true, SIGTERM);
    ASSERT_TRUE(run.ended) << "still running after SIGTERM";
    EXPECT_EQ(run.signal, 0);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(read("date/config.db"), "allname=Signal Cup Final\r\n" + kSavedConfig.substr(kSavedConfig.find("\r\n") + 2));
}

TEST_F(SignalOnTheScreenTest, ASignalWhileTheDialogIsOpenEndsWithoutItsEdits)
{
    for (int signal : { SIGTERM, SIGINT, SIGHUP }) {
        SCOPED_TRACE(signalName(signal));
        putOnlyTheEditedConfig();
        const ProgramRun run = editTheTitleThenSignal(" Draft", false, signal);
        ASSERT_TRUE(run.ended) << "still running after the signal";
        EXPECT_EQ(run.signal, 0);
        EXPECT_EQ(run.status, 0) << run.err;
        // What was typed and not applied is dropped, as on "取消"; the settings are written.
        EXPECT_EQ(read("date/config.db"), kSavedConfig);
    }
}

TEST_F(SignalOnTheScreenTest, AtTheOperatorsCloseAFailedWriteIsToldBeforeTheEnd)
{
    for (const bool refused : { false, true }) {
        SCOPED_TRACE(refused ? "writes refused" : "writes allowed");
        putOnlyTheEditedConfig();
        put("date/keyconfig.db", "Aonkey=49\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
        put("date/system.db", "sond10=False\r\n");
        StartedProgram& program = startOnTheScreen(refused ? refuseEveryWrite : std::function<void()>{});
        // "退出程序" on the command bar, then OK in its question.
        click(795, 718);
        ASSERT_TRUE(awaitScreen("the question", test_support::boxShown));
        const int question = test_support::captionPixels(screen());
        tool({ "key", "Return" });
        if (refused) {
            // The message box "错误提示" (wider than the question) waits for its OK before the
            // program ends.
            EXPECT_TRUE(awaitScreen("the message box of the failed write",
                [&](const ScreenPicture& shown) { return test_support::captionPixels(shown) > question + 1000; }));
            EXPECT_TRUE(program.running()) << "ended without telling the failed write";
            tool({ "key", "Return" });
        }
        const ProgramRun run = program.waitFor(test_support::kGenerousDeadline);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.signal, 0);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(read("date/config.db"), refused ? kEditedConfig : kSavedConfig);
    }
}

TEST_F(EndSignalsDriveTest, AWriteTheSystemRefusesIsToldAndKeepsTheFile)
{
    const std::string config = "allname=Cup\r\ndelalltime=1\r\njstime=300\r\nballname1=Red\r\nballname2=Blue\r\n";
    const std::string options = "sond10=False\r\nclosesoud=False\r\nballnumsound=False\r\nkeynum=True\r\ncommnum=True\r\n"
                                "closemusic=False\r\nnumback=True\r\nvideclose=False\r\n";
    const std::string archive = plat::sys::encodeAnsi("比赛时间=a\r\n");
    for (const RefusedSave& row : refusedSaves()) {
        SCOPED_TRACE(row.what);
        std::error_code error;
        fs::remove_all(home(), error);
        put("date/config.db", config);
        put("date/keyconfig.db", "Aonkey=49\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
        put("date/system.db", options);
        put("date/zailistname.db", "");
        put("date/balldate.db", archive);
        put("binlist/Red.ini", "");
        put("binlist/Blue.ini", "");
        const ProgramRun run = drive("wait 3100\nform main\n" + row.steps + "show inshow Visible\nshow L1 Caption\n", {}, refuseEveryWrite);
        ASSERT_TRUE(run.ended);
        EXPECT_EQ(run.signal, 0) << "ended by the file-size signal";
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(lines(run.out), (std::vector<std::string>{ "inshow.Visible=True", "L1.Caption=" + row.notice }));
        EXPECT_EQ(read("date/config.db"), config);
        EXPECT_EQ(read("date/system.db"), options);
        EXPECT_EQ(read("date/balldate.db"), archive);
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(home() / "date"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{ "balldate.db", "config.db", "keyconfig.db", "system.db", "zailistname.db" }))
            << "a temporary file was left";
    }
}

} // namespace
} // namespace scoreboard::test
