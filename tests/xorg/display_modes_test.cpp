// The launcher and the scoreboard on a real X server whose XRandR switches modes.
#include "board_on_screen.h"
#include "xorg_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <csignal>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>

namespace xorg_test {
namespace {

namespace fs = std::filesystem;
using Mode = XorgServer::Mode;

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// The bounding box of the pixels that pass `test`.
template<typename Test> Box boundsOf(const Picture& picture, Test test)
{
    Box box { picture.size.width, picture.size.height, 0, 0 };
    for (int y = 0; y < picture.size.height; ++y)
        for (int x = 0; x < picture.size.width; ++x)
            if (test(picture.at(x, y))) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
    return box;
}

// Where the board's clock digits lie.
Box clockBox(const Picture& picture) { return boundsOf(picture, isClockGreen); }

// `logical` (a box of the 1024 x 768 board) scaled into the viewport at `left`,`top` that is
// `scale` times as large.
Box scaled(const Box& logical, double scale, int left, int top)
{
    return { left + int(logical.left * scale), top + int(logical.top * scale), left + int(logical.right * scale),
        top + int(logical.bottom * scale) };
}

void expectNear(const Box& seen, const Box& expected, int slack = 3)
{
    EXPECT_NEAR(seen.left, expected.left, slack);
    EXPECT_NEAR(seen.top, expected.top, slack);
    EXPECT_NEAR(seen.right, expected.right, slack);
    EXPECT_NEAR(seen.bottom, expected.bottom, slack);
}

// How many pixels of the middle third of the screen differ between two pictures of one size.
int changedInTheMiddle(const Picture& before, const Picture& after)
{
    if (before.size != after.size)
        return before.size.width * before.size.height;
    const int w = before.size.width, h = before.size.height;
    int changed = 0;
    for (int y = h / 3; y < 2 * h / 3; ++y)
        for (int x = w / 3; x < 2 * w / 3; ++x)
            changed += before.at(x, y) != after.at(x, y) ? 1 : 0;
    return changed;
}

class DisplayModesOnXorg : public OnXorg {};

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
    ASSERT_TRUE(waitFor([&] { return (ball = session->findScoreboard()).has_value(); })) << "ball was started";
    ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; })) << "the board shows after the start-up screen";
    const std::string during = session->xrandr();

    EXPECT_TRUE(fs::exists(session->home() / "display-switched")) << "the switch is marked while the board runs";

    // A second launcher run while the match goes on leaves everything as it is.
    const pid_t again = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(again), std::optional<int>(0));
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1280\r\n1024\r\n");
    EXPECT_EQ(session->scoreboards().size(), 1u);

    // The exit command on the command bar, then OK in its question.
    session->xdotool({ "mousemove", "795", "718", "click", "1" });
    ASSERT_TRUE(waitFor([&] { return questionShown(session->picture()); })) << "the exit question";
    session->xdotool({ "key", "Return" });
    EXPECT_TRUE(session->waitExit(*ball).has_value()) << "ball ends after the exit command";
    EXPECT_TRUE(waitFor([&] { return session->currentSize() == Size { 1280, 1024 }; }));
    EXPECT_FALSE(fs::exists(session->home() / "display-switched")) << "the display is back: nothing to keep";
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
                waitFor([&] { return questionShown(session->picture()); });
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
        ASSERT_EQ(session->waitExit(launcher), std::optional<int>(0));
        ASSERT_EQ(session->currentSize(), (Size { 1024, 768 }));
        std::optional<pid_t> ball;
        ASSERT_TRUE(waitFor([&] { return (ball = session->findScoreboard()).has_value(); }));
        ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; }));
        EXPECT_TRUE(way.close(*ball));
        EXPECT_TRUE(session->waitExit(*ball).has_value()) << "ball ends";
        EXPECT_TRUE(waitFor([&] { return session->currentSize() == Size { 1920, 1080 }; })) << session->xrandr();
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
    ASSERT_TRUE(waitFor([&] { return lit(session->picture()) > 10000; })) << "the hint about the larger screen";
    EXPECT_TRUE(session->isRunning(ball));
    Picture hint = session->picture();
    EXPECT_LT(clockGreen(hint), 100);
    EXPECT_GT(hint.count(0, 0, hint.size.width, hint.size.height, [](uint32_t p) { return p != 0; }), 10000)
        << "the message box is on the screen";
    session->xdotool({ "key", "Return" });
    ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; })) << "then the board";
    EXPECT_EQ(session->currentSize(), (Size { 1280, 1024 })) << "ball itself does not switch";
    // The board is scaled to the width, with bars above and below.
    const Picture board = session->picture();
    EXPECT_EQ(board.count(0, 0, 1280, 30, [](uint32_t p) { return p != 0; }), 0);
    EXPECT_GT(board.count(0, 32, 1280, 1024 - 32, [](uint32_t p) { return p != 0; }), 500000);
}

