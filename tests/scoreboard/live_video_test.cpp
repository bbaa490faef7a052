#include "panels_fixture.h"

#include "scoreboard/live_video.h"
#include "scoreboard/main_clock_board.h"

#include "controls/core/qel_frame.h"
#include "platform/media/alpha_image.h"
#include "platform/media/capture_window.h"
#include "platform/media/picture_store.h"
#include "platform/window/api.h"
#include "tests/support/wait_until.h"

#include <chrono>
#include <cstdlib>

namespace scoreboard::test {
namespace {

namespace media = plat::media;
namespace win = plat::win;

std::string testPicture() { return std::string(SCOREBOARD_SOURCE_DIR) + "/resources/test/picture.png"; }

class LiveVideoTest : public PanelsTest {
protected:
    void SetUp() override
    {
        PanelsTest::SetUp();
        ::setenv("BALL_CAPTURE_PIPELINE", "videotestsrc is-live=true pattern=red ! video/x-raw,width=32,height=24", 1);
        writeBytes(path("img/logo.png"), readBytes(testPicture()));
        user().logoPath = path("img/logo.png").string();
        showBoard();
        board->operation()->commandBar().click(CommandBar::Music);
        session->settle();
    }
    void TearDown() override
    {
        PanelsTest::TearDown();
        ::unsetenv("BALL_CAPTURE_PIPELINE");
    }

    LiveVideo& video() { return panels->liveVideo(); }
    bool shown(std::string_view name) { return board->find(name)->visible(); }
    bool buttonEnabled(std::string_view name) { return control<qel::qelCommand>(name).Enabled(); }

