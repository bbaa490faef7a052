// The built ball on a real X server, worked as the operator works it: keys of a real keyboard
// through xdotool, the desktop's clipboard through xclip. What the board shows is compared with
// what the headless ball-drive shows for the same state.
#include "delivery_fixture.h"

namespace delivery {
namespace {

const fs::path kProgramFolder = BALL_PROGRAM_FOLDER;

bool toolsPresent()
{
    for (const char* tool : { "/usr/bin/Xvfb", "/usr/bin/xdotool", "/usr/bin/xclip", "/usr/bin/import", "/usr/bin/compare", "/usr/bin/convert" })
        if (::access(tool, X_OK) != 0)
            return false;
    return true;
}

// Both score displays of the board, in screen pixels: x, y, width, height.
struct Region {
    int x, y, width, height;
    std::string crop() const
    {
        return std::to_string(width) + "x" + std::to_string(height) + "+" + std::to_string(x) + "+" + std::to_string(y);
    }
};
constexpr Region kScores{ 8, 407, 1010, 272 };

class OperatorDesktopTest : public DeliveryTest {
protected:
    void SetUp() override
    {
        DeliveryTest::SetUp();
        if (!toolsPresent())
            GTEST_SKIP() << "Xvfb, xdotool, xclip and ImageMagick are needed (scripts/setup.sh installs them)";
        m_display = std::make_unique<XvfbDisplay>("1024x768x24", test_support::KeyRepeat::Off);
        ASSERT_TRUE(m_display->running()) << "Xvfb could not start";
        m_tools.set("DISPLAY", m_display->name());
        home = scratch("home");
        fs::create_directories(home);
    }
    void TearDown() override
    {
        m_ball.reset();
        m_display.reset();
        DeliveryTest::TearDown();
    }

    void startBall()
    {
        m_ball = std::make_unique<ChildProcess>(std::vector<std::string>{ (kProgramFolder / "ball").string() },
            userEnvironment().set("BALL_HOME", home.string()).set("DISPLAY", m_display->name()).set("SDL_VIDEODRIVER", "x11"),
            scratch("ball.err").string());
        ASSERT_TRUE(m_ball->started());
    }
    int tool(const std::vector<std::string>& argv) { return runToEnd(argv, m_tools); }
    int xdotool(std::vector<std::string> argv)
    {
        argv.insert(argv.begin(), "/usr/bin/xdotool");
        return tool(argv);
    }
    // What another program reads from the desktop's clipboard.
    std::string clipboard()
    {
        const fs::path out = scratch("clipboard.txt");
        fs::remove(out);
        tool({ "/bin/sh", "-c", "xclip -o -selection clipboard > '" + out.string() + "' 2>/dev/null" });
        return readFile(out);
    }
    bool clipboardBecomes(const std::string& text)
    {
        return test_support::waitUntil([&] { return clipboard() == text; });
    }

    // The headless ball-drive's picture of a state: the score displays after its script.
    fs::path reference(const std::string& name, const std::string& script)
    {
        const fs::path shot = scratch(name + "-full.png"), cropped = scratch(name + ".png");
        const fs::path scriptFile = scratch(name + ".drive");
        writeFile(scriptFile, script + "\nshot " + shot.string() + "\n");
        const fs::path driveHome = scratch(name + "-home");
        fs::create_directories(driveHome);
        EXPECT_EQ(runToEnd({ (kProgramFolder / "ball-drive").string(), "--home", driveHome.string(), scriptFile.string() },
                      userEnvironment()),
            0);
        EXPECT_EQ(runToEnd({ "/usr/bin/convert", shot.string(), "-crop", kScores.crop(), "+repage", cropped.string() }), 0);
        return cropped;
    }
    bool samePicture(const fs::path& a, const fs::path& b)
    {
        return tool({ "/usr/bin/compare", "-metric", "AE", a.string(), b.string(), "/dev/null" }) == 0;
    }
    // Until the real screen's score displays show exactly what the reference shows.
    bool screenShows(const fs::path& expected)
    {
        const fs::path now = scratch("screen.png");
        return test_support::waitUntil(
            [&] {
                return tool({ "/usr/bin/import", "-window", "root", "-crop", kScores.crop(), "+repage", now.string() }) == 0
                    && samePicture(now, expected);
            },
            kGenerousDeadline, 100ms);
    }

    const Environment& toolsEnvironment() const { return m_tools; }

    fs::path home;

private:
    std::unique_ptr<XvfbDisplay> m_display;
    std::unique_ptr<ChildProcess> m_ball;
    Environment m_tools;
};

// Shift configured as team A's plus key (the key dialog stores 16) scores from either Shift, and
// presses that overlap (Shift down, 2 down, Shift up, 2 up) score for both teams.
TEST_F(OperatorDesktopTest, ShiftAsAScoreKeyAndOverlappingPressesScoreOnTheBuiltBall)
{
    const fs::path zero = reference("zero", "wait 4000");
    const fs::path twoOne = reference("two-one", "wait 4000\nkey 1\nkey 1\nkey 2");
    ASSERT_FALSE(samePicture(zero, twoOne));
    writeFile(home / "date/keyconfig.db", "Aonkey=16\r\nAoutkey=112\r\nBonkey=50\r\nBoutkey=113\r\n");
    startBall();
    ASSERT_TRUE(screenShows(zero)) << "the board never came up: " << readFile(scratch("ball.err"));
    // By key code: by name xdotool would press the left Shift along with the right one.
    ASSERT_EQ(xdotool({ "keydown", "62", "keyup", "62", "keydown", "50", "keydown", "2", "keyup", "50", "keyup", "2" }), 0);
    EXPECT_TRUE(screenShows(twoOne)) << "the board does not show 2:1";
}

// The options panel's minutes box: copied with Ctrl+C, read by xclip; a text xclip holds pasted
// with Ctrl+V, twice, and copied back.
TEST_F(OperatorDesktopTest, TheBuiltBallsTextBoxesUseTheDesktopsClipboard)
{
    const fs::path zero = reference("zero", "wait 4000");
    startBall();
    ASSERT_TRUE(screenShows(zero)) << "the board never came up: " << readFile(scratch("ball.err"));
    // " 系统设置" in the command bar, then the minutes box of the period length ("12").
    ASSERT_EQ(xdotool({ "mousemove", "230", "719", "click", "1", "mousemove", "60", "196", "click", "1" }), 0);
    ASSERT_EQ(xdotool({ "key", "ctrl+a", "ctrl+c" }), 0);
    EXPECT_TRUE(clipboardBecomes("12")) << "xclip read \"" << clipboard() << "\"";

    const fs::path copied = scratch("copied.txt");
    writeFile(copied, "3");
    ChildProcess owner({ "/bin/sh", "-c", "exec xclip -quiet -i -selection clipboard '" + copied.string() + "' > /dev/null" }, toolsEnvironment());
    ASSERT_TRUE(clipboardBecomes("3")) << "xclip never took the clipboard";
    ASSERT_EQ(xdotool({ "key", "ctrl+a", "ctrl+v", "End", "ctrl+v", "ctrl+a", "ctrl+c" }), 0);
    EXPECT_TRUE(clipboardBecomes("33")) << "xclip read \"" << clipboard() << "\"";
}

} // namespace
} // namespace delivery
