// ball-drive as a tool: its help, and how a script ends that cannot go on.
#include "built_program.h"

namespace scoreboard::test {
namespace {

class DriveToolTest : public BuiltProgramTest {
protected:
    ProgramRun run(const std::vector<std::string>& argv) const
    {
        StartedProgram program(argv, environment());
        EXPECT_TRUE(program.started());
        return program.waitFor(std::chrono::minutes(1));
    }
};

constexpr const char* kAfterStartUp = "wait 3100\nform main\n";

TEST_F(DriveToolTest, HelpPrintsTheUsageWithEveryOptionAndStep)
{
    for (const char* help : {"--help", "-h"}) {
        SCOPED_TRACE(help);
        const ProgramRun helped = run({ballDrive(), help});
        ASSERT_TRUE(helped.ended);
        EXPECT_EQ(helped.status, 0);
        EXPECT_EQ(helped.err, "");
        EXPECT_EQ(helped.out.rfind("usage: ball-drive [--home DIR] [--screen WxH] [--real-clock] [SCRIPT]\n", 0), 0u) << helped.out;
        for (const char* item : {"--home DIR", "--screen WxH", "--real-clock", "wait MS", "key KEY", "keydown KEY", "keyup KEY",
                 "type TEXT", "click NAME", "dblclick NAME", "rclick NAME", "press NAME", "release NAME", "hover NAME", "show NAME PROP...",
                 "form NAME", "shot FILE", "F1-F24"})
            EXPECT_NE(helped.out.find(item), std::string::npos) << item;
    }
    EXPECT_TRUE(fs::is_empty(home())) << "help starts nothing";
}

// A script that is over, or fails, while a box waits for an answer ends with what went wrong
// and status 2, never with an abort.
TEST_F(DriveToolTest, AScriptOverWhileABoxWaitsEndsWithItsErrorAndStatusTwo)
{
    const struct {
        const char* screen; // empty: 1024x768
        std::string script;
        const char* error;
    } cases[] = {
        // The small-screen advice on the start-up screen, before the board is up.
        {"800x600", "wait 100\n", "ball-drive: the script ended while MsgBox \"系统提示\" still waits for an answer\n"},
        {"800x600", "wait 100\nclick nosuch\n", "line 2: form \"MsgBox\" has no control \"nosuch\"\n"},
        // The question of the exit command on the board.
        {"", std::string(kAfterStartUp) + "click on1(6)\n",
            "ball-drive: the script ended while MsgBox \"提示\" still waits for an answer\n"},
        {"", std::string(kAfterStartUp) + "click on1(6)\nshow nosuch Caption\n", "line 4: form \"main\" has no control \"nosuch\"\n"},
        // A setup dialog left open.
        {"", std::string(kAfterStartUp) + "press lab(0)\nwait 300\n",
            "ball-drive: the script ended while m1 \"比赛主题设置\" still waits for an answer\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        const ProgramRun result = drive(c.script, *c.screen ? std::vector<std::string>{"--screen", c.screen} : std::vector<std::string>{});
        ASSERT_TRUE(result.ended);
        EXPECT_EQ(result.signal, 0);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, c.error);
    }
}

TEST_F(DriveToolTest, AShotIntoAFolderOrAFolderThatIsNotThereIsAClearError)
{
    fs::create_directories(scratch("pictures"));
    const struct {
        std::string file;
        std::string error;
    } cases[] = {
        {scratch("pictures").string(), "line 2: shot wants a file name: \"" + scratch("pictures").string() + "\" is a folder\n"},
        {scratch("pictures").string() + "/", "line 2: shot wants a file name: \"" + scratch("pictures").string() + "/\" is a folder\n"},
        {scratch("nowhere/board.png").string(),
            "line 2: shot cannot write \"" + scratch("nowhere/board.png").string() + "\": there is no folder \""
                + scratch("nowhere").string() + "\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const ProgramRun result = drive("wait 100\nshot " + c.file + "\n");
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, c.error);
    }
    const ProgramRun written = drive("wait 100\nshot " + scratch("pictures/board.png").string() + "\n");
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(fs::is_regular_file(scratch("pictures/board.png")));
}

} // namespace
} // namespace scoreboard::test