    // The pictures come in real time, the window's timer runs on the virtual clock: both run, for
    // a bounded time, until the condition holds.
    template<class Condition>
    bool runUntil(Condition condition)
    {
        return test_support::waitUntil(
            [&] {
                if (condition())
                    return true;
                session->advance(20);
                return false;
            },
            test_support::kGenerousDeadline, std::chrono::milliseconds(2));
    }
};

TEST_F(LiveVideoTest, LiveModeShowsTheCapturePictureAndSixSecondsLaterTheLogo)
{
    EXPECT_TRUE(buttonEnabled("videmode"));
    EXPECT_FALSE(buttonEnabled("MP3mode"));
    EXPECT_EQ(video().captureWindow(), 0u);

    clickButton("videmode");
    const win::HWND capture = video().captureWindow();
    ASSERT_NE(capture, 0u);
    plat::forms::Control& view = *board->find("videlook");
    EXPECT_EQ(win::GetParent(capture), view.hwnd());
    EXPECT_EQ(session->windows().screenRect(capture).left - session->windows().screenRect(view.hwnd()).left, 0);
    EXPECT_EQ(session->windows().screenRect(capture).top - session->windows().screenRect(view.hwnd()).top, -60);
    EXPECT_EQ(session->windows().screenRect(capture).width(), 740);
    EXPECT_EQ(session->windows().screenRect(capture).height(), 580);
    EXPECT_TRUE(view.visible());
    EXPECT_EQ(view.left(), 3080);
    EXPECT_EQ(view.top(), 15);
    EXPECT_EQ(view.width(), 8575);
    EXPECT_EQ(view.height(), 4100);
    EXPECT_TRUE(buttonEnabled("MP3mode"));
    EXPECT_FALSE(buttonEnabled("videmode"));
    EXPECT_TRUE(video().liveModeOn());
    EXPECT_TRUE(timerOn("Timer11"));
    media::CaptureSource* source = media::captureSourceOf(capture);
    ASSERT_NE(source, nullptr);
    EXPECT_TRUE(source->isConnected());
    EXPECT_TRUE(source->preview());
    EXPECT_EQ(source->previewRate(), 2);

    // Test frames reach the window and the screen.
    ASSERT_TRUE(runUntil([&] { return win::WindowImage(capture).pixel(100, 100) == 0xFF0000FFu; }));

    EXPECT_TRUE(shown("qelFrame1"));
    const std::string before = control<media::AlphaImage>("videimg1").picture().path;
    EXPECT_NE(before, user().logoPath);
    session->advance(6000);
    EXPECT_FALSE(shown("qelFrame1"));
    EXPECT_FALSE(shown("qelFplay"));
    EXPECT_FALSE(timerOn("Timer11"));
    for (std::string_view name : {"videimg1", "videimg2"}) {
        EXPECT_EQ(control<media::AlphaImage>(name).picture().path, user().logoPath) << name;
        EXPECT_EQ(control<media::AlphaImage>(name).pictureSize().width, 16) << name;
    }
    const plat::gfx::Rect onScreen = session->windows().screenRect(view.hwnd());
    EXPECT_EQ(session->windows().screen().pixel(onScreen.left + 200, onScreen.top + 100), 0xFF0000FFu) << "the picture shows";

    // Back to music mode.
    clickButton("MP3mode");
    EXPECT_FALSE(view.visible());
    EXPECT_FALSE(source->isConnected());
    EXPECT_TRUE(buttonEnabled("videmode"));
    EXPECT_FALSE(buttonEnabled("MP3mode"));
    EXPECT_TRUE(shown("qelFrame1"));
    EXPECT_TRUE(shown("qelFplay"));
    EXPECT_FALSE(video().liveModeOn());
}

// A logo the store no longer holds is decoded away from the board's thread in the six seconds
// before it shows beside the picture.
TEST_F(LiveVideoTest, TheLogoOfLiveModeIsDecodedAwayFromTheBoardsThread)
{
    media::PictureStore& store = media::PictureStore::instance();
    store.clear();
    const int onTheBoard = store.decodes(), away = store.preparedDecodes();
    clickButton("videmode");
    session->advance(6000);
    EXPECT_EQ(store.preparedDecodes(), away + 1);
    EXPECT_EQ(store.decodes(), onTheBoard);
    for (std::string_view name : {"videimg1", "videimg2"})
        EXPECT_EQ(control<media::AlphaImage>(name).pictureSize().width, 16) << name;
}

TEST_F(LiveVideoTest, BackWithinSixSecondsKeepsTheMusicFramesAndTheLogoPictures)
{
    const std::string before = control<media::AlphaImage>("videimg1").picture().path;
    clickButton("videmode");
    session->advance(3000);
    clickButton("MP3mode");
    session->advance(6000);
    EXPECT_TRUE(shown("qelFrame1"));
    EXPECT_TRUE(shown("qelFplay"));
    EXPECT_FALSE(timerOn("Timer11"));
    EXPECT_EQ(control<media::AlphaImage>("videimg1").picture().path, before);
}

TEST_F(LiveVideoTest, EnteringLiveModeAgainKeepsTheOneCaptureWindow)
{
    clickButton("videmode");
    const win::HWND capture = video().captureWindow();
    clickButton("MP3mode");
    clickButton("videmode");
    EXPECT_EQ(video().captureWindow(), capture);
    EXPECT_EQ(win::GetParent(capture), board->find("videlook")->hwnd());
    EXPECT_TRUE(media::captureSourceOf(capture)->isConnected()) << "connected again";
}

TEST_F(LiveVideoTest, WithoutADeviceTheSwitchCompletesAllTheSame)
{
    ::setenv("BALL_CAPTURE_PIPELINE", "nosuchelement", 1);
    clickButton("videmode");
    EXPECT_NE(video().captureWindow(), 0u);
    EXPECT_TRUE(video().liveModeOn());
    EXPECT_EQ(win::WindowImage(video().captureWindow()).pixel(10, 10), 0xFF000000u) << "black";
    session->advance(6000);
    EXPECT_FALSE(shown("qelFrame1"));
}

TEST_F(LiveVideoTest, StartingTheClockLeavesLiveModeOnlyWithTheOption)
{
    for (bool option : {false, true}) {
        SCOPED_TRACE(option);
        user().optCloseVideoOnStart = option;
        clickButton("videmode");
        board->matchClock()->startPause();
        session->settle();
        EXPECT_EQ(video().liveModeOn(), !option);
        board->matchClock()->startPause();
        session->settle();
        if (video().liveModeOn())
            clickButton("MP3mode");
        board->operation()->commandBar().click(CommandBar::Music);
        session->settle();
    }
}

} // namespace
} // namespace scoreboard::test
