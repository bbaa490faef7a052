// The built ball on a real X server, driven through the X keyboard: a key pressed while the
// start-up screen shows is not lost.
#include "delivery_fixture.h"

namespace delivery {
namespace {

TEST_F(DeliveryTest, TheAttackSignalPressedOnTheStartUpScreenSoundsOnceTheBoardShows)
{
    if (::access("/usr/bin/Xvfb", X_OK) != 0 || ::access("/usr/bin/xdotool", X_OK) != 0)
        GTEST_SKIP() << "Xvfb and xdotool are needed (scripts/setup.sh installs them)";
    XvfbDisplay display;
    ASSERT_TRUE(display.running()) << "Xvfb could not start";
    const fs::path home = scratch("home");
    fs::create_directories(home);
    ChildProcess ball({ BALL_PROGRAM_FOLDER "/ball" },
        userEnvironment().set("BALL_HOME", home.string()).set("DISPLAY", display.name()).set("SDL_VIDEODRIVER", "x11"),
        scratch("ball.err").string());
    ASSERT_TRUE(ball.started());
    Environment keys;
    keys.set("DISPLAY", display.name());

    // The program's window is up, titled with the start-up screen's caption, as soon as it runs; the
    // start-up screen stays 3 s after its load.
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    while (runToEnd({ "/usr/bin/xdotool", "search", "--onlyvisible", "--name", "^Ostrevan$" }, keys) != 0) {
        ASSERT_LT(std::chrono::steady_clock::now(), giveUp) << "no window of ball: " << readFile(scratch("ball.err"));
        sleepFor(50ms);
    }
    ASSERT_EQ(runToEnd({ "/usr/bin/xdotool", "key", "F5" }, keys), 0);
    sleepFor(1000ms);
    EXPECT_EQ(DiskAudio(audioFile()).soundSeconds(), 0.0) << "nothing sounds on the start-up screen";
    // The board shows 3 s after the load, and the signal lasts about 1.5 s; a loaded machine may
    // take longer to get there.
    double heard = 0;
    for (const auto until = std::chrono::steady_clock::now() + 15s; heard <= 1.0 && std::chrono::steady_clock::now() < until;) {
        sleepFor(250ms);
        heard = DiskAudio(audioFile()).longestSoundSeconds();
    }
    EXPECT_GT(heard, 1.0) << "the attack signal of F5 lasts about 1.5 s";
    EXPECT_TRUE(ball.running()) << readFile(scratch("ball.err"));
}

} // namespace
} // namespace delivery
