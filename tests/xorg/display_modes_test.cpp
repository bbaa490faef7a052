// The launcher and the scoreboard on a real X server whose XRandR switches modes.
#include "x_session.h"
#include "xorg_server.h"

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

// The running clock's digits and the stopped clock's are the board's green (and the score's
// orange is not): enough of it means the board is on the screen.
bool isClockGreen(uint32_t rgb)
{
    const int r = int(rgb >> 16) & 0xFF, g = int(rgb >> 8) & 0xFF, b = int(rgb) & 0xFF;
    return g > 180 && r < 100 && b < 100;
}

int clockGreen(const Picture& picture)
{
    return picture.count(0, 0, picture.size.width, picture.size.height, isClockGreen);
}

class DisplayModesOnXorg : public ::testing::Test {
protected:
    void startServer(const std::vector<Mode>& modes)
    {
        if (!server.start(modes))
            GTEST_SKIP() << "no X server for this test: " << server.error();
        session = std::make_unique<XSession>(server.display());
    }

    // Waits until `done` holds, up to `ms`.
    template<typename Done> bool waitFor(Done done, int ms = 10000) { return XSession::waitFor(done, ms); }

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
    EXPECT_EQ(session->waitExit(launcher, 15000), std::optional<int>(0)) << "the launcher ends after starting ball";
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1280\r\n1024\r\n");
    EXPECT_EQ(session->currentSize(), (Size { 1024, 768 }));
    std::optional<pid_t> ball;
    ASSERT_TRUE(waitFor([&] { return (ball = session->findScoreboard()).has_value(); })) << "ball was started";
    ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; })) << "the board shows after the start-up screen";
    const std::string during = session->xrandr();

    // A second launcher run while the match goes on keeps the size to go back to.
    const pid_t again = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(again, 15000), std::optional<int>(0));
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1280\r\n1024\r\n");

    // The exit command on the command bar, then OK in its question.
    session->xdotool({ "mousemove", "795", "718", "click", "1" });
    XSession::pause(800);
    session->xdotool({ "key", "Return" });
    EXPECT_TRUE(session->waitExit(*ball, 10000).has_value()) << "ball ends after the exit command";
    EXPECT_TRUE(waitFor([&] { return session->currentSize() == Size { 1280, 1024 }; }, 5000));
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
        // The close request a window manager's close button sends, then OK in its question.
        { "a close request",
            [&](pid_t ball) {
                const bool sent = session->requestClose(ball);
                waitFor([&] { return session->picture().count(312, 284, 712, 484, [](uint32_t rgb) { return rgb == 0xF0F0F0u; }) > 3000; });
                return sent && session->xdotool({ "key", "Return" });
            } },
        // Logout, Ctrl+C, the terminal gone: the board's own close as well.
        { "SIGTERM", [](pid_t ball) { return ::kill(ball, SIGTERM) == 0; } },
        { "SIGINT", [](pid_t ball) { return ::kill(ball, SIGINT) == 0; } },
        { "SIGHUP", [](pid_t ball) { return ::kill(ball, SIGHUP) == 0; } },
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        startServer(startingIn(XorgServer::k1920x1080));
        const pid_t launcher = session->start(LAUNCHER_PROGRAM);
        ASSERT_EQ(session->waitExit(launcher, 15000), std::optional<int>(0));
        ASSERT_EQ(session->currentSize(), (Size { 1024, 768 }));
        std::optional<pid_t> ball;
        ASSERT_TRUE(waitFor([&] { return (ball = session->findScoreboard()).has_value(); }));
        ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; }));
        EXPECT_TRUE(way.close(*ball));
        EXPECT_TRUE(session->waitExit(*ball, 10000).has_value()) << "ball ends";
        EXPECT_TRUE(waitFor([&] { return session->currentSize() == Size { 1920, 1080 }; }, 5000)) << session->xrandr();
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
    XSession::pause(2500);
    EXPECT_TRUE(session->isRunning(ball));
    Picture hint = session->picture();
    EXPECT_LT(clockGreen(hint), 100);
    EXPECT_GT(hint.count(0, 0, hint.size.width, hint.size.height, [](uint32_t p) { return p != 0; }), 10000)
        << "the message box is on the screen";
    session->xdotool({ "key", "Return" });
    ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; }, 8000)) << "then the board";
    EXPECT_EQ(session->currentSize(), (Size { 1280, 1024 })) << "ball itself does not switch";
    // The board is scaled to the width, with bars above and below.
    const Picture board = session->picture();
    EXPECT_EQ(board.count(0, 0, 1280, 30, [](uint32_t p) { return p != 0; }), 0);
    EXPECT_GT(board.count(0, 32, 1280, 1024 - 32, [](uint32_t p) { return p != 0; }), 500000);
}

TEST_F(DisplayModesOnXorg, BallRefusesA800By600Screen)
{
    startServer(startingIn(XorgServer::k800x600));
    const pid_t ball = session->start(BALL_PROGRAM);
    XSession::pause(2500);
    ASSERT_TRUE(session->isRunning(ball)) << "the stop message waits for OK";
    const Picture box = session->picture();
    EXPECT_GT(box.count(0, 0, box.size.width, box.size.height, [](uint32_t p) { return p != 0; }), 10000);
    session->xdotool({ "key", "Return" });
    EXPECT_EQ(session->waitExit(ball, 5000), std::optional<int>(0)) << "and the program ends";
    EXPECT_EQ(session->currentSize(), (Size { 800, 600 }));
    EXPECT_FALSE(fs::exists(session->home() / "date")) << "nothing is written";
}

TEST_F(DisplayModesOnXorg, WithoutA1024By768ModeTheDisplayStaysAndTheBoardIsScaled)
{
    startServer({ XorgServer::k1280x1024, XorgServer::k1920x1080, XorgServer::k800x600 });
    const pid_t launcher = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(launcher, 15000), std::optional<int>(0));
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1280\r\n1024\r\n");
    EXPECT_EQ(session->currentSize(), (Size { 1280, 1024 }));
    ASSERT_TRUE(waitFor([&] { return session->findScoreboard().has_value(); }));
    // The hint about the larger screen, then the board, scaled into 1280 x 992.
    XSession::pause(1500);
    session->xdotool({ "key", "Return" });
    ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; }, 8000));
    const Picture board = session->picture();
    EXPECT_EQ(board.count(0, 0, 1280, 30, [](uint32_t p) { return p != 0; }), 0);
    EXPECT_GT(board.count(0, 32, 1280, 1024 - 32, [](uint32_t p) { return p != 0; }), 500000);
}

} // namespace
} // namespace xorg_test
