#include "platform/gfx/region.h"

#include <gtest/gtest.h>

#include <string>

using plat::gfx::Rect;
using plat::gfx::Region;

namespace {

// Draws a region's pixels inside `area` as rows of '#' and '.', so a shape reads at a glance.
std::string picture(const Region& region, const Rect& area)
{
    std::string out;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            out += region.contains(x, y) ? '#' : '.';
        out += '\n';
    }
    return out;
}

} // namespace

TEST(Region, RectangleIsExclusiveOfRightAndBottom)
{
    Region r = Region::fromRect({2, 3, 5, 6});
    EXPECT_EQ(r.bounds(), (Rect{2, 3, 5, 6}));
    EXPECT_TRUE(r.contains(2, 3));
    EXPECT_TRUE(r.contains(4, 5));
    EXPECT_FALSE(r.contains(5, 5));
    EXPECT_FALSE(r.contains(4, 6));
    EXPECT_TRUE(Region::fromRect({5, 5, 5, 9}).isEmpty());
}

TEST(Region, RoundRectSevenCornersAreCut)
{
    Region r = Region::roundRect(0, 0, 12, 9, 7, 7);
    EXPECT_EQ(picture(r, {0, 0, 12, 9}),
        "..########..\n"
        ".##########.\n"
        "############\n"
        "############\n"
        "############\n"
        "############\n"
        "############\n"
        ".##########.\n"
        "..########..\n");
    EXPECT_EQ(r.bounds(), (Rect{0, 0, 12, 9}));
}

TEST(Region, RoundRectHitTestAtCornersAndEdges)
{
    Region r = Region::roundRect(10, 20, 110, 70, 20, 20);
    struct Case {
        int x, y;
        bool inside;
    } cases[] = {
        {10, 20, false},  // top-left corner pixel is cut away
        {109, 20, false}, // top-right
        {10, 69, false},  // bottom-left
        {109, 69, false}, // bottom-right
        {60, 20, true},   // middle of the top edge
        {60, 69, true},   // middle of the bottom edge
        {10, 45, true},   // middle of the left edge
        {109, 45, true},  // middle of the right edge
        {110, 45, false}, // right is exclusive
        {60, 70, false},  // bottom is exclusive
        {13, 23, true},   // inside the corner's curve
        {11, 21, false},  // outside the corner's curve
    };
    for (const auto& c : cases)
        EXPECT_EQ(r.contains(c.x, c.y), c.inside) << c.x << "," << c.y;
}

TEST(Region, RoundRectIsSymmetric)
{
    Region r = Region::roundRect(0, 0, 31, 17, 13, 9);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 31; ++x) {
            EXPECT_EQ(r.contains(x, y), r.contains(30 - x, y)) << x << "," << y;
            EXPECT_EQ(r.contains(x, y), r.contains(x, 16 - y)) << x << "," << y;
        }
}

TEST(Region, RoundRectWithTinyOrHugeEllipse)
{
    // An ellipse under two pixels leaves a plain rectangle.
    EXPECT_EQ(Region::roundRect(0, 0, 5, 4, 1, 1), Region::fromRect({0, 0, 5, 4}));
    // An ellipse larger than the box is clamped to it, giving the box's ellipse.
    EXPECT_EQ(Region::roundRect(0, 0, 8, 6, 100, 100), Region::ellipse({0, 0, 8, 6}));
    // Swapped corners are put in order.
    EXPECT_EQ(Region::roundRect(12, 9, 0, 0, 7, 7), Region::roundRect(0, 0, 12, 9, 7, 7));
    EXPECT_TRUE(Region::roundRect(3, 3, 3, 9, 2, 2).isEmpty());
}

TEST(Region, CombineModes)
{
    Region a = Region::fromRect({0, 0, 4, 2});
    Region b = Region::fromRect({2, 1, 6, 3});
    Rect area{0, 0, 6, 3};
    EXPECT_EQ(picture(Region::combine(a, b, Region::Combine::Or), area), "####..\n######\n..####\n");
    EXPECT_EQ(picture(Region::combine(a, b, Region::Combine::And), area), "......\n..##..\n......\n");
    EXPECT_EQ(picture(Region::combine(a, b, Region::Combine::Xor), area), "####..\n##..##\n..####\n");
    EXPECT_EQ(picture(Region::combine(a, b, Region::Combine::Diff), area), "####..\n##....\n......\n");
    EXPECT_EQ(Region::combine(a, b, Region::Combine::Copy), a);
    EXPECT_EQ(Region::combine(a, b, Region::Combine::And).bounds(), (Rect{2, 1, 4, 2}));
    EXPECT_TRUE(Region::combine(a, a, Region::Combine::Diff).isEmpty());
    EXPECT_EQ(Region::combine(a, Region{}, Region::Combine::Or), a);
}

TEST(Region, AdjacentPiecesMergeIntoTheSameRegion)
{
    Region left = Region::fromRect({0, 0, 3, 3});
    Region right = Region::fromRect({3, 0, 6, 3});
    EXPECT_EQ(Region::combine(left, right, Region::Combine::Or), Region::fromRect({0, 0, 6, 3}));
    ASSERT_EQ(Region::combine(left, right, Region::Combine::Or).spansAt(1).size(), 1u);
}

TEST(Region, OffsetAndIntersect)
{
    Region r = Region::roundRect(0, 0, 12, 9, 7, 7).offset(5, 7);
    EXPECT_EQ(r.bounds(), (Rect{5, 7, 17, 16}));
    EXPECT_FALSE(r.contains(5, 7));
    EXPECT_TRUE(r.contains(7, 7));
    Region clipped = r.intersect({0, 0, 10, 10});
    EXPECT_EQ(clipped.bounds(), (Rect{5, 7, 10, 10}));
    EXPECT_FALSE(clipped.contains(6, 7));
    EXPECT_TRUE(clipped.contains(7, 7));
    EXPECT_TRUE(r.intersect({100, 100, 200, 200}).isEmpty());
    EXPECT_TRUE(r.spansAt(0).empty());
    EXPECT_TRUE(Region{}.spansAt(0).empty());
}
