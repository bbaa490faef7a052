#include "platform/window/twips.h"
#include "window_fixture.h"

namespace plat::win::testing {

using Metrics = WindowTest;

TEST_F(Metrics, ScreenMetricsFollowTheVirtualScreen)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    EXPECT_GT(GetSystemMetrics(SM_CYHSCROLL), 0);
    session.windows().setScreenSize({1280, 1024});
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(TwipsPerPixelX(), 15);
    EXPECT_EQ(TwipsPerPixelY(), 15);
}

TEST(Twips, PixelsRoundHalfToEven)
{
    struct Case {
        double twips;
        int pixels;
    };
    for (Case c : {Case{0, 0}, Case{7, 0}, Case{7.5, 0}, Case{8, 1}, Case{22.5, 2}, Case{37.5, 2}, Case{52.5, 4}, Case{-22.5, -2},
             Case{-45, -3}, Case{15360, 1024}})
        EXPECT_EQ(pixelsFromTwips(c.twips), c.pixels) << c.twips;
}

} // namespace plat::win::testing
