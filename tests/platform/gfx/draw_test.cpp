#include "platform/gfx/device_context.h"
#include "platform/gfx/draw.h"

#include <gtest/gtest.h>

#include <string>

using namespace plat::gfx;

namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kInk = rgb(200, 10, 10);

// The surface as rows of '#' (ink) and '.' (anything else).
std::string picture(const Surface& s, Color ink = kInk)
{
    std::string out;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x)
            out += s.colorAt(x, y) == ink ? '#' : '.';
        out += '\n';
    }
    return out;
}

} // namespace

TEST(Lines, EndPointIsNotDrawn)
{
    struct Case {
        Point from, to;
        Point firstDrawn, lastDrawn, notDrawn;
    } cases[] = {
        {{1, 1}, {6, 1}, {1, 1}, {5, 1}, {6, 1}}, // rightwards
        {{6, 2}, {1, 2}, {6, 2}, {2, 2}, {1, 2}}, // leftwards
        {{3, 0}, {3, 5}, {3, 0}, {3, 4}, {3, 5}}, // downwards
        {{4, 6}, {4, 1}, {4, 6}, {4, 2}, {4, 1}}, // upwards
        {{0, 0}, {5, 5}, {0, 0}, {4, 4}, {5, 5}}, // diagonal
    };
    for (const auto& c : cases) {
        Surface s(8, 8, opaque(kWhite));
        DeviceContext dc(s);
        dc.setForeColor(kInk);
        dc.moveTo(c.from.x, c.from.y);
        dc.lineTo(c.to.x, c.to.y);
        EXPECT_EQ(s.colorAt(c.firstDrawn.x, c.firstDrawn.y), kInk) << c.from.x << "," << c.from.y;
        EXPECT_EQ(s.colorAt(c.lastDrawn.x, c.lastDrawn.y), kInk) << c.from.x << "," << c.from.y;
        EXPECT_EQ(s.colorAt(c.notDrawn.x, c.notDrawn.y), kWhite) << c.from.x << "," << c.from.y;
        EXPECT_EQ(dc.currentPosition(), c.to);
    }
}

TEST(Lines, ZeroLengthDrawsNothingAndShallowLineIsContinuous)
{
    Surface s(10, 4, opaque(kWhite));
    DeviceContext dc(s);
    dc.setForeColor(kInk);
    dc.line(2, 2, 2, 2);
    EXPECT_EQ(s.colorAt(2, 2), kWhite);
    dc.line(0, 0, 9, 3);
    int drawn = 0;
    for (int x = 0; x < 10; ++x) {
        int inColumn = 0;
        for (int y = 0; y < 4; ++y)
            inColumn += s.colorAt(x, y) == kInk;
        EXPECT_LE(inColumn, 1) << x;
        drawn += inColumn;
    }
    EXPECT_EQ(drawn, 9); // one pixel per column but the end point's
}

TEST(Lines, GradientRowOutsideTheSurfaceIsHarmless)
{
    Surface s(5, 3, opaque(kWhite));
    DeviceContext dc(s);
    dc.setForeColor(kInk);
    dc.line(0, 3, 5, 3); // the row just below
    dc.line(-10, 1, 100, 1);
    EXPECT_EQ(picture(s), ".....\n#####\n.....\n");
}

TEST(Rectangles, OutlineInPenInsideInBrush)
{
    Surface s(6, 5, opaque(kWhite));
    DeviceContext dc(s);
    dc.setPen(Pen::solid(kInk));
    dc.setBrush(Brush::solid(rgb(0, 0, 255)));
    dc.rectangle({1, 1, 5, 5});
    EXPECT_EQ(picture(s), "......\n.####.\n.#..#.\n.#..#.\n.####.\n");
    EXPECT_EQ(s.colorAt(2, 2), rgb(0, 0, 255));
    dc.fillRect({0, 0, 2, 1}, kInk);
    EXPECT_EQ(s.colorAt(1, 0), kInk);
    EXPECT_EQ(s.colorAt(2, 0), kWhite);
}

TEST(FrameRgn, WidthAndHeightOfTheFrame)
{
    Surface s(8, 6, opaque(kWhite));
    DeviceContext dc(s);
    dc.frameRegion(Region::fromRect({0, 0, 8, 6}), Brush::solid(kInk), 2, 1);
    EXPECT_EQ(picture(s),
        "########\n"
        "##....##\n"
        "##....##\n"
        "##....##\n"
        "##....##\n"
        "########\n");
}

// A pixel belongs to the frame when moving by the width sideways, or the height up or down,
// leaves the region; the corners' steps are therefore diagonal.
TEST(FrameRgn, RoundRegionFollowsTheCorners)
{
    Surface s(12, 9, opaque(kWhite));
    DeviceContext dc(s);
    dc.frameRegion(Region::roundRect(0, 0, 12, 9, 7, 7), Brush::solid(kInk), 1, 1);
    EXPECT_EQ(picture(s),
        "..########..\n"
        ".#........#.\n"
        "#..........#\n"
        "#..........#\n"
        "#..........#\n"
        "#..........#\n"
        "#..........#\n"
        ".#........#.\n"
        "..########..\n");
}

TEST(FrameRgn, WideFrameFillsASmallRegion)
{
    Surface s(4, 4, opaque(kWhite));
    DeviceContext dc(s);
    dc.frameRegion(Region::fromRect({0, 0, 4, 4}), Brush::solid(kInk), 3, 3);
    EXPECT_EQ(picture(s), "####\n####\n####\n####\n");
}

TEST(FocusRect, DottedInvertedAndUndoneBySecondCall)
{
    Surface s(7, 5, opaque(rgb(10, 20, 30)));
    s.setPixel(3, 0, opaque(rgb(1, 2, 3)));
    const Surface before = s;
    DeviceContext dc(s);
    dc.drawFocusRect({1, 0, 6, 4});
    EXPECT_EQ(s.colorAt(2, 0), rgb(245, 235, 225)); // (x + y) even: inverted
    EXPECT_EQ(s.colorAt(1, 0), rgb(10, 20, 30));    // odd: left alone
    EXPECT_EQ(s.colorAt(1, 1), rgb(245, 235, 225));
    EXPECT_EQ(s.colorAt(3, 2), rgb(10, 20, 30)); // inside untouched
    EXPECT_EQ(s.colorAt(0, 0), rgb(10, 20, 30)); // outside untouched
    dc.drawFocusRect({1, 0, 6, 4});
    EXPECT_EQ(s.pixels(), before.pixels());
}

TEST(Clipping, RegionAndOriginLimitDrawing)
{
    Surface s(6, 4, opaque(kWhite));
    DeviceContext dc(s);
    dc.setClipRegion(Region::fromRect({2, 0, 4, 4}));
    dc.fillRect({0, 0, 6, 4}, kInk);
    EXPECT_EQ(picture(s), "..##..\n..##..\n..##..\n..##..\n");
    dc.setClipRegion(std::nullopt);
    dc.setOrigin({1, 1});
    dc.setPixel(0, 0, rgb(0, 255, 0));
    EXPECT_EQ(s.colorAt(1, 1), rgb(0, 255, 0));
    EXPECT_EQ(dc.pixel(0, 0), rgb(0, 255, 0));
    EXPECT_EQ(dc.pixel(-5, 0), 0xFFFFFFFFu);
}

TEST(Clear, FillsTheWholeSurfaceOpaque)
{
    Surface s(3, 2, 0u);
    DeviceContext dc(s);
    dc.clear(rgb(1, 2, 3));
    for (uint32_t p : s.pixels())
        EXPECT_EQ(p, 0xFF030201u);
}
