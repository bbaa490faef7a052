#include "scoreboard/screen_check.h"

#include <gtest/gtest.h>

namespace scoreboard::test {
namespace {

TEST(ScreenCheck, FitOfScreenSizes)
{
    struct Case {
        int width, height;
        ScreenFit fit;
    };
    const Case cases[]{
        {1280, 720, ScreenFit::TooSmall}, // wider, but too low
        {800, 600, ScreenFit::TooSmall},
        {1023, 768, ScreenFit::TooSmall},
        {1024, 767, ScreenFit::TooSmall},
        {1920, 767, ScreenFit::TooSmall},
        {0, 0, ScreenFit::TooSmall},
        {1024, 768, ScreenFit::Exact},
        {1280, 1024, ScreenFit::Larger},
        {1025, 768, ScreenFit::Larger},
        {1024, 769, ScreenFit::Larger},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fitScreen({c.width, c.height}), c.fit) << c.width << " x " << c.height;
}

} // namespace
} // namespace scoreboard::test
