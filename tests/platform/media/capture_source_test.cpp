#include "media_test_support.h"
#include "platform/media/capture_source.h"
#include <gtest/gtest.h>

using namespace plat::media;
using media_test::waitFor;
using media_test::CaptureEnv;
using namespace std::chrono_literals;

namespace {

constexpr const char* kTestSource = "videotestsrc is-live=true pattern=red ! video/x-raw,width=32,height=24";

} // namespace

TEST(CaptureSource, DescribesTheCameraOrTheReplacement)
{
    {
        CaptureEnv env(nullptr);
        EXPECT_EQ(CaptureSource::sourceDescription(0), "v4l2src device=/dev/video0 ! decodebin");
        EXPECT_EQ(CaptureSource::sourceDescription(2), "v4l2src device=/dev/video2 ! decodebin");
    }
    CaptureEnv env(kTestSource);
    EXPECT_EQ(CaptureSource::sourceDescription(0), kTestSource);
}

TEST(CaptureSource, FramesArriveAsSurfacePixels)
{
    struct Case {
        const char* source;
        uint32_t pixel;
    };
    const Case cases[] = {
        {"videotestsrc is-live=true pattern=red ! video/x-raw,format=BGRx,width=32,height=24", 0xFF0000FFu},
        {"videotestsrc is-live=true pattern=blue ! video/x-raw,format=BGRx,width=32,height=24", 0xFFFF0000u},
        {"videotestsrc is-live=true pattern=white ! video/x-raw,format=RGB,width=30,height=20", 0xFFFFFFFFu},
        {"videotestsrc is-live=true pattern=black ! video/x-raw,format=xRGB,width=16,height=16", 0xFF000000u},
    };
    for (const auto& c : cases) {
        CaptureEnv env(c.source);
        CaptureSource capture;
        ASSERT_TRUE(capture.connect(0)) << c.source;
        EXPECT_TRUE(capture.isConnected());
        EXPECT_FALSE(capture.poll()) << "no pictures before preview";
        capture.setPreview(true);
        ASSERT_TRUE(waitFor([&] { return capture.poll(); })) << c.source;
        const auto& frame = capture.frame();
        ASSERT_FALSE(frame.isEmpty());
        EXPECT_EQ(frame.pixel(0, 0), c.pixel) << c.source;
        EXPECT_EQ(frame.pixel(frame.width() - 1, frame.height() - 1), c.pixel) << c.source;
    }
}

TEST(CaptureSource, DecodesACameraThatGivesMjpeg)
{
    CaptureEnv env("videotestsrc is-live=true pattern=red ! video/x-raw,width=32,height=24 ! jpegenc ! decodebin");
    CaptureSource capture;
    ASSERT_TRUE(capture.connect());
    capture.setPreview(true);
    ASSERT_TRUE(waitFor([&] { return capture.poll(); }));
    auto color = capture.frame().colorAt(16, 12);
    EXPECT_GE(plat::gfx::redOf(color), 220) << "red, give or take the JPEG";
    EXPECT_LE(plat::gfx::greenOf(color), 24);
    EXPECT_LE(plat::gfx::blueOf(color), 24);
    EXPECT_EQ(capture.frame().pixel(16, 12) >> 24, 0xFFu);
}

TEST(CaptureSource, KeepsTheSizeTheSourceGives)
{
    CaptureEnv env("videotestsrc is-live=true ! video/x-raw,width=37,height=21");
    CaptureSource capture;
    ASSERT_TRUE(capture.connect());
    capture.setPreview(true);
    ASSERT_TRUE(waitFor([&] { return capture.poll(); }));
    EXPECT_EQ(capture.frame().width(), 37) << "an odd width whose rows are padded in GStreamer";
    EXPECT_EQ(capture.frame().height(), 21);
}

TEST(CaptureSource, PreviewOffStopsThePictures)
{
    CaptureEnv env(kTestSource);
    CaptureSource capture;
    ASSERT_TRUE(capture.connect());
    capture.setPreview(true);
    ASSERT_TRUE(waitFor([&] {
        capture.poll();
        return capture.frameCount() >= 3;
    }));
    capture.setPreview(false);
    EXPECT_FALSE(capture.preview());
    EXPECT_FALSE(capture.poll());
    auto count = capture.frameCount();
    waitFor([&] { capture.poll(); return false; }, 200ms);
    EXPECT_EQ(capture.frameCount(), count);
    EXPECT_FALSE(capture.frame().isEmpty()) << "the last picture stays";

    capture.setPreview(true);
    EXPECT_TRUE(waitFor([&] { return capture.poll(); })) << "preview on again";
}

TEST(CaptureSource, DisconnectAndReconnect)
{
    CaptureEnv env(kTestSource);
    CaptureSource capture;
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(capture.connect()) << round;
        capture.setPreview(true);
        ASSERT_TRUE(waitFor([&] { return capture.poll(); })) << round;
        capture.disconnect();
        EXPECT_FALSE(capture.isConnected());
        EXPECT_TRUE(capture.frame().isEmpty());
        EXPECT_FALSE(capture.poll());
    }
}

TEST(CaptureSource, NoDeviceGivesNoPictureAndNoError)
{
    struct Case {
        const char* source;
    };
    const Case cases[] = {
        {"v4l2src device=/dev/no-such-video ! decodebin"},
        {"no_such_element_anywhere"},
        {"videotestsrc ! ! !"},
    };
    for (const auto& c : cases) {
        CaptureEnv env(c.source);
        CaptureSource capture;
        EXPECT_FALSE(capture.connect()) << c.source;
        EXPECT_FALSE(capture.isConnected());
        capture.setPreview(true);
        EXPECT_FALSE(capture.preview());
        EXPECT_FALSE(capture.poll());
        EXPECT_TRUE(capture.frame().isEmpty());
    }
}
