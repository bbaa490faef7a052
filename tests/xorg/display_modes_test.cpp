// The launcher and the scoreboard on a real X server whose XRandR switches modes.
#include "x_session.h"
#include "xorg_server.h"

#include "../support/wait_until.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>

namespace xorg_test {
namespace {

namespace fs = std::filesystem;
using Mode = XorgServer::Mode;
using test_support::eventually;

const std::vector<Mode> kAllModes { XorgServer::k1920x1080, XorgServer::k1280x1024, XorgServer::k1024x768, XorgServer::k800x600 };

// The modes with `first` first: the server starts in it.
std::vector<Mode> startingIn(const Mode& first, std::vector<Mode> modes = kAllModes)
{
    std::vector<Mode> ordered { first };
    for (const Mode& mode : modes)
        if (mode.width != first.width || mode.height != first.height)
            ordered.push_back(mode);
    return ordered;
}

std::string readBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class DisplayModesOnXorg : public ::testing::Test {
protected:
    void startServer(const std::vector<Mode>& modes)
    {
        if (!server.start(modes))
            GTEST_SKIP() << "no X server for this test: " << server.error();
        session = std::make_unique<XSession>(server.display());
    }

    // The board on the screen, past the start-up screen (or the program gone).
    ::testing::AssertionResult boardShown(pid_t ball) const
    {
        return eventually("the board on the screen", [&] { return !session->isRunning(ball) || test_support::boardShown(session->picture()); });
    }
    // A message box or a dialog on the screen (or the program gone).
    ::testing::AssertionResult boxShown(pid_t ball) const
    {
        return eventually("a message box on the screen", [&] { return !session->isRunning(ball) || test_support::boxShown(session->picture()); });
    }
    // The running ball this session's launcher started.
    ::testing::AssertionResult scoreboardFound(std::optional<pid_t>& ball) const
    {
        return eventually("ball started", [&] { return (ball = session->findScoreboard()).has_value(); });
    }
    ::testing::AssertionResult screenSize(Size size) const
    {
        return eventually("the screen at " + std::to_string(size.width) + " x " + std::to_string(size.height),
            [&] { return session->currentSize() == size; });
    }

    void TearDown() override
    {
        session.reset();
        server.stop();
    }

    XorgServer server;
    std::unique_ptr<XSession> session;
};

TEST_F(DisplayModesOnXorg, TheLauncherSwitchesTo1024By768AndTheExitCommandGoesBack)
{
    startServer(startingIn(XorgServer::k1280x1024));
    const std::string before = session->xrandr();
    ASSERT_EQ(session->currentSize(), (Size { 1280, 1024 }));

    const pid_t launcher = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(launcher), std::optional<int>(0)) << "the launcher ends after starting ball";
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1280\r\n1024\r\n");
    EXPECT_EQ(session->currentSize(), (Size { 1024, 768 }));
    std::optional<pid_t> ball;
    ASSERT_TRUE(scoreboardFound(ball));
    ASSERT_TRUE(boardShown(*ball)) << "the board shows after the start-up screen";
    const std::string during = session->xrandr();

    // A second launcher run while the match goes on keeps the size to go back to.
    const pid_t again = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(again), std::optional<int>(0));
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1280\r\n1024\r\n");

    // The exit command on the command bar, then OK in its question.
    session->xdotool({ "mousemove", "795", "718", "click", "1" });
    ASSERT_TRUE(boxShown(*ball)) << "the question";
    session->xdotool({ "key", "Return" });
    EXPECT_TRUE(session->waitExit(*ball).has_value()) << "ball ends after the exit command";
    EXPECT_TRUE(screenSize({ 1280, 1024 }));
    const std::string after = session->xrandr();
    std::cout << "xrandr before the launcher:\n" << before << "\nduring the match:\n" << during << "\nafter the exit:\n" << after;
}

