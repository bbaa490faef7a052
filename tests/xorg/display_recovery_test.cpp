// The display always comes back: after a board killed outright, beside a board that already runs,
// without a display, and when two launchers start at once; on a real X server whose XRandR
// switches modes.
#include "board_on_screen.h"
#include "xorg_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <iostream>
#include <sstream>

namespace xorg_test {
namespace {

namespace fs = std::filesystem;

std::string sizeText(Size size) { return std::to_string(size.width) + "x" + std::to_string(size.height); }

// The names in a folder, sorted, with config.ini's two numbers: what a step leaves on disk.
std::string onDisk(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string() + (entry.is_directory() ? "/" : ""));
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : " ") + name;
        if (name == "config.ini") {
            std::string numbers = readBytes(folder / name);
            std::erase(numbers, '\r');
            std::replace(numbers.begin(), numbers.end(), '\n', '/');
            if (!numbers.empty() && numbers.back() == '/')
                numbers.pop_back();
            text += " (" + numbers + ")";
        }
    }
    return text.empty() ? "nothing" : text;
}

class DisplayRecoveryOnXorg : public OnXorg {
protected:
    fs::path config() const { return session->home() / "config.ini"; }
    bool switchMarked() const { return fs::exists(session->home() / "display-switched"); }

    // The display size after a step, noted for the log of the test.
    void note(const std::string& step)
    {
        steps << "  " << step << ": " << sizeText(session->currentSize()) << "\n";
    }

    // Runs the launcher to its end; its exit status.
    std::optional<int> runLauncher()
    {
        const pid_t launcher = session->start(LAUNCHER_PROGRAM);
        return session->waitExit(launcher);
    }

    // The board the launcher started, once it shows.
    pid_t shownBoard()
    {
        std::optional<pid_t> ball;
        EXPECT_TRUE(waitFor([&] { return (ball = session->findScoreboard()).has_value(); })) << "a board was started";
        EXPECT_TRUE(waitFor([&] { return boardShown(*session); })) << "the board shows";
        return ball.value_or(0);
    }

    // " 退出程序" on the command bar, then OK in its question; the board ends.
    void exitCommand(pid_t ball)
    {
        const Picture board = session->picture();
        session->xdotool({ "mousemove", "795", "718", "click", "1" });
        ASSERT_TRUE(waitFor([&] { return questionShown(session->picture()); })) << "the exit question";
        session->xdotool({ "key", "Return" });
        EXPECT_TRUE(session->waitExit(ball).has_value()) << "the board ends after the exit command";
    }

    std::ostringstream steps;
};

TEST_F(DisplayRecoveryOnXorg, ABoardKilledOutrightIsRecoveredByTheLauncherAndTheExit)
{
    startServer(startingIn(XorgServer::k1920x1080));
    note("before");
    ASSERT_EQ(runLauncher(), std::optional<int>(0));
    note("launcher");
    EXPECT_EQ(session->currentSize(), (Size { 1024, 768 }));
    EXPECT_EQ(readBytes(config()), "1920\r\n1080\r\n");
    EXPECT_TRUE(switchMarked());
    const pid_t first = shownBoard();

    ASSERT_EQ(::kill(first, SIGKILL), 0);
    EXPECT_TRUE(session->waitExit(first).has_value());
    note("kill -9 of the board");
    EXPECT_EQ(session->currentSize(), (Size { 1024, 768 })) << "a board killed outright cannot put it back";
    EXPECT_TRUE(switchMarked()) << "so the switch stays marked";

    // The README's way back: the launcher again, then the exit command.
    ASSERT_EQ(runLauncher(), std::optional<int>(0));
    note("launcher again");
    EXPECT_EQ(readBytes(config()), "1920\r\n1080\r\n") << "the size from before the first switch is kept";
    const pid_t second = shownBoard();
    exitCommand(second);
    EXPECT_TRUE(waitFor([&] { return session->currentSize() == Size { 1920, 1080 }; })) << session->xrandr();
    note("exit");
    EXPECT_FALSE(switchMarked());
    std::cout << "a board killed outright, display size after each step:\n" << steps.str();
}