TEST_F(DisplayModesOnXorg, BallRefusesASmallScreenWithAMessageAtTheScreensOwnSize)
{
    std::vector<Box> boxes;
    for (const Mode& mode : { XorgServer::k800x600, XorgServer::k640x480 }) {
        SCOPED_TRACE(std::to_string(mode.width) + " x " + std::to_string(mode.height));
        startServer(startingIn(mode, { mode, XorgServer::k1024x768 }));
        const pid_t ball = session->start(BALL_PROGRAM);
        ASSERT_TRUE(waitFor([&] { return lit(session->picture()) > 10000; })) << "the stop message waits for OK";
        // Two pictures alike: the box is drawn whole.
        Picture picture = session->picture();
        ASSERT_TRUE(waitFor([&] {
            Picture next = session->picture();
            const bool same = next.pixels == picture.pixels;
            picture = std::move(next);
            return same;
        }));
        const Box box = boundsOf(picture, [](uint32_t p) { return p != 0; });
        boxes.push_back(box);
        EXPECT_NEAR(box.left, mode.width - box.right, 1) << "centred across";
        EXPECT_NEAR(box.top, mode.height - box.bottom, 1) << "centred down";
        session->xdotool({ "key", "Return" });
        EXPECT_EQ(session->waitExit(ball), std::optional<int>(0)) << "and the program ends";
        EXPECT_EQ(session->currentSize(), (Size { mode.width, mode.height }));
        EXPECT_FALSE(fs::exists(session->home() / "date")) << "nothing is written";
        TearDown();
    }
    ASSERT_EQ(boxes.size(), 2u);
    std::cout << "the stop message: " << boxes[0].width() << " x " << boxes[0].height() << " on 800 x 600, " << boxes[1].width()
              << " x " << boxes[1].height() << " on 640 x 480\n";
    // Scaled with a 1024 x 768 screen, the box would be 0.78 and 0.625 of its size.
    EXPECT_EQ(boxes[0].width(), boxes[1].width()) << "the same box, pixel for pixel";
    EXPECT_EQ(boxes[0].height(), boxes[1].height());
    EXPECT_GT(boxes[0].width(), 300) << "a box of its own size, not shrunk";
}

TEST_F(DisplayModesOnXorg, WithoutA1024By768ModeTheDisplayStaysAndTheBoardIsScaled)
{
    startServer({ XorgServer::k1280x1024, XorgServer::k1920x1080, XorgServer::k800x600 });
    const pid_t launcher = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(launcher), std::optional<int>(0));
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1280\r\n1024\r\n");
    EXPECT_EQ(session->currentSize(), (Size { 1280, 1024 }));
    ASSERT_TRUE(waitFor([&] { return session->findScoreboard().has_value(); }));
    // The hint about the larger screen, then the board, scaled into 1280 x 992.
    ASSERT_TRUE(waitFor([&] { return lit(session->picture()) > 10000; })) << "the hint about the larger screen";
    session->xdotool({ "key", "Return" });
    ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; }));
    const Picture board = session->picture();
    EXPECT_EQ(board.count(0, 0, 1280, 30, [](uint32_t p) { return p != 0; }), 0);
    EXPECT_GT(board.count(0, 32, 1280, 1024 - 32, [](uint32_t p) { return p != 0; }), 500000);
}

