// The window manager's close (Alt+F4, the title bar's close box: WM_DELETE_WINDOW) on the real
// scoreboard: it is the exit command, refused while the clock runs and asked otherwise.
#include "board_on_screen.h"
#include "xorg_server.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <system_error>
#include <memory>

namespace xorg_test {
namespace {

namespace fs = std::filesystem;

// The notice box's place on the 1024 x 768 board, and the middle of the screen where a message
// box shows, in its button-face grey.
constexpr int kNoticeLeft = 398, kNoticeTop = 572, kNoticeRight = 615, kNoticeBottom = 683;

int noticeChanges(const Picture& before, const Picture& now)
{
    int changed = 0;
    for (int y = kNoticeTop; y < kNoticeBottom; ++y)
        for (int x = kNoticeLeft; x < kNoticeRight; ++x)
            changed += before.at(x, y) != now.at(x, y) ? 1 : 0;
    return changed;
}

// The period report's first line, in amber over the clock panel.
int reportAmber(const Picture& picture)
{
    return picture.count(121, 89, 899, 362, [](uint32_t rgb) {
        const int r = int(rgb >> 16) & 0xFF, g = int(rgb >> 8) & 0xFF, b = int(rgb) & 0xFF;
        return r > 200 && g > 170 && b < 90;
    });
}

int questionGrey(const Picture& picture)
{
    return picture.count(312, 284, 712, 484, [](uint32_t rgb) { return rgb == 0xF0F0F0u; });
}

class CloseRequestOnXorg : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!server.start({ XorgServer::k1024x768 }))
            GTEST_SKIP() << "no X server for this test: " << server.error();
        session = std::make_unique<XSession>(server.display());
    }

    void TearDown() override
    {
        session.reset();
        server.stop();
    }

    template<typename Done> bool waitFor(Done done) { return XSession::waitFor(done); }

    std::string settings() const
    {
        std::ifstream in(session->home() / "date/config.db", std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

    XorgServer server;
    std::unique_ptr<XSession> session;
};

TEST_F(CloseRequestOnXorg, RefusedWhileTheClockRunsThenAskedAndOKEnds)
{
    const pid_t ball = session->start(BALL_PROGRAM);
    ASSERT_TRUE(waitFor([&] { return session->picture().count(0, 0, 1024, 768, isClockGreen) > 5000; }))
        << "the board shows after the start-up screen";

    // Enter starts the clock; the close request is then refused with the notice.
    ASSERT_TRUE(session->xdotool({ "key", "Return" }));
    const Picture before = session->picture();
    ASSERT_TRUE(session->requestClose(ball));
    EXPECT_TRUE(waitFor([&] { return noticeChanges(before, session->picture()) > 2000; })) << "the notice shows";
    EXPECT_FALSE(session->waitExit(ball, std::chrono::seconds(2)).has_value()) << "the running match goes on";
    EXPECT_LT(questionGrey(session->picture()), 500) << "nothing is asked";

    // Paused, the close request asks; Esc (Cancel) keeps the board.
    ASSERT_TRUE(session->xdotool({ "key", "Return" }));
    ASSERT_TRUE(session->requestClose(ball));
    ASSERT_TRUE(waitFor([&] { return questionGrey(session->picture()) > 3000; })) << "the exit question shows";
    ASSERT_TRUE(session->xdotool({ "key", "Escape" }));
    EXPECT_TRUE(waitFor([&] { return questionGrey(session->picture()) < 500; })) << "the question goes";
    EXPECT_FALSE(session->waitExit(ball, std::chrono::seconds(1)).has_value()) << "Cancel keeps the board";

    // Asked again; OK ends the program as the exit command does, the settings written.
    ASSERT_TRUE(session->requestClose(ball));
    ASSERT_TRUE(waitFor([&] { return questionGrey(session->picture()) > 3000; }));
    ASSERT_TRUE(session->xdotool({ "key", "Return" }));
    EXPECT_EQ(session->waitExit(ball), std::optional<int>(0));
    const std::string saved = settings();
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 9) << "the close writes the nine lines of the settings";
}

// During the period report every command of the board does nothing, the exit command included:
// the window's close does nothing either, neither asks nor ends the match.
TEST_F(CloseRequestOnXorg, InertDuringThePeriodReportAsTheExitCommandIs)
{
    // Periods of two seconds: the report comes 2 s after the start and 10 s on "0.0".
    std::filesystem::create_directories(session->home() / "date");
    std::ofstream(session->home() / "date/config.db", std::ios::binary) << "delalltime=2\r\nalltime=2\r\n";
    const pid_t ball = session->start(BALL_PROGRAM);
    // Under ten seconds the stopped clock shows in red.
    ASSERT_TRUE(waitFor([&] { return session->picture().count(0, 0, 1024, 768, isClockRed) > 3000; }))
        << "the board shows after the start-up screen";
    ASSERT_TRUE(session->xdotool({ "key", "Return" }));
    ASSERT_TRUE(waitFor([&] { return reportAmber(session->picture()) > 300; })) << "the period report shows";

    const Picture before = session->picture();
    ASSERT_TRUE(session->requestClose(ball));
    EXPECT_FALSE(session->waitExit(ball, std::chrono::seconds(2)).has_value()) << "the match goes on";
    const Picture after = session->picture();
    EXPECT_LT(questionGrey(after), 500) << "nothing is asked";
    EXPECT_LT(noticeChanges(before, after), 200) << "no notice either";
    EXPECT_GT(reportAmber(after), 300) << "the report still shows";
}

} // namespace
} // namespace xorg_test