TEST_F(DisplayRecoveryOnXorg, AfterANormalEndADisplaySetByHandIsRecordedAsItIs)
{
    startServer(startingIn(XorgServer::k1920x1080));
    note("before");
    ASSERT_EQ(runLauncher(), std::optional<int>(0));
    note("launcher");
    exitCommand(shownBoard());
    EXPECT_TRUE(waitFor([&] { return session->currentSize() == Size { 1920, 1080 }; }));
    note("exit");
    EXPECT_FALSE(switchMarked());

    ASSERT_TRUE(session->setSize({ 1024, 768 }));
    note("xrandr -s 1024x768");
    ASSERT_EQ(runLauncher(), std::optional<int>(0));
    note("launcher");
    EXPECT_EQ(readBytes(config()), "1024\r\n768\r\n") << "the run that put the display back ended normally";
    exitCommand(shownBoard());
    note("exit");
    EXPECT_EQ(session->currentSize(), (Size { 1024, 768 })) << "the exit goes back to the size found";
    std::cout << "a normal end, then the display set by hand, display size after each step:\n" << steps.str();
}

// A hidden board holds the data folder (one started headless, as a launcher without a display once
// did): the launcher from the desktop leaves the display as it is and starts nothing.
TEST_F(DisplayRecoveryOnXorg, ALauncherBesideARunningBoardLeavesTheDisplayAsItFindsIt)
{
    startServer(startingIn(XorgServer::k1920x1080));
    const pid_t hidden = session->start(BALL_PROGRAM, { { "BALL_BACKEND", "headless" } });
    // The board writes its settings once it holds the data folder.
    ASSERT_TRUE(waitFor([&] { return fs::exists(session->home() / "date/system.db"); })) << session->output(hidden);

    const pid_t launcher = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(launcher), std::optional<int>(0));
    EXPECT_NE(session->output(launcher).find("main: a board runs already on the data folder"), std::string::npos)
        << session->output(launcher);
    EXPECT_EQ(session->currentSize(), (Size { 1920, 1080 }));
    EXPECT_FALSE(fs::exists(config()));
    EXPECT_FALSE(switchMarked());
    EXPECT_EQ(session->scoreboards(), (std::vector<pid_t> { hidden })) << "no second board was started";
    EXPECT_TRUE(session->isRunning(hidden));
    ::kill(hidden, SIGTERM);
    EXPECT_TRUE(session->waitExit(hidden).has_value());
    EXPECT_EQ(session->currentSize(), (Size { 1920, 1080 }));
}