TEST_F(DisplayModesOnXorg, TheBoardFitsItselfToEveryNewDisplayMode)
{
    startServer(startingIn(XorgServer::k1920x1080));
    const pid_t ball = session->start(BALL_PROGRAM);
    ASSERT_TRUE(waitFor([&] { return lit(session->picture()) > 10000; })) << "the hint about the larger screen";
    session->xdotool({ "key", "Return" });
    ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; }));
    // At 1920 x 1080 the board is scaled into 1440 x 1080, 240 pixels from the left.
    const Box wide = clockBox(session->picture());
    const Box logical = { int((wide.left - 240) / 1.40625 + 0.5), int(wide.top / 1.40625 + 0.5),
        int((wide.right - 240) / 1.40625 + 0.5), int(wide.bottom / 1.40625 + 0.5) };
    EXPECT_TRUE(waitFor([&] {
        const std::vector<std::string> titles = session->windowTitles(ball);
        return std::find(titles.begin(), titles.end(), "Ostrevan") != titles.end();
    })) << "the board's window carries its caption";

    // The launcher, started while the board runs, leaves the display as it is: its own board could
    // not run. A switch by hand to 1024 x 768 then.
    const pid_t launcher = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(launcher), std::optional<int>(0));
    EXPECT_FALSE(fs::exists(session->home() / "config.ini"));
    EXPECT_EQ(session->currentSize(), (Size { 1920, 1080 }));
    ASSERT_TRUE(session->setSize({ 1024, 768 }));
    ASSERT_EQ(session->currentSize(), (Size { 1024, 768 }));
    EXPECT_TRUE(waitFor([&] {
        const Picture p = session->picture();
        const Box clock = clockBox(p);
        return p.size == Size { 1024, 768 } && std::abs(clock.left - logical.left) <= 3 && std::abs(clock.right - logical.right) <= 3;
    })) << "the board fills the 1024 x 768 screen pixel for pixel";
    expectNear(clockBox(session->picture()), logical);
    EXPECT_TRUE(session->isRunning(ball));

    // Any other switch: 1280 x 1024 scales the board to 1280 x 960, 32 pixels down.
    ASSERT_TRUE(session->setSize({ 1280, 1024 }));
    const Box tall = scaled(logical, 1.25, 0, 32);
    EXPECT_TRUE(waitFor([&] {
        const Picture p = session->picture();
        const Box clock = clockBox(p);
        return p.size == Size { 1280, 1024 } && std::abs(clock.left - tall.left) <= 3 && std::abs(clock.bottom - tall.bottom) <= 3;
    }));
    const Picture board = session->picture();
    expectNear(clockBox(board), tall);
    EXPECT_EQ(board.count(0, 0, 1280, 30, [](uint32_t p) { return p != 0; }), 0);
    EXPECT_GT(board.count(0, 32, 1280, 1024 - 32, [](uint32_t p) { return p != 0; }), 500000);

    // 退出程序 lies where the scaled board puts it and answers; a board started directly has no
    // size recorded to go back to, so the exit leaves the display as it is.
    session->xdotool({ "mousemove", std::to_string(int(795 * 1.25)), std::to_string(32 + int(718 * 1.25)), "click", "1" });
    ASSERT_TRUE(waitFor([&] { return changedInTheMiddle(board, session->picture()) > 5000; })) << "the exit question";
    session->xdotool({ "key", "Return" });
    EXPECT_TRUE(session->waitExit(ball).has_value()) << "ball ends after the exit command";
    EXPECT_EQ(session->currentSize(), (Size { 1280, 1024 }));
}

TEST_F(DisplayModesOnXorg, AScoreboardThatCannotStartIsToldAndTheDisplayGoesBack)
{
    startServer(startingIn(XorgServer::k1280x1024));
    // The launcher starts the ball beside it: a copy of the launcher with a ball that cannot run.
    const fs::path programFolder = session->home() / "program";
    fs::create_directories(programFolder);
    fs::copy_file(LAUNCHER_PROGRAM, programFolder / "main");
    {
        std::ofstream(programFolder / "ball") << "not a program\n";
    }
    fs::permissions(programFolder / "ball", fs::perms::owner_read | fs::perms::owner_write);
    const pid_t launcher = session->start(programFolder / "main");
    // The window takes the title of what it shows: the box, then the empty form.
    auto titled = [&](const char* title) {
        return waitFor([&] {
            const std::vector<std::string> titles = session->windowTitles(launcher);
            return std::find(titles.begin(), titles.end(), title) != titles.end();
        });
    };
    ASSERT_TRUE(titled("错误提示")) << "the box";
    EXPECT_EQ(session->currentSize(), (Size { 1280, 1024 })) << "the display is back before the box";
    EXPECT_TRUE(waitFor([&] { return lit(session->picture()) > 10000; })) << "the box is drawn";
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1280\r\n1024\r\n");
    session->xdotool({ "key", "Return" });
    EXPECT_TRUE(titled("Form1")) << "then the empty window, titled with its form's caption";
    EXPECT_TRUE(session->isRunning(launcher)) << "the window waits";
    EXPECT_TRUE(session->requestClose(launcher));
    EXPECT_EQ(session->waitExit(launcher), std::optional<int>(0));
    EXPECT_EQ(session->currentSize(), (Size { 1280, 1024 }));
}

TEST_F(DisplayModesOnXorg, AConfigLeftFromAnEarlierRunDoesNotSwitchTheDisplayAtTheExit)
{
    startServer(startingIn(XorgServer::k1024x768));
    {
        std::ofstream(session->home() / "config.ini", std::ios::binary) << "1280\r\n1024\r\n";
    }
    const pid_t launcher = session->start(LAUNCHER_PROGRAM);
    EXPECT_EQ(session->waitExit(launcher), std::optional<int>(0));
    EXPECT_EQ(readBytes(session->home() / "config.ini"), "1024\r\n768\r\n") << "no board runs: the file is stale";
    std::optional<pid_t> ball;
    ASSERT_TRUE(waitFor([&] { return (ball = session->findScoreboard()).has_value(); }));
    ASSERT_TRUE(waitFor([&] { return clockGreen(session->picture()) > 5000; }));
    const Picture board = session->picture();
    session->xdotool({ "mousemove", "795", "718", "click", "1" });
    ASSERT_TRUE(waitFor([&] { return changedInTheMiddle(board, session->picture()) > 5000; })) << "the exit question";
    session->xdotool({ "key", "Return" });
    EXPECT_TRUE(session->waitExit(*ball).has_value());
    EXPECT_EQ(session->currentSize(), (Size { 1024, 768 }));
}

} // namespace
} // namespace xorg_test
