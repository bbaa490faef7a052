#include "controls/core/choice_glyphs.h"
#include <gtest/gtest.h>
#include <set>

namespace qel {
namespace {

using plat::gfx::Color;
using plat::gfx::rgb;
using plat::gfx::Surface;

Color at(const Surface& s, int cell, int x, int y) { return s.colorAt(cell * kGlyphSize + x, y); }

// The tick's pixels, by row and column within a cell.
std::set<std::pair<int, int>> tickPixels()
{
    std::set<std::pair<int, int>> p;
    auto run = [&](int row, int from, int to) {
        for (int x = from; x <= to; ++x)
            p.insert({x, row});
    };
    run(3, 9, 9);
    run(4, 8, 9);
    run(5, 3, 3);
    run(5, 7, 9);
    run(6, 3, 4);
    run(6, 6, 8);
    run(7, 3, 7);
    run(8, 4, 6);
    run(9, 5, 5);
    return p;
}

TEST(CheckBoxGlyphs, SixCellsWithTheirFramesFacesAndTicks)
{
    const Surface& g = CheckBoxGlyphs();
    ASSERT_EQ(g.width(), 78);
    ASSERT_EQ(g.height(), 13);
    const Color darkBlue = rgb(28, 81, 128), grey = rgb(202, 200, 187), green = rgb(33, 161, 33);
    struct Case {
        int cell;
        Color frame;
        Color topLeft, bottomRight; // just inside the frame
        Color tick;                 // 0: no tick
    } cases[] = {
        {GlyphClear, darkBlue, rgb(221, 220, 218), rgb(255, 255, 255), 0},
        {GlyphClearHover, darkBlue, rgb(254, 241, 207), rgb(249, 184, 64), 0},
        {GlyphClearDisabled, grey, rgb(255, 255, 255), rgb(255, 255, 255), 0},
        {GlyphTicked, darkBlue, rgb(221, 220, 218), rgb(255, 255, 255), green},
        {GlyphTickedHover, darkBlue, rgb(254, 241, 207), rgb(249, 184, 64), green},
        {GlyphTickedDisabled, grey, rgb(255, 255, 255), rgb(255, 255, 255), grey},
    };
    const auto tick = tickPixels();
    for (const Case& c : cases) {
        for (int i = 0; i < kGlyphSize; ++i) {
            EXPECT_EQ(at(g, c.cell, i, 0), c.frame) << "cell " << c.cell;
            EXPECT_EQ(at(g, c.cell, i, 12), c.frame) << "cell " << c.cell;
            EXPECT_EQ(at(g, c.cell, 0, i), c.frame) << "cell " << c.cell;
            EXPECT_EQ(at(g, c.cell, 12, i), c.frame) << "cell " << c.cell;
        }
        EXPECT_EQ(at(g, c.cell, 1, 1), c.topLeft) << "cell " << c.cell;
        EXPECT_EQ(at(g, c.cell, 11, 11), c.bottomRight) << "cell " << c.cell;
        for (int y = 1; y < 12; ++y)
            for (int x = 1; x < 12; ++x) {
                if (!c.tick)
                    continue;
                const bool onTick = tick.count({x, y}) > 0;
                EXPECT_EQ(at(g, c.cell, x, y) == c.tick, onTick) << "cell " << c.cell << " at " << x << ", " << y;
            }
    }
    // The mouse-over look: a two-pixel warm ring around a light grey centre.
    EXPECT_EQ(at(g, GlyphClearHover, 6, 6), rgb(231, 230, 226));
    EXPECT_EQ(at(g, GlyphClearHover, 3, 3), rgb(231, 230, 226));
    EXPECT_NE(at(g, GlyphClearHover, 2, 6), rgb(231, 230, 226));
    EXPECT_EQ(at(g, GlyphClear, 6, 1), at(g, GlyphClear, 1, 6)) << "the face runs diagonally";
    // Each ticked cell is its clear cell with the tick added.
    for (int y = 0; y < kGlyphSize; ++y)
        for (int x = 0; x < kGlyphSize; ++x)
            if (!tick.count({x, y})) {
                EXPECT_EQ(at(g, GlyphTicked, x, y), at(g, GlyphClear, x, y)) << x << ", " << y;
            }
}

TEST(OptionButtonGlyphs, RoundCellsWhiteOutsideWithARingAndADot)
{
    const Surface& g = OptionButtonGlyphs();
    ASSERT_EQ(g.width(), 78);
    ASSERT_EQ(g.height(), 13);
    const Color white = rgb(255, 255, 255);
    for (int cell = 0; cell < kGlyphCells; ++cell) {
        for (auto [x, y] : std::initializer_list<std::pair<int, int>>{{0, 0}, {12, 0}, {0, 12}, {12, 12}, {1, 1}, {11, 11}})
            EXPECT_EQ(at(g, cell, x, y), white) << "outside the circle, cell " << cell;
        const bool disabled = cell == GlyphClearDisabled || cell == GlyphTickedDisabled;
        const Color ring = disabled ? rgb(203, 201, 187) : rgb(33, 84, 129);
        // The ring's pixels at the middle of each side lie wholly on the ring.
        for (auto [x, y] : std::initializer_list<std::pair<int, int>>{{6, 0}, {0, 6}, {12, 6}, {6, 12}})
            EXPECT_EQ(at(g, cell, x, y), ring) << "ring, cell " << cell << " at " << x << ", " << y;
    }
    // The dot of the selected cells: rows and columns 4-8 without their corners, green at the core.
    for (int cell : {GlyphTicked, GlyphTickedHover})
        EXPECT_EQ(at(g, cell, 6, 6), rgb(33, 161, 33)) << cell;
    EXPECT_EQ(at(g, GlyphTickedDisabled, 6, 6), rgb(192, 191, 181));
    for (int cell : {GlyphTicked, GlyphTickedHover, GlyphTickedDisabled}) {
        EXPECT_EQ(at(g, cell, 4, 4), at(g, cell - 3, 4, 4)) << "the dot's corners are cut, cell " << cell;
        EXPECT_NE(at(g, cell, 4, 6), at(g, cell - 3, 4, 6)) << "its rim, cell " << cell;
    }
    EXPECT_EQ(at(g, GlyphClearDisabled, 6, 6), rgb(241, 241, 239));
    EXPECT_EQ(at(g, GlyphClearHover, 6, 6), rgb(241, 241, 239));
    // The warm band: pale yellow at the top left turning orange toward the bottom right.
    const Color topLeft = at(g, GlyphClearHover, 3, 3), bottomRight = at(g, GlyphClearHover, 9, 9);
    EXPECT_GE(plat::gfx::redOf(topLeft), 249);
    EXPECT_LE(plat::gfx::blueOf(topLeft), 156);
    EXPECT_LT(plat::gfx::blueOf(bottomRight), plat::gfx::blueOf(topLeft));
    EXPECT_LT(plat::gfx::greenOf(bottomRight), plat::gfx::greenOf(topLeft));
}

TEST(GlyphCells, TheCellForEachState)
{
    struct Case {
        bool enabled, mouseInside;
        int value;
        int cell;
    } cases[] = {
        {true, false, 0, 0}, {true, true, 0, 1}, {false, false, 0, 2}, {false, true, 0, 2}, {true, false, 1, 3},
        {true, true, 1, 4}, {false, false, 1, 5}, {true, false, 2, 5}, {true, true, 2, 5}, {false, false, -1, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GlyphCellFor(c.enabled, c.mouseInside, c.value), c.cell) << c.enabled << c.mouseInside << c.value;
}

} // namespace
} // namespace qel