TEST_F(DisplayModesOnXorg, ClosingTheBoardAnotherWayAlsoGoesBack)
{
    struct Way {
        const char* what;
        std::function<bool(pid_t)> close;
    };
    const Way ways[] = {
        // The close request a window manager's close button sends.
        { "a close request", [&](pid_t ball) { return session->requestClose(ball); } },
        // Logout, Ctrl+C, the terminal gone: the board's own close as well.
        { "SIGTERM", [](pid_t ball) { return ::kill(ball, SIGTERM) == 0; } },
        { "SIGINT", [](pid_t ball) { return ::kill(ball, SIGINT) == 0; } },
        { "SIGHUP", [](pid_t ball) { return ::kill(ball, SIGHUP) == 0; } },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        startServer(startingIn(XorgServer::k1920x1080));
        const pid_t launcher = session->start(LAUNCHER_PROGRAM);
        ASSERT_EQ(session->waitExit(launcher), std::optional<int>(0));
        ASSERT_EQ(session->currentSize(), (Size { 1024, 768 }));
        std::optional<pid_t> ball;
        ASSERT_TRUE(scoreboardFound(ball));
        ASSERT_TRUE(boardShown(*ball));
        EXPECT_TRUE(way.close(*ball));
        EXPECT_TRUE(session->waitExit(*ball).has_value()) << "ball ends";
        EXPECT_TRUE(screenSize({ 1920, 1080 })) << session->xrandr();
        const std::string settings = readBytes(session->home() / "date/config.db");
        EXPECT_EQ(std::count(settings.begin(), settings.end(), '\n'), 9) << "the close writes the nine lines of the settings";
        TearDown();
    }
}

TEST_F(DisplayModesOnXorg, BallStartedDirectlyOnALargerScreenHintsThenShowsTheBoard)
{
    startServer(startingIn(XorgServer::k1280x1024));
    const pid_t ball = session->start(BALL_PROGRAM);
    // The hint about the screen size stands until OK, with no board behind it yet.
    ASSERT_TRUE(boxShown(ball));
    EXPECT_TRUE(session->isRunning(ball));
    const ScreenPicture hint = session->picture();
    EXPECT_FALSE(test_support::boardShown(hint));
    EXPECT_GT(hint.count([](uint32_t p) { return p != 0; }), 10000) << "the message box is on the screen";
    session->xdotool({ "key", "Return" });
    ASSERT_TRUE(boardShown(ball)) << "then the board";
    EXPECT_EQ(session->currentSize(), (Size { 1280, 1024 })) << "ball itself does not switch";
    // The board is scaled to the width, with bars above and below.
    const ScreenPicture board = session->picture();
    EXPECT_EQ(board.count(0, 0, 1280, 30, [](uint32_t p) { return p != 0; }), 0);
    EXPECT_GT(board.count(0, 32, 1280, 1024 - 32, [](uint32_t p) { return p != 0; }), 500000);
}

TEST_F(DisplayModesOnXorg, BallRefusesA800By600Screen)
{
    startServer(startingIn(XorgServer::k800x600));
    const pid_t ball = session->start(BALL_PROGRAM);
    ASSERT_TRUE(boxShown(ball));
    ASSERT_TRUE(session->isRunning(ball)) << "the stop message waits for OK";
    const ScreenPicture box = session->picture();
    EXPECT_GT(box.count([](uint32_t p) { return p != 0; }), 10000);
    session->xdotool({ "key", "Return" });
    EXPECT_EQ(session->waitExit(ball), std::optional<int>(0)) << "and the program ends";
    EXPECT_EQ(session->currentSize(), (Size { 800, 600 }));
    EXPECT_FALSE(fs::exists(session->home() / "date")) << "nothing is written";
}

TEST_F(DisplayModesOnXorg, WithoutA1024By768ModeTheDisplayStaysAndTheBoardIsScaled)
{
    startServer({ XorgServer::k1280x1024, XorgServer::k1920x1080, XorgServer::k800x600 });
    const pid_t launcher = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(launcher), std::optional<int>(0));
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1280\r\n1024\r\n");
    EXPECT_EQ(session->currentSize(), (Size { 1280, 1024 }));
    std::optional<pid_t> ball;
    ASSERT_TRUE(scoreboardFound(ball));
    // The hint about the larger screen, then the board, scaled into 1280 x 992.
    ASSERT_TRUE(boxShown(*ball));
    session->xdotool({ "key", "Return" });
    ASSERT_TRUE(boardShown(*ball));
    const ScreenPicture board = session->picture();
    EXPECT_EQ(board.count(0, 0, 1280, 30, [](uint32_t p) { return p != 0; }), 0);
    EXPECT_GT(board.count(0, 32, 1280, 1024 - 32, [](uint32_t p) { return p != 0; }), 500000);
}

} // namespace
} // namespace xorg_test
