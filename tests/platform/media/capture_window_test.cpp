#include "media_test_support.h"
#include "platform/backend/session.h"
#include "platform/media/capture_window.h"
#include "platform/window/api.h"
#include <gtest/gtest.h>

using namespace plat;
using namespace plat::media;
using media_test::CaptureEnv;
using media_test::waitFor;

namespace {

constexpr uint32_t kRed = 0xFF0000FFu;
constexpr uint32_t kBlack = 0xFF000000u;

class CaptureWindowTest : public ::testing::Test {
protected:
    backend::HeadlessSession session{{1024, 768}};
    win::HWND frame = win::CreateWindow("videlook", 0, gfx::Rect::fromSize(100, 50, 400, 300), true);

    // Pictures come in real time, the window's timer on the virtual clock: run both until
    // the condition holds.
    template <typename Condition>
    bool runUntil(Condition condition)
    {
        return waitFor([&] {
            session.advance(20);
            return condition();
        });
    }
};

} // namespace

TEST_F(CaptureWindowTest, ShowsTheSourcePicturesStretchedToTheWindow)
{
    CaptureEnv env("videotestsrc is-live=true pattern=red ! video/x-raw,width=32,height=24");
    win::HWND cap = capCreateCaptureWindow("我创建的视频窗口", true, 0, -60, 370, 290, frame, 0);
    ASSERT_NE(cap, 0u);
    EXPECT_TRUE(win::IsWindowVisible(cap));
    EXPECT_EQ(win::GetParent(cap), frame);
    EXPECT_EQ(win::WindowImage(cap).pixel(10, 100), kBlack) << "black until a picture comes";

    EXPECT_EQ(win::SendMessage(cap, WM_CAP_DRIVER_CONNECT, 0, 0), 1);
    EXPECT_EQ(win::SendMessage(cap, WM_CAP_SET_PREVIEW, 1, 0), 1);
    EXPECT_EQ(win::SendMessage(cap, WM_CAP_SET_PREVIEWRATE, 2, 0), 1);
    ASSERT_TRUE(runUntil([&] { return win::WindowImage(cap).pixel(369, 289) == kRed; }));
    EXPECT_EQ(win::WindowImage(cap).pixel(0, 0), kRed);
    EXPECT_GT(captureSourceOf(cap)->frameCount(), 0u);

    // On the screen: inside the frame, the part above the frame's top is cut off.
    const auto& screen = session.windows().screen();
    EXPECT_EQ(screen.pixel(100 + 5, 50 + 5), kRed);
    EXPECT_EQ(screen.pixel(100 + 369, 50 + 229), kRed);
    EXPECT_NE(screen.pixel(100 + 5, 50 + 235), kRed) << "below the window the frame shows";
}

TEST_F(CaptureWindowTest, DisconnectBlanksAndReconnectShowsPicturesAgain)
{
    CaptureEnv env("videotestsrc is-live=true pattern=red ! video/x-raw,width=32,height=24");
    win::HWND cap = capCreateCaptureWindow("capture", true, 0, 0, 64, 48, frame, 0);
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(win::SendMessage(cap, WM_CAP_DRIVER_CONNECT, 0, 0), 1) << round;
        win::SendMessage(cap, WM_CAP_SET_PREVIEW, 1, 0);
        ASSERT_TRUE(runUntil([&] { return win::WindowImage(cap).pixel(10, 10) == kRed; })) << round;
        EXPECT_EQ(win::SendMessage(cap, WM_CAP_DRIVER_DISCONNECT, 0, 0), 1);
        EXPECT_EQ(win::WindowImage(cap).pixel(10, 10), kBlack) << round;
        session.advance(100);
        EXPECT_EQ(win::WindowImage(cap).pixel(10, 10), kBlack) << round;
    }
}

TEST_F(CaptureWindowTest, PreviewOffKeepsTheLastPicture)
{
    CaptureEnv env("videotestsrc is-live=true pattern=red ! video/x-raw,width=32,height=24");
    win::HWND cap = capCreateCaptureWindow("capture", true, 0, 0, 64, 48, frame, 0);
    win::SendMessage(cap, WM_CAP_DRIVER_CONNECT, 0, 0);
    win::SendMessage(cap, WM_CAP_SET_PREVIEW, 1, 0);
    ASSERT_TRUE(runUntil([&] { return win::WindowImage(cap).pixel(10, 10) == kRed; }));
    EXPECT_EQ(win::SendMessage(cap, WM_CAP_SET_PREVIEW, 0, 0), 1);
    auto count = captureSourceOf(cap)->frameCount();
    session.advance(200);
    EXPECT_EQ(captureSourceOf(cap)->frameCount(), count);
    EXPECT_EQ(win::WindowImage(cap).pixel(10, 10), kRed);
}

TEST_F(CaptureWindowTest, NoDeviceGivesAnEmptyWindowAndNoError)
{
    CaptureEnv env("v4l2src device=/dev/no-such-video ! decodebin");
    win::HWND cap = capCreateCaptureWindow("capture", true, 0, 0, 64, 48, frame, 0);
    EXPECT_EQ(win::SendMessage(cap, WM_CAP_DRIVER_CONNECT, 0, 0), 0);
    EXPECT_EQ(win::SendMessage(cap, WM_CAP_SET_PREVIEW, 1, 0), 0);
    win::SendMessage(cap, WM_CAP_SET_PREVIEWRATE, 2, 0);
    session.advance(200);
    EXPECT_EQ(win::WindowImage(cap).pixel(10, 10), kBlack);
    EXPECT_EQ(win::SendMessage(cap, WM_CAP_DRIVER_DISCONNECT, 0, 0), 1);
    EXPECT_TRUE(win::IsWindow(cap));
}

TEST_F(CaptureWindowTest, ResizingRedrawsAndDestroyingReleasesTheSource)
{
    CaptureEnv env("videotestsrc is-live=true pattern=red ! video/x-raw,width=32,height=24");
    win::HWND cap = capCreateCaptureWindow("capture", false, 0, 0, 64, 48, frame, 0);
    EXPECT_FALSE(win::IsWindowVisible(cap));
    win::SendMessage(cap, WM_CAP_DRIVER_CONNECT, 0, 0);
    win::SendMessage(cap, WM_CAP_SET_PREVIEW, 1, 0);
    ASSERT_TRUE(runUntil([&] { return win::WindowImage(cap).pixel(10, 10) == kRed; }));
    win::SendMessage(cap, WM_CAP_SET_PREVIEW, 0, 0);
    win::MoveWindow(cap, 0, 0, 128, 96);
    EXPECT_EQ(win::WindowImage(cap).pixel(127, 95), kRed) << "the held picture fills the new size";

    EXPECT_NE(captureSourceOf(cap), nullptr);
    win::DestroyWindow(cap);
    EXPECT_EQ(captureSourceOf(cap), nullptr);
    EXPECT_EQ(captureSourceOf(frame), nullptr) << "not a capture window";
}