// No display (none named, or one that does not answer), and no runtime folder either: the launcher
// says so in its own words and ends with status 1, starting nothing; `ball` runs on headless and
// says only its own line. The launcher from the desktop then works as ever.
TEST_F(DisplayRecoveryOnXorg, TheLauncherWithoutADisplayRefusesAndTheNextOneWorks)
{
    startServer(startingIn(XorgServer::k1920x1080));
    // A display number no server has: the harness's servers take the lowest free ones.
    const std::string unreachable = ":64999";
    ASSERT_FALSE(fs::exists("/tmp/.X11-unix/X64999"));
    struct Case {
        std::map<std::string, std::optional<std::string>> environment;
        std::string reason;
    };
    const Case cases[] {
        { { { "DISPLAY", std::nullopt }, { "XDG_RUNTIME_DIR", std::nullopt } }, "DISPLAY is not set" },
        { { { "DISPLAY", unreachable }, { "XDG_RUNTIME_DIR", std::nullopt } }, "the display " + unreachable + " cannot be opened" },
        { { { "DISPLAY", std::nullopt }, { "XDG_RUNTIME_DIR", "relative/run" } }, "DISPLAY is not set" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        std::map<std::string, std::optional<std::string>> environment = c.environment;
        environment["SDL_VIDEODRIVER"] = std::nullopt; // as on a desktop: SDL chooses
        const pid_t launcher = session->start(LAUNCHER_PROGRAM, environment);
        EXPECT_EQ(session->waitExit(launcher), std::optional<int>(1));
        EXPECT_EQ(session->output(launcher), "main: no display to switch (" + c.reason + "); the board is not started\n");
        EXPECT_TRUE(session->scoreboards().empty());
        EXPECT_FALSE(fs::exists(config()));
        EXPECT_FALSE(fs::exists(session->home() / "date"));
        EXPECT_EQ(session->currentSize(), (Size { 1920, 1080 }));

        const pid_t ball = session->start(BALL_PROGRAM, environment);
        const std::string said = "ball: running without a display (" + c.reason + ")\n";
        EXPECT_TRUE(waitFor([&] { return session->output(ball).size() >= said.size(); }));
        EXPECT_TRUE(waitFor([&] { return fs::exists(session->home() / "date/system.db"); })) << "it runs on headless";
        ::kill(ball, SIGTERM);
        EXPECT_TRUE(session->waitExit(ball).has_value());
        EXPECT_EQ(session->output(ball), said) << "only its own words";
        fs::remove_all(session->home() / "date");
    }

    // On the desktop, without a runtime folder and with SDL choosing its drivers, the launcher
    // and its board (which writes where the launcher does) say nothing of the libraries' either.
    const pid_t launcher = session->start(
        LAUNCHER_PROGRAM, { { "XDG_RUNTIME_DIR", std::nullopt }, { "SDL_VIDEODRIVER", std::nullopt }, { "SDL_AUDIODRIVER", std::nullopt } });
    ASSERT_EQ(session->waitExit(launcher), std::optional<int>(0));
    EXPECT_EQ(session->currentSize(), (Size { 1024, 768 }));
    const pid_t ball = shownBoard();
    ::kill(ball, SIGTERM);
    EXPECT_TRUE(session->waitExit(ball).has_value());
    EXPECT_TRUE(waitFor([&] { return session->currentSize() == Size { 1920, 1080 }; }));
    EXPECT_EQ(session->output(launcher).find("XDG_RUNTIME_DIR"), std::string::npos) << session->output(launcher);
}

// A double click on the desktop entry: two launchers a moment apart. The second one either meets
// the first one's lock, or runs right after the first has ended, when the display is switched
// and the first board does not hold the data folder yet; both ways are taken in turn. The size
// from before either switch is kept, one board runs, and its end puts the display back.
TEST_F(DisplayRecoveryOnXorg, TwoLaunchersStartedTogetherKeepTheSizeFromBeforeEither)
{
    startServer(startingIn(XorgServer::k1920x1080));
    constexpr int kRounds = 6;
    int restored = 0;
    std::cout << "before: " << onDisk(session->home()) << ", the display " << sizeText(session->currentSize()) << "\n";
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const bool together = round % 2 == 0;
        const pid_t first = session->start(LAUNCHER_PROGRAM);
        std::optional<pid_t> second;
        if (together)
            second = session->start(LAUNCHER_PROGRAM);
        EXPECT_EQ(session->waitExit(first), std::optional<int>(0));
        if (!together)
            second = session->start(LAUNCHER_PROGRAM);
        EXPECT_EQ(session->waitExit(*second), std::optional<int>(0));
        EXPECT_EQ(readBytes(config()), "1920\r\n1080\r\n");
        ASSERT_TRUE(waitFor([&] { return boardShown(*session); })) << "a board shows";
        ASSERT_TRUE(waitFor([&] { return session->scoreboards().size() == 1; })) << "one board runs";
        const pid_t ball = session->scoreboards().front();
        EXPECT_EQ(session->currentSize(), (Size { 1024, 768 }));
        std::cout << "round " << round << (together ? ", started together" : ", the second as the first ended")
                  << ": while the board runs " << onDisk(session->home()) << ", the display " << sizeText(session->currentSize());
        ::kill(ball, SIGTERM);
        EXPECT_TRUE(session->waitExit(ball).has_value());
        const bool back = waitFor([&] { return session->currentSize() == Size { 1920, 1080 }; });
        EXPECT_TRUE(back) << session->xrandr();
        restored += back ? 1 : 0;
        EXPECT_FALSE(switchMarked());
        std::cout << "; after its end " << onDisk(session->home()) << ", the display " << sizeText(session->currentSize()) << "\n";
    }
    std::cout << "two launchers at once: the display back at 1920x1080 after " << restored << " of " << kRounds << " rounds\n";
}

} // namespace
} // namespace xorg_test
