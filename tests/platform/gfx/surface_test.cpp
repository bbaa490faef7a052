#include "platform/gfx/surface.h"

#include <gtest/gtest.h>

using namespace plat::gfx;

TEST(Color, LaidOutBlueGreenRed)
{
    EXPECT_EQ(rgb(0x12, 0x34, 0x56), 0x00563412u);
    EXPECT_EQ(redOf(0x00563412u), 0x12);
    EXPECT_EQ(greenOf(0x00563412u), 0x34);
    EXPECT_EQ(blueOf(0x00563412u), 0x56);
    EXPECT_EQ(opaque(0x12345678u), 0xFF345678u);
}

TEST(Surface, FillRectIsClippedToTheSurface)
{
    Surface s(4, 3, 0xFF000000u);
    s.fillRect({-2, 1, 2, 10}, opaque(rgb(255, 0, 0)));
    EXPECT_EQ(s.pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(s.pixel(0, 1), 0xFF0000FFu);
    EXPECT_EQ(s.pixel(1, 2), 0xFF0000FFu);
    EXPECT_EQ(s.pixel(2, 1), 0xFF000000u);
    EXPECT_EQ(s.colorAt(1, 1), rgb(255, 0, 0));
}

TEST(Surface, ResizeKeepsTopLeftContent)
{
    Surface s(2, 2, 1u);
    s.setPixel(1, 1, 7u);
    s.resize(3, 3, 9u);
    EXPECT_EQ(s.width(), 3);
    EXPECT_EQ(s.pixel(1, 1), 7u);
    EXPECT_EQ(s.pixel(0, 0), 1u);
    EXPECT_EQ(s.pixel(2, 0), 9u);
    EXPECT_EQ(s.pixel(0, 2), 9u);
    s.resize(1, 1);
    EXPECT_EQ(s.pixel(0, 0), 1u);
    s.resize(0, 5);
    EXPECT_TRUE(s.isEmpty());
    EXPECT_TRUE(s.pixels().empty());
}

TEST(Surface, NegativeSizeGivesAnEmptySurface)
{
    Surface s(-3, 4);
    EXPECT_TRUE(s.isEmpty());
    EXPECT_EQ(s.width(), 0);
    EXPECT_EQ(s.height(), 0);
}
